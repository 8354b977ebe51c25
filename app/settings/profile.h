// Private-profile (INI) access with the semantics of the Windows functions:
// case-blind sections and keys, blanks around names and values trimmed, a
// missing file, section or key read as the default, integers read as
// GetPrivateProfileIntA reads them, and writes that leave every other line of
// the file as it was. The Win32 program calls the real functions
// (profile_win32.cpp); the native build and the command-line tool use a small
// implementation of the same behaviour (profile_ini.cpp). The settings file,
// KVWIN.INI and any other INI file all go through here.
#pragma once

#include <cstdint>
#include <string>

// GetPrivateProfileIntA: the value as a number (decimal, or "0x" hexadecimal,
// with an optional sign; reading stops at the first character that does not
// fit); lDefault when the key, its section or the file is missing or the value
// is empty; 0 for a value that starts with no number.
int32_t ProfileGetInt(const std::string& sPath, const std::string& sSection,
                      const std::string& sKey, int32_t lDefault);

// GetPrivateProfileStringA into a buffer of lBufLen bytes: the value (one pair
// of matching quotes around it removed), or sDefault without its trailing
// blanks; at most lBufLen - 1 characters.
std::string ProfileGetString(const std::string& sPath, const std::string& sSection,
                             const std::string& sKey, const std::string& sDefault,
                             uint32_t lBufLen);

// GetPrivateProfileSectionA: "key=value" texts of the section, each followed
// by a zero byte, and one more zero byte at the end, into pBuf of lBufLen
// bytes. Returns the number of characters without the final zero; when the
// buffer is too small, the text is cut, ends in two zero bytes and the result
// is lBufLen - 2.
uint32_t ProfileGetSection(const std::string& sPath, const std::string& sSection, char* pBuf,
                           uint32_t lBufLen);

// WritePrivateProfileStringA: sets the key's value (pValue non-null; leading
// blanks dropped), or deletes the key (pValue null). The section is created
// at the end of the file and the file itself when missing. Returns 0 when the
// file could not be written.
int32_t ProfileWriteString(const std::string& sPath, const std::string& sSection,
                           const std::string& sKey, const char* pValue);

// The full path of the running program (empty when it cannot be found).
std::string ExecutablePath();
