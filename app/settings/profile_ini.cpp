// The private-profile functions for the native build and the command-line
// tool: a small INI implementation that reads like the Windows functions and
// edits the file line by line, so that comments, blank lines, odd spacing and
// keys the program does not know all survive a write.
#ifndef _WIN32

#include "app/settings/profile.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

// The blanks that the profile functions trim (Ctrl-Z included, the old end-of-file mark).
bool IsProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 0x1a;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsProfileBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsProfileBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

struct tIniLine {
    enum Kind { Blank, Section, Key } lKind;
    std::size_t lStart; // first character of the line
    std::size_t lEnd;   // end of its text, before the line break
    std::size_t lNext;  // start of the next line
    std::string sName;  // section or key name, trimmed
    bool bHasValue;     // a key line with "="
    std::string sValue; // trimmed
};

// One file as text, split into lines; sections run from their header line to
// the next header. Lines before the first header form the nameless section.
struct tIniFile {
    std::string sText;
    std::vector<tIniLine> atLine;

    // [first, last) line indexes of the first section named sSection, or false.
    bool FindSection(std::string_view sSection, std::size_t& lFirst, std::size_t& lLast) const {
        sSection = TrimBlanks(sSection);
        bool bInside = sSection.empty(); // the nameless section comes first
        std::size_t lHeader = 0;
        for (std::size_t i = 0; i <= atLine.size(); ++i) {
            bool bHeader = i == atLine.size() || atLine[i].lKind == tIniLine::Section;
            if (!bHeader) {
                continue;
            }
            if (bInside) {
                lFirst = lHeader;
                lLast = i;
                return true;
            }
            if (i < atLine.size() && SameName(atLine[i].sName, sSection)) {
                bInside = true;
                lHeader = i + 1;
            }
        }
        return false;
    }

    // The first key line named sKey in lines [lFirst, lLast), or lLast.
    std::size_t FindKey(std::size_t lFirst, std::size_t lLast, std::string_view sKey) const {
        sKey = TrimBlanks(sKey);
        for (std::size_t i = lFirst; i < lLast; ++i) {
            if (atLine[i].lKind == tIniLine::Key && SameName(atLine[i].sName, sKey)) {
                return i;
            }
        }
        return lLast;
    }
};

tIniFile LoadIni(const std::string& sPath) {
    tIniFile tFile;
    std::ifstream tIn(sPath, std::ios::binary);
    if (tIn) {
        tFile.sText.assign(std::istreambuf_iterator<char>(tIn), std::istreambuf_iterator<char>());
    }
    const std::string& s = tFile.sText;
    std::size_t lPos = 0;
    if (s.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        lPos = 3; // a UTF-8 mark is kept in the file but is not part of the first line
    }
    std::size_t lPrevKey = SIZE_MAX; // the last key line since the last header
    while (lPos < s.size()) {
        tIniLine tLine{};
        tLine.lStart = lPos;
        std::size_t lEnd = lPos;
        while (lEnd < s.size() && s[lEnd] != '\r' && s[lEnd] != '\n') {
            ++lEnd;
        }
        tLine.lEnd = lEnd;
        if (lEnd < s.size() && s[lEnd] == '\r' && lEnd + 1 < s.size() && s[lEnd + 1] == '\n') {
            tLine.lNext = lEnd + 2;
        } else {
            tLine.lNext = lEnd < s.size() ? lEnd + 1 : lEnd;
        }
        std::string_view sLine = TrimBlanks(std::string_view(s).substr(lPos, lEnd - lPos));
        std::size_t lClose = sLine.rfind(']');
        if (sLine.empty()) {
            tLine.lKind = tIniLine::Blank;
        } else if (sLine.front() == '[' && lClose != std::string_view::npos) {
            tLine.lKind = tIniLine::Section;
            tLine.sName = TrimBlanks(sLine.substr(1, lClose - 1));
        } else {
            tLine.lKind = tIniLine::Key;
            std::size_t lEq = sLine.find('=');
            tLine.bHasValue = lEq != std::string_view::npos;
            tLine.sName = TrimBlanks(sLine.substr(0, lEq));
            if (tLine.bHasValue) {
                tLine.sValue = TrimBlanks(sLine.substr(lEq + 1));
            }
        }
        // The system keeps only the first of several nameless keys in a row.
        if (tLine.lKind == tIniLine::Key && tLine.sName.empty() && lPrevKey != SIZE_MAX &&
            tFile.atLine[lPrevKey].sName.empty()) {
            tLine.lKind = tIniLine::Blank;
        }
        if (tLine.lKind == tIniLine::Key) {
            lPrevKey = tFile.atLine.size();
        } else if (tLine.lKind == tIniLine::Section) {
            lPrevKey = SIZE_MAX;
        }
        tFile.atLine.push_back(std::move(tLine));
        lPos = tFile.atLine.back().lNext;
    }
    return tFile;
}

// Replaces the file as a whole: a new file beside it is renamed over it, so a
// failed write never leaves half a settings file.
int32_t SaveIni(const std::string& sPath, const std::string& sText) {
    std::string sTemp = sPath + ".wk~";
    {
        std::ofstream tOut(sTemp, std::ios::binary | std::ios::trunc);
        if (!tOut) {
            return 0;
        }
        tOut.write(sText.data(), static_cast<std::streamsize>(sText.size()));
        tOut.close();
        std::error_code tErr;
        auto tStatus = std::filesystem::status(sPath, tErr);
        if (!tErr && std::filesystem::exists(tStatus)) {
            std::filesystem::permissions(sTemp, tStatus.permissions(), tErr);
        }
        if (!tOut) {
            std::filesystem::remove(sTemp, tErr);
            return 0;
        }
    }
    std::error_code tErr;
    std::filesystem::rename(sTemp, sPath, tErr);
    if (tErr) {
        std::filesystem::remove(sTemp, tErr);
        return 0;
    }
    return 1;
}

// The value as the string function hands it out: one pair of matching quotes
// removed, cut to the buffer. The odd length test is the real function's: a
// quoted value that just fills the buffer loses one more character.
std::string CopyEntry(std::string_view sValue, uint32_t lBufLen) {
    char chQuote = 0;
    if (!sValue.empty() && (sValue.front() == '\'' || sValue.front() == '"') && sValue.size() > 1 &&
        sValue.back() == sValue.front()) {
        chQuote = sValue.front();
        sValue.remove_prefix(1);
    }
    std::string sOut(sValue.substr(0, lBufLen - 1));
    if (chQuote && lBufLen >= sValue.size() && !sOut.empty()) {
        sOut.pop_back();
    }
    return sOut;
}

// A number as the system's string-to-integer conversion with base 0 reads it:
// blanks and control characters skipped, a sign, then "0x", "0o" or "0b" for
// another base, digits until one does not fit; the total wraps at 32 bits.
int32_t ProfileNumber(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') {
        ++i;
    }
    bool bMinus = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        bMinus = s[i] == '-';
        ++i;
    }
    uint32_t lBase = 10;
    if (i + 1 < s.size() && s[i] == '0') {
        if (s[i + 1] == 'x') {
            lBase = 16;
        } else if (s[i + 1] == 'o') {
            lBase = 8;
        } else if (s[i + 1] == 'b') {
            lBase = 2;
        }
        if (lBase != 10) {
            i += 2;
        }
    }
    uint32_t lTotal = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        uint32_t lDigit = 99;
        if (c >= '0' && c <= '9') {
            lDigit = static_cast<uint32_t>(c - '0');
        } else if (c >= 'a' && c <= 'z') {
            lDigit = static_cast<uint32_t>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'Z') {
            lDigit = static_cast<uint32_t>(c - 'A' + 10);
        }
        if (lDigit >= lBase) {
            break;
        }
        lTotal = lTotal * lBase + lDigit;
    }
    if (bMinus) {
        lTotal = 0u - lTotal;
    }
    return static_cast<int32_t>(lTotal);
}

} // namespace

int32_t ProfileGetInt(const std::string& sPath, const std::string& sSection,
                      const std::string& sKey, int32_t lDefault) {
    // The real function reads the value into a 30-character buffer first.
    std::string sValue = ProfileGetString(sPath, sSection, sKey, std::string(), 30);
    if (sValue.empty()) {
        return lDefault;
    }
    return ProfileNumber(sValue);
}

std::string ProfileGetString(const std::string& sPath, const std::string& sSection,
                             const std::string& sKey, const std::string& sDefault,
                             uint32_t lBufLen) {
    if (lBufLen == 0) {
        return std::string();
    }
    tIniFile tFile = LoadIni(sPath);
    std::size_t lFirst = 0;
    std::size_t lLast = 0;
    if (tFile.FindSection(sSection, lFirst, lLast)) {
        std::size_t lKey = tFile.FindKey(lFirst, lLast, sKey);
        if (lKey < lLast && tFile.atLine[lKey].bHasValue) {
            return CopyEntry(tFile.atLine[lKey].sValue, lBufLen);
        }
    }
    std::string_view sDef = sDefault;
    while (!sDef.empty() && sDef.back() == ' ') {
        sDef.remove_suffix(1);
    }
    return CopyEntry(sDef, lBufLen);
}

uint32_t ProfileGetSection(const std::string& sPath, const std::string& sSection, char* pBuf,
                           uint32_t lBufLen) {
    if (!pBuf || lBufLen == 0) {
        return 0;
    }
    tIniFile tFile = LoadIni(sPath);
    std::string sAll; // every entry with its zero byte
    std::size_t lFirst = 0;
    std::size_t lLast = 0;
    if (tFile.FindSection(sSection, lFirst, lLast)) {
        for (std::size_t i = lFirst; i < lLast; ++i) {
            const tIniLine& tLine = tFile.atLine[i];
            if (tLine.lKind != tIniLine::Key || (!tLine.sName.empty() && tLine.sName[0] == ';')) {
                continue; // blank lines and comments are not entries
            }
            sAll += tLine.sName;
            if (tLine.bHasValue) {
                sAll += '=';
                sAll += tLine.sValue;
            }
            sAll += '\0';
        }
    }
    if (sAll.empty() || lBufLen < 2) {
        pBuf[0] = 0;
        if (lBufLen > 1) {
            pBuf[1] = 0;
        }
        return 0;
    }
    if (sAll.size() + 1 < lBufLen) {
        std::memcpy(pBuf, sAll.data(), sAll.size());
        pBuf[sAll.size()] = 0;
        return static_cast<uint32_t>(sAll.size());
    }
    // Too small: the text is cut and closed by two zero bytes.
    std::memcpy(pBuf, sAll.data(), lBufLen - 2);
    pBuf[lBufLen - 2] = 0;
    pBuf[lBufLen - 1] = 0;
    return lBufLen - 2;
}

int32_t ProfileWriteString(const std::string& sPath, const std::string& sSection,
                           const std::string& sKey, const char* pValue) {
    tIniFile tFile = LoadIni(sPath);
    std::string& sText = tFile.sText;
    bool bEndsOpen = !sText.empty() && sText.back() != '\n' && sText.back() != '\r';

    if (!pValue) {
        // Delete: the first such key of any section of that name; the rest stays.
        std::string_view sSec = TrimBlanks(sSection);
        std::string_view sName = TrimBlanks(sKey);
        bool bInside = sSec.empty(); // the nameless section comes first
        for (const tIniLine& tLine : tFile.atLine) {
            if (tLine.lKind == tIniLine::Section) {
                bInside = SameName(tLine.sName, sSec);
            } else if (bInside && tLine.lKind == tIniLine::Key && SameName(tLine.sName, sName)) {
                sText.erase(tLine.lStart, tLine.lNext - tLine.lStart);
                return SaveIni(sPath, sText);
            }
        }
        return 1; // nothing to delete: the file is not touched
    }

    std::string_view sValue = pValue;
    // A value ends at a line break: a file name holding one (possible outside
    // Windows) must not be able to add lines, sections or keys to the file.
    sValue = sValue.substr(0, sValue.find_first_of("\r\n"));
    while (!sValue.empty() && IsProfileBlank(sValue.front())) {
        sValue.remove_prefix(1);
    }
    std::string_view sKeyName = TrimBlanks(sKey);
    std::size_t lFirst = 0;
    std::size_t lLast = 0;
    if (tFile.FindSection(sSection, lFirst, lLast)) {
        std::size_t lKey = tFile.FindKey(lFirst, lLast, sKeyName);
        if (lKey < lLast) {
            const tIniLine& tLine = tFile.atLine[lKey];
            if (tLine.bHasValue && tLine.sValue == sValue) {
                return 1; // no change: the file is not touched
            }
            std::string sNew = tLine.sName + "=" + std::string(sValue);
            sText.replace(tLine.lStart, tLine.lEnd - tLine.lStart, sNew);
            return SaveIni(sPath, sText);
        }
        // A new key goes after the section's last non-blank line, before the
        // blank lines that separate it from the next section.
        std::size_t lAfter = lLast;
        while (lAfter > lFirst && tFile.atLine[lAfter - 1].lKind == tIniLine::Blank) {
            --lAfter;
        }
        std::size_t lAt = 0;
        if (lAfter > 0) {
            lAt = tFile.atLine[lAfter - 1].lNext;
        } else {
            lAt = sText.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
        }
        std::string sNew = std::string(sKeyName) + "=" + std::string(sValue) + "\r\n";
        if (lAt == sText.size() && bEndsOpen) {
            sNew.insert(0, "\r\n");
        }
        sText.insert(lAt, sNew);
        return SaveIni(sPath, sText);
    }
    std::string sNew = "[" + std::string(TrimBlanks(sSection)) + "]\r\n" + std::string(sKeyName) +
                       "=" + std::string(sValue) + "\r\n";
    if (bEndsOpen) {
        sNew.insert(0, "\r\n");
    }
    sText += sNew;
    return SaveIni(sPath, sText);
}

std::string ExecutablePath() {
    std::error_code tErr;
    std::filesystem::path tPath = std::filesystem::read_symlink("/proc/self/exe", tErr);
    return tErr ? std::string() : tPath.string();
}

#endif // !_WIN32
