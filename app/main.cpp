// WRENKIT.EXE entry point.
#include "app/main_window.h"
#include "app/settings/settings.h"
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE, LPSTR pCmdLine, int lShow) {
    // A second copy only brings the first one to the front; its command line
    // is not passed on.
    if (HWND hOther = FindWindowA("KvDlgEdit", nullptr)) {
        if (IsIconic(hOther)) {
            ShowWindow(hOther, SW_RESTORE);
        }
        SetForegroundWindow(hOther);
        return static_cast<int>(reinterpret_cast<INT_PTR>(hOther));
    }
    InitCommonCtls();
    ReadStartupOptions();
    InitDesigner();
    gsCommandLine = pCmdLine ? pCmdLine : "";
    if (!RegisterMainClass(hInst) || !CreateMainWindow(hInst)) {
        return 1;
    }
    ShowWindow(ghWndMain, ReadMainDlgMax() ? SW_SHOWMAXIMIZED : lShow);
    UpdateWindow(ghWndMain);
    return RunMessageLoop();
}
