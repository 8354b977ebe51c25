// The main window of class KvDlgEdit: registration, creation, the message loop.
#pragma once

#include <windows.h>

// Handles owned by the main window for the whole run.
extern HWND ghWndMain;
extern HACCEL ghAccelMain;

// Registers the class KvDlgEdit (once per process). Returns 0 on failure.
ATOM RegisterMainClass(HINSTANCE hInst);

// Creates the main window titled "Wrenkit"; 0 on failure.
HWND CreateMainWindow(HINSTANCE hInst);

// The program's one message loop: every message goes through accelerator table 201
// of the main window first. Returns the wParam of WM_QUIT.
int RunMessageLoop();

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
