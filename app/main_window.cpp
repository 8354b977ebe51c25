#include "app/main_window.h"

#include "app/win_seam.h"
#include "resources/resource_ids.h"

HWND ghWndMain = nullptr;
HACCEL ghAccelMain = nullptr;

namespace {

constexpr char kMainClass[] = "KvDlgEdit";

void OnCommand(HWND hWnd, int lId) {
    switch (lId) {
    case IDM_EXIT:
        PostMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    default:
        break;
    }
}

} // namespace

ATOM RegisterMainClass(HINSTANCE hInst) {
    WNDCLASSEXA tClass{};
    if (GetClassInfoExA(hInst, kMainClass, &tClass)) {
        return 1; // already registered in this process (the tests create it repeatedly)
    }
    tClass.cbSize = sizeof(tClass);
    tClass.style = CS_HREDRAW | CS_VREDRAW;
    tClass.lpfnWndProc = MainWndProc;
    tClass.hInstance = hInst;
    tClass.hIcon = LoadIconA(hInst, MAKEINTRESOURCEA(IDI_MAIN));
    tClass.hIconSm = static_cast<HICON>(
        LoadImageA(hInst, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    tClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    tClass.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
    tClass.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN);
    tClass.lpszClassName = kMainClass;
    return RegisterClassExA(&tClass);
}

HWND CreateMainWindow(HINSTANCE hInst) {
    ghWndMain = CreateWindowExA(WS_EX_APPWINDOW, kMainClass, "Wrenkit", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                nullptr, hInst, nullptr);
    if (ghWndMain && !ghAccelMain) {
        ghAccelMain = LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(IDA_MAIN));
    }
    return ghWndMain;
}

int RunMessageLoop() {
    MSG tMsg{};
    while (GetMessageA(&tMsg, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(ghWndMain, ghAccelMain, &tMsg)) {
            TranslateMessage(&tMsg);
            DispatchMessageA(&tMsg);
        }
    }
    return static_cast<int>(tMsg.wParam);
}

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_CREATE:
        InstallWinSeam(hWnd);
        break;
    case WM_COMMAND:
        OnCommand(hWnd, LOWORD(wParam));
        break;
    case WM_SYSCOMMAND:
        if (wParam == SC_CLOSE) {
            DestroyWindow(hWnd);
            return 0;
        }
        break;
    case WM_DESTROY:
        if (hWnd == ghWndMain) {
            ghWndMain = nullptr;
        }
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
