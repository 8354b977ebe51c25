// Reading a whole file into a text, for the file commands and for the
// companion script of a #Resource line.
#pragma once

#include <cstdint>
#include <string>

// The whole file as bytes. On failure the message "Error #" + number + " " +
// the runtime's text, a line break and "while trying to open: " + the path goes
// to the user, the text is empty and the result 0. A file too large for the
// 32-bit block positions (glMaxSourceBytes) is refused with error 7 before a
// byte of it is read.
int32_t ReadFileText(const std::string& sPath, std::string& sText);
std::string ReadFileText(const std::string& sPath);
// The same without a message: 0 when read, else the error number.
int32_t FileTextError(const std::string& sPath, std::string& sText);

// 1 when the path names an existing regular file.
int32_t FileExists(const std::string& sPath);
