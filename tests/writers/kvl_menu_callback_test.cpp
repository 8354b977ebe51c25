// Menu and accelerator functions, callbacks with their command cases, and the
// sample code for the kinds that get test data.
#include "tests/support/golden.h"
#include "tests/writers/writer_fixture.h"

namespace {

class MenuCallbackTest : public WriterTest {};

TEST_F(MenuCallbackTest, MenuThreeLevelsDeepWithStatesAndOwnShortcutText) {
    int32_t lMenu = NewRes("%IDR_MAIN", "100", wkResMenu);
    int32_t lAccelRes = NewRes("%IDR_KEYS", "101", wkResAccel);
    int32_t lSave = AddID("%IDM_SAVE", "1001", wkUsedByMenu);
    int32_t lDeep = AddID("%IDM_DEEP", "1002", wkUsedByMenu);
    int32_t lTop = AddID("%IDM_TOP", "1003", wkUsedByMenu);
    int32_t lKey = AddAccel(lSave, lAccelRes, 'S', wkFControl);
    AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, 0, wkMfMenuBarBreak, "&File");
    AddMenuItem(lSave, lMenu, lKey, 0, wkMenuItem, 1, wkMfGrayed | wkMfChecked, "&Save\\tCtrl+S");
    AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, 1, 0, "&More \"x\"");
    AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, 2, wkMfDisabled | wkMfMenuBreak, "Deeper");
    AddMenuItem(lDeep, lMenu, lKey, 0, wkMenuItem, 3, 0, "D\"q");
    AddMenuItem(0, lMenu, 0, 0, wkMenuItem, 1, 0, ""); // no caption: not built
    AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, 0, 0, "&Help");
    AddMenuItem(lTop, lMenu, 0, 0, wkMenuItem, 0, 0, "&Top");
    AddMenuItem(0, lMenu, 0, 0, wkMenuSeparator, 0, 0, "");
    std::string s;
    WriteMenuFunction(s, tWriteLayout{}, lMenu);
    EXPECT_TRUE(MatchesGolden("writers/menu-three-levels.kvl", s));
}

TEST_F(MenuCallbackTest, AcceleratorKeysAndEmptyTable) {
    int32_t lAccelRes = NewRes("%IDR_KEYS", "100", wkResAccel);
    int32_t lEmpty = NewRes("%IDR_NONE", "101", wkResAccel);
    int32_t lCmd = AddID("%IDM_RUN", "1001", wkUsedByAccel);
    AddAccel(lCmd, lAccelRes, 116, wkFShift);
    AddAccel(lCmd, lAccelRes, '7', wkFControl | wkFShift | wkFAlt);
    std::string s;
    WriteAccelFunction(s, tWriteLayout{}, lAccelRes);
    EXPECT_NE(
        s.find(Crlf("    Dim tAccel(1 To 2)\n\n"
                    "    AssignAccel tAccel(1), %VK_F5, %IDM_RUN, %FVIRTKEY Or %FSHIFT Or "
                    "%FNOINVERT\n"
                    "    AssignAccel tAccel(2), Asc(\"7\"), %IDM_RUN, %FVIRTKEY Or %FCONTROL Or "
                    "%FSHIFT _\n"
                    "        Or %FALT Or %FNOINVERT\n\n")),
        std::string::npos)
        << s;
    s.clear();
    WriteAccelFunction(s, tWriteLayout{}, lEmpty);
    EXPECT_NE(s.find(Crlf("    Dim tAccel(1 To 0)\n\n\n    Accel Attach")), std::string::npos);
}

TEST_F(MenuCallbackTest, CallbackWithButtonFirstAndLinkedMenu) {
    int32_t lDlg = NewDialog("%IDD_DIALOG1", "101", "Dialog1", 0, 0, 10, 10);
    NewControl(lDlg, wkCtlButton, "%IDC_BUTTON1", "1001", "B", 0, 0, 1, 1);
    NewControl(lDlg, wkCtlTextBox, "%IDC_TEXTBOX1", "1002", "T", 0, 0, 1, 1);
    NewControl(lDlg, wkCtlLabel, "", "", "no ID, no case", 0, 0, 1, 1);
    int32_t lMenu = NewRes("%IDR_MENU1", "102", wkResMenu);
    int32_t lOther = NewRes("%IDR_OTHER", "103", wkResMenu); // not linked: no cases
    gatRes.W(lDlg).lLinkMenu = lMenu;
    gatRes.W(lMenu).lLinkDlg = lDlg;
    AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, 0, 0, "&File");
    AddMenuItem(AddID("%IDM_FILE_OPEN", "1003", 0), lMenu, 0, 0, wkMenuItem, 1, 0, "&Open");
    AddMenuItem(AddID("%IDM_ELSEWHERE", "1005", 0), lOther, 0, 0, wkMenuItem, 0, 0, "x");
    AddMenuItem(AddID("%IDM_FILE_EXIT", "1004", 0), lMenu, 0, 0, wkMenuItem, 1, 0, "E&xit");
    std::string s;
    WriteCallbackFunction(s, tWriteLayout{}, lDlg);
    EXPECT_NE(s.find(Crlf("                Case %IDC_TEXTBOX1\n"
                          "                Case %IDM_FILE_OPEN\n")),
              std::string::npos)
        << s;
    EXPECT_EQ(s.find("%IDM_ELSEWHERE"), std::string::npos);
    EXPECT_EQ(s.find("WM_INITDIALOG"), std::string::npos);
    // The resource-script variant indents by its own unit and tests the word
    // parameter; for a menu resource the cases are its own items.
    const tWriteLayout tRcTab2{.lTabSizeRC = 2};
    s.clear();
    WriteCommandCases(s, tRcTab2, lDlg, wkCasesRc);
    EXPECT_TRUE(
        s.starts_with(Crlf("        Case %IDC_BUTTON1\n"
                           "          If HiWrd(wParam) = %BN_CLICKED Or HiWrd(wParam) = 1 Then\n"
                           "            MsgBox")))
        << s;
    s.clear();
    WriteCommandCases(s, tRcTab2, lOther, wkCasesRc);
    EXPECT_EQ(s, Crlf("        Case %IDM_ELSEWHERE\n"
                      "          MsgBox \"%IDM_ELSEWHERE=\" + Format$(%IDM_ELSEWHERE), "
                      "%MB_SYSTEMMODAL\n"));
}

TEST_F(MenuCallbackTest, FileDropCallback) {
    int32_t lDlg = NewDialog("%IDD_DROP", "101", "Drop", 0, 0, 10, 10);
    gatDlg.W(FindDialogRow(lDlg)).lExStyle |= 0x10;
    std::string s;
    WriteCallbackFunction(s, tWriteLayout{}, lDlg);
    EXPECT_NE(s.find(Crlf("CallBack Function ShowDROPProc()\n"
                          "    Local lFileCnt As Long\n"
                          "    Local i As Long\n"
                          "    Local szFile As Asciiz * %MAX_PATH\n"
                          "\n"
                          "    Select Case CbMsg\n"
                          "        Case %WM_INITDIALOG\n"
                          "            DragAcceptFiles CbHndl, %TRUE\n\n")),
              std::string::npos);
    EXPECT_NE(s.find(Crlf("                MsgBox Format$(i + 1) + \" of \" + Format$(lFileCnt) + "
                          "$Cr + szFile\n"
                          "            Next i\n"
                          "            DragFinish CbWParam\n"
                          "\n"
                          "        Case %WM_COMMAND\n")),
              std::string::npos);
}

TEST_F(MenuCallbackTest, SampleCodeOncePerKindAndCallsPerDialog) {
    int32_t lOne = NewDialog("%IDD_ONE", "101", "One", 0, 0, 10, 10);
    int32_t lTwo = NewDialog("%IDD_TWO", "102", "Two", 0, 0, 10, 10);
    NewControl(lOne, wkCtlListView, "%IDC_LV1", "1001", "", 0, 0, 1, 1);
    NewControl(lTwo, wkCtlListView, "%IDC_LV2", "1002", "", 0, 0, 1, 1);
    NewControl(lTwo, wkCtlComboBox, "", "", "", 0, 0, 1, 1); // a kind present without an ID
    NewControl(lOne, wkCtlTreeView, "%IDC_TV", "1003", "", 0, 0, 1, 1);
    NewControl(lOne, wkCtlTab, "%IDC_TAB", "1004", "", 0, 0, 1, 1);
    std::string sFile = BuildNewKvlFile(gtDoc, tWriteLayout{});
    auto Count = [&](const std::string& sWhat) {
        size_t n = 0;
        for (size_t p = sFile.find(sWhat); p != std::string::npos; p = sFile.find(sWhat, p + 1)) {
            ++n;
        }
        return n;
    };
    EXPECT_EQ(Count("Declare Function SampleListView("), 1u);
    EXPECT_EQ(Count("\r\nFunction SampleListView("), 1u);
    EXPECT_EQ(Count("Declare Function SampleComboBox("), 1u);
    EXPECT_EQ(Count("    SampleListView hDlg, %IDC_LV1, 3, 30\r\n"), 1u);
    EXPECT_EQ(Count("    SampleListView hDlg, %IDC_LV2, 3, 30\r\n"), 1u);
    EXPECT_EQ(Count("SampleComboBox hDlg"), 0u);
    EXPECT_EQ(Count("    ListView_SetExtendedListViewStyle hCtl, _ \r\n"
                    "        lStyle Or %LVS_EX_FULLROWSELECT Or %LVS_EX_GRIDLINES\r\n"),
              1u);
    // Only the insert helper of the tree view is declared; both functions are written.
    EXPECT_EQ(Count("Declare Function SampleTreeView"), 1u);
    EXPECT_EQ(Count("\r\nFunction SampleTreeViewInsertItem("), 1u);
    EXPECT_LT(sFile.find("\r\nFunction SampleTreeViewInsertItem("),
              sFile.find("\r\nFunction SampleTreeView(ByVal hDlg"));
    EXPECT_EQ(Count("    tTVInsert.Item.Item.cchTextMax      = Len(sItem)\r\n"), 1u);
    EXPECT_EQ(
        Count("                Call SampleTreeViewInsertItem(hCtl, hParent, \"SubItem\" + _\r\n"
              "                    Format$(j) + \".\" + Format$(k))\r\n"),
        1u);
    EXPECT_EQ(
        Count("    tTC_Item.pszText    = VarPtr(szBuf)\r\n\r\n    For i = 0 To lCount - 1\r\n"),
        1u);
    EXPECT_EQ(
        Count("    SampleTreeView hDlg, %IDC_TV, 3\r\n    SampleTabCtrl hDlg, %IDC_TAB, 5\r\n"),
        1u);
    // Declarations come after the callbacks' and before the dialogs'.
    EXPECT_LT(sFile.find("Declare CallBack Function ShowTWOProc()"),
              sFile.find("Declare Function SampleComboBox("));
    EXPECT_LT(sFile.find("Declare Function SampleListView("),
              sFile.find("Declare Function ShowONE(ByVal hParent As Dword) As Long"));
}

TEST_F(MenuCallbackTest, SampleFunctionTextsFollowTheTabSize) {
    int32_t lDlg = NewDialog("%IDD_ONE", "101", "One", 0, 0, 10, 10);
    NewControl(lDlg, wkCtlListBox, "%IDC_LB", "1001", "", 0, 0, 1, 1);
    NewControl(lDlg, wkCtlProgress, "%IDC_PB", "1002", "", 0, 0, 1, 1);
    EXPECT_TRUE(MatchesGolden("writers/sample-code-tab2.kvl",
                              KvlSampleCodeSection(tWriteLayout{.lTabSizeKVL = 2})));
}

} // namespace
