// The project tables and their operations.
#include "model/project.h"

#include "model/table_index.h"
#include "model/version_info.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

Table<tID> gatID;
Table<tRes> gatRes;
Table<tDlg> gatDlg;
Table<tMenu> gatMenu;
Table<tAccel> gatAccel;
Table<tStr> gatStr;
Table<tBlock> gatBlock;
Table<tBlock> gatRCBlock;

constinit const int32_t& glIDCnt = gatID.CountRef();
constinit const int32_t& glResCnt = gatRes.CountRef();
constinit const int32_t& glDlgCnt = gatDlg.CountRef();
constinit const int32_t& glMenuCnt = gatMenu.CountRef();
constinit const int32_t& glAccelCnt = gatAccel.CountRef();
constinit const int32_t& glStrCnt = gatStr.CountRef();
constinit const int32_t& glBlockCnt = gatBlock.CountRef();
constinit const int32_t& glRCBlockCnt = gatRCBlock.CountRef();

tElem gtElem = {};
tMisc gtMisc = {6, 13};

namespace {

// The searches every reader makes for each token, answered from indexes (see
// table_index.h) with the results of the plain scans.
template <class T> bool IDElemKey(const T& t, uint64_t& lKey) {
    lKey = NumberKey(t.lIDElem);
    return t.lIDElem > 0;
}
bool IDNameKey(const tID& t, uint64_t& lKey) {
    lKey = TextKey(t.szIDName.view(), true);
    return true;
}
bool ResNameKey(const tRes& t, uint64_t& lKey) {
    lKey = TextKey(t.szIDName.view(), true);
    return true;
}
// Data resources are few; their file names live in gasDynStr, which changes
// without the resource row knowing, so the index only lists them and the
// name is compared when asked.
bool DataResKey(const tRes& t, uint64_t& lKey) {
    lKey = 1;
    return t.lRCDataElem != 0;
}

// The dialog row of a dialog resource (the row of kind 0).
bool DialogRowKey(const tDlg& t, uint64_t& lKey) {
    lKey = NumberKey(t.lResElem);
    return t.lResElem > 0 && t.lCtlType == 0;
}

TableIndex<tID> gixIDName(gatID, IDNameKey);
TableIndex<tRes> gixResID(gatRes, IDElemKey<tRes>);
TableIndex<tRes> gixResName(gatRes, ResNameKey);
TableIndex<tRes> gixDataRes(gatRes, DataResKey);
TableIndex<tDlg> gixDlgID(gatDlg, IDElemKey<tDlg>);
TableIndex<tDlg> gixDialogRow(gatDlg, DialogRowKey);
TableIndex<tMenu> gixMenuID(gatMenu, IDElemKey<tMenu>);
TableIndex<tAccel> gixAccelID(gatAccel, IDElemKey<tAccel>);
TableIndex<tStr> gixStrID(gatStr, IDElemKey<tStr>);

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool StartsWithHexMark(std::string_view s) {
    return s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h');
}

bool EndsWith(std::string_view s, std::string_view sEnd) {
    return s.size() >= sEnd.size() && s.substr(s.size() - sEnd.size()) == sEnd;
}

// A linked resource is followed only when it has the kind the link promises,
// so a damaged file cannot make DeleteResource remove an unrelated resource.
int32_t LinkedOfKind(int32_t lRes, int32_t lKind1, int32_t lKind2 = -1) {
    const tRes& t = gatRes[lRes];
    return (t.lType == lKind1 || t.lType == lKind2) ? lRes : 0;
}

} // namespace

// ---- IDs --------------------------------------------------------------------

int32_t ValueFromText(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) {
        ++i;
    }
    bool bNegative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        bNegative = s[i] == '-';
        ++i;
    }
    if (StartsWithHexMark(s.substr(i))) {
        // Hexadecimal: the 32 bits as written, so &HFFFFFFFF is -1.
        uint32_t v = 0;
        for (i += 2; i < s.size() && HexDigit(s[i]) >= 0; ++i) {
            v = (v << 4) | static_cast<uint32_t>(HexDigit(s[i]));
        }
        if (bNegative) {
            v = 0u - v;
        }
        return static_cast<int32_t>(v);
    }
    // Decimal: saturate rather than wrap, a huge number stays huge.
    int64_t v = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        if (v < (int64_t{1} << 40)) {
            v = v * 10 + (s[i] - '0');
        }
    }
    if (bNegative) {
        v = -v;
    }
    if (v > INT32_MAX) {
        return INT32_MAX;
    }
    if (v < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(v);
}

namespace {

// The value, radix and type suffix of an ID from its value text.
void ApplyIDValueText(tID& t, std::string_view sText) {
    t.lIDValue = ValueFromText(sText);
    char ab[16];
    const std::to_chars_result r = std::to_chars(ab, ab + sizeof ab, t.lIDValue);
    if (sText == std::string_view(ab, static_cast<std::size_t>(r.ptr - ab))) {
        t.byHex = 0;
        t.byTypeSuffix = wkSuffixNone;
        return;
    }
    t.byHex = StartsWithHexMark(sText) ? 1 : 0;
    if (EndsWith(sText, "???")) {
        t.byTypeSuffix = wkSuffixDword;
    } else if (EndsWith(sText, "??")) {
        t.byTypeSuffix = wkSuffixWord;
    } else if (EndsWith(sText, "?")) {
        t.byTypeSuffix = wkSuffixByte;
    } else if (EndsWith(sText, "%")) {
        t.byTypeSuffix = wkSuffixInteger;
    } else if (EndsWith(sText, "&")) {
        t.byTypeSuffix = wkSuffixLong;
    } else {
        t.byTypeSuffix = wkSuffixNone;
    }
}

} // namespace

int32_t SetIDValueText(int32_t lElem, std::string_view sText) {
    tID* p = gatID.Ptr(lElem);
    if (!p) {
        return 0;
    }
    NoteChange(wkChgID, lElem, 1);
    ApplyIDValueText(*p, sText);
    return 1;
}

std::string IDValueText(int32_t lElem) {
    static const char* const aszSuffix[] = {"", "?", "%", "??", "&", "???"};
    const tID& t = gatID[lElem];
    std::string s;
    if (t.byHex == 1) {
        static const char szDigits[] = "0123456789ABCDEF";
        uint32_t v = static_cast<uint32_t>(t.lIDValue);
        std::string sHex;
        do {
            sHex.insert(sHex.begin(), szDigits[v & 0xF]);
            v >>= 4;
        } while (v);
        s = "&H" + sHex;
    } else {
        s = std::to_string(t.lIDValue);
    }
    if (t.byTypeSuffix <= wkSuffixDword) {
        s += aszSuffix[t.byTypeSuffix];
    }
    return s;
}

int32_t AddID(std::string_view sName, const std::string& sValue, int32_t lUsedBy) {
    tID t{};
    t.szIDName = sName;
    t.lUsedBy = lUsedBy;
    ApplyIDValueText(t, sValue); // before the add: the row is written once
    NoteChange(wkChgID, glIDCnt + 1, 1);
    return gatID.Add(t);
}

int32_t UpdateID(int32_t lElem, std::string_view sName, const std::string& sValue,
                 int32_t lUsedBy) {
    tID* p = gatID.Ptr(lElem);
    if (!p) {
        return 0;
    }
    p->szIDName = sName;
    p->lUsedBy = lUsedBy;
    ApplyIDValueText(*p, sValue);
    NoteChange(wkChgID, lElem, 1);
    return 1;
}

int32_t DeleteID(int32_t lElem) {
    if (!gatID.Delete(lElem)) {
        return 0;
    }
    NoteChange(wkChgID, lElem, 1);
    return 1;
}

int32_t FindIDByName(std::string_view sName) {
    if (sName.empty()) {
        return 0;
    }
    // Stored names are cut to 32 characters; a longer name is looked up in
    // the form AddID would have stored it, so that reading a long equate and
    // then a reference to it finds the one row instead of adding a twin.
    return FindNextIDNamed(sName.substr(0, IDNameText::Capacity()), 0);
}

int32_t FindNextIDNamed(std::string_view sName, int32_t lAfter) {
    if (sName.size() > IDNameText::Capacity()) {
        return 0; // no stored name is that long
    }
    return gixIDName.Find(TextKey(sName, true), lAfter, [&](int32_t, const tID& t) {
        return SameIDName(t.szIDName.view(), sName);
    });
}

int32_t FindNextResourceNamed(std::string_view sName, int32_t lAfter) {
    if (sName.size() > IDNameText::Capacity()) {
        return 0;
    }
    return gixResName.Find(TextKey(sName, true), lAfter, [&](int32_t, const tRes& t) {
        return SameIDName(t.szIDName.view(), sName);
    });
}

void RecountUsage() {
    for (tID& t : gatID) {
        t.lUsedBy = 0;
    }
    // References that hold 0 or a stale element land in the scratch row.
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (gatRes.Live(l)) {
            gatID.W(gatRes[l].lIDElem).lUsedBy |= wkUsedByRes;
        }
    }
    for (int32_t l = 1; l <= glAccelCnt; ++l) {
        if (gatAccel.Live(l)) {
            gatID.W(gatAccel[l].lIDElem).lUsedBy |= wkUsedByAccel;
        }
    }
    // A dialog row carries its resource's ID, which holds exactly &H1000 here
    // and is then not a control ID.
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        if (gatDlg.Live(l)) {
            int32_t lID = gatDlg[l].lIDElem;
            if (gatID[lID].lUsedBy != wkUsedByRes) {
                gatID.W(lID).lUsedBy |= wkUsedByDlg;
            }
        }
    }
    for (int32_t l = 1; l <= glMenuCnt; ++l) {
        if (gatMenu.Live(l)) {
            gatID.W(gatMenu[l].lIDElem).lUsedBy |= wkUsedByMenu;
        }
    }
    for (int32_t l = 1; l <= glStrCnt; ++l) {
        if (gatStr.Live(l)) {
            gatID.W(gatStr[l].lIDElem).lUsedBy |= wkUsedByStr;
        }
    }
}

// ---- Resources --------------------------------------------------------------

int32_t AddResource(std::string_view sName, int32_t lKind, int32_t lIDElem, int32_t lDataFileElem) {
    tRes t{};
    t.szIDName = sName;
    t.lType = lKind;
    t.lIDElem = lIDElem;
    t.lRCDataElem = lDataFileElem;
    NoteChange(wkChgRes, glResCnt + 1, 1);
    return gatRes.Add(t);
}

int32_t DeleteResourceRow(int32_t lElem) {
    if (!gatRes.Delete(lElem)) {
        return 0;
    }
    NoteChange(wkChgRes, lElem, 1);
    return 1;
}

int32_t DeleteResource(int32_t lElem) {
    if (!gatRes.InRange(lElem)) {
        return 0;
    }
    const tRes tOwn = gatRes[lElem];
    int32_t lDlg = 0;
    int32_t lMenu = 0;
    int32_t lAccel = 0;
    switch (tOwn.lType) {
    case wkResDialog:
        lDlg = lElem;
        lMenu = LinkedOfKind(tOwn.lLinkMenu, wkResMenu, wkResPopupMenu);
        lAccel = LinkedOfKind(tOwn.lLinkAccel, wkResAccel);
        break;
    case wkResMenu:
        lMenu = lElem;
        lAccel = LinkedOfKind(tOwn.lLinkAccel, wkResAccel);
        break;
    case wkResPopupMenu:
        // A pop-up menu owns gatMenu rows like a menu; leaving them behind
        // would orphan them, so it goes with its items (it carries no links).
        lMenu = lElem;
        break;
    case wkResAccel:
        lAccel = lElem;
        break;
    default:
        // Data resources are shared by controls and are never deleted here.
        return 1;
    }
    if (lAccel) {
        for (int32_t l = 1; l <= glAccelCnt; ++l) {
            if (gatAccel.Live(l) && gatAccel[l].lResElem == lAccel) {
                gatAccel.MarkDeleted(l);
            }
        }
        gatAccel.Trim();
    }
    if (lMenu) {
        for (int32_t l = 1; l <= glMenuCnt; ++l) {
            if (gatMenu.Live(l) && gatMenu[l].lResElem == lMenu) {
                if (gatMenu[l].lStrElem != 0) {
                    DeleteStr(gatMenu[l].lStrElem);
                }
                gatMenu.MarkDeleted(l);
            }
        }
        gatMenu.Trim();
    }
    if (lDlg) {
        for (int32_t l = 1; l <= glDlgCnt; ++l) {
            if (gatDlg.Live(l) && gatDlg[l].lResElem == lDlg) {
                gatDlg.MarkDeleted(l);
            }
        }
        gatDlg.Trim();
    }
    if (lAccel) {
        DeleteResourceRow(lAccel);
    }
    if (lMenu) {
        DeleteResourceRow(lMenu);
    }
    if (lDlg) {
        DeleteResourceRow(lDlg);
    }
    // Links: every link to a resource that went is cleared, on both sides. A
    // blanket unlink of the menu's dialog would also part the dialog from an
    // accelerator table of its own that the menu never had, and a link left
    // to a deleted table would name whatever resource takes its element number
    // after the tail is trimmed.
    auto bGone = [&](int32_t l) { return l != 0 && (l == lDlg || l == lMenu || l == lAccel); };
    for (tRes& t : gatRes) {
        if (bGone(t.lLinkDlg)) {
            t.lLinkDlg = 0;
        }
        if (bGone(t.lLinkMenu)) {
            t.lLinkMenu = 0;
        }
        if (bGone(t.lLinkAccel)) {
            t.lLinkAccel = 0;
        }
    }
    if (bGone(gtElem.lResMenu)) {
        gtElem.lResMenu = 0;
    }
    if (bGone(gtElem.lResAccel)) {
        gtElem.lResAccel = 0;
    }
    NoteChange(wkChgRes);
    return 1;
}

int32_t FindResourceByID(int32_t lIDElem) {
    if (lIDElem <= 0) {
        return 0;
    }
    return gixResID.Find(NumberKey(lIDElem));
}

void LinkResources(int32_t lDlg, int32_t lMenu, int32_t lAccel) {
    if (lDlg == 0) {
        return;
    }
    gatRes.W(lDlg).lLinkMenu = lMenu;
    gatRes.W(lDlg).lLinkAccel = lAccel;
    if (lMenu != 0) {
        gatRes.W(lMenu).lLinkDlg = lDlg;
    }
    if (lAccel != 0) {
        gatRes.W(lAccel).lLinkDlg = lDlg;
    }
    if (lDlg == gtElem.lResDlg) {
        gtElem.lResMenu = lMenu;
        gtElem.lResAccel = lAccel;
    }
}

void UnlinkResources(int32_t lDlg) {
    if (lDlg == 0) {
        return;
    }
    const tRes tDlgRes = gatRes[lDlg];
    gatRes.W(tDlgRes.lLinkMenu).lLinkDlg = 0;
    gatRes.W(tDlgRes.lLinkAccel).lLinkDlg = 0;
    gatRes.W(lDlg).lLinkMenu = 0;
    gatRes.W(lDlg).lLinkAccel = 0;
    if (lDlg == gtElem.lResDlg) {
        gtElem.lResMenu = 0;
        gtElem.lResAccel = 0;
    }
}

int32_t CountResources(int32_t lKind) {
    int32_t n = 0;
    for (const tRes& t : std::as_const(gatRes)) {
        n += t.lType == lKind ? 1 : 0;
    }
    return n;
}

int32_t CountCurrentItems(int32_t lKind) {
    int32_t n = 0;
    if (lKind == wkResAccel) {
        for (const tAccel& t : std::as_const(gatAccel)) {
            n += t.lResElem == gtElem.lResAccel ? 1 : 0;
        }
    } else if (lKind == wkResMenu || lKind == wkResPopupMenu) {
        for (const tMenu& t : std::as_const(gatMenu)) {
            n += t.lResElem == gtElem.lResMenu ? 1 : 0;
        }
    }
    return n;
}

int32_t ResourceKindFromText(std::string_view sText) {
    if (sText.find("Accelerator Table") != std::string_view::npos) {
        return wkResAccel;
    }
    if (sText.find("Dialog") != std::string_view::npos) {
        return wkResDialog;
    }
    if (sText.find("Pop-up Menu") != std::string_view::npos) {
        return wkResPopupMenu;
    }
    if (sText.find("Menu") != std::string_view::npos) {
        return wkResMenu;
    }
    return 0;
}

// ---- Dialog and control rows -------------------------------------------------

int32_t AddDlgRow(const tDlg& tRow) {
    NoteChange(wkChgDlg, glDlgCnt + 1, 1);
    return gatDlg.Add(tRow);
}

int32_t DeleteDlgRow(int32_t lElem) {
    if (!gatDlg.MarkDeleted(lElem)) {
        return 0;
    }
    tDlg& t = gatDlg.W(lElem);
    FreeDynStr(t.lCaptionElem);
    FreeDynStr(t.lStyleStrElem);
    FreeDynStr(t.lExStyleStrElem);
    gatDlg.Trim();
    NoteChange(wkChgDlg, lElem, 1);
    return 1;
}

int32_t FindNextDlgRowByID(int32_t lIDElem, int32_t lAfter) {
    if (lIDElem <= 0) {
        return 0;
    }
    return gixDlgID.Find(NumberKey(lIDElem), lAfter);
}

int32_t FindDlgRowByID(int32_t lIDElem) {
    return FindNextDlgRowByID(lIDElem, 0);
}

int32_t FindDialogRow(int32_t lResElem) {
    if (lResElem <= 0) {
        return 0;
    }
    return gixDialogRow.Find(NumberKey(lResElem));
}

int32_t CountDialogRows(int32_t lResElem) {
    if (lResElem <= 0) {
        return 0;
    }
    int32_t n = 0;
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        n += gatDlg.Live(l) && gatDlg[l].lResElem == lResElem ? 1 : 0;
    }
    return n;
}

int32_t LastControlRow(int32_t lResElem) {
    if (lResElem <= 0) {
        return 0;
    }
    for (int32_t l = glDlgCnt; l >= 1; --l) {
        if (gatDlg[l].lResElem == lResElem) {
            return gatDlg[l].lCtlType != 0 ? l : 0;
        }
    }
    return 0;
}

// Tab order. A scan could end early (at the moved row, or at the first
// row past the new position) because freshly read dialogs stand in the table
// in ascending position. After one reordering that no longer holds, as rows
// never move, so the early ends would then skip rows and leave duplicate
// positions. Every row of the dialog is therefore scanned: on a table in
// ascending order the result is the same, and it stays gapless otherwise.
int32_t SetControlOrder(int32_t lRow, int32_t lNewPos) {
    if (!gatDlg.InRange(lRow)) {
        return 0;
    }
    const int32_t lOld = gatDlg[lRow].lCtlOrder;
    const int32_t lDlg = gtElem.lResDlg;
    // Positions start at 1; the dialog row (position 0) never moves.
    if (lOld < 1 || lNewPos < 1 || lNewPos == lOld) {
        return 1;
    }
    // The moved row takes the highest place that was given up: lNewPos, or the
    // last position when lNewPos lies beyond the last control (the designer
    // moves a control to 1048575 before deleting it).
    int32_t lTaken = lNewPos < lOld ? lNewPos : lOld;
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        if (l == lRow || !gatDlg.Live(l) || gatDlg[l].lResElem != lDlg || gatDlg[l].lCtlType == 0) {
            continue;
        }
        int32_t& p = gatDlg.W(l).lCtlOrder;
        if (lNewPos < lOld) {
            if (p >= lNewPos && p < lOld) {
                ++p;
            }
        } else if (p > lOld && p <= lNewPos) {
            lTaken = p > lTaken ? p : lTaken;
            --p;
        }
    }
    gatDlg.W(lRow).lCtlOrder = lTaken;
    return 1;
}

std::string DataFileName(int32_t lRow) {
    return GetDynStr(gatRes[gatDlg[lRow].lDataResElem].lRCDataElem);
}

std::string DataIDName(int32_t lRow) {
    return gatRes[gatDlg[lRow].lDataResElem].szIDName.str();
}

int32_t FindDataResource(std::string_view sFileName) {
    if (sFileName.empty()) {
        return 0;
    }
    return gixDataRes.Find(1, 0, [&](int32_t, const tRes& t) {
        return SameIDName(gasDynStr[t.lRCDataElem], sFileName);
    });
}

// ---- Menu items ---------------------------------------------------------------

int32_t AddMenuItem(int32_t lIDElem, int32_t lResElem, int32_t lAccelElem, int32_t lStrElem,
                    int32_t lType, int32_t lLevel, int32_t lOptions, const std::string& sCaption) {
    tMenu t{};
    t.lIDElem = lIDElem;
    t.lResElem = lResElem;
    t.lAccelElem = lAccelElem;
    t.lStrElem = lStrElem;
    t.lType = lType;
    t.lLevel = lLevel < wkMaxMenuLevel ? lLevel : wkMaxMenuLevel;
    t.lOptions = lOptions;
    SetDynStr(t.lCaptionElem, sCaption);
    NoteChange(wkChgMenu, glMenuCnt + 1, 1);
    return gatMenu.Add(t);
}

int32_t UpdateMenuItem(int32_t lElem, int32_t lIDElem, int32_t lResElem, int32_t lAccelElem,
                       int32_t lStrElem, int32_t lType, int32_t lLevel, int32_t lOptions,
                       const std::string& sCaption) {
    tMenu* p = gatMenu.Ptr(lElem);
    if (!p) {
        return 0;
    }
    p->lIDElem = lIDElem;
    p->lResElem = lResElem;
    p->lAccelElem = lAccelElem;
    p->lStrElem = lStrElem;
    p->lType = lType;
    p->lLevel = lLevel < wkMaxMenuLevel ? lLevel : wkMaxMenuLevel;
    p->lOptions = lOptions;
    SetDynStr(p->lCaptionElem, sCaption);
    NoteChange(wkChgMenu, lElem, 1);
    return 1;
}

int32_t DeleteMenuItem(int32_t lElem) {
    if (!gatMenu.MarkDeleted(lElem)) {
        return 0;
    }
    FreeDynStr(gatMenu.W(lElem).lCaptionElem);
    gatMenu.Trim();
    NoteChange(wkChgMenu, lElem, 1);
    return 1;
}

int32_t FindNextMenuItemByID(int32_t lIDElem, int32_t lAfter) {
    if (lIDElem <= 0) {
        return 0;
    }
    return gixMenuID.Find(NumberKey(lIDElem), lAfter);
}

int32_t FindMenuItemByID(int32_t lIDElem) {
    return FindNextMenuItemByID(lIDElem, 0);
}

int32_t CountMenuItems(int32_t lResElem) {
    int32_t n = 0;
    for (int32_t l = 1; l <= glMenuCnt; ++l) {
        n += gatMenu.Live(l) && gatMenu[l].lResElem == lResElem ? 1 : 0;
    }
    return n;
}

// ---- Accelerator keys -----------------------------------------------------------

int32_t AddAccel(int32_t lIDElem, int32_t lResElem, uint8_t byKey, uint8_t byModifiers) {
    tAccel t{};
    t.lIDElem = lIDElem;
    t.lResElem = lResElem;
    t.byKey = byKey;
    t.byModifiers = byModifiers;
    NoteChange(wkChgAccel, glAccelCnt + 1, 1);
    return gatAccel.Add(t);
}

int32_t UpdateAccel(int32_t lElem, int32_t lIDElem, int32_t lResElem, uint8_t byKey,
                    uint8_t byModifiers) {
    tAccel* p = gatAccel.Ptr(lElem);
    if (!p) {
        return 0;
    }
    p->lIDElem = lIDElem;
    p->lResElem = lResElem;
    p->byKey = byKey;
    p->byModifiers = byModifiers;
    NoteChange(wkChgAccel, lElem, 1);
    return 1;
}

int32_t DeleteAccel(int32_t lElem) {
    if (!gatAccel.Delete(lElem)) {
        return 0;
    }
    NoteChange(wkChgAccel, lElem, 1);
    return 1;
}

int32_t FindNextAccelByID(int32_t lIDElem, int32_t lAfter) {
    if (lIDElem <= 0) {
        return 0;
    }
    return gixAccelID.Find(NumberKey(lIDElem), lAfter);
}

int32_t FindAccelByID(int32_t lIDElem) {
    return FindNextAccelByID(lIDElem, 0);
}

// ---- Strings ----------------------------------------------------------------------

int32_t AddStr(int32_t lIDElem, const std::string& sText) {
    tStr t{};
    t.lIDElem = lIDElem;
    SetDynStr(t.lStrElem, sText);
    NoteChange(wkChgStr, glStrCnt + 1, 1);
    return gatStr.Add(t);
}

int32_t UpdateStr(int32_t lElem, int32_t lIDElem, const std::string& sText) {
    tStr* p = gatStr.Ptr(lElem);
    if (!p) {
        return 0;
    }
    p->lIDElem = lIDElem;
    SetDynStr(p->lStrElem, sText);
    NoteChange(wkChgStr, lElem, 1);
    return 1;
}

int32_t DeleteStr(int32_t lElem) {
    if (!gatStr.MarkDeleted(lElem)) {
        return 0;
    }
    FreeDynStr(gatStr.W(lElem).lStrElem);
    gatStr.Trim();
    NoteChange(wkChgStr, lElem, 1);
    return 1;
}

int32_t FindStrByID(int32_t lIDElem) {
    if (lIDElem <= 0) {
        return 0;
    }
    return gixStrID.Find(NumberKey(lIDElem));
}

// ---- Blocks ---------------------------------------------------------------------------

namespace {

int32_t FindBlockIn(const Table<tBlock>& at, int32_t lType) {
    for (int32_t l = 1; l <= at.Count(); ++l) {
        if (at[l].lType == lType) {
            return l;
        }
    }
    return 0;
}

} // namespace

int32_t AddBlock(int32_t lType, int32_t lResElem, int32_t lFilePos, int32_t lLen) {
    return gatBlock.Add(tBlock{lType, lResElem, lFilePos, lLen});
}

int32_t AddRCBlock(int32_t lType, int32_t lResElem, int32_t lFilePos, int32_t lLen) {
    return gatRCBlock.Add(tBlock{lType, lResElem, lFilePos, lLen});
}

int32_t FindBlockByKind(int32_t lType) {
    return FindBlockIn(gatBlock, lType);
}

int32_t FindRCBlockByKind(int32_t lType) {
    return FindBlockIn(gatRCBlock, lType);
}

int32_t FindBlockByRes(int32_t lResElem) {
    for (int32_t l = 1; l <= glBlockCnt; ++l) {
        if (gatBlock[l].lResElem == lResElem) {
            return l;
        }
    }
    return 0;
}

void ClearBlocks() {
    gatBlock.Release();
}

void ClearRCBlocks() {
    gatRCBlock.Release();
}

// ---- Project ----------------------------------------------------------------------------

void ClearProject() {
    // The listeners drop what shows the rows (the live design window of
    // gtElem.lDlg, the surface's transient state) while the rows still exist.
    NoteCleared(wkChgEverything);
    gatID.Release();
    gatAccel.Release();
    if (!gatDlg.Empty()) {
        gatDlg.Release();
    }
    gatMenu.Release();
    gatStr.Release();
    if (glDynStrCnt > glDynStrBase) {
        gasDynStr.Resize(glDynStrBase);
    }
    gatRes.Release();
    ClearBlocks();
    gtElem = tElem{};
    glChanged = 0;
    ResetVersionInfo();
}
