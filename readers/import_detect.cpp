#include "readers/import_detect.h"

namespace {

bool EndsWord(char c) {
    return c == '\r' || c == '\n' || c == '\t' || c == ' ' || c == '(' || c == ')' || c == ',';
}

bool SameAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 32) : a[i];
        char y = b[i] >= 'a' && b[i] <= 'z' ? static_cast<char>(b[i] - 32) : b[i];
        if (x != y) {
            return false;
        }
    }
    return true;
}

int32_t WordFormat(std::string_view sWord) {
    if (sWord.empty()) {
        return wkFormatNone;
    }
    switch (sWord[0]) {
    case '#':
        return sWord == "#define" ? wkFormatRC : wkFormatNone;
    case '%':
        return wkFormatKVL;
    case 'V':
    case 'v':
        return SameAscii(sWord, "VB.Form") || SameAscii(sWord, "VB.MDIForm") ? wkFormatVBForm
                                                                             : wkFormatNone;
    default:
        return wkFormatNone;
    }
}

// Position of the next line end at or after p (the end of the text when none).
std::size_t LineEnd(std::string_view s, std::size_t p) {
    while (p < s.size() && s[p] != '\r' && s[p] != '\n' && s[p] != '\0') {
        ++p;
    }
    return p;
}

} // namespace

int32_t DetectFormat(std::string_view sText) {
    const std::size_t lNul = sText.find('\0');
    if (lNul != std::string_view::npos) {
        sText = sText.substr(0, lNul);
    }
    std::size_t p = 0;
    std::size_t lWord = 0; // start of the word being read
    const std::size_t n = sText.size();
    while (true) {
        // Where the word ends, and where reading goes on after what ended it.
        std::size_t lNext;
        if (p >= n) {
            lNext = n;
        } else if (sText[p] == '"') {
            std::size_t q = p + 1;
            while (q < n && sText[q] != '"' && sText[q] != '\r' && sText[q] != '\n') {
                ++q;
            }
            lNext = q < n && sText[q] == '"' ? q + 1 : q;
        } else if (sText[p] == '\'' || sText.substr(p, 2) == "//") {
            lNext = LineEnd(sText, p);
        } else if (sText.substr(p, 2) == "/*") {
            std::size_t q = sText.find("*/", p + 2);
            lNext = q == std::string_view::npos ? n : q + 2;
        } else if (EndsWord(sText[p])) {
            lNext = p + 1;
        } else {
            ++p;
            continue;
        }
        if (int32_t lFormat = WordFormat(sText.substr(lWord, p - lWord))) {
            return lFormat;
        }
        if (lNext >= n) {
            return wkFormatNone;
        }
        p = lNext;
        lWord = p;
    }
}
