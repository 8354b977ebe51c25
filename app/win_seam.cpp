#include "app/win_seam.h"

#include "model/user_seam.h"

#include <string>

namespace {

struct WinSeam final : UserSeam {
    HWND hMain = nullptr;
    HWND hStatus = nullptr;

    int Ask(const std::string& sText, WkButtons lButtons, WkIcon lIcon, int lDefault) override {
        UINT lFlags = static_cast<UINT>(lButtons) | static_cast<UINT>(lIcon);
        if (lDefault == 2) {
            lFlags |= MB_DEFBUTTON2;
        } else if (lDefault == 3) {
            lFlags |= MB_DEFBUTTON3;
        }
        return ShowBox(sText, lFlags);
    }

    void Report(const std::string& sText, WkIcon lIcon) override {
        ShowBox(sText, MB_OK | static_cast<UINT>(lIcon));
    }

    // A status text must not stand beside a question as if the work went on:
    // it is hidden while the box is up and comes back when the work does.
    int ShowBox(const std::string& sText, UINT lFlags) {
        const bool bStatus = hStatus && IsWindowVisible(hStatus);
        if (bStatus) {
            ShowWindow(hStatus, SW_HIDE);
        }
        const int lAnswer = MessageBoxA(Owner(), sText.c_str(), "Wrenkit", lFlags);
        if (bStatus && IsWindow(hStatus)) {
            ShowWindow(hStatus, SW_SHOWNA);
            UpdateWindow(hStatus);
        }
        return lAnswer;
    }

    void ShowStatus(const std::string& sText) override {
        if (sText.empty()) {
            if (hStatus) {
                DestroyWindow(hStatus);
                hStatus = nullptr;
            }
            return;
        }
        if (!hStatus) {
            // A small caption-less window centred on the window the user works in.
            HWND hRef = Owner();
            RECT tRect{0, 0, 320, 60};
            if (hRef) {
                GetWindowRect(hRef, &tRect);
            }
            const int cx = 260;
            const int cy = 48;
            const int x = (tRect.left + tRect.right - cx) / 2;
            const int y = (tRect.top + tRect.bottom - cy) / 2;
            hStatus = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "Static",
                                      "", WS_POPUP | WS_BORDER | SS_CENTER | SS_CENTERIMAGE, x, y,
                                      cx, cy, hRef, nullptr, GetModuleHandleA(nullptr), nullptr);
            if (hStatus) {
                ShowWindow(hStatus, SW_SHOWNA);
            }
        }
        if (hStatus) {
            SetWindowTextA(hStatus, sText.c_str());
            UpdateWindow(hStatus);
        }
    }

    int SystemMetric(WkMetric lIndex) override { return GetSystemMetrics(lIndex); }

    // A window that can own a box: a visible, enabled top-level window of
    // this thread that is not the status text.
    bool CanOwn(HWND hWnd) const {
        return hWnd && hWnd != hStatus && IsWindow(hWnd) && IsWindowVisible(hWnd) &&
               IsWindowEnabled(hWnd) && !(GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) &&
               GetWindowThreadProcessId(hWnd, nullptr) == GetCurrentThreadId();
    }

    HWND Owner() const {
        HWND hMainNow = IsWindow(hMain) ? hMain : nullptr;
        if (!hMainNow || IsWindowEnabled(hMainNow)) {
            return hMainNow;
        }
        // A box owned by the disabled main window would enable it again when it
        // closes, above the modal window that is still open.
        if (HWND hActive = GetActiveWindow(); CanOwn(hActive)) {
            return hActive;
        }
        if (HWND hLast = GetLastActivePopup(hMainNow); hLast != hMainNow && CanOwn(hLast)) {
            return hLast;
        }
        struct tFind {
            const WinSeam* p;
            HWND hFound;
        } tState{this, nullptr};
        // Windows come top first: the modal window in front wins.
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND hWnd, LPARAM lParam) -> BOOL {
                auto* pFind = reinterpret_cast<tFind*>(lParam);
                if (pFind->p->CanOwn(hWnd)) {
                    pFind->hFound = hWnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&tState));
        return tState.hFound ? tState.hFound : hMainNow;
    }
};

WinSeam gtWinSeam;

} // namespace

void InstallWinSeam(HWND hMain) {
    gtWinSeam.hMain = hMain;
    SetSeam(&gtWinSeam);
}

HWND UserWindow() {
    return gtWinSeam.Owner();
}
