// The core's seam to the user as Win32 message boxes, and a small status
// window for long operations. Every box is owned by the window the user is
// working in, found here and never chosen by the caller.
#pragma once

#include <windows.h>

// Installs the Win32 seam for the main window hMain.
void InstallWinSeam(HWND hMain);

// The window the user is working in: the main window, unless a modal window
// of the program has disabled it; then the enabled, visible top-level window
// of this thread that was active last. Win32 code that opens a box of its own
// passes this as the owner.
HWND UserWindow();
