// The bytes of a script or form file made readable for the importers: a file
// saved as UTF-16 is turned into the ANSI code page, every line-end convention
// is accepted, and a stray zero byte does not end the text.
#pragma once

#include <cstdint>
#include <string>

// Converts sText in place; returns how many characters the ANSI code page has
// no byte for (each became "?"). sPath names the file in the message that says
// so.
int32_t MakeImportableText(std::string& sText, const std::string& sPath);

// 1 after an import that gave the project nothing (no ID and no resource); the
// user is told that sPath holds nothing to import.
int32_t ReportNothingImported(const std::string& sPath);
