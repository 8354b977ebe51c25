#include "edit/resource_edits.h"
#include "edit/id_links.h"

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
            LinkBothWays(lNew, &tRes::lLinkMenu, lMenu, &tRes::lLinkDlg);
        }
        int32_t lAccel = gtElem.lResAccel;
        if (lAccel != 0 && gatRes[lAccel].lLinkDlg == 0) {
            LinkBothWays(lNew, &tRes::lLinkAccel, lAccel, &tRes::lLinkDlg);
        }
        break;
    }
    case wkResMenu: {
        int32_t lDlg = gtElem.lResDlg;
        if (lDlg != 0 && gatRes[lDlg].lLinkMenu == 0) {
            LinkBothWays(lDlg, &tRes::lLinkMenu, lNew, &tRes::lLinkDlg);
        }
        break;
    }
    case wkResAccel: {
        int32_t lDlg = gtElem.lResDlg;
        if (lDlg != 0 && gatRes[lDlg].lLinkAccel == 0) {
            LinkBothWays(lDlg, &tRes::lLinkAccel, lNew, &tRes::lLinkDlg);
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
