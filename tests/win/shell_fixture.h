// The real main window in a test process: a private settings file, an empty
// project, and helpers to read what the user would see.
#pragma once

// The version record names its flags as the Windows headers do; it comes first.
#include "model/version_info.h"

#include "app/main_window.h"
#include "app/settings/settings.h"
#include "app/startup.h"
#include "edit/design_edits.h"
#include "edit/resource_edits.h"
#include "model/project.h"
#include "resources/resource_ids.h"
#include "styles/control_kinds.h"
#include "tests/win/support/win_test_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The windows the test waits for (modal_watch.h answers them) and what it
// saw of them; the start-up begins every test with none left by the last.
struct tModalWatch {
    std::string sTitle;
    std::function<void(HWND)> fnAct;
    DWORD lStart;
    bool bAnyClass;
};

// What the user saw in a window answered with Answer or cancelled as
// unexpected: its title, its static texts joined by "|" and the button drawn
// as the default one (what Enter presses).
struct tBoxSeen {
    std::string sTitle;
    std::string sText;
    int lDefId;
};

struct tWatchState {
    std::vector<tModalWatch> atWatch;
    std::vector<tBoxSeen> atSeen;
    bool bCancelUnexpected = false; // a dialog nobody waits for is noted and cancelled
    HWND hLastPressed = nullptr;    // a box stays on screen for a moment after the press
    UINT_PTR lTimer = 0;
};

inline tWatchState& WatchState() {
    static tWatchState t;
    return t;
}
inline std::vector<tModalWatch>& ModalWatches() {
    return WatchState().atWatch;
}
inline std::vector<tBoxSeen>& SeenBoxes() {
    return WatchState().atSeen;
}

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sIni = TempFolder() + "wk_shell_" + std::to_string(GetCurrentProcessId()) + ".ini";
        DeleteFileA(sIni.c_str());
        SetSettingsPath(sIni);
        ResetOptions();
        ReadStartupOptions();
        static bool bControls = false;
        if (!bControls) {
            InitCommonCtls();
            bControls = true;
        }
        // Every destroyed main window frees the fonts; each test starts as the program does.
        InitDesigner();
        ClearProject();
        ResetVersionInfo();
        glChanged = 0;
        gsCommandLine.clear();
    }

    void TearDown() override {
        WatchState().atWatch.clear(); // a failed test's watches would answer the next test
        SeenBoxes().clear();
        if (ghWndMain && IsWindow(ghWndMain)) {
            DestroyWindow(ghWndMain);
        }
        PumpMessages(20);
        ClearProject();
        ResetVersionInfo();
        glChanged = 0;
        DeleteFileA(sIni.c_str());
        SetSettingsPath("");
    }

    // The main window, shown and with its posted start-up commands handled.
    HWND CreateShown(int cx = 800, int cy = 560) {
        HINSTANCE hInst = GetModuleHandleA(nullptr);
        EXPECT_NE(RegisterMainClass(hInst), 0);
        HWND hWnd = CreateMainWindow(hInst);
        EXPECT_NE(hWnd, nullptr);
        if (hWnd) {
            SetWindowPos(hWnd, nullptr, 0, 0, cx, cy, SWP_NOZORDER);
            ShowWindow(hWnd, SW_SHOW);
            UpdateWindow(hWnd);
            PumpMessages(50);
        }
        return hWnd;
    }

  public:
    // A dialog resource with lControls buttons, the current dialog (the
    // design surface itself is not drawn); the resource.
    static int32_t MakeDialog(int32_t lControls) {
        const int32_t lDlg = NewDialog();
        for (int32_t i = 0; i < lControls; ++i) {
            NewControl(lDlg, wkCtlButton, {5, 5 + 20 * i, 55, 19 + 20 * i});
        }
        gtElem.lCtl = lDlg;
        return gatDlg[lDlg].lResElem;
    }

    static bool MenuEnabled(UINT lId) {
        const UINT lState = GetMenuState(GetMenu(ghWndMain), lId, MF_BYCOMMAND);
        return lState != static_cast<UINT>(-1) && !(lState & (MF_GRAYED | MF_DISABLED));
    }
    static LRESULT ButtonState(UINT lId) { return SendMessageA(ghToolbar, TB_GETSTATE, lId, 0); }

    // Sends a command as a menu, accelerator or toolbar would.
    static void Command(UINT lId) { SendMessageA(ghWndMain, WM_COMMAND, MAKEWPARAM(lId, 0), 0); }

    std::string sIni;
};

// A file of the source tree as the program under Wine names it.
inline std::string SourcePath(const std::string& sRel) {
    return std::string("Z:") + WK_SOURCE_DIR + "/" + sRel;
}

// The program itself beside the test programs, "" when it is not built.
inline std::string ProgramExe() {
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szPath, sizeof(szPath));
    std::string sExe = szPath;
    sExe = sExe.substr(0, sExe.find_last_of('\\')) + "\\..\\..\\app\\WRENKIT.EXE";
    return GetFileAttributesA(sExe.c_str()) == INVALID_FILE_ATTRIBUTES ? "" : sExe;
}

// Finds a visible top-level message box or dialog of this thread by its
// title (with bAnyClass a window of any class but the main window's).
inline HWND FindOwnDialog(const char* szTitle, bool bAnyClass = false) {
    struct tFind {
        const char* szTitle;
        bool bAnyClass;
        HWND hFound;
    } tState{szTitle, bAnyClass, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* p = reinterpret_cast<tFind*>(lParam);
            const std::string sClass = WindowClassName(hWnd);
            const bool bClass = p->bAnyClass ? sClass != "KvDlgEdit" : sClass == "#32770";
            if (bClass && WindowText(hWnd) == p->szTitle && IsWindowVisible(hWnd)) {
                p->hFound = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tState));
    return tState.hFound;
}

// The text of a list view's item in a column.
inline std::string ListViewText(HWND hList, int lRow, int lColumn = 0) {
    char szText[80] = "";
    LVITEMA tItem{};
    tItem.iSubItem = lColumn;
    tItem.pszText = szText;
    tItem.cchTextMax = sizeof(szText);
    SendMessageA(hList, LVM_GETITEMTEXTA, static_cast<WPARAM>(lRow),
                 reinterpret_cast<LPARAM>(&tItem));
    return szText;
}

// The static texts of a message box, joined (its question or message).
inline std::string MessageBoxText(HWND hBox) {
    std::string sText;
    for (HWND h = GetWindow(hBox, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (WindowClassName(h) == "Static" && !WindowText(h).empty()) {
            sText += WindowText(h);
        }
    }
    return sText;
}
