// WRENKIT.EXE entry point.
#include "app/main_window.h"

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE, LPSTR, int lShow) {
    // A second copy only brings the first one to the front.
    if (HWND hOther = FindWindowA("KvDlgEdit", nullptr)) {
        if (IsIconic(hOther)) {
            ShowWindow(hOther, SW_RESTORE);
        }
        SetForegroundWindow(hOther);
        return static_cast<int>(reinterpret_cast<INT_PTR>(hOther));
    }
    if (!RegisterMainClass(hInst) || !CreateMainWindow(hInst)) {
        return 1;
    }
    ShowWindow(ghWndMain, lShow);
    UpdateWindow(ghWndMain);
    return RunMessageLoop();
}
