// Select Dialog/Resource: the project's dialogs as a tree with the menu and
// accelerator table linked to each, and the menus no dialog has. A dialog is
// opened on the design surface from here, a menu is linked to a dialog by
// dragging it there, unlinked, and resources are deleted with their branch.
#include "app/editor_commands.h"
#include "app/help.h"
#include "app/main_window.h"
#include "designer/designer.h"
#include "edit/resource_tree.h"
#include "editors/editor_ids.h"
#include "model/project.h"
#include "win/win_handles.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

struct tImageListDeleter {
    void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};

struct tSelector {
    HWND hDlg = nullptr;
    HWND hTree = nullptr;
    HWND hMain = nullptr;
    std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, tImageListDeleter> hImages;
    std::vector<tResNode> atTree;
    int32_t lOpen = 0; // the dialog to open once the selector is closed
    // A menu being dragged: its node, the drag image, the edge-scroll timer.
    bool bDragging = false;
    size_t lDragNode = 0;
    HIMAGELIST hDragImage = nullptr;
};
tSelector* gpSel = nullptr;

constexpr UINT_PTR lScrollTimer = 1;

HTREEITEM SelectedItem() {
    return TreeView_GetSelection(gpSel->hTree);
}

// The node of an item (its index in atTree); atTree.size() for none.
size_t NodeOf(HTREEITEM hItem) {
    if (!hItem) {
        return gpSel->atTree.size();
    }
    TVITEMA t{};
    t.mask = TVIF_PARAM;
    t.hItem = hItem;
    SendMessageA(gpSel->hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&t));
    return static_cast<size_t>(t.lParam);
}

void UpdateButtons() {
    const int32_t lBits = SelectorButtons(gpSel->atTree, NodeOf(SelectedItem()));
    EnableWindow(GetDlgItem(gpSel->hDlg, IDOK), (lBits & wkSelCanOpen) != 0);
    EnableWindow(GetDlgItem(gpSel->hDlg, IDC_SEL_UNLINK), (lBits & wkSelCanUnlink) != 0);
    EnableWindow(GetDlgItem(gpSel->hDlg, IDC_SEL_DELETE), (lBits & wkSelCanDelete) != 0);
}

// Fills the tree from the tables and selects the node of lSelectRes (the
// first node when it has none).
void Fill(int32_t lSelectRes) {
    gpSel->atTree = ResourceTree();
    TreeView_DeleteAllItems(gpSel->hTree);
    std::vector<HTREEITEM> ahParent(4, TVI_ROOT);
    HTREEITEM hFirst = nullptr;
    HTREEITEM hMatch = nullptr;
    for (size_t i = 0; i < gpSel->atTree.size(); ++i) {
        const tResNode& t = gpSel->atTree[i];
        TVINSERTSTRUCTA tIns{};
        tIns.hParent = ahParent[static_cast<size_t>(t.lLevel - 1)];
        tIns.hInsertAfter = TVI_LAST;
        tIns.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
        tIns.item.pszText = const_cast<char*>(t.sText.c_str());
        tIns.item.lParam = static_cast<LPARAM>(i);
        tIns.item.iImage = tIns.item.iSelectedImage = t.lImage - 1;
        tIns.item.state = tIns.item.stateMask = TVIS_EXPANDED;
        HTREEITEM h = TreeView_InsertItem(gpSel->hTree, &tIns);
        ahParent[static_cast<size_t>(t.lLevel)] = h;
        hFirst = hFirst ? hFirst : h;
        hMatch = !hMatch && t.lRes != 0 && t.lRes == lSelectRes ? h : hMatch;
    }
    TreeView_SelectItem(gpSel->hTree, hMatch ? hMatch : hFirst);
    UpdateButtons();
}

void OpenCmd() {
    const size_t lNode = NodeOf(SelectedItem());
    if (!(SelectorButtons(gpSel->atTree, lNode) & wkSelCanOpen)) {
        return;
    }
    gpSel->lOpen = NodeDialog(gpSel->atTree, lNode);
    EndDialog(gpSel->hDlg, IDOK);
}

void LinkHelpCmd() {
    MessageBoxA(gpSel->hDlg,
                "To link a menu to a dialog, drag a menu to a dialog without a menu\r"
                "already linked to it. Accelerators will move with the menu.",
                "Wrenkit", MB_OK | MB_ICONINFORMATION);
}

void UnlinkCmd() {
    const size_t lNode = NodeOf(SelectedItem());
    if (!(SelectorButtons(gpSel->atTree, lNode) & wkSelCanUnlink)) {
        return;
    }
    const int32_t lMenu = gpSel->atTree[lNode].lRes;
    UnlinkMenu(lMenu);
    RefreshDesignMenuBar();
    Fill(lMenu);
}

void DeleteCmd() {
    const size_t lNode = NodeOf(SelectedItem());
    if (!(SelectorButtons(gpSel->atTree, lNode) & wkSelCanDelete) ||
        MessageBoxA(gpSel->hDlg, DeleteNodesQuestion(gpSel->atTree, lNode).c_str(), "Wrenkit",
                    MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    const int32_t lRes = gpSel->atTree[lNode].lRes;
    // The design surface shows live rows only: a dialog that goes leaves it first.
    if (lRes == gtElem.lResDlg) {
        if (HWND hDesign = DesignDialogWindow()) {
            DestroyWindow(hDesign);
        }
        gatDlg.W(gtElem.lDlg).hWnd = 0;
    }
    DeleteNodeResource(lRes);
    RefreshDesignMenuBar();
    UpdateCommands();
    Fill(0);
}

void ContextMenu() {
    TVHITTESTINFO tHit{};
    GetCursorPos(&tHit.pt);
    const POINT tScreen = tHit.pt;
    ScreenToClient(gpSel->hTree, &tHit.pt);
    if (HTREEITEM h = TreeView_HitTest(gpSel->hTree, &tHit)) {
        TreeView_SelectItem(gpSel->hTree, h);
    }
    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_STRING, IDOK, "&Open");
    AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hMenu, MF_STRING, IDC_SEL_LINK, "&Link...");
    AppendMenuA(hMenu, MF_STRING, IDC_SEL_UNLINK, "&Remove Link");
    AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hMenu, MF_STRING, IDC_SEL_DELETE, "&Delete\tDel");
    SetMenuDefaultItem(hMenu, IDOK, FALSE);
    const int32_t lBits = SelectorButtons(gpSel->atTree, NodeOf(SelectedItem()));
    EnableMenuItem(hMenu, IDOK, (lBits & wkSelCanOpen) ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(hMenu, IDC_SEL_UNLINK, (lBits & wkSelCanUnlink) ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(hMenu, IDC_SEL_DELETE, (lBits & wkSelCanDelete) ? MF_ENABLED : MF_GRAYED);
    const auto lCmd = static_cast<int>(TrackPopupMenu(
        hMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON, tScreen.x, tScreen.y, 0, gpSel->hDlg, nullptr));
    DestroyMenu(hMenu);
    if (lCmd) {
        PostMessageA(gpSel->hDlg, WM_COMMAND, static_cast<WPARAM>(lCmd), 0);
    }
}

// ---- Dragging a menu onto a dialog ------------------------------------------------

// The node under the pointer (screen position), atTree.size() for none.
size_t NodeAt(POINT tScreen) {
    TVHITTESTINFO t{};
    t.pt = tScreen;
    ScreenToClient(gpSel->hTree, &t.pt);
    HTREEITEM h = TreeView_HitTest(gpSel->hTree, &t);
    return (t.flags & TVHT_ONITEM) ? NodeOf(h) : gpSel->atTree.size();
}

void BeginMenuDrag(const NMTREEVIEWA* p) {
    const size_t lNode = NodeOf(p->itemNew.hItem);
    if (lNode >= gpSel->atTree.size() || !IsDraggableNode(gpSel->atTree[lNode])) {
        return;
    }
    gpSel->bDragging = true;
    gpSel->lDragNode = lNode;
    gpSel->hDragImage = TreeView_CreateDragImage(gpSel->hTree, p->itemNew.hItem);
    if (gpSel->hDragImage) {
        ImageList_BeginDrag(gpSel->hDragImage, 0, 0, 0);
        ImageList_DragEnter(gpSel->hTree, p->ptDrag.x, p->ptDrag.y);
    }
    SetCapture(gpSel->hDlg);
    SetTimer(gpSel->hDlg, lScrollTimer, 100, nullptr);
}

void DragMove() {
    POINT tAt{};
    GetCursorPos(&tAt);
    POINT tClient = tAt;
    ScreenToClient(gpSel->hTree, &tClient);
    ImageList_DragShowNolock(FALSE);
    const size_t lNode = NodeAt(tAt);
    HTREEITEM hOver = nullptr;
    if (lNode < gpSel->atTree.size() && IsDropTarget(gpSel->atTree[lNode])) {
        TVHITTESTINFO t{};
        t.pt = tClient;
        hOver = TreeView_HitTest(gpSel->hTree, &t);
    }
    TreeView_SelectDropTarget(gpSel->hTree, hOver);
    ImageList_DragShowNolock(TRUE);
    ImageList_DragMove(tClient.x, tClient.y);
    SetCursor(LoadCursorA(nullptr, hOver ? MAKEINTRESOURCEA(32512) : MAKEINTRESOURCEA(32648)));
}

// Near the top or bottom edge of the tree, the timer scrolls it.
void DragScroll() {
    POINT tAt{};
    GetCursorPos(&tAt);
    ScreenToClient(gpSel->hTree, &tAt);
    RECT r{};
    GetClientRect(gpSel->hTree, &r);
    const int cyEdge = 12;
    if (tAt.x < r.left || tAt.x >= r.right) {
        return;
    }
    WPARAM lScroll = 0;
    if (tAt.y < r.top + cyEdge) {
        lScroll = SB_LINEUP;
    } else if (tAt.y >= r.bottom - cyEdge) {
        lScroll = SB_LINEDOWN;
    } else {
        return;
    }
    ImageList_DragShowNolock(FALSE);
    SendMessageA(gpSel->hTree, WM_VSCROLL, lScroll, 0);
    ImageList_DragShowNolock(TRUE);
}

void EndMenuDrag(bool bDrop) {
    if (!gpSel->bDragging) {
        return;
    }
    gpSel->bDragging = false;
    KillTimer(gpSel->hDlg, lScrollTimer);
    if (gpSel->hDragImage) {
        ImageList_DragLeave(gpSel->hTree);
        ImageList_EndDrag();
        ImageList_Destroy(gpSel->hDragImage);
        gpSel->hDragImage = nullptr;
    }
    TreeView_SelectDropTarget(gpSel->hTree, nullptr);
    ReleaseCapture();
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    POINT tAt{};
    GetCursorPos(&tAt);
    const size_t lNode = NodeAt(tAt);
    if (!bDrop || lNode >= gpSel->atTree.size() || !IsDropTarget(gpSel->atTree[lNode])) {
        return;
    }
    const int32_t lMenu = gpSel->atTree[gpSel->lDragNode].lRes;
    if (LinkMenuToDialog(lMenu, gpSel->atTree[lNode].lRes)) {
        RefreshDesignMenuBar();
        Fill(lMenu);
    }
}

// ---- The selector window ------------------------------------------------------------

INT_PTR OnNotify(const NMHDR* p) {
    if (p->idFrom != IDC_SEL_TREE) {
        return FALSE;
    }
    switch (p->code) {
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
        UpdateButtons();
        return TRUE;
    case TVN_BEGINDRAGA:
    case TVN_BEGINDRAGW:
        BeginMenuDrag(reinterpret_cast<const NMTREEVIEWA*>(p));
        return TRUE;
    case TVN_KEYDOWN:
        if (reinterpret_cast<const NMTVKEYDOWN*>(p)->wVKey == VK_DELETE) {
            DeleteCmd();
        }
        return TRUE;
    case NM_DBLCLK:
        OpenCmd();
        return TRUE;
    case NM_RCLICK:
        ContextMenu();
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK SelectorProc(HWND hDlg, UINT lMsg, WPARAM wParam, LPARAM lParam) {
    switch (lMsg) {
    case WM_INITDIALOG:
        gpSel->hDlg = hDlg;
        gpSel->hTree = GetDlgItem(hDlg, IDC_SEL_TREE);
        gpSel->hImages.reset(ImageList_LoadImageA(GetModuleHandleA(nullptr),
                                                  MAKEINTRESOURCEA(IDB_SELECTOR), 16, 0,
                                                  RGB(255, 0, 255), IMAGE_BITMAP, 0));
        TreeView_SetImageList(gpSel->hTree, gpSel->hImages.get(), TVSIL_NORMAL);
        Fill(gtElem.lResDlg);
        return TRUE;
    case WM_NOTIFY:
        SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, 0);
        return OnNotify(reinterpret_cast<const NMHDR*>(lParam));
    case WM_MOUSEMOVE:
        if (gpSel->bDragging) {
            DragMove();
        }
        return TRUE;
    case WM_LBUTTONUP:
        EndMenuDrag(true);
        return TRUE;
    case WM_CAPTURECHANGED:
        if (gpSel->bDragging && reinterpret_cast<HWND>(lParam) != hDlg) {
            EndMenuDrag(false);
        }
        return TRUE;
    case WM_TIMER:
        if (wParam == lScrollTimer && gpSel->bDragging) {
            DragScroll();
        }
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            OpenCmd();
            break;
        case IDCANCEL:
            EndDialog(hDlg, IDCANCEL);
            break;
        case IDC_SEL_LINK:
            LinkHelpCmd();
            break;
        case IDC_SEL_UNLINK:
            UnlinkCmd();
            break;
        case IDC_SEL_DELETE:
            DeleteCmd();
            break;
        default:
            break;
        }
        return TRUE;
    case WM_HELP:
        ShowHelp(hDlg, ProgramHelpFile(), "Linking dialogs and menus");
        return TRUE;
    case WM_CLOSE:
        EndDialog(hDlg, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void SelectDialogCmd(HWND hOwner) {
    if (gpSel) {
        return;
    }
    tSelector tState;
    tState.hMain = hOwner;
    gpSel = &tState;
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SELECTOR), hOwner, SelectorProc,
                    0);
    gpSel = nullptr;
    if (gatRes.Live(tState.lOpen)) {
        BuildDesignDialog(hOwner, tState.lOpen);
    }
    UpdateCommands();
}
