// Forms with their controls: units, frames, containers, arrays, lines, fonts,
// colours and the tab order.
#include "readers/vbform_reader.h"
#include "tests/vbform/vbform_fixture.h"

#include <climits>

namespace {

using FormReaderTest = FormTest;

const char kszDialogForm[] =
    "VERSION 5.00\r\n"
    "Object = \"{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0\"; \"COMDLG32.OCX\"\r\n"
    "Begin VB.Form frmMain \r\n"
    "   BorderStyle     =   3  'Fixed Dialog\r\n"
    "   Caption         =   \"Say \"\"Hi\"\"\"\r\n"
    "   ClientHeight    =   1950\r\n"
    "   ClientLeft      =   45\r\n"
    "   ClientTop       =   330\r\n"
    "   ClientWidth     =   2880\r\n"
    "   ControlBox      =   0   'False\r\n"
    "   Icon            =   \"frmMain.frx\":0000\r\n"
    "   BeginProperty Font \r\n"
    "      Name            =   \"Tahoma\"\r\n"
    "      Size            =   9.75\r\n"
    "      Weight          =   400\r\n"
    "   EndProperty\r\n"
    "   Begin VB.Frame fraOpts \r\n"
    "      Caption         =   \"Options\"\r\n"
    "      Height          =   1440\r\n"
    "      Left            =   720\r\n"
    "      TabIndex        =   2\r\n"
    "      Top             =   360\r\n"
    "      Width           =   1440\r\n"
    "      Begin VB.OptionButton optA \r\n"
    "         Caption         =   \"A\"\r\n"
    "         Height          =   255\r\n"
    "         Index           =   0\r\n"
    "         Left            =   120\r\n"
    "         TabIndex        =   3\r\n"
    "         Top             =   240\r\n"
    "         Width           =   1200\r\n"
    "      End\r\n"
    "      Begin VB.OptionButton optA \r\n"
    "         Caption         =   \"B\"\r\n"
    "         Index           =   1\r\n"
    "         TabIndex        =   4\r\n"
    "      End\r\n"
    "      Begin VB.PictureBox picIn \r\n"
    "         Height          =   600\r\n"
    "         Left            =   120\r\n"
    "         Picture         =   \"frmMain.frx\":0442\r\n"
    "         TabIndex        =   5\r\n"
    "         Top             =   600\r\n"
    "         Width           =   600\r\n"
    "         Begin VB.Label lblDeep \r\n"
    "            Caption         =   \"Deep\"\r\n"
    "            Height          =   195\r\n"
    "            Left            =   60\r\n"
    "            TabIndex        =   6\r\n"
    "            Top             =   60\r\n"
    "            Width           =   300\r\n"
    "         End\r\n"
    "      End\r\n"
    "   End\r\n"
    "   Begin VB.CommandButton cmdOK \r\n"
    "      BackColor       =   &H000000FF&\r\n"
    "      Caption         =   \"OK\"\r\n"
    "      ForeColor       =   16711680\r\n"
    "      Height          =   375\r\n"
    "      Left            =   120\r\n"
    "      MaskColor       =   &H8000000F&\r\n"
    "      TabIndex        =   0\r\n"
    "      Top             =   120\r\n"
    "      Width           =   495\r\n"
    "      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} \r\n"
    "         name            =   \"Courier New\"\r\n"
    "         charset         =   0\r\n"
    "         weight          =   700\r\n"
    "         size            =   10\r\n"
    "         underline       =   0   'False\r\n"
    "         italic          =   -1  'True\r\n"
    "         strikethrough   =   0   'False\r\n"
    "      EndProperty\r\n"
    "   End\r\n"
    "   Begin VB.TextBox txtName \r\n"
    "      BackColor       =   &H80000005&\r\n"
    "      ForeColor       =   -2147483640\r\n"
    "      Tab(0).Control(3).Enabled=   0   'False\r\n"
    "      TabIndex        =   1\r\n"
    "      Text            =   \"Gr\xFC\xDF\" 'other code page\r\n"
    "   End\r\n"
    "   Begin VB.Line linSep \r\n"
    "      X1              =   2880\r\n"
    "      X2              =   0\r\n"
    "      Y1              =   1800\r\n"
    "      Y2              =   1800\r\n"
    "   End\r\n"
    "   Begin MSComDlg.CommonDialog dlgOpen \r\n"
    "      Left            =   2280\r\n"
    "      Top             =   1440\r\n"
    "   End\r\n"
    "End\r\n"
    "Attribute VB_Name = \"frmMain\"\r\n"
    "Private Sub cmdOK_Click()\r\n"
    "    If True Then\r\n"
    "    End If\r\n"
    "End\r\n"
    "End Sub\r\n"
    "Begin VB.Form frmOther\r\n";

TEST_F(FormReaderTest, TwipsBecomeDialogUnitsAndPixels) {
    EXPECT_EQ(TwipsToDialogUnits(1440, false), 64); // 96 pixels at cxChar 6
    EXPECT_EQ(TwipsToDialogUnits(1440, true), 59);  // 96 x 8 / 13 = 59.08
    EXPECT_EQ(TwipsToPixels(1440), 96);
    // Halves go to the even neighbour: 11.25 twips is half a unit, 33.75 one and a half.
    EXPECT_EQ(TwipsToDialogUnits(11.25, false), 0);
    EXPECT_EQ(TwipsToDialogUnits(33.75, false), 2);
    EXPECT_EQ(TwipsToDialogUnits(-1440, false), -64);
    EXPECT_EQ(TwipsToDialogUnits(1e300, false), INT32_MAX);
    EXPECT_EQ(TwipsToDialogUnits(-1e300, true), INT32_MIN);
    glPixelsPerInch = 120;
    gtMisc.cxChar = 8;
    EXPECT_EQ(TwipsToDialogUnits(1440, false), 60);
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
    EXPECT_EQ(gtElem.lResDlg, lRes);
    EXPECT_EQ(gtElem.lDlg, lDlg);
    EXPECT_EQ(Caption(lDlg), "Say \"Hi\"");
    // Client 192 x 130 pixels at (3, 22); a fixed dialog has a 3-pixel frame and
    // a 19-pixel caption: 198 x 155 pixels at (0, 0).
    const tDlg& t = gatDlg[lDlg];
    EXPECT_EQ(t.nLeft, 0);
    EXPECT_EQ(t.nTop, 0);
    EXPECT_EQ(t.nRight, 132);
    EXPECT_EQ(t.nBottom, 95);
    EXPECT_EQ(Styles(lDlg), "%WS_POPUP Or %WS_VISIBLE Or %WS_CLIPSIBLINGS Or %WS_BORDER Or "
                            "%WS_DLGFRAME Or %DS_3DLOOK Or %DS_NOFAILCREATE Or %DS_SETFONT Or "
                            "%DS_MODALFRAME Or %WS_CLIPCHILDREN Or %WS_MINIMIZEBOX Or "
                            "%WS_MAXIMIZEBOX");
    EXPECT_EQ(static_cast<uint32_t>(t.lStyle), 0x96C300D4u);
    EXPECT_EQ(static_cast<uint32_t>(t.lExStyle), 0x50101u);
    tFontDesc tFont{};
    ASSERT_EQ(FontDescription(t.lFontElem, tFont), 1);
    EXPECT_EQ(tFont.szFontName.str(), "Tahoma");
    // Nothing after the form's End is read: no second dialog.
    EXPECT_EQ(CountResources(wkResDialog), 1);
}

TEST_F(FormReaderTest, BorderStylesGiveTheirFrames) {
    struct Case {
        int lBorder;
        uint32_t lStyle;   // the frame bits that must be set
        uint32_t lNoStyle; // the frame bits that must be gone
        uint32_t lExStyle;
    };
    const uint32_t kThick = 0x40000, kBorder = 0x800000, kDlgFrame = 0x400000;
    const Case aCase[] = {
        {0, 0, kThick | kBorder | kDlgFrame, 0x40000},
        {1, kBorder | kDlgFrame, kThick, 0x40000},
        {2, kThick | kBorder | kDlgFrame, 0, 0x40000},
        {3, kBorder | kDlgFrame | 0x80, kThick, 0x40001},
        {4, kBorder | kDlgFrame, kThick, 0x40080},
        {5, kThick | kBorder | kDlgFrame, 0, 0x40080},
    };
    for (const Case& c : aCase) {
        std::string sForm = "Begin VB.Form F\r\n BorderStyle = " + std::to_string(c.lBorder) +
                            "\r\n ClientWidth = 1440\r\n ClientHeight = 1440\r\nEnd\r\n";
        int32_t lDlg = FindDialogRow(LoadVBForm(sForm));
        uint32_t lStyle = static_cast<uint32_t>(gatDlg[lDlg].lStyle);
        SCOPED_TRACE(c.lBorder);
        EXPECT_EQ(lStyle & c.lStyle, c.lStyle);
        EXPECT_EQ(lStyle & c.lNoStyle, 0u);
        EXPECT_EQ(static_cast<uint32_t>(gatDlg[lDlg].lExStyle) & 0x400C1u, c.lExStyle);
    }
    // Without a caption only the modal frame of every dialog is left (3 pixels
    // a side); a sizable form adds 4 pixels a side and the caption.
    int32_t lDlg = FindDialogRow(LoadVBForm("Begin VB.Form F\r\n BorderStyle = 0\r\n"
                                            " ClientWidth = 1440\r\n ClientHeight = 1440\r\nEnd"));
    EXPECT_EQ(gatDlg[lDlg].nRight - gatDlg[lDlg].nLeft, 68); // 102 pixels
    EXPECT_EQ(gatDlg[lDlg].nBottom - gatDlg[lDlg].nTop, 63); // 102 pixels
    lDlg = FindDialogRow(LoadVBForm("Begin VB.Form F\r\n ClientWidth = 1440\r\n"
                                    " ClientHeight = 1440\r\n MinButton = 0\r\n"
                                    " ShowInTaskbar = 0\r\n ClipControls = 0\r\nEnd"));
    EXPECT_EQ(gatDlg[lDlg].nRight - gatDlg[lDlg].nLeft, 69); // 104 pixels
    EXPECT_EQ(gatDlg[lDlg].nBottom - gatDlg[lDlg].nTop, 76); // 123 pixels
    EXPECT_EQ(Styles(lDlg).find("%WS_MINIMIZEBOX"), std::string::npos);
    EXPECT_EQ(Styles(lDlg).find("%WS_CLIPCHILDREN"), std::string::npos);
    EXPECT_NE(Styles(lDlg).find("%WS_MAXIMIZEBOX"), std::string::npos);
    EXPECT_EQ(gatDlg[lDlg].lExStyle & 0x40000, 0);
}

TEST_F(FormReaderTest, ControlsInContainersLandWhereTheFormShowsThem) {
    LoadVBForm(kszDialogForm);
    const int32_t lFrame = RowByName("%IDC_fraOpts");
    ASSERT_NE(lFrame, 0);
    EXPECT_EQ(gatDlg[lFrame].lCtlType, wkCtlFrame);
    EXPECT_EQ(gatDlg[lFrame].nLeft, 32); // 720 twips
    EXPECT_EQ(gatDlg[lFrame].nTop, 15);  // 360 twips: 24 pixels
    // Option A sits 120 x 240 twips into the frame: (5, 10) units further.
    const int32_t lOptA = RowByName("%IDC_optA_0");
    ASSERT_NE(lOptA, 0);
    EXPECT_EQ(gatDlg[lOptA].nLeft, 37);
    EXPECT_EQ(gatDlg[lOptA].nTop, 25);
    EXPECT_EQ(gatDlg[lOptA].nRight, 90);
    EXPECT_EQ(gatDlg[lOptA].nBottom, 35);
    // A picture box in the frame, and a label in the box: two containers deep.
    const int32_t lPic = RowByName("%IDC_picIn");
    const int32_t lDeep = RowByName("%IDC_lblDeep");
    EXPECT_EQ(gatDlg[lPic].nLeft, 37);
    EXPECT_EQ(gatDlg[lPic].nTop, 15 + 25);
    EXPECT_EQ(gatDlg[lDeep].nLeft, 37 + 3);
    EXPECT_EQ(gatDlg[lDeep].nTop, 40 + 2);
    EXPECT_EQ(gatDlg[lPic].lCtlType, wkCtlImage);
    EXPECT_EQ(Caption(lPic), "");
}

TEST_F(FormReaderTest, ControlArraysLinesCustomControlsAndText) {
    LoadVBForm(kszDialogForm);
    const int32_t lOptB = RowByName("%IDC_optA_1");
    ASSERT_NE(lOptB, 0);
    EXPECT_EQ(Caption(lOptB), "B");
    EXPECT_EQ(FindIDByName("%IDC_optA"), 0);
    // Without a size of its own, a control keeps the size its kind is drawn with.
    EXPECT_EQ(gatDlg[lOptB].nRight - gatDlg[lOptB].nLeft, 100);
    // A line drawn right to left covers the same rectangle: 0..128, at 120 pixels.
    const int32_t lLine = RowByName("%IDC_linSep");
    EXPECT_EQ(gatDlg[lLine].lCtlType, wkCtlLine);
    EXPECT_EQ(gatDlg[lLine].nLeft, 0);
    EXPECT_EQ(gatDlg[lLine].nRight, 128);
    EXPECT_EQ(gatDlg[lLine].nTop, 74);
    EXPECT_EQ(gatDlg[lLine].nBottom, 74);
    const int32_t lCustom = RowByName("%IDC_dlgOpen");
    EXPECT_EQ(gatDlg[lCustom].lCtlType, wkCtlCustom);
    EXPECT_EQ(Caption(lCustom), "CustomControl: MSComDlg.CommonDialog");
    // Bytes of another code page pass through; the comment after the text does not.
    EXPECT_EQ(Caption(RowByName("%IDC_txtName")), "Gr\xFC\xDF");
    EXPECT_EQ(gatDlg[RowByName("%IDC_txtName")].lCtlType, wkCtlTextBox);
    EXPECT_EQ(Styles(RowByName("%IDC_cmdOK")),
              "%WS_CHILD Or %WS_VISIBLE Or %WS_TABSTOP Or %BS_TEXT Or %BS_PUSHBUTTON Or "
              "%BS_CENTER Or %BS_VCENTER");
}

TEST_F(FormReaderTest, ColoursFontsAndTabOrder) {
    LoadVBForm(kszDialogForm);
    const int32_t lOK = RowByName("%IDC_cmdOK");
    EXPECT_EQ(gatDlg[lOK].byBackClrUsed, 1);
    EXPECT_EQ(gatDlg[lOK].lBackClr, 0xFF);
    EXPECT_EQ(gatDlg[lOK].byForeClrUsed, 1);
    EXPECT_EQ(gatDlg[lOK].lForeClr, 0xFF0000);
    // System colours (high bit set, in either notation) are not RGB values.
    const int32_t lText = RowByName("%IDC_txtName");
    EXPECT_EQ(gatDlg[lText].byBackClrUsed, 0);
    EXPECT_EQ(gatDlg[lText].byForeClrUsed, 0);
    // Lower-case font names of the oldest designers.
    tFontDesc tFont{};
    ASSERT_EQ(FontDescription(gatDlg[lOK].lFontElem, tFont), 1);
    EXPECT_EQ(tFont.szFontName.str(), "Courier New");
    EXPECT_EQ(tFont.lWeight, 700);
    EXPECT_EQ(tFont.lItalic, 1);
    EXPECT_EQ(tFont.lUnderline, 0);
    EXPECT_NEAR(tFont.fFontSize, 10.0f, 0.5f);
    // Controls without a font of their own take the form's.
    EXPECT_EQ(gatDlg[lText].lFontElem, gatDlg[gtElem.lDlg].lFontElem);
    // The table holds the controls in tab order, numbered 1..n; those that
    // never take the focus (the line, the dialog component) come first.
    const char* const kaszOrder[] = {"%IDC_linSep",  "%IDC_dlgOpen", "%IDC_cmdOK",
                                     "%IDC_txtName", "%IDC_fraOpts", "%IDC_optA_0",
                                     "%IDC_optA_1",  "%IDC_picIn",   "%IDC_lblDeep"};
    int32_t lRow = gtElem.lDlg;
    for (const char* sz : kaszOrder) {
        ++lRow;
        SCOPED_TRACE(sz);
        EXPECT_EQ(IDName(gatDlg[lRow].lIDElem), sz);
        EXPECT_EQ(gatDlg[lRow].lCtlOrder, lRow - gtElem.lDlg);
    }
    EXPECT_EQ(glDlgCnt, lRow);
    EXPECT_EQ(gtElem.lCtl, lRow);
}

TEST_F(FormReaderTest, HiddenTabPagesAndUserScalesComeBackIntoPlace) {
    const char kszForm[] = "VERSION 5.00\n"
                           "Begin VB.Form frmTabs\n"
                           "   ClientHeight = 3000\n"
                           "   ClientWidth = 3000\n"
                           "   ScaleMode = 3 'Pixel\n"
                           "   Begin TabDlg.SSTab tabMain\n"
                           "      Left = 1440\n"
                           "      Top = 0\n"
                           "      Tab(1).Control(0)=   \"txtHidden\"\n"
                           "      Begin VB.TextBox txtHidden\n"
                           "         Left = -73560\n"
                           "         Top = 0\n"
                           "      End\n"
                           "   End\n"
                           "   Begin VB.PictureBox picScale\n"
                           "      BorderStyle = 0 'None\n"
                           "      Height = 1440\n"
                           "      Width = 1440\n"
                           "      ScaleHeight = 100\n"
                           "      ScaleMode = 0 'User\n"
                           "      ScaleWidth = 10\n"
                           "      ScaleLeft = -5\n"
                           "      Begin VB.Line linIn\n"
                           "         X1 = -5\n"
                           "         X2 = 5\n"
                           "         Y1 = 50\n"
                           "         Y2 = 50\n"
                           "      End\n"
                           "   End\n"
                           "   Begin VB.Line linPixels\n"
                           "      X1 = 0\n"
                           "      X2 = 96\n"
                           "      Y1 = 0\n"
                           "      Y2 = 0\n"
                           "   End\n"
                           "End\n";
    LoadVBForm(kszForm);
    // Parked 75000 twips to the left on a hidden page: back at 1440 twips into the tab.
    EXPECT_EQ(gatDlg[RowByName("%IDC_txtHidden")].nLeft, 64 + 64);
    // Ten user units across a box of 1440 twips: the whole width, half way down.
    const int32_t lIn = RowByName("%IDC_linIn");
    EXPECT_EQ(gatDlg[lIn].nLeft, 0);
    EXPECT_EQ(gatDlg[lIn].nRight, 64);
    EXPECT_EQ(gatDlg[lIn].nTop, 30);
    // The form measures in pixels: 96 of them are an inch.
    EXPECT_EQ(gatDlg[RowByName("%IDC_linPixels")].nRight, 64);
}

} // namespace
