// The metastatement source format: the #Wrenkit marker lines of KVL
// files and resource scripts, the block scanner that splits a text into the
// user's text and the designer's blocks, and the reading frame every reader of
// a marked file runs.
//
// A reader walks its text with a tSourceText (readers/source_text.h). The frame
// functions work for both file kinds; the resource-script reader uses them the
// same way the KVL reader does:
//
//   tReadFrame f;
//   if (!StartRCFrame(t, f, lClipboard)) return 0;   // or StartKvlFrame
//   while (!t.AtEnd()) {
//       ... at a "//#Wrenkit " line: t.lPos after that text, FrameMarkerLine(t, f);
//       ... other statements ...
//   }
//   FinishFrame(f);                                   // warns about damaged blocks
#pragma once

#include "model/records.h"
#include "readers/source_text.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Marker codes.
enum : int32_t {
    wkMetaNone = 0,
    wkMetaCreated = 1,
    wkMetaBegin = 2,
    wkMetaEnd = 3,
    wkMetaDeclarations = 4,
    wkMetaCopy = 5,
};

// One marker line as found.
struct tMetaMarker {
    int32_t lFound = 0;     // 1 when a marker line was found, 0 at the end of the text
    int32_t lCode = 0;      // wkMeta...; 0 also for a "#Wrenkit " line that is no marker
    std::string sBlock;     // block name as written; "" when none or unknown
    std::string sArg;       // argument of a KVL Begin line
    std::size_t lStart = 0; // start of the marker line (the end of the text when none)
    int32_t lLine = 0;      // its line number
};

// From t.lPos to the next marker at the start of a line (t.lPos
// itself counts as a line start); t.lPos moves after the marker line, or to
// the end of the text. bRC selects the script form ("//#Wrenkit ").
// A marker's first word stands at lPos ("#WRENKIT ", "//#Wrenkit "), with
// the case rule of the block scan; the script's statement loop asks the same.
bool IsMarkerTextAt(std::string_view sText, std::size_t lPos, bool bRC);
void FindNextMeta(tSourceText& t, tMetaMarker& tOut);
void FindNextRCMeta(tSourceText& t, tMetaMarker& tOut);
// From t.lPos just after "#Wrenkit " ("//#Wrenkit "): fills code,
// block name and argument and moves past the line.
void ParseMetaLine(tSourceText& t, tMetaMarker& tOut);
void ParseRCMetaLine(tSourceText& t, tMetaMarker& tOut);

// The kind of a block name (case-blind) for the file kind; -1 when unknown.
int32_t BlockKindFromName(const std::string& sName, bool bRC);

// The resource of a Begin Accel / Menu / Dialog line: its ID (made with the
// value -1 when the Constants block did not define it), the resource, and its
// links to resources that exist already.
void BeginResourceBlock(const std::string& sBlock, const std::string& sArg);

// The state of one reading: which file kind, whether blocks are read, and the
// damage seen so far.
struct tReadFrame {
    int32_t lRC = 0;        // 1 for a resource script
    int32_t lBlocks = 0;    // 1 when the file is read with its blocks (work file open)
    int32_t lClipboard = 0; // 1 for an import from the clipboard: no markers at all
    // Where the reader stands: inside a block (between a Begin line and its End
    // line), in text after a marker that closes nothing, or elsewhere.
    int32_t lInBlock = 0;
    // The kind of the block whose statements are being read (0 outside any):
    // a statement counts only inside a block of its own kind, so that a damaged
    // file cannot make resources of statements that stand where they do not
    // belong. After a block that has no End line it stays that block's kind.
    int32_t lBlockKind = 0;
    std::string sOpenMarker; // the Begin line of the open block
    int32_t lOpenLine = 0;
    std::vector<std::string> asDamage; // one text per damaged place, in file order
    // A companion script whose own text became its work file: the user text is
    // gathered at the front of that same text, each piece moved down over
    // bytes already read, instead of being copied (nullptr: copied).
    std::string* psInPlace = nullptr;
    std::size_t lInPlaceEnd = 0; // the user text so far ends here
    // Text read as the designer's that may hold the user's own lines: it runs
    // from lUnkeptFrom (line lUnkeptLine) after the last Begin or damaged
    // marker; when the block turns out damaged its lines are noted
    // (gatUnkeptLine, gatRCUnkeptLine), so that a save can ask before it
    // replaces them.
    std::string_view sFrameText;
    std::size_t lUnkeptFrom = 0;
    int32_t lUnkeptLine = 0;
};

// What ScanBlocks stopped at.
enum : int32_t {
    wkScanEnd = 0,   // the end of the text (or a Copy marker)
    wkScanBlock = 1, // a Begin line: its statements follow
    wkScanStray = 2, // a marker that begins no block: the statement loop goes on
};

// User text to the work file, then the next marker.
int32_t ScanBlocks(tSourceText& t, tReadFrame& f);
int32_t ScanRCBlocks(tSourceText& t, tReadFrame& f);

// The question for a file without the Created marker.
extern const char* const gszNotCreatedQuestion;

// Decides how the text is
// read, opens the work or pre-import file and scans up to the first block.
// Returns 0 when reading stops (the user said No, or a file could not be
// made); the text is then not read at all.
int32_t StartKvlFrame(tSourceText& t, tReadFrame& f, int32_t lClipboard);
// psOwned, when set, is the string t.sText views, which the caller gives up:
// a script with blocks then keeps its user text inside it (see psInPlace), and
// t.sText is set to view the work file. FinishFrame cuts it to the user text.
int32_t StartRCFrame(tSourceText& t, tReadFrame& f, int32_t lClipboard,
                     std::string* psOwned = nullptr);

// The statement loop met a marker line; t.lPos stands just after
// "#Wrenkit" and its blank (after "//#Wrenkit " for a script). With blocks an
// End marker lets ScanBlocks go on; any other marker is consumed. Without
// blocks, or for a clipboard import, the line is skipped.
void FrameMarkerLine(tSourceText& t, tReadFrame& f);

// After the statement loop: a work file gathered in place is cut to its user
// text, a block still open at the end of the text is noted, and every damaged
// place is reported in one message so that the user can mend the file before
// a save replaces the text after it.
void FinishFrame(tReadFrame& f);
