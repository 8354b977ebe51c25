// The text of the code editor: a vector of lines without their line ends, and
// the pure operations on it (splitting, joining, replacing a range, offsets,
// words and procedures). Every position is clamped, so no message or mouse
// position from outside can index past a line.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct tTextPos {
    int lLine = 0;
    int lCol = 0; // byte index in the line, 0 to the line's length
    auto operator<=>(const tTextPos&) const = default;
};

struct tCodeText {
    std::vector<std::string> asLine{std::string()}; // never empty
};

// Replaces the whole text; CR LF, LF and CR all end a line. A text ending with
// a line end has an empty last line, so the round trip keeps it.
void SetCodeText(tCodeText& tText, std::string_view sText);
int LineCount(const tCodeText& tText);
int LineLength(const tCodeText& tText, int lLine);

tTextPos ClampPos(const tCodeText& tText, tTextPos tPos);
tTextPos TextEnd(const tCodeText& tText);

// The text between two positions (in either order), lines joined with CR LF.
std::string GetTextRange(const tCodeText& tText, tTextPos tFrom, tTextPos tTo);
// Replaces [tFrom, tTo) with sNew (any line ends) and returns the end of the new text.
tTextPos ReplaceRange(tCodeText& tText, tTextPos tFrom, tTextPos tTo, std::string_view sNew);

// Character offsets as an edit control counts them: each line end is two (CR LF).
long long OffsetFromPos(const tCodeText& tText, tTextPos tPos);
// Offsets below 0 or past the end give the end of the text.
tTextPos PosFromOffset(const tCodeText& tText, long long lOffset);

// The word around a column: [lStart, lEnd) of word characters; an empty range
// at lCol when the column touches none.
struct tColRange {
    int lStart;
    int lEnd;
};
tColRange WordAt(std::string_view sLine, int lCol);

// Start of the previous / next word, the way Ctrl+Left and Ctrl+Right move.
tTextPos WordLeft(const tCodeText& tText, tTextPos tPos);
tTextPos WordRight(const tCodeText& tText, tTextPos tPos);

// The procedure enclosing lLine: its first (SUB / FUNCTION / CALLBACK FUNCTION)
// and last (END SUB / END FUNCTION) line, or nothing when lLine is not inside one.
struct tLineRange {
    int lFirst;
    int lLast;
};
std::optional<tLineRange> FindProcedure(const tCodeText& tText, int lLine);

// One step of undo, as an edit control keeps it: the range the last edit
// produced and the text it replaced. Undoing swaps the two, so a second undo
// redoes.
struct tUndoStep {
    bool bValid = false;
    bool bTyping = false; // typed characters extend the step instead of starting one
    tTextPos tFrom;
    tTextPos tTo;
    std::string sOld;
};

// Replaces a range and records the step; bTyping merges consecutive typing.
tTextPos EditRange(tCodeText& tText, tUndoStep& tUndo, tTextPos tFrom, tTextPos tTo,
                   std::string_view sNew, bool bTyping);
// Undoes the last step; returns the range the undone text now occupies.
std::optional<std::pair<tTextPos, tTextPos>> UndoStep(tCodeText& tText, tUndoStep& tUndo);
