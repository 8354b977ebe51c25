#include "edit/resource_edits.h"

#include "model/id_names.h"
#include "model/project.h"

#include <string>

int32_t NewResource(int32_t lKind) {
    std::string sName;
    std::string sValue;
    DefaultResourceName(lKind, sName, sValue);
    if (sName.empty()) {
        return 0;
    }
    int32_t lID = AddID(sName, sValue, wkUsedByRes);
    int32_t lNew = AddResource(sName, lKind, lID, 0);

    switch (lKind) {
    case wkResDialog: {
        int32_t lMenu = gtElem.lResMenu;
        if (lMenu != 0 && gatRes[lMenu].lLinkDlg == 0 && gatRes[lMenu].lType == wkResMenu) {
            gatRes.W(lNew).lLinkMenu = lMenu;
            gatRes.W(lMenu).lLinkDlg = lNew;
        }
        int32_t lAccel = gtElem.lResAccel;
        if (lAccel != 0 && gatRes[lAccel].lLinkDlg == 0) {
            gatRes.W(lNew).lLinkAccel = lAccel;
            gatRes.W(lAccel).lLinkDlg = lNew;
        }
        break;
    }
    case wkResMenu: {
        int32_t lDlg = gtElem.lResDlg;
        if (lDlg != 0 && gatRes[lDlg].lLinkMenu == 0) {
            gatRes.W(lDlg).lLinkMenu = lNew;
            gatRes.W(lNew).lLinkDlg = lDlg;
        }
        break;
    }
    case wkResAccel: {
        int32_t lDlg = gtElem.lResDlg;
        if (lDlg != 0 && gatRes[lDlg].lLinkAccel == 0) {
            gatRes.W(lDlg).lLinkAccel = lNew;
            gatRes.W(lNew).lLinkDlg = lDlg;
            gatRes.W(lNew).lLinkMenu = gtElem.lResMenu;
            if (gtElem.lResMenu != 0) {
                gatRes.W(gtElem.lResMenu).lLinkAccel = lNew;
            }
        }
        break;
    }
    default:
        break;
    }

    switch (lKind) {
    case wkResAccel:
        gtElem.lResAccel = lNew;
        break;
    case wkResDialog:
        gtElem.lResDlg = lNew;
        break;
    case wkResMenu:
    case wkResPopupMenu:
        gtElem.lResMenu = lNew;
        break;
    default:
        break;
    }
    return lNew;
}
