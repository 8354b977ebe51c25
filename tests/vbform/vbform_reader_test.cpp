// Forms with their controls: units, frames, containers, arrays, lines, fonts,
// colours and the tab order.
#include "readers/vbform_reader.h"
#include "tests/vbform/vbform_fixture.h"

namespace {

using FormReaderTest = FormTest;

// Client 192 x 130 pixels at (3, 22); every twips value below is a whole
// number of pixels at 96 pixels per inch.
const char kszDialogForm[] = R"(VERSION 5.00
Begin VB.Form frmMain
   BorderStyle = 3  'Fixed Dialog
   Caption = "Say ""Hi"""
   ClientHeight = 1950
   ClientLeft = 45
   ClientTop = 330
   ClientWidth = 2880
   ControlBox = 0   'False
   Icon = "frmMain.frx":0000
   BeginProperty Font
      Name = "Tahoma"
   EndProperty
   Begin VB.Frame fraOpts
      Caption = "frmMain.frx":0000
      Height = 1440
      Left = 720
      TabIndex = 2
      Top = 360
      Begin VB.OptionButton optA
         Caption = "A"
         Height = 255
         Index = 0
         Left = 120
         TabIndex = 3
         Top = 240
         Width = 1200
      End
      Begin VB.OptionButton optA
         Caption = "B"
         Index = 1
         TabIndex = 4
      End
      Begin VB.PictureBox picIn
         Left = 120
         TabIndex = 5
         Top = 600
         Begin VB.Label lblDeep
            Left = 60
            TabIndex = 6
            Top = 60
         End
      End
   End
   Begin VB.CommandButton cmdOK
      BackColor = &H000000FF&
      ForeColor = 16711680
      TabIndex = 0
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         name = "Courier New"
         weight = 700
         size = 10
         italic = -1  'True
      EndProperty
   End
   Begin VB.TextBox txtName
      BackColor = &H80000005&
      ForeColor = -2147483640
      Tab(0).Control(3).Enabled=   0   'False
      TabIndex = 1
      Text = "Gr)"
                             "\xFC\xDF"
                             R"(" 'other code page
   End
   Begin VB.Line linSep
      X1 = 2880
      X2 = 0
      Y1 = 1800
      Y2 = 1800
   End
   Begin MSComDlg.CommonDialog dlgOpen
      Left = 2280
   End
End
Private Sub cmdOK_Click()
End
End Sub
Begin VB.Form frmOther
)";

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

TEST_F(FormReaderTest, FormBecomesDialogWithFrameAddedToClientSize) {
    int32_t lRes = LoadVBForm(kszDialogForm);
    ASSERT_NE(lRes, 0);
    EXPECT_EQ(tSeam.StatusTexts(), std::vector<std::string>{"Loading VB File"});
    EXPECT_EQ(gatRes[lRes].szIDName.str(), "%IDD_frmMain");
    EXPECT_EQ(gatID[gatRes[lRes].lIDElem].lIDValue, 101);
    const int32_t lDlg = FindDialogRow(lRes);
    EXPECT_EQ(Caption(lDlg), "Say \"Hi\"");
    // A fixed dialog has a 3-pixel frame and a 19-pixel caption: 198 x 155 pixels at (0, 0).
    const tDlg& t = gatDlg[lDlg];
    EXPECT_EQ(t.nLeft, 0);
    EXPECT_EQ(t.nTop, 0);
    EXPECT_EQ(t.nRight, 132);
    EXPECT_EQ(t.nBottom, 95);
    // The form's frame, boxes and taskbar button, less those it turns off.
    EXPECT_EQ(static_cast<uint32_t>(t.lStyle), 0x96C300D4u);
    EXPECT_EQ(static_cast<uint32_t>(t.lExStyle), 0x50101u);
    tFontDesc tFont{};
    ASSERT_EQ(FontDescription(t.lFontElem, tFont), 1);
    EXPECT_EQ(tFont.szFontName.str(), "Tahoma");
    EXPECT_EQ(CountResources(wkResDialog), 1); // nothing after the form's End is read
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

TEST_F(FormReaderTest, ControlsInContainersLandWhereTheFormShowsThem) {
    LoadVBForm(kszDialogForm);
    const tDlg& tFrame = gatDlg[RowByName("%IDC_fraOpts")];
    EXPECT_EQ(tFrame.lCtlType, wkCtlFrame);
    EXPECT_EQ(Caption(RowByName("%IDC_fraOpts")), ""); // held in the binary companion file
    EXPECT_EQ(tFrame.nLeft, 32);                       // 720 twips
    EXPECT_EQ(tFrame.nTop, 15);                        // 360 twips: 24 pixels
    // Option A sits 120 x 240 twips into the frame: (5, 10) units further.
    const tDlg& tOptA = gatDlg[RowByName("%IDC_optA_0")];
    EXPECT_EQ(tOptA.nLeft, 37);
    EXPECT_EQ(tOptA.nTop, 25);
    EXPECT_EQ(tOptA.nRight, 90);
    EXPECT_EQ(tOptA.nBottom, 35);
    // A picture box in the frame, and a label in the box: two containers deep.
    const tDlg& tPic = gatDlg[RowByName("%IDC_picIn")];
    EXPECT_EQ(tPic.lCtlType, wkCtlImage);
    EXPECT_EQ(tPic.nLeft, 37);
    EXPECT_EQ(tPic.nTop, 40);
    EXPECT_EQ(gatDlg[RowByName("%IDC_lblDeep")].nLeft, 40);
    EXPECT_EQ(gatDlg[RowByName("%IDC_lblDeep")].nTop, 42);
}

TEST_F(FormReaderTest, ControlArraysLinesCustomControlsAndText) {
    LoadVBForm(kszDialogForm);
    const int32_t lOptB = RowByName("%IDC_optA_1");
    EXPECT_EQ(Caption(lOptB), "B");
    EXPECT_EQ(FindIDByName("%IDC_optA"), 0);
    // Without a size of its own, a control keeps the size its kind is drawn with.
    EXPECT_EQ(gatDlg[lOptB].nRight - gatDlg[lOptB].nLeft, 100);
    // A line drawn right to left covers the same rectangle: 0..128, at 120 pixels.
    const tDlg& tLine = gatDlg[RowByName("%IDC_linSep")];
    EXPECT_EQ(tLine.lCtlType, wkCtlLine);
    EXPECT_EQ(tLine.nLeft, 0);
    EXPECT_EQ(tLine.nRight, 128);
    EXPECT_EQ(tLine.nTop, 74);
    EXPECT_EQ(tLine.nBottom, 74);
    const int32_t lCustom = RowByName("%IDC_dlgOpen");
    EXPECT_EQ(gatDlg[lCustom].lCtlType, wkCtlCustom);
    EXPECT_EQ(Caption(lCustom), "CustomControl: MSComDlg.CommonDialog");
    // Bytes of another code page pass through; the comment after the text does not.
    EXPECT_EQ(Caption(RowByName("%IDC_txtName")), "Gr\xFC\xDF");
}

TEST_F(FormReaderTest, ColoursFontsAndTabOrder) {
    LoadVBForm(kszDialogForm);
    const tDlg& tOK = gatDlg[RowByName("%IDC_cmdOK")];
    EXPECT_EQ(tOK.byBackClrUsed, 1);
    EXPECT_EQ(tOK.lBackClr, 0xFF);
    EXPECT_EQ(tOK.byForeClrUsed, 1);
    EXPECT_EQ(tOK.lForeClr, 0xFF0000);
    // System colours (high bit set, in either notation) are not RGB values.
    const tDlg& tText = gatDlg[RowByName("%IDC_txtName")];
    EXPECT_EQ(tText.byBackClrUsed + tText.byForeClrUsed, 0);
    // Lower-case font names of the oldest designers.
    tFontDesc tFont{};
    ASSERT_EQ(FontDescription(tOK.lFontElem, tFont), 1);
    EXPECT_EQ(tFont.szFontName.str(), "Courier New");
    EXPECT_EQ(tFont.lWeight, 700);
    EXPECT_EQ(tFont.lItalic, 1);
    EXPECT_NEAR(tFont.fFontSize, 10.0f, 0.5f);
    // Controls without a font of their own take the form's.
    EXPECT_EQ(tText.lFontElem, gatDlg[gtElem.lDlg].lFontElem);
    // The table holds the controls in tab order, numbered 1..n; those that
    // never take the focus (the line, the dialog component) come first.
    const char* const kaszOrder[] = {"%IDC_linSep",  "%IDC_dlgOpen", "%IDC_cmdOK",
                                     "%IDC_txtName", "%IDC_fraOpts", "%IDC_optA_0",
                                     "%IDC_optA_1",  "%IDC_picIn",   "%IDC_lblDeep"};
    int32_t lRow = gtElem.lDlg;
    for (const char* sz : kaszOrder) {
        ++lRow;
        EXPECT_EQ(IDName(gatDlg[lRow].lIDElem), sz);
        EXPECT_EQ(gatDlg[lRow].lCtlOrder, lRow - gtElem.lDlg);
    }
    EXPECT_EQ(glDlgCnt, lRow);
    EXPECT_EQ(gtElem.lCtl, lRow);
}

TEST_F(FormReaderTest, HiddenTabPagesAndUserScalesComeBackIntoPlace) {
    LoadVBForm(R"(Begin VB.Form frmTabs
   ScaleMode = 3 'Pixel
   Begin TabDlg.SSTab tabMain
      Left = 1440
      Tab(1).Control(0)=   "txtHidden"
      Begin VB.TextBox txtHidden
         Left = -73560
      End
   End
   Begin VB.PictureBox picScale
      BorderStyle = 0 'None
      Height = 1440
      Width = 1440
      ScaleHeight = 100
      ScaleMode = 0 'User
      ScaleWidth = 10
      ScaleLeft = -5
      Begin VB.Line linIn
         X1 = -5
         X2 = 5
         Y1 = 50
      End
   End
   Begin VB.Line linPixels
      X2 = 96
   End
End)");
    // Parked 75000 twips to the left on a hidden page: back at 1440 twips into the tab.
    EXPECT_EQ(gatDlg[RowByName("%IDC_txtHidden")].nLeft, 64 + 64);
    // Ten user units across a box of 1440 twips: the whole width, half way down.
    const tDlg& tIn = gatDlg[RowByName("%IDC_linIn")];
    EXPECT_EQ(tIn.nLeft, 0);
    EXPECT_EQ(tIn.nRight, 64);
    EXPECT_EQ(tIn.nBottom, 30);
    // The form measures in pixels: 96 of them are an inch.
    EXPECT_EQ(gatDlg[RowByName("%IDC_linPixels")].nRight, 64);
}

} // namespace
