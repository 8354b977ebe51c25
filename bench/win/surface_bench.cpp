// The design surface's speed under load: design dialogs of 50, 500 and 2,000
// controls of mixed kinds; for each the time to build the surface, a full
// repaint with the grid, a group drag of 100 controls (button down, 20 moves,
// button up, each move one frame) and Select All. Best of several rounds, in
// milliseconds. Run by bench/run-surface-bench.sh; never a pass/fail test.
#include "app/main_window.h"
#include "app/settings/settings.h"
#include "app/startup.h"
#include "designer/designer.h"
#include "edit/resource_edits.h"
#include "model/design_geometry.h"
#include "model/options.h"
#include "model/project.h"
#include "styles/control_kinds.h"

#include "bench/win/bench_support.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The floor: the same windows made bare (class, style, rectangle) on a hidden
// window, without anything the designer adds. What the system needs at least.
double BareWindows(int32_t lRes) {
    HWND hTop = CreateWindowExA(0, "Static", "", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    const double f = Now();
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        const tDlg& t = gatDlg[l];
        if (t.lResElem != lRes || t.lCtlType == wkCtlDialog) {
            continue;
        }
        std::string sClass = CtlTypeClass(t.lCtlType);
        const tDlgRect r = DlgToPixels({t.nLeft, t.nTop, t.nRight, t.nBottom});
        CreateWindowExA(static_cast<DWORD>(t.lExStyle), sClass.empty() ? "Static" : sClass.c_str(),
                        "", static_cast<DWORD>(t.lStyle) | WS_CHILD, r.nLeft, r.nTop,
                        r.nRight - r.nLeft, r.nBottom - r.nTop, hTop, nullptr,
                        GetModuleHandleA(nullptr), nullptr);
    }
    const double fTime = Now() - f;
    DestroyWindow(hTop);
    return fTime;
}

// Lets the window system finish what the last step left queued.
void Settle() {
    Pump();
    Sleep(200);
    Pump();
}

struct tTimes {
    double fFloor = 1e30;
    double fBuild = 1e30, fPaint = 1e30, fFrame = 1e30, fDrag = 1e30, fSelectAll = 1e30;
};

void OneRound(int32_t lCount, tTimes& t, bool bSelectAll) {
    const int32_t lRes = MakeBenchProject(lCount);
    Settle();
    t.fFloor = std::min(t.fFloor, BareWindows(lRes));
    Settle();
    double f = Now();
    BuildDesignDialog(ghWndMain, lRes);
    t.fBuild = std::min(t.fBuild, Now() - f);
    HWND hDialog = DesignDialogWindow();
    Pump();

    Settle();
    f = Now();
    RedrawWindow(hDialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
    t.fPaint = std::min(t.fPaint, Now() - f);

    // A group of the first 100 controls (a band over the first two rows).
    SendMessageA(ghWndMain, WM_COMMAND, MAKEWPARAM(1101, 0), 0);
    HWND hOverlay = DesignOverlayWindow();
    auto At = [](int32_t x, int32_t y) { return MAKELPARAM(DlgToPixelsX(x), DlgToPixelsY(y)); };
    SendMessageA(hOverlay, WM_LBUTTONDOWN, MK_LBUTTON, At(0, 0));
    const int32_t lBandY = std::min(lCount / 50, 2) * 10 - 1;
    SendMessageA(hOverlay, WM_MOUSEMOVE, MK_LBUTTON, At(799, lBandY));
    SendMessageA(hOverlay, WM_LBUTTONUP, 0, At(799, lBandY));
    Settle();
    HWND hLeader = reinterpret_cast<HWND>(static_cast<intptr_t>(gatDlg[GroupMember(1)].hWnd));
    // Grabbed between its markers: at the middle of the right half.
    RECT rLead{};
    GetClientRect(hLeader, &rLead);
    const int32_t lX = rLead.right * 2 / 3, lY = rLead.bottom / 2;
    f = Now();
    SendMessageA(hLeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(lX, lY));
    double fWorst = 0;
    for (int i = 1; i <= 20; ++i) {
        const double g = Now();
        SendMessageA(hLeader, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(lX + i * 3, lY + i));
        GdiFlush();
        fWorst = std::max(fWorst, Now() - g);
    }
    SendMessageA(hLeader, WM_LBUTTONUP, 0, MAKELPARAM(lX + 60, lY + 20));
    Pump();
    t.fDrag = std::min(t.fDrag, Now() - f);
    t.fFrame = std::min(t.fFrame, fWorst);

    if (bSelectAll) {
        Settle();
        f = Now();
        SendMessageA(ghWndMain, WM_COMMAND, MAKEWPARAM(1029, 0), 0);
        t.fSelectAll = std::min(t.fSelectAll, Now() - f);
        Pump();
    }
    std::fprintf(stderr, "  %d controls, group of %d, leader moved to %d, %d\n", lCount,
                 GroupCount(), gatDlg[GroupMember(1)].nLeft, gatDlg[GroupMember(1)].nTop);
}

} // namespace

int main(int argc, char** argv) {
    const int lRounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    char szDir[MAX_PATH] = "";
    GetTempPathA(sizeof(szDir), szDir);
    const std::string sIni = std::string(szDir) + "wk_surface_bench.ini";
    DeleteFileA(sIni.c_str());
    SetSettingsPath(sIni);
    ReadStartupOptions();
    gtOptions.lShowGrid = 1;
    InitCommonCtls();
    InitDesigner();
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    RegisterMainClass(hInst);
    HWND hMain = CreateMainWindow(hInst);
    SetWindowPos(hMain, nullptr, 0, 0, 800, 200, SWP_NOZORDER);
    ShowWindow(hMain, SW_SHOW);
    Pump();

    std::printf("| controls | bare windows (floor) | build | repaint with grid | drag frame (worst "
                "of 20) | group drag "
                "of 100 (down, 20 moves, up) | Select All |\n|---|---|---|---|---|---|---|\n");
    // Sizes after the rounds, or 50, 500 and 2,000.
    std::vector<int32_t> alSize;
    for (int i = 2; i < argc; ++i) {
        alSize.push_back(std::max(1, std::atoi(argv[i])));
    }
    if (alSize.empty()) {
        alSize = {50, 500, 2000};
    }
    for (int32_t lCount : alSize) {
        tTimes t;
        // Select All makes eight windows per control: once per size is enough.
        for (int i = 0; i < lRounds; ++i) {
            OneRound(lCount, t, i == lRounds - 1);
        }
        std::printf("| %d | %.1f ms | %.1f ms | %.1f ms | %.2f ms | %.1f ms | %.1f ms |\n", lCount,
                    t.fFloor, t.fBuild, t.fPaint, t.fFrame, t.fDrag, t.fSelectAll);
        std::fflush(stdout);
    }
    DestroyWindow(hMain);
    Pump();
    DeleteFileA(sIni.c_str());
    return 0;
}
