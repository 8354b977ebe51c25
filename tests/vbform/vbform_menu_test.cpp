// The menu of a form: pop-ups, separators, arrays, hidden items, options and
// shortcuts.
#include "readers/vbform_parts.h"
#include "readers/vbform_reader.h"
#include "tests/vbform/vbform_fixture.h"

namespace {

using FormMenuTest = FormTest;

const char kszMenuForm[] = R"(VERSION 5.00
Begin VB.Form frmMenu
   ClientHeight = 1440
   ClientWidth = 1440
   Begin VB.Menu mnuFile
      Caption = "&File"
      Begin VB.Menu mnuFileOpen
         Caption = "&Open..."
         Shortcut = ^O
      End
      Begin VB.Menu mnuSep1
         Caption = "-"
      End
      Begin VB.Menu mnuRecent
         Caption = "Recent"
         Begin VB.Menu mnuRecentFile
            Caption = "One"
            Checked = -1 'True
            Index = 0
            Shortcut = +{F5}
         End
         Begin VB.Menu mnuRecentFile
            Caption = "Two"
            Enabled = 0 'False
            Index = 1
            Shortcut = %{BKSP}
         End
         Begin VB.Menu mnuDeep
            Caption = "Deep"
            Begin VB.Menu mnuDeepest
               Caption = "Deepest"
               Shortcut = ^{F12}
            End
         End
      End
      Begin VB.Menu mnuHidden
         Caption = "Secret"
         Checked = -1 'True
         Shortcut = {DEL}
         Visible = 0 'False
      End
   End
   Begin VB.Menu mnuHelp
      Caption = "|Shows help|&Help"
      Shortcut = {F1}
   End
End
)";

TEST_F(FormMenuTest, MenusThreeDeepWithSeparatorsArraysHiddenItemsAndShortcuts) {
    int32_t lRes = LoadVBForm(kszMenuForm);
    const int32_t lMenu = gtElem.lResMenu;
    const int32_t lTable = gtElem.lResAccel;
    EXPECT_EQ(gatRes[lMenu].lType, wkResMenu);
    EXPECT_EQ(gatRes[lRes].lLinkMenu, lMenu);
    EXPECT_EQ(gatRes[lTable].lLinkDlg, lRes);
    EXPECT_EQ(gatRes[lTable].lLinkMenu, lMenu);
    struct Row {
        const char* szCaption;
        int32_t lType, lLevel, lOptions;
        const char* szID;
        uint8_t byKey, byModifiers;
    };
    const Row aRow[] = {
        {"&File", wkMenuPopup, 0, 0, "", 0, 0},
        {"&Open...", wkMenuItem, 1, 0, "%IDM_mnuFileOpen", 'O', wkFControl},
        {"", wkMenuSeparator, 1, 0, "", 0, 0},
        {"Recent", wkMenuPopup, 1, 0, "", 0, 0},
        {"One", wkMenuItem, 2, wkMfChecked, "%IDM_mnuRecentFile_0", 0x74, wkFShift},
        {"Two", wkMenuItem, 2, wkMfGrayed, "%IDM_mnuRecentFile_1", 0x08, wkFAlt},
        {"Deep", wkMenuPopup, 2, 0, "", 0, 0},
        {"Deepest", wkMenuItem, 3, 0, "%IDM_mnuDeepest", 0x7B, wkFControl},
        {"", wkMenuItem, 1, 0, "", 0, 0}, // invisible: only its place is kept
        {"|Shows help|&Help", wkMenuItem, 0, 0, "%IDM_mnuHelp", 0x70, 0},
    };
    ASSERT_EQ(glMenuCnt, static_cast<int32_t>(std::size(aRow)));
    EXPECT_EQ(glAccelCnt, 5);
    for (int32_t i = 1; i <= glMenuCnt; ++i) {
        const Row& r = aRow[i - 1];
        const tMenu& t = gatMenu[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(GetDynStr(t.lCaptionElem), r.szCaption);
        EXPECT_EQ(t.lType, r.lType);
        EXPECT_EQ(t.lLevel, r.lLevel);
        EXPECT_EQ(t.lOptions, r.lOptions);
        EXPECT_EQ(IDName(t.lIDElem), r.szID);
        EXPECT_EQ(t.lResElem, lMenu);
        EXPECT_EQ(gatID[t.lIDElem].lUsedBy, t.lIDElem ? wkUsedByMenu : 0);
        const tAccel& tKey = gatAccel[t.lAccelElem];
        EXPECT_EQ(tKey.byKey, r.byKey);
        EXPECT_EQ(tKey.byModifiers, r.byModifiers);
        EXPECT_EQ(tKey.lIDElem, t.lAccelElem ? t.lIDElem : 0);
        EXPECT_EQ(tKey.lResElem, t.lAccelElem ? lTable : 0);
    }
    // The menu bar makes the dialog 19 pixels (12 units) taller: 96 + 8 + 19 + 19.
    const int32_t lDlg = FindDialogRow(lRes);
    EXPECT_EQ(gatDlg[lDlg].nBottom - gatDlg[lDlg].nTop, 76 + 12);
}

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
