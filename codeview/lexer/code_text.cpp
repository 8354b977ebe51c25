// Text storage of the code editor. Lines are kept apart so that painting,
// scrolling and hit-testing touch only the lines on screen, whatever the size
// of the text.
#include "codeview/lexer/code_text.h"

#include "codeview/lexer/keywords.h"
#include "codeview/lexer/lexer.h"

#include <algorithm>

namespace {

// Splits at CR LF, LF or CR; always at least one part.
std::vector<std::string> SplitLines(std::string_view sText) {
    size_t lCount = 1;
    for (size_t i = 0; i < sText.size(); ++i) {
        if (sText[i] == '\n' ||
            (sText[i] == '\r' && !(i + 1 < sText.size() && sText[i + 1] == '\n'))) {
            ++lCount;
        }
    }
    std::vector<std::string> asLine;
    asLine.reserve(lCount);
    size_t lStart = 0;
    for (size_t i = 0; i < sText.size(); ++i) {
        const char c = sText[i];
        if (c != '\r' && c != '\n') {
            continue;
        }
        asLine.emplace_back(sText.substr(lStart, i - lStart));
        if (c == '\r' && i + 1 < sText.size() && sText[i + 1] == '\n') {
            ++i;
        }
        lStart = i + 1;
    }
    asLine.emplace_back(sText.substr(lStart));
    return asLine;
}

std::string TrimmedUpper(std::string_view sLine) {
    size_t i = 0;
    while (i < sLine.size() && (sLine[i] == ' ' || sLine[i] == '\t')) {
        ++i;
    }
    return UpperAscii(sLine.substr(i));
}

bool IsProcedureEnd(std::string_view s) {
    return s.starts_with("END SUB") || s.starts_with("END FUNCTION");
}

bool IsProcedureStart(std::string_view s) {
    // "FUNCTION = 5" assigns the result inside a function; it does not start one.
    return s.starts_with("SUB ") || s.starts_with("CALLBACK FUNCTION ") ||
           (s.starts_with("FUNCTION ") && s.find('=') == std::string_view::npos);
}

// 0 blank, 1 word, 2 anything else: what Ctrl+Left/Right skip as one piece.
int CharClass(char c) {
    if (c == ' ' || c == '\t') {
        return 0;
    }
    return IsWordChar(c) ? 1 : 2;
}

} // namespace

void SetCodeText(tCodeText& tText, std::string_view sText) {
    tText.asLine = SplitLines(sText);
}

int LineCount(const tCodeText& tText) {
    return static_cast<int>(tText.asLine.size());
}

int LineLength(const tCodeText& tText, int lLine) {
    if (lLine < 0 || lLine >= LineCount(tText)) {
        return 0;
    }
    return static_cast<int>(tText.asLine[lLine].size());
}

tTextPos ClampPos(const tCodeText& tText, tTextPos tPos) {
    tPos.lLine = std::clamp(tPos.lLine, 0, LineCount(tText) - 1);
    tPos.lCol = std::clamp(tPos.lCol, 0, LineLength(tText, tPos.lLine));
    return tPos;
}

tTextPos TextEnd(const tCodeText& tText) {
    const int lLast = LineCount(tText) - 1;
    return {lLast, LineLength(tText, lLast)};
}

std::string GetTextRange(const tCodeText& tText, tTextPos tFrom, tTextPos tTo) {
    tFrom = ClampPos(tText, tFrom);
    tTo = ClampPos(tText, tTo);
    if (tTo < tFrom) {
        std::swap(tFrom, tTo);
    }
    if (tFrom.lLine == tTo.lLine) {
        return tText.asLine[tFrom.lLine].substr(tFrom.lCol, tTo.lCol - tFrom.lCol);
    }
    size_t lSize = 0;
    for (int l = tFrom.lLine; l <= tTo.lLine; ++l) {
        lSize += tText.asLine[l].size() + 2;
    }
    std::string sOut;
    sOut.reserve(lSize);
    sOut.append(tText.asLine[tFrom.lLine], tFrom.lCol);
    for (int l = tFrom.lLine + 1; l < tTo.lLine; ++l) {
        sOut.append("\r\n").append(tText.asLine[l]);
    }
    sOut.append("\r\n").append(tText.asLine[tTo.lLine], 0, tTo.lCol);
    return sOut;
}

tTextPos ReplaceRange(tCodeText& tText, tTextPos tFrom, tTextPos tTo, std::string_view sNew) {
    tFrom = ClampPos(tText, tFrom);
    tTo = ClampPos(tText, tTo);
    if (tTo < tFrom) {
        std::swap(tFrom, tTo);
    }
    std::vector<std::string> asNew = SplitLines(sNew);
    const std::string sTail = tText.asLine[tTo.lLine].substr(tTo.lCol);
    const tTextPos tEnd{tFrom.lLine + static_cast<int>(asNew.size()) - 1,
                        static_cast<int>(asNew.back().size()) +
                            (asNew.size() == 1 ? tFrom.lCol : 0)};
    asNew.front().insert(0, tText.asLine[tFrom.lLine], 0, tFrom.lCol);
    asNew.back().append(sTail);
    auto itFirst = tText.asLine.begin() + tFrom.lLine;
    const size_t lOld = static_cast<size_t>(tTo.lLine - tFrom.lLine) + 1;
    const size_t lKeep = std::min(lOld, asNew.size());
    std::move(asNew.begin(), asNew.begin() + lKeep, itFirst);
    if (asNew.size() > lOld) {
        tText.asLine.insert(itFirst + lOld, std::make_move_iterator(asNew.begin() + lKeep),
                            std::make_move_iterator(asNew.end()));
    } else if (asNew.size() < lOld) {
        tText.asLine.erase(itFirst + lKeep, itFirst + lOld);
    }
    return tEnd;
}

long long OffsetFromPos(const tCodeText& tText, tTextPos tPos) {
    tPos = ClampPos(tText, tPos);
    long long lOffset = 0;
    for (int l = 0; l < tPos.lLine; ++l) {
        lOffset += static_cast<long long>(tText.asLine[l].size()) + 2;
    }
    return lOffset + tPos.lCol;
}

tTextPos PosFromOffset(const tCodeText& tText, long long lOffset) {
    if (lOffset < 0) {
        return TextEnd(tText);
    }
    for (int l = 0; l < LineCount(tText); ++l) {
        const long long lLen = static_cast<long long>(tText.asLine[l].size());
        if (lOffset <= lLen) {
            return {l, static_cast<int>(lOffset)};
        }
        // An offset between CR and LF belongs to the line end.
        lOffset -= lLen + 2;
        if (lOffset < 0) {
            return {l, static_cast<int>(lLen)};
        }
    }
    return TextEnd(tText);
}

tColRange WordAt(std::string_view sLine, int lCol) {
    const int n = static_cast<int>(sLine.size());
    lCol = std::clamp(lCol, 0, n);
    int lStart = lCol;
    if (!(lCol < n && IsWordChar(sLine[lCol]))) {
        if (lCol > 0 && IsWordChar(sLine[lCol - 1])) {
            lStart = lCol - 1;
        } else {
            return {lCol, lCol < n ? lCol + 1 : lCol};
        }
    }
    while (lStart > 0 && IsWordChar(sLine[lStart - 1])) {
        --lStart;
    }
    int lEnd = lStart;
    while (lEnd < n && IsWordChar(sLine[lEnd])) {
        ++lEnd;
    }
    return {lStart, lEnd};
}

tTextPos WordLeft(const tCodeText& tText, tTextPos tPos) {
    tPos = ClampPos(tText, tPos);
    if (tPos.lCol == 0) {
        return tPos.lLine > 0 ? tTextPos{tPos.lLine - 1, LineLength(tText, tPos.lLine - 1)} : tPos;
    }
    const std::string& s = tText.asLine[tPos.lLine];
    int i = tPos.lCol;
    while (i > 0 && CharClass(s[i - 1]) == 0) {
        --i;
    }
    if (i > 0) {
        const int lClass = CharClass(s[i - 1]);
        while (i > 0 && CharClass(s[i - 1]) == lClass) {
            --i;
        }
    }
    return {tPos.lLine, i};
}

tTextPos WordRight(const tCodeText& tText, tTextPos tPos) {
    tPos = ClampPos(tText, tPos);
    const std::string& s = tText.asLine[tPos.lLine];
    const int n = static_cast<int>(s.size());
    if (tPos.lCol == n) {
        return tPos.lLine + 1 < LineCount(tText) ? tTextPos{tPos.lLine + 1, 0} : tPos;
    }
    int i = tPos.lCol;
    const int lClass = CharClass(s[i]);
    while (i < n && lClass != 0 && CharClass(s[i]) == lClass) {
        ++i;
    }
    while (i < n && CharClass(s[i]) == 0) {
        ++i;
    }
    return {tPos.lLine, i};
}

std::optional<tLineRange> FindProcedure(const tCodeText& tText, int lLine) {
    if (lLine < 0 || lLine >= LineCount(tText)) {
        return std::nullopt;
    }
    int lFirst = -1;
    for (int l = lLine; l >= 0; --l) {
        const std::string s = TrimmedUpper(tText.asLine[l]);
        // The caret line may itself be the END line of the procedure it closes.
        if (l < lLine && IsProcedureEnd(s)) {
            return std::nullopt;
        }
        if (IsProcedureStart(s)) {
            lFirst = l;
            break;
        }
    }
    if (lFirst < 0) {
        return std::nullopt;
    }
    for (int l = lFirst + 1; l < LineCount(tText); ++l) {
        if (IsProcedureEnd(TrimmedUpper(tText.asLine[l]))) {
            return tLineRange{lFirst, l};
        }
    }
    return std::nullopt;
}

tTextPos EditRange(tCodeText& tText, tUndoStep& tUndo, tTextPos tFrom, tTextPos tTo,
                   std::string_view sNew, bool bTyping) {
    tFrom = ClampPos(tText, tFrom);
    tTo = ClampPos(tText, tTo);
    if (tTo < tFrom) {
        std::swap(tFrom, tTo);
    }
    const bool bExtend =
        bTyping && tUndo.bValid && tUndo.bTyping && tFrom == tTo && tFrom == tUndo.tTo;
    std::string sOld = GetTextRange(tText, tFrom, tTo);
    const tTextPos tEnd = ReplaceRange(tText, tFrom, tTo, sNew);
    if (bExtend) {
        tUndo.tTo = tEnd;
    } else {
        tUndo = {true, bTyping, tFrom, tEnd, std::move(sOld)};
    }
    return tEnd;
}

std::optional<std::pair<tTextPos, tTextPos>> UndoStep(tCodeText& tText, tUndoStep& tUndo) {
    if (!tUndo.bValid) {
        return std::nullopt;
    }
    std::string sNow = GetTextRange(tText, tUndo.tFrom, tUndo.tTo);
    const tTextPos tEnd = ReplaceRange(tText, tUndo.tFrom, tUndo.tTo, tUndo.sOld);
    tUndo = {true, false, tUndo.tFrom, tEnd, std::move(sNow)};
    return std::pair{tUndo.tFrom, tEnd};
}
