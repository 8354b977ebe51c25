// The font table and the colour and font-attribute texts.
#include "model/fonts.h"

#include "model/change_notice.h"
#include "model/id_names.h"
#include "model/project.h"

#include <cmath>
#include <cstdint>
#include <string>

Table<tLogFont> gahFont;
constinit const int32_t& ghFontCnt = gahFont.CountRef();
int32_t glPixelsPerInch = 96;

namespace {

uint8_t Flag(int32_t l) {
    return l != 0 ? 1 : 0;
}

double SizeOfHeight(int32_t lHeight) {
    int32_t lPpi = glPixelsPerInch > 0 ? glPixelsPerInch : 96;
    return -static_cast<double>(lHeight) * 72.0 / lPpi;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

struct tNamed {
    const char* szName;
    int32_t lValue;
};

// Looks a text up in a name table without regard to case; else reads it as a number.
template <std::size_t N> int32_t NamedOrNumber(const tNamed (&at)[N], std::string_view sText) {
    sText = Trimmed(sText);
    for (const tNamed& t : at) {
        if (SameIDName(sText, t.szName)) {
            return t.lValue;
        }
    }
    return ValueFromText(sText);
}

constexpr tNamed atColour[] = {
    {"%Black", 0x000000}, {"%Blue", 0xFF0000},    {"%Green", 0x00FF00},  {"%Cyan", 0xFFFF00},
    {"%Red", 0x0000FF},   {"%Magenta", 0xFF00FF}, {"%Yellow", 0x00FFFF}, {"%White", 0xFFFFFF},
    {"%Gray", 0x808080},  {"%LtGray", 0xC0C0C0},
};

constexpr tNamed atWeight[] = {
    {"%FW_DONTCARE", 0},    {"%FW_THIN", 100},     {"%FW_EXTRALIGHT", 200}, {"%FW_ULTRALIGHT", 200},
    {"%FW_LIGHT", 300},     {"%FW_NORMAL", 400},   {"%FW_REGULAR", 400},    {"%FW_MEDIUM", 500},
    {"%FW_SEMIBOLD", 600},  {"%FW_DEMIBOLD", 600}, {"%FW_BOLD", 700},       {"%FW_EXTRABOLD", 800},
    {"%FW_ULTRABOLD", 800}, {"%FW_HEAVY", 900},    {"%FW_BLACK", 900},
};

constexpr tNamed atFlag[] = {{"%TRUE", 1}, {"%FALSE", 0}};

constexpr tNamed atCharSet[] = {
    {"%ANSI_CHARSET", 0}, {"%DEFAULT_CHARSET", 1}, {"%SYMBOL_CHARSET", 2}};

} // namespace

tLogFont LogFontFromDescription(const tFontDesc& tDesc) {
    tLogFont t{};
    int32_t lPpi = glPixelsPerInch > 0 ? glPixelsPerInch : 96;
    // Nearest integer, halves to even (the default rounding mode).
    double fPixels = lPpi * static_cast<double>(tDesc.fFontSize) / 72.0;
    // A damaged file may give any size; keep the height a number a font can have.
    if (!std::isfinite(fPixels)) {
        fPixels = 0;
    }
    fPixels = std::fmax(-16384.0, std::fmin(16384.0, fPixels));
    t.lHeight = -static_cast<int32_t>(std::nearbyint(fPixels));
    t.lWeight = tDesc.lWeight != 0 ? tDesc.lWeight : 400;
    t.byItalic = Flag(tDesc.lItalic);
    t.byUnderline = Flag(tDesc.lUnderline);
    t.byStrikeOut = Flag(tDesc.lStrikeout);
    t.byCharSet = static_cast<uint8_t>(tDesc.lCharSet);
    t.szFaceName = tDesc.szFontName.view();
    return t;
}

tFontDesc DefaultFontDescription() {
    tFontDesc t{};
    t.szFontName = "MS Sans Serif";
    t.fFontSize = 8;
    t.lWeight = 400;
    return t;
}

int32_t AddFont(const tFontDesc& tDesc) {
    for (int32_t l = 1; l <= ghFontCnt; ++l) {
        const tLogFont& t = gahFont[l];
        if (t.szFaceName == tDesc.szFontName.view() &&
            std::fabs(SizeOfHeight(t.lHeight) - tDesc.fFontSize) < 0.5 &&
            (t.lWeight == tDesc.lWeight || tDesc.lWeight == 0) &&
            Flag(t.byUnderline) == Flag(tDesc.lUnderline) &&
            Flag(t.byItalic) == Flag(tDesc.lItalic) &&
            Flag(t.byStrikeOut) == Flag(tDesc.lStrikeout)) {
            return l;
        }
    }
    NoteChange(wkChgFont, ghFontCnt + 1, 1);
    return gahFont.Add(LogFontFromDescription(tDesc));
}

int32_t AddFontIndirect(const tLogFont& tFont) {
    for (int32_t l = 1; l <= ghFontCnt; ++l) {
        const tLogFont& t = gahFont[l];
        if (t.szFaceName == tFont.szFaceName && t.lHeight == tFont.lHeight &&
            t.lWeight == tFont.lWeight && Flag(t.byItalic) == Flag(tFont.byItalic) &&
            Flag(t.byUnderline) == Flag(tFont.byUnderline) &&
            Flag(t.byStrikeOut) == Flag(tFont.byStrikeOut)) {
            return l;
        }
    }
    NoteChange(wkChgFont, ghFontCnt + 1, 1);
    return gahFont.Add(tFont);
}

int32_t FontDescription(int32_t lElem, tFontDesc& tDesc) {
    const tLogFont* p = gahFont.Ptr(lElem);
    if (!p) {
        return 0;
    }
    tDesc = tFontDesc{};
    tDesc.szFontName = p->szFaceName.view();
    tDesc.fFontSize = static_cast<float>(SizeOfHeight(p->lHeight));
    tDesc.lWeight = p->lWeight;
    tDesc.lUnderline = Flag(p->byUnderline);
    tDesc.lItalic = Flag(p->byItalic);
    tDesc.lStrikeout = Flag(p->byStrikeOut);
    tDesc.lCharSet = p->byCharSet;
    return 1;
}

void ClearFonts() {
    NoteCleared(wkChgFont);
    gahFont.Release();
}

// ---- Colours and font attributes ----------------------------------------------

std::string ColourText(int32_t lColour) {
    for (const tNamed& t : atColour) {
        if (t.lValue == lColour) {
            return t.szName;
        }
    }
    if (lColour == -1) {
        return "-1";
    }
    uint32_t v = static_cast<uint32_t>(lColour);
    return "RGB(" + std::to_string(v & 0xFF) + ", " + std::to_string((v >> 8) & 0xFF) + ", " +
           std::to_string((v >> 16) & 0xFF) + ")";
}

int32_t ColourFromText(std::string_view sText) {
    sText = Trimmed(sText);
    if (sText.size() >= 3 && SameIDName(sText.substr(0, 3), "RGB")) {
        // "RGB(r, g, b)": three numbers in parentheses, separated by commas.
        std::string_view s = Trimmed(sText.substr(3));
        if (s.empty() || s.front() != '(') {
            return 0;
        }
        std::size_t lClose = s.find(')');
        if (lClose == std::string_view::npos) {
            return 0;
        }
        s = s.substr(1, lClose - 1);
        int64_t alPart[3] = {0, 0, 0};
        for (int i = 0; i < 3; ++i) {
            std::size_t lComma = s.find(',');
            if ((i < 2) != (lComma != std::string_view::npos)) {
                return 0; // not exactly three numbers
            }
            alPart[i] = ValueFromText(s.substr(0, lComma));
            s = lComma == std::string_view::npos ? std::string_view() : s.substr(lComma + 1);
        }
        int64_t v = alPart[0] + 256 * alPart[1] + 65536 * alPart[2];
        return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
    }
    for (const tNamed& t : atColour) {
        if (SameIDName(sText, t.szName)) {
            return t.lValue;
        }
    }
    // "&H..." and plain numbers ("-1" is the system colour); anything else is 0.
    return ValueFromText(sText);
}

int32_t WeightFromText(std::string_view sText) {
    return NamedOrNumber(atWeight, sText);
}

int32_t FlagFromText(std::string_view sText) {
    return NamedOrNumber(atFlag, sText);
}

int32_t CharSetFromText(std::string_view sText) {
    return NamedOrNumber(atCharSet, sText);
}

void ResetDefaultFont() {
    ClearFonts();
    AddFont(DefaultFontDescription());
}
