// The help window: one help file at a time, opened on a keyword or its contents.
#pragma once

#include <windows.h>

#include <string>

// Shows the help file (on sKeyword when given, else its contents). A help
// window of ours on another file is closed first; one the program did not
// open is asked to close, and the program waits, letting messages run, until
// it is gone. A missing file is reported ("File is not found: " + path)
// instead.
void ShowHelp(HWND hOwner, const std::string& sFile, const std::string& sKeyword = "");
// Closes the help window this program opened (the main window's WM_DESTROY).
void CloseHelp(HWND hOwner);
// "Wrenkit.HLP" in the program's folder.
std::string ProgramHelpFile();
