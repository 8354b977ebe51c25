// What a user does with mouse and keyboard, as real input (SendInput), and
// what the tests check of every box that appears: its text, its owner and
// which windows it disabled.
#pragma once

#include "tests/win/modal_watch.h"

#include "props/properties_dialog.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <initializer_list>
#include <vector>

// Presses the keys in order and lets them go in reverse: {VK_CONTROL, 'S'} is Ctrl+S.
inline void SendKeys(std::initializer_list<WORD> alKeys) {
    std::vector<INPUT> atInput;
    for (WORD lKey : alKeys) {
        INPUT t{};
        t.type = INPUT_KEYBOARD;
        t.ki.wVk = lKey;
        atInput.push_back(t);
    }
    for (auto it = alKeys.end(); it != alKeys.begin();) {
        --it;
        INPUT t{};
        t.type = INPUT_KEYBOARD;
        t.ki.wVk = *it;
        t.ki.dwFlags = KEYEVENTF_KEYUP;
        atInput.push_back(t);
    }
    SendInput(static_cast<UINT>(atInput.size()), atInput.data(), sizeof(INPUT));
}

// A left click in the middle of a window, wherever it is on the screen.
inline void ClickWindow(HWND hWnd) {
    RECT tRect{};
    GetWindowRect(hWnd, &tRect);
    const int cxScreen = GetSystemMetrics(SM_CXSCREEN);
    const int cyScreen = GetSystemMetrics(SM_CYSCREEN);
    const int x = (tRect.left + tRect.right) / 2;
    const int y = (tRect.top + tRect.bottom) / 2;
    INPUT at[3]{};
    for (INPUT& t : at) {
        t.type = INPUT_MOUSE;
    }
    // Absolute positions run from 0 to 65535 across the screen; aim at the pixel's centre.
    at[0].mi.dx = static_cast<LONG>((2LL * x + 1) * 65536 / (2LL * cxScreen));
    at[0].mi.dy = static_cast<LONG>((2LL * y + 1) * 65536 / (2LL * cyScreen));
    at[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    at[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    at[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, at, sizeof(INPUT));
}

// A visible control with the id anywhere inside a dialog (its pages included).
inline HWND FindVisibleControl(HWND hDlg, int lId) {
    struct tFind {
        int lId;
        HWND hFound;
    } tState{lId, nullptr};
    EnumChildWindows(
        hDlg,
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* p = reinterpret_cast<tFind*>(lParam);
            if (GetDlgCtrlID(hWnd) == p->lId && IsWindowVisible(hWnd)) {
                p->hFound = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tState));
    return tState.hFound;
}

// The message loop of the program: the main window's accelerators first.
inline void PumpLikeTheProgram(int lMilliseconds) {
    const DWORD lStart = GetTickCount();
    do {
        MSG tMsg;
        while (PeekMessageA(&tMsg, nullptr, 0, 0, PM_REMOVE)) {
            if (IsPropertiesMessage(&tMsg)) {
                continue;
            }
            if (!ghWndMain || !TranslateAcceleratorA(ghWndMain, ghAccelMain, &tMsg)) {
                TranslateMessage(&tMsg);
                DispatchMessageA(&tMsg);
            }
        }
        Sleep(5);
    } while (GetTickCount() - lStart < static_cast<DWORD>(lMilliseconds));
}

// A box of the program: its text begins with sText, it is owned by hOwner,
// and while it is up neither its owner nor the main window takes input.
inline void ExpectBox(HWND hBox, const std::string& sText, HWND hOwner) {
    EXPECT_EQ(MessageBoxText(hBox).rfind(sText, 0), 0u) << MessageBoxText(hBox);
    EXPECT_EQ(GetWindow(hBox, GW_OWNER), hOwner)
        << "owned by \"" << WindowText(GetWindow(hBox, GW_OWNER)) << "\"";
    EXPECT_FALSE(IsWindowEnabled(hOwner));
    EXPECT_FALSE(IsWindowEnabled(ghWndMain));
    EXPECT_TRUE(IsWindowEnabled(hBox));
}

// A drop as the shell hands it over: DROPFILES and the names, each ended by a
// zero byte, one more at the end.
inline HDROP MakeDrop(std::initializer_list<std::string> asFile) {
    std::string sNames;
    for (const std::string& s : asFile) {
        sNames += s;
        sNames += '\0';
    }
    sNames += '\0';
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + sNames.size());
    auto* pDrop = static_cast<DROPFILES*>(GlobalLock(hMem));
    pDrop->pFiles = sizeof(DROPFILES);
    pDrop->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(pDrop) + sizeof(DROPFILES), sNames.data(), sNames.size());
    GlobalUnlock(hMem);
    return static_cast<HDROP>(hMem);
}
