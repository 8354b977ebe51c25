// The dialog and resource selector's rules.
#include "edit/resource_tree.h"

#include "model/change_notice.h"
#include "model/project.h"

const char* const gszUnlinkedNode = "<Resources Not Linked>";

namespace {

bool IsKind(int32_t lRes, int32_t lKind) {
    return gatRes.Live(lRes) && gatRes[lRes].lType == lKind;
}

void AddMenuBranch(std::vector<tResNode>& at, int32_t lMenu, int32_t lLevel) {
    at.push_back({lLevel, lMenu, wkNodeMenu, gatRes[lMenu].szIDName.str()});
    const int32_t lAccel = gatRes[lMenu].lLinkAccel;
    if (IsKind(lAccel, wkResAccel)) {
        at.push_back({lLevel + 1, lAccel, wkNodeAccel, gatRes[lAccel].szIDName.str()});
    }
}

// The top-level node above lPos.
size_t RootOf(const std::vector<tResNode>& at, size_t lPos) {
    while (lPos > 0 && at[lPos].lLevel > 1) {
        --lPos;
    }
    return lPos;
}

} // namespace

std::vector<tResNode> ResourceTree() {
    std::vector<tResNode> at;
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (!IsKind(l, wkResDialog)) {
            continue;
        }
        std::string s = gatRes[l].szIDName.str();
        const std::string sCaption = GetDynStr(gatDlg[FindDialogRow(l)].lCaptionElem);
        if (!sCaption.empty()) {
            s += " " + sCaption;
        }
        at.push_back({1, l, wkNodeDialog, s});
        if (IsKind(gatRes[l].lLinkMenu, wkResMenu)) {
            AddMenuBranch(at, gatRes[l].lLinkMenu, 2);
        }
    }
    bool bUnlinked = false;
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (IsKind(l, wkResMenu) && !IsKind(gatRes[l].lLinkDlg, wkResDialog)) {
            if (!bUnlinked) {
                at.push_back({1, 0, wkNodeUnlinked, gszUnlinkedNode});
                bUnlinked = true;
            }
            AddMenuBranch(at, l, 2);
        }
    }
    return at;
}

int32_t NodeDialog(const std::vector<tResNode>& atTree, size_t lPos) {
    return lPos < atTree.size() ? atTree[RootOf(atTree, lPos)].lRes : 0;
}

int32_t SelectorButtons(const std::vector<tResNode>& atTree, size_t lPos) {
    if (lPos >= atTree.size()) {
        return 0;
    }
    const bool bUnderDialog = NodeDialog(atTree, lPos) != 0;
    switch (atTree[lPos].lLevel) {
    case 1:
        return bUnderDialog ? wkSelCanOpen | wkSelCanDelete : 0;
    case 2:
        return (bUnderDialog ? wkSelCanOpen | wkSelCanUnlink : 0) | wkSelCanDelete;
    default:
        return bUnderDialog ? wkSelCanOpen : 0;
    }
}

bool IsDraggableNode(const tResNode& t) {
    return t.lImage == wkNodeMenu;
}

bool IsDropTarget(const tResNode& t) {
    return t.lImage == wkNodeDialog && !gatRes.Live(gatRes[t.lRes].lLinkMenu);
}

int32_t LinkMenuToDialog(int32_t lMenu, int32_t lDlg) {
    if (!IsKind(lMenu, wkResMenu) || !IsKind(lDlg, wkResDialog) ||
        gatRes.Live(gatRes[lDlg].lLinkMenu)) {
        return 0;
    }
    tChangeScope tEdit(wkChgRes);
    UnlinkMenu(lMenu);
    int32_t lAccel = gatRes[lMenu].lLinkAccel;
    if (IsKind(lAccel, wkResAccel)) {
        // The menu's table replaces one the dialog had alone.
        const int32_t lOld = gatRes[lDlg].lLinkAccel;
        if (lOld != lAccel && gatRes[lOld].lLinkDlg == lDlg) {
            gatRes.W(lOld).lLinkDlg = 0;
            NoteChange(wkChgRes, lOld, 1);
        }
    } else {
        lAccel = gatRes[lDlg].lLinkAccel;
    }
    LinkResources(lDlg, lMenu, lAccel);
    NoteChange(wkChgRes);
    return 1;
}

void UnlinkMenu(int32_t lMenu) {
    const int32_t lDlg = gatRes[lMenu].lLinkDlg;
    if (!IsKind(lMenu, wkResMenu) || lDlg == 0) {
        return;
    }
    tChangeScope tEdit(wkChgRes);
    if (gatRes[lDlg].lLinkMenu == lMenu) {
        UnlinkResources(lDlg);
    }
    gatRes.W(lMenu).lLinkDlg = 0;
    NoteChange(wkChgRes);
}

std::string DeleteNodesQuestion(const std::vector<tResNode>& atTree, size_t lPos) {
    std::string s = "Are you sure you want to delete the following resources?\r\r";
    if (lPos >= atTree.size()) {
        return s;
    }
    s += atTree[lPos].sText;
    for (size_t i = lPos + 1; i < atTree.size() && atTree[i].lLevel > atTree[lPos].lLevel; ++i) {
        s += "\r" + atTree[i].sText;
    }
    return s;
}

void DeleteNodeResource(int32_t lRes) {
    if (!gatRes.Live(lRes)) {
        return;
    }
    tChangeScope tEdit(wkChgEverything);
    DeleteResource(lRes);
    for (int32_t l = 1; l <= glMenuCnt; ++l) {
        const tMenu& t = gatMenu[l];
        if (gatMenu.Live(l) && ((t.lAccelElem != 0 && !gatAccel.Live(t.lAccelElem)) ||
                                (t.lStrElem != 0 && !gatStr.Live(t.lStrElem)))) {
            tMenu& tItem = gatMenu.W(l);
            tItem.lAccelElem = gatAccel.Live(tItem.lAccelElem) ? tItem.lAccelElem : 0;
            tItem.lStrElem = gatStr.Live(tItem.lStrElem) ? tItem.lStrElem : 0;
            NoteChange(wkChgMenu, l, 1);
        }
    }
    if (!gatRes.Live(gtElem.lResDlg)) {
        gtElem.lResDlg = 0;
        gtElem.lDlg = 0;
        gtElem.lCtl = 0;
    }
}
