// The resource-script tokenizer and the small parsers the statement readers
// share: arguments, numbers, quoted texts and their escapes. A script is one
// byte text; the scanner never reads past its end or past a zero byte.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct tRCScan {
    std::string_view sText; // the script (ends at its size or at the first zero byte)
    size_t lPos = 0;
    int32_t lLine = 1;
    bool bMarkers = false;  // "//#Wrenkit" lines are handed to the block logic
    bool bLineStart = true; // the last token was the first of its line
    size_t lTokStart = 0;   // where the last token began

    // The token last peeked and where the scan stands after it: the statement
    // readers peek at nearly every token before they take it, so the taking
    // reuses the peek instead of scanning the same bytes again. The token
    // depends only on the text, the position and bMarkers, which are all kept.
    mutable std::string_view sPeekTok;
    mutable const char* pPeekText = nullptr; // the text peeked in; null when none
    mutable size_t lPeekTextSize = 0;
    mutable size_t lPeekFrom = 0;
    mutable size_t lPeekEnd = 0;
    mutable size_t lPeekTokStart = 0;
    mutable int32_t lPeekLines = 0; // line ends crossed
    mutable bool bPeekMarkers = false;
    mutable bool bPeekLineStart = false;
    mutable bool bPeekFound = false;
};

// The token that stands for a marker line; lTokStart is then the line's start.
inline constexpr std::string_view kRCMarkerToken = "//#Wrenkit";

// The next token into sTok: a quoted text with its quotes (it may span lines),
// one of the characters , | { } ( ), or a run of other non-blank bytes. Blanks,
// line ends and both comment forms are skipped. Returns false at the end.
// A token is a view of the script's own bytes (or kRCMarkerToken), so it stays
// good for as long as the text does: a script of a hundred thousand controls
// is read without copying any of its words.
bool NextRCToken(tRCScan& tScan, std::string_view& sTok);
// The next token without consuming it.
bool PeekRCToken(const tRCScan& tScan, std::string_view& sTok, bool* pbLineStart = nullptr);
// Consumes the rest of the current line (tokens that are not first on a line).
void SkipRCLine(tRCScan& tScan);
// After a BEGIN or "{": consumes the block up to its matching END or "}".
void SkipRCBlock(tRCScan& tScan);
// Skips a preprocessor line whose first token was just read (a trailing
// backslash continues it).
void SkipRCDirective(tRCScan& tScan);

bool IsRCBlockOpen(std::string_view sTok);
bool IsRCBlockClose(std::string_view sTok);
// An ASCII letter, digit or underscore: a byte of a script name. Scripts are
// read as in the C locale, so no byte above 127 is one.
inline bool IsRCNameByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}
// sTok is the word sUpper (given in upper case) in any ASCII case. Script words
// are compared this way, never through an upper-cased copy.
bool IsRCWord(std::string_view sTok, std::string_view sUpper);

// One argument of a statement: its tokens, up to the next "," or the statement end.
using RCArg = std::span<const std::string_view>;

// The arguments of one statement, all tokens in one list. A reader keeps one
// and reads statement after statement into it, so that a long body costs no
// allocation per statement.
struct tRCArgs {
    std::vector<std::string_view> asToks; // every token but the commas, in order
    std::vector<size_t> alEnds;           // where each argument's tokens end in asToks

    size_t size() const { return alEnds.size(); }
    bool empty() const { return alEnds.empty(); }
    // The argument l; an empty one past the last.
    RCArg operator[](size_t l) const {
        if (l >= alEnds.size()) {
            return RCArg();
        }
        size_t lFrom = l == 0 ? 0 : alEnds[l - 1];
        return RCArg(asToks.data() + lFrom, alEnds[l] - lFrom);
    }
};

// Reads the comma-separated arguments of a statement whose keyword was just
// read. A statement goes on past a line end only when the line ended with ","
// or "|" or NOT, or the next line begins with "," or "|"; it stops before a
// token that opens or closes a block and before a marker line. With bFromHere
// the first token is taken even at the start of a line (the statement's first
// argument was read back, as for an accelerator entry). tArgs is emptied first.
void ReadRCArgs(tRCScan& tScan, tRCArgs& tArgs, bool bFromHere = false);

// The value of a numeric argument: decimal, "0x" hexadecimal, terms joined by
// "|" or "+", a leading "-", an "L" suffix; names count 0. bFound tells whether
// the argument held a number at all.
int32_t RCArgNumber(RCArg aArg, bool* pbFound = nullptr);
int32_t RCNumberText(std::string_view s, bool* pbFound = nullptr);

// How a quoted text is taken over.
enum RCEscapeMode {
    rcEscConvert, // \r \n \t \\ \" "" \0 \xHH and octal escapes become their bytes
    rcEscKeep,    // only the quote escapes \" and "" become a quote
};
// The text of a quoted token (quotes removed); a token without quotes is returned
// as is. bWide for the text of L"...", whose \x escapes take up to four digits.
std::string UnquoteRC(std::string_view sTok, RCEscapeMode lMode, bool bWide = false);
// The text of an argument: its quoted tokens joined (adjacent literals), or,
// without any, its tokens joined by blanks.
std::string RCArgText(RCArg aArg, RCEscapeMode lMode);
// The first identifier or number of an argument ("IDC_X" of "IDC_X+1"); "" when
// none. A view of the script's bytes, as the tokens are.
std::string_view RCArgName(RCArg aArg);
