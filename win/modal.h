// Modal windows of the program's own making (the code viewer, the menu test
// window): the owner takes no input while one is up, and is enabled and
// activated again when it goes, however it goes.
#pragma once

#include <windows.h>

// Disables the owner for one scope when it was enabled; afterwards enables it
// again and brings it forward.
class tOwnerDisabled {
  public:
    explicit tOwnerDisabled(HWND hOwner)
        : hOwner(hOwner), bDisabled(hOwner && IsWindowEnabled(hOwner)) {
        if (bDisabled) {
            EnableWindow(hOwner, FALSE);
        }
    }
    ~tOwnerDisabled() {
        if (bDisabled) {
            EnableWindow(hOwner, TRUE);
        }
        if (hOwner && IsWindow(hOwner)) {
            SetActiveWindow(hOwner);
        }
    }
    tOwnerDisabled(const tOwnerDisabled&) = delete;
    tOwnerDisabled& operator=(const tOwnerDisabled&) = delete;

  private:
    HWND hOwner;
    bool bDisabled;
};

// The message loop of a modal window hWnd until bDone is set or the window is
// gone; dialog keys (Tab, Enter, Esc) work in it. A quit message met on the
// way is posted again, so that the program's own loop ends too.
inline void RunModalLoop(HWND hWnd, const bool& bDone) {
    MSG tMsg{};
    while (!bDone && IsWindow(hWnd)) {
        const BOOL lGot = GetMessageA(&tMsg, nullptr, 0, 0);
        if (lGot == 0) {
            PostQuitMessage(static_cast<int>(tMsg.wParam));
            return;
        }
        if (lGot < 0) {
            return;
        }
        if (!IsDialogMessageA(hWnd, &tMsg)) {
            TranslateMessage(&tMsg);
            DispatchMessageA(&tMsg);
        }
    }
}
