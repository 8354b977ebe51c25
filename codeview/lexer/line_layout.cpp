// Tab expansion and selection splitting, shared by painting and hit-testing
// so that the caret always sits where the text is drawn.
#include "codeview/lexer/line_layout.h"

#include <algorithm>

namespace {

int TabSize(int lTabSize) {
    return lTabSize > 0 ? lTabSize : 1;
}

int NextColumn(char c, int lColumn, int lTabSize) {
    return c == '\t' ? (lColumn / lTabSize + 1) * lTabSize : lColumn + 1;
}

} // namespace

int ColumnOfPos(std::string_view sLine, int lPos, int lTabSize) {
    lTabSize = TabSize(lTabSize);
    lPos = std::clamp(lPos, 0, static_cast<int>(sLine.size()));
    int lColumn = 0;
    for (int i = 0; i < lPos; ++i) {
        lColumn = NextColumn(sLine[i], lColumn, lTabSize);
    }
    return lColumn;
}

int PosOfColumn(std::string_view sLine, int lColumn, int lTabSize) {
    lTabSize = TabSize(lTabSize);
    int lAt = 0;
    for (int i = 0; i < static_cast<int>(sLine.size()); ++i) {
        const int lNext = NextColumn(sLine[i], lAt, lTabSize);
        if (lColumn < lNext) {
            // Nearer to the cell's right edge: after the character.
            return (lColumn - lAt) * 2 >= lNext - lAt ? i + 1 : i;
        }
        lAt = lNext;
    }
    return static_cast<int>(sLine.size());
}

int PosAtOrBeforeColumn(std::string_view sLine, int lColumn, int lTabSize) {
    lTabSize = TabSize(lTabSize);
    int lAt = 0;
    for (int i = 0; i < static_cast<int>(sLine.size()); ++i) {
        const int lNext = NextColumn(sLine[i], lAt, lTabSize);
        if (lColumn < lNext) {
            return i;
        }
        lAt = lNext;
    }
    return static_cast<int>(sLine.size());
}

void LayoutLine(std::string_view sShown, const std::vector<tRun>& atRun, int lTabSize,
                int lMarkFrom, int lMarkTo, std::vector<tSegment>& atSeg) {
    lTabSize = TabSize(lTabSize);
    atSeg.clear();
    int lColumn = 0;
    for (const tRun& tRun : atRun) {
        int i = tRun.lStart;
        const int lEnd = tRun.lStart + tRun.lLen;
        while (i < lEnd) {
            // Pieces end at the run's end and at the selection's edges.
            const bool bMarked = i >= lMarkFrom && i < lMarkTo;
            int lStop = lEnd;
            if (i < lMarkFrom) {
                lStop = std::min(lStop, lMarkFrom);
            } else if (i < lMarkTo) {
                lStop = std::min(lStop, lMarkTo);
            }
            tSegment tSeg{lColumn, std::string(), tRun.lKind, bMarked};
            for (; i < lStop; ++i) {
                const int lNext = NextColumn(sShown[i], lColumn, lTabSize);
                if (sShown[i] == '\t') {
                    tSeg.sText.append(static_cast<size_t>(lNext - lColumn), ' ');
                } else {
                    tSeg.sText.push_back(sShown[i]);
                }
                lColumn = lNext;
            }
            atSeg.push_back(std::move(tSeg));
        }
    }
}
