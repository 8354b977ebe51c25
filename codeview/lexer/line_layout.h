// From byte positions to screen columns: tab expansion, hit-testing and the
// segments a line is drawn in (its coloured runs split where the selection
// starts and ends). The editor draws on a fixed grid of character cells, so
// columns are all the geometry there is.
#pragma once

#include "codeview/lexer/lexer.h"

#include <string>
#include <string_view>
#include <vector>

// Screen column of byte position lPos (tabs advance to the next multiple of lTabSize).
int ColumnOfPos(std::string_view sLine, int lPos, int lTabSize);
// The byte position nearest to screen column lColumn (a click in the right half
// of a cell lands after it).
int PosOfColumn(std::string_view sLine, int lColumn, int lTabSize);
// The byte position whose cell contains lColumn, for keeping a column while
// moving up and down.
int PosAtOrBeforeColumn(std::string_view sLine, int lColumn, int lTabSize);
// Width of the whole line in columns.
inline int LineColumns(std::string_view sLine, int lTabSize) {
    return ColumnOfPos(sLine, static_cast<int>(sLine.size()), lTabSize);
}

struct tSegment {
    int lColumn;       // first screen column
    std::string sText; // tabs expanded to blanks
    tRunKind lKind;
    bool bMarked; // inside the selection: drawn in the Mark colours
};

// The segments of one lexed line. [lMarkFrom, lMarkTo) is the selected byte
// range of this line (empty when equal).
void LayoutLine(std::string_view sShown, const std::vector<tRun>& atRun, int lTabSize,
                int lMarkFrom, int lMarkTo, std::vector<tSegment>& atSeg);
