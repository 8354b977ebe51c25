#include "readers/source_text.h"

#include <array>

int64_t glMaxSourceBytes = 0x7FFFFFFE;

std::string UpperText(std::string_view s) {
    std::string sOut(s);
    for (char& c : sOut) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return sOut;
}

bool SameUpper(std::string_view s, std::string_view sUpper) {
    if (s.size() != sUpper.size()) {
        return false;
    }
    for (std::size_t l = 0; l < s.size(); ++l) {
        char c = s[l];
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        if (c != sUpper[l]) {
            return false;
        }
    }
    return true;
}

void PassCRLF(tSourceText& t) {
    t.bInString = false;
    if (t.At(t.lPos) == '\r' && !t.AtEnd()) {
        ++t.lPos;
        ++t.lLine;
        if (t.At(t.lPos) == '\n' && !t.AtEnd()) {
            ++t.lPos;
        }
    }
}

void SkipToCR(tSourceText& t) {
    std::size_t l = t.sText.find('\r', t.lPos);
    t.lPos = l == std::string_view::npos ? t.sText.size() : l;
}

void SkipLine(tSourceText& t) {
    SkipToCR(t);
    PassCRLF(t);
}

namespace {

// "_" outside a string after a byte that cannot end a name: the statement goes
// on in the next line.
bool IsContinuation(const tSourceText& t) {
    return t.At(t.lPos) == '_' && (t.lPos == 0 || !IsIdentByte(t.sText[t.lPos - 1]));
}

// The bytes an argument's reading must look at: the line end, a zero byte and
// the quote always, outside a quoted text also the comment mark, "_", the
// parentheses and the separator.
constexpr bool IsArgStop(char c, bool bInString, char lSep) {
    if (c == '\r' || c == '\0' || c == '"') {
        return true;
    }
    return !bInString && (c == '\'' || c == '_' || c == '(' || c == ')' || c == lSep);
}

// IsArgStop as tables, one entry per byte, for the two cases nearly every byte
// of a file passes through: inside a quoted text, and outside one with the
// comma as the separator.
using StopTable = std::array<bool, 256>;
constexpr StopTable MakeStopTable(bool bInString) {
    StopTable a{};
    for (int c = 0; c < 256; ++c) {
        a[static_cast<std::size_t>(c)] = IsArgStop(static_cast<char>(c), bInString, ',');
    }
    return a;
}
constexpr StopTable kStopInString = MakeStopTable(true);
constexpr StopTable kStopOutside = MakeStopTable(false);

// The position of the first byte at or after l that the table stops at, or n.
std::size_t SkipPlain(const char* p, std::size_t l, std::size_t n, const StopTable& a) {
    while (l < n && !a[static_cast<unsigned char>(p[l])]) {
        ++l;
    }
    return l;
}

} // namespace

std::string NextToken(tSourceText& t) {
    std::string sTok;
    NextToken(t, sTok);
    return sTok;
}

void NextToken(tSourceText& t, std::string& sTok) {
    sTok.clear();
    bool& bInString = t.bInString; // a blank inside a string ends a token, not the string
    bool bStarted = false;
    auto Append = [&](char c) {
        if (!bStarted) {
            t.lTokStart = t.lPos;
            bStarted = true;
        }
        if (sTok.size() < kTokenMax) {
            sTok.push_back(c);
        }
        ++t.lPos;
    };
    while (!t.AtEnd()) {
        char c = t.sText[t.lPos];
        switch (c) {
        case '\r':
            bInString = false; // no string goes on past its line
            if (bStarted) {
                return;
            }
            ++t.lPos;
            ++t.lLine;
            continue;
        case '\n':
        case '\t':
            ++t.lPos;
            continue;
        case '\0':
        case ' ':
        case '(':
        case ')':
        case ',':
            ++t.lPos;
            if (bStarted) {
                return;
            }
            continue;
        case '"':
            bInString = !bInString;
            Append(c);
            continue;
        case '\'':
            if (bInString) {
                Append(c);
                continue;
            }
            SkipToCR(t);
            if (bStarted) {
                return;
            }
            continue;
        case '_':
            if (!bInString && IsContinuation(t)) {
                SkipLine(t);
                continue;
            }
            Append(c);
            continue;
        default:
            Append(c);
            continue;
        }
    }
}

std::string ReadArg(tSourceText& t, char lSep) {
    std::string sJoined;
    return std::string(ReadArgView(t, sJoined, lSep));
}

std::string_view ReadArgView(tSourceText& t, std::string& sJoined, char lSep) {
    t.bInString = false; // an argument keeps its own count of quotes
    bool bInString = false;
    int32_t lDepth = 0;
    // The bytes kept are taken in runs, from lRun up to the position. The
    // first run is only remembered: an argument is nearly always one run, and
    // then it is handed back as a view of the text, without a copy. Only a
    // second run (after a continuation or a zero byte) joins them in sJoined.
    std::size_t lRun = t.lPos;
    std::string_view sFirst;
    bool bHaveFirst = false;
    bool bJoined = false;
    auto Flush = [&]() {
        if (t.lPos == lRun) {
            return;
        }
        const std::string_view sPiece = t.sText.substr(lRun, t.lPos - lRun);
        if (!bHaveFirst) {
            sFirst = sPiece;
            bHaveFirst = true;
            return;
        }
        if (!bJoined) {
            sJoined.assign(sFirst);
            bJoined = true;
        }
        sJoined.append(sPiece);
    };
    const std::size_t n = t.sText.size();
    while (!t.AtEnd()) {
        // Plain bytes are passed in a tight loop; only the bytes below decide.
        if (bInString) {
            t.lPos = SkipPlain(t.sText.data(), t.lPos, n, kStopInString);
        } else if (lSep == ',') {
            t.lPos = SkipPlain(t.sText.data(), t.lPos, n, kStopOutside);
        } else {
            while (t.lPos < n && !IsArgStop(t.sText[t.lPos], false, lSep)) {
                ++t.lPos;
            }
        }
        if (t.AtEnd()) {
            break;
        }
        char c = t.sText[t.lPos];
        if (c == '\r') {
            break; // the end of the line (also of an unclosed string)
        }
        if (c == '\0') {
            Flush();
            ++t.lPos;
            lRun = t.lPos;
            continue;
        }
        if (bInString) {
            if (c == '"') {
                bInString = false;
            }
            ++t.lPos;
            continue;
        }
        if (c == '"') {
            bInString = true;
        } else if (c == '\'') {
            Flush();
            SkipToCR(t);
            lRun = t.lPos;
            break;
        } else if (c == '_' && IsContinuation(t)) {
            Flush();
            SkipLine(t);
            lRun = t.lPos;
            continue;
        } else if (c == '(') {
            ++lDepth;
        } else if (c == ')') {
            --lDepth;
        } else if (c == lSep && lDepth <= 0) {
            Flush();
            ++t.lPos;
            lRun = t.lPos;
            break;
        }
        ++t.lPos;
    }
    Flush();
    return TrimText(bJoined ? std::string_view(sJoined) : sFirst);
}

int32_t AtLineEnd(tSourceText& t) {
    while (!t.AtEnd() && (t.sText[t.lPos] == ' ' || t.sText[t.lPos] == '\t')) {
        ++t.lPos;
    }
    return t.AtEnd() || t.sText[t.lPos] == '\r' || t.sText[t.lPos] == '\'' ? 1 : 0;
}
