#include "readers/import_text.h"

#include "model/project.h"
#include "model/user_seam.h"

#include <algorithm>

namespace {

// The characters of the ANSI code page (1252) at 0x80..0x9F; 0 where it has none.
constexpr uint16_t kaw1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The byte of the code page for a character; 0 when it has none.
unsigned char AnsiByte(uint32_t lChar) {
    if (lChar < 0x80 || (lChar >= 0xA0 && lChar <= 0xFF)) {
        return static_cast<unsigned char>(lChar);
    }
    for (int i = 0; i < 32; ++i) {
        if (kaw1252[i] == lChar && lChar != 0) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return 0;
}

// A UTF-16 text: its byte order mark, or (without one) zero bytes in most of
// the high halves of the first characters, as plain ASCII text saved so has.
int32_t Utf16Order(const std::string& s) {
    if (s.size() >= 2) {
        const auto b0 = static_cast<unsigned char>(s[0]), b1 = static_cast<unsigned char>(s[1]);
        if (b0 == 0xFF && b1 == 0xFE) {
            return 1; // little-endian
        }
        if (b0 == 0xFE && b1 == 0xFF) {
            return 2;
        }
    }
    const size_t n = std::min<size_t>(s.size() / 2, 256);
    if (n < 4) {
        return 0;
    }
    size_t lOddZero = 0, lEvenZero = 0;
    for (size_t i = 0; i < n; ++i) {
        lEvenZero += s[2 * i] == '\0';
        lOddZero += s[2 * i + 1] == '\0';
    }
    if (lOddZero * 10 >= n * 9 && lEvenZero * 10 < n) {
        return 1;
    }
    if (lEvenZero * 10 >= n * 9 && lOddZero * 10 < n) {
        return 2;
    }
    return 0;
}

int32_t FromUtf16(std::string& sText, bool bBigEndian) {
    std::string s;
    s.reserve(sText.size() / 2);
    int32_t lLost = 0;
    size_t i = 0;
    auto Unit = [&](size_t l) {
        const auto a = static_cast<unsigned char>(sText[l]),
                   b = static_cast<unsigned char>(sText[l + 1]);
        return static_cast<uint32_t>(bBigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    if (sText.size() >= 2 && Unit(0) == 0xFEFF) {
        i = 2;
    }
    for (; i + 1 < sText.size(); i += 2) {
        uint32_t lChar = Unit(i);
        if (lChar >= 0xD800 && lChar <= 0xDBFF && i + 3 < sText.size()) {
            i += 2; // a pair of surrogates: one character beyond the code page
            lChar = 0x10000;
        }
        const unsigned char by = AnsiByte(lChar);
        if (by == 0 && lChar != 0) {
            s += '?';
            ++lLost;
        } else {
            s += static_cast<char>(by);
        }
    }
    sText.swap(s);
    return lLost;
}

} // namespace

int32_t MakeImportableText(std::string& sText, const std::string& sPath) {
    int32_t lLost = 0;
    if (const int32_t lOrder = Utf16Order(sText)) {
        lLost = FromUtf16(sText, lOrder == 2);
    }
    // A line ended by CR alone ends as the readers expect; a zero byte is a
    // blank, so that the text after it is read.
    std::string s;
    s.reserve(sText.size() + sText.size() / 32);
    for (size_t i = 0; i < sText.size(); ++i) {
        const char c = sText[i];
        if (c == '\r' && (i + 1 >= sText.size() || sText[i + 1] != '\n')) {
            s += "\r\n";
        } else {
            s += c == '\0' ? ' ' : c;
        }
    }
    sText.swap(s);
    if (lLost > 0) {
        ReportInfo(std::to_string(lLost) + " character(s) of " + sPath +
                   " cannot be shown in the ANSI code page and became \"?\".");
    }
    return lLost;
}

int32_t ReportNothingImported(const std::string& sPath) {
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (gatRes.Live(l)) {
            return 0;
        }
    }
    if (glStrCnt > 0 || glIDCnt > 0) {
        return 0;
    }
    ReportInfo(
        sPath +
        " holds no dialog, menu, accelerator table, string or ID that the designer can import.");
    return 1;
}
