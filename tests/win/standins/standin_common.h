// What the stand-ins for the outside programs share: their own folder, their
// command line kept in a file there, and the last quoted argument.
#pragma once

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

inline std::string OwnFolder() {
    char sz[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, sz, MAX_PATH);
    std::string s(sz);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

// The command line as the program got it, for the test to compare.
inline void KeepCommandLine(const char* szName) {
    std::ofstream f(OwnFolder() + szName, std::ios::binary);
    f << GetCommandLineA();
}

inline std::string LastQuotedArg() {
    const std::string s = GetCommandLineA();
    const std::size_t lEnd = s.rfind('"');
    if (lEnd == std::string::npos || lEnd == 0) {
        return std::string();
    }
    const std::size_t lStart = s.rfind('"', lEnd - 1);
    return lStart == std::string::npos ? std::string() : s.substr(lStart + 1, lEnd - lStart - 1);
}

inline std::string ReadWhole(const std::string& sPath) {
    std::ifstream f(sPath, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline std::string WithExtension(const std::string& sPath, const char* szExt) {
    const std::size_t lDot = sPath.rfind('.');
    return (lDot == std::string::npos ? sPath : sPath.substr(0, lDot)) + szExt;
}
