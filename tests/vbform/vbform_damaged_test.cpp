// Damaged and unusual forms: the reader keeps what it can and never derails.
// What damaged forms read into is in the tests/data/read/frm-damaged-* goldens.
#include "readers/vbform_reader.h"
#include "readers/vbform_state.h"
#include "tests/vbform/vbform_fixture.h"

namespace {

using DamagedFormTest = FormTest;

TEST_F(DamagedFormTest, CutOffFormsKeepWhatWasRead) {
    // A form cut off inside a control, a menu and a font block keeps what was
    // read (tests/data/read/frm-damaged-cut-off.frm); one cut in its font block too.
    const int32_t lRes = LoadVBForm("Begin VB.Form F\r\n Caption = \"Cut\"\r\n");
    ASSERT_NE(lRes, 0);
    EXPECT_EQ(LoadVBForm("Begin VB.Form F\r\n BeginProperty Font\r\n Name = \"A"), lRes);
    EXPECT_EQ(tSeam.StatusTexts().size(), 2u);
    // Nothing but a closing status text when there is no form at all.
    EXPECT_EQ(LoadVBForm(""), 0);
    EXPECT_EQ(LoadVBForm("End\r\nEnd\r\nEndProperty\r\nCaption = \"x\""), 0);
    EXPECT_EQ(LoadVBForm("Begin VB.CommandButton C\r\nEnd\r\n"), 0);
    EXPECT_EQ(glDlgCnt, 0);
    EXPECT_EQ(glIDCnt, 0);
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
