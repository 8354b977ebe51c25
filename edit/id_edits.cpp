// The ID editor's rules and changes.
#include "edit/id_edits.h"

#include "model/change_notice.h"
#include "model/project.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <tuple>

const char* const gszDeleteOneIDQuestion = "Are you sure you want to delete the selected item?";
const char* const gszDeleteIDsQuestion =
    "Are you sure you want to delete the selected items that are not used?";
const char* const gszOrderByUseQuestion =
    "This feature places all IDs in the order they are used by dialogs and menus. "
    "Any unused IDs will be deleted.\r\n\r\nDo you want to continue?";
const char* const gszDragRunMessage =
    "Multiple selections must be consecutive when dragging to a new location.";

namespace {

// "* " and the names of the resources (of a kind) whose rows use the ID, each once.
template <class T> std::string UsersOf(const Table<T>& at, int32_t lID) {
    std::vector<int32_t> alRes;
    for (int32_t l = 1; l <= at.Count(); ++l) {
        if (at.Live(l) && at[l].lIDElem == lID &&
            std::find(alRes.begin(), alRes.end(), at[l].lResElem) == alRes.end()) {
            alRes.push_back(at[l].lResElem);
        }
    }
    std::string s = "* ";
    for (size_t i = 0; i < alRes.size(); ++i) {
        s += (i ? ", " : "") + gatRes[alRes[i]].szIDName.str();
    }
    return s;
}

const char* ResourceKindText(int32_t lKind) {
    switch (lKind) {
    case wkResAccel:
        return "* Accelerator Table";
    case wkResDialog:
        return "* Dialog";
    case wkResMenu:
        return "* Menu";
    case wkResPopupMenu:
        return "* Pop-up Menu";
    case wkResBitmap:
        return "* Bitmap";
    case wkResCursor:
        return "* Cursor";
    case wkResIcon:
        return "* Icon";
    case wkResAvi:
        return "* AVI";
    default:
        return "";
    }
}

int CompareText(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

const char* IDColumnTitle(int32_t lCol) {
    static const char* const aszTitle[wkIDColCount] = {"Name", "Value",   "Accelerator", "Dialog",
                                                       "Menu", "RC Data", "String"};
    return lCol >= 0 && lCol < wkIDColCount ? aszTitle[lCol] : "";
}

std::string IDColumnText(int32_t lID, int32_t lCol) {
    const tID& t = gatID[lID];
    switch (lCol) {
    case wkIDColName:
        return t.szIDName.str();
    case wkIDColValue:
        return IDValueText(lID);
    case wkIDColAccel:
        return (t.lUsedBy & wkUsedByAccel) ? UsersOf(gatAccel, lID) : std::string();
    case wkIDColDialog:
        return (t.lUsedBy & wkUsedByDlg) ? UsersOf(gatDlg, lID) : std::string();
    case wkIDColMenu:
        return (t.lUsedBy & wkUsedByMenu) ? UsersOf(gatMenu, lID) : std::string();
    case wkIDColRCData:
        return (t.lUsedBy & wkUsedByRes) ? ResourceKindText(gatRes[FindResourceByID(lID)].lType)
                                         : std::string();
    case wkIDColString:
        return (t.lUsedBy & wkUsedByStr) ? "*" : "";
    default:
        return std::string();
    }
}

std::vector<int32_t> LiveIDRows() {
    std::vector<int32_t> al;
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        if (gatID.Live(l)) {
            al.push_back(l);
        }
    }
    return al;
}

void SortIDRows(std::vector<int32_t>& alRows, int32_t lCol, bool bDescending) {
    std::vector<std::pair<std::string, int32_t>> at;
    for (int32_t l : alRows) {
        at.emplace_back(lCol == wkIDColValue ? std::string() : IDColumnText(l, lCol), l);
    }
    std::stable_sort(at.begin(), at.end(), [&](const auto& a, const auto& b) {
        int c = lCol == wkIDColValue ? (gatID[a.second].lIDValue < gatID[b.second].lIDValue
                                            ? -1
                                            : gatID[a.second].lIDValue > gatID[b.second].lIDValue)
                                     : CompareText(a.first, b.first);
        return bDescending ? c > 0 : c < 0;
    });
    for (size_t i = 0; i < at.size(); ++i) {
        alRows[i] = at[i].second;
    }
}

bool IsConsecutive(const std::vector<int32_t>& alPos) {
    for (size_t i = 1; i < alPos.size(); ++i) {
        if (alPos[i] != alPos[i - 1] + 1) {
            return false;
        }
    }
    return true;
}

int32_t MoveIDRows(std::vector<int32_t>& alRows, int32_t lFirst, int32_t lCount, int32_t lTarget) {
    const auto n = static_cast<int32_t>(alRows.size());
    if (lCount < 1 || lFirst < 0 || lFirst + lCount > n || lTarget < 0 || lTarget >= n ||
        (lTarget >= lFirst && lTarget < lFirst + lCount)) {
        return lFirst;
    }
    const auto itFirst = alRows.begin() + lFirst;
    if (lTarget < lFirst) {
        std::rotate(alRows.begin() + lTarget, itFirst, itFirst + lCount);
        return lTarget;
    }
    std::rotate(itFirst, itFirst + lCount, alRows.begin() + lTarget + 1);
    return lTarget - lCount + 1;
}

int32_t StoreIDFields(int32_t& lElem, std::string& sName, const std::string& sValue) {
    if (sName.empty() || !ValidateIDName(sName)) {
        return wkIDBadName;
    }
    if (!IsIDNameUnique(lElem, sName)) {
        return wkIDNameUsed;
    }
    tChangeScope tEdit(wkChgID);
    if (lElem == 0) {
        lElem = AddID(sName, sValue, 0);
        return wkIDStored;
    }
    const tID tOld = gatID[lElem];
    std::string sStore = sValue;
    if (tOld.lUsedBy != 0 && ValueFromText(sValue) > 65535) {
        sStore = std::to_string(LastFreeIDValue(65535, 1001));
    }
    UpdateID(lElem, sName, sStore, tOld.lUsedBy);
    if (tOld.lUsedBy == wkUsedByRes) {
        if (const int32_t lRes = FindResourceByID(lElem)) {
            gatRes.W(lRes).szIDName = sName;
            NoteChange(wkChgRes, lRes, 1);
        }
    }
    return wkIDStored;
}

std::string IDStoreMessage(int32_t lResult) {
    switch (lResult) {
    case wkIDBadName:
        return gszInvalidIDNameMsg;
    case wkIDNameUsed:
        return gszIDNameUsedMsg;
    default:
        return std::string();
    }
}

std::vector<int32_t> DeleteUnusedIDs(const std::vector<int32_t>& alIDs) {
    RecountUsage(); // a use made since the list was filled keeps its ID
    tChangeScope tEdit(wkChgID);
    std::vector<int32_t> alGone;
    for (int32_t l : alIDs) {
        if (gatID.Live(l) && gatID[l].lUsedBy == 0) {
            alGone.push_back(l);
        }
    }
    for (int32_t l : alGone) {
        DeleteID(l);
    }
    return alGone;
}

void RenumberIDs(const std::vector<int32_t>& alIDs, int32_t lStart, int32_t lStep) {
    tChangeScope tEdit(wkChgID);
    int64_t lValue = lStart;
    for (int32_t l : alIDs) {
        if (tID* p = gatID.Ptr(l)) {
            p->lIDValue = static_cast<int32_t>(static_cast<uint32_t>(lValue));
            NoteChange(wkChgID, l, 1);
        }
        lValue += lStep;
    }
}

std::vector<std::string> IDValueClashes(const std::vector<int32_t>& alOf) {
    const std::set<int32_t> alMine(alOf.begin(), alOf.end());
    // The IDs each dialog's code tells apart: its controls' and its menu's items'.
    std::map<int32_t, std::vector<int32_t>> aalUsed;
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        const tDlg& t = gatDlg[l];
        if (gatDlg.Live(l) && t.lCtlType != 0 && gatID.Live(t.lIDElem)) {
            aalUsed[t.lResElem].push_back(t.lIDElem);
        }
    }
    for (int32_t l = 1; l <= glMenuCnt; ++l) {
        const tMenu& t = gatMenu[l];
        const int32_t lDlg = gatRes[t.lResElem].lLinkDlg;
        if (gatMenu.Live(l) && lDlg != 0 && gatID.Live(t.lIDElem) && aalUsed.count(lDlg)) {
            aalUsed[lDlg].push_back(t.lIDElem);
        }
    }
    std::vector<std::string> as;
    std::set<std::pair<int32_t, int32_t>> atSeen;
    for (auto& [lDlg, alIDs] : aalUsed) {
        std::sort(alIDs.begin(), alIDs.end());
        alIDs.erase(std::unique(alIDs.begin(), alIDs.end()), alIDs.end());
        for (size_t i = 0; i < alIDs.size(); ++i) {
            for (size_t j = i + 1; j < alIDs.size(); ++j) {
                const int32_t a = alIDs[i];
                const int32_t b = alIDs[j];
                if (gatID[a].lIDValue != gatID[b].lIDValue ||
                    (!alMine.count(a) && !alMine.count(b)) || !atSeen.insert({a, b}).second) {
                    continue;
                }
                as.push_back(gatID[a].szIDName.str() + " = " + gatID[b].szIDName.str() + " (" +
                             std::to_string(gatID[a].lIDValue) + ") in " +
                             gatRes[lDlg].szIDName.str());
            }
        }
    }
    return as;
}

std::vector<int32_t> IDsOrderedByUse() {
    RecountUsage();
    tChangeScope tEdit(wkChgID);
    bool bDeleted = false;
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        if (gatID.Live(l) && gatID[l].lUsedBy == 0) {
            gatID.MarkDeleted(l);
            bDeleted = true;
        }
    }
    if (bDeleted) {
        gatID.Trim();
        NoteChange(wkChgID);
    }
    // Group, owner, position, ID: sorted, each ID taken at its first use.
    std::vector<std::tuple<int32_t, int64_t, int64_t, int32_t>> at;
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (gatRes.Live(l)) {
            at.emplace_back(1, gatRes[l].lType, l, gatRes[l].lIDElem);
        }
    }
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        if (gatDlg.Live(l)) {
            at.emplace_back(2, gatDlg[l].lResElem, gatDlg[l].lCtlOrder, gatDlg[l].lIDElem);
        }
    }
    std::map<int32_t, int64_t> alPlace;
    for (int32_t l = 1; l <= glMenuCnt; ++l) {
        if (gatMenu.Live(l)) {
            at.emplace_back(3, gatMenu[l].lResElem, alPlace[gatMenu[l].lResElem]++,
                            gatMenu[l].lIDElem);
        }
    }
    for (int32_t l = 1; l <= glAccelCnt; ++l) {
        if (gatAccel.Live(l)) {
            at.emplace_back(4, 0, l, gatAccel[l].lIDElem);
        }
    }
    for (int32_t l = 1; l <= glStrCnt; ++l) {
        if (gatStr.Live(l)) {
            at.emplace_back(5, 0, l, gatStr[l].lIDElem);
        }
    }
    std::sort(at.begin(), at.end());
    std::vector<int32_t> alOrder;
    std::vector<bool> abTaken(static_cast<size_t>(glIDCnt) + 1);
    for (const auto& t : at) {
        const int32_t l = std::get<3>(t);
        if (gatID.Live(l) && !abTaken[static_cast<size_t>(l)]) {
            abTaken[static_cast<size_t>(l)] = true;
            alOrder.push_back(l);
        }
    }
    return alOrder;
}

void ApplyIDOrder(const std::vector<int32_t>& alOrder) {
    std::vector<int32_t> alNew(static_cast<size_t>(glIDCnt) + 1, 0);
    std::vector<tID> atRows;
    auto Take = [&](int32_t l) {
        if (gatID.Live(l) && alNew[static_cast<size_t>(l)] == 0) {
            atRows.push_back(gatID[l]);
            alNew[static_cast<size_t>(l)] = static_cast<int32_t>(atRows.size());
        }
    };
    for (int32_t l : alOrder) {
        Take(l);
    }
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        Take(l);
    }
    bool bSame = static_cast<int32_t>(atRows.size()) == glIDCnt;
    for (int32_t l = 1; bSame && l <= glIDCnt; ++l) {
        bSame = alNew[static_cast<size_t>(l)] == l;
    }
    if (bSame) {
        return;
    }
    auto Map = [&](int32_t l) {
        return l >= 1 && l < static_cast<int32_t>(alNew.size()) ? alNew[static_cast<size_t>(l)] : 0;
    };
    // Every table holds ID elements: one edit of them all.
    tChangeScope tEdit(wkChgEverything);
    gatID.Assign(std::move(atRows));
    for (tRes& t : gatRes) {
        t.lIDElem = Map(t.lIDElem);
    }
    for (tDlg& t : gatDlg) {
        t.lIDElem = Map(t.lIDElem);
    }
    for (tMenu& t : gatMenu) {
        t.lIDElem = Map(t.lIDElem);
    }
    for (tAccel& t : gatAccel) {
        t.lIDElem = Map(t.lIDElem);
    }
    for (tStr& t : gatStr) {
        t.lIDElem = Map(t.lIDElem);
    }
    for (int32_t lTable : {wkChgID, wkChgRes, wkChgDlg, wkChgMenu, wkChgAccel, wkChgStr}) {
        NoteChange(lTable);
    }
}
