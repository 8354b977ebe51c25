// Selection on the surface: the focus control with its eight grippers, a
// group of controls with their markers, band select, Select All, Ctrl-click,
// Tab through the tab order, the sibling order, Delete, the arrow keys and
// the context menu.
#include "app/main_window.h"
#include "designer/design_state.h"
#include "designer/design_undo.h"
#include "edit/design_edits.h"
#include "model/options.h"
#include "model/project.h"
#include "resources/resource_ids.h"
#include "styles/control_kinds.h"

#include <algorithm>

namespace {

// The live controls of the dialog being designed, in element order.
template <class Fn> void ForEachControl(Fn fn) {
    const int32_t lRes = gatDlg[gtElem.lDlg].lResElem;
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        const tDlg& t = gatDlg[l];
        if (!t.byDeleted && t.lResElem == lRes && t.lCtlType != wkCtlDialog) {
            fn(l);
        }
    }
}

// A group of one is a single selection.
void SettleGroup() {
    if (gtDesign.atGroup.size() == 1) {
        const int32_t lElem = gtDesign.atGroup[0].lElem;
        ClearGroup();
        gtElem.lCtl = lElem;
        ShowFocusGrippers(RowWindow(lElem));
        ShowRowReadout(lElem);
    } else if (!gtDesign.atGroup.empty()) {
        ClearReadout();
    }
    UpdateCommands();
}

void MoveWindowTo(int32_t lElem, bool bSized) {
    PlaceControlWindow(lElem, SWP_FRAMECHANGED, HWND_TOP);
    if (bSized) {
        ReloadStretchedImage(lElem);
    }
    if (HWND h = RowWindow(lElem)) {
        InvalidateRect(h, nullptr, TRUE);
    }
}

} // namespace

void SelectDialogItself() {
    gtElem.lCtl = gtElem.lDlg;
    ShowRowReadout(gtElem.lDlg);
    if (!gtDesign.atGroup.empty()) {
        ClearGroup();
    }
    HideFocusGrippers();
}

void BandSelect(const tDlgRect& tBand) {
    OverlayBatch tBatch;
    HideFocusGrippers();
    ClearGroup();
    gtDesign.lMarkerBatch = 1;
    ForEachControl([&](int32_t l) {
        tDlgRect r = RowRect(l);
        if (gatDlg[l].lCtlType == wkCtlComboBox && RowWindow(l)) {
            RECT w = WindowRectIn(RowWindow(l), gtDesign.hOverlay);
            r = PixelsToDlg({w.left, w.top, w.right, w.bottom});
        }
        if (RectsIntersect(r, tBand)) {
            if (gtDesign.atGroup.empty()) {
                gtElem.lCtl = l;
            }
            AddToGroup(l);
        }
    });
    gtDesign.lMarkerBatch = 0;
    PlaceGroupMarkers();
    SettleGroup();
}

void SelectAll() {
    if (!gatDlg[gtElem.lDlg].lResElem) {
        return;
    }
    OverlayBatch tBatch;
    HideFocusGrippers();
    ClearGroup();
    gtDesign.lMarkerBatch = 1;
    ForEachControl([&](int32_t l) {
        if (gtDesign.atGroup.empty()) {
            gtElem.lCtl = l;
        }
        AddToGroup(l);
    });
    gtDesign.lMarkerBatch = 0;
    PlaceGroupMarkers();
    SettleGroup();
}

void CtrlClick(HWND hCtl) {
    const int32_t lElem = WindowElem(hCtl);
    if (!gtDesign.atGroup.empty()) {
        std::vector<int32_t> alOld;
        for (const tMarkers& t : gtDesign.atGroup) {
            alOld.push_back(t.lElem);
        }
        ClearGroup();
        gtDesign.lMarkerBatch = 1;
        if (alOld[0] == lElem) {
            // The leader leaves; the next member leads.
            for (size_t i = 1; i < alOld.size(); ++i) {
                AddToGroup(alOld[i]);
            }
            gtElem.lCtl = alOld.size() > 1 ? alOld[1] : gtElem.lDlg;
        } else {
            AddToGroup(lElem);
            for (int32_t l : alOld) {
                if (l != lElem) {
                    AddToGroup(l);
                }
            }
            gtElem.lCtl = lElem;
        }
        gtDesign.lMarkerBatch = 0;
        PlaceGroupMarkers();
        if (gtDesign.atGroup.empty()) {
            SelectDialogItself();
        }
        SettleGroup();
        return;
    }
    if (gtDesign.lGripShown) {
        const int32_t lMarked = WindowElem(gtDesign.ahGrip[0]);
        HideFocusGrippers();
        if (lMarked == lElem) {
            gtElem.lCtl = gtElem.lDlg;
            ShowRowReadout(gtElem.lDlg);
        } else {
            BringToFront(hCtl);
            AddToGroup(lElem);
            AddToGroup(lMarked);
            gtElem.lCtl = lElem;
            SettleGroup();
        }
        return;
    }
    gtElem.lCtl = lElem;
    ShowFocusGrippers(hCtl);
    ShowRowReadout(lElem);
}

HWND RaiseAfter(int32_t lElem) {
    const int32_t lKind = gatDlg[lElem].lCtlType;
    // Frames and lines lie behind everything, so they never cover what they hold.
    return lKind == wkCtlFrame || lKind == wkCtlLine ? HWND_BOTTOM : HWND_TOP;
}

void BringToFront(HWND hCtl) {
    SetWindowPos(hCtl, RaiseAfter(WindowElem(hCtl)), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(hCtl, nullptr, nullptr, RDW_INTERNALPAINT);
}

void SendToBack(HWND hCtl) {
    HideFocusGrippers();
    SetWindowPos(hCtl, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void DeleteSelection() {
    OverlayBatch tBatch;
    std::vector<int32_t> alGone;
    if (!gtDesign.atGroup.empty()) {
        for (const tMarkers& t : gtDesign.atGroup) {
            alGone.push_back(t.lElem);
        }
        ClearGroup();
    } else if (gtElem.lCtl != gtElem.lDlg && gatDlg[gtElem.lCtl].lCtlType != wkCtlDialog &&
               gatDlg.Live(gtElem.lCtl)) {
        HideFocusGrippers();
        alGone.push_back(gtElem.lCtl);
    }
    {
        const OverlayFreeze tFreeze;
        for (int32_t l : alGone) {
            if (HWND h = RowWindow(l)) {
                BatchUncover(WindowRectIn(h, gtDesign.hOverlay));
                DestroyWindow(h);
                gatDlg.W(l).hWnd = 0;
            }
            EditDeleteControl(l);
        }
    }
    if (!alGone.empty()) {
        gtElem.lCtl = gtElem.lDlg;
        HideFocusGrippers();
        ShowRowReadout(gtElem.lDlg);
    }
    UpdateCommands();
}

void Nudge(WPARAM lKey) {
    const int32_t lDX = lKey == VK_LEFT ? -1 : lKey == VK_RIGHT ? 1 : 0;
    const int32_t lDY = lKey == VK_UP ? -1 : lKey == VK_DOWN ? 1 : 0;
    const bool bSize = GetKeyState(VK_CONTROL) < 0;
    // A series of arrow keys on one selection is one step.
    DesignStep tStep(SelectionStepName(bSize ? "Size" : "Move", "dialog"),
                     SelectionMergeKey(bSize));
    const int32_t lWasChanged = glChanged;
    bool bBeep = false;
    if (gtElem.lCtl == gtElem.lDlg && gtDesign.atGroup.empty()) {
        const int32_t lDlg = gtElem.lDlg;
        const tDlgRect t = NudgedRect(RowRect(lDlg), lDX, lDY, bSize, bBeep);
        EditSetRect(lDlg, t);
        const RECT r = DialogWindowRect(t, GetMenu(gtDesign.hDialog) != nullptr);
        gtDesign.lBuilding = 1;
        SetWindowPos(gtDesign.hDialog, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        gtDesign.lBuilding = 0;
    } else {
        std::vector<int32_t> alTarget;
        for (const tMarkers& t : gtDesign.atGroup) {
            alTarget.push_back(t.lElem);
        }
        if (alTarget.empty() && gatDlg.Live(gtElem.lCtl)) {
            alTarget.push_back(gtElem.lCtl);
        }
        for (int32_t l : alTarget) {
            EditSetRect(l, NudgedRect(RowRect(l), lDX, lDY, bSize, bBeep));
            if (bSize) {
                const int32_t lKind = gatDlg[l].lCtlType;
                if (lKind == wkCtlImage) {
                    EditAddStyle(l, 0x200);
                } else if (lKind == wkCtlAnimate) {
                    EditAddStyle(l, 0x1);
                }
            }
            MoveWindowTo(l, bSize);
        }
        // The members came forward: their markers go back above them.
        PlaceGroupMarkers(true);
        if (gtDesign.atGroup.empty() && gtDesign.lGripShown) {
            ShowFocusGrippers(RowWindow(gtElem.lCtl));
        }
    }
    if (bBeep) {
        MessageBeep(0);
    }
    if (glUpdatesSuspended) {
        glChanged = lWasChanged;
    }
    UpdateCommands();
    if (gtDesign.atGroup.empty()) {
        ShowRowReadout(gtElem.lCtl);
    }
}

void TabSelect(bool bBack) {
    if (!gtDesign.atGroup.empty()) {
        ClearGroup();
    } else {
        HideFocusGrippers();
    }
    const int32_t lWant = gatDlg[gtElem.lCtl].lCtlOrder + (bBack ? -1 : 1);
    int32_t lFound = 0, lFirst = 0, lLast = 0;
    ForEachControl([&](int32_t l) {
        const int32_t lOrder = gatDlg[l].lCtlOrder;
        if (lOrder == lWant && !lFound) {
            lFound = l;
        }
        if (lOrder == 1 && !lFirst) {
            lFirst = l;
        }
        if (!lLast || lOrder > gatDlg[lLast].lCtlOrder) {
            lLast = l;
        }
    });
    if (!lFound) {
        lFound = bBack ? lLast : lFirst;
    }
    if (!lFound) {
        return;
    }
    gtElem.lCtl = lFound;
    ShowFocusGrippers(RowWindow(lFound));
    ShowRowReadout(lFound);
}

void OpenContextMenu() {
    HMENU hMenu = GetSubMenu(DesignContextMenu(), 0);
    if (!hMenu) {
        return;
    }
    const bool bSel = !gtDesign.atGroup.empty() || gtDesign.lGripShown;
    const UINT lPaste = RegisterClipboardFormatA("KvDlgEditControls");
    auto Set = [&](UINT lId, bool bOn) {
        EnableMenuItem(hMenu, lId, MF_BYCOMMAND | (bOn ? MF_ENABLED : MF_GRAYED));
    };
    Set(IDM_CUT, bSel);
    Set(IDM_COPY, bSel);
    Set(IDM_DELETE, bSel);
    Set(IDM_SELECTALL, CountDialogRows(gatDlg[gtElem.lDlg].lResElem) > 1);
    Set(IDM_PASTE, IsClipboardFormatAvailable(lPaste) != 0);
    Set(IDM_SENDTOBACK, gtDesign.atGroup.empty() && gtDesign.lGripShown);
    Set(IDM_PROPERTIES, true);
    SetUndoMenuItems(hMenu);
    SetMenuDefaultItem(hMenu, IDM_PROPERTIES, FALSE);
    POINT p{};
    GetCursorPos(&p);
    TrackPopupMenu(hMenu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, p.x, p.y, 0, ghWndMain, nullptr);
}

// ---- Commands ---------------------------------------------------------------------------

void NewDialogCmd(HWND hOwner) {
    NewDesignDialog(hOwner);
}

void DeleteControlsCmd(HWND) {
    DeleteSelection();
}

void SelectAllControlsCmd(HWND) {
    SelectAll();
}

void SendToBackCmd(HWND) {
    if (gtDesign.atGroup.empty() && gtDesign.lGripShown) {
        SendToBack(RowWindow(WindowElem(gtDesign.ahGrip[0])));
    }
}

int32_t DesignHasGroup() {
    return gtDesign.atGroup.empty() ? 0 : 1;
}

int32_t FocusGripperShown() {
    return gtDesign.lGripShown;
}

void ClearDesignSelection() {
    if (!gtDesign.atGroup.empty()) {
        ClearGroup();
        UpdateCommands();
    } else {
        HideFocusGrippers();
    }
}
