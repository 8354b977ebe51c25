// The text a reader walks: the whole file as bytes, a
// current position and a line counter, and the two ways of taking text from it,
// tokens (NextToken) and arguments (ReadArg).
//
// The text ends at its size. Were a zero byte to end it, a zero byte inside a
// file would end the text early, and the user text after it
// would be missing from the next save, so here a zero byte inside the text is
// skipped like a separator and the text goes on.
#pragma once

#include "model/name_text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A token holds at most this many bytes (the 4096-byte token buffer with its
// terminating zero); a longer token is cut, the rest of it is read and dropped.
constexpr std::size_t kTokenMax = 4095;

// The largest text a reader takes: block rows keep 1-based 32-bit positions and
// lengths of it. Tests lower it to see the refusal.
extern int64_t glMaxSourceBytes;

struct tSourceText {
    std::string_view sText;    // the whole text
    std::size_t lPos = 0;      // 0-based position of the next byte to read
    int32_t lLine = 1;         // 1 + every CR passed so far
    std::size_t lTokStart = 0; // where the last token returned by NextToken began
    bool bInString = false;    // NextToken stopped inside a quoted text (until the line ends)

    bool AtEnd() const { return lPos >= sText.size(); }
    // The byte at l; 0 past the end.
    char At(std::size_t l) const { return l < sText.size() ? sText[l] : '\0'; }
};

// Upper-case copy (ASCII letters only).
std::string UpperText(std::string_view s);
// s equals sUpper (written in upper case) with the case of ASCII letters
// ignored, without a copy: the readers compare nearly every word with this.
bool SameUpper(std::string_view s, std::string_view sUpper);

// The next token: CR ends it (and stays), before a token it is counted and
// skipped; LF and TAB are dropped (a TAB joins two words); blank, "(", ")" and
// "," separate; '"' toggles a string and is copied; "'" outside a string starts
// a comment that ends the token; "_" outside a string after a byte that cannot
// end a name continues the statement in the next line. Returns "" at the end
// of the text.
std::string NextToken(tSourceText& t);
// The same into sTok, whose buffer is reused: the statement loop takes one
// token per line of the file.
void NextToken(tSourceText& t, std::string& sTok);

// An argument: the trimmed text up to the next lSep outside parentheses
// and strings (the separator is consumed) or up to the end of the line (the CR
// stays). Continuations are followed (their CR LF counted and left out),
// comments end the argument.
std::string ReadArg(tSourceText& t, char lSep = ',');
// The same argument without a copy: a view of the text when the argument is
// one stretch of it, else (a continuation or a zero byte inside) a view of
// sJoined, which holds the pieces joined. The view lives as long as the text
// and sJoined stay unchanged.
std::string_view ReadArgView(tSourceText& t, std::string& sJoined, char lSep = ',');

// Skips blanks and TABs; 1 when the line (or the text) ends there.
int32_t AtLineEnd(tSourceText& t);

// Moves past the next CR LF (counting it), or to the end of the text.
void SkipLine(tSourceText& t);
// Moves to the next CR without passing it (the rest of a comment).
void SkipToCR(tSourceText& t);
// At a CR: passes it and a following LF, counting the line.
void PassCRLF(tSourceText& t);
