// The shortcut texts of a form's menu items. A whole menu (pop-ups,
// separators, arrays, hidden items, options) is a tests/data/read/frm-* golden.
#include "readers/vbform_parts.h"
#include "tests/vbform/vbform_fixture.h"

namespace {

using FormMenuTest = FormTest;

TEST_F(FormMenuTest, ShortcutTexts) {
    struct Case {
        const char* sz;
        bool bKey;
        uint8_t byKey;
        uint8_t byModifiers;
    };
    const Case aCase[] = {
        {"^+%{F24}", true, 0x87, wkFControl | wkFShift | wkFAlt},
        {"{INSERT}", true, 0x2D, 0},
        {"{DEL}", true, 0x2E, 0},
        {"^a", true, 'A', wkFControl},
        {"^", true, '^', 0}, // a modifier sign alone is the key itself
        {"{F0}", false, 0, 0},
        {"{F25}", false, 0, 0},
        {"{PGUP}", false, 0, 0},
        {"^{F", false, 0, 0},
        {"^AB", false, 0, 0},
    };
    for (const Case& c : aCase) {
        uint8_t byKey = 1;
        uint8_t byModifiers = 1;
        SCOPED_TRACE(c.sz);
        EXPECT_EQ(ParseVBShortcut(c.sz, byKey, byModifiers), c.bKey);
        EXPECT_EQ(byKey, c.byKey);
        EXPECT_EQ(byModifiers, c.byModifiers);
    }
}

} // namespace
