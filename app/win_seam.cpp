#include "app/win_seam.h"

#include "model/user_seam.h"

#include <string>

namespace {

struct WinSeam final : UserSeam {
    HWND hOwner = nullptr;
    HWND hStatus = nullptr;

    int Ask(const std::string& sText, WkButtons lButtons, WkIcon lIcon, int lDefault) override {
        UINT lFlags = static_cast<UINT>(lButtons) | static_cast<UINT>(lIcon);
        if (lDefault == 2) {
            lFlags |= MB_DEFBUTTON2;
        } else if (lDefault == 3) {
            lFlags |= MB_DEFBUTTON3;
        }
        return MessageBoxA(Owner(), sText.c_str(), "Wrenkit", lFlags);
    }

    void Report(const std::string& sText, WkIcon lIcon) override {
        MessageBoxA(Owner(), sText.c_str(), "Wrenkit", MB_OK | static_cast<UINT>(lIcon));
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
            // A small caption-less window centred on the main window.
            RECT tRect{0, 0, 320, 60};
            if (HWND hRef = Owner()) {
                GetWindowRect(hRef, &tRect);
            }
            const int cx = 260;
            const int cy = 48;
            const int x = (tRect.left + tRect.right - cx) / 2;
            const int y = (tRect.top + tRect.bottom - cy) / 2;
            hStatus =
                CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "Static", "",
                                WS_POPUP | WS_BORDER | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE, x,
                                y, cx, cy, Owner(), nullptr, GetModuleHandleA(nullptr), nullptr);
        }
        if (hStatus) {
            SetWindowTextA(hStatus, sText.c_str());
            UpdateWindow(hStatus);
        }
    }

    int SystemMetric(WkMetric lIndex) override { return GetSystemMetrics(lIndex); }

    HWND Owner() const { return IsWindow(hOwner) ? hOwner : nullptr; }
};

WinSeam gtWinSeam;

} // namespace

void InstallWinSeam(HWND hOwner) {
    gtWinSeam.hOwner = hOwner;
    SetSeam(&gtWinSeam);
}
