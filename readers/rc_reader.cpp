// The resource-script reader: LoadRC with its reading frame (a marked companion
// script keeps its user text between the blocks, an imported one a copy of its
// whole text), the top-level statement loop and the statements it skips whole.
#include "readers/rc_reader.h"

#include "edit/id_links.h"
#include "edit/id_tokens.h"
#include "model/file_errors.h"
#include "model/id_names.h"
#include "model/path_rules.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "readers/kvl_reader.h"
#include "readers/metastatements.h"
#include "readers/rc_reader_parts.h"
#include "readers/source_text.h"
#include "readers/work_files.h"

#include <cctype>
#include <cstdio>
#include <unordered_map>
#include <utility>

namespace {

bool IsIdentifier(std::string_view s) {
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0]))) {
        return false;
    }
    for (char c : s) {
        if (!IsRCNameByte(c)) {
            return false;
        }
    }
    return true;
}

// #define NAME value: the value as a Korvel value text ("0x1F" becomes "&H1F").
void ReadDefine(tRCScan& t) {
    std::string_view sName;
    std::string_view sValue;
    bool bStart = false;
    if (!PeekRCToken(t, sName, &bStart) || bStart) {
        return;
    }
    NextRCToken(t, sName);
    if (PeekRCToken(t, sValue, &bStart) && !bStart) {
        NextRCToken(t, sValue);
    } else {
        sValue = std::string_view();
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
    // A hexadecimal value stays hexadecimal in the equates ("0x65" is "&H65").
    std::string sText = std::to_string(lValue);
    if (sValue.size() > 2 && sValue[0] == '0' && (sValue[1] == 'x' || sValue[1] == 'X') &&
        lValue >= 0) {
        char sz[16];
        std::snprintf(sz, sizeof sz, "&H%X", static_cast<unsigned>(lValue));
        sText = sz;
    }
    DefineID(RCStoredName(sName), sText);
}

// Skips "#if 0" and "#ifdef APSTUDIO_INVOKED" sections up to their #endif
// (an #else of an "#if 0" starts live text again).
void SkipConditional(tRCScan& t, bool bStopAtElse) {
    int32_t lDepth = 1;
    std::string_view s;
    while (NextRCToken(t, s)) {
        if (s == kRCMarkerToken) {
            t.lPos = t.lTokStart; // a marker ends the skipping: the frame needs it
            return;
        }
        if (!t.bLineStart || s[0] != '#') {
            continue;
        }
        if (s.size() >= 3 && IsRCWord(s.substr(0, 3), "#IF")) {
            ++lDepth;
        } else if (IsRCWord(s, "#ENDIF")) {
            --lDepth;
        } else if (bStopAtElse && lDepth == 1 && (IsRCWord(s, "#ELSE") || IsRCWord(s, "#ELIF"))) {
            --lDepth;
        }
        SkipRCDirective(t);
        if (lDepth == 0) {
            return;
        }
    }
}

void ReadDirective(tRCScan& t, std::string_view sTok) {
    if (IsRCWord(sTok, "#DEFINE")) {
        ReadDefine(t);
        return;
    }
    std::string_view sNext;
    bool bStart = false;
    bool bHasNext = PeekRCToken(t, sNext, &bStart) && !bStart;
    SkipRCDirective(t);
    if (bHasNext && IsRCWord(sTok, "#IFDEF") && sNext == "APSTUDIO_INVOKED") {
        SkipConditional(t, false);
    } else if (bHasNext && IsRCWord(sTok, "#IF") && sNext == "0") {
        SkipConditional(t, true);
    }
}

// A statement the reader does not know: its line, and a block that follows it.
void SkipStatement(tRCScan& t) {
    SkipRCLine(t);
    std::string_view s;
    if (PeekRCToken(t, s) && IsRCBlockOpen(s)) {
        NextRCToken(t, s);
        SkipRCBlock(t);
    }
}

void ReadDataStatement(tRCScan& t, tRCArgs& tArgs, int32_t lKind, std::string_view sName,
                       const std::string& sFolder) {
    ReadRCArgs(t, tArgs);
    std::string_view sFile;
    // The file is the quoted text, else the last word (options such as
    // DISCARDABLE stand before it).
    for (std::string_view s : tArgs.asToks) {
        if (!s.empty() && s[0] == '"') {
            sFile = s;
        } else if (sFile.empty() || sFile[0] != '"') {
            sFile = s;
        }
    }
    if (IsRCWord(sFile, "DISCARDABLE") || IsRCWord(sFile, "MOVEABLE") || IsRCWord(sFile, "PURE") ||
        IsRCWord(sFile, "PRELOAD") || IsRCWord(sFile, "LOADONCALL") || IsRCWord(sFile, "FIXED") ||
        IsRCWord(sFile, "IMPURE")) {
        sFile = std::string_view();
    }
    AddDataResource(lKind, std::string(sName), std::string(sFile), sFolder);
}

void StatementLoop(tRCScan& t, tReadFrame& f, const std::string& sFolder) {
    std::string_view sTok;
    tRCArgs tArgs;
    while (NextRCToken(t, sTok)) {
        if (sTok == kRCMarkerToken) {
            // The block frame takes the marker line and the user text after an End.
            tSourceText ts;
            ts.sText = t.sText;
            ts.lPos = t.lTokStart + kRCMarkerToken.size() + 1;
            ts.lLine = t.lLine;
            FrameMarkerLine(ts, f);
            t.lPos = ts.lPos;
            t.lLine = ts.lLine;
            continue;
        }
        if (sTok[0] == '#') {
            ReadDirective(t, sTok);
            continue;
        }
        if (IsRCWord(sTok, "STRINGTABLE")) {
            ReadRCStringTable(t);
            continue;
        }
        if (IsRCBlockOpen(sTok)) {
            SkipRCBlock(t);
            continue;
        }
        if (IsRCWord(sTok, "LANGUAGE") || IsRCWord(sTok, "VERSION") ||
            IsRCWord(sTok, "CHARACTERISTICS") || IsRCBlockClose(sTok) || sTok[0] == '"' ||
            sTok == "," || sTok == "|" || sTok == "(" || sTok == ")") {
            SkipRCLine(t);
            continue;
        }
        std::string_view sType;
        bool bStart = false;
        if (!PeekRCToken(t, sType, &bStart) || bStart) {
            continue; // a lone word: nothing to read
        }
        int32_t lKind = IsRCWord(sType, "BITMAP")   ? wkResBitmap
                        : IsRCWord(sType, "CURSOR") ? wkResCursor
                        : IsRCWord(sType, "ICON")   ? wkResIcon
                        : IsRCWord(sType, "AVI")    ? wkResAvi
                                                    : 0;
        if (IsRCWord(sType, "DIALOG") || IsRCWord(sType, "DIALOGEX")) {
            NextRCToken(t, sType);
            ReadRCDialog(t, sTok, IsRCWord(sType, "DIALOGEX"));
        } else if (IsRCWord(sType, "MENU") || IsRCWord(sType, "MENUEX")) {
            NextRCToken(t, sType);
            ReadRCMenu(t, sTok);
        } else if (IsRCWord(sType, "ACCELERATORS")) {
            NextRCToken(t, sType);
            ReadRCAccelerators(t, sTok);
        } else if (IsRCWord(sType, "VERSIONINFO")) {
            NextRCToken(t, sType);
            ReadRCVersionInfo(t);
        } else if (lKind != 0) {
            NextRCToken(t, sType);
            ReadDataStatement(t, tArgs, lKind, sTok, sFolder);
        } else {
            SkipStatement(t);
        }
    }
}

} // namespace

bool (*gpfnRCImportCopyWanted)() = nullptr;

bool IsRCResourceType(std::string_view sWord) {
    static constexpr std::string_view kasTypes[] = {
        "DIALOG",     "DIALOGEX", "MENU",     "MENUEX", "ACCELERATORS", "VERSIONINFO",
        "BITMAP",     "CURSOR",   "ICON",     "AVI",    "RCDATA",       "TEXTINCLUDE",
        "DESIGNINFO", "DLGINIT",  "TOOLBAR",  "HTML",   "FONT",         "MESSAGETABLE",
        "REGISTRY",   "TYPELIB",  "PLUGPLAY", "VXD",    "ANICURSOR",    "ANIICON"};
    for (std::string_view sType : kasTypes) {
        if (IsRCWord(sWord, sType)) {
            return true;
        }
    }
    return false;
}

bool SkipToRCBlock(tRCScan& t) {
    std::string_view s;
    bool bStart = false;
    while (PeekRCToken(t, s, &bStart)) {
        if (s == kRCMarkerToken) {
            return false;
        }
        if (IsRCBlockOpen(s)) {
            NextRCToken(t, s);
            return true;
        }
        if (bStart && (IsRCWord(s, "STRINGTABLE") || IsRCBlockClose(s))) {
            return false;
        }
        if (bStart && s[0] != '#') {
            // A line that names a new resource ends a statement without a body.
            tRCScan tAhead = t;
            std::string_view sNext;
            NextRCToken(tAhead, sNext);
            bool bNextStart = false;
            if (PeekRCToken(tAhead, sNext, &bNextStart) && !bNextStart && IsRCResourceType(sNext)) {
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

namespace {

// The names longer than an ID name holds that this read has met, by their
// whole text: each keeps the distinct stored name it was given first.
std::unordered_map<std::string, std::string> gasLongNames;

} // namespace

int32_t RCIDFromArg(RCArg aID, int32_t lPrefix) {
    const std::string_view sName = RCArgName(aID);
    std::string sExpr;
    for (std::string_view s : aID) {
        sExpr += s;
        sExpr += ' ';
    }
    if (sName.empty() || sExpr.find_first_of("+-|") == std::string::npos ||
        sExpr.find_first_not_of(" -0123456789") == std::string::npos) {
        return sName.empty() ? 0 : RCIDFromToken(sName, lPrefix);
    }
    // "IDD_VERFIRST+1": the value of the expression, named after it as a number
    // is, so that controls written with distinct values keep distinct IDs.
    int64_t lValue = 0;
    char cOp = '+';
    size_t l = 0;
    while (l < sExpr.size()) {
        const char c = sExpr[l];
        if (c == '+' || c == '-' || c == '|') {
            cOp = c;
            ++l;
            continue;
        }
        if (c == ' ' || c == '(' || c == ')') {
            ++l;
            continue;
        }
        size_t lEnd = l;
        while (lEnd < sExpr.size() &&
               (std::isalnum(static_cast<unsigned char>(sExpr[lEnd])) || sExpr[lEnd] == '_')) {
            ++lEnd;
        }
        if (lEnd == l) {
            return RCIDFromToken(sName, lPrefix); // no expression of names and numbers
        }
        const std::string_view sTerm = std::string_view(sExpr).substr(l, lEnd - l);
        int64_t lTerm = 0;
        if (std::isdigit(static_cast<unsigned char>(sTerm[0]))) {
            lTerm = RCNumberText(sTerm);
        } else {
            const int32_t lID = FindIDByName(RCStoredName(sTerm));
            if (lID == 0) {
                return RCIDFromToken(sName, lPrefix); // a name without a value
            }
            lTerm = gatID[lID].lIDValue;
        }
        lValue = cOp == '+' ? lValue + lTerm : cOp == '-' ? lValue - lTerm : (lValue | lTerm);
        l = lEnd;
    }
    if (lValue < 0 || lValue > 0xFFFF) {
        return RCIDFromToken(sName, lPrefix);
    }
    return RCIDFromToken(std::to_string(lValue), lPrefix);
}

void ForgetRCLongNames() {
    gasLongNames.clear();
}

std::string RCStoredName(std::string_view sName) {
    std::string sStored = "%";
    sStored += sName;
    if (sStored.size() <= IDNameText::Capacity()) {
        return sStored;
    }
    const auto it = gasLongNames.find(sStored);
    if (it != gasLongNames.end()) {
        return it->second;
    }
    // Cut to what a name holds, and numbered as generated names are (the number
    // takes the place of the last characters) while any ID has that name, so
    // that distinct names stay distinct IDs.
    std::string sCut = sStored.substr(0, IDNameText::Capacity());
    for (int32_t n = 1; FindIDByName(sCut) != 0; ++n) {
        const std::string sNumber = std::to_string(n);
        sCut = sStored.substr(0, IDNameText::Capacity() - sNumber.size()) + sNumber;
    }
    gasLongNames.emplace(sStored, sCut);
    return sCut;
}

int32_t RCIDFromToken(std::string_view sToken, int32_t lPrefix) {
    if (!sToken.empty() && sToken[0] != '%' && sToken.size() + 1 > IDNameText::Capacity() &&
        IsIdentifier(sToken)) {
        const std::string sStored = RCStoredName(sToken);
        return IDFromToken(sStored, lPrefix == -1 ? 1 : lPrefix);
    }
    if (!sToken.empty() && std::isdigit(static_cast<unsigned char>(sToken[0]))) {
        // "0x140" as well as "320": the ID is named after the decimal value.
        return IDFromToken(std::to_string(RCNumberText(sToken)), lPrefix);
    }
    if (lPrefix == -1) {
        // A script read without its header names menu commands, strings and
        // keys that have no value yet. The resource numbering would give every
        // one of them the same value; the control numbering (used for a kind
        // hint of 1 and up) gives each its own.
        return IDFromToken(sToken, 1);
    }
    return IDFromToken(sToken, lPrefix);
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

void CloseRCTexts() {
    CloseWorkFile(gtDoc.tRCWork);
    CloseWorkFile(gtDoc.tRCPreImport);
    gtDoc.sUnreadCompanion.clear();
}

namespace {

// psOwned, when set, is sText itself, which the caller gives up: a script
// imported on its own then becomes its own copy instead of being copied.
int32_t LoadRCText(const std::string& sText, std::string* psOwned, int32_t lClear,
                   int32_t lClipboard, const std::string& sPath) {
    const tLoadScope tLoad;
    if (static_cast<int64_t>(sText.size()) > glMaxSourceBytes) {
        // Block rows keep 32-bit positions: such a text is refused whole.
        ReportError(OpenErrorMessage(7, sPath.empty() ? std::string("Clipboard") : sPath));
        return 0;
    }
    ForgetRCLongNames();
    if (lClear) {
        ClearProject();
    }
    ShowStatusText("Loading RC File");
    tSourceText ts;
    ts.sText = sText;
    tReadFrame f;
    if (!StartRCFrame(ts, f, lClipboard, psOwned)) {
        CloseStatusText();
        return 0;
    }
    // A script imported on its own is kept as a copy too, so that its first
    // save can append it: nothing of the user's text is lost.
    bool bWanted = lClear != 0 || (gpfnRCImportCopyWanted && gpfnRCImportCopyWanted());
    const std::string* psRead = f.psInPlace ? f.psInPlace : &sText;
    if (!f.lBlocks && !f.lClipboard && bWanted && !gtDoc.tRCPreImport.lOpen &&
        OpenWorkFile(gtDoc.tRCPreImport) == 0) {
        if (psOwned) {
            gtDoc.tRCPreImport.sText = std::move(*psOwned);
            psRead = &gtDoc.tRCPreImport.sText;
        } else {
            AppendWorkFile(gtDoc.tRCPreImport, sText);
        }
    }
    tRCScan t;
    t.sText = *psRead;
    t.lPos = ts.lPos;
    t.lLine = ts.lLine;
    t.bMarkers = f.lBlocks != 0;
    StatementLoop(t, f, FolderOf(sPath));
    LinkLateImages();
    LinkMenuItems(false);
    FinishFrame(f);
    CloseStatusText();
    return 1;
}

} // namespace

int32_t LoadRC(const std::string& sText, int32_t lClear, int32_t lClipboard,
               const std::string& sPath) {
    return LoadRCText(sText, nullptr, lClear, lClipboard, sPath);
}

int32_t LoadRC(std::string&& sText, int32_t lClear, int32_t lClipboard, const std::string& sPath) {
    return LoadRCText(sText, &sText, lClear, lClipboard, sPath);
}
