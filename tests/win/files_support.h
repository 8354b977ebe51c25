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
#include "tests/win/modal_watch.h"

#include <gtest/gtest.h>

#include <string>

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

// The start-up of every file command test: the shell's, a clean project
// without the results window, an owner window with the program's seam, and a
// user who answers the boxes (Answer) and cancels any other; afterwards every
// box expected was seen, none other, and the program folder is as at first
// start.
class FilesTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        gtOptions.lImportResults = 0;
        ResetProject();
        SeenBoxes().clear();
        WatchState().bCancelUnexpected = true;
        StartWatching();
    }
    void TearDown() override {
        EXPECT_TRUE(ModalWatches().empty()) << ModalWatches().front().sTitle;
        for (const tBoxSeen& t : SeenBoxes()) {
            EXPECT_NE(t.sTitle.rfind("unexpected: ", 0), 0u) << t.sTitle << " " << t.sText;
        }
        ModalWatches().clear();
        WatchState().bCancelUnexpected = false;
        ResetProject();
        SetProgramFolder(std::string());
        ShellTest::TearDown();
    }
    OwnerWindow hOwner;
};
