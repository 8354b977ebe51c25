// Dialogs of a resource script: the DIALOG/DIALOGEX header with its option
// lines, and every control statement of the body, short forms and CONTROL.
#include "edit/design_edits.h"
#include "model/fonts.h"
#include "model/id_names.h"
#include "model/project.h"
#include "readers/rc_kinds.h"
#include "readers/rc_reader_parts.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"

#include <cctype>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

bool IsNumberToken(std::string_view s) {
    return !s.empty() && std::isdigit(static_cast<unsigned char>(s[0]));
}

// A list element of the row's own: the catalog's default lists are shared.
void SetRowList(int32_t& lElem, const std::string& sList) {
    if (lElem > 0 && lElem <= glDynStrBase) {
        lElem = 0;
    }
    SetDynStr(lElem, sList);
}

int32_t CopyList(int32_t lElem) {
    int32_t l = 0;
    SetDynStr(l, GetDynStr(lElem));
    return l;
}

// The catalog sections a style expression looks in, each found on first use,
// and the rows its names were found at: the expressions of a dialog's controls
// name the same few styles over and over, and nothing while a script is read
// changes the catalog.
struct tStyleSections {
    int32_t lEx = -1;
    int32_t lDialog = -1;
    int32_t lWindow = -1;
    std::string sKey; // the section looked in and "%" name, kept for the next name
    std::unordered_map<std::string, int32_t> alFound; // by sKey; 0 for a name not found
    // The style bits NOT took from the row being read: the resource compiler
    // applies NOT after the styles a statement implies, so they stay off.
    uint32_t alNot[2] = {0, 0};
};

int32_t SectionOnce(int32_t& lSection, std::string_view sClass) {
    if (lSection < 0) {
        lSection = FindClass(sClass);
    }
    return lSection;
}

// The catalog row of a style name (without "%") in the row's class, then in
// the window styles; extended styles in their own section.
int32_t FindStyleName(const tDlg& tRow, std::string_view sName, bool bEx,
                      tStyleSections& tSections) {
    const int32_t lClass = bEx ? -1
                           : tRow.lCtlType == wkCtlDialog
                               ? SectionOnce(tSections.lDialog, "DialogStyles")
                               : tRow.lClassElem;
    std::string& sKey = tSections.sKey;
    sKey.assign(reinterpret_cast<const char*>(&lClass), sizeof lClass);
    sKey += '%';
    sKey += sName;
    if (auto it = tSections.alFound.find(sKey); it != tSections.alFound.end()) {
        return it->second;
    }
    const std::string_view sFull = std::string_view(sKey).substr(sizeof lClass);
    int32_t l = 0;
    if (bEx) {
        l = FindStyleByName(SectionOnce(tSections.lEx, "ExStyles"), sFull);
    } else {
        l = FindStyleByName(lClass, sFull);
        if (l == 0) {
            l = FindStyleByName(SectionOnce(tSections.lWindow, "WindowStyles"), sFull);
        }
    }
    tSections.alFound.emplace(sKey, l);
    return l;
}

// s is NOT in any case, without an upper-case copy.
bool IsNotWord(std::string_view s) {
    return s.size() == 3 && (s[0] == 'N' || s[0] == 'n') && (s[1] == 'O' || s[1] == 'o') &&
           (s[2] == 'T' || s[2] == 't');
}

void AddNamedStyle(tDlg& tRow, int32_t lStyleRow, bool bEx) {
    int32_t& lBits = bEx ? tRow.lExStyle : tRow.lStyle;
    int32_t& lList = bEx ? tRow.lExStyleStrElem : tRow.lStyleStrElem;
    lBits |= static_cast<int32_t>(gatStyle[lStyleRow].lValue);
    const std::string_view sList = DynStrView(lList);
    if (!StyleListHas(sList, lStyleRow)) {
        std::string sNew;
        sNew.reserve(sList.size() + 4);
        sNew += sList;
        sNew += FormatStyleToken(lStyleRow);
        sNew += ',';
        SetRowList(lList, sNew);
    }
}

// NOT name: the bits go, and with them every listed name that stood for any of them.
void RemoveStyleBits(tDlg& tRow, uint32_t lValue, int32_t lStyleRow, bool bEx) {
    int32_t& lBits = bEx ? tRow.lExStyle : tRow.lStyle;
    int32_t& lList = bEx ? tRow.lExStyleStrElem : tRow.lStyleStrElem;
    lBits &= static_cast<int32_t>(~lValue);
    std::string sList = GetDynStr(lList);
    std::string sKept;
    for (size_t i = 0; i + 4 <= sList.size(); i += 4) {
        int32_t lRow = std::atoi(sList.substr(i, 3).c_str());
        uint32_t lRowValue = gatStyle[lRow].lValue;
        if (lRow == lStyleRow || (lRowValue & lValue) != 0) {
            continue;
        }
        sKept += sList.substr(i, 4);
    }
    SetRowList(lList, sKept);
}

void AddNamedByText(tDlg& tRow, const char* szName, tStyleSections& tSections) {
    if (int32_t l = FindStyleName(tRow, szName, false, tSections)) {
        AddNamedStyle(tRow, l, false);
    }
}

void RemoveNamedByText(tDlg& tRow, const char* szName, tStyleSections& tSections) {
    if (int32_t l = FindStyleName(tRow, szName, false, tSections)) {
        RemoveStyleBits(tRow, gatStyle[l].lValue, l, false);
    }
}

// A style expression: names joined by "|" (or "+"), NOT before a name removes
// it, numbers add their bits.
// bNot carries a NOT that ended one argument over to the next.
void ApplyStyleWords(tDlg& tRow, RCArg aArg, bool bEx, bool& bNot, tStyleSections& tSections) {
    for (std::string_view s : aArg) {
        if (s == "|" || s == "(" || s == ")" || s == "+") {
            continue;
        }
        if (IsNotWord(s)) {
            bNot = true;
            continue;
        }
        if (IsNumberToken(s) || (s[0] == '-' && s.size() > 1)) {
            uint32_t lValue = static_cast<uint32_t>(RCNumberText(s));
            int32_t& lBits = bEx ? tRow.lExStyle : tRow.lStyle;
            if (bNot) {
                RemoveStyleBits(tRow, lValue, 0, bEx);
                tSections.alNot[bEx] |= lValue;
            } else {
                lBits |= static_cast<int32_t>(lValue);
            }
        } else if (int32_t l = FindStyleName(tRow, s, bEx, tSections)) {
            if (bNot) {
                RemoveStyleBits(tRow, gatStyle[l].lValue, l, bEx);
                tSections.alNot[bEx] |= gatStyle[l].lValue;
            } else {
                AddNamedStyle(tRow, l, bEx);
            }
        }
        bNot = false;
    }
}

void ApplyStyleExpr(tDlg& tRow, const tRCArgs& tArgs, bool bEx, tStyleSections& tSections) {
    bool bNot = false;
    for (size_t l = 0; l < tArgs.size(); ++l) {
        ApplyStyleWords(tRow, tArgs[l], bEx, bNot, tSections);
    }
}

void ApplyStyleExpr(tDlg& tRow, RCArg aArg, bool bEx, tStyleSections& tSections) {
    bool bNot = false;
    ApplyStyleWords(tRow, aArg, bEx, bNot, tSections);
}

int32_t NumberOrName(RCArg aArg, int32_t (*pfnName)(std::string_view)) {
    if (aArg.empty()) {
        return 0;
    }
    if (IsNumberToken(aArg[0])) {
        return RCArgNumber(aArg);
    }
    std::string sName(1, '%');
    sName += aArg[0];
    return pfnName(sName);
}

void ReadFont(const tRCArgs& tArgs, tFontDesc& tFont) {
    tFont = tFontDesc{};
    std::string sSize = tArgs[0].empty() ? std::string() : std::string(tArgs[0][0]);
    tFont.fFontSize = static_cast<float>(std::atof(sSize.c_str()));
    tFont.szFontName = RCArgText(tArgs[1], rcEscConvert);
    tFont.lWeight = NumberOrName(tArgs[2], WeightFromText);
    tFont.lItalic = NumberOrName(tArgs[3], FlagFromText);
    tFont.lCharSet = NumberOrName(tArgs[4], CharSetFromText);
}

// A bitmap, icon or cursor resource of that name (it may have no ID of its own).
int32_t FindDataResourceByName(const std::string& sName) {
    for (int32_t l = 1; l <= glResCnt; ++l) {
        int32_t lKind = gatRes[l].lType;
        if (gatRes.Live(l) &&
            (lKind == wkResBitmap || lKind == wkResIcon || lKind == wkResCursor) &&
            SameIDName(gatRes[l].szIDName.view(), sName)) {
            return l;
        }
    }
    return 0;
}

struct tDialogState {
    int32_t lDlg = 0; // the dialog row the controls join
    tRCArgs tArgs;    // one control statement after another is read into it
    tStyleSections tSections;
    // The classes the dialog's controls named and their catalog sections: a
    // dialog uses a handful of classes for all of its controls.
    std::vector<std::pair<std::string, int32_t>> aClasses;
};

int32_t ClassSection(tDialogState& tState, std::string_view sClass) {
    for (const auto& tSeen : tState.aClasses) {
        if (tSeen.first == sClass) {
            return tSeen.second;
        }
    }
    const int32_t lClass = FindClass(sClass);
    tState.aClasses.emplace_back(std::string(sClass), lClass);
    return lClass;
}

// The forms of a control statement: CONTROL with its class, the short forms
// that take a text before the ID, and those that take none.
enum RCControlForm {
    rcFormNone,
    rcFormControl,
    rcFormText,
    rcFormPlain,
};

RCControlForm ControlForm(std::string_view s) {
    static constexpr std::string_view kasText[] = {
        "LTEXT",      "RTEXT",           "CTEXT",         "GROUPBOX",  "PUSHBOX",
        "PUSHBUTTON", "USERBUTTON",      "DEFPUSHBUTTON", "AUTOCHECK", "AUTOCHECKBOX",
        "CHECKBOX",   "3STATE",          "STATE3",        "AUTO3",     "AUTO3STATE",
        "AUTORADIO",  "AUTORADIOBUTTON", "RADIOBUTTON",   "ICON"};
    static constexpr std::string_view kasPlain[] = {"EDITTEXT", "BEDIT",   "HEDIT",    "IEDIT",
                                                    "COMBOBOX", "LISTBOX", "SCROLLBAR"};
    if (IsRCWord(s, "CONTROL")) {
        return rcFormControl;
    }
    for (std::string_view sWord : kasText) {
        if (IsRCWord(s, sWord)) {
            return rcFormText;
        }
    }
    for (std::string_view sWord : kasPlain) {
        if (IsRCWord(s, sWord)) {
            return rcFormPlain;
        }
    }
    return rcFormNone;
}

void SetCaption(tDlg& tRow, RCArg aArg) {
    int32_t l = 0;
    SetDynStr(l, RCArgText(aArg, rcEscConvert));
    tRow.lCaptionElem = l;
}

void ReadControl(tRCScan& t, std::string_view sWord, RCControlForm lForm, tDialogState& tState) {
    tRCArgs& tArgs = tState.tArgs;
    ReadRCArgs(t, tArgs);
    tDlg tRow{};
    size_t lRect = 0;
    size_t lStyle = 0;
    size_t lExStyle = 0;
    RCArg aText;
    RCArg aID;
    if (lForm == rcFormControl) {
        // Every style of a CONTROL line is written out: no defaults.
        std::string sClass = RCArgText(tArgs[2], rcEscConvert);
        tRow.lCtlType = KindFromRCWord(sClass);
        if (tRow.lCtlType == wkCtlCustom || IsRCWord(sClass, "EDIT") ||
            IsRCWord(sClass, "STATIC") || IsRCWord(sClass, "BUTTON")) {
            tRow.szClass = sClass; // the refinement below reads the class as written
        } else {
            tRow.szClass = CtlTypeClass(tRow.lCtlType);
        }
        aText = tArgs[0];
        aID = tArgs[1];
        lStyle = 3;
        lRect = 4;
        lExStyle = 8;
    } else {
        tRow.lCtlType = KindFromRCWord(sWord);
        tRow.szClass = CtlTypeClass(tRow.lCtlType);
        const tCtlDefault& tDef = gatCtlDefault[tRow.lCtlType];
        tRow.lStyle = tDef.lStyle;
        tRow.lExStyle = tDef.lExStyle;
        tRow.lStyleStrElem = CopyList(tDef.lStyleStrElem);
        tRow.lExStyleStrElem = CopyList(tDef.lExStyleStrElem);
        size_t lFirst = 0;
        if (lForm == rcFormText) {
            aText = tArgs[0];
            lFirst = 1;
        }
        aID = tArgs[lFirst];
        lRect = lFirst + 1;
        lStyle = lFirst + 5;
        lExStyle = lStyle + 1;
    }
    tRow.lClassElem = ClassSection(tState, tRow.szClass.view());
    tStyleSections& tSections = tState.tSections;
    if (IsRCWord(sWord, "RTEXT")) {
        RemoveNamedByText(tRow, "SS_LEFT", tSections);
        AddNamedByText(tRow, "SS_RIGHT", tSections);
    } else if (IsRCWord(sWord, "CTEXT")) {
        RemoveNamedByText(tRow, "SS_LEFT", tSections);
        AddNamedByText(tRow, "SS_CENTER", tSections);
    } else if (IsRCWord(sWord, "DEFPUSHBUTTON")) {
        AddNamedByText(tRow, "BS_DEFPUSHBUTTON", tSections);
    } else if (IsRCWord(sWord, "ICON")) {
        // An ICON line shows an icon, not the bitmap an image control starts with.
        RemoveNamedByText(tRow, "SS_BITMAP", tSections);
        AddNamedByText(tRow, "SS_ICON", tSections);
    }
    tRow.nLeft = RCArgNumber(tArgs[lRect]);
    tRow.nTop = RCArgNumber(tArgs[lRect + 1]);
    tRow.nRight = tRow.nLeft + RCArgNumber(tArgs[lRect + 2]);
    tRow.nBottom = tRow.nTop + RCArgNumber(tArgs[lRect + 3]);
    tSections.alNot[0] = tSections.alNot[1] = 0;
    ApplyStyleExpr(tRow, tArgs[lStyle], false, tSections);
    ApplyStyleExpr(tRow, tArgs[lExStyle], true, tSections);
    KindFromClassAndStyle(tRow);
    if (tRow.lCtlType == wkCtlHScrollBar && (tRow.lStyle & 1) != 0) {
        tRow.lCtlType = wkCtlVScrollBar;
    }
    tRow.lIDElem = RCIDFromArg(aID, tRow.lCtlType);
    int32_t lData = 0;
    if (tRow.lCtlType == wkCtlImage || tRow.lCtlType == wkCtlImgButton) {
        // The text of an image control names the icon or bitmap it shows, as
        // an ID or, for a resource without one, as a quoted name.
        std::string sTextName = RCArgText(aText, rcEscKeep);
        if (!sTextName.empty()) {
            lData = FindDataResourceByName("%" + sTextName);
        }
    }
    if (lData != 0) {
        tRow.lDataResElem = lData;
    } else {
        SetCaption(tRow, aText);
    }
    // The styles every control has come first: NOT in the script takes them
    // away again.
    EnsureImpliedStyles(tRow);
    for (const bool bEx : {false, true}) {
        if (tSections.alNot[bEx] != 0) {
            RemoveStyleBits(tRow, tSections.alNot[bEx], 0, bEx);
        }
    }
    NewControl(tState.lDlg, tRow, tNewCtlOpts{.bImpliedStyles = false});
}

void ReadBody(tRCScan& t, tDialogState& tState) {
    std::string_view s;
    while (PeekRCToken(t, s)) {
        if (s == kRCMarkerToken) {
            return;
        }
        NextRCToken(t, s);
        if (IsRCBlockClose(s)) {
            return;
        }
        if (s[0] == '#' && t.bLineStart) {
            SkipRCDirective(t);
            continue;
        }
        if (IsRCBlockOpen(s)) {
            SkipRCBlock(t);
            continue;
        }
        const RCControlForm lForm = ControlForm(s);
        std::string_view sNext;
        bool bStart = false;
        if (lForm == rcFormNone && t.bLineStart && PeekRCToken(t, sNext, &bStart) && !bStart &&
            IsRCResourceType(sNext)) {
            // The dialog lost its END: the next resource starts here.
            t.lPos = t.lTokStart;
            return;
        }
        if (lForm != rcFormNone) {
            ReadControl(t, s, lForm, tState);
        } else {
            ReadRCArgs(t, tState.tArgs);
        }
    }
}

} // namespace

void ReadRCDialog(tRCScan& t, std::string_view sName, bool /*bEx*/) {
    tDlg tRow{};
    tRow.lCtlType = wkCtlDialog;
    tRow.szClass = CtlTypeClass(wkCtlDialog);
    tRow.lClassElem = FindClass("DialogStyles");
    tDialogState tState;
    tRCArgs& tArgs = tState.tArgs;
    // The rectangle: the first four numbers of the header (options and
    // negative numbers are passed over).
    ReadRCArgs(t, tArgs);
    int32_t alRect[4] = {};
    int32_t lFound = 0;
    for (std::string_view s : tArgs.asToks) {
        if (lFound < 4 && IsNumberToken(s)) {
            alRect[lFound++] = RCNumberText(s);
        }
    }
    tRow.nLeft = alRect[0];
    tRow.nTop = alRect[1];
    tRow.nRight = alRect[0] + alRect[2];
    tRow.nBottom = alRect[1] + alRect[3];

    int32_t lMenuRes = 0;
    int32_t lFontElem = 0;
    std::string_view sTok;
    bool bStart = false;
    bool bBody = false;
    while (PeekRCToken(t, sTok, &bStart)) {
        if (sTok == kRCMarkerToken) {
            break;
        }
        if (IsRCBlockOpen(sTok)) {
            NextRCToken(t, sTok);
            bBody = true;
            break;
        }
        if (sTok[0] == '#') {
            NextRCToken(t, sTok);
            SkipRCDirective(t);
            continue;
        }
        const std::string_view sWord = sTok;
        if (IsRCWord(sWord, "STYLE") || IsRCWord(sWord, "EXSTYLE")) {
            NextRCToken(t, sTok);
            ReadRCArgs(t, tArgs);
            ApplyStyleExpr(tRow, tArgs, IsRCWord(sWord, "EXSTYLE"), tState.tSections);
        } else if (IsRCWord(sWord, "CAPTION")) {
            NextRCToken(t, sTok);
            ReadRCArgs(t, tArgs);
            SetCaption(tRow, tArgs[0]);
        } else if (IsRCWord(sWord, "FONT")) {
            NextRCToken(t, sTok);
            tFontDesc tFont;
            ReadRCArgs(t, tArgs);
            ReadFont(tArgs, tFont);
            if (!tFont.szFontName.empty()) {
                lFontElem = AddFont(tFont);
            }
        } else if (IsRCWord(sWord, "MENU")) {
            NextRCToken(t, sTok);
            ReadRCArgs(t, tArgs);
            std::string_view sMenu = RCArgName(tArgs[0]);
            if (!sMenu.empty()) {
                int32_t lID = RCIDFromToken(sMenu, -2);
                lMenuRes = FindResourceByID(lID);
                if (lMenuRes == 0) {
                    lMenuRes = AddResource(gatID[lID].szIDName.view(), wkResMenu, lID, 0);
                }
            }
        } else if (IsRCWord(sWord, "CLASS") || IsRCWord(sWord, "LANGUAGE") ||
                   IsRCWord(sWord, "CHARACTERISTICS") || IsRCWord(sWord, "VERSION")) {
            NextRCToken(t, sTok);
            ReadRCArgs(t, tArgs);
        } else {
            // A line that names a new resource: the dialog had no body.
            tRCScan tAhead = t;
            std::string_view sNext;
            NextRCToken(tAhead, sNext);
            bool bNextStart = false;
            if (IsRCWord(sWord, "STRINGTABLE") || IsRCBlockClose(sTok) ||
                (PeekRCToken(tAhead, sNext, &bNextStart) && !bNextStart &&
                 IsRCResourceType(sNext))) {
                break;
            }
            NextRCToken(t, sTok);
            SkipRCLine(t); // an option the reader does not know
        }
    }

    int32_t lID = RCIDFromToken(sName, 0);
    tRow.lResElem = AddResource(gatID[lID].szIDName.view(), wkResDialog, lID, 0);
    tRow.lFontElem = lFontElem;
    const int32_t lRow = NewDialog(tRow);
    const int32_t lRes = tRow.lResElem;
    if (lMenuRes != 0) {
        gatRes.W(lRes).lLinkMenu = lMenuRes;
        gatRes.W(lMenuRes).lLinkDlg = lRes;
    }
    if (bBody) {
        tState.lDlg = lRow;
        ReadBody(t, tState);
    }
}

void LinkLateImages() {
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        const tDlg& t = gatDlg[l];
        if (!gatDlg.Live(l) || t.lDataResElem != 0 || t.lCaptionElem == 0 ||
            (t.lCtlType != wkCtlImage && t.lCtlType != wkCtlImgButton)) {
            continue;
        }
        if (int32_t lData = FindDataResourceByName("%" + GetDynStr(t.lCaptionElem))) {
            tDlg& tRow = gatDlg.W(l);
            tRow.lDataResElem = lData;
            SetDynStr(tRow.lCaptionElem, std::string());
        }
    }
    // A file a control shows is written to the companion script under its ID,
    // and the KVL code names that ID: one named before an ID of its name came
    // (an icon and a later menu of one name) takes that ID now, as reading the
    // saved file back would.
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        const int32_t lData = gatDlg.Live(l) ? gatDlg[l].lDataResElem : 0;
        if (lData != 0 && gatRes[lData].lIDElem == 0) {
            gatRes.W(lData).lIDElem = FindIDByName(gatRes[lData].szIDName.view());
        }
    }
}
