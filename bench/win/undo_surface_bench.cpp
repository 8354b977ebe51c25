// Undo and redo on the design surface of a dialog of 2,000 controls, the
// windows following included: a group drag of 100 controls, a delete of 3
// and Align Lefts on 100, each done, then taken back (Ctrl+Z's command) and
// done again (Ctrl+Y's), each with the painting it leaves queued; "do"
// includes selecting with a band. Best of several rounds, in milliseconds;
// never a pass/fail test. Run under Wine on a virtual display (see the README):
// wk_undo_bench.exe [rounds] [controls].
#include "app/main_window.h"
#include "app/settings/settings.h"
#include "app/startup.h"
#include "designer/designer.h"
#include "edit/resource_edits.h"
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

// The command, then the painting it left queued; the time of the latter
// into *pfPaint.
void Command(int32_t lCmd, double* pfPaint = nullptr) {
    SendMessageA(ghWndMain, WM_COMMAND, MAKEWPARAM(lCmd, 0), 0);
    const double f = Now();
    Pump();
    if (pfPaint) {
        *pfPaint = Now() - f;
    }
}

LPARAM At(int32_t x, int32_t y) {
    return MAKELPARAM(DlgToPixelsX(x), DlgToPixelsY(y));
}

// A band over the first two rows: a group of the first 100 controls.
void SelectFirstHundred() {
    HWND hOverlay = DesignOverlayWindow();
    SendMessageA(hOverlay, WM_LBUTTONDOWN, MK_LBUTTON, At(0, 0));
    SendMessageA(hOverlay, WM_MOUSEMOVE, MK_LBUTTON, At(799, 19));
    SendMessageA(hOverlay, WM_LBUTTONUP, 0, At(799, 19));
    Pump();
}

// The leader grabbed between its markers and dropped 60 pixels to the right
// and 20 down: the surface's own drag, one step.
void DragGroup() {
    SelectFirstHundred();
    HWND hLeader = reinterpret_cast<HWND>(static_cast<intptr_t>(gatDlg[GroupMember(1)].hWnd));
    RECT rLead{};
    GetClientRect(hLeader, &rLead);
    const int32_t lX = rLead.right * 2 / 3, lY = rLead.bottom / 2;
    SendMessageA(hLeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(lX, lY));
    for (int i = 1; i <= 20; ++i) {
        SendMessageA(hLeader, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(lX + i * 3, lY + i));
    }
    SendMessageA(hLeader, WM_LBUTTONUP, 0, MAKELPARAM(lX + 60, lY + 20));
    Pump();
}

// A band over three cells of the sixth row.
void DeleteThree() {
    HWND hOverlay = DesignOverlayWindow();
    SendMessageA(hOverlay, WM_LBUTTONDOWN, MK_LBUTTON, At(196, 52));
    SendMessageA(hOverlay, WM_MOUSEMOVE, MK_LBUTTON, At(236, 56));
    SendMessageA(hOverlay, WM_LBUTTONUP, 0, At(236, 56));
    Pump();
    Command(IDM_DELETE);
}

void AlignHundred() {
    SelectFirstHundred();
    Command(IDM_ALIGN_FIRST); // Lefts
}

// Best of the rounds; each undo and redo with the painting it left (the
// share of the whole that went to painting, of the same round).
struct tTimes {
    double fDo = 1e30;
    double fUndo = 1e30, fUndoPaint = 0;
    double fRedo = 1e30, fRedoPaint = 0;
};

void Timed(int32_t lCmd, double& fBest, double& fBestPaint) {
    double fPaint = 0;
    const double f = Now();
    Command(lCmd, &fPaint);
    const double fAll = Now() - f;
    if (fAll < fBest) {
        fBest = fAll;
        fBestPaint = fPaint;
    }
}

void OneRound(int32_t lCount, const std::function<void()>& fnStep, tTimes& t) {
    const int32_t lRes = MakeBenchProject(lCount, true);
    BuildDesignDialog(ghWndMain, lRes);
    Pump();
    glChanged = 0;
    ClearUndo();
    double f = Now();
    fnStep();
    t.fDo = std::min(t.fDo, Now() - f);
    const std::string sStep = UndoStepName();
    Timed(IDM_UNDO, t.fUndo, t.fUndoPaint);
    Timed(IDM_REDO, t.fRedo, t.fRedoPaint);
    // A round that recorded no step, or another, measures nothing.
    std::fprintf(stderr, "  %d controls, %d steps, the last \"%s\"\n", lCount, UndoDepth(),
                 sStep.c_str());
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

    std::printf("| step on %d controls | do | undo (painting) | redo (painting) |\n"
                "|---|---|---|---|\n",
                lCount);
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
        std::printf("| %s | %.1f ms | %.1f ms (%.1f ms) | %.1f ms (%.1f ms) |\n", tStep.szName,
                    t.fDo, t.fUndo, t.fUndoPaint, t.fRedo, t.fRedoPaint);
        std::fflush(stdout);
    }
    DestroyWindow(hMain);
    Pump();
    DeleteFileA(sIni.c_str());
    return 0;
}
