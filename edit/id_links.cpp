#include "edit/id_links.h"

#include "model/accel_keys.h"
#include "model/dynstr.h"
#include "model/id_names.h"

int32_t DefineID(std::string_view sName, const std::string& sValue) {
    const std::string_view sCut = sName.substr(0, IDNameText::Capacity());
    if (int32_t l = FindIDByName(sCut)) {
        return l;
    }
    return AddID(sCut, sValue, 0);
}

void LinkBothWays(int32_t lA, int32_t tRes::*pmA, int32_t lB, int32_t tRes::*pmB) {
    const int32_t lOldB = gatRes[lA].*pmA;
    if (lOldB != 0 && lOldB != lB && gatRes[lOldB].*pmB == lA) {
        gatRes.W(lOldB).*pmB = 0;
    }
    const int32_t lOldA = gatRes[lB].*pmB;
    if (lOldA != 0 && lOldA != lA && gatRes[lOldA].*pmA == lB) {
        gatRes.W(lOldA).*pmA = 0;
    }
    gatRes.W(lA).*pmA = lB;
    gatRes.W(lB).*pmB = lA;
}

void LinkMenuItems(bool bWrittenKeyText) {
    if (glStrCnt > 0 && glMenuCnt > 0) {
        for (int32_t l = 1; l <= glStrCnt; ++l) {
            if (!gatStr.Live(l)) {
                continue;
            }
            if (int32_t lItem = FindMenuItemByID(gatStr[l].lIDElem)) {
                gatMenu.W(lItem).lStrElem = l;
            }
        }
    }
    if (glAccelCnt > 0 && glMenuCnt > 0) {
        for (int32_t l = 1; l <= glAccelCnt; ++l) {
            if (!gatAccel.Live(l)) {
                continue;
            }
            const int32_t lItem = FindMenuItemByID(gatAccel[l].lIDElem);
            if (lItem == 0) {
                continue;
            }
            gatMenu.W(lItem).lAccelElem = l;
            const int32_t lMenu = gatMenu[lItem].lResElem;
            const int32_t lTable = gatAccel[l].lResElem;
            LinkBothWays(lMenu, &tRes::lLinkAccel, lTable, &tRes::lLinkMenu);
        }
    }
    // The KVL writer appends a TAB and the shortcut's display text to the
    // caption of an item with a key; read back, that text is no part of the
    // caption (the next save appends the key's current text again).
    for (int32_t l = 1; l <= glMenuCnt && bWrittenKeyText; ++l) {
        if (!gatMenu.Live(l) || gatMenu[l].lAccelElem == 0) {
            continue;
        }
        const std::string sTail = "\\t" + AccelDisplayText(gatMenu[l].lAccelElem);
        std::string sCaption = GetDynStr(gatMenu[l].lCaptionElem);
        if (sTail.size() > 2 && sCaption.size() > sTail.size() &&
            sCaption.compare(sCaption.size() - sTail.size(), sTail.size(), sTail) == 0) {
            sCaption.resize(sCaption.size() - sTail.size());
            SetDynStr(gatMenu.W(l).lCaptionElem, sCaption);
        }
    }
}
