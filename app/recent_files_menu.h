// The recent-files entries of the File menu, above "E&xit".
#pragma once

#include <windows.h>

#include <cstdint>

// Rebuilds the entries from the settings file: files that no longer exist are
// left out (they stay in the file) and the rest are numbered 1, 2, ... without
// gaps. Returns the number of entries shown.
int32_t BuildRecentFilesMenu(HWND hWnd);

// Commands 40001-40009: opens the entry's file, or reports "File is not
// found: " and rebuilds the menu when it has vanished.
void OpenRecentFile(HWND hWnd, int32_t lCmd);
