// The main window of class KvDlgEdit: registration, creation, the message loop,
// and the state the whole program shares with it (the flags every command and
// every window of the program reads).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Windows owned by the main window for the whole run.
extern HWND ghWndMain;   // the KvDlgEdit window; 0 before creation
extern HWND ghToolbar;   // child id 202
extern HWND ghStatus;    // child id 102
extern HWND ghWorkspace; // the grey "Static" between toolbar and status bar
extern HWND ghToolbox;   // the toolbox; 0 while it is closed
extern HACCEL ghAccelMain;

extern int32_t glAppActive;        // last wParam of WM_ACTIVATEAPP
extern int32_t glToolboxAllowed;   // cleared while a file dialog or modal window is open
extern int32_t glUpdatesSuspended; // long operations switch command enabling off
extern int32_t glComCtlsEx;        // InitCommonControlsEx was found and called
// The arguments the program was started with (a file to open); read once by
// the main window's creation.
extern std::string gsCommandLine;

// Registers the class KvDlgEdit (once per process). Returns 0 on failure.
ATOM RegisterMainClass(HINSTANCE hInst);

// Creates the main window titled "Wrenkit"; 0 on failure.
HWND CreateMainWindow(HINSTANCE hInst);

// The program's one message loop: every message goes through accelerator table 201
// of the main window first. Returns the wParam of WM_QUIT.
int RunMessageLoop();

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// The caption "Wrenkit - [file]" (just "Wrenkit" for an empty name); the
// recent-files menu is rebuilt with it, since every open and save passes here.
void SetTitle(HWND hWnd, const std::string& sFile);

// The help text of a command: part 0 the whole string resource, 1 the status
// text before the first line feed, 2 the tooltip after it ("" when missing).
std::string HelpText(int32_t lId, int32_t lPart);

// Position and size of what the user drags, in status parts 1 and 2.
void ShowPosSize(const RECT& tRect);
void ClearPosSize();

// Sets the enabled state of the menu items and toolbar buttons from the
// project, and shows or hides the toolbox. Nothing while updates are suspended.
void UpdateCommands();
