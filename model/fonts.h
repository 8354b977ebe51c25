// Fonts and colours of the project. gahFont holds portable logical fonts;
// the Win32 layer makes the real font objects from them and caches them by
// element (ClearFonts tells the change listeners wkChgCleared of wkChgFont
// first, so that it can drop its cache).
#pragma once

#include "model/records.h"
#include "model/table.h"

#include <cstdint>
#include <string>
#include <string_view>

extern Table<tLogFont> gahFont;
extern const int32_t& ghFontCnt;

// The screen's pixels per inch (LOGPIXELSY), read once by the Win32 program; 96 by default.
extern int32_t glPixelsPerInch;

// The logical font a description stands for: height = -(ppi x size / 72)
// rounded, face cut to 31 characters, weight 400 for 0, the flags and the
// character set from the description, all other fields 0.
tLogFont LogFontFromDescription(const tFontDesc& tDesc);
// The program's default font, element 1 from start-up: "MS Sans Serif", 8
// points, weight 400, no underline, italic or strike-out, character set 0.
tFontDesc DefaultFontDescription();
// Empties the font table and makes the default font element 1 again, as at start-up.
void ResetDefaultFont();
// The first element whose font matches the description (face equal with case,
// size within half a point, weight equal or the description's 0, the three
// flags equal; character set ignored), else a new element.
int32_t AddFont(const tFontDesc& tDesc);
// The first element with the same face, height, weight, italic, underline and
// strike-out, else a new element.
int32_t AddFontIndirect(const tLogFont& tFont);
// Fills the description from element lElem; 0 when out of range.
int32_t FontDescription(int32_t lElem, tFontDesc& tDesc);
void ClearFonts();

// ---- Colours ------------------------------------------------------------------

// "%Red" and the other written names, "-1", or "RGB(r, g, b)".
std::string ColourText(int32_t lColour);
// "RGB(r, g, b)", "&H..." hexadecimal, an upper-case name ("%RED"; case is
// ignored), or a number; other forms read as 0.
int32_t ColourFromText(std::string_view sText);
// Font attribute names (compared in upper case), other text as a number.
int32_t WeightFromText(std::string_view sText);
int32_t FlagFromText(std::string_view sText);
int32_t CharSetFromText(std::string_view sText);
