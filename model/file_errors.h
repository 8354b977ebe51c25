// File errors are shown as "Error #", the number, a blank and the standard
// text of that number, then the operation and the file name.
#pragma once

#include <string>

// The standard text of a runtime error number ("File not found" for 53).
std::string StdErrorText(int lErr);

// Maps an operating-system errno value to the runtime's file error number:
// not found 53, path not found 76, permission denied 70, disk full 61, else 75.
int FileErrorFromErrno(int lErrno);

// Reading failed: "Error #53 File not found", a line break (CR LF), then
// "while trying to open: " and the path.
std::string OpenErrorMessage(int lErr, const std::string& sPath);

// Saving failed: "Error #61 while trying to save: " and the path (no standard text).
std::string SaveErrorMessage(int lErr, const std::string& sPath);
