// Test mode under Wine: the sample dialog run as a real dialog, its push
// button clicked for real, ended with Ctrl+T and Esc; and dialogs no real
// program would hold still open and close cleanly.
#include "tests/win/designer_fixture.h"

#include "app/files/file_ops.h"
#include "designer/test_mode.h"

#include <cstring>

namespace {

class TestMode : public DesignerTest {
  protected:
    // The model's rows as bytes, to see that a test changes nothing.
    static std::string Snapshot() {
        std::string s;
        for (int32_t l = 1; l <= glDlgCnt; ++l) {
            s.append(reinterpret_cast<const char*>(&gatDlg[l]), sizeof(tDlg));
        }
        for (int32_t l = 1; l <= glIDCnt; ++l) {
            s.append(reinterpret_cast<const char*>(&gatID[l]), sizeof(tID));
        }
        return s;
    }
    static HWND ControlOf(HWND hTested, int32_t lRow) {
        return GetDlgItem(hTested, gatID[gatDlg[lRow].lIDElem].lIDValue);
    }
};

TEST_F(TestMode, TheSampleRunsLiveReportsItsButtonAndEndsWithCtrlTAndEsc) {
    ASSERT_TRUE(OpenFile(SourcePath("examples/sample.bas"), 1));
    PumpMessages(100);
    const int32_t lList = NewDesignControl(wkCtlListView, 5, 25, 120, 95);
    const int32_t lCheck = NewDesignControl(wkCtlCheckBox, 130, 25, 190, 35);
    ASSERT_TRUE(lList && lCheck);
    int32_t lButton = 0;
    for (int32_t l : Controls(gtElem.lResDlg)) {
        lButton = gatDlg[l].lCtlType == wkCtlButton ? l : lButton;
    }
    ASSERT_TRUE(lButton);
    const std::string sWant = gatID[gatDlg[lButton].lIDElem].szIDName.str() + " = " +
                              std::to_string(gatID[gatDlg[lButton].lIDElem].lIDValue);
    Click(Centre(Row(lCheck))); // the selected control, restored afterwards
    ASSERT_EQ(gtElem.lCtl, lCheck);
    glChanged = 0;
    const std::string sBefore = Snapshot();
    const std::string sCaption = GetDynStr(gatDlg[gtElem.lDlg].lCaptionElem);

    bool bSeen = false;
    bool bCheckReported = false;
    std::string sReport;
    WatchFor(sCaption, [&](HWND hTested) {
        bSeen = true;
        EXPECT_TRUE(TestRunning());
        EXPECT_FALSE(IsWindowVisible(DesignDialogWindow()));
        EXPECT_FALSE(ghToolbox && IsWindowVisible(ghToolbox));
        HWND hMode = TestModeWindow();
        ASSERT_TRUE(hMode && IsWindowVisible(hMode));
        EXPECT_EQ(WindowText(hMode), "Test Mode");
        EXPECT_EQ(WindowText(GetDlgItem(hMode, 1001)), "Exit Test Mode");
        EXPECT_EQ(WindowText(GetDlgItem(hMode, 1002)),
                  std::to_string(reinterpret_cast<intptr_t>(hTested)));
        RECT r{};
        GetWindowRect(hMode, &r); // the first test: top right corner
        EXPECT_GT(r.left, GetSystemMetrics(SM_CXSCREEN) / 2);
        EXPECT_LT(r.top, 60);
        SetWindowPos(hMode, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

        HWND hList = ControlOf(hTested, lList);
        ASSERT_TRUE(hList);
        EXPECT_EQ(WindowClassName(hList), "SysListView32");
        HWND hHeader = reinterpret_cast<HWND>(SendMessageA(hList, LVM_GETHEADER, 0, 0));
        EXPECT_EQ(SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0), 3);
        EXPECT_EQ(SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0), 30);
        EXPECT_NE(GetMenu(hTested), nullptr); // the sample's menu bar
        EXPECT_FALSE(SaveWindowScreenshot(hTested, "test_mode_sample").empty());

        WatchFor("Test", [&](HWND h) {
            bCheckReported = true;
            PressButton(h, IDOK);
        });
        Click(Centre(ControlOf(hTested, lCheck)));
        PumpMessages(300);
        ModalWatches().clear();
        WatchFor("Test", [&](HWND h) {
            sReport = MessageBoxText(h);
            PressButton(h, IDOK);
        });
        Click(Centre(ControlOf(hTested, lButton)));
        PumpUntil([&] { return !sReport.empty(); }, 3000);
        SetForegroundWindow(hTested);
        SendKeys({VK_CONTROL, 'T'});
    });
    Command(IDM_TESTDIALOG);
    EXPECT_TRUE(bSeen);
    EXPECT_FALSE(bCheckReported);
    EXPECT_EQ(sReport, sWant);
    EXPECT_FALSE(TestRunning());
    EXPECT_EQ(TestModeWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(DesignDialogWindow()));
    EXPECT_EQ(gtElem.lCtl, lCheck);
    EXPECT_TRUE(FocusGripperShown());
    EXPECT_EQ(Snapshot(), sBefore);
    EXPECT_EQ(glChanged, 0);

    // Again, ended with Esc: the test-mode window is where it was left.
    bSeen = false;
    WatchFor(sCaption, [&](HWND hTested) {
        bSeen = true;
        RECT r{};
        GetWindowRect(TestModeWindow(), &r);
        EXPECT_EQ(r.left, 400);
        EXPECT_EQ(r.top, 300);
        SetForegroundWindow(hTested);
        SendKeys({VK_ESCAPE});
    });
    Command(IDM_TESTDIALOG);
    EXPECT_TRUE(bSeen);
    EXPECT_EQ(gtElem.lCtl, lCheck);
    EXPECT_EQ(Snapshot(), sBefore);
}

TEST_F(TestMode, ClassesThatCannotBeMadeHugeIDsAndManyControlsStillOpenAndClose) {
    const int32_t lRes = Design({{wkCtlButton, {10, 10, 60, 24}, "Lost"},
                                 {wkCtlButton, {10, 30, 60, 44}, "Wide ID"},
                                 {wkCtlButton, {10, 50, 60, 64}, "Plain"}});
    const std::vector<int32_t> al = Controls(lRes);
    gatDlg.W(al[0]).szClass = "NoSuchClassAnywhere";
    gatID.W(gatDlg[al[1]].lIDElem).lIDValue = 70000;
    for (int32_t i = 0; i < 1500; ++i) {
        tDlg t = NewKindRow(wkCtlLabel);
        t.lResElem = lRes;
        t.lFontElem = 1;
        t.lIDElem = gatDlg[al[2]].lIDElem;
        t.nLeft = 70 + i % 30 * 5;
        t.nTop = 10 + i / 30 * 2;
        t.nRight = t.nLeft + 4;
        t.nBottom = t.nTop + 2;
        AddDlgRow(t);
    }
    bool bSeen = false;
    WatchFor("Dialog", [&](HWND hTested) {
        bSeen = true;
        EXPECT_EQ(FindWindowExA(hTested, nullptr, "Button", "Lost"), nullptr);
        HWND hWide = FindWindowExA(hTested, nullptr, "Button", "Wide ID");
        ASSERT_TRUE(hWide);
        EXPECT_EQ(GetWindowLongPtrA(hWide, GWLP_ID), 70000);
        EXPECT_TRUE(FindWindowExA(hTested, nullptr, "Button", "Plain"));
        PressButton(TestModeWindow(), 1001); // Exit Test Mode
    });
    SetDynStr(gatDlg.W(FindDialogRow(lRes)).lCaptionElem, "Dialog");
    Command(IDM_TESTDIALOG);
    EXPECT_TRUE(bSeen);
    EXPECT_FALSE(TestRunning());
    EXPECT_TRUE(IsWindowVisible(DesignDialogWindow()));
}

} // namespace
