// The About box (command 1054), read from the program's own version resource.
#pragma once

#include <windows.h>

#include <string>

// A value of the program's version resource (U.S. English, Unicode code
// page): "ProductName", "FileDescription", ...; "" when missing.
std::string ProgramVersionString(const std::string& sName);

void AboutCmd(HWND hOwner);
