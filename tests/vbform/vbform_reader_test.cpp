// Forms: units and frames. What whole forms read into (containers, arrays,
// lines, fonts, colours, the tab order) is in the tests/data/read/frm-* goldens.
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

TEST_F(FormReaderTest, BorderStylesGiveTheirFrames) {
    const uint32_t kThick = 0x40000, kCaption = 0xC00000;
    // Border style, frame bits that stay, frame bits that go, extended bits.
    const uint32_t aCase[][4] = {
        {0, 0, kThick | kCaption, 0x40000}, {1, kCaption, kThick, 0x40000},
        {2, kThick | kCaption, 0, 0x40000}, {3, kCaption | 0x80, kThick, 0x40001},
        {4, kCaption, kThick, 0x40080},     {5, kThick | kCaption, 0, 0x40080}};
    for (const auto& c : aCase) {
        SCOPED_TRACE(c[0]);
        int32_t lDlg = FindDialogRow(
            LoadVBForm("Begin VB.Form F\n BorderStyle = " + std::to_string(c[0]) + "\nEnd\n"));
        uint32_t lStyle = static_cast<uint32_t>(gatDlg[lDlg].lStyle);
        EXPECT_EQ(lStyle & c[1], c[1]);
        EXPECT_EQ(lStyle & c[2], 0u);
        EXPECT_EQ(static_cast<uint32_t>(gatDlg[lDlg].lExStyle) & 0x400C1u, c[3]);
    }
    // Without a caption only the modal frame of every dialog is left (3 pixels
    // a side): 102 pixels square.
    int32_t lDlg = FindDialogRow(LoadVBForm("Begin VB.Form F\n BorderStyle = 0\n"
                                            " ClientWidth = 1440\n ClientHeight = 1440\nEnd"));
    EXPECT_EQ(gatDlg[lDlg].nRight - gatDlg[lDlg].nLeft, 68);
    EXPECT_EQ(gatDlg[lDlg].nBottom - gatDlg[lDlg].nTop, 63);
    // A sizable form: 4 pixels a side and the caption, 104 x 123 pixels.
    lDlg = FindDialogRow(LoadVBForm("Begin VB.Form F\n ClientWidth = 1440\n ClientHeight = 1440\n"
                                    " MinButton = 0\n ShowInTaskbar = 0\n ClipControls = 0\nEnd"));
    EXPECT_EQ(gatDlg[lDlg].nRight - gatDlg[lDlg].nLeft, 69);
    EXPECT_EQ(gatDlg[lDlg].nBottom - gatDlg[lDlg].nTop, 76);
    EXPECT_EQ(Styles(lDlg).find("%WS_MINIMIZEBOX"), std::string::npos);
    EXPECT_EQ(Styles(lDlg).find("%WS_CLIPCHILDREN"), std::string::npos);
    EXPECT_NE(Styles(lDlg).find("%WS_MAXIMIZEBOX"), std::string::npos);
    EXPECT_EQ(gatDlg[lDlg].lExStyle & 0x40000, 0);
}

} // namespace
