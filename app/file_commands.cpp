// The File menu's commands in the Win32 program: the common dialogs, the
// design windows around them, and the hooks through which the portable file
// commands reach the title, the recent files, the results box and the
// resource compiler.
#include "app/file_commands.h"

#include "app/files/file_ops.h"
#include "app/files/file_state.h"
#include "app/settings/settings.h"
#include "model/document.h"
#include "model/path_rules.h"
#include "model/project.h"
#include "model/user_seam.h"

#include <commdlg.h>

void (*gpfnSetTitle)(HWND hMain, const std::string& sFile) = nullptr;
void (*gpfnSuspendUpdates)(int lSuspend) = nullptr;
void (*gpfnUpdateCommands)() = nullptr;
void (*gpfnHideFocusGripper)() = nullptr;
void (*gpfnSetToolboxAllowed)(int lAllowed) = nullptr;

const char* const gszNotKvlName =
    "This is the name of a resource script or form, not of a KVL file. Please choose a name "
    "ending in .bas, .bi or .inc.";

namespace {

// A path with its extension (from the last "." of the file name on) replaced.
std::string ReplaceExtension(const std::string& sPath, const char* szExt) {
    const size_t lSlash = sPath.find_last_of("\\/:");
    const size_t lDot = sPath.rfind('.');
    const bool bHasExt =
        lDot != std::string::npos && (lSlash == std::string::npos || lDot > lSlash);
    return (bHasExt ? sPath.substr(0, lDot) : sPath) + szExt;
}

// The window that owns the file commands' dialogs and boxes (the main window).
HWND ghFileOwner = nullptr;

constexpr char kKvlFilter[] = "Basic Files - KVL (*.bas,*.bi,*.inc)|*.bas;*.bi;*.inc";
constexpr char kImportFilter[] =
    "Source Files (*.bas,*.bi,*.inc,*.rc,*.dlg,*.h,*.frm)|*.bas;*.bi;*.inc;*.rc;*.dlg;*.h;*.frm|"
    "Basic Files - KVL (*.bas,*.bi,*.inc)|*.bas;*.bi;*.inc|"
    "Resource Files - RC (*.rc,*.dlg,*.h)|*.rc;*.dlg;*.h|VB Form Files (*.frm)|*.frm";

// A filter as Windows wants it: zero bytes between the parts and two at the end.
std::string WinFilter(const char* szFilter) {
    std::string s(szFilter);
    for (char& c : s) {
        if (c == '|') {
            c = '\0';
        }
    }
    s.push_back('\0');
    s.push_back('\0');
    return s;
}

// One common dialog with the design windows hidden while it is open. The
// file name buffer holds 256 bytes; sPath is its starting text.
std::string RunFileDialog(HWND hOwner, bool bSave, const char* szTitle, const char* szFilter,
                          DWORD lFlags, const std::string& sPath, const char* szDefExt = nullptr) {
    char szFile[256] = {};
    sPath.copy(szFile, sizeof(szFile) - 1);
    const std::string sFilter = WinFilter(szFilter);
    OPENFILENAMEA tOfn{};
    tOfn.lStructSize = sizeof(tOfn);
    tOfn.hwndOwner = hOwner;
    tOfn.lpstrFilter = sFilter.c_str();
    tOfn.nFilterIndex = 1;
    tOfn.lpstrFile = szFile;
    tOfn.nMaxFile = sizeof(szFile);
    tOfn.lpstrTitle = szTitle;
    tOfn.Flags = lFlags;
    tOfn.lpstrDefExt = szDefExt;
    ShowDesignWindows(SW_HIDE);
    const BOOL bOk = bSave ? GetSaveFileNameA(&tOfn) : GetOpenFileNameA(&tOfn);
    ShowDesignWindows(SW_SHOW);
    return bOk ? std::string(szFile) : std::string();
}

HWND DesignWindow() {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(gatDlg[gtElem.lDlg].hWnd));
}

// The hooks of the portable file commands, installed once and bound to the
// window of the latest command.
void BindFileHooks(HWND hOwner) {
    if (hOwner) {
        ghFileOwner = hOwner;
    }
    gtFileHooks.pfnSetTitle = [](const std::string& sFile) {
        if (gpfnSetTitle) {
            gpfnSetTitle(ghFileOwner, sFile);
        } else if (ghFileOwner) {
            const std::string sCaption =
                sFile.empty() ? std::string("Wrenkit") : "Wrenkit - [" + sFile + "]";
            SetWindowTextA(ghFileOwner, sCaption.c_str());
        }
    };
    gtFileHooks.pfnAddRecentFile = [](const std::string& sFile) {
        MruAdd(SettingsPath(), gszMruSection, sFile, wkMruMax);
    };
    gtFileHooks.pfnSuspendUpdates = [](int32_t lSuspend) {
        if (gpfnSuspendUpdates) {
            gpfnSuspendUpdates(lSuspend);
        }
    };
    gtFileHooks.pfnShowDesignWindows = [](int32_t lShow) {
        ShowDesignWindows(lShow ? SW_SHOW : SW_HIDE);
    };
    gtFileHooks.pfnAskSaveName = [] {
        std::string sPath;
        int lType = 1;
        return SaveAsDialogCmd(ghFileOwner, std::string(), sPath, lType);
    };
    gtFileHooks.pfnCompileResources = [](const std::string& sScript) {
        return static_cast<int32_t>(CompileResources(ghFileOwner, sScript));
    };
    gtFileHooks.pfnShowResults = [](const std::string& sLabels, const std::string& sNumbers) {
        ShowResultsBox(ghFileOwner, sLabels, sNumbers);
    };
    gtFileHooks.pfnCloseModalWindow = [] {
        // A modal window of the program disables the main window; it goes
        // before the file under it may be reloaded.
        if (ghFileOwner && !IsWindowEnabled(ghFileOwner)) {
            if (HWND hActive = GetActiveWindow()) {
                SendMessageA(hActive, WM_CLOSE, 0, 0);
            }
        }
    };
}

} // namespace

// ---- Dialogs ----------------------------------------------------------------------------

std::string OpenDialogCmd(HWND hOwner, int* plType) {
    if (plType) {
        *plType = 1;
    }
    return RunFileDialog(hOwner, false, "Select File to Open", kKvlFilter,
                         OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, std::string());
}

std::string ImportDialogCmd(HWND hOwner) {
    return RunFileDialog(hOwner, false, "Select File to Import", kImportFilter,
                         OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, std::string());
}

std::string SaveAsDialogCmd(HWND hOwner, const std::string& sTitle, std::string& sPath,
                            int& lType) {
    std::string sStart = sPath;
    std::string sChosen;
    for (;;) {
        // A name without an extension gets ".bas", so that the Open dialog and
        // the recent files know the file again.
        sChosen = RunFileDialog(
            hOwner, true, sTitle.empty() ? "Save File As" : sTitle.c_str(), kKvlFilter,
            OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, sStart, "bas");
        const int32_t lChosenType = sChosen.empty() ? wkFileNone : FileTypeOf(sChosen);
        if (lChosenType != wkFileRC && lChosenType != wkFileForm) {
            break;
        }
        // Under a script's name the companion script would be the file itself
        // and overwrite it; a form's name would be imported as a form.
        ReportError(sChosen + "\r" + gszNotKvlName);
        sStart = ReplaceExtension(sChosen, ".bas");
    }
    if (!sChosen.empty()) {
        sPath = sChosen;
        lType = 1;
    }
    return sChosen;
}

// ---- File commands ---------------------------------------------------------------------

void OpenFileCmd(HWND hOwner, const std::string& sPath, int lType) {
    BindFileHooks(hOwner);
    OpenFile(sPath, lType);
}

void ImportFileCmd(HWND hOwner, const std::string& sPath) {
    BindFileHooks(hOwner);
    ImportFile(sPath);
    // A drop reaches here outside any command: the imported project's
    // commands (Save, Close, the clipboard sections) are enabled now.
    if (gpfnUpdateCommands) {
        gpfnUpdateCommands();
    }
}

void OpenCmd(HWND hOwner) {
    int lType = 1;
    const std::string sPath = OpenDialogCmd(hOwner, &lType);
    if (!sPath.empty()) {
        OpenFileCmd(hOwner, sPath, lType);
    }
}

void ImportCmd(HWND hOwner) {
    const std::string sPath = ImportDialogCmd(hOwner);
    if (!sPath.empty()) {
        ImportFileCmd(hOwner, sPath);
    }
}

int CloseFileCmd(HWND hOwner) {
    BindFileHooks(hOwner);
    return CloseFile();
}

int SaveCmd(HWND hOwner) {
    BindFileHooks(hOwner);
    return SaveFile();
}

void SaveAsCmd(HWND hOwner) {
    BindFileHooks(hOwner);
    std::string sPath;
    int lType = 1;
    if (!SaveAsDialogCmd(hOwner, std::string(), sPath, lType).empty()) {
        SaveFileAs(sPath, lType);
    }
}

void SaveAsNewCmd(HWND hOwner) {
    BindFileHooks(hOwner);
    std::string sPath;
    int lType = 1;
    if (!SaveAsDialogCmd(hOwner, std::string(), sPath, lType).empty()) {
        SaveFileAsNew(sPath);
    }
}

void ChangedOnDiskCheck(HWND hOwner) {
    BindFileHooks(hOwner);
    CheckChangedOnDisk();
}

// ---- Design windows ---------------------------------------------------------------------

void ShowDesignWindows(int lShow) {
    HWND hDesign = DesignWindow();
    if (lShow == SW_HIDE) {
        if (hDesign && IsWindow(hDesign)) {
            ShowWindow(hDesign, SW_HIDE);
        }
        gtElem.lCtl = gtElem.lDlg;
        if (gpfnHideFocusGripper) {
            gpfnHideFocusGripper();
        }
        if (gpfnSetToolboxAllowed) {
            gpfnSetToolboxAllowed(0);
        }
        return;
    }
    if (hDesign && IsWindow(hDesign)) {
        ShowWindow(hDesign, SW_SHOW);
    }
    if (gpfnSetToolboxAllowed) {
        gpfnSetToolboxAllowed(1);
    }
}

// ---- State --------------------------------------------------------------------------------

const std::string& CurrentFile() {
    return gtDoc.sPath;
}
int SourceFileOpen() {
    return glSourceFileOpen;
}
int RCFileOpen() {
    return glRCFileOpen;
}
int ProjectChanged() {
    return glChanged;
}
void SetProjectChanged(int lChanged) {
    glChanged = lChanged ? 1 : 0;
}
