// What the file commands' Wine tests share: a user who answers the program's
// message boxes and dialogs, a temporary folder, the stand-in programs, and an
// owner window with the program's seam.
#pragma once

#include "app/file_commands.h"
#include "app/files/file_ops.h"
#include "app/files/file_state.h"
#include "app/win_seam.h"
#include "model/options.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "tests/win/support/win_test_support.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// One window the user expects to see, and what they do there.
struct tExpectedBox {
    std::string sTitle;                // "Wrenkit" for the program's message boxes
    int lButton;                       // the button pressed (IDYES, IDNO, IDCANCEL, IDOK ...)
    std::function<void(HWND)> pfnLook; // looks at the window before pressing
};

// What the user saw in one window.
struct tSeenBox {
    std::string sTitle;
    std::string sText; // the texts of its static controls, joined by "|"
    int lDefId;        // the default button
};

// Every 50 ms, looks for a dialog window of this thread with the title of the
// next expected window, notes what it shows and presses the button. Windows
// nobody expected are noted and cancelled so that a test never hangs.
class BoxAnswerer {
  public:
    BoxAnswerer() {
        gpActive = this;
        lTimer = SetTimer(nullptr, 0, 50, Tick);
    }
    ~BoxAnswerer() {
        KillTimer(nullptr, lTimer);
        gpActive = nullptr;
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    void Expect(const std::string& sTitle, int lButton, std::function<void(HWND)> pfnLook = {}) {
        atExpected.push_back({sTitle, lButton, std::move(pfnLook)});
    }
    bool AllAnswered() const { return atExpected.empty(); }

    std::vector<tSeenBox> atSeen;
    std::vector<std::string> asUnexpected;

  private:
    static BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam) {
        if (IsWindowVisible(hWnd) && WindowClassName(hWnd) == "#32770") {
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        }
        return TRUE;
    }
    static BOOL CALLBACK CollectText(HWND hWnd, LPARAM lParam) {
        auto* ps = reinterpret_cast<std::string*>(lParam);
        if (WindowClassName(hWnd) == "Static" && !WindowText(hWnd).empty()) {
            *ps += (ps->empty() ? "" : "|") + WindowText(hWnd);
        }
        return TRUE;
    }
    // The button drawn as the default one (what Enter presses).
    static BOOL CALLBACK FindDefault(HWND hWnd, LPARAM lParam) {
        if (WindowClassName(hWnd) == "Button" &&
            (GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            *reinterpret_cast<int*>(lParam) = GetDlgCtrlID(hWnd);
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        BoxAnswerer* p = gpActive;
        if (!p || p->bBusy) {
            return;
        }
        HWND hBox = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&hBox));
        if (!hBox || hBox == p->hLastPressed) {
            return;
        }
        p->bBusy = true;
        tSeenBox tSeen{WindowText(hBox), std::string(), 0};
        EnumChildWindows(hBox, CollectText, reinterpret_cast<LPARAM>(&tSeen.sText));
        EnumChildWindows(hBox, FindDefault, reinterpret_cast<LPARAM>(&tSeen.lDefId));
        p->atSeen.push_back(tSeen);
        int lButton = IDCANCEL;
        if (!p->atExpected.empty() && p->atExpected.front().sTitle == tSeen.sTitle) {
            tExpectedBox t = p->atExpected.front();
            p->atExpected.pop_front();
            if (t.pfnLook) {
                t.pfnLook(hBox);
            }
            lButton = t.lButton;
        } else {
            p->asUnexpected.push_back(tSeen.sTitle + ": " + tSeen.sText);
            lButton = GetDlgItem(hBox, IDCANCEL) ? IDCANCEL : IDOK;
        }
        p->hLastPressed = hBox;
        PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(lButton, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(hBox, lButton)));
        p->bBusy = false;
    }

    inline static BoxAnswerer* gpActive = nullptr;
    UINT_PTR lTimer = 0;
    bool bBusy = false;
    HWND hLastPressed = nullptr; // a box stays on screen for a moment after the press
    std::deque<tExpectedBox> atExpected;
};

// A Windows path of a Unix build path ("/work/x" is "Z:\work\x" under Wine).
inline std::string WinPath(std::string s) {
    for (char& c : s) {
        if (c == '/') {
            c = '\\';
        }
    }
    return s.size() && s[0] == '\\' ? "Z:" + s : s;
}

// A fresh folder under the temporary folder, with the name's blanks kept.
inline std::string MakeTempFolder(const std::string& sName) {
    const std::string sFolder = TempFolder() + sName + "\\";
    // Empty it: a test starts with nothing left from an earlier run.
    WIN32_FIND_DATAA tFind;
    HANDLE hFind = FindFirstFileA((sFolder + "*").c_str(), &tFind);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileA((sFolder + tFind.cFileName).c_str());
        } while (FindNextFileA(hFind, &tFind));
        FindClose(hFind);
    }
    CreateDirectoryA(sFolder.c_str(), nullptr);
    return sFolder;
}

inline bool Exists(const std::string& sPath) {
    return GetFileAttributesA(sPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Copies a stand-in into the folder under the name the program looks for.
inline void PlaceStandin(const char* szStandin, const std::string& sFolder, const char* szName) {
#ifdef WK_STANDIN_DIR
    const std::string sFrom = WinPath(WK_STANDIN_DIR) + "\\" + szStandin;
    ASSERT_TRUE(CopyFileA(sFrom.c_str(), (sFolder + szName).c_str(), FALSE)) << sFrom;
#endif
}

// A visible top-level window that owns the message boxes, as the main window does.
class OwnerWindow {
  public:
    OwnerWindow() {
        hWnd = CreateWindowExA(0, "Static", "Wrenkit", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                               400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        InstallWinSeam(hWnd);
    }
    ~OwnerWindow() {
        SetSeam(nullptr);
        DestroyWindow(hWnd);
    }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    operator HWND() const { return hWnd; }

  private:
    HWND hWnd;
};

// A clean project and no current file, without any question.
inline void ResetProject() {
    glChanged = 0;
    CloseFile();
    glChanged = 0;
}

// The start-up of every file command test: a clean project without the
// results window, an owner window with the program's seam, and a user who
// answers the boxes; afterwards the program folder and the options as at
// first start.
class FilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gtOptions.lImportResults = 0;
        ResetProject();
    }
    void TearDown() override {
        ResetProject();
        SetProgramFolder(std::string());
        ResetOptions();
    }
    OwnerWindow hOwner;
    BoxAnswerer tUser;
};
