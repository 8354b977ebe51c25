// The work files and pre-import files of the document (model/document.h),
// kept in memory. Memory serves as well as temporary files as long as the
// writers get the same bytes.
#pragma once

#include "model/document.h"
#include "model/records.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Creating a work file can fail on a real disk; in memory only when memory runs
// out. Tests install a function that returns an error number (61 disk full...)
// to see the reader's message; nullptr (the default) always succeeds.
extern int32_t (*gpfnWorkFileFails)();

// Opens (creates) the file empty; returns 0 when done, else the error number
// (the caller shows the message and stops reading). lMost, the size of the
// text the file is cut from, is set aside at once: a big file's user text
// then never moves while it is collected.
int32_t OpenWorkFile(tWorkFile& tFile, std::size_t lMost = 0);
// Appends the bytes; returns the 1-based position where they start.
int32_t AppendWorkFile(tWorkFile& tFile, std::string_view sBytes);
// The lLen bytes at the 1-based lFilePos; bytes outside the text are left out.
std::string WorkFileText(const tWorkFile& tFile, int32_t lFilePos, int32_t lLen);
// The user text of a kind-0 row of gatBlock (from gtDoc.tWork); "" for any
// other kind.
std::string BlockUserText(const tBlock& tRow);
// Closes and empties one file, or all four (the close command).
void CloseWorkFile(tWorkFile& tFile);
void CloseWorkFiles();

// A line of the user's that the last reading put where generated code goes:
// the text after a damaged #Wrenkit line, up to the next one. A save replaces
// it unless the new text holds the same line again.
struct tUnkeptLine {
    int32_t lLine;     // line number in the file that was read
    std::string sText; // the line, without blanks around it
};
extern std::vector<tUnkeptLine> gatUnkeptLine;   // of the KVL file
extern std::vector<tUnkeptLine> gatRCUnkeptLine; // of the companion script
// Notes the lines of sText (blank ones left out); the first is line lLine.
void NoteUnkeptLines(std::vector<tUnkeptLine>& atLines, std::string_view sText, int32_t lLine);
// "Line N: text" for every unkept line that sNew does not hold: a line is
// held when sNew has it as often as the kept user text sKept and the unkept
// lines together (an "End Function" of the user's is not held by another
// function's "End Function").
std::vector<std::string> LinesMissingFrom(const std::vector<tUnkeptLine>& atLines,
                                          std::string_view sKept, std::string_view sNew);
