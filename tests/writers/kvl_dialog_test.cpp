// Dialog functions: Dialog New and Control Add with their style parts,
// captions, images, colours, fonts, attach calls and the head and tail.
#include "tests/support/golden.h"
#include "tests/writers/writer_fixture.h"

namespace {

class DialogTest : public WriterTest {
  protected:
    int32_t AddTahomaBold() {
        tFontDesc t{};
        t.szFontName = "MS Sans Serif";
        t.fFontSize = 8;
        AddFont(t);
        t.szFontName = "Tahoma";
        t.fFontSize = 10;
        t.lWeight = 700;
        return AddFont(t);
    }
};

TEST_F(DialogTest, WholeFunctionWithIconColoursFontsAndSamples) {
    int32_t lDlg = NewDialog("%IDD_OPTIONS", "100", "Options", 0, 0, 200, 120);
    int32_t lIcon = NewRes("%IDR_IMGFILE1", "101", wkResIcon);
    tDlg& tD = gatDlg.W(FindDialogRow(lDlg));
    tD.lStyle = static_cast<int32_t>(0x80C00000u);
    tD.lExStyle = 0x10000;
    tD.lStyleStrElem = AddDynStr(
        StyleList("WindowStyles", {"%WS_POPUP", "%WS_BORDER", "%WS_DLGFRAME", "%WS_CAPTION"}));
    tD.lExStyleStrElem = AddDynStr(StyleList("ExStyles", {"%WS_EX_CONTROLPARENT"}));
    tD.lDataResElem = lIcon;
    tD.byBackClrUsed = 1;
    tD.lBackClr = 0x00FFFF;
    tD.lForeClr = 0x123456; // not used: its flag is clear
    NewControl(lDlg, wkCtlButton, "%IDC_BUTTON1", "1001", "Button1", 145, 100, 50, 15);
    NewControl(lDlg, wkCtlComboBox, "%IDC_COMBOBOX1", "1002", "ignored", 5, 5, 100, 40);
    gatDlg.W(NewControl(lDlg, wkCtlImage, "%IDC_IMAGE1", "1003", "", 5, 30, 30, 30)).lDataResElem =
        lIcon;
    NewControl(lDlg, wkCtlListView, "%IDC_SYSLISTVIEW32_1", "1004", "SysListView32_1", 5, 60, 100,
               50);
    int32_t lFont = AddTahomaBold();
    tDlg& tL = gatDlg.W(
        NewControl(lDlg, wkCtlLabel, "%IDC_LABEL1", "1005", "Say \"hi\"", 5, 115, 100, 10));
    tL.byForeClrUsed = 1;
    tL.lForeClr = 0x408000;
    tL.lFontElem = lFont;
    tDlg& tN = gatDlg.W(NewControl(lDlg, wkCtlLabel, "", "", "No ID", 5, 130, 100, 10));
    tN.byForeClrUsed = 1;
    tN.lFontElem = lFont;
    tDlg& tC = gatDlg.W(NewControl(lDlg, wkCtlCheckBox, "%IDC_C", "1006", "C", 5, 45, 9, 9));
    tC.lStyle = 0x40020000;
    tC.lExStyle = 0;
    tC.lStyleStrElem = AddDynStr(StyleList("WindowStyles", {"%WS_CHILD", "%WS_GROUP"}));
    tC.lExStyleStrElem = 0;

    std::string s;
    const FullFileScope tFull(true);
    WriteDialogFunction(s, tWriteLayout{}, lDlg);
    EXPECT_TRUE(MatchesGolden("writers/dialog-options.kvl", s));
}

TEST_F(DialogTest, EmptyDialogBlockWithLinksAndMinimizeBox) {
    int32_t lDlg = NewDialog("%IDD_EMPTY", "100", "", 10, 10, 100, 50);
    int32_t lMenu = NewRes("%IDR_MENU1", "101", wkResMenu);
    int32_t lAccel = NewRes("%IDR_ACC", "102", wkResAccel);
    Link(lDlg, lMenu, lAccel);
    tDlg& t = gatDlg.W(FindDialogRow(lDlg));
    t.lStyle |= 0x20000;
    t.lStyleStrElem = 0;
    t.lExStyleStrElem = 0;
    std::string s;
    WriteDialogFunction(s, tWriteLayout{}, lDlg); // block only: the flag is clear
    EXPECT_TRUE(MatchesGolden("writers/dialog-empty.kvl", s));
}

TEST_F(DialogTest, StyleParts) {
    int32_t lDlg = NewDialog("%IDD_D", "100", "D", 1, 2, 3, 4);
    int32_t lRow = FindDialogRow(lDlg);
    EXPECT_EQ(DialogNewStatement(tWriteLayout{}, lRow),
              "    Dialog New hParent, \"D\", 1, 2, 3, 4, To hDlg");
    // Only an extended list.
    gatDlg.W(lRow).lExStyle = 0x80;
    gatDlg.W(lRow).lStyleStrElem = 0;
    gatDlg.W(lRow).lExStyleStrElem = AddDynStr(StyleList("ExStyles", {"%WS_EX_TOOLWINDOW"}));
    EXPECT_EQ(DialogNewStatement(tWriteLayout{}, lRow),
              "    Dialog New hParent, \"D\", 1, 2, 3, 4, , %WS_EX_TOOLWINDOW, To hDlg");

    int32_t lH = NewControl(lDlg, wkCtlHScrollBar, "%IDC_H", "1", "", 0, 0, 100, 10);
    int32_t lV = NewControl(lDlg, wkCtlVScrollBar, "%IDC_V", "2", "", 0, 0, 10, 100);
    EXPECT_EQ(ControlAddStatement(tWriteLayout{}, lH),
              "    Control Add ScrollBar, hDlg, %IDC_H, \"\", 0, 0, 100, 10");
    EXPECT_EQ(ControlAddStatement(tWriteLayout{}, lV),
              "    Control Add ScrollBar, hDlg, %IDC_V, \"\", 0, 0, 10, 100, "
              "%WS_CHILD Or %WS_VISIBLE Or %SBS_VERT");
    gatDlg.W(lV).lStyleStrElem = 0; // default values, no names: nothing to add
    EXPECT_EQ(ControlAddStatement(tWriteLayout{}, lV),
              "    Control Add ScrollBar, hDlg, %IDC_V, \"\", 0, 0, 10, 100");

    // A class kind always carries its lists, even with default values.
    int32_t lUpDown = NewControl(lDlg, wkCtlUpDown, "", "", "Spin", 1, 1, 10, 12);
    EXPECT_EQ(ControlAddStatement(tWriteLayout{}, lUpDown),
              "    Control Add \"msctls_updown32\", hDlg, -1, \"Spin\", "
              "1, 1, 10, 12, %WS_CHILD Or %WS_VISIBLE");
    int32_t lCustom = NewControl(lDlg, wkCtlCustom, "%IDC_X", "3", "", 1, 1, 10, 12);
    gatDlg.W(lCustom).szClass = "MyGrid";
    EXPECT_EQ(ControlAddStatement(tWriteLayout{}, lCustom),
              "    Control Add \"MyGrid\", hDlg, %IDC_X, \"\", 1, 1, 10, 12, %WS_CHILD Or "
              "%WS_VISIBLE, %WS_EX_LEFT Or %WS_EX_LTRREADING Or %WS_EX_RIGHTSCROLLBAR");
    // Changed values without names keep the place of the style argument.
    int32_t lText = NewControl(lDlg, wkCtlTextBox, "%IDC_T", "4", "", 1, 1, 10, 12);
    gatDlg.W(lText).lStyle |= 0x800;
    gatDlg.W(lText).lStyleStrElem = 0;
    gatDlg.W(lText).lExStyleStrElem = 0;
    EXPECT_EQ(ControlAddStatement(tWriteLayout{}, lText),
              "    Control Add TextBox, hDlg, %IDC_T, \"\", 1, 1, 10, 12, ");
    // An animation without a video and an image button with one.
    int32_t lAvi = NewControl(lDlg, wkCtlAnimate, "%IDC_A", "5", "cap", 0, 0, 1, 1);
    EXPECT_NE(ControlAddStatement(tWriteLayout{}, lAvi).find("%IDC_A, \"\", 0, 0, 1, 1"),
              std::string::npos);
    int32_t lBmp = NewRes("%IDR_BMP", "6", wkResBitmap);
    int32_t lImgBtn = NewControl(lDlg, wkCtlImgButtonX, "%IDC_IB", "7", "cap", 0, 0, 1, 1);
    gatDlg.W(lImgBtn).lDataResElem = lBmp;
    EXPECT_EQ(ControlAddStatement(tWriteLayout{}, lImgBtn),
              "    Control Add ImgButtonX, hDlg, %IDC_IB, \"#\" + Format$(%IDR_BMP), 0, 0, 1, 1");
}

TEST_F(DialogTest, FontsSharedAndOfTheDialogItself) {
    int32_t lDlg = NewDialog("%IDD_D", "100", "D", 0, 0, 10, 10);
    int32_t lBold = AddTahomaBold();
    tFontDesc tSym{};
    tSym.szFontName = "Symbol";
    tSym.fFontSize = 12;
    tSym.lItalic = tSym.lUnderline = tSym.lStrikeout = 1;
    tSym.lCharSet = 2;
    gatDlg.W(FindDialogRow(lDlg)).lFontElem = AddFont(tSym);
    gatDlg.W(NewControl(lDlg, wkCtlLabel, "%IDC_L1", "1", "a", 0, 0, 1, 1)).lFontElem = lBold;
    gatDlg.W(NewControl(lDlg, wkCtlLabel, "%IDC_L2", "2", "b", 0, 0, 1, 1)).lFontElem = lBold;
    std::string s;
    WriteDialogFunction(s, tWriteLayout{}, lDlg);
    EXPECT_NE(s.find(Crlf("    hFont1 = WrenkitMakeFont(\"Symbol\", 12, 400, %TRUE, %TRUE, %TRUE, "
                          "%SYMBOL_CHARSET)\n"
                          "    hFont2 = WrenkitMakeFont(\"Tahoma\", 10, 700, %FALSE, %FALSE, "
                          "%FALSE, %ANSI_CHARSET)\n\n"
                          "    Dialog Send hDlg, %WM_SETFONT, hFont1, 0\n"
                          "    Control Send hDlg, %IDC_L1, %WM_SETFONT, hFont2, 0\n"
                          "    Control Send hDlg, %IDC_L2, %WM_SETFONT, hFont2, 0\n\n"
                          "#Wrenkit End Dialog\n")),
              std::string::npos)
        << s;
}

} // namespace
