// Menus, accelerator tables, the string table and the version information of
// a resource script.
#include "model/accel_keys.h"
#include "model/project.h"
#include "model/version_info.h"
#include "readers/rc_reader_parts.h"

#include <cctype>

namespace {

const RCArg& ArgAt(const std::vector<RCArg>& aArgs, size_t l) {
    static const RCArg kEmpty;
    return l < aArgs.size() ? aArgs[l] : kEmpty;
}

int32_t MenuOptions(const std::vector<RCArg>& aArgs, size_t lFirst) {
    int32_t lOptions = 0;
    for (size_t l = lFirst; l < aArgs.size(); ++l) {
        for (const std::string& s : aArgs[l]) {
            std::string sUp = RCUpper(s);
            lOptions |= sUp == "CHECKED"        ? wkMfChecked
                        : sUp == "GRAYED"       ? wkMfGrayed
                        : sUp == "INACTIVE"     ? wkMfDisabled
                        : sUp == "MENUBREAK"    ? wkMfMenuBreak
                        : sUp == "MENUBARBREAK" ? wkMfMenuBarBreak
                                                : 0;
        }
    }
    return lOptions;
}

bool HasWord(const std::vector<RCArg>& aArgs, const char* szWord) {
    for (const RCArg& aArg : aArgs) {
        for (const std::string& s : aArg) {
            if (RCUpper(s) == szWord) {
                return true;
            }
        }
    }
    return false;
}

// A preprocessor line inside a resource body (#ifdef _DEBUG around a
// FILEFLAGS line) is passed over; true when the token began one.
bool SkipBodyDirective(tRCScan& t, const std::string& s) {
    if (s[0] == '#' && t.bLineStart) {
        SkipRCDirective(t);
        return true;
    }
    return false;
}

// The next token of a resource body, preprocessor lines passed over; false at a
// metastatement (its token stays for the frame) or at the end of the text.
bool NextRCBodyToken(tRCScan& t, std::string& s) {
    while (PeekRCToken(t, s)) {
        if (s == kRCMarkerToken) {
            return false;
        }
        NextRCToken(t, s);
        if (!SkipBodyDirective(t, s)) {
            return true;
        }
    }
    return false;
}

void ReadAccelEntry(tRCScan& t, int32_t lRes) {
    std::vector<RCArg> aArgs = ReadRCArgs(t, true);
    const RCArg& aKey = ArgAt(aArgs, 0);
    if (aKey.empty()) {
        return;
    }
    uint8_t byKey = 0;
    uint8_t byModifiers = 0;
    const std::string& sKey = aKey[0];
    if (sKey[0] == '"') {
        std::string sChar = UnquoteRC(sKey, rcEscConvert);
        if (sChar.size() == 2 && sChar[0] == '^') {
            sChar.erase(0, 1); // "^C": the key with Ctrl
            byModifiers |= wkFControl;
        }
        if (sChar.size() == 1) {
            char c = static_cast<char>(std::toupper(static_cast<unsigned char>(sChar[0])));
            byKey = AccelKeyFromCode(std::string(1, c));
        }
    } else if (std::isdigit(static_cast<unsigned char>(sKey[0]))) {
        byKey = static_cast<uint8_t>(RCNumberText(sKey));
    } else {
        byKey = AccelKeyFromCode(sKey);
    }
    for (size_t l = 2; l < aArgs.size(); ++l) {
        for (const std::string& s : aArgs[l]) {
            byModifiers = AccelFlagFromRc(s, byModifiers);
        }
    }
    std::string sID = RCArgName(ArgAt(aArgs, 1));
    if (byKey == 0 || sID.empty()) {
        return; // a key the designer cannot show
    }
    int32_t lID = RCIDFromToken(sID, -1);
    int32_t lAccel = AddAccel(lID, lRes, byKey, byModifiers);
    if (int32_t lItem = FindMenuItemByID(lID)) {
        gatMenu.W(lItem).lAccelElem = lAccel;
    }
}

// The four parts "1, 0, 0, 1" of a version line into its two values.
void ReadVersionParts(const std::vector<RCArg>& aArgs, uint32_t& lMS, uint32_t& lLS) {
    uint32_t al[4] = {};
    for (size_t l = 0; l < 4 && l < aArgs.size(); ++l) {
        al[l] = static_cast<uint32_t>(RCArgNumber(aArgs[l])) & 0xFFFF;
    }
    lMS = al[0] << 16 | al[1];
    lLS = al[2] << 16 | al[3];
}

std::string JoinedText(const std::vector<RCArg>& aArgs) {
    std::string s;
    for (const RCArg& aArg : aArgs) {
        for (const std::string& sTok : aArg) {
            s += sTok;
        }
    }
    return s;
}

uint32_t HexValue(const std::string& s) {
    uint32_t l = 0;
    for (char c : s) {
        int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                : std::isxdigit(static_cast<unsigned char>(c))
                    ? std::toupper(static_cast<unsigned char>(c)) - 'A' + 10
                    : -1;
        if (d < 0) {
            break;
        }
        l = l * 16 + static_cast<uint32_t>(d);
    }
    return l;
}

} // namespace

void ReadRCMenu(tRCScan& t, const std::string& sName) {
    int32_t lID = RCIDFromToken(sName, -2);
    // A dialog's MENU option may have made the resource already.
    int32_t lRes = FindResourceByID(lID);
    if (lRes == 0 || gatRes[lRes].lType != wkResMenu || CountMenuItems(lRes) != 0) {
        lRes = AddResource(gatID[lID].szIDName.view(), wkResMenu, lID, 0);
    }
    gtElem.lResMenu = lRes;
    if (!SkipToRCBlock(t)) {
        return;
    }
    int32_t lLevel = 0;
    std::string s;
    while (NextRCBodyToken(t, s)) {
        if (IsRCBlockOpen(s)) {
            ++lLevel;
            continue;
        }
        if (IsRCBlockClose(s)) {
            if (--lLevel < 0) {
                return;
            }
            continue;
        }
        std::string sUp = RCUpper(s);
        if (sUp == "POPUP") {
            std::vector<RCArg> aArgs = ReadRCArgs(t);
            std::string sCaption = RCArgText(ArgAt(aArgs, 0), rcEscKeep);
            if (sCaption.empty()) {
                gatRes.W(lRes).lType = wkResPopupMenu;
            }
            AddMenuItem(0, lRes, 0, 0, wkMenuPopup, lLevel, MenuOptions(aArgs, 1), sCaption);
        } else if (sUp == "MENUITEM") {
            std::string sNext;
            bool bStart = false;
            if (PeekRCToken(t, sNext, &bStart) && !bStart && RCUpper(sNext) == "SEPARATOR") {
                NextRCToken(t, sNext);
                AddMenuItem(0, lRes, 0, 0, wkMenuSeparator, lLevel, 0, std::string());
                continue;
            }
            std::vector<RCArg> aArgs = ReadRCArgs(t);
            std::string sCaption = RCArgText(ArgAt(aArgs, 0), rcEscKeep);
            std::string sID = RCArgName(ArgAt(aArgs, 1));
            if (sCaption.empty() && (HasWord(aArgs, "MFT_SEPARATOR") || sID.empty())) {
                AddMenuItem(0, lRes, 0, 0, wkMenuSeparator, lLevel, 0, std::string());
                continue;
            }
            int32_t lItemID = sID.empty() ? 0 : RCIDFromToken(sID, -1);
            AddMenuItem(lItemID, lRes, FindAccelByID(lItemID), FindStrByID(lItemID), wkMenuItem,
                        lLevel, MenuOptions(aArgs, 2), sCaption);
        } else {
            ReadRCArgs(t);
        }
    }
}

void ReadRCAccelerators(tRCScan& t, const std::string& sName) {
    int32_t lID = RCIDFromToken(sName, -2);
    int32_t lRes = AddResource(gatID[lID].szIDName.view(), wkResAccel, lID, 0);
    gtElem.lResAccel = lRes;
    if (!SkipToRCBlock(t)) {
        return;
    }
    std::string s;
    while (NextRCBodyToken(t, s)) {
        if (IsRCBlockClose(s)) {
            return;
        }
        if (IsRCBlockOpen(s)) {
            SkipRCBlock(t);
            continue;
        }
        t.lPos = t.lTokStart; // the key is the entry's first argument
        ReadAccelEntry(t, lRes);
    }
}

void ReadRCStringTable(tRCScan& t) {
    if (!SkipToRCBlock(t)) {
        return;
    }
    std::string s;
    while (NextRCBodyToken(t, s)) {
        if (IsRCBlockClose(s)) {
            return;
        }
        if (IsRCBlockOpen(s)) {
            SkipRCBlock(t);
            continue;
        }
        if (s[0] == '"' || s == ",") {
            continue; // a text without an ID
        }
        std::string sID = RCArgName({s});
        std::string sText;
        if (PeekRCToken(t, sText) && sText == ",") {
            NextRCToken(t, sText);
        }
        if (PeekRCToken(t, sText) && RCUpper(sText) == "L") {
            NextRCToken(t, sText); // L"..." : a wide text reads the same
        }
        if (!PeekRCToken(t, sText) || sText[0] != '"') {
            continue;
        }
        NextRCToken(t, sText);
        if (sID.empty()) {
            continue;
        }
        // The text keeps its escapes as written; only the quote escapes are
        // taken, since the writer puts them back.
        AddStr(RCIDFromToken(sID, -1), UnquoteRC(sText, rcEscKeep));
    }
}

void ReadRCVersionInfo(tRCScan& t) {
    ResetVersionInfo();
    std::string s;
    // The fixed fields up to the block.
    while (NextRCBodyToken(t, s)) {
        if (IsRCBlockOpen(s)) {
            break;
        }
        std::string sUp = RCUpper(s);
        std::vector<RCArg> aArgs = ReadRCArgs(t);
        std::string sText = JoinedText(aArgs);
        if (sUp == "FILEVERSION") {
            ReadVersionParts(aArgs, gtVersion.lFileVerMS, gtVersion.lFileVerLS);
        } else if (sUp == "PRODUCTVERSION") {
            ReadVersionParts(aArgs, gtVersion.lProdVerMS, gtVersion.lProdVerLS);
        } else if (sUp == "FILEFLAGSMASK") {
            gtVersion.lFlagsMask = VerFlagsMaskFromText(sText);
        } else if (sUp == "FILEFLAGS") {
            gtVersion.lFlags = VerFlagsFromText(sText);
        } else if (sUp == "FILEOS") {
            gtVersion.lFileOS = VerOSFromText(sText);
        } else if (sUp == "FILETYPE") {
            gtVersion.lFileType = VerTypeFromText(sText);
        } else if (sUp == "FILESUBTYPE") {
            gtVersion.lFileSubtype = VerSubtypeFromText(sText);
        }
    }
    // The blocks: a language block inside "StringFileInfo" holds the strings.
    std::vector<std::string> asBlocks(1, "VERSIONINFO");
    std::string sPending;
    int32_t lBlock = 0;
    while (NextRCBodyToken(t, s)) {
        if (IsRCBlockOpen(s)) {
            asBlocks.push_back(sPending);
            if (asBlocks.size() == 3 && RCUpper(asBlocks[1]) == "STRINGFILEINFO") {
                lBlock = AddVersionBlock(HexValue(sPending));
            }
            sPending.clear();
            continue;
        }
        if (IsRCBlockClose(s)) {
            asBlocks.pop_back();
            if (asBlocks.size() < 3) {
                lBlock = 0;
            }
            if (asBlocks.empty()) {
                return;
            }
            continue;
        }
        std::string sUp = RCUpper(s);
        std::vector<RCArg> aArgs = ReadRCArgs(t);
        if (sUp == "BLOCK") {
            sPending = RCArgText(ArgAt(aArgs, 0), rcEscConvert);
        } else if (sUp == "VALUE" && lBlock != 0) {
            std::string sName = RCArgText(ArgAt(aArgs, 0), rcEscConvert);
            std::string sValue = RCArgText(ArgAt(aArgs, 1), rcEscConvert);
            // The terminating \0 of the script is no part of the value.
            if (!sValue.empty() && sValue.back() == '\0') {
                sValue.pop_back();
            }
            SetVersionStringValue(lBlock, sName, sValue);
        }
    }
}
