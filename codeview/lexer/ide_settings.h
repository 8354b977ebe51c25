// The code viewer takes its font, keyword case and colours from the IDE's
// settings file, so generated code looks the way it will in the IDE. Reading
// the keys is portable; only the profile lookup itself is the platform's.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct tIdeColour {
    unsigned lMessage; // the control's setter for this colour
    uint32_t lValue;
};

struct tIdeEditorSettings {
    std::string sFontName = "Courier New";
    int lFontSize = 10; // points
    int lKeywordCase = 0;
    std::optional<int> olColorSyntax; // sent only when the key is there
    std::vector<tIdeColour> atColour; // only the keys that are there, in file-key order
};

// Returns the value of a key, or nothing when the key is missing.
using tProfileReader =
    std::function<std::optional<std::string>(const char* szSection, const char* szKey)>;

tIdeEditorSettings ReadIdeEditorSettings(const tProfileReader& pfnRead);

// The value of "&H" + sText the way the IDE wrote colours: hexadecimal digits
// up to the first other character ("FF" is 255, "" or "xyz" is 0).
uint32_t HexValue(std::string_view sText);
// A decimal number with optional sign, up to the first other character.
int DecimalValue(std::string_view sText);
