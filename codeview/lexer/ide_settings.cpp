// Reading the IDE's editor settings (section Editor and section Color).
#include "codeview/lexer/ide_settings.h"

#include "codeview/lexer/edit_messages.h"

#include <algorithm>
#include <array>

namespace {

struct tColourKey {
    const char* szKey;
    unsigned lMessage;
};

constexpr std::array<tColourKey, 14> gatColourKey = {{
    {"AsmFore", wkEmSetAsmFore},
    {"BasFore", wkEmSetBasFore},
    {"RemFore", wkEmSetRemFore},
    {"TextFore", wkEmSetTextFore},
    {"StrFore", wkEmSetStrFore},
    {"WrenkitFore", wkEmSetWrenkitFore},
    {"MarkFore", wkEmSetMarkFore},
    {"AsmBack", wkEmSetAsmBack},
    {"BasBack", wkEmSetBasBack},
    {"RemBack", wkEmSetRemBack},
    {"TextBack", wkEmSetTextBack},
    {"StrBack", wkEmSetStrBack},
    {"WrenkitBack", wkEmSetWrenkitBack},
    {"MarkBack", wkEmSetMarkBack},
}};

// The IDE writes a font name of at most 32 characters and colours of at most 10.
constexpr size_t glFontNameMax = 31; // LOGFONT face names hold 31 characters and the zero
constexpr size_t glColourMax = 10;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    return s;
}

} // namespace

uint32_t HexValue(std::string_view sText) {
    uint32_t lValue = 0;
    for (const char c : TrimLeft(sText)) {
        unsigned lDigit;
        if (c >= '0' && c <= '9') {
            lDigit = static_cast<unsigned>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            lDigit = static_cast<unsigned>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            lDigit = static_cast<unsigned>(c - 'a' + 10);
        } else {
            break;
        }
        lValue = (lValue << 4) | lDigit;
    }
    return lValue;
}

int DecimalValue(std::string_view sText) {
    sText = TrimLeft(sText);
    bool bNegative = false;
    if (!sText.empty() && (sText.front() == '-' || sText.front() == '+')) {
        bNegative = sText.front() == '-';
        sText.remove_prefix(1);
    }
    long long lValue = 0;
    for (const char c : sText) {
        if (c < '0' || c > '9') {
            break;
        }
        lValue = lValue * 10 + (c - '0');
        if (lValue > 0x7FFFFFFF) {
            lValue = 0x7FFFFFFF; // a silly number stays a large one instead of wrapping
        }
    }
    return static_cast<int>(bNegative ? -lValue : lValue);
}

tIdeEditorSettings ReadIdeEditorSettings(const tProfileReader& pfnRead) {
    tIdeEditorSettings t;
    // An empty value counts as missing: it cannot name a font or a size.
    auto Read = [&](const char* szSection, const char* szKey) -> std::optional<std::string> {
        std::optional<std::string> osValue = pfnRead(szSection, szKey);
        if (osValue && osValue->empty()) {
            return std::nullopt;
        }
        return osValue;
    };
    if (auto os = Read("Editor", "FontName")) {
        t.sFontName = os->substr(0, glFontNameMax);
    }
    if (auto os = Read("Editor", "FontSize")) {
        // A size of zero or below would give an unreadable or system-chosen font.
        const int lSize = DecimalValue(*os);
        if (lSize > 0) {
            t.lFontSize = std::min(lSize, 200);
        }
    }
    if (auto os = Read("Editor", "KeyWordCase")) {
        t.lKeywordCase = DecimalValue(*os) == 1 ? 1 : 0;
    }
    if (auto os = Read("Editor", "ColorSyntax")) {
        t.olColorSyntax = DecimalValue(*os);
        if (*t.olColorSyntax == 0) {
            return t; // colouring off: the colours do not matter
        }
    }
    for (const tColourKey& tKey : gatColourKey) {
        if (auto os = Read("Color", tKey.szKey)) {
            t.atColour.push_back({tKey.lMessage, HexValue(os->substr(0, glColourMax))});
        }
    }
    return t;
}
