// The marks of a selection: the eight grippers of the focus control, windows
// the user drags to size it, and the eight markers around every member of a
// group. Markers are drawn, not made as windows: Select All on a dialog of
// hundreds of controls would otherwise make, place and show thousands of
// windows. They lie above every control, so each window of the surface that
// paints draws again the markers over it, and a marker that goes away has the
// area under it painted again.
#include "app/main_window.h"
#include "designer/design_state.h"
#include "model/options.h"
#include "model/project.h"
#include "styles/control_kinds.h"
#include "win/win_handles.h"
#include "win/win_units.h"

#include <algorithm>

namespace {

// The rectangle grippers and markers mark, in overlay pixels: the window's,
// but a combo box's model rectangle, which holds its drop-down list.
RECT MarkRect(int32_t lElem) {
    HWND hWnd = RowWindow(lElem);
    if (gatDlg[lElem].lCtlType == wkCtlComboBox || !hWnd) {
        return ControlPixelRect(lElem);
    }
    return WindowRectIn(hWnd, gtDesign.hOverlay);
}

// The eight marks around r, codes 10..17 in order, each SM_CXFRAME + 2 by
// SM_CYFRAME + 2 pixels.
void MarkSquares(const RECT& r, RECT at[8]) {
    const int32_t gw = GetSystemMetrics(SM_CXFRAME);
    const int32_t gh = GetSystemMetrics(SM_CYFRAME);
    const int32_t lMidY = (r.top + r.bottom) / 2 - gh / 2 - 1;
    const int32_t lMidX = (r.left + r.right) / 2 - gw / 2 - 1;
    const int32_t lRight = r.right - gw - 2;
    const int32_t lBottom = r.bottom - gh - 2;
    const POINT aTopLeft[8] = {{r.left, lMidY},   {lRight, lMidY},  {lMidX, r.top},
                               {r.left, r.top},   {lRight, r.top},  {lMidX, lBottom},
                               {r.left, lBottom}, {lRight, lBottom}};
    for (int i = 0; i < 8; ++i) {
        at[i] = {aTopLeft[i].x, aTopLeft[i].y, aTopLeft[i].x + gw + 2, aTopLeft[i].y + gh + 2};
    }
}

// Where the eight marks of r reach, all together.
RECT MarksBounds(const RECT& r) {
    RECT at[8];
    MarkSquares(r, at);
    RECT u = at[0];
    for (const RECT& t : at) {
        UnionRect(&u, &u, &t);
    }
    return u;
}

HWND CreateGripper(int32_t lCode) {
    HWND h = CreateWindowExA(0, "KvGripper", "",
                             WS_CHILD | WS_BORDER | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                             GetSystemMetrics(SM_CXFRAME) + 2, GetSystemMetrics(SM_CYFRAME) + 2,
                             gtDesign.hOverlay, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (h) {
        SetPropA(h, "CtlElem", nullptr);
        SetPropA(h, "GripElem", reinterpret_cast<HANDLE>(static_cast<intptr_t>(lCode)));
    }
    return h;
}

// Draws the markers that meet tClip (overlay pixels) with a device context of
// the overlay: a one-pixel frame in the window-frame colour, as a bordered
// window has, filled with the leader's or the members' colour.
void DrawMarkers(HDC hDC, const RECT& tClip) {
    HBRUSH hFrame = GetSysColorBrush(COLOR_WINDOWFRAME);
    for (size_t i = 0; i < gtDesign.atGroup.size(); ++i) {
        const tMarkers& t = gtDesign.atGroup[i];
        RECT tMeet{};
        if (IsRectEmpty(&t.tBounds) || !IntersectRect(&tMeet, &t.tBounds, &tClip)) {
            continue;
        }
        HBRUSH hFill =
            reinterpret_cast<HBRUSH>(i == 0 ? gtOptions.hGripperBrush1 : gtOptions.hGripperBrush2);
        RECT at[8];
        MarkSquares(t.tAt, at);
        for (RECT& r : at) {
            if (!IntersectRect(&tMeet, &r, &tClip)) {
                continue;
            }
            FrameRect(hDC, &r, hFrame);
            InflateRect(&r, -1, -1);
            FillRect(hDC, &r, hFill);
        }
    }
}

// Draws the markers that meet tClip now, over the controls as well.
void DrawMarkersNow(const RECT& tClip) {
    if (gtDesign.atGroup.empty() || !gtDesign.hOverlay || !IsWindowVisible(gtDesign.hOverlay)) {
        return;
    }
    // Without the children clipped away: markers lie on top of the controls.
    const tWindowDC tDC(gtDesign.hOverlay, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!tDC.Get()) {
        return;
    }
    IntersectClipRect(tDC.Get(), tClip.left, tClip.top, tClip.right, tClip.bottom);
    DrawMarkers(tDC.Get(), tClip);
}

// The area of markers that go away is painted again by whatever lies under them.
void UncoverMarks(const RECT& tAt) {
    if (IsRectEmpty(&tAt) || !gtDesign.hOverlay) {
        return;
    }
    RECT at[8];
    MarkSquares(tAt, at);
    for (const RECT& r : at) {
        BatchUncover(r);
    }
    if (!gtDesign.lInBatch) {
        RepaintArea(at, 8);
    }
}

// A member's markers go around where its control now is.
void SetMarks(tMarkers& t) {
    t.tAt = MarkRect(t.lElem);
    t.tBounds = MarksBounds(t.tAt);
}

} // namespace

void CreateFocusGrippers(HWND hOverlay) {
    gtDesign.hOverlay = hOverlay;
    for (int i = 0; i < 8; ++i) {
        gtDesign.ahGrip[i] = CreateGripper(wkGripLeft + i);
    }
    gtDesign.lGripShown = 0;
}

void ShowFocusGrippers(HWND hCtl) {
    const int32_t lElem = WindowElem(hCtl);
    if (!hCtl || !lElem) {
        return;
    }
    RECT at[8];
    MarkSquares(MarkRect(lElem), at);
    HDWP hPos = BeginDeferWindowPos(8);
    for (int i = 0; i < 8; ++i) {
        HWND h = gtDesign.ahGrip[i];
        if (!h) {
            continue;
        }
        SetPropA(h, "CtlElem", reinterpret_cast<HANDLE>(static_cast<intptr_t>(lElem)));
        if (hPos) {
            hPos =
                DeferWindowPos(hPos, h, HWND_TOP, at[i].left, at[i].top, at[i].right - at[i].left,
                               at[i].bottom - at[i].top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        }
    }
    if (hPos) {
        EndDeferWindowPos(hPos);
    }
    gtDesign.lGripShown = 1;
    UpdateCommands();
}

void HideFocusGrippers() {
    for (HWND h : gtDesign.ahGrip) {
        if (h && IsWindowVisible(h)) {
            BatchUncover(WindowRectIn(h, gtDesign.hOverlay));
            ShowWindow(h, SW_HIDE);
        }
    }
    gtDesign.lGripShown = 0;
    UpdateCommands();
}

void AddToGroup(int32_t lElem) {
    tMarkers t{};
    t.lElem = lElem;
    gtDesign.atGroup.push_back(t);
    // Inside a batch (a band, Select All) the markers are placed all at once afterwards.
    if (!gtDesign.lMarkerBatch) {
        PlaceMarkers(gtDesign.atGroup.back());
    }
    ClearReadout();
}

void PlaceMarkers(tMarkers& t) {
    UncoverMarks(t.tAt);
    SetMarks(t);
    if (!gtDesign.lInBatch) {
        DrawMarkersNow(t.tBounds);
    }
}

void PlaceGroupMarkers(bool bAll) {
    RECT tDraw{};
    for (tMarkers& t : gtDesign.atGroup) {
        const RECT r = MarkRect(t.lElem);
        if (bAll || !EqualRect(&r, &t.tAt) || IsRectEmpty(&t.tAt)) {
            UncoverMarks(t.tAt);
            SetMarks(t);
            UnionRect(&tDraw, &tDraw, &t.tBounds);
        }
    }
    if (!gtDesign.lInBatch && !IsRectEmpty(&tDraw)) {
        DrawMarkersNow(tDraw);
    }
}

void ClearGroup() {
    if (gtDesign.atGroup.empty()) {
        return;
    }
    OverlayBatch tBatch;
    for (const tMarkers& t : gtDesign.atGroup) {
        UncoverMarks(t.tAt);
    }
    gtDesign.atGroup.clear();
}

int32_t GroupCount() {
    return static_cast<int32_t>(gtDesign.atGroup.size());
}

int32_t GroupMember(int32_t lIndex) {
    return lIndex >= 1 && lIndex <= GroupCount() ? gtDesign.atGroup[lIndex - 1].lElem : 0;
}

void DrawGroupMarkers() {
    RECT r{};
    if (gtDesign.hOverlay && GetClientRect(gtDesign.hOverlay, &r)) {
        DrawMarkersNow(r);
    }
}

void RepaintMarkersOver(HWND hWnd) {
    if (gtDesign.atGroup.empty() || gtDesign.lInBatch || !gtDesign.hOverlay) {
        return;
    }
    DrawMarkersNow(WindowRectIn(hWnd, gtDesign.hOverlay));
}

void PaintMarkers(HDC hDC, const RECT& tPaint) {
    if (!gtDesign.lInBatch) {
        DrawMarkers(hDC, tPaint);
    }
}

bool MarkerAt(POINT p) {
    for (const tMarkers& t : gtDesign.atGroup) {
        if (!PtInRect(&t.tBounds, p)) {
            continue;
        }
        RECT at[8];
        MarkSquares(t.tAt, at);
        if (std::any_of(at, at + 8, [&](const RECT& r) { return PtInRect(&r, p) != FALSE; })) {
            return true;
        }
    }
    return false;
}
