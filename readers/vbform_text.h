// How the form reader takes a form file apart: lines, words, property names and
// values. Form files are line-oriented ("Name = value  'comment"), so the
// reader works a line at a time: a quoted caption keeps its blanks, a line
// ending in LF alone ends the line just as CR LF does, and bytes of any code
// page pass through unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The line that starts at lPos, without its line end; lPos moves past the line
// end (CR LF, CR or LF). A zero byte ends the text. False at the end of text.
bool NextFormLine(std::string_view sText, std::size_t& lPos, std::string_view& sLine);

// Blanks and TABs removed at both ends.
std::string_view TrimFormBlanks(std::string_view s);

// The first word of the text (up to a blank, TAB or "="), the text after it
// (trimmed) in sRest.
std::string_view FirstFormWord(std::string_view sLine, std::string_view& sRest);

// ASCII case-blind equality.
bool SameFormWord(std::string_view a, std::string_view b);

// A property line "Name = value": the trimmed name before the first "=" and
// the trimmed value after it. False when the line has no "=" or no name.
bool SplitFormProperty(std::string_view sLine, std::string_view& sName, std::string_view& sValue);

// The text of a value: a quoted text without its quotes (a doubled quote
// stands for one); a reference into the companion binary file ("Form1.frx":
// 0000) is empty text, since its bytes are not in the form file; an unquoted
// value runs up to its comment.
std::string FormValueText(std::string_view sValue);

// The number of a value: decimal (with sign, fraction and exponent), "&H"
// hexadecimal or "&O" octal (a 32-bit pattern, so "&H80000005&" is negative);
// anything else is 0. The trailing type suffix and comment are ignored.
double FormValueNumber(std::string_view sValue);

// The number of a value cut to a whole number and held within the 32-bit range.
int32_t FormValueLong(std::string_view sValue);

// The 32-bit pattern of a value ("&HFFFFFFFF" and -1 are the same colour);
// decimal values outside the 32-bit range are held within it.
uint32_t FormValueBits(std::string_view sValue);
