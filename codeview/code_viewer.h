// The code viewer: a modal window that shows generated source read-only in an
// EDM32EDIT control, with the IDE's editor font and colours.
#pragma once

#include "win/win_handles.h"

#include <windows.h>

#include <functional>
#include <string>

// Titles of the View commands.
constexpr char gszViewKvlTitle[] = "View KVL Code";
constexpr char gszViewRcTitle[] = "View RC Code";
constexpr char gszViewNewKvlTitle[] = "View New KVL Code";
constexpr char gszViewNewRcTitle[] = "View New RC Code";
constexpr char gszViewSdkRcTitle[] = "View SDK - RC Code";
constexpr char gszViewSdkBasicTitle[] = "View SDK - Basic Code for RC";
constexpr char gszViewTestValuesTitle[] = "View Tavik's Test Values";

// What the viewer needs from the rest of the program; the main window fills
// these in. An empty function means the command does nothing.
struct tCodeViewerHooks {
    // Starts or activates the IDE with a file, or without one when sPath is empty.
    std::function<void(HWND hOwner, const std::string& sPath)> pfnLaunchIde;
    // The project differs from the file on disk.
    std::function<bool()> pfnIsChanged;
    // Saves the project; false when saving failed or was cancelled.
    std::function<bool(HWND hOwner)> pfnSave;
    // Full path of the open KVL source file, "" when none.
    std::function<std::string()> pfnCurrentFile;
    // Shows a help file at a keyword.
    std::function<void(HWND hOwner, const std::string& sFile, const std::string& sKeyword)>
        pfnShowHelp;
};
extern tCodeViewerHooks gtCodeViewerHooks;

// Shows sText under sTitle modally over the client area of hOwner, coloured for
// lMode (1 plain, 2 BASIC, 4 resource script). Returns when the viewer is
// closed; false when it could not be created.
bool ShowCodeViewer(HWND hOwner, const std::string& sTitle, const std::string& sText,
                    int lMode = 2);

// The folder of the running executable, with its final "\\".
std::string ViewerProgramFolder();

// The IDE's settings file beside the program: the folder of the running
// executable + "KVWIN.INI".
std::string IdeSettingsPath();

// Applies the IDE editor settings of sIniPath to an EDM32EDIT control. Without
// the file nothing is sent. Returns the font it gave the control (owned by the
// caller, who keeps it alive as long as the control), or none.
tGdiFont ApplyIdeEditorSettings(HWND hEdit, const std::string& sIniPath);

// The file to hand the IDE for the text in mode lMode: the source file for
// BASIC, the companion script (the source name with ".rc") for resource
// scripts, none otherwise.
std::string IdeFileForMode(const std::string& sSourceFile, int lMode);
