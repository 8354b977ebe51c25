// Answers the program's modal windows the way a user would: each watch waits
// for a window of this process with its title, then runs its action (which
// presses a button). Driven by a timer, so it runs inside the modal loops.
#pragma once

#include "tests/win/shell_fixture.h"

#include <functional>
#include <string>
#include <vector>

struct tModalWatch {
    std::string sTitle;
    std::function<void(HWND)> fnAct;
    DWORD lStart;
    bool bAnyClass;
};

inline std::vector<tModalWatch>& ModalWatches() {
    static std::vector<tModalWatch> atWatch;
    return atWatch;
}

inline void CALLBACK ModalWatchTimer(HWND, UINT, UINT_PTR lTimer, DWORD) {
    auto& atWatch = ModalWatches();
    for (size_t i = 0; i < atWatch.size(); ++i) {
        if (HWND hWnd = FindOwnDialog(atWatch[i].sTitle.c_str(), atWatch[i].bAnyClass)) {
            tModalWatch tWatch = atWatch[i];
            atWatch.erase(atWatch.begin() + static_cast<std::ptrdiff_t>(i));
            tWatch.fnAct(hWnd);
            break;
        }
    }
    // A window that never came (or a wrong title) must not hang the run:
    // after ten seconds whatever dialog is open is cancelled.
    if (!atWatch.empty() && GetTickCount() - atWatch.front().lStart > 10000) {
        HWND hActive = GetActiveWindow();
        ADD_FAILURE() << "no window titled \"" << atWatch.front().sTitle
                      << "\" (the active one is \"" << WindowText(hActive) << "\" of class "
                      << WindowClassName(hActive) << ")";
        atWatch.erase(atWatch.begin());
        if (HWND hAny = GetActiveWindow(); hAny && WindowClassName(hAny) != "KvDlgEdit") {
            PostMessageA(hAny, WM_COMMAND, IDCANCEL, 0);
            PostMessageA(hAny, WM_CLOSE, 0, 0);
        }
    }
    if (atWatch.empty()) {
        KillTimer(nullptr, lTimer);
    }
}

// Adds a watch (for a dialog, or with bAnyClass any window of the program);
// the first one starts the timer.
inline void WatchFor(const std::string& sTitle, std::function<void(HWND)> fnAct,
                     bool bAnyClass = false) {
    if (ModalWatches().empty()) {
        SetTimer(nullptr, 0, 50, ModalWatchTimer);
    }
    ModalWatches().push_back({sTitle, std::move(fnAct), GetTickCount(), bAnyClass});
}

// Presses a button of a dialog or message box.
inline void PressButton(HWND hDlg, int lId) {
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(lId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDlg, lId)));
}
