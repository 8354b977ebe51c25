// Helpers for tests that drive the program's real windows under Wine.
#pragma once

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

// Folder for screenshots and other artefacts (WK_ARTIFACTS, else ".\artifacts").
std::string ArtifactsDir();

// Lets the window system deliver what is queued, for about lMilliseconds.
void PumpMessages(int lMilliseconds);

// Writes what the window shows (frame, menu and client) as a 24-bit BMP named
// sName + ".bmp" in the artefacts folder; returns its path, "" on failure.
std::string SaveWindowScreenshot(HWND hWnd, const std::string& sName);

// Text of a menu item by command id, "" when the menu has no such item.
std::string MenuItemText(HMENU hMenu, UINT lId);

// Text of the lPos-th item of a menu, by position.
std::string MenuItemTextByPos(HMENU hMenu, int lPos);

// Class name and caption of a window.
std::string WindowClassName(HWND hWnd);
std::string WindowText(HWND hWnd);

// Runs the message loop body until bDone returns true or lMilliseconds pass.
template <typename Pred> bool PumpUntil(Pred bDone, int lMilliseconds) {
    const DWORD lStart = GetTickCount();
    while (!bDone()) {
        if (GetTickCount() - lStart > static_cast<DWORD>(lMilliseconds)) {
            return false;
        }
        PumpMessages(10);
    }
    return true;
}

// The temporary folder, with its final backslash.
inline std::string TempFolder() {
    char szPath[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szPath);
    return szPath;
}

inline bool WriteFileText(const std::string& sPath, const std::string& sText) {
    std::ofstream tOut(sPath, std::ios::binary);
    tOut << sText;
    return static_cast<bool>(tOut);
}

inline std::string ReadFileWhole(const std::string& sPath) {
    std::ifstream tIn(sPath, std::ios::binary);
    std::ostringstream s;
    s << tIn.rdbuf();
    return s.str();
}
