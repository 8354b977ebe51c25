// The real main window in a test process: a private settings file, an empty
// project, and helpers to read what the user would see.
#pragma once

// The version record names its flags as the Windows headers do; it comes first.
#include "model/version_info.h"

#include "app/main_window.h"
#include "app/settings/settings.h"
#include "app/startup.h"
#include "edit/resource_edits.h"
#include "model/project.h"
#include "resources/resource_ids.h"
#include "tests/win/support/win_test_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

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

    // A dialog resource with its dialog row and lControls controls, shown as
    // the current dialog (the design surface itself is not drawn).
    static int32_t MakeDialog(int32_t lControls) {
        const int32_t lRes = NewResource(wkResDialog);
        tDlg tRow{};
        tRow.lIDElem = gatRes[lRes].lIDElem;
        tRow.lResElem = lRes;
        const int32_t lDlg = AddDlgRow(tRow);
        for (int32_t i = 1; i <= lControls; ++i) {
            tDlg tCtl{};
            tCtl.lIDElem =
                AddID("%IDC_BUTTON" + std::to_string(i), std::to_string(1000 + i), wkUsedByDlg);
            tCtl.lResElem = lRes;
            tCtl.lCtlType = 6;
            tCtl.lCtlOrder = i;
            AddDlgRow(tCtl);
        }
        gtElem.lResDlg = lRes;
        gtElem.lDlg = lDlg;
        gtElem.lCtl = lDlg;
        return lRes;
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
