// The menu editor's rules and changes (see menu_edits.h).
#include "edit/menu_edits.h"
#include "edit/resource_edits.h"

#include "model/accel_keys.h"
#include "model/change_notice.h"
#include "model/project.h"

#include <algorithm>

namespace {

int32_t PosOf(const std::vector<int32_t>& alRows, int32_t lItem) {
    const auto it = std::find(alRows.begin(), alRows.end(), lItem);
    return it == alRows.end() ? -1 : static_cast<int32_t>(it - alRows.begin());
}

// Moves a row's content to another element of the same menu. Captions are
// element numbers of the string pool, so they travel with the row.
void PutRow(int32_t lTo, const tMenu& t) {
    gatMenu.W(lTo) = t;
    NoteChange(wkChgMenu, lTo, 1);
}

bool HasUsers(int32_t lID, int32_t lOwnItem) {
    if (lID == 0) {
        return false;
    }
    if (FindResourceByID(lID) != 0 || FindDlgRowByID(lID) != 0) {
        return true;
    }
    for (int32_t l = FindMenuItemByID(lID); l != 0; l = FindNextMenuItemByID(lID, l)) {
        if (l != lOwnItem) {
            return true;
        }
    }
    // The item's own key and prompt carry its ID too; any other one shares it.
    const tMenu& tOwn = gatMenu[lOwnItem];
    for (int32_t l = FindAccelByID(lID); l != 0; l = FindNextAccelByID(lID, l)) {
        if (l != tOwn.lAccelElem) {
            return true;
        }
    }
    const int32_t lStr = FindStrByID(lID);
    return lStr != 0 && lStr != tOwn.lStrElem;
}

// The item's ID after a store: 0 for an empty name, else the ID it names.
int32_t StoreMenuID(int32_t lItem, const tMenuFields& tFields) {
    if (tFields.sIDName.empty()) {
        return 0;
    }
    const int32_t lOwn = gatMenu[lItem].lIDElem;
    int32_t lFound = FindIDByName(tFields.sIDName);
    if (lFound == 0 && lOwn != 0 && !HasUsers(lOwn, lItem)) {
        // A renamed ID nobody else holds keeps its row, so no orphan equate is left.
        lFound = lOwn;
        UpdateID(lOwn, tFields.sIDName,
                 tFields.sIDValue.empty() ? IDValueText(lOwn) : tFields.sIDValue,
                 gatID[lOwn].lUsedBy | wkUsedByMenu);
        return lOwn;
    }
    if (lFound == 0) {
        const std::string sValue =
            tFields.sIDValue.empty() ? std::to_string(NextControlIDValue()) : tFields.sIDValue;
        return AddID(tFields.sIDName, sValue, wkUsedByMenu);
    }
    if (!tFields.sIDValue.empty() && tFields.sIDValue != IDValueText(lFound)) {
        SetIDValueText(lFound, tFields.sIDValue);
    }
    gatID.W(lFound).lUsedBy |= wkUsedByMenu;
    return lFound;
}

void DropKeyAndPrompt(tMenu& t) {
    if (t.lAccelElem != 0) {
        DeleteAccel(t.lAccelElem);
        t.lAccelElem = 0;
    }
    if (t.lStrElem != 0) {
        DeleteStr(t.lStrElem);
        t.lStrElem = 0;
    }
}

} // namespace

std::vector<int32_t> MenuItemRows(int32_t lResMenu) {
    std::vector<int32_t> al;
    if (lResMenu == 0) {
        return al;
    }
    for (int32_t l = 1; l <= glMenuCnt; ++l) {
        if (gatMenu.Live(l) && gatMenu[l].lResElem == lResMenu) {
            al.push_back(l);
        }
    }
    return al;
}

std::string MenuListLine(int32_t lItem, uint8_t byKey, uint8_t byModifiers) {
    const tMenu& t = gatMenu[lItem];
    std::string s(static_cast<size_t>(std::max(t.lLevel, 0)) * 4, '-');
    s += t.lType == wkMenuSeparator ? "<___Separator___>" : GetDynStr(t.lCaptionElem);
    if (byKey != 0) {
        s += '\t' + AccelDisplayText(byKey, byModifiers);
    }
    return s;
}

std::string MenuListLine(int32_t lItem) {
    const tAccel& tKey = gatAccel[gatMenu[lItem].lAccelElem];
    return MenuListLine(lItem, tKey.byKey, tKey.byModifiers);
}

int32_t MenuEditorButtons(const std::vector<int32_t>& alRows, int32_t lPos, int32_t lType,
                          bool bCaptionEmpty) {
    const int32_t n = static_cast<int32_t>(alRows.size());
    if (lPos < 0 || lPos >= n) {
        return 0;
    }
    const tMenu& t = gatMenu[alRows[static_cast<size_t>(lPos)]];
    int32_t lBits = 0;
    if (t.lLevel > 0) {
        lBits |= wkMenuCanLeft;
    }
    if (lPos > 0) {
        lBits |= wkMenuCanUp;
        // An item may sit one level below a pop-up, or level with anything else.
        const tMenu& tPrev = gatMenu[alRows[static_cast<size_t>(lPos - 1)]];
        const int32_t lMax = tPrev.lType == wkMenuPopup ? tPrev.lLevel + 1 : tPrev.lLevel;
        if (t.lLevel < lMax && t.lLevel < wkMaxMenuLevel) {
            lBits |= wkMenuCanRight;
        }
    }
    if (lPos < n - 1) {
        lBits |= wkMenuCanDown;
    }
    if (lType == wkMenuSeparator || !bCaptionEmpty) {
        lBits |= wkMenuCanNext;
    }
    if (n > 1) {
        lBits |= wkMenuCanDelete;
    }
    return lBits;
}

int32_t EnsureMenuHasItem(int32_t lResMenu) {
    tChangeScope tEdit(wkChgMenu);
    const std::vector<int32_t> alRows = MenuItemRows(lResMenu);
    if (!alRows.empty()) {
        return alRows.front();
    }
    if (lResMenu == 0) {
        return 0;
    }
    return AddMenuItem(0, lResMenu, 0, 0, wkMenuPopup, 0, 0, std::string());
}

int32_t AppendMenuItem(int32_t lResMenu, int32_t lLevel) {
    tChangeScope tEdit(wkChgMenu);
    if (lResMenu == 0) {
        return 0;
    }
    return AddMenuItem(0, lResMenu, 0, 0, wkMenuItem, std::max(lLevel, 0), 0, std::string());
}

int32_t InsertMenuItemBefore(int32_t lItem) {
    tChangeScope tEdit(wkChgMenu);
    if (!gatMenu.Live(lItem)) {
        return 0;
    }
    const tMenu tHere = gatMenu[lItem];
    // The new row lands after every item of the menu; the items from lItem on
    // then shift one place down the menu's own elements.
    const int32_t lNew = AppendMenuItem(tHere.lResElem, tHere.lLevel);
    const tMenu tFresh = gatMenu[lNew];
    const std::vector<int32_t> alRows = MenuItemRows(tHere.lResElem);
    const int32_t lPos = PosOf(alRows, lItem);
    for (int32_t i = static_cast<int32_t>(alRows.size()) - 1; i > lPos; --i) {
        PutRow(alRows[static_cast<size_t>(i)], gatMenu[alRows[static_cast<size_t>(i - 1)]]);
    }
    PutRow(lItem, tFresh);
    return lItem;
}

int32_t MoveMenuItem(int32_t lItem, int32_t lDir) {
    tChangeScope tEdit(wkChgMenu);
    const std::vector<int32_t> alRows = MenuItemRows(gatMenu[lItem].lResElem);
    const int32_t lPos = PosOf(alRows, lItem);
    const int32_t lTo = lPos + (lDir < 0 ? -1 : 1);
    if (lPos < 0 || lTo < 0 || lTo >= static_cast<int32_t>(alRows.size())) {
        return 0;
    }
    const int32_t lOther = alRows[static_cast<size_t>(lTo)];
    const tMenu tMine = gatMenu[lItem];
    PutRow(lItem, gatMenu[lOther]);
    PutRow(lOther, tMine);
    return lOther;
}

int32_t ShiftMenuItemLevel(int32_t lItem, int32_t lDir) {
    tChangeScope tEdit(wkChgMenu);
    const std::vector<int32_t> alRows = MenuItemRows(gatMenu[lItem].lResElem);
    const int32_t lPos = PosOf(alRows, lItem);
    const int32_t lBits = MenuEditorButtons(alRows, lPos, gatMenu[lItem].lType, false);
    if (!(lBits & (lDir < 0 ? wkMenuCanLeft : wkMenuCanRight))) {
        return 0;
    }
    gatMenu.W(lItem).lLevel += lDir < 0 ? -1 : 1;
    NoteChange(wkChgMenu, lItem, 1);
    return lItem;
}

void SetMenuItemCaption(int32_t lItem, const std::string& sCaption) {
    tChangeScope tEdit(wkChgMenu);
    if (gatMenu.Live(lItem) && GetDynStr(gatMenu[lItem].lCaptionElem) != sCaption) {
        SetDynStr(gatMenu.W(lItem).lCaptionElem, sCaption);
        NoteChange(wkChgMenu, lItem, 1);
    }
}

int32_t DeleteMenuItemFully(int32_t lItem) {
    tChangeScope tEdit(wkChgMenu);
    const std::vector<int32_t> alRows = MenuItemRows(gatMenu[lItem].lResElem);
    const int32_t lPos = PosOf(alRows, lItem);
    if (lPos < 0 || alRows.size() < 2) {
        return 0;
    }
    tMenu t = gatMenu[lItem];
    DropKeyAndPrompt(t);
    DeleteMenuItem(lItem);
    const size_t lNext = static_cast<size_t>(lPos) + 1;
    return lNext < alRows.size() ? alRows[lNext] : alRows[static_cast<size_t>(lPos) - 1];
}

int32_t FindAccelConflict(int32_t lResAccel, uint8_t byKey, uint8_t byModifiers,
                          int32_t lOwnAccel) {
    if (lResAccel == 0 || byKey == 0) {
        return 0;
    }
    for (int32_t l = 1; l <= glAccelCnt; ++l) {
        const tAccel& t = gatAccel[l];
        if (gatAccel.Live(l) && l != lOwnAccel && t.lResElem == lResAccel && t.byKey == byKey &&
            t.byModifiers == byModifiers) {
            return l;
        }
    }
    return 0;
}

std::vector<std::string> MenuSharableIDNames() {
    RecountUsage();
    std::vector<std::string> as;
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        if (gatID.Live(l) && (gatID[l].lUsedBy & (wkUsedByMenu | wkUsedByDlg)) != 0) {
            as.push_back(gatID[l].szIDName.str());
        }
    }
    return as;
}

int32_t StoreMenuItem(int32_t lItem, tMenuFields& tFields,
                      const std::vector<std::string>& asShared) {
    tChangeScope tEdit(wkChgMenu);
    if (!gatMenu.Live(lItem)) {
        return wkMenuStored;
    }
    tMenu t = gatMenu[lItem];
    const int32_t lKeptBits = t.lOptions & (wkMfMenuBreak | wkMfMenuBarBreak);
    const int32_t lStateBits = tFields.lOptions & (wkMfChecked | wkMfGrayed | wkMfDisabled);
    if (tFields.lType == wkMenuItem) {
        if (!ValidateIDName(tFields.sIDName)) {
            return wkMenuBadName;
        }
        const int32_t lNamed = FindIDByName(tFields.sIDName);
        if (!tFields.sIDName.empty() && lNamed != 0 && lNamed != t.lIDElem &&
            !IsIDNameUnique(t.lIDElem, tFields.sIDName, &asShared)) {
            return wkMenuNameUsed;
        }
        if (tFields.byKey != 0 && AccelKeyCode(tFields.byKey).empty()) {
            return wkMenuKeyUnnamed;
        }
        // The key is checked before anything is written: a table with the
        // same key twice would only ever fire the first.
        if (tFields.byKey != 0 && FindAccelConflict(gtElem.lResAccel, tFields.byKey,
                                                    tFields.byModifiers, t.lAccelElem) != 0) {
            return wkMenuKeyUsed;
        }
        t.lIDElem = StoreMenuID(lItem, tFields);
        if (tFields.byKey != 0) {
            if (gtElem.lResAccel == 0) {
                NewResource(wkResAccel);
            }
            if (gatAccel.Live(t.lAccelElem)) {
                UpdateAccel(t.lAccelElem, t.lIDElem, gtElem.lResAccel, tFields.byKey,
                            tFields.byModifiers);
            } else {
                t.lAccelElem =
                    AddAccel(t.lIDElem, gtElem.lResAccel, tFields.byKey, tFields.byModifiers);
            }
        } else if (t.lAccelElem != 0) {
            DeleteAccel(t.lAccelElem);
            t.lAccelElem = 0;
        }
        if (!tFields.sPrompt.empty()) {
            if (gatStr.Live(t.lStrElem)) {
                UpdateStr(t.lStrElem, t.lIDElem, tFields.sPrompt);
            } else {
                t.lStrElem = AddStr(t.lIDElem, tFields.sPrompt);
            }
        } else if (t.lStrElem != 0) {
            DeleteStr(t.lStrElem);
            t.lStrElem = 0;
        }
    } else {
        DropKeyAndPrompt(t);
        t.lIDElem = 0;
    }
    if (tFields.lType == wkMenuSeparator) {
        tFields.sCaption.clear();
    }
    const int32_t lOptions = tFields.lType == wkMenuSeparator ? 0 : lStateBits | lKeptBits;
    UpdateMenuItem(lItem, t.lIDElem, t.lResElem, t.lAccelElem, t.lStrElem, tFields.lType, t.lLevel,
                   lOptions, tFields.sCaption);
    RecountUsage();
    return wkMenuStored;
}

std::string MenuStoreMessage(int32_t lResult, int32_t lItem, const tMenuFields& tFields) {
    switch (lResult) {
    case wkMenuBadName:
        return "The ID Name is not valid. Valid ID Names must begin with the % character\r"
               "followed by a letter and contain only alphanumeric and underscore characters.";
    case wkMenuNameUsed:
        return "The ID Name is already used. Please use a unique name.";
    case wkMenuKeyUsed: {
        const int32_t lOther = FindAccelConflict(gtElem.lResAccel, tFields.byKey,
                                                 tFields.byModifiers, gatMenu[lItem].lAccelElem);
        const std::string sOwner = gatID[gatAccel[lOther].lIDElem].szIDName.str();
        return "The accelerator key " + AccelDisplayText(tFields.byKey, tFields.byModifiers) +
               " is already used" + (sOwner.empty() ? "" : " by " + sOwner) +
               ".\rPlease choose another key.";
    }
    case wkMenuKeyUnnamed:
        return "This key cannot be used as an accelerator key.\rPlease choose another key.";
    default:
        return std::string();
    }
}
