#include "model/accel_keys.h"

#include "model/project.h"

#include <cctype>

namespace {

struct KeyName {
    uint8_t byKey;
    const char* sCode;
    const char* sDisplay;
};

// The key names (letters, digits and function keys are made from their codes).
// Mouse buttons, Break, the keypad keys and the two locks get the names printed
// on the keys, so that a menu shows "Ctrl+Num +" rather than a bare "Ctrl+".
const KeyName kKeys[] = {
    {1, "VK_LBUTTON", "Left Button"},
    {2, "VK_RBUTTON", "Right Button"},
    {3, "VK_CANCEL", "Break"},
    {4, "VK_MBUTTON", "Middle Button"},
    {8, "VK_BACK", "Backspace"},
    {9, "VK_TAB", "Tab"},
    {10, "VK_LINEFEED", "LineFeed"},
    {12, "VK_CLEAR", "Clear"},
    {13, "VK_RETURN", "Enter"},
    {16, "VK_SHIFT", "Shift"},
    {17, "VK_CONTROL", "Ctrl"},
    {18, "VK_MENU", "Alt"},
    {19, "VK_PAUSE", "Pause"},
    {20, "VK_CAPITAL", "Caps"},
    {27, "VK_ESCAPE", "Esc"},
    {32, "VK_SPACE", "Space"},
    {33, "VK_PGUP", "PgUp"},
    {34, "VK_PGDN", "PgDn"},
    {35, "VK_END", "End"},
    {36, "VK_HOME", "Home"},
    {37, "VK_LEFT", "Left"},
    {38, "VK_UP", "Up"},
    {39, "VK_RIGHT", "Right"},
    {40, "VK_DOWN", "Down"},
    {41, "VK_SELECT", "Select"},
    {42, "VK_PRINT", "Print"},
    {43, "VK_EXECUTE", "Execute"},
    {44, "VK_SNAPSHOT", "Snapshot"},
    {45, "VK_INSERT", "Ins"},
    {46, "VK_DELETE", "Del"},
    {47, "VK_HELP", "Help"},
    {96, "VK_NUMPAD0", "Num 0"},
    {97, "VK_NUMPAD1", "Num 1"},
    {98, "VK_NUMPAD2", "Num 2"},
    {99, "VK_NUMPAD3", "Num 3"},
    {100, "VK_NUMPAD4", "Num 4"},
    {101, "VK_NUMPAD5", "Num 5"},
    {102, "VK_NUMPAD6", "Num 6"},
    {103, "VK_NUMPAD7", "Num 7"},
    {104, "VK_NUMPAD8", "Num 8"},
    {105, "VK_NUMPAD9", "Num 9"},
    {106, "VK_MULTIPLY", "Num *"},
    {107, "VK_ADD", "Num +"},
    {108, "VK_SEPARATOR", "Num Separator"},
    {109, "VK_SUBTRACT", "Num -"},
    {110, "VK_DECIMAL", "Num ."},
    {111, "VK_DIVIDE", "Num /"},
    {144, "VK_NUMLOCK", "Num Lock"},
    {145, "VK_SCROLL", "Scroll Lock"},
};

constexpr uint8_t kF1 = 112, kF24 = 135;

const KeyName* FindKey(uint8_t byKey) {
    for (const KeyName& t : kKeys) {
        if (t.byKey == byKey) {
            return &t;
        }
    }
    return nullptr;
}

bool IsLetterOrDigit(uint8_t byKey) {
    return (byKey >= '0' && byKey <= '9') || (byKey >= 'A' && byKey <= 'Z');
}

std::string UpperTrim(const std::string& s) {
    size_t lBegin = s.find_first_not_of(" \t");
    size_t lEnd = s.find_last_not_of(" \t");
    std::string r =
        lBegin == std::string::npos ? std::string() : s.substr(lBegin, lEnd - lBegin + 1);
    for (char& c : r) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return r;
}

uint8_t FlagOf(const std::string& sName, uint8_t byModifiers) {
    if (sName == "CONTROL") {
        return static_cast<uint8_t>(byModifiers | wkFControl);
    }
    if (sName == "SHIFT") {
        return static_cast<uint8_t>(byModifiers | wkFShift);
    }
    if (sName == "ALT") {
        return static_cast<uint8_t>(byModifiers | wkFAlt);
    }
    return byModifiers;
}

} // namespace

std::string AccelKeyDisplay(uint8_t byKey) {
    if (IsLetterOrDigit(byKey)) {
        return std::string(1, static_cast<char>(byKey));
    }
    if (byKey >= kF1 && byKey <= kF24) {
        return "F" + std::to_string(byKey - kF1 + 1);
    }
    const KeyName* p = FindKey(byKey);
    return p ? p->sDisplay : "";
}

std::string AccelDisplayText(uint8_t byKey, uint8_t byModifiers) {
    std::string s;
    if (byModifiers & wkFControl) {
        s += "Ctrl+";
    }
    if (byModifiers & wkFShift) {
        s += "Shift+";
    }
    if (byModifiers & wkFAlt) {
        s += "Alt+";
    }
    return s + AccelKeyDisplay(byKey);
}

std::string AccelDisplayText(int32_t lAccelElem) {
    if (!gatAccel.InRange(lAccelElem)) {
        return std::string();
    }
    const tAccel& t = gatAccel[lAccelElem];
    return AccelDisplayText(t.byKey, t.byModifiers);
}

std::string AccelKeyCode(uint8_t byKey) {
    if (IsLetterOrDigit(byKey)) {
        return std::string("\"") + static_cast<char>(byKey) + "\"";
    }
    if (byKey >= kF1 && byKey <= kF24) {
        return "VK_F" + std::to_string(byKey - kF1 + 1);
    }
    const KeyName* p = FindKey(byKey);
    return p ? p->sCode : "";
}

uint8_t AccelKeyFromCode(const std::string& sText) {
    for (int l = kF1; l <= kF24; ++l) {
        if (sText == "VK_F" + std::to_string(l - kF1 + 1)) {
            return static_cast<uint8_t>(l);
        }
    }
    for (const KeyName& t : kKeys) {
        if (sText == t.sCode) {
            return t.byKey;
        }
    }
    // An unknown key name ("VK_F25") would otherwise sort between "A" and "Z"
    // and read as the letter V.
    if (sText.rfind("VK_", 0) == 0) {
        return 0;
    }
    if ((sText >= "A" && sText <= "Z") || (sText >= "0" && sText <= "9")) {
        return static_cast<uint8_t>(sText[0]);
    }
    return 0;
}

std::string AccelFlagsKvl(uint8_t byModifiers) {
    std::string s = "%FVIRTKEY Or ";
    if (byModifiers & wkFControl) {
        s += "%FCONTROL Or ";
    }
    if (byModifiers & wkFShift) {
        s += "%FSHIFT Or ";
    }
    if (byModifiers & wkFAlt) {
        s += "%FALT Or ";
    }
    return s + "%FNOINVERT";
}

std::string AccelFlagsRc(uint8_t byModifiers) {
    std::string s = "VIRTKEY, ";
    if (byModifiers & wkFControl) {
        s += "CONTROL, ";
    }
    if (byModifiers & wkFShift) {
        s += "SHIFT, ";
    }
    if (byModifiers & wkFAlt) {
        s += "ALT, ";
    }
    return s + "NOINVERT";
}

uint8_t AccelFlagFromKvl(const std::string& sToken, uint8_t byModifiers) {
    std::string s = UpperTrim(sToken);
    if (s.size() < 2 || s[0] != '%' || s[1] != 'F') {
        return byModifiers;
    }
    return FlagOf(s.substr(2), byModifiers);
}

uint8_t AccelFlagFromRc(const std::string& sToken, uint8_t byModifiers) {
    return FlagOf(UpperTrim(sToken), byModifiers);
}

std::string MenuTextKvl(const std::string& sCaption, bool bHasAccel,
                        const std::string& sAccelDisplay) {
    std::string s;
    for (size_t i = 0; i < sCaption.size(); ++i) {
        if (sCaption[i] == '\\' && i + 1 < sCaption.size() && sCaption[i + 1] == 't') {
            s += '\t';
            ++i;
        } else if (sCaption[i] == '"') {
            s += "\"\"";
        } else {
            s += sCaption[i];
        }
    }
    if (bHasAccel && s.find('\t') == std::string::npos) {
        s += '\t';
        s += sAccelDisplay;
    }
    return s;
}

std::string MenuTextKvl(int32_t lMenuElem) {
    const tMenu& t = gatMenu[lMenuElem];
    return MenuTextKvl(GetDynStr(t.lCaptionElem), t.lAccelElem != 0,
                       AccelDisplayText(t.lAccelElem));
}

std::string MenuTextRc(const std::string& sCaption, bool bHasAccel,
                       const std::string& sAccelDisplay) {
    std::string s;
    for (char c : sCaption) {
        if (c == '"') {
            s += "\\\"";
        } else {
            s += c;
        }
    }
    if (bHasAccel && s.find("\\t") == std::string::npos) {
        s += "\\t";
        s += sAccelDisplay;
    }
    return s;
}

std::string MenuTextRc(int32_t lMenuElem) {
    const tMenu& t = gatMenu[lMenuElem];
    return MenuTextRc(GetDynStr(t.lCaptionElem), t.lAccelElem != 0, AccelDisplayText(t.lAccelElem));
}
