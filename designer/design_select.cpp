// Selection on the surface: the focus control with its eight grippers, a
// group of controls with their markers, band select, Select All, Ctrl-click,
// Tab through the tab order, the sibling order, Delete, the arrow keys and
// the context menu.
#include "app/main_window.h"
#include "designer/design_state.h"
#include "edit/design_edits.h"
#include "model/options.h"
#include "model/project.h"
#include "resources/resource_ids.h"
#include "styles/control_kinds.h"

#include <algorithm>

namespace {

// The rectangle grippers and markers mark, in overlay pixels: the window's,
// but a combo box's model rectangle, which holds its drop-down list.
RECT MarkRect(int32_t lElem) {
    HWND hWnd = RowWindow(lElem);
    if (gatDlg[lElem].lCtlType == wkCtlComboBox || !hWnd) {
        return ControlPixelRect(lElem);
    }
    RECT r{};
    GetWindowRect(hWnd, &r);
    MapWindowPoints(nullptr, gtDesign.hOverlay, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Adds the moves of eight markers around r to a batch; the batch is 0 once the
// system refused it, and the moves left undone are skipped.
HDWP DeferEight(HDWP hPos, HWND const* ahWnd, const RECT& r) {
    const int32_t gw = GetSystemMetrics(SM_CXFRAME);
    const int32_t gh = GetSystemMetrics(SM_CYFRAME);
    const int32_t lMidY = (r.top + r.bottom) / 2 - gh / 2 - 1;
    const int32_t lMidX = (r.left + r.right) / 2 - gw / 2 - 1;
    const int32_t lRight = r.right - gw - 2;
    const int32_t lBottom = r.bottom - gh - 2;
    const POINT at[8] = {{r.left, lMidY}, {lRight, lMidY},  {lMidX, r.top},    {r.left, r.top},
                         {lRight, r.top}, {lMidX, lBottom}, {r.left, lBottom}, {lRight, lBottom}};
    for (int i = 0; i < 8; ++i) {
        BatchRepaint(ahWnd[i]);
        if (ahWnd[i] && hPos) {
            hPos = DeferWindowPos(hPos, ahWnd[i], HWND_TOP, at[i].x, at[i].y, gw + 2, gh + 2,
                                  SWP_SHOWWINDOW | SWP_NOACTIVATE);
        }
    }
    return hPos;
}

void PlaceEight(HWND const* ahWnd, const RECT& r) {
    if (HDWP hPos = DeferEight(BeginDeferWindowPos(8), ahWnd, r)) {
        EndDeferWindowPos(hPos);
    }
}

HWND CreateMarker(const char* szClass, int32_t lElem, int32_t lCode) {
    HWND h =
        CreateWindowExA(0, szClass, "", WS_CHILD | WS_BORDER | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                        0, GetSystemMetrics(SM_CXFRAME) + 2, GetSystemMetrics(SM_CYFRAME) + 2,
                        gtDesign.hOverlay, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (h) {
        SetPropA(h, "CtlElem", reinterpret_cast<HANDLE>(static_cast<intptr_t>(lElem)));
        SetPropA(h, "GripElem", reinterpret_cast<HANDLE>(static_cast<intptr_t>(lCode)));
    }
    return h;
}

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

void CreateFocusGrippers(HWND hOverlay) {
    gtDesign.hOverlay = hOverlay;
    for (int i = 0; i < 8; ++i) {
        gtDesign.ahGrip[i] = CreateMarker("KvGripper", 0, wkGripLeft + i);
    }
    gtDesign.lGripShown = 0;
}

void ShowFocusGrippers(HWND hCtl) {
    const int32_t lElem = WindowElem(hCtl);
    if (!hCtl || !lElem) {
        return;
    }
    for (HWND h : gtDesign.ahGrip) {
        SetPropA(h, "CtlElem", reinterpret_cast<HANDLE>(static_cast<intptr_t>(lElem)));
    }
    PlaceEight(gtDesign.ahGrip, MarkRect(lElem));
    gtDesign.lGripShown = 1;
    UpdateCommands();
}

void HideFocusGrippers() {
    for (HWND h : gtDesign.ahGrip) {
        if (h && IsWindowVisible(h)) {
            RECT r{};
            GetWindowRect(h, &r);
            MapWindowPoints(nullptr, gtDesign.hOverlay, reinterpret_cast<POINT*>(&r), 2);
            BatchUncover(r);
        }
        if (h) {
            ShowWindow(h, SW_HIDE);
        }
    }
    gtDesign.lGripShown = 0;
    UpdateCommands();
}

void AddToGroup(int32_t lElem) {
    tMarkers t{};
    t.lElem = lElem;
    const bool bLead = gtDesign.atGroup.empty();
    const char* szClass = bLead ? "KvGripper2Leader" : "KvGripper2";
    std::vector<HWND>& ahSpare = gtDesign.ahSpare[bLead ? 1 : 0];
    for (int i = 0; i < 8; ++i) {
        if (!ahSpare.empty()) {
            t.ahWnd[i] = ahSpare.back();
            ahSpare.pop_back();
            SetPropA(t.ahWnd[i], "CtlElem", reinterpret_cast<HANDLE>(static_cast<intptr_t>(lElem)));
            SetPropA(t.ahWnd[i], "GripElem",
                     reinterpret_cast<HANDLE>(static_cast<intptr_t>(wkGripLeft + i)));
        } else {
            t.ahWnd[i] = CreateMarker(szClass, lElem, wkGripLeft + i);
        }
    }
    gtDesign.atGroup.push_back(t);
    // Inside a batch (a band, Select All) the markers are placed all at once afterwards.
    if (!gtDesign.lMarkerBatch) {
        PlaceMarkers(gtDesign.atGroup.back());
    }
    ClearReadout();
}

void PlaceMarkers(tMarkers& t) {
    t.tAt = MarkRect(t.lElem);
    PlaceEight(t.ahWnd, t.tAt);
}

void PlaceGroupMarkers(bool bAll) {
    HDWP hPos = BeginDeferWindowPos(static_cast<int>(gtDesign.atGroup.size() * 8));
    for (tMarkers& t : gtDesign.atGroup) {
        const RECT r = MarkRect(t.lElem);
        if (bAll || !EqualRect(&r, &t.tAt) || IsRectEmpty(&t.tAt)) {
            BatchUncover(t.tAt);
            t.tAt = r;
            hPos = DeferEight(hPos, t.ahWnd, r);
        }
    }
    if (hPos) {
        EndDeferWindowPos(hPos);
        return;
    }
    // The system could not take the whole batch: one set at a time.
    for (tMarkers& t : gtDesign.atGroup) {
        PlaceMarkers(t);
    }
}

void ClearGroup() {
    if (gtDesign.atGroup.empty()) {
        return;
    }
    OverlayBatch tBatch;
    // The windows are hidden and kept, in one batch; the leader's apart, by its colour.
    HDWP hPos = BeginDeferWindowPos(static_cast<int>(gtDesign.atGroup.size() * 8));
    for (size_t i = 0; i < gtDesign.atGroup.size(); ++i) {
        std::vector<HWND>& ahSpare = gtDesign.ahSpare[i == 0 ? 1 : 0];
        BatchUncover(gtDesign.atGroup[i].tAt);
        for (HWND h : gtDesign.atGroup[i].ahWnd) {
            if (!h) {
                continue;
            }
            ahSpare.push_back(h);
            if (hPos) {
                hPos = DeferWindowPos(hPos, h, nullptr, 0, 0, 0, 0,
                                      SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                                          SWP_NOACTIVATE);
            }
        }
    }
    if (!hPos || !EndDeferWindowPos(hPos)) {
        for (const tMarkers& t : gtDesign.atGroup) {
            for (HWND h : t.ahWnd) {
                ShowWindow(h, SW_HIDE);
            }
        }
    }
    gtDesign.atGroup.clear();
}

int32_t GroupCount() {
    return static_cast<int32_t>(gtDesign.atGroup.size());
}

int32_t GroupMember(int32_t lIndex) {
    return lIndex >= 1 && lIndex <= GroupCount() ? gtDesign.atGroup[lIndex - 1].lElem : 0;
}

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
            RECT w{};
            GetWindowRect(RowWindow(l), &w);
            MapWindowPoints(nullptr, gtDesign.hOverlay, reinterpret_cast<POINT*>(&w), 2);
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
    gtDesign.lWholeRepaint = 1;
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
    for (int32_t l : alGone) {
        if (HWND h = RowWindow(l)) {
            DestroyWindow(h);
            gatDlg.W(l).hWnd = 0;
        }
        EditDeleteControl(l);
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
    SetMenuDefaultItem(hMenu, IDM_PROPERTIES, FALSE);
    POINT p{};
    GetCursorPos(&p);
    TrackPopupMenu(hMenu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, p.x, p.y, 0, ghWndMain, nullptr);
}

// ---- Commands ---------------------------------------------------------------------------

void NewDialogCmd(HWND hOwner) {
    NewDialog(hOwner);
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
