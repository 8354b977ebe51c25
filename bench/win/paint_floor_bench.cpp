// The floor under the design surface's painting: 100 bare child windows of
// the system's own classes repainted in one request, among 100 or 2,000
// siblings, with the parent clipping its children by style or not, and one
// paint of the parent alone over a few pixels. Under some window systems a
// parent that clips 2,000 children pays for all of them on every paint of
// its own. Never a pass/fail test; run under Wine on a virtual display:
// wk_paint_floor_bench.exe [rounds].
#include "bench/win/bench_support.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace {

LRESULT CALLBACK FloorProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        EndPaint(hWnd, &ps);
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// Best of the rounds: the first two rows of 50 cells repainted with their
// children, and 2 by 2 pixels of the parent alone.
void OneCase(HWND hTop, const char* szClass, int lCount, DWORD lParentClip, int lRounds) {
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    HWND hParent = CreateWindowExA(0, "WkFloor", "", WS_CHILD | WS_VISIBLE | lParentClip, 0, 0,
                                   1300, 700, hTop, nullptr, hInst, nullptr);
    for (int i = 0; i < lCount; ++i) {
        CreateWindowExA(0, szClass, "Text", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, i % 50 * 24,
                        i / 50 * 16, 23, 15, hParent, nullptr, hInst, nullptr);
    }
    Pump();
    double fHundred = 1e30, fParent = 1e30;
    for (int r = 0; r < lRounds; ++r) {
        const RECT tRows{0, 0, 50 * 24, 32};
        double f = Now();
        RedrawWindow(hParent, &tRows, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        Pump();
        fHundred = std::min(fHundred, Now() - f);
        const RECT tDot{0, 0, 2, 2};
        f = Now();
        RedrawWindow(hParent, &tDot, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN);
        Pump();
        fParent = std::min(fParent, Now() - f);
    }
    std::printf("| %s | %d | %s | %.1f ms | %.1f ms |\n", szClass, lCount,
                lParentClip ? "yes" : "no", fHundred, fParent);
    std::fflush(stdout);
    DestroyWindow(hParent);
    Pump();
}

} // namespace

int main(int argc, char** argv) {
    const int lRounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    WNDCLASSA tClass{};
    tClass.lpfnWndProc = FloorProc;
    tClass.hInstance = GetModuleHandleA(nullptr);
    tClass.lpszClassName = "WkFloor";
    tClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<intptr_t>(COLOR_BTNFACE + 1));
    RegisterClassA(&tClass);
    HWND hTop =
        CreateWindowExA(0, "WkFloor", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                        1320, 740, nullptr, nullptr, tClass.hInstance, nullptr);
    Pump();
    std::printf("| class | windows | parent clips children | 100 repainted | parent alone |\n"
                "|---|---|---|---|---|\n");
    for (const char* szClass : {"Static", "Button"}) {
        OneCase(hTop, szClass, 100, WS_CLIPCHILDREN, lRounds);
        OneCase(hTop, szClass, 2000, WS_CLIPCHILDREN, lRounds);
        OneCase(hTop, szClass, 2000, 0, lRounds);
    }
    DestroyWindow(hTop);
    Pump();
    return 0;
}
