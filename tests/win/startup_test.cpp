// What the program sets up before its main window: the dialog base units of
// font element 1, the gripper brushes, and the single running copy.
#include "tests/win/shell_fixture.h"

#include "model/fonts.h"

#include <vector>

namespace {

using Startup = ShellTest;

// An empty dialog template in memory with the given font, as a resource
// compiler would write it.
std::vector<WORD> DialogTemplate(const char* szFace, WORD lPoints) {
    std::vector<WORD> aw(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* pTemplate = reinterpret_cast<DLGTEMPLATE*>(aw.data());
    pTemplate->style = WS_POPUP | DS_SETFONT;
    pTemplate->cx = 100;
    pTemplate->cy = 50;
    aw.push_back(0); // no menu
    aw.push_back(0); // the standard class
    aw.push_back(0); // no title
    aw.push_back(lPoints);
    for (const char* p = szFace; *p; ++p) {
        aw.push_back(static_cast<WORD>(*p));
    }
    aw.push_back(0);
    return aw;
}

INT_PTR CALLBACK EmptyDlgProc(HWND, UINT uMsg, WPARAM, LPARAM) {
    return uMsg == WM_INITDIALOG;
}

} // namespace

TEST_F(Startup, BaseUnitsAreThoseOfADialogInTheDefaultFont) {
    // Font element 1 is the default font from start-up on.
    ASSERT_GE(ghFontCnt, 1);
    tFontDesc tDesc{};
    ASSERT_EQ(FontDescription(1, tDesc), 1);
    EXPECT_EQ(tDesc.szFontName.str(), "MS Sans Serif");
    EXPECT_NEAR(tDesc.fFontSize, 8.0f, 0.5f);

    std::vector<WORD> aw = DialogTemplate("MS Sans Serif", 8);
    HWND hDlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                           reinterpret_cast<DLGTEMPLATE*>(aw.data()), nullptr,
                                           EmptyDlgProc, 0);
    ASSERT_TRUE(hDlg);
    RECT tUnits{0, 0, 4, 8};
    MapDialogRect(hDlg, &tUnits);
    DestroyWindow(hDlg);
    EXPECT_EQ(gtMisc.cxChar, tUnits.right);
    EXPECT_EQ(gtMisc.cyChar, tUnits.bottom);
}

TEST_F(Startup, GripperBrushesFollowEachColoursOwnKind) {
    tOptions t = gtOptions;
    t.lGripperColor1 = wkSysColorFlag | COLOR_HIGHLIGHT;
    t.lGripperColor2 = RGB(255, 128, 0);
    MakeGripperBrushes(t);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(t.hGripperBrush1), GetSysColorBrush(COLOR_HIGHLIGHT));
    ASSERT_NE(t.hGripperBrush2, 0u);
    LOGBRUSH tBrush{};
    ASSERT_TRUE(GetObjectA(reinterpret_cast<HBRUSH>(t.hGripperBrush2), sizeof(tBrush), &tBrush));
    EXPECT_EQ(tBrush.lbColor, RGB(255, 128, 0));
    // Made again, the solid brush of before is gone and a new one in use.
    t.lGripperColor2 = RGB(0, 0, 255);
    const uintptr_t hOld = t.hGripperBrush2;
    MakeGripperBrushes(t);
    EXPECT_FALSE(GetObjectA(reinterpret_cast<HBRUSH>(hOld), sizeof(tBrush), &tBrush) &&
                 tBrush.lbColor == RGB(255, 128, 0));
    ASSERT_TRUE(GetObjectA(reinterpret_cast<HBRUSH>(t.hGripperBrush2), sizeof(tBrush), &tBrush));
    EXPECT_EQ(tBrush.lbColor, RGB(0, 0, 255));
    ReadStartupOptions(); // back to the settings file's colours
}

TEST_F(Startup, ASecondCopyOnlyBringsTheFirstToTheFront) {
    const std::string sExe = ProgramExe();
    if (sExe.empty()) {
        GTEST_SKIP() << "the program is not built";
    }
    HWND hWnd = CreateShown();
    ShowWindow(hWnd, SW_MINIMIZE);
    PumpMessages(50);
    ASSERT_TRUE(IsIconic(hWnd));

    STARTUPINFOA tStart{};
    tStart.cb = sizeof(tStart);
    PROCESS_INFORMATION tProc{};
    std::string sCmd = "\"" + sExe + "\" \"C:\\never\\opened.bas\"";
    ASSERT_TRUE(CreateProcessA(nullptr, sCmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &tStart, &tProc));
    // The first copy keeps answering while the second one looks for it.
    DWORD lWait = WAIT_TIMEOUT;
    for (int i = 0; i < 300 && lWait == WAIT_TIMEOUT; ++i) {
        PumpMessages(20);
        lWait = WaitForSingleObject(tProc.hProcess, 0);
    }
    if (lWait == WAIT_TIMEOUT) {
        TerminateProcess(tProc.hProcess, 1); // it did not find us and started in full
    }
    DWORD lExit = 0;
    GetExitCodeProcess(tProc.hProcess, &lExit);
    CloseHandle(tProc.hThread);
    CloseHandle(tProc.hProcess);
    ASSERT_EQ(lWait, WAIT_OBJECT_0);
    EXPECT_EQ(lExit, static_cast<DWORD>(reinterpret_cast<uintptr_t>(hWnd)));
    PumpMessages(100);
    EXPECT_FALSE(IsIconic(hWnd));
    // Its command line was not passed on.
    EXPECT_EQ(WindowText(hWnd), "Wrenkit");
}
