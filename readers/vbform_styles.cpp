// The window styles a form's properties give its dialog.
#include "readers/vbform_parts.h"

#include "model/dynstr.h"
#include "styles/catalog.h"

namespace {

// The catalog row of a style name and whether it is an extended style.
int32_t FindFormStyle(std::string_view sName, bool& bEx) {
    bEx = sName.rfind("%WS_EX_", 0) == 0;
    if (bEx) {
        return FindStyleByName(FindClass("ExStyles"), sName);
    }
    if (sName.rfind("%DS_", 0) == 0) {
        return FindStyleByName(FindClass("DialogStyles"), sName);
    }
    return FindStyleByName(FindClass("WindowStyles"), sName);
}

// A row's list element must be its own: the catalog's default lists (the
// first glDynStrBase elements) are shared by every new row and never change.
void StoreList(int32_t& lElem, const std::string& sList) {
    if (lElem > 0 && lElem <= glDynStrBase) {
        lElem = 0;
    }
    SetDynStr(lElem, sList);
}

void SetBits(int32_t& lBits, int32_t& lListElem, int32_t lStyle, bool bOn) {
    const uint32_t lValue = gatStyle[lStyle].lValue;
    const uint32_t lHave = static_cast<uint32_t>(lBits);
    const std::string sToken = FormatStyleToken(lStyle) + ",";
    std::string sList = GetDynStr(lListElem);
    if (bOn) {
        if ((lHave & lValue) != lValue) {
            lBits = static_cast<int32_t>(lHave | lValue);
        }
        if (!StyleListHas(sList, lStyle)) {
            StoreList(lListElem, sList + sToken);
        }
        return;
    }
    lBits = static_cast<int32_t>(lHave & ~lValue);
    std::string sKept;
    // Tokens are four characters each, so a whole-token compare never straddles two.
    for (std::size_t i = 0; i + 4 <= sList.size(); i += 4) {
        if (sList.compare(i, 4, sToken) != 0) {
            sKept += sList.substr(i, 4);
        }
    }
    if (sKept != sList) {
        StoreList(lListElem, sKept);
    }
}

} // namespace

void SetFormStyle(tDlg& tRow, std::string_view sName, bool bOn) {
    bool bEx = false;
    int32_t lStyle = FindFormStyle(sName, bEx);
    if (lStyle == 0) {
        return;
    }
    if (bEx) {
        SetBits(tRow.lExStyle, tRow.lExStyleStrElem, lStyle, bOn);
    } else {
        SetBits(tRow.lStyle, tRow.lStyleStrElem, lStyle, bOn);
    }
}

void AddFormDefaultStyles(tDlg& tRow) {
    for (const char* sz : {"%WS_CLIPCHILDREN", "%WS_SYSMENU", "%WS_THICKFRAME", "%WS_MINIMIZEBOX",
                           "%WS_MAXIMIZEBOX", "%WS_EX_APPWINDOW"}) {
        SetFormStyle(tRow, sz, true);
    }
}

void ApplyFormBorderStyle(tDlg& tRow, int32_t lBorderStyle) {
    switch (lBorderStyle) {
    case 0: // none: no frame and no caption
        SetFormStyle(tRow, "%WS_THICKFRAME", false);
        SetFormStyle(tRow, "%WS_BORDER", false);
        SetFormStyle(tRow, "%WS_DLGFRAME", false);
        break;
    case 1: // fixed single
        SetFormStyle(tRow, "%WS_THICKFRAME", false);
        break;
    case 3: // fixed dialog
        SetFormStyle(tRow, "%WS_THICKFRAME", false);
        SetFormStyle(tRow, "%DS_MODALFRAME", true);
        SetFormStyle(tRow, "%WS_EX_DLGMODALFRAME", true);
        break;
    case 4: // fixed tool window
        SetFormStyle(tRow, "%WS_THICKFRAME", false);
        SetFormStyle(tRow, "%WS_EX_TOOLWINDOW", true);
        break;
    case 5: // sizable tool window
        SetFormStyle(tRow, "%WS_EX_TOOLWINDOW", true);
        break;
    default: // 2, sizable: the frame stays
        break;
    }
}
