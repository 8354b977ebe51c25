// First cut of the File menu's commands: every entry point exists so that the
// main window's command table links; the bodies follow.
#include "app/file_commands.h"

void (*gpfnSetTitle)(HWND hMain, const std::string& sFile) = nullptr;
void (*gpfnSuspendUpdates)(int lSuspend) = nullptr;
void (*gpfnUpdateCommands)() = nullptr;
void (*gpfnBuildDesignDialog)(int lResDlg) = nullptr;
void (*gpfnHideFocusGripper)() = nullptr;
void (*gpfnSetToolboxAllowed)(int lAllowed) = nullptr;

namespace {
std::string gsNoFile;
int glChangedStub = 0;
} // namespace

std::string OpenDialogCmd(HWND, int* plType) {
    if (plType) {
        *plType = 1;
    }
    return std::string();
}
std::string ImportDialogCmd(HWND) {
    return std::string();
}
std::string SaveAsDialogCmd(HWND, const std::string&, std::string&, int&) {
    return std::string();
}
void OpenFileCmd(HWND, const std::string&, int) {}
void ImportFileCmd(HWND, const std::string&) {}
void OpenCmd(HWND) {}
void ImportCmd(HWND) {}
int CloseFileCmd(HWND) {
    return 1;
}
int SaveCmd(HWND) {
    return 0;
}
void SaveAsCmd(HWND) {}
void SaveAsNewCmd(HWND) {}
void ChangedOnDiskCheck(HWND) {}
int PutTextOnClipboard(const std::string&) {
    return 0;
}
void ClipboardCmd(HWND, int) {}
void ImportFromClipboardCmd(HWND) {}
void ShowDesignWindows(int) {}
void IdeActivateCmd(HWND) {}
void IdeOpenFileCmd(HWND) {}
void LaunchIde(HWND, const std::string&) {}
int CompileResources(HWND, const std::string&) {
    return 0;
}
const std::string& CurrentFile() {
    return gsNoFile;
}
int CurrentFileType() {
    return 0;
}
int SourceFileOpen() {
    return 0;
}
int RCFileOpen() {
    return 0;
}
int ProjectChanged() {
    return glChangedStub;
}
void SetProjectChanged(int lChanged) {
    glChangedStub = lChanged;
}
