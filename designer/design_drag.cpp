// The mouse on the surface: drawing a band or a new control on the empty
// dialog, moving one control or a group, sizing with a gripper, and the three
// cancel messages Esc sends. The capture and the cursor's confinement end with
// every drag, however it ends: button up, cancel, or the capture taken away.
#include "app/main_window.h"
#include "designer/design_state.h"
#include "designer/design_undo.h"
#include "edit/design_edits.h"
#include "model/options.h"
#include "model/project.h"
#include "resources/resource_ids.h"
#include "styles/control_kinds.h"
#include "win/win_handles.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

// Outlines are drawn inverted, so drawing the same ones again erases them.
// One device context and one pen serve all the outlines of a frame.
void DrawRectsNot(const tDlgRect* at, size_t lCount) {
    // The overlay's own device context without its children clipped away, so
    // that the outlines show over the controls too.
    const tWindowDC tDC(gtDesign.hOverlay, DCX_CACHE | DCX_CLIPSIBLINGS);
    HDC hDC = tDC.Get();
    if (!hDC) {
        return;
    }
    const tGdiPen tPen(CreatePen(PS_DOT, 1, RGB(0, 0, 0)));
    const tSelected tPenIn(hDC, tPen.Get());
    const tSelected tBrushIn(hDC, GetStockObject(NULL_BRUSH));
    const int lOldRop = SetROP2(hDC, R2_NOT);
    for (size_t i = 0; i < lCount; ++i) {
        const tDlgRect p = DlgToPixels(at[i]);
        if (p.nRight > p.nLeft || p.nBottom > p.nTop) { // an empty rectangle is not drawn
            Rectangle(hDC, p.nLeft, p.nTop, p.nRight, p.nBottom);
        }
    }
    SetROP2(hDC, lOldRop);
}

bool Snapping() {
    return gtOptions.lSnapToGrid != 0;
}

POINT SnappedIf(POINT p, bool bSnap) {
    if (bSnap) {
        p.x = SnapCoord(p.x, gtOptions.lGridX);
        p.y = SnapCoord(p.y, gtOptions.lGridY);
    }
    return p;
}

// The rectangles of a move to point p: the single control's, or every
// member's with the one snap offset of the leader.
void MoveRects(POINT p) {
    const int32_t lDX = p.x - gtDesign.tStart.x;
    const int32_t lDY = p.y - gtDesign.tStart.y;
    if (lDX || lDY) {
        gtDesign.bMoved = true;
    }
    const bool bSnap = gtDesign.bMoved && Snapping();
    if (gtDesign.atGroup.empty()) {
        gtDesign.tCurRect = MovedRect(gtDesign.tStartRect, lDX, lDY, bSnap);
        return;
    }
    int32_t lSX = 0, lSY = 0;
    if (bSnap) {
        SnapOffset(MovedRect(RowRect(gtDesign.atGroup[0].lElem), lDX, lDY, false), lSX, lSY);
    }
    gtDesign.atGroupRect.clear();
    for (const tMarkers& t : gtDesign.atGroup) {
        gtDesign.atGroupRect.push_back(MovedRect(RowRect(t.lElem), lDX + lSX, lDY + lSY, false));
    }
}

void DrawCurrent() {
    if (gtDesign.lDrag == wkDragMoving && !gtDesign.atGroup.empty()) {
        DrawRectsNot(gtDesign.atGroupRect.data(), gtDesign.atGroupRect.size());
    } else {
        DrawRectsNot(&gtDesign.tCurRect, 1);
    }
    gtDesign.bOutline = true;
}

// Set changed unless command updates are suspended (a build in progress).
void MarkEdited(int32_t lWasChanged) {
    if (glUpdatesSuspended) {
        glChanged = lWasChanged;
    }
    UpdateCommands();
}

void SelectTool() {
    gtDesign.lPlaceKind = 0;
    if (gpfnToolboxSelect) {
        gpfnToolboxSelect();
    }
}

bool InGroup(int32_t lElem) {
    return std::any_of(gtDesign.atGroup.begin(), gtDesign.atGroup.end(),
                       [&](const tMarkers& t) { return t.lElem == lElem; });
}

HWND FocusWindow() {
    return RowWindow(gtElem.lCtl);
}

// Ends a move: the model takes the rectangles (bStore) or keeps its own; the
// windows follow the model either way.
void FinishMove(bool bStore) {
    std::optional<DesignStep> tStep;
    if (bStore) {
        tStep.emplace(SelectionStepName("Move"));
    }
    const int32_t lWasChanged = glChanged;
    if (gtDesign.atGroup.empty()) {
        const int32_t lElem = gtElem.lCtl;
        if (bStore) {
            EditSetRect(lElem, gtDesign.tCurRect);
            PlaceControlWindow(lElem, SWP_NOZORDER);
        }
        if (HWND h = RowWindow(lElem)) {
            BringToFront(h);
            InvalidateRect(h, nullptr, TRUE);
            ShowFocusGrippers(h);
            ShowRowReadout(lElem);
        }
    } else {
        // The members that moved go to their places and come forward in one
        // batch, with the areas their markers left painted in the same request.
        OverlayBatch tBatch;
        std::vector<int32_t> alMembers;
        for (size_t i = 0; i < gtDesign.atGroup.size(); ++i) {
            const int32_t lElem = gtDesign.atGroup[i].lElem;
            if (bStore && i < gtDesign.atGroupRect.size()) {
                EditSetRect(lElem, gtDesign.atGroupRect[i]);
            }
            alMembers.push_back(lElem);
        }
        const std::vector<int32_t> alMoved = MoveRowWindows(alMembers, true);
        if (!alMoved.empty()) {
            PlaceGroupMarkers(true);
        }
    }
    if (bStore) {
        MarkEdited(lWasChanged);
    }
}

void FinishSize(bool bStore) {
    std::optional<DesignStep> tStep;
    if (bStore) {
        tStep.emplace("Size control");
    }
    const int32_t lElem = WindowElem(gtDesign.ahGrip[0]);
    const int32_t lWasChanged = glChanged;
    if (bStore) {
        EditSetRect(lElem, gtDesign.tCurRect);
        // A picture or animation keeps the size it was given.
        const int32_t lKind = gatDlg[lElem].lCtlType;
        if (lKind == wkCtlImage) {
            EditAddStyle(lElem, 0x200);
        } else if (lKind == wkCtlAnimate) {
            EditAddStyle(lElem, 0x1);
        }
        if (HWND h = RowWindow(lElem)) {
            const tDesignStyles t = DesignWindowStyles(lElem);
            SetWindowLongA(h, GWL_STYLE, t.lStyle | WS_CHILD);
        }
        PlaceControlWindow(lElem, SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    ReloadStretchedImage(lElem);
    if (HWND h = RowWindow(lElem)) {
        BringToFront(h);
        InvalidateRect(h, nullptr, TRUE);
        ShowFocusGrippers(h);
    }
    ShowRowReadout(lElem);
    if (bStore) {
        MarkEdited(lWasChanged);
    }
}

void FinishDraw(bool bCancel) {
    const tDlgRect t = gtDesign.tCurRect;
    const int32_t lKind = gtDesign.lPlaceKind;
    if (bCancel) {
        if (lKind) {
            SelectTool();
        }
        return;
    }
    if (lKind) {
        SelectTool();
        if (t.nRight > t.nLeft && t.nBottom > t.nTop) {
            NewDesignControl(lKind, t.nLeft, t.nTop, t.nRight, t.nBottom);
        }
    } else {
        BandSelect(t);
    }
}

// Ends whatever drag is under way; bStore keeps its result.
void StopDrag(bool bStore) {
    const int32_t lDrag = gtDesign.lDrag;
    if (lDrag == wkDragNone) {
        return;
    }
    EraseOutlines();
    EndDrag();
    switch (lDrag) {
    case wkDragMoving:
        FinishMove(bStore);
        break;
    case wkDragSizing:
        FinishSize(bStore);
        break;
    case wkDragDrawing:
        FinishDraw(!bStore);
        break;
    default:
        break;
    }
    gtDesign.atGroupRect.clear();
}

// The last mouse position of a drag, in overlay dialog units.
void Track(HWND hWnd, LPARAM lParam) {
    const POINT p = OverlayPoint(hWnd, lParam);
    switch (gtDesign.lDrag) {
    case wkDragMoving:
        MoveRects(p);
        if (gtDesign.atGroup.empty()) {
            ShowRectReadout(gtDesign.tCurRect);
        } else {
            ClearReadout();
        }
        break;
    case wkDragSizing:
        gtDesign.tCurRect = SizedRect(gtDesign.tStartRect, gtDesign.lSizeCode, p.x, p.y);
        ShowRectReadout(gtDesign.tCurRect);
        break;
    case wkDragDrawing: {
        const POINT q = SnappedIf(p, gtDesign.lPlaceKind != 0 && Snapping());
        gtDesign.tCurRect = RectBetween(gtDesign.tStart.x, gtDesign.tStart.y, q.x, q.y);
        ShowRectReadout(gtDesign.tCurRect);
        break;
    }
    default:
        break;
    }
}

// The mouse over a group marker, with nothing dragged: the marker's arrow,
// and the click is the marker's, which takes none.
bool OnMarker(HWND hWnd, UINT uMsg, LPARAM lParam) {
    if (gtDesign.atGroup.empty() || gtDesign.lDrag != wkDragNone) {
        return false;
    }
    switch (uMsg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        break;
    default:
        return false;
    }
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (hWnd != gtDesign.hOverlay) {
        MapWindowPoints(hWnd, gtDesign.hOverlay, &p, 1);
    }
    if (!MarkerAt(p)) {
        return false;
    }
    if (uMsg == WM_MOUSEMOVE) {
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
    }
    return true;
}

bool DragEndsHere(HWND hWnd) {
    return gtDesign.lDrag != wkDragNone && gtDesign.hDragWnd == hWnd;
}

// Common to the three kinds of window that start drags.
bool CommonDragMessage(HWND hWnd, UINT uMsg, LPARAM lParam) {
    switch (uMsg) {
    case WM_MOUSEMOVE:
        if (DragEndsHere(hWnd)) {
            EraseOutlines();
            Track(hWnd, lParam);
            DrawCurrent();
            return true;
        }
        return false;
    case WM_LBUTTONUP:
        if (DragEndsHere(hWnd)) {
            EraseOutlines();
            Track(hWnd, lParam);
            StopDrag(true);
            return true;
        }
        return false;
    case WM_CAPTURECHANGED:
        // The capture went elsewhere (another program, a message box): the
        // drag ends where it began.
        if (DragEndsHere(hWnd) && reinterpret_cast<HWND>(lParam) != hWnd) {
            StopDrag(false);
        }
        return false;
    default:
        return false;
    }
}

} // namespace

void BeginDrag(HWND hWnd, int32_t lKind, POINT tStart, LPCSTR szCursor) {
    gtDesign.lDrag = lKind;
    gtDesign.hDragWnd = hWnd;
    gtDesign.tStart = tStart;
    gtDesign.bMoved = false;
    gtDesign.bOutline = false;
    SetCapture(hWnd);
    if (szCursor) {
        SetCursor(LoadCursor(nullptr, szCursor));
    }
    RECT r{};
    GetClientRect(gtDesign.hOverlay, &r);
    MapWindowPoints(gtDesign.hOverlay, nullptr, reinterpret_cast<POINT*>(&r), 2);
    ClipCursor(&r);
}

void EndDrag() {
    // The state goes first: releasing the capture reports itself again.
    HWND hWnd = gtDesign.hDragWnd;
    gtDesign.lDrag = wkDragNone;
    gtDesign.hDragWnd = nullptr;
    ClipCursor(nullptr);
    if (hWnd && GetCapture() == hWnd) {
        ReleaseCapture();
    }
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

void EraseOutlines() {
    if (gtDesign.bOutline) {
        DrawCurrent();
        gtDesign.bOutline = false;
    }
}

int32_t CancelDesignDrag() {
    switch (gtDesign.lDrag) {
    case wkDragSizing:
        SendMessageA(gtDesign.ahGrip[0], WM_KV_CANCELSIZE, 0, 0);
        return 1;
    case wkDragMoving:
        SendMessageA(FocusWindow(), WM_KV_CANCELMOVE, 0, 0);
        return 1;
    case wkDragDrawing:
        SendMessageA(gtDesign.hOverlay, WM_KV_CANCELDRAW, 0, 0);
        return 1;
    default:
        return 0;
    }
}

LRESULT ControlMouse(HWND hWnd, int32_t lElem, UINT uMsg, WPARAM wParam, LPARAM lParam,
                     bool& bHandled) {
    bHandled = true;
    HWND hCtl = RowWindow(lElem) ? RowWindow(lElem) : hWnd;
    if (CommonDragMessage(hWnd, uMsg, lParam) || OnMarker(hWnd, uMsg, lParam)) {
        return 0;
    }
    switch (uMsg) {
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_SETCURSOR:
        return TRUE;
    case WM_LBUTTONDOWN: {
        if (wParam & MK_CONTROL) {
            CtrlClick(hCtl);
            return 0;
        }
        gtElem.lCtl = lElem;
        BringToFront(hCtl);
        if (!gtDesign.atGroup.empty() && !InGroup(lElem)) {
            ClearGroup();
        }
        BeginDrag(hWnd, wkDragMoving, OverlayPoint(hWnd, lParam), IDC_SIZEALL);
        if (gtDesign.atGroup.empty()) {
            gtDesign.tStartRect = RowRect(lElem);
            gtDesign.tCurRect = gtDesign.tStartRect;
            ShowRectReadout(gtDesign.tStartRect);
            ShowFocusGrippers(hCtl);
        } else {
            MoveRects(gtDesign.tStart);
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (gtDesign.lDrag == wkDragNone) {
            SetCursor(LoadCursor(nullptr, IDC_SIZEALL));
            HoverReadout(lElem);
        }
        return 0;
    case WM_LBUTTONUP:
        return 0;
    case WM_KV_CANCELMOVE:
        if (gtDesign.lDrag == wkDragMoving) {
            StopDrag(false);
        }
        return 0;
    case WM_RBUTTONDOWN:
        if (gtDesign.lDrag == wkDragNone) {
            // A member of the group keeps the group, so that the menu's
            // commands (Align, Delete, Copy) work on all of it.
            if (!InGroup(lElem)) {
                gtElem.lCtl = lElem;
                BringToFront(hCtl);
                ClearGroup();
                ShowRowReadout(lElem);
                ShowFocusGrippers(hCtl);
            }
            OpenContextMenu();
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        gtElem.lCtl = lElem;
        ClearGroup();
        ShowFocusGrippers(hCtl);
        if (ghWndMain) {
            SendMessageA(ghWndMain, WM_COMMAND, MAKEWPARAM(IDM_PROPERTIES, 0), 0);
        }
        return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_CONTEXTMENU:
        return 0;
    default:
        bHandled = false;
        return 0;
    }
}

LRESULT OverlayMouse(HWND hWnd, UINT uMsg, WPARAM, LPARAM lParam, bool& bHandled) {
    bHandled = true;
    if (CommonDragMessage(hWnd, uMsg, lParam) || OnMarker(hWnd, uMsg, lParam)) {
        return 0;
    }
    switch (uMsg) {
    case WM_LBUTTONDOWN: {
        gtElem.lCtl = gtElem.lDlg;
        ShowRowReadout(gtElem.lDlg);
        if (!gtDesign.atGroup.empty()) {
            ClearGroup();
            UpdateCommands();
        } else {
            HideFocusGrippers();
        }
        const POINT p =
            SnappedIf(OverlayPoint(hWnd, lParam), gtDesign.lPlaceKind != 0 && Snapping());
        BeginDrag(hWnd, wkDragDrawing, p, IDC_CROSS);
        gtDesign.tCurRect = {p.x, p.y, p.x, p.y};
        return 0;
    }
    case WM_MOUSEMOVE:
        HoverReadout(gtElem.lDlg);
        return 0;
    case WM_KV_CANCELDRAW:
        if (gtDesign.lDrag == wkDragDrawing) {
            StopDrag(false);
        }
        return 0;
    case WM_RBUTTONDOWN:
        if (gtDesign.lDrag == wkDragNone) {
            gtElem.lCtl = gtElem.lDlg;
            ShowRowReadout(gtElem.lDlg);
            OpenContextMenu();
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        gtElem.lCtl = gtElem.lDlg;
        if (ghWndMain) {
            SendMessageA(ghWndMain, WM_COMMAND, MAKEWPARAM(IDM_PROPERTIES, 0), 0);
        }
        return 0;
    default:
        bHandled = false;
        return 0;
    }
}

LRESULT CALLBACK GripperProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const int32_t lCode =
        static_cast<int32_t>(reinterpret_cast<intptr_t>(GetPropA(hWnd, "GripElem")));
    if (CommonDragMessage(hWnd, uMsg, lParam)) {
        return 0;
    }
    switch (uMsg) {
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(hWnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r,
                 reinterpret_cast<HBRUSH>(gtOptions.hGripperBrush1));
        return 1;
    }
    case WM_SETCURSOR:
        return TRUE;
    case WM_MOUSEMOVE: {
        LPCSTR szCursor = IDC_SIZENWSE;
        if (lCode == wkGripLeft || lCode == wkGripRight) {
            szCursor = IDC_SIZEWE;
        } else if (lCode == wkGripTop || lCode == wkGripBottom) {
            szCursor = IDC_SIZENS;
        } else if (lCode == wkGripTopRight || lCode == wkGripBottomLeft) {
            szCursor = IDC_SIZENESW;
        }
        SetCursor(LoadCursor(nullptr, szCursor));
        return 0;
    }
    case WM_LBUTTONDOWN: {
        const int32_t lElem = WindowElem(hWnd);
        gtElem.lCtl = lElem;
        gtDesign.lSizeCode = lCode;
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        MapWindowPoints(hWnd, gtDesign.hOverlay, &p, 1);
        BeginDrag(hWnd, wkDragSizing, {PixelsToDlgX(p.x), PixelsToDlgY(p.y)}, nullptr);
        gtDesign.tStartRect = RowRect(lElem);
        gtDesign.tCurRect = gtDesign.tStartRect;
        ShowRectReadout(gtDesign.tStartRect);
        return 0;
    }
    case WM_KV_CANCELSIZE:
        if (gtDesign.lDrag == wkDragSizing) {
            StopDrag(false);
        }
        return 0;
    case WM_DESTROY:
        RemovePropA(hWnd, "CtlElem");
        RemovePropA(hWnd, "GripElem");
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
