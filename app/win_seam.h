// The core's seam to the user as Win32 message boxes owned by the main window,
// and a small status window for long operations.
#pragma once

#include <windows.h>

// Installs the Win32 seam with hOwner as the owner of its message boxes.
void InstallWinSeam(HWND hOwner);
