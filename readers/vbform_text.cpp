#include "readers/vbform_text.h"

#include "model/case_blind.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The value without its comment: everything from an apostrophe on. A quoted
// value never reaches here, so an apostrophe always starts the comment.
std::string_view WithoutComment(std::string_view sValue) {
    std::size_t p = sValue.find('\'');
    if (p != std::string_view::npos) {
        sValue = sValue.substr(0, p);
    }
    return TrimFormBlanks(sValue);
}

// Digits of the given base from the start of s, as a 32-bit pattern (the
// designers write colours and flags as 32-bit hexadecimal).
uint32_t RadixBits(std::string_view s, uint32_t lBase) {
    uint32_t lValue = 0;
    for (char c : s) {
        uint32_t d;
        char u = UpperAscii(c);
        if (u >= '0' && u <= '9') {
            d = static_cast<uint32_t>(u - '0');
        } else if (u >= 'A' && u <= 'F') {
            d = static_cast<uint32_t>(u - 'A' + 10);
        } else {
            break;
        }
        if (d >= lBase) {
            break;
        }
        lValue = lValue * lBase + d;
    }
    return lValue;
}

// "&H" or "&O" numbers; false when the value is neither.
bool RadixValue(std::string_view s, uint32_t& lBits) {
    if (s.size() < 2 || s[0] != '&') {
        return false;
    }
    char u = UpperAscii(s[1]);
    if (u == 'H') {
        lBits = RadixBits(s.substr(2), 16);
        return true;
    }
    if (u == 'O') {
        lBits = RadixBits(s.substr(2), 8);
        return true;
    }
    return false;
}

double DecimalValue(std::string_view s) {
    // from_chars takes no "+" sign and reads without regard to the locale.
    if (!s.empty() && s[0] == '+') {
        s.remove_prefix(1);
    }
    double f = 0;
    auto tResult = std::from_chars(s.data(), s.data() + s.size(), f);
    if (tResult.ec != std::errc() || !std::isfinite(f)) {
        return 0;
    }
    return f;
}

} // namespace

bool NextFormLine(std::string_view sText, std::size_t& lPos, std::string_view& sLine) {
    if (lPos >= sText.size() || sText[lPos] == '\0') {
        return false;
    }
    std::size_t lStart = lPos;
    while (lPos < sText.size() && sText[lPos] != '\r' && sText[lPos] != '\n' &&
           sText[lPos] != '\0') {
        ++lPos;
    }
    sLine = sText.substr(lStart, lPos - lStart);
    if (lPos < sText.size() && sText[lPos] == '\r') {
        ++lPos;
    }
    if (lPos < sText.size() && sText[lPos] == '\n') {
        ++lPos;
    }
    return true;
}

std::string_view TrimFormBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::string_view FirstFormWord(std::string_view sLine, std::string_view& sRest) {
    sLine = TrimFormBlanks(sLine);
    std::size_t p = 0;
    while (p < sLine.size() && !IsBlank(sLine[p]) && sLine[p] != '=') {
        ++p;
    }
    sRest = TrimFormBlanks(sLine.substr(p));
    return sLine.substr(0, p);
}

bool SameFormWord(std::string_view a, std::string_view b) {
    return SameTextNoCase(a, b);
}

bool SplitFormProperty(std::string_view sLine, std::string_view& sName, std::string_view& sValue) {
    std::size_t p = sLine.find('=');
    if (p == std::string_view::npos) {
        return false;
    }
    sName = TrimFormBlanks(sLine.substr(0, p));
    sValue = TrimFormBlanks(sLine.substr(p + 1));
    return !sName.empty();
}

std::string FormValueText(std::string_view sValue) {
    // $"Form1.frx":11FE is the long-text form of the same reference.
    if (sValue.size() > 1 && sValue[0] == '$' && sValue[1] == '"') {
        sValue.remove_prefix(1);
    }
    if (sValue.empty() || sValue[0] != '"') {
        return std::string(WithoutComment(sValue));
    }
    std::string s;
    std::size_t i = 1;
    for (; i < sValue.size(); ++i) {
        if (sValue[i] == '"') {
            if (i + 1 < sValue.size() && sValue[i + 1] == '"') {
                s += '"';
                ++i;
                continue;
            }
            break;
        }
        s += sValue[i];
    }
    // "Form1.frx":0000 names bytes in the companion binary file.
    std::string_view sAfter = i < sValue.size() ? TrimFormBlanks(sValue.substr(i + 1)) : "";
    if (!sAfter.empty() && sAfter[0] == ':') {
        return std::string();
    }
    return s;
}

double FormValueNumber(std::string_view sValue) {
    std::string_view s = WithoutComment(sValue);
    uint32_t lBits = 0;
    if (RadixValue(s, lBits)) {
        return static_cast<double>(static_cast<int32_t>(lBits));
    }
    return DecimalValue(s);
}

int32_t FormValueLong(std::string_view sValue) {
    double f = std::trunc(FormValueNumber(sValue));
    if (f >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    if (f <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(f);
}

uint32_t FormValueBits(std::string_view sValue) {
    std::string_view s = WithoutComment(sValue);
    uint32_t lBits = 0;
    if (RadixValue(s, lBits)) {
        return lBits;
    }
    double f = std::trunc(DecimalValue(s));
    if (f >= 4294967295.0) {
        return 0xFFFFFFFFu;
    }
    if (f <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return 0x80000000u;
    }
    if (f < 0) {
        return static_cast<uint32_t>(static_cast<int32_t>(f));
    }
    return static_cast<uint32_t>(f);
}
