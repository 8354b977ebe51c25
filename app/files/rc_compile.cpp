#include "app/files/rc_compile.h"

#include "app/settings/profile.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

const char* const gszLogUnreadable = "Can't access resource compiler results.";
const char* const gszLogMissing = "Can't find resource compiler results.";

std::string ProgramFolderOf(const std::string& sExePath) {
    const std::size_t l = sExePath.find_last_of(":\\/");
    return l == std::string::npos ? std::string() : sExePath.substr(0, l + 1);
}

std::string QuoteIncludeDir(const std::string& sValue) {
    const std::size_t lFirst = sValue.find_first_not_of(" \t");
    if (lFirst == std::string::npos) {
        return std::string();
    }
    const std::size_t lLast = sValue.find_last_not_of(" \t");
    const std::string s = sValue.substr(lFirst, lLast - lFirst + 1);
    if (s[0] != '"') {
        return "\"" + s + "\"";
    }
    const std::size_t lClose = s.find('"', 1);
    return lClose == std::string::npos ? s + "\"" : s.substr(0, lClose + 1);
}

std::vector<std::string> RcIncludeDirs(const std::string& sIniPath) {
    std::vector<std::string> as;
    for (char c = '0'; c <= '9'; ++c) {
        const std::string sDir = QuoteIncludeDir(
            ProfileGetString(sIniPath, "Compiler", std::string("RcInclude") + c, "", 260));
        if (!sDir.empty()) {
            as.push_back(sDir);
        }
    }
    return as;
}

std::string RcCommandLine(const std::string& sCompiler, const std::vector<std::string>& asDirs,
                          const std::string& sScript) {
    std::string sArgs = "/x ";
    for (const std::string& sDir : asDirs) {
        sArgs += " /i " + sDir;
    }
    sArgs += " \"" + sScript + "\"";
    return "\"" + sCompiler + "\" " + sArgs;
}

std::string KvresCommandLine(const std::string& sConverter, const std::string& sRes) {
    return "\"" + sConverter + "\" \"" + sRes + "\"";
}

int32_t RcLogSucceeded(int32_t lLogState, const std::string& sLog) {
    return lLogState == wkLogRead && sLog.find(" error RC") == std::string::npos ? 1 : 0;
}

std::string RcLogMessage(int32_t lLogState, const std::string& sLog) {
    const std::string sText = lLogState == wkLogUnreadable ? std::string(gszLogUnreadable)
                              : lLogState == wkLogMissing  ? std::string(gszLogMissing)
                                                           : sLog;
    // Compilers double their line breaks; the box would show every second line empty.
    std::string sOut;
    sOut.reserve(sText.size());
    for (std::size_t l = 0; l < sText.size();) {
        if (sText.compare(l, 4, "\r\n\r\n") == 0) {
            sOut += "\r\n";
            l += 4;
        } else {
            sOut += sText[l++];
        }
    }
    return sOut;
}

int32_t TakeCompilerLog(const std::string& sPath, std::string& sLog) {
    sLog.clear();
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::path(sPath), ec)) {
        return wkLogMissing;
    }
    int32_t lState = wkLogUnreadable;
    {
        std::ifstream f(sPath, std::ios::binary);
        if (f) {
            std::ostringstream s;
            s << f.rdbuf();
            if (!f.bad()) {
                sLog = s.str();
                lState = wkLogRead;
            }
        }
    }
    std::filesystem::remove(std::filesystem::path(sPath), ec);
    return lState;
}
