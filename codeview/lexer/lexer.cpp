// The colouring rules of the two source languages. Each line is scanned once
// from left to right; a line never depends on the lines before it, so the
// control can colour exactly the lines it repaints.
#include "codeview/lexer/lexer.h"

#include "codeview/lexer/keywords.h"

namespace {

struct tLexState {
    std::string_view sLine;
    const tLexOptions& tOpt;
    std::vector<tRun>& atRun;
    std::string& sShown;
    int lDone = 0; // everything before this position has a run
};

void AddRun(tLexState& t, int lEnd, tRunKind lKind) {
    if (lEnd <= t.lDone) {
        return;
    }
    if (!t.atRun.empty() && t.atRun.back().lKind == lKind) {
        t.atRun.back().lLen += lEnd - t.lDone;
    } else {
        t.atRun.push_back({t.lDone, lEnd - t.lDone, lKind});
    }
    t.lDone = lEnd;
}

int LineLength(const tLexState& t) {
    return static_cast<int>(t.sLine.size());
}

// Position of the first ";" or "'" at or after lFrom, or the line end: where
// inline assembler stops and its comment begins.
int AsmEnd(const tLexState& t, int lFrom) {
    for (int i = lFrom; i < LineLength(t); ++i) {
        if (t.sLine[i] == ';' || t.sLine[i] == '\'') {
            return i;
        }
    }
    return LineLength(t);
}

void AsmToLineEnd(tLexState& t, int lFrom) {
    AddRun(t, AsmEnd(t, lFrom), wkRunAsm);
    AddRun(t, LineLength(t), wkRunComment);
}

// A finished BASIC word [lStart, lEnd). Returns true when it took the rest of the line.
bool FinishBasicWord(tLexState& t, int lStart, int lEnd) {
    AddRun(t, lStart, wkRunText);
    const std::string sUpper = UpperAscii(t.sLine.substr(lStart, lEnd - lStart));
    if (IsInKeywordIndex(BasicKeywordIndex(), sUpper)) {
        if (sUpper == "#WRENKIT") {
            t.sShown.replace(lStart, 8, t.tOpt.lKeywordCase == 0 ? "#Wrenkit" : "#WRENKIT");
            AddRun(t, LineLength(t), wkRunMeta);
            return true;
        }
        if (t.tOpt.lKeywordCase == 1) {
            t.sShown.replace(lStart, sUpper.size(), sUpper);
        }
        AddRun(t, lEnd, wkRunKeyword);
        return false;
    }
    if (sUpper == "REM") {
        AddRun(t, LineLength(t), wkRunComment);
        return true;
    }
    if (sUpper == "ASM") {
        AsmToLineEnd(t, lEnd);
        return true;
    }
    AddRun(t, lEnd, wkRunText);
    return false;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A double-quoted text starting at lQuote; returns the position after it, or
// 0 when there is no closing quote on the line.
int StringEnd(const tLexState& t, int lQuote) {
    const size_t lClose = t.sLine.find('"', lQuote + 1);
    return lClose == std::string_view::npos ? 0 : static_cast<int>(lClose) + 1;
}

void LexBasic(tLexState& t) {
    const int n = LineLength(t);
    int lWord = -1;
    int i = 0;
    while (i < n) {
        const char c = t.sLine[i];
        if (IsWordChar(c)) {
            if (lWord < 0) {
                lWord = i;
            }
            ++i;
            continue;
        }
        if (lWord >= 0) {
            if (FinishBasicWord(t, lWord, i)) {
                return;
            }
            lWord = -1;
        }
        if (c == '\'') {
            AddRun(t, i, wkRunText);
            AddRun(t, n, wkRunComment);
            return;
        }
        if (c == '"') {
            if (const int lEnd = StringEnd(t, i)) {
                AddRun(t, i, wkRunText);
                AddRun(t, lEnd, wkRunString);
                i = lEnd;
                continue;
            }
        } else if (c == '!' && (i == 0 || IsBlank(t.sLine[i - 1]))) {
            AddRun(t, i, wkRunText);
            AsmToLineEnd(t, i);
            return;
        }
        ++i;
    }
    if (lWord >= 0 && FinishBasicWord(t, lWord, n)) {
        return;
    }
    AddRun(t, n, wkRunText);
}

void LexRc(tLexState& t) {
    const int n = LineLength(t);
    int lWord = -1;
    int i = 0;
    auto FinishWord = [&](int lEnd) {
        AddRun(t, lWord, wkRunText);
        const std::string sUpper = UpperAscii(t.sLine.substr(lWord, lEnd - lWord));
        AddRun(t, lEnd, IsInKeywordIndex(RcKeywordIndex(), sUpper) ? wkRunKeyword : wkRunText);
        lWord = -1;
    };
    while (i < n) {
        const char c = t.sLine[i];
        if (IsWordChar(c)) {
            if (lWord < 0) {
                lWord = i;
            }
            ++i;
            continue;
        }
        if (lWord >= 0) {
            FinishWord(i);
        }
        if (c == '/' && i + 1 < n && t.sLine[i + 1] == '/') {
            AddRun(t, i, wkRunText);
            AddRun(t, n, wkRunComment);
            return;
        }
        if (c == '"') {
            if (const int lEnd = StringEnd(t, i)) {
                AddRun(t, i, wkRunText);
                AddRun(t, lEnd, wkRunString);
                i = lEnd;
                continue;
            }
        }
        ++i;
    }
    if (lWord >= 0) {
        FinishWord(n);
    }
    AddRun(t, n, wkRunText);
}

} // namespace

void LexLine(std::string_view sLine, const tLexOptions& tOpt, std::vector<tRun>& atRun,
             std::string& sShown) {
    atRun.clear();
    sShown.assign(sLine);
    tLexState t{sLine, tOpt, atRun, sShown};
    if (tOpt.bColourSyntax && tOpt.lMode == wkModeBasic) {
        LexBasic(t);
    } else if (tOpt.bColourSyntax && tOpt.lMode == wkModeRc) {
        LexRc(t);
    } else {
        AddRun(t, LineLength(t), wkRunText);
    }
}
