// Menus, accelerator tables, the string table and the version information of
// a resource script.
#include "model/accel_keys.h"
#include "model/project.h"
#include "model/version_info.h"
#include "readers/rc_reader_parts.h"

#include <cctype>

namespace {

int32_t MenuOptions(RCArg aArg) {
    int32_t lOptions = 0;
    for (std::string_view s : aArg) {
        lOptions |= IsRCWord(s, "CHECKED")        ? wkMfChecked
                    : IsRCWord(s, "GRAYED")       ? wkMfGrayed
                    : IsRCWord(s, "INACTIVE")     ? wkMfDisabled
                    : IsRCWord(s, "MENUBREAK")    ? wkMfMenuBreak
                    : IsRCWord(s, "MENUBARBREAK") ? wkMfMenuBarBreak
                                                  : 0;
    }
    return lOptions;
}

int32_t MenuOptions(const tRCArgs& tArgs, size_t lFirst) {
    int32_t lOptions = 0;
    for (size_t l = lFirst; l < tArgs.size(); ++l) {
        lOptions |= MenuOptions(tArgs[l]);
    }
    return lOptions;
}

bool HasWord(const tRCArgs& tArgs, std::string_view sWord) {
    for (std::string_view s : tArgs.asToks) {
        if (IsRCWord(s, sWord)) {
            return true;
        }
    }
    return false;
}

// A preprocessor line inside a resource body (#ifdef _DEBUG around a
// FILEFLAGS line) is passed over; true when the token began one.
bool SkipBodyDirective(tRCScan& t, std::string_view s) {
    if (s[0] == '#' && t.bLineStart) {
        SkipRCDirective(t);
        return true;
    }
    return false;
}

// The next token of a resource body, preprocessor lines passed over; false at a
// metastatement (its token stays for the frame) or at the end of the text.
bool NextRCBodyToken(tRCScan& t, std::string_view& s) {
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

void ReadAccelEntry(tRCScan& t, tRCArgs& tArgs, int32_t lRes) {
    ReadRCArgs(t, tArgs, true);
    RCArg aKey = tArgs[0];
    if (aKey.empty()) {
        return;
    }
    uint8_t byKey = 0;
    uint8_t byModifiers = 0;
    std::string_view sKey = aKey[0];
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
        byKey = AccelKeyFromCode(std::string(sKey));
    }
    for (size_t l = 2; l < tArgs.size(); ++l) {
        for (std::string_view s : tArgs[l]) {
            byModifiers = AccelFlagFromRc(std::string(s), byModifiers);
        }
    }
    std::string_view sID = RCArgName(tArgs[1]);
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
void ReadVersionParts(const tRCArgs& tArgs, uint32_t& lMS, uint32_t& lLS) {
    uint32_t al[4] = {};
    for (size_t l = 0; l < 4 && l < tArgs.size(); ++l) {
        al[l] = static_cast<uint32_t>(RCArgNumber(tArgs[l])) & 0xFFFF;
    }
    lMS = al[0] << 16 | al[1];
    lLS = al[2] << 16 | al[3];
}

std::string JoinedText(const tRCArgs& tArgs) {
    std::string s;
    for (std::string_view sTok : tArgs.asToks) {
        s += sTok;
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

void ReadRCMenu(tRCScan& t, std::string_view sName) {
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
    std::string_view s;
    tRCArgs tArgs;
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
        if (IsRCWord(s, "POPUP")) {
            ReadRCArgs(t, tArgs);
            std::string sCaption = RCArgText(tArgs[0], rcEscKeep);
            if (sCaption.empty()) {
                gatRes.W(lRes).lType = wkResPopupMenu;
            }
            AddMenuItem(0, lRes, 0, 0, wkMenuPopup, lLevel, MenuOptions(tArgs, 1), sCaption);
        } else if (IsRCWord(s, "MENUITEM")) {
            std::string_view sNext;
            bool bStart = false;
            if (PeekRCToken(t, sNext, &bStart) && !bStart && IsRCWord(sNext, "SEPARATOR")) {
                NextRCToken(t, sNext);
                AddMenuItem(0, lRes, 0, 0, wkMenuSeparator, lLevel, 0, std::string());
                continue;
            }
            ReadRCArgs(t, tArgs);
            RCArg aCaption = tArgs[0];
            RCArg aID = tArgs[1];
            size_t lOptions = 2;
            // "MENUITEM "x" ID" without its comma: the ID, and any options
            // after it, stand in the caption's argument.
            if (aCaption.size() > 1 && aCaption[0][0] == '"' && aCaption[1][0] != '"') {
                aID = aCaption.subspan(1);
                aCaption = aCaption.first(1);
                lOptions = 1;
            }
            std::string sCaption = RCArgText(aCaption, rcEscKeep);
            std::string_view sID = RCArgName(aID);
            if (sCaption.empty() && (HasWord(tArgs, "MFT_SEPARATOR") || sID.empty())) {
                AddMenuItem(0, lRes, 0, 0, wkMenuSeparator, lLevel, 0, std::string());
                continue;
            }
            int32_t lItemID = sID.empty() ? 0 : RCIDFromToken(sID, -1);
            const int32_t lState =
                MenuOptions(tArgs, lOptions) | (lOptions == 1 ? MenuOptions(aID.subspan(1)) : 0);
            AddMenuItem(lItemID, lRes, FindAccelByID(lItemID), FindStrByID(lItemID), wkMenuItem,
                        lLevel, lState, sCaption);
        } else {
            ReadRCArgs(t, tArgs);
        }
    }
}

void ReadRCAccelerators(tRCScan& t, std::string_view sName) {
    int32_t lID = RCIDFromToken(sName, -2);
    int32_t lRes = AddResource(gatID[lID].szIDName.view(), wkResAccel, lID, 0);
    gtElem.lResAccel = lRes;
    if (!SkipToRCBlock(t)) {
        return;
    }
    std::string_view s;
    tRCArgs tArgs;
    while (NextRCBodyToken(t, s)) {
        if (IsRCBlockClose(s)) {
            return;
        }
        if (IsRCBlockOpen(s)) {
            SkipRCBlock(t);
            continue;
        }
        t.lPos = t.lTokStart; // the key is the entry's first argument
        ReadAccelEntry(t, tArgs, lRes);
    }
}

void ReadRCStringTable(tRCScan& t) {
    if (!SkipToRCBlock(t)) {
        return;
    }
    std::string_view s;
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
        std::string_view sID = RCArgName(RCArg(&s, 1));
        std::string_view sText;
        if (PeekRCToken(t, sText) && sText == ",") {
            NextRCToken(t, sText);
        }
        // The text keeps its escapes as written; only the quote escapes are
        // taken, since the writer puts them back. Adjacent literals ("a" "b",
        // each maybe L"...") are one text.
        std::string sValue;
        bool bAny = false;
        for (;;) {
            bool bWide = false;
            if (PeekRCToken(t, sText) && IsRCWord(sText, "L")) {
                NextRCToken(t, sText);
                bWide = true;
            }
            if (!PeekRCToken(t, sText) || sText[0] != '"') {
                break;
            }
            NextRCToken(t, sText);
            sValue += UnquoteRC(sText, rcEscKeep, bWide);
            bAny = true;
        }
        if (!bAny || sID.empty()) {
            continue;
        }
        AddStr(RCIDFromToken(sID, -1), sValue);
    }
}

void ReadRCVersionInfo(tRCScan& t) {
    ResetVersionInfo();
    std::string_view s;
    tRCArgs tArgs;
    // The fixed fields up to the block.
    while (NextRCBodyToken(t, s)) {
        if (IsRCBlockOpen(s)) {
            break;
        }
        const std::string_view sWord = s;
        ReadRCArgs(t, tArgs);
        std::string sText = JoinedText(tArgs);
        if (IsRCWord(sWord, "FILEVERSION")) {
            ReadVersionParts(tArgs, gtVersion.lFileVerMS, gtVersion.lFileVerLS);
        } else if (IsRCWord(sWord, "PRODUCTVERSION")) {
            ReadVersionParts(tArgs, gtVersion.lProdVerMS, gtVersion.lProdVerLS);
        } else if (IsRCWord(sWord, "FILEFLAGSMASK")) {
            gtVersion.lFlagsMask = VerFlagsMaskFromText(sText);
        } else if (IsRCWord(sWord, "FILEFLAGS")) {
            gtVersion.lFlags = VerFlagsFromText(sText);
        } else if (IsRCWord(sWord, "FILEOS")) {
            gtVersion.lFileOS = VerOSFromText(sText);
        } else if (IsRCWord(sWord, "FILETYPE")) {
            gtVersion.lFileType = VerTypeFromText(sText);
        } else if (IsRCWord(sWord, "FILESUBTYPE")) {
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
            if (asBlocks.size() == 3 && IsRCWord(asBlocks[1], "STRINGFILEINFO")) {
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
        const std::string_view sWord = s;
        ReadRCArgs(t, tArgs);
        if (IsRCWord(sWord, "BLOCK")) {
            sPending = RCArgText(tArgs[0], rcEscConvert);
        } else if (IsRCWord(sWord, "VALUE") && lBlock != 0) {
            std::string sName = RCArgText(tArgs[0], rcEscConvert);
            std::string sValue = RCArgText(tArgs[1], rcEscConvert);
            // The terminating \0 of the script is no part of the value.
            if (!sValue.empty() && sValue.back() == '\0') {
                sValue.pop_back();
            }
            SetVersionStringValue(lBlock, sName, sValue);
        }
    }
}
