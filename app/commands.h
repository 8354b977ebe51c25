// The main window's command table and the commands it carries itself.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstdint>
#include <string>

// WM_COMMAND of the main window (menus, accelerators, toolbar), by command id.
void OnMainCommand(HWND hWnd, int32_t lCmd);

// Esc: cancels a drag on the design dialog, or makes the dialog itself the
// selection.
void CancelCmd();
// F8: from the main window or the toolbox to the design dialog, else to the toolbox.
void SwitchCmd(HWND hWnd);

// The orderly close: the project is closed first (which may ask "Save current
// changes?"); 0 when the user kept it open, else the position is saved and
// the window destroyed.
int32_t CloseMainWindow(HWND hWnd);
// Saves MainDlgMax and MainDlgPos.
void SaveMainWindowPos(HWND hWnd);

// WM_DROPFILES: the first file is opened or imported by its extension; the
// drop is always finished. Returns the first file's name.
std::string DropFiles(HWND hWnd, HDROP hDrop);
// What a dropped file's extension (from its last ".") asks for: 1 open as a
// KVL file (.BAS, .BI, .INC), 2 import (.RC, .DLG, .H, .FRM), 0 nothing.
int32_t DropAction(const std::string& sFile);

// The file named on the command line (one path, maybe in double quotes) and
// its type: 1 KVL, 2 resource script, 0 ignored.
int32_t CommandLineFileType(const std::string& sCmdLine, std::string& sFile);
