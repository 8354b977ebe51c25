// The File menu's commands as the main window's command table calls them:
// open, import, close, save, save as, save as new, the clipboard commands, the
// check for a file changed by another program, the import from the clipboard
// and the link to the Korvel IDE. The decisions themselves live in the
// portable app/files library, shared with the command-line tool; this layer
// adds the common dialogs, the clipboard, the design windows and the compiler.
#pragma once

#include <windows.h>

#include <string>

// ---- Dialogs (each hides the design windows while it is open) ------------------

// "Select File to Open": the chosen path or ""; *plType becomes 1 (a KVL file).
std::string OpenDialogCmd(HWND hOwner, int* plType);
// "Select File to Import": the chosen path or "".
std::string ImportDialogCmd(HWND hOwner);
// "Save File As" (or sTitle when not empty), starting from sPath: the chosen
// path or "" (sPath and lType are updated when a file is chosen). A name
// without an extension gets ".bas"; a script's or form's name is refused with
// gszNotKvlName and the dialog opens again.
extern const char* const gszNotKvlName;
std::string SaveAsDialogCmd(HWND hOwner, const std::string& sTitle, std::string& sPath, int& lType);

// ---- File commands ---------------------------------------------------------------

// Open a file of type lType (1 KVL, 2 resource script): from the Open dialog, a
// recent file, a drop, the command line or a reload. "" does nothing.
void OpenFileCmd(HWND hOwner, const std::string& sPath, int lType);
// Import a .bas/.bi/.inc, .rc/.dlg/.h or .frm file into an untitled project.
void ImportFileCmd(HWND hOwner, const std::string& sPath);
// 1003 and 1022: the dialog, then open or import what was chosen.
void OpenCmd(HWND hOwner);
void ImportCmd(HWND hOwner);
// 1004: 1 when the project was closed, 0 when the user cancelled or saving failed.
int CloseFileCmd(HWND hOwner);
// 1005: 1 when saved, 0 when cancelled.
int SaveCmd(HWND hOwner);
// 1006 and 1007 (Save As New sets and clears the as-new flag itself).
void SaveAsCmd(HWND hOwner);
void SaveAsNewCmd(HWND hOwner);
// On every activation of the program: asks to reload a file another program changed.
void ChangedOnDiskCheck(HWND hOwner);

// ---- Clipboard -------------------------------------------------------------------------

// Puts the text on the clipboard as CF_TEXT; 1 on success, else "Cannot open
// clipboard" (or another message) was shown and the result is 0.
int PutTextOnClipboard(const std::string& sText);
// 1008-1021: the generated text (or one section of it) on the clipboard.
void ClipboardCmd(HWND hOwner, int lCommandId);
// 1023: the "Import from Clipboard" dialog.
void ImportFromClipboardCmd(HWND hOwner);

// ---- Design windows, IDE, resources -------------------------------------------------

// SW_HIDE around every file dialog and question, SW_SHOW after it.
void ShowDesignWindows(int lShow);
// 1050: bring a running IDE to the front or start it.
void IdeActivateCmd(HWND hOwner);
// 1051: ask "Save current changes?" when changed, then open the current file in the IDE.
void IdeOpenFileCmd(HWND hOwner);
// The IDE with a file ("" for none).
void LaunchIde(HWND hOwner, const std::string& sPath);
// Compiles a resource script with RC.EXE and KVRES.EXE from the program's
// folder; 1 when both steps succeeded.
int CompileResources(HWND hOwner, const std::string& sScriptPath);
// The program's folder (where RC.EXE, KVRES.EXE, KVEDIT.EXE and KVWIN.INI are
// looked for), with its trailing "\". Tests point it at a folder of stand-ins;
// "" goes back to the folder of the running program.
std::string ProgramFolder();
void SetProgramFolder(const std::string& sFolder);
// The "Open/Import Results" box with the labels and numbers (one per line); beeps first.
void ShowResultsBox(HWND hOwner, const std::string& sLabels, const std::string& sNumbers);

// ---- State the command enabling and the close of the main window read ---------------

// Full path of the open KVL file; "" for an untitled project.
const std::string& CurrentFile();
// The KVL source file / its companion script is held open from load to close.
int SourceFileOpen();
int RCFileOpen();
// The project's changed flag.
int ProjectChanged();
void SetProjectChanged(int lChanged);

// ---- What the main window and the design surface lend the file commands -----------
// Each may stay null; the file commands then skip that step.

// Set title: "Wrenkit - [path]" and the recent-files menu rebuilt ("" gives "Wrenkit").
extern void (*gpfnSetTitle)(HWND hMain, const std::string& sFile);
// Suspends (1) or resumes (0) command enabling, and updates the commands.
extern void (*gpfnSuspendUpdates)(int lSuspend);
extern void (*gpfnUpdateCommands)();
// Hides the focus gripper (while a file dialog is open).
extern void (*gpfnHideFocusGripper)();
// Toolbox: allowed flag and visibility, owned by the main window.
extern void (*gpfnSetToolboxAllowed)(int lAllowed);
