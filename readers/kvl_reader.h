// The KVL reader: turns Korvel source text into the project tables. The frame
// around it (markers, blocks, work files, the question for a file without the
// Created marker) is readers/metastatements.h.
#pragma once

#include "model/records.h"

#include <cstdint>
#include <string>
#include <string_view>

// Reads the text into the tables. lClear: ClearProject first. lClipboard: an
// import from the clipboard, with no markers, work files or question. sPath is
// the file the text came from (its folder holds the companion script of a
// #Resource line; "" for clipboard text). Returns 1 when the text was read, 0
// when reading stopped (the user declined the import, a work file could not be
// made, or the text is too large).
int32_t LoadKVL(std::string_view sText, int32_t lClear, int32_t lClipboard,
                const std::string& sPath = std::string());

// A number argument: the value of the text; an expression the reader cannot
// evaluate (value 0 from a text that does not begin with "0") reads as 10.
int32_t NumberArg(std::string_view sArg);

// A style expression: the names of a style expression joined by "Or", looked up in
// WindowStyles and the section lClass (or in ExStyles for bEx), add their bits
// and their style index tokens to the row; numbers add their bits only.
void ReadStyleExpression(tDlg& tRow, std::string_view sExpr, bool bEx, int32_t lClass);
// The text of a quoted caption argument: the quoted pieces joined by "+" are
// concatenated with doubled quotes undoubled; a $Tab piece becomes the two
// characters backslash and t for a menu (bMenu) and a TAB otherwise. Text that
// does not begin with a quote is taken as it stands.
std::string CaptionFromArg(std::string_view sArg, bool bMenu);
// The ID name inside an image reference ("#" + Format$(%IDR_IMGFILE1)); "" when
// there is none or it is no valid name.
std::string ImageRefIDName(std::string_view sArg);

// After the message for a companion script that exists but cannot be read.
extern const char* const gszUnreadCompanionNote;
// The companion script of a #Resource name: the name's file part with its
// extension replaced by ".rc", in the folder of the source path.
std::string CompanionScriptPath(const std::string& sSourcePath, const std::string& sResource);
