// The resource-script tokenizer. Real scripts mix BEGIN/END with braces, write
// statements over several lines without continuation marks, use both comment
// forms and may end with a Ctrl-Z; the tokenizer takes all of that in its stride.
#include "readers/rc_lexer.h"

#include "readers/metastatements.h"
#include "readers/source_text.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace {

// The byte at l; 0 only past the end. A zero byte inside the text counts as a
// blank, so that the text after it (and the user's text there) is still read.
char At(const tRCScan& t, size_t l) {
    if (l >= t.sText.size()) {
        return '\0';
    }
    return t.sText[l] == '\0' ? ' ' : t.sText[l];
}

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\x1a' || c == '\f' || c == '\v';
}

constexpr bool IsPunct(char c) {
    return c == ',' || c == '|' || c == '{' || c == '}' || c == '(' || c == ')';
}

// What a byte may do to a token, one table look per byte: the scanner passes
// over every byte of the script, most of them inside words and indentation.
constexpr uint8_t kBlankByte = 1;   // skipped between tokens (a zero byte too)
constexpr uint8_t kWordEndByte = 2; // may end a word ("/" only where a comment starts)

constexpr std::array<uint8_t, 256> kaByteClass = [] {
    std::array<uint8_t, 256> a{};
    for (int i = 0; i < 256; ++i) {
        const char c = static_cast<char>(i);
        if (c == '\0' || IsBlank(c)) {
            a[i] |= kBlankByte;
        }
        if (c == '\0' || IsBlank(c) || c == '\n' || IsPunct(c) || c == '"' || c == '/') {
            a[i] |= kWordEndByte;
        }
    }
    return a;
}();

uint8_t ByteClass(char c) {
    return kaByteClass[static_cast<unsigned char>(c)];
}

// Skips blanks, line ends and comments; true when a line end was crossed.
bool SkipSpace(tRCScan& t, bool& bMarker) {
    const char* const p = t.sText.data();
    const size_t n = t.sText.size();
    bool bNewLine = t.lPos == 0 || At(t, t.lPos - 1) == '\n';
    bMarker = false;
    for (;;) {
        size_t l = t.lPos;
        while (l < n && (ByteClass(p[l]) & kBlankByte) != 0) {
            ++l;
        }
        t.lPos = l;
        if (l >= n) {
            return bNewLine;
        }
        const char c = p[l]; // no zero byte: that was a blank
        if (c == '\n') {
            ++t.lLine;
            ++t.lPos;
            bNewLine = true;
        } else if (c == '/' && At(t, t.lPos + 1) == '/') {
            // The marker rule of the block scan, so that both see the same lines.
            if (t.bMarkers && IsMarkerTextAt(t.sText, t.lPos, true) &&
                (t.lPos == 0 || At(t, t.lPos - 1) == '\n')) {
                bMarker = true;
                return true;
            }
            while (At(t, t.lPos) != '\0' && At(t, t.lPos) != '\n') {
                ++t.lPos;
            }
        } else if (c == '/' && At(t, t.lPos + 1) == '*') {
            t.lPos += 2;
            while (At(t, t.lPos) != '\0' && !(At(t, t.lPos) == '*' && At(t, t.lPos + 1) == '/')) {
                if (At(t, t.lPos) == '\n') {
                    ++t.lLine;
                    bNewLine = true;
                }
                ++t.lPos;
            }
            if (At(t, t.lPos) != '\0') {
                t.lPos += 2;
            }
        } else {
            return bNewLine;
        }
    }
}

// Words that begin a statement inside a resource body: a line starting with
// one never continues the line before it, even after a trailing comma.
bool IsStatementWord(std::string_view s) {
    static constexpr std::string_view kas[] = {"MENUITEM",      "POPUP",
                                               "CONTROL",       "LTEXT",
                                               "RTEXT",         "CTEXT",
                                               "EDITTEXT",      "PUSHBUTTON",
                                               "DEFPUSHBUTTON", "GROUPBOX",
                                               "CHECKBOX",      "AUTOCHECKBOX",
                                               "RADIOBUTTON",   "AUTORADIOBUTTON",
                                               "COMBOBOX",      "LISTBOX",
                                               "SCROLLBAR",     "ICON",
                                               "STATE3",        "AUTO3STATE",
                                               "PUSHBOX",       "USERBUTTON",
                                               "BEDIT",         "HEDIT",
                                               "IEDIT",         "STYLE",
                                               "EXSTYLE",       "CAPTION",
                                               "FONT",          "CLASS",
                                               "VALUE",         "BLOCK"};
    for (std::string_view sWord : kas) {
        if (IsRCWord(s, sWord)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool IsRCWord(std::string_view sTok, std::string_view sUpper) {
    return SameUpper(sTok, sUpper);
}

bool IsRCBlockOpen(std::string_view sTok) {
    return sTok == "{" || IsRCWord(sTok, "BEGIN");
}

bool IsRCBlockClose(std::string_view sTok) {
    return sTok == "}" || IsRCWord(sTok, "END");
}

namespace {

bool ScanToken(tRCScan& t, std::string_view& sTok) {
    sTok = std::string_view();
    bool bMarker = false;
    t.bLineStart = SkipSpace(t, bMarker);
    t.lTokStart = t.lPos;
    if (bMarker) {
        sTok = kRCMarkerToken;
        return true;
    }
    if (t.lPos >= t.sText.size()) {
        return false;
    }
    const char c = t.sText[t.lPos]; // SkipSpace stops at no zero byte
    if (IsPunct(c)) {
        sTok = t.sText.substr(t.lPos, 1);
        ++t.lPos;
        return true;
    }
    if (c == '"') {
        // A quoted text: "" is a quote inside it, a backslash protects the next byte.
        size_t l = t.lPos + 1;
        for (;;) {
            char d = At(t, l);
            if (d == '\0') {
                break;
            }
            if (d == '\n') {
                ++t.lLine;
            }
            if (d == '\\' && At(t, l + 1) != '\0') {
                if (At(t, l + 1) == '\n') {
                    ++t.lLine;
                }
                l += 2;
                continue;
            }
            if (d == '"') {
                if (At(t, l + 1) == '"') {
                    l += 2;
                    continue;
                }
                ++l;
                break;
            }
            ++l;
        }
        sTok = t.sText.substr(t.lPos, l - t.lPos);
        t.lPos = l;
        return true;
    }
    // A word runs up to the first byte that may end it; "/" ends it only where
    // a comment starts.
    const char* const p = t.sText.data();
    const size_t n = t.sText.size();
    size_t l = t.lPos;
    while (l < n) {
        const char d = p[l];
        if ((ByteClass(d) & kWordEndByte) != 0 &&
            (d != '/' || (l + 1 < n && (p[l + 1] == '/' || p[l + 1] == '*')))) {
            break;
        }
        ++l;
    }
    if (l == t.lPos) { // a lone "/" that starts no comment
        ++l;
    }
    sTok = t.sText.substr(t.lPos, l - t.lPos);
    t.lPos = l;
    return true;
}

bool PeekValid(const tRCScan& t) {
    return t.pPeekText != nullptr && t.pPeekText == t.sText.data() &&
           t.lPeekTextSize == t.sText.size() && t.lPeekFrom == t.lPos &&
           t.bPeekMarkers == t.bMarkers;
}

// Scans the next token into the peek fields without moving the scan.
void FillPeek(const tRCScan& tScan) {
    tRCScan t;
    t.sText = tScan.sText;
    t.lPos = tScan.lPos;
    t.lLine = 0;
    t.bMarkers = tScan.bMarkers;
    t.bLineStart = tScan.bLineStart;
    t.lTokStart = tScan.lTokStart;
    tScan.bPeekFound = ScanToken(t, tScan.sPeekTok);
    tScan.pPeekText = tScan.sText.data();
    tScan.lPeekTextSize = tScan.sText.size();
    tScan.lPeekFrom = tScan.lPos;
    tScan.lPeekEnd = t.lPos;
    tScan.lPeekTokStart = t.lTokStart;
    tScan.lPeekLines = t.lLine;
    tScan.bPeekMarkers = tScan.bMarkers;
    tScan.bPeekLineStart = t.bLineStart;
}

} // namespace

bool NextRCToken(tRCScan& t, std::string_view& sTok) {
    if (!PeekValid(t)) {
        return ScanToken(t, sTok);
    }
    sTok = t.sPeekTok;
    t.pPeekText = nullptr;
    t.lPos = t.lPeekEnd;
    t.lLine += t.lPeekLines;
    t.bLineStart = t.bPeekLineStart;
    t.lTokStart = t.lPeekTokStart;
    return t.bPeekFound;
}

bool PeekRCToken(const tRCScan& tScan, std::string_view& sTok, bool* pbLineStart) {
    if (!PeekValid(tScan)) {
        FillPeek(tScan);
    }
    sTok = tScan.sPeekTok;
    if (pbLineStart) {
        *pbLineStart = tScan.bPeekLineStart;
    }
    return tScan.bPeekFound;
}

void SkipRCLine(tRCScan& t) {
    std::string_view s;
    bool bStart = false;
    while (PeekRCToken(t, s, &bStart) && !bStart) {
        NextRCToken(t, s);
    }
}

void SkipRCDirective(tRCScan& t) {
    for (;;) {
        char c = At(t, t.lPos);
        if (c == '\0') {
            return;
        }
        if (c == '\n') {
            // A backslash at the end of the line continues the directive.
            size_t l = t.lPos;
            while (l > 0 && (At(t, l - 1) == '\r' || At(t, l - 1) == ' ')) {
                --l;
            }
            ++t.lLine;
            ++t.lPos;
            if (l == 0 || At(t, l - 1) != '\\') {
                return;
            }
            continue;
        }
        ++t.lPos;
    }
}

void SkipRCBlock(tRCScan& t) {
    int32_t lDepth = 1;
    std::string_view s;
    while (lDepth > 0 && PeekRCToken(t, s)) {
        if (s == kRCMarkerToken) {
            return; // a marker is never part of a block; the block frame takes it
        }
        NextRCToken(t, s);
        if (s[0] == '#' && t.bLineStart) {
            SkipRCDirective(t);
        } else if (IsRCBlockOpen(s)) {
            ++lDepth;
        } else if (IsRCBlockClose(s)) {
            --lDepth;
        }
    }
}

void ReadRCArgs(tRCScan& t, tRCArgs& tArgs, bool bFromHere) {
    tArgs.asToks.clear();
    tArgs.alEnds.clear();
    std::string_view s;
    std::string_view sPrev;
    bool bStart = false;
    bool bFirst = true;
    while (PeekRCToken(t, s, &bStart)) {
        // A line that ends with a separator or NOT goes on in the next line, and
        // adjacent string literals on consecutive lines are one text.
        bool bJoin = (bFirst && bFromHere) || s == "," || s == "|" || sPrev == "," ||
                     sPrev == "|" || IsRCWord(sPrev, "NOT") ||
                     (s[0] == '"' && !sPrev.empty() && sPrev[0] == '"');
        // (Only a line that would be joined needs the look: any other ends the
        // statement below as well.)
        if (bStart && !bFirst && bJoin && IsStatementWord(s)) {
            break; // "MENUITEM "x", ID," with nothing after the comma
        }
        bFirst = false;
        if ((bStart && !bJoin) || s == kRCMarkerToken || IsRCBlockOpen(s) || IsRCBlockClose(s)) {
            break;
        }
        if (bStart && s[0] == '#') {
            break;
        }
        NextRCToken(t, s);
        sPrev = s;
        if (s == ",") {
            tArgs.alEnds.push_back(tArgs.asToks.size());
        } else {
            tArgs.asToks.push_back(s);
        }
    }
    // The last argument ends with the statement; a statement with no tokens at
    // all has no arguments.
    if (!tArgs.alEnds.empty() || !tArgs.asToks.empty()) {
        tArgs.alEnds.push_back(tArgs.asToks.size());
    }
}

int32_t RCNumberText(std::string_view s, bool* pbFound) {
    uint32_t lSum = 0;
    bool bFound = false;
    size_t i = 0;
    while (i < s.size()) {
        bool bNeg = false;
        while (i < s.size() &&
               (s[i] == '(' || s[i] == ')' || s[i] == ' ' || s[i] == '+' || s[i] == '|')) {
            ++i;
        }
        if (i < s.size() && s[i] == '-') {
            bNeg = true;
            ++i;
        }
        if (i >= s.size()) {
            break;
        }
        uint32_t lVal = 0;
        if (std::isdigit(static_cast<unsigned char>(s[i]))) {
            bFound = true;
            if (s[i] == '0' && i + 1 < s.size() && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
                i += 2;
                while (i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i]))) {
                    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
                    lVal = lVal * 16 + static_cast<uint32_t>(c <= '9' ? c - '0' : c - 'A' + 10);
                    ++i;
                }
            } else {
                while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
                    lVal = lVal * 10 + static_cast<uint32_t>(s[i] - '0');
                    ++i;
                }
            }
            while (i < s.size() && (s[i] == 'L' || s[i] == 'l' || s[i] == 'U' || s[i] == 'u')) {
                ++i;
            }
        } else {
            // A name the reader cannot evaluate counts nothing.
            while (i < s.size() && s[i] != '+' && s[i] != '|' && s[i] != '-' && s[i] != ' ') {
                ++i;
            }
        }
        lSum += bNeg ? 0u - lVal : lVal;
    }
    if (pbFound) {
        *pbFound = bFound;
    }
    return static_cast<int32_t>(lSum);
}

int32_t RCArgNumber(RCArg aArg, bool* pbFound) {
    if (aArg.size() <= 1) { // the usual case: the joined text is the one token
        return RCNumberText(aArg.empty() ? std::string_view() : aArg[0], pbFound);
    }
    std::string s;
    for (std::string_view sTok : aArg) {
        if (!s.empty()) {
            s += ' ';
        }
        s += sTok;
    }
    return RCNumberText(s, pbFound);
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

} // namespace

std::string UnquoteRC(std::string_view s, RCEscapeMode lMode, bool bWide) {
    if (s.empty() || s[0] != '"') {
        return std::string(s);
    }
    s.remove_prefix(1);
    if (!s.empty() && s.back() == '"') {
        // The closing quote, unless it is the second half of a "" pair or escaped;
        // the tokenizer only ends a text at a real closing quote, so it is one.
        s.remove_suffix(1);
    }
    std::string r;
    r.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"' && i + 1 < s.size() && s[i + 1] == '"') {
            r += '"';
            ++i;
            continue;
        }
        if (c != '\\' || i + 1 >= s.size()) {
            r += c;
            continue;
        }
        char d = s[i + 1];
        if (d == '"') {
            r += '"';
            ++i;
            continue;
        }
        // A backslash at the end of a line joins the next line to this one:
        // neither it nor the line end is part of the text.
        if (d == '\n' || (d == '\r' && i + 2 < s.size() && s[i + 2] == '\n')) {
            i += d == '\r' ? 2 : 1;
            continue;
        }
        if (lMode == rcEscKeep && bWide && (d == 'x' || d == 'X')) {
            // Kept escapes are read later as a narrow text's: a wide character
            // becomes the byte itself, or a two-digit escape.
            int lVal = 0;
            size_t n = 0;
            while (n < 4 && i + 2 + n < s.size() && HexDigit(s[i + 2 + n]) >= 0) {
                lVal = lVal * 16 + HexDigit(s[i + 2 + n]);
                ++n;
            }
            if (n > 2) {
                char sz[8];
                std::snprintf(sz, sizeof sz, "\\x%02X", lVal);
                r += lVal > 0xFF ? std::string("?")
                     : lVal >= 0x20 && lVal < 0x7F && lVal != '"' && lVal != '\\'
                         ? std::string(1, static_cast<char>(lVal))
                         : std::string(sz);
                i += 1 + n;
                continue;
            }
        }
        if (lMode == rcEscKeep) {
            r += c;
            if (d == '\\') { // an escaped backslash stays whole
                r += d;
                ++i;
            }
            continue;
        }
        switch (d) {
        case 'r':
            r += '\r';
            ++i;
            continue;
        case 'n':
            r += '\n';
            ++i;
            continue;
        case 't':
            r += '\t';
            ++i;
            continue;
        case '\\':
            r += '\\';
            ++i;
            continue;
        default:
            break;
        }
        if (d == 'x' || d == 'X') {
            int lVal = 0;
            size_t n = 0;
            // A wide text's character is up to four digits, a narrow one's two.
            while (n < (bWide ? 4u : 2u) && i + 2 + n < s.size() && HexDigit(s[i + 2 + n]) >= 0) {
                lVal = lVal * 16 + HexDigit(s[i + 2 + n]);
                ++n;
            }
            if (n == 0) {
                r += c; // malformed: kept as written
                continue;
            }
            // A character the ANSI code page has no byte for shows as "?".
            r += lVal > 0xFF ? '?' : static_cast<char>(lVal);
            i += 1 + n;
            continue;
        }
        if (d >= '0' && d <= '7') {
            int lVal = 0;
            size_t n = 0;
            while (n < 3 && i + 1 + n < s.size() && s[i + 1 + n] >= '0' && s[i + 1 + n] <= '7') {
                lVal = lVal * 8 + (s[i + 1 + n] - '0');
                ++n;
            }
            r += static_cast<char>(lVal & 0xFF);
            i += n;
            continue;
        }
        r += c; // an unknown escape stays as written
    }
    return r;
}

std::string RCArgText(RCArg aArg, RCEscapeMode lMode) {
    std::string r;
    bool bQuoted = false;
    bool bWide = false; // L"..."
    for (std::string_view s : aArg) {
        if (!s.empty() && s[0] == '"') {
            r += UnquoteRC(s, lMode, bWide);
            bQuoted = true;
        }
        bWide = s == "L" || s == "l";
    }
    if (bQuoted) {
        return r;
    }
    for (std::string_view s : aArg) {
        if (!r.empty()) {
            r += ' ';
        }
        r += s;
    }
    return r;
}

std::string_view RCArgName(RCArg aArg) {
    for (std::string_view s : aArg) {
        if (s.empty() || s[0] == '"' || s[0] == '(' || s[0] == ')') {
            continue;
        }
        size_t n = 0;
        bool bNeg = s[0] == '-';
        if (bNeg) {
            return s; // a negative number: no ID
        }
        while (n < s.size() && IsRCNameByte(s[n])) {
            ++n;
        }
        if (n > 0) {
            return s.substr(0, n);
        }
    }
    return std::string_view();
}
