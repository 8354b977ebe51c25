// Forms: units. What whole forms read into (containers, arrays, lines, fonts,
// colours, the tab order, the frames of each border style) is in the
// tests/data/read/frm-* goldens.
#include "readers/vbform_reader.h"
#include "tests/vbform/vbform_fixture.h"

namespace {

using FormReaderTest = FormTest;

TEST_F(FormReaderTest, TwipsBecomeDialogUnitsAndPixels) {
    EXPECT_EQ(TwipsToDialogUnits(1440, false), 64); // 96 pixels at cxChar 6
    EXPECT_EQ(TwipsToDialogUnits(1440, true), 59);  // 96 x 8 / 13 = 59.08
    EXPECT_EQ(TwipsToPixels(1440), 96);
    // Halves go to the even neighbour: 11.25 twips is half a unit, 33.75 one and a half.
    EXPECT_EQ(TwipsToDialogUnits(11.25, false), 0);
    EXPECT_EQ(TwipsToDialogUnits(33.75, false), 2);
    glPixelsPerInch = 120;
    gtMisc.cxChar = 0; // not measured yet: the start-up base units
    EXPECT_EQ(TwipsToDialogUnits(1440, false), 80);
}

} // namespace
