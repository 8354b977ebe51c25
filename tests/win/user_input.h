// What a user does with mouse and keyboard, as real input (SendInput), and
// what the tests check of every box that appears: its text, its owner and
// which windows it disabled.
#pragma once

#include "tests/win/modal_watch.h"

#include "props/properties_dialog.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

// Presses the keys in order and lets them go in reverse: {VK_CONTROL, 'S'} is
// Ctrl+S. Each stroke carries its scan code, which the hot-key control reads.
inline void SendKeys(std::initializer_list<WORD> alKeys) {
    std::vector<INPUT> atInput;
    auto Stroke = [&](WORD lKey, DWORD lFlags) {
        INPUT t{};
        t.type = INPUT_KEYBOARD;
        t.ki.wVk = lKey;
        t.ki.wScan = static_cast<WORD>(MapVirtualKeyA(lKey, MAPVK_VK_TO_VSC));
        t.ki.dwFlags = lFlags;
        atInput.push_back(t);
    };
    for (WORD lKey : alKeys) {
        Stroke(lKey, 0);
    }
    for (auto it = alKeys.end(); it != alKeys.begin();) {
        Stroke(*--it, KEYEVENTF_KEYUP);
    }
    SendInput(static_cast<UINT>(atInput.size()), atInput.data(), sizeof(INPUT));
}
// One key pressed or let go (a Ctrl held over a click).
inline void KeyInput(WORD lKey, bool bUp) {
    INPUT t{};
    t.type = INPUT_KEYBOARD;
    t.ki.wVk = lKey;
    t.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &t, sizeof(t));
}

// Mouse events queued together: a list or tree waits inside its button-down
// handling for the move that makes a click a drag, so down and that move must
// arrive as one batch. A move goes to a screen point.
inline void MouseBatch(std::initializer_list<std::pair<DWORD, POINT>> at, int lPump = 40) {
    std::vector<INPUT> atIn;
    for (const auto& [lFlags, p] : at) {
        INPUT t{};
        t.type = INPUT_MOUSE;
        t.mi.dwFlags = lFlags;
        if (lFlags & MOUSEEVENTF_MOVE) {
            t.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
            t.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
            t.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        }
        atIn.push_back(t);
    }
    SendInput(static_cast<UINT>(atIn.size()), atIn.data(), sizeof(INPUT));
    PumpMessages(lPump);
}
inline void MouseInput(DWORD lFlags, POINT p = {}) {
    MouseBatch({{lFlags, p}});
}
inline POINT Centre(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
inline void Click(POINT p, bool bCtrl = false) {
    MouseInput(MOUSEEVENTF_MOVE, p);
    if (bCtrl) {
        KeyInput(VK_CONTROL, false);
    }
    MouseInput(MOUSEEVENTF_LEFTDOWN);
    MouseInput(MOUSEEVENTF_LEFTUP);
    if (bCtrl) {
        KeyInput(VK_CONTROL, true);
        PumpMessages(20);
    }
}
// A left click in the middle of a window, wherever it is on the screen.
inline void ClickWindow(HWND hWnd) {
    Click(Centre(hWnd));
}
// A left-button drag from one screen point to another in a few steps.
inline void Drag(POINT a, POINT b, int lSteps = 4) {
    MouseInput(MOUSEEVENTF_MOVE, a);
    MouseInput(MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= lSteps; ++i) {
        MouseInput(MOUSEEVENTF_MOVE,
                   {a.x + (b.x - a.x) * i / lSteps, a.y + (b.y - a.y) * i / lSteps});
    }
    MouseInput(MOUSEEVENTF_LEFTUP);
}

// The design context menu as the user meets it: what the hook saw of the
// popup once it was up, and the keys it then pressed in it.
struct tMenuSeen {
    HMENU hMenu = nullptr;
    std::vector<UINT> alEnabled;
    UINT lDefault = 0;
    std::vector<WORD> alKeys;
    bool bDone = false;
};
inline tMenuSeen gtMenuSeen;

inline LRESULT CALLBACK MenuHook(int lCode, WPARAM wParam, LPARAM lParam) {
    const auto* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (lCode == HC_ACTION) {
        if (p->message == WM_INITMENUPOPUP) {
            gtMenuSeen.hMenu = reinterpret_cast<HMENU>(p->wParam);
        } else if (p->message == WM_ENTERIDLE && p->wParam == MSGF_MENU && gtMenuSeen.hMenu &&
                   !gtMenuSeen.bDone) {
            gtMenuSeen.bDone = true;
            for (int i = 0; i < GetMenuItemCount(gtMenuSeen.hMenu); ++i) {
                const UINT lId = GetMenuItemID(gtMenuSeen.hMenu, i);
                if (lId && !(GetMenuState(gtMenuSeen.hMenu, lId, MF_BYCOMMAND) &
                             (MF_GRAYED | MF_DISABLED))) {
                    gtMenuSeen.alEnabled.push_back(lId);
                }
            }
            gtMenuSeen.lDefault = GetMenuDefaultItem(gtMenuSeen.hMenu, FALSE, 0);
            for (WORD lKey : gtMenuSeen.alKeys) {
                KeyInput(lKey, false);
                KeyInput(lKey, true);
            }
        }
    }
    return CallNextHookEx(nullptr, lCode, wParam, lParam);
}

// A popup menu opened by fnOpen (a click); once it is up, what it offers is
// noted and the keys are pressed in it.
inline tMenuSeen PickFromMenu(const std::function<void()>& fnOpen,
                              std::initializer_list<WORD> alKeys) {
    gtMenuSeen = {};
    gtMenuSeen.alKeys = alKeys;
    HHOOK hHook = SetWindowsHookExA(WH_CALLWNDPROC, MenuHook, nullptr, GetCurrentThreadId());
    fnOpen();
    PumpMessages(100);
    UnhookWindowsHookEx(hHook);
    return gtMenuSeen;
}
// A real right-click at p, and the keys pressed in the menu it opens.
inline tMenuSeen RightClick(POINT p, std::initializer_list<WORD> alKeys) {
    return PickFromMenu(
        [p] {
            MouseInput(MOUSEEVENTF_MOVE, p);
            MouseInput(MOUSEEVENTF_RIGHTDOWN);
            MouseInput(MOUSEEVENTF_RIGHTUP);
        },
        alKeys);
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
