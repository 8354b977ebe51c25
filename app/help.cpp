#include "app/help.h"

#include "app/settings/profile.h"
#include "model/user_seam.h"

namespace {

constexpr char kHelpClass[] = "MS_WINHELP";

HWND ghHelpWnd = nullptr; // the help window this program opened
std::string gsHelpFile;   // and the file it shows

void PumpPendingMessages() {
    MSG tMsg;
    while (PeekMessageA(&tMsg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&tMsg);
        DispatchMessageA(&tMsg);
    }
}

} // namespace

std::string ProgramHelpFile() {
    const std::string sExe = ExecutablePath();
    const size_t lCut = sExe.find_last_of(":\\");
    return (lCut == std::string::npos ? std::string() : sExe.substr(0, lCut + 1)) + "Wrenkit.HLP";
}

void ShowHelp(HWND hOwner, const std::string& sFile, const std::string& sKeyword) {
    // Without the file the help program would ask the user to find it and
    // hold the designer until its box is closed; one box of ours says it.
    if (GetFileAttributesA(sFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
        ReportError("File is not found: " + sFile);
        return;
    }
    if (ghHelpWnd && IsWindow(ghHelpWnd) && gsHelpFile != sFile) {
        WinHelpA(hOwner, gsHelpFile.c_str(), HELP_QUIT, 0);
        ghHelpWnd = nullptr;
    }
    if (!ghHelpWnd || !IsWindow(ghHelpWnd)) {
        // Another program's help window would take our request; wait until it
        // has closed, with a limit so a window that refuses cannot hang us.
        const DWORD lStart = GetTickCount();
        while (HWND hOther = FindWindowA(kHelpClass, nullptr)) {
            if (GetTickCount() - lStart > 5000) {
                break;
            }
            PostMessageA(hOther, WM_CLOSE, 0, 0);
            PumpPendingMessages();
            Sleep(20);
        }
    }
    BOOL bOk;
    if (!sKeyword.empty()) {
        bOk = WinHelpA(hOwner, sFile.c_str(), HELP_KEY,
                       reinterpret_cast<ULONG_PTR>(sKeyword.c_str()));
    } else {
        bOk = WinHelpA(hOwner, sFile.c_str(), HELP_CONTENTS, 0);
    }
    if (bOk) {
        ghHelpWnd = FindWindowA(kHelpClass, nullptr);
        gsHelpFile = sFile;
    }
}

void CloseHelp(HWND hOwner) {
    if (ghHelpWnd) {
        WinHelpA(hOwner, gsHelpFile.c_str(), HELP_QUIT, 0);
        ghHelpWnd = nullptr;
        gsHelpFile.clear();
    }
}
