// Child processes of the program: the resource tools it waits for and the IDE
// it only starts.
#pragma once

#include <windows.h>

#include <string>

// Starts sCmdLine (sProgram is the program file, so that a path with blanks
// in the unquoted command line is never mistaken), shown normally, without
// waiting. 0 when started, else the system error code.
DWORD StartProcess(const std::string& sProgram, const std::string& sCmdLine);

// Runs sCmdLine in sWorkDir and waits for it to end, with the hourglass shown
// and hMain disabled; its standard output and error go to sOutFile (created
// anew) when one is given. Afterwards hMain is enabled, focused and brought to
// the front. 0 when it ran, else the system error code.
DWORD RunProcessAndWait(HWND hMain, const std::string& sCmdLine, const std::string& sOutFile,
                        const std::string& sWorkDir);

// The system's text for an error code (FormatMessageA), without a trailing line break.
std::string SystemErrorText(DWORD lCode);
