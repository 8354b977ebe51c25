// Colouring of one line of source text: the line becomes a sequence of runs,
// each drawn in the colours of its kind. The control only paints the runs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum tRunKind : unsigned char {
    wkRunText,    // plain text, blanks and operators
    wkRunKeyword, // a word of the mode's keyword list
    wkRunComment, // "'" / REM / "//" to the end of the line, or what follows inline assembler
    wkRunString,  // a double-quoted text with both quotes
    wkRunAsm,     // inline assembler ("!" or ASM) up to its comment
    wkRunMeta,    // a #WRENKIT metastatement line
};

struct tRun {
    int lStart;
    int lLen;
    tRunKind lKind;
};

struct tLexOptions {
    int lMode = 2; // wkModePlain, wkModeBasic or wkModeRc
    bool bColourSyntax = true;
    int lKeywordCase = 1; // 1: BASIC keywords shown in upper case; 0: as written
};

// The runs of sLine, covering it from start to end without gaps; adjacent runs
// of one kind are merged. sShown receives the line as it is drawn: the same
// length, with keyword case applied.
void LexLine(std::string_view sLine, const tLexOptions& tOpt, std::vector<tRun>& atRun,
             std::string& sShown);

// The characters that make up words: letters, digits and "#$%&?_".
inline bool IsWordChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '#' ||
           c == '$' || c == '%' || c == '&' || c == '?' || c == '_';
}
