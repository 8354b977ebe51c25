// Damaged and unusual forms: the reader keeps what it can and never derails.
#include "readers/vbform_reader.h"
#include "readers/vbform_state.h"
#include "tests/vbform/vbform_fixture.h"

namespace {

using DamagedFormTest = FormTest;

TEST_F(DamagedFormTest, CutOffFormsKeepWhatWasRead) {
    // The text ends inside a control, inside a menu and inside a font block.
    int32_t lRes = LoadVBForm("Begin VB.Form F\r\n Caption = \"Cut\"\r\n"
                              " Begin VB.Label L\r\n  Caption = \"Half\"\r\n"
                              " Begin VB.Menu M\r\n  Caption = \"&Menu\"\r\n"
                              "  Begin VB.Menu N\r\n   Shortcut = ^N\r\n");
    ASSERT_NE(lRes, 0);
    EXPECT_EQ(Caption(FindDialogRow(lRes)), "Cut");
    EXPECT_EQ(Caption(RowByName("%IDC_L")), "Half");
    EXPECT_EQ(glMenuCnt, 2);
    EXPECT_EQ(glAccelCnt, 1);
    EXPECT_EQ(LoadVBForm("Begin VB.Form F\r\n BeginProperty Font\r\n Name = \"A"), lRes);
    EXPECT_EQ(tSeam.StatusTexts().size(), 2u);
    // Nothing but a closing status text when there is no form at all.
    EXPECT_EQ(LoadVBForm(""), 0);
    EXPECT_EQ(LoadVBForm("End\r\nEnd\r\nEndProperty\r\nCaption = \"x\""), 0);
    EXPECT_EQ(LoadVBForm("Begin VB.CommandButton C\r\nEnd\r\n"), 0);
    EXPECT_EQ(glDlgCnt, 0);
    EXPECT_EQ(glIDCnt, 0);
}

TEST_F(DamagedFormTest, AFormInsideTheFormIsPassedOverWithItsControls) {
    int32_t lRes = LoadVBForm("Begin VB.Form F\r\n Begin VB.Form G\r\n  Begin VB.Label L\r\n"
                              "  End\r\n End\r\n Begin VB.Label K\r\n End\r\nEnd\r\n");
    ASSERT_NE(lRes, 0);
    EXPECT_EQ(CountDialogRows(lRes), 2); // the form and K: one dialog row only
    EXPECT_EQ(RowByName("%IDC_L"), 0);
    EXPECT_NE(RowByName("%IDC_K"), 0);
}

TEST_F(DamagedFormTest, UnclosedPropertyBlocksAndStrayLinesDoNotSwallowControls) {
    const char kszForm[] = "VERSION 5.00\n"
                           "Begin VB.Form F\n"
                           "   BeginProperty Panels {ABC}\n"
                           "      BeginProperty Panel1\n"
                           "         Caption = \"Not mine\"\n"
                           "   Begin VB.Label L1\n"
                           "      Caption = \"Kept\"\n"
                           "      BeginProperty Font\n"
                           "         Name = \"Arial\"\n"
                           "   End\n"
                           "   EndProperty\n"
                           "   EndProperty\n"
                           "   Caption=\"Form caption\"\n"
                           "   garbage without an equals sign\n"
                           "   = 5\n"
                           "   Begin\n"
                           "      Caption = \"empty begin\"\n"
                           "   End\n"
                           "   Begin VB.Label L2\r"
                           "      Caption = \"Old Mac line ends\"\r"
                           "   End\r"
                           "End\n";
    int32_t lRes = LoadVBForm(kszForm);
    EXPECT_EQ(Caption(FindDialogRow(lRes)), "Form caption");
    EXPECT_EQ(Caption(RowByName("%IDC_L1")), "Kept");
    EXPECT_EQ(Caption(RowByName("%IDC_L2")), "Old Mac line ends");
    // The Font block left open by the End gave no font.
    EXPECT_EQ(gatDlg[RowByName("%IDC_L1")].lFontElem, gatDlg[FindDialogRow(lRes)].lFontElem);
    EXPECT_EQ(CountDialogRows(lRes), 4); // the form, L1, the nameless object, L2
}

TEST_F(DamagedFormTest, HostileValuesStayInRange) {
    const char kszForm[] = "Begin VB.Form %%%\n"
                           "   ClientWidth = 1e308\n"
                           "   ClientHeight = -1e308\n"
                           "   ClientLeft = nan\n"
                           "   BorderStyle = 1e300\n   ScaleMode = -1e300\n"
                           "   Begin VB.TextBox T\n"
                           "      Left = 99999999999999999999\n"
                           "      Width = 99999999999999999999\n"
                           "      Top = -99999999999999999999\n"
                           "      Index = 1e300\n"
                           "      TabIndex = -1e300\n"
                           "      BackColor = 1e300\n"
                           "      BorderStyle = -1e300\n"
                           "   End\n"
                           "   Begin VB.Menu M\n"
                           "      Index = -1e300\n"
                           "      Shortcut = {F99999999999}\n"
                           "   End\n"
                           "End\n";
    int32_t lRes = LoadVBForm(kszForm);
    ASSERT_NE(lRes, 0);
    EXPECT_EQ(gatRes[lRes].szIDName.str(), "%IDD_");
    const int32_t lText = FindDialogRow(lRes) + 1;
    EXPECT_EQ(gatDlg[lText].nLeft, INT32_MAX);
    EXPECT_EQ(gatDlg[lText].nRight, INT32_MAX);
    EXPECT_EQ(gatDlg[lText].nTop, INT32_MIN);
    EXPECT_EQ(IDName(gatDlg[lText].lIDElem), "%IDC_T_2147483647");
    EXPECT_EQ(glAccelCnt, 0);
}

TEST_F(DamagedFormTest, RepeatedNamesAndEndlessFormsAreReadInMoments) {
    std::string sForm = "Begin VB.Form F\n";
    for (int i = 0; i < 2100; ++i) {
        sForm += " Begin VB.Label L\n End\n Begin VB.Menu M\n  Index = 7\n End\n";
    }
    const int32_t lRes = LoadVBForm(sForm);
    // The controls and menu blocks a dialog can hold; every name its own.
    EXPECT_EQ(CountDialogRows(lRes), kMaxFormObjects + 1);
    EXPECT_EQ(glMenuCnt, kMaxFormObjects);
    EXPECT_EQ(IDName(gatDlg[glDlgCnt].lIDElem), "%IDC_L2047");
    EXPECT_EQ(IDName(gatMenu[glMenuCnt].lIDElem), "%IDM_M_2054");
}

} // namespace
