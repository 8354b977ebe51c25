// The resource-script reader: the frame that splits a marked companion script
// into its blocks and the user's own text, and the top-level statement loop.
#include "readers/rc_reader.h"

#include "model/id_names.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "readers/rc_reader_parts.h"

#include <cctype>
#include <optional>

namespace {

// The user text of the script that was read, and the copy of an imported one.
std::optional<std::string> gsWorkText;
std::optional<std::string> gsPreImport;

// Block kinds of a companion script.
enum : int32_t {
    kBlkUser = 0,
    kBlkCreated = 1,
    kBlkConstants = 3,
    kBlkRCData = 9,
    kBlkStrings = 10,
    kBlkVersion = 11,
    kBlkCopy = 12,
};

struct tMeta {
    size_t lStart = 0;  // start of the marker line; the text's end when none was found
    size_t lAfter = 0;  // position after the marker line
    int32_t lCode = 0;  // 1 Created, 2 Begin, 3 End, 5 Copy, 0 none
    int32_t lBlock = 0; // block kind named by Begin or End
};

bool AtLineStart(std::string_view s, size_t l) {
    return l == 0 || s[l - 1] == '\n';
}

// The rest of a marker line from after "//#Wrenkit ": keyword and block name.
tMeta ParseRCMeta(std::string_view s, size_t lPos, size_t lStart) {
    tMeta t;
    t.lStart = lStart;
    std::string asWord[2];
    int32_t lWord = 0;
    size_t l = lPos;
    while (l < s.size() && s[l] != '\r' && s[l] != '\n' && s[l] != '\0') {
        if (s[l] == ' ') {
            if (++lWord >= 2) {
                break;
            }
        } else {
            asWord[lWord] += s[l];
        }
        ++l;
    }
    while (l < s.size() && s[l] != '\n' && s[l] != '\0') {
        ++l;
    }
    t.lAfter = l < s.size() && s[l] == '\n' ? l + 1 : l;
    std::string sKey = RCUpper(asWord[0]);
    t.lCode = sKey == "CREATED" ? 1
              : sKey == "BEGIN" ? 2
              : sKey == "END"   ? 3
              : sKey == "COPY"  ? 5
                                : 0;
    if (t.lCode == 2 || t.lCode == 3) {
        std::string sName = RCUpper(asWord[1]);
        t.lBlock = sName == "CONSTANTS"     ? kBlkConstants
                   : sName == "RCDATA"      ? kBlkRCData
                   : sName == "STRINGS"     ? kBlkStrings
                   : sName == "VERSIONINFO" ? kBlkVersion
                                            : 0;
    }
    return t;
}

// The next marker line at or after lPos. Its "//#Wrenkit" must be written so
// (a lower-case letter of the file may stand for the upper-case one).
tMeta FindNextRCMeta(std::string_view s, size_t lPos) {
    static constexpr std::string_view kMark = "//#Wrenkit ";
    for (size_t l = lPos; l + kMark.size() <= s.size() && s[l] != '\0'; ++l) {
        if (!AtLineStart(s, l) && l != lPos) {
            continue;
        }
        size_t i = 0;
        while (i < kMark.size()) {
            char c = s[l + i];
            if (c != kMark[i] && !(c >= 'a' && c <= 'z' && c - 32 == kMark[i])) {
                break;
            }
            ++i;
        }
        if (i == kMark.size()) {
            return ParseRCMeta(s, l + kMark.size(), l);
        }
    }
    tMeta t;
    size_t lEnd = s.find('\0');
    t.lStart = t.lAfter = lEnd == std::string_view::npos ? s.size() : lEnd;
    return t;
}

// From lPos up to the next marker: user text into the work text, then the
// marker's effect. Returns where the statement loop goes on.
size_t ScanRCBlocks(std::string_view s, size_t lPos) {
    for (;;) {
        tMeta t = FindNextRCMeta(s, lPos);
        if (t.lStart > lPos) {
            AddRCBlock(kBlkUser, 0, static_cast<int32_t>(gsWorkText->size()) + 1,
                       static_cast<int32_t>(t.lStart - lPos));
            gsWorkText->append(s.substr(lPos, t.lStart - lPos));
        }
        if (t.lCode == 0 && t.lAfter == t.lStart) {
            return t.lAfter; // the end of the text
        }
        if (t.lCode == 2 && t.lBlock != 0) {
            if (FindRCBlockByKind(t.lBlock) == 0) {
                AddRCBlock(t.lBlock, 0, 0, 0);
                return t.lAfter;
            }
            // A second block of a kind the script holds once: dropped with its contents.
            tMeta tEnd = FindNextRCMeta(s, t.lAfter);
            lPos = tEnd.lAfter;
            if (tEnd.lCode == 0 && tEnd.lAfter == tEnd.lStart) {
                return lPos;
            }
            continue;
        }
        if (t.lCode == 5) {
            AddRCBlock(kBlkCopy, 0, 0, 0);
            size_t lEnd = s.find('\0', t.lAfter);
            if (lEnd == std::string_view::npos) {
                lEnd = s.size();
            }
            if (lEnd > t.lAfter) {
                AddRCBlock(kBlkUser, 0, static_cast<int32_t>(gsWorkText->size()) + 1,
                           static_cast<int32_t>(lEnd - t.lAfter));
                gsWorkText->append(s.substr(t.lAfter, lEnd - t.lAfter));
            }
            return lEnd;
        }
        return t.lAfter; // Created, End, or a marker the reader does not know
    }
}

bool IsIdentifier(std::string_view s) {
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0]))) {
        return false;
    }
    for (char c : s) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') {
            return false;
        }
    }
    return true;
}

std::string FolderOf(const std::string& sPath) {
    size_t l = sPath.find_last_of(":\\/");
    return l == std::string::npos ? std::string() : sPath.substr(0, l + 1);
}

// #define NAME value: the value as a Korvel value text ("0x1F" becomes "&H1F").
void ReadDefine(tRCScan& t) {
    std::string sName;
    std::string sValue;
    bool bStart = false;
    if (!PeekRCToken(t, sName, &bStart) || bStart) {
        return;
    }
    NextRCToken(t, sName);
    if (PeekRCToken(t, sValue, &bStart) && !bStart) {
        NextRCToken(t, sValue);
    } else {
        sValue.clear();
    }
    if (sValue == "(" && PeekRCToken(t, sValue, &bStart) && !bStart) {
        NextRCToken(t, sValue); // "#define ID (101)"
    }
    SkipRCLine(t);
    if (!IsIdentifier(sName)) {
        return;
    }
    bool bNumber = false;
    int32_t lValue = RCNumberText(sValue, &bNumber);
    // Only numbers make IDs; texts and macros of other kinds are no IDs.
    if (!bNumber || sValue.empty() ||
        !(std::isdigit(static_cast<unsigned char>(sValue[0])) || sValue[0] == '-')) {
        return;
    }
    RCDefineID(sName, std::to_string(lValue));
}

// Skips "#if 0" and "#ifdef APSTUDIO_INVOKED" sections up to their #endif
// (an #else of an "#if 0" starts live text again).
void SkipConditional(tRCScan& t, bool bStopAtElse) {
    int32_t lDepth = 1;
    std::string s;
    while (NextRCToken(t, s)) {
        if (s == kRCMarkerToken) {
            t.lPos = t.lTokStart; // a marker ends the skipping: the frame needs it
            return;
        }
        if (!t.bLineStart || s[0] != '#') {
            continue;
        }
        std::string sUp = RCUpper(s);
        if (sUp.rfind("#IF", 0) == 0) {
            ++lDepth;
        } else if (sUp == "#ENDIF") {
            --lDepth;
        } else if (bStopAtElse && lDepth == 1 && (sUp == "#ELSE" || sUp == "#ELIF")) {
            --lDepth;
        }
        SkipRCDirective(t);
        if (lDepth == 0) {
            return;
        }
    }
}

void ReadDirective(tRCScan& t, const std::string& sTok) {
    std::string sUp = RCUpper(sTok);
    if (sUp == "#DEFINE") {
        ReadDefine(t);
        return;
    }
    std::string sNext;
    bool bStart = false;
    bool bHasNext = PeekRCToken(t, sNext, &bStart) && !bStart;
    SkipRCDirective(t);
    if (bHasNext && sUp == "#IFDEF" && sNext == "APSTUDIO_INVOKED") {
        SkipConditional(t, false);
    } else if (bHasNext && sUp == "#IF" && sNext == "0") {
        SkipConditional(t, true);
    }
}

// A statement the reader does not know: its line, and a block that follows it.
void SkipStatement(tRCScan& t) {
    SkipRCLine(t);
    std::string s;
    if (PeekRCToken(t, s) && IsRCBlockOpen(s)) {
        NextRCToken(t, s);
        SkipRCBlock(t);
    }
}

void ReadDataStatement(tRCScan& t, int32_t lKind, const std::string& sName,
                       const std::string& sFolder) {
    std::vector<RCArg> aArgs = ReadRCArgs(t);
    std::string sFile;
    // The file is the quoted text, else the last word (options such as
    // DISCARDABLE stand before it).
    for (const RCArg& aArg : aArgs) {
        for (const std::string& s : aArg) {
            if (!s.empty() && s[0] == '"') {
                sFile = s;
            } else if (sFile.empty() || sFile[0] != '"') {
                sFile = s;
            }
        }
    }
    std::string sUp = RCUpper(sFile);
    if (sUp == "DISCARDABLE" || sUp == "MOVEABLE" || sUp == "PURE" || sUp == "PRELOAD" ||
        sUp == "LOADONCALL" || sUp == "FIXED" || sUp == "IMPURE") {
        sFile.clear();
    }
    AddDataResource(lKind, sName, sFile, sFolder);
}

void StatementLoop(tRCScan& t, const std::string& sFolder) {
    std::string sTok;
    while (NextRCToken(t, sTok)) {
        if (sTok == kRCMarkerToken) {
            tMeta tM = ParseRCMeta(t.sText, t.lTokStart + 11, t.lTokStart);
            t.lPos = tM.lCode == 3 ? ScanRCBlocks(t.sText, tM.lAfter) : tM.lAfter;
            t.bLineStart = true;
            continue;
        }
        if (sTok[0] == '#') {
            ReadDirective(t, sTok);
            continue;
        }
        std::string sUp = RCUpper(sTok);
        if (sUp == "STRINGTABLE") {
            ReadRCStringTable(t);
            continue;
        }
        if (IsRCBlockOpen(sTok)) {
            SkipRCBlock(t);
            continue;
        }
        if (sUp == "LANGUAGE" || sUp == "VERSION" || sUp == "CHARACTERISTICS" ||
            IsRCBlockClose(sTok) || sTok[0] == '"' || sTok == "," || sTok == "|" || sTok == "(" ||
            sTok == ")") {
            SkipRCLine(t);
            continue;
        }
        std::string sType;
        bool bStart = false;
        if (!PeekRCToken(t, sType, &bStart) || bStart) {
            continue; // a lone word: nothing to read
        }
        std::string sTypeUp = RCUpper(sType);
        if (sTypeUp == "DIALOG" || sTypeUp == "DIALOGEX") {
            NextRCToken(t, sType);
            ReadRCDialog(t, sTok, sTypeUp == "DIALOGEX");
        } else if (sTypeUp == "MENU" || sTypeUp == "MENUEX") {
            NextRCToken(t, sType);
            ReadRCMenu(t, sTok);
        } else if (sTypeUp == "ACCELERATORS") {
            NextRCToken(t, sType);
            ReadRCAccelerators(t, sTok);
        } else if (sTypeUp == "VERSIONINFO") {
            NextRCToken(t, sType);
            ReadRCVersionInfo(t);
        } else if (sTypeUp == "BITMAP" || sTypeUp == "CURSOR" || sTypeUp == "ICON" ||
                   sTypeUp == "AVI") {
            NextRCToken(t, sType);
            int32_t lKind = sTypeUp == "BITMAP"   ? wkResBitmap
                            : sTypeUp == "CURSOR" ? wkResCursor
                            : sTypeUp == "ICON"   ? wkResIcon
                                                  : wkResAvi;
            ReadDataStatement(t, lKind, sTok, sFolder);
        } else {
            SkipStatement(t);
        }
    }
}

} // namespace

bool (*gpfnRCImportCopyWanted)() = nullptr;

bool IsRCResourceType(const std::string& sUp) {
    static const char* const kasTypes[] = {
        "DIALOG",     "DIALOGEX", "MENU",     "MENUEX", "ACCELERATORS", "VERSIONINFO",
        "BITMAP",     "CURSOR",   "ICON",     "AVI",    "RCDATA",       "TEXTINCLUDE",
        "DESIGNINFO", "DLGINIT",  "TOOLBAR",  "HTML",   "FONT",         "MESSAGETABLE",
        "REGISTRY",   "TYPELIB",  "PLUGPLAY", "VXD",    "ANICURSOR",    "ANIICON"};
    for (const char* sz : kasTypes) {
        if (sUp == sz) {
            return true;
        }
    }
    return false;
}

bool SkipToRCBlock(tRCScan& t) {
    std::string s;
    bool bStart = false;
    while (PeekRCToken(t, s, &bStart)) {
        if (s == kRCMarkerToken) {
            return false;
        }
        if (IsRCBlockOpen(s)) {
            NextRCToken(t, s);
            return true;
        }
        std::string sUp = RCUpper(s);
        if (bStart && (sUp == "STRINGTABLE" || IsRCBlockClose(s))) {
            return false;
        }
        if (bStart && s[0] != '#') {
            // A line that names a new resource ends a statement without a body.
            tRCScan tAhead = t;
            std::string sNext;
            NextRCToken(tAhead, sNext);
            bool bNextStart = false;
            if (PeekRCToken(tAhead, sNext, &bNextStart) && !bNextStart &&
                IsRCResourceType(RCUpper(sNext))) {
                return false;
            }
        }
        NextRCToken(t, s);
        if (bStart && s[0] == '#') {
            SkipRCDirective(t);
        } else {
            SkipRCLine(t);
        }
    }
    return false;
}

int32_t RCIDFromToken(const std::string& sToken, bool bResource) {
    if (sToken.empty() || sToken[0] == '-') {
        return 0;
    }
    std::string sName = sToken[0] == '%' ? sToken : "%" + sToken;
    if (int32_t l = FindIDByName(sName)) {
        return l;
    }
    if (int32_t l = AddPredefinedID(sName)) {
        return l;
    }
    if (std::isdigit(static_cast<unsigned char>(sToken[0]))) {
        // A number written in place of a name (decimal or "0x") keeps its value
        // under a made-up name.
        std::string sValue = std::to_string(RCNumberText(sToken));
        std::string sNumName = "%ID_" + sValue;
        if (int32_t l = FindIDByName(sNumName)) {
            return l;
        }
        return AddID(sNumName, sValue, 0);
    }
    int32_t lValue = bResource ? NextResourceIDValue() : NextControlIDValue();
    return AddID(sName, std::to_string(lValue), 0);
}

void RCDefineID(const std::string& sName, const std::string& sValue) {
    std::string sFull = sName[0] == '%' ? sName : "%" + sName;
    if (FindIDByName(sFull) == 0) {
        AddID(sFull, sValue, 0);
    }
}

void RCLinkMenuItems() {
    if (glMenuCnt == 0) {
        return;
    }
    for (int32_t l = 1; l <= glStrCnt; ++l) {
        if (!gatStr.Live(l)) {
            continue;
        }
        if (int32_t lItem = FindMenuItemByID(gatStr[l].lIDElem)) {
            gatMenu.W(lItem).lStrElem = l;
        }
    }
    for (int32_t l = 1; l <= glAccelCnt; ++l) {
        if (!gatAccel.Live(l)) {
            continue;
        }
        if (int32_t lItem = FindMenuItemByID(gatAccel[l].lIDElem)) {
            gatMenu.W(lItem).lAccelElem = l;
            int32_t lMenu = gatMenu[lItem].lResElem;
            int32_t lTable = gatAccel[l].lResElem;
            gatRes.W(lMenu).lLinkAccel = lTable;
            gatRes.W(lTable).lLinkMenu = lMenu;
        }
    }
}

int32_t AddDataResource(int32_t lKind, const std::string& sName, const std::string& sFile,
                        const std::string& sFolder) {
    std::string sPath = UnquoteRC(sFile, rcEscKeep);
    std::string sPlain;
    for (size_t i = 0; i < sPath.size(); ++i) {
        sPlain += sPath[i];
        if (sPath[i] == '\\' && i + 1 < sPath.size() && sPath[i + 1] == '\\') {
            ++i;
        }
    }
    int32_t lFileElem = 0;
    if (!sPlain.empty()) {
        bool bAbsolute =
            sPlain[0] == '\\' || sPlain[0] == '/' || (sPlain.size() > 1 && sPlain[1] == ':');
        std::string sFull = bAbsolute ? sPlain : sFolder + sPlain;
        // ".\" in front of a relative name adds nothing to the full path.
        if (!bAbsolute && sPlain.rfind(".\\", 0) == 0) {
            sFull = sFolder + sPlain.substr(2);
        }
        lFileElem = AddDynStr(sFull);
    }
    std::string sIDName = "%" + sName;
    return AddResource(sIDName, lKind, FindIDByName(sIDName), lFileElem);
}

const std::string* RCWorkText() {
    return gsWorkText ? &*gsWorkText : nullptr;
}

const std::string* RCPreImportText() {
    return gsPreImport ? &*gsPreImport : nullptr;
}

void CloseRCTexts() {
    gsWorkText.reset();
    gsPreImport.reset();
}

int32_t LoadRC(const std::string& sText, int32_t lClear, int32_t lClipboard,
               const std::string& sPath) {
    if (lClear) {
        ClearProject();
    }
    ShowStatusText("Loading RC File");
    tRCScan t;
    t.sText = sText;
    if (!lClipboard) {
        tMeta tFirst = FindNextRCMeta(sText, 0);
        if (tFirst.lCode == 1) {
            // A script the designer wrote: its user text is kept between the blocks.
            ClearRCBlocks();
            gsWorkText.emplace();
            // Text above the Created line is the user's too; it is kept in its place.
            if (tFirst.lStart > 0) {
                AddRCBlock(kBlkUser, 0, 1, static_cast<int32_t>(tFirst.lStart));
                gsWorkText->append(sText, 0, tFirst.lStart);
            }
            AddRCBlock(kBlkCreated, 0, 0, 0);
            t.lPos = ScanRCBlocks(sText, tFirst.lAfter);
            t.bMarkers = true;
        } else if (gpfnRCImportCopyWanted && gpfnRCImportCopyWanted()) {
            gsPreImport = sText;
        }
    }
    StatementLoop(t, FolderOf(sPath));
    RCLinkMenuItems();
    CloseStatusText();
    return 1;
}
