// Undo and redo on the design surface of a dialog of 2,000 controls, the
// windows following included: a group drag of 100 controls, a delete of 3
// and Align Lefts on 100, each done, then taken back (Ctrl+Z's command) and
// done again (Ctrl+Y's). Best of several rounds, in milliseconds; never a
// pass/fail test. Run under Wine on a virtual display (see the README):
// wk_undo_bench.exe [rounds] [controls].
#include "app/main_window.h"
#include "app/settings/settings.h"
#include "app/startup.h"
#include "designer/designer.h"
#include "model/design_geometry.h"
#include "model/options.h"
#include "model/project.h"
#include "model/undo_store.h"
#include "resources/resource_ids.h"
#include "styles/control_kinds.h"

#include "bench/win/bench_support.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

int32_t MakeProject(int32_t lCount) {
    ClearProject();
    const int32_t lRes = NewResource(wkResDialog);
    tDlg tRow = NewKindRow(wkCtlDialog);
    tRow.lIDElem = gatRes[lRes].lIDElem;
    tRow.lResElem = lRes;
    tRow.lFontElem = 1;
    tRow.nLeft = 5;
    tRow.nTop = 5;
    tRow.nRight = 5 + 50 * 8 + 10;
    tRow.nBottom = 5 + (lCount / 50 + 1) * 6 + 10;
    AddDlgRow(tRow);
    for (int32_t i = 0; i < lCount; ++i) {
        tDlg t = NewKindRow(1 + i % 28);
        t.lResElem = lRes;
        t.lFontElem = 1;
        t.lCtlOrder = i + 1;
        t.lIDElem = AddID("%IDC_C" + std::to_string(i + 1), std::to_string(1000 + i), wkUsedByDlg);
        t.nLeft = i % 50 * 8;
        t.nTop = i / 50 * 6;
        t.nRight = t.nLeft + 7;
        t.nBottom = t.nTop + 5;
        AddDlgRow(t);
    }
    return lRes;
}

void Command(int32_t lCmd) {
    SendMessageA(ghWndMain, WM_COMMAND, MAKEWPARAM(lCmd, 0), 0);
    Pump();
}

LPARAM At(int32_t x, int32_t y) {
    return MAKELPARAM(DlgToPixelsX(x), DlgToPixelsY(y));
}

// A band over the first two rows: a group of the first 100 controls.
void SelectFirstHundred() {
    HWND hOverlay = DesignOverlayWindow();
    SendMessageA(hOverlay, WM_LBUTTONDOWN, MK_LBUTTON, At(0, 0));
    SendMessageA(hOverlay, WM_MOUSEMOVE, MK_LBUTTON, At(399, 11));
    SendMessageA(hOverlay, WM_LBUTTONUP, 0, At(399, 11));
    Pump();
}

void DragGroup() {
    SelectFirstHundred();
    HWND hLeader = reinterpret_cast<HWND>(static_cast<intptr_t>(gatDlg[GroupMember(1)].hWnd));
    SendMessageA(hLeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(hLeader, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 30));
    SendMessageA(hLeader, WM_LBUTTONUP, 0, MAKELPARAM(40, 30));
    Pump();
}

void DeleteThree() {
    HWND hOverlay = DesignOverlayWindow();
    SendMessageA(hOverlay, WM_LBUTTONDOWN, MK_LBUTTON, At(100, 30));
    SendMessageA(hOverlay, WM_MOUSEMOVE, MK_LBUTTON, At(123, 34));
    SendMessageA(hOverlay, WM_LBUTTONUP, 0, At(123, 34));
    Pump();
    Command(IDM_DELETE);
}

void AlignHundred() {
    SelectFirstHundred();
    Command(IDM_ALIGN_FIRST); // Lefts
}

struct tTimes {
    double fUndo = 1e30;
    double fRedo = 1e30;
};

void OneRound(int32_t lCount, const std::function<void()>& fnStep, tTimes& t) {
    const int32_t lRes = MakeProject(lCount);
    BuildDesignDialog(ghWndMain, lRes);
    Pump();
    glChanged = 0;
    ClearUndo();
    fnStep();
    double f = Now();
    Command(IDM_UNDO);
    t.fUndo = std::min(t.fUndo, Now() - f);
    f = Now();
    Command(IDM_REDO);
    t.fRedo = std::min(t.fRedo, Now() - f);
    std::fprintf(stderr, "  %d controls, %d steps\n", lCount, UndoDepth());
}

} // namespace

int main(int argc, char** argv) {
    const int lRounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int32_t lCount = argc > 2 ? std::max(100, std::atoi(argv[2])) : 2000;
    char szDir[MAX_PATH] = "";
    GetTempPathA(sizeof(szDir), szDir);
    const std::string sIni = std::string(szDir) + "wk_undo_bench.ini";
    DeleteFileA(sIni.c_str());
    SetSettingsPath(sIni);
    ReadStartupOptions();
    InitCommonCtls();
    InitDesigner();
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    RegisterMainClass(hInst);
    HWND hMain = CreateMainWindow(hInst);
    SetWindowPos(hMain, nullptr, 0, 0, 800, 200, SWP_NOZORDER);
    ShowWindow(hMain, SW_SHOW);
    Pump();

    std::printf("| step on %d controls | undo | redo |\n|---|---|---|\n", lCount);
    const struct {
        const char* szName;
        std::function<void()> fnStep;
    } atStep[] = {{"group drag of 100", DragGroup},
                  {"delete of 3", DeleteThree},
                  {"Align Lefts on 100", AlignHundred}};
    for (const auto& tStep : atStep) {
        tTimes t;
        for (int i = 0; i < lRounds; ++i) {
            OneRound(lCount, tStep.fnStep, t);
        }
        std::printf("| %s | %.1f ms | %.1f ms |\n", tStep.szName, t.fUndo, t.fRedo);
        std::fflush(stdout);
    }
    DestroyWindow(hMain);
    Pump();
    DeleteFileA(sIni.c_str());
    return 0;
}
