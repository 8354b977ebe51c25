// Answers the program's modal windows the way a user would: each watch waits
// for a window of this process with its title, then runs its action (which
// presses a button). Driven by a timer, so it runs inside the modal loops.
#pragma once

#include "tests/win/shell_fixture.h"

#include <functional>
#include <string>
#include <vector>

// Presses a button of a dialog or message box.
inline void PressButton(HWND hDlg, int lId) {
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(lId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDlg, lId)));
}

// Clicks a button of a dialog, as the mouse would, and waits for what it does.
inline void ClickButton(HWND hDlg, int lId) {
    SendMessageA(GetDlgItem(hDlg, lId), BM_CLICK, 0, 0);
}

inline tBoxSeen SeeBox(HWND hBox) {
    tBoxSeen t{WindowText(hBox), std::string(), 0};
    for (HWND h = GetWindow(hBox, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        const std::string sClass = WindowClassName(h);
        if (sClass == "Static" && !WindowText(h).empty()) {
            t.sText += (t.sText.empty() ? "" : "|") + WindowText(h);
        } else if (sClass == "Button" &&
                   (GetWindowLongA(h, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            t.lDefId = GetDlgCtrlID(h);
        }
    }
    return t;
}

inline void CALLBACK ModalWatchTimer(HWND, UINT, UINT_PTR, DWORD) {
    tWatchState& tState = WatchState();
    auto& atWatch = tState.atWatch;
    if (tState.hLastPressed && !IsWindowVisible(tState.hLastPressed)) {
        tState.hLastPressed = nullptr;
    }
    bool bActed = false;
    for (size_t i = 0; i < atWatch.size() && !bActed; ++i) {
        if (HWND hWnd = FindOwnDialog(atWatch[i].sTitle.c_str(), atWatch[i].bAnyClass)) {
            if (hWnd == tState.hLastPressed) {
                break;
            }
            tModalWatch tWatch = atWatch[i];
            atWatch.erase(atWatch.begin() + static_cast<std::ptrdiff_t>(i));
            tWatch.fnAct(hWnd);
            bActed = true;
        }
    }
    HWND hActive = GetActiveWindow();
    if (!bActed && tState.bCancelUnexpected && hActive && hActive != tState.hLastPressed &&
        WindowClassName(hActive) == "#32770" && IsWindowVisible(hActive)) {
        tBoxSeen t = SeeBox(hActive);
        t.sTitle = "unexpected: " + t.sTitle;
        tState.atSeen.push_back(t);
        tState.hLastPressed = hActive;
        PressButton(hActive, GetDlgItem(hActive, IDCANCEL) ? IDCANCEL : IDOK);
    }
    // A window that never came (or a wrong title) must not hang the run:
    // after ten seconds whatever dialog is open is cancelled.
    if (!atWatch.empty() && GetTickCount() - atWatch.front().lStart > 10000) {
        ADD_FAILURE() << "no window titled \"" << atWatch.front().sTitle
                      << "\" (the active one is \"" << WindowText(hActive) << "\" of class "
                      << WindowClassName(hActive) << ")";
        atWatch.erase(atWatch.begin());
        if (hActive && WindowClassName(hActive) != "KvDlgEdit") {
            PostMessageA(hActive, WM_COMMAND, IDCANCEL, 0);
            PostMessageA(hActive, WM_CLOSE, 0, 0);
        }
    }
    if (atWatch.empty() && !tState.bCancelUnexpected) {
        KillTimer(nullptr, tState.lTimer);
        tState.lTimer = 0;
    }
}

inline void StartWatching() {
    if (!WatchState().lTimer) {
        WatchState().lTimer = SetTimer(nullptr, 0, 50, ModalWatchTimer);
    }
}

// Adds a watch (for a dialog, or with bAnyClass any window of the program).
inline void WatchFor(const std::string& sTitle, std::function<void(HWND)> fnAct,
                     bool bAnyClass = false) {
    StartWatching();
    ModalWatches().push_back({sTitle, std::move(fnAct), GetTickCount(), bAnyClass});
}

// Answers the next dialog titled sTitle with lButton once fnLook has looked
// at it, and notes what it showed.
inline void Answer(const std::string& sTitle, int lButton, std::function<void(HWND)> fnLook = {}) {
    WatchFor(sTitle, [lButton, fnLook](HWND hBox) {
        SeenBoxes().push_back(SeeBox(hBox));
        if (fnLook) {
            fnLook(hBox);
        }
        WatchState().hLastPressed = hBox;
        PressButton(hBox, lButton);
    });
}
