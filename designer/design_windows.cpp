// The surface's small helpers: the window of a row and the row of a window,
// the conversions between the model's rectangles and window positions, the
// real fonts of the font table, and the status-bar read-outs.
#include "app/main_bars.h"
#include "app/main_window.h"
#include "designer/design_state.h"
#include "model/fonts.h"
#include "model/project.h"
#include "win/win_handles.h"

#include <algorithm>
#include <vector>

tDesign gtDesign{};

namespace {

// Window positions beyond this are not kept by every window system; a control
// placed further out is shown at the limit while the model keeps its place.
constexpr int32_t kMaxPixel = 30000;

int32_t ClampPixel(int32_t l) {
    return std::clamp(l, -kMaxPixel, kMaxPixel);
}

std::vector<HFONT> gahRealFont;

void DropRealFonts() {
    for (HFONT h : gahRealFont) {
        if (h) {
            DeleteObject(h);
        }
    }
    gahRealFont.clear();
}

} // namespace

HWND RowWindow(int32_t lElem) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(gatDlg[lElem].hWnd));
}

int32_t WindowElem(HWND hWnd) {
    if (!hWnd) {
        return 0;
    }
    const int32_t lElem = SubclassedElem(hWnd);
    return lElem >= 0 ? lElem
                      : static_cast<int32_t>(reinterpret_cast<intptr_t>(GetPropA(hWnd, "CtlElem")));
}

tDlgRect RowRect(int32_t lElem) {
    const tDlg& t = gatDlg[lElem];
    return {t.nLeft, t.nTop, t.nRight, t.nBottom};
}

RECT ToRECT(const tDlgRect& t) {
    return {t.nLeft, t.nTop, t.nRight, t.nBottom};
}

RECT ControlPixelRect(int32_t lElem) {
    const tDlgRect t = DlgToPixels(RowRect(lElem));
    return {ClampPixel(t.nLeft), ClampPixel(t.nTop), ClampPixel(t.nRight), ClampPixel(t.nBottom)};
}

RECT DialogClientScreenRect(const tDlgRect& t, bool bMenu) {
    const tDlgRect p = DlgToPixels(t);
    const int32_t lDX = GetSystemMetrics(SM_CXFIXEDFRAME);
    const int32_t lDY = GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) +
                        (bMenu ? GetSystemMetrics(SM_CYMENU) : 0);
    const int32_t lHeight = p.nBottom - p.nTop;
    RECT r{ClampPixel(p.nLeft + lDX), ClampPixel(p.nTop + lDY), 0, 0};
    r.right = r.left + std::clamp(p.nRight - p.nLeft, 0, kMaxPixel);
    r.bottom = r.top + std::clamp(lHeight, 0, kMaxPixel);
    return r;
}

RECT DialogWindowRect(const tDlgRect& t, bool bMenu) {
    RECT r = DialogClientScreenRect(t, bMenu);
    r.left -= GetSystemMetrics(SM_CXFRAME);
    r.top -= GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) +
             (bMenu ? GetSystemMetrics(SM_CYMENU) : 0);
    r.right += GetSystemMetrics(SM_CXFRAME);
    r.bottom += GetSystemMetrics(SM_CYFRAME);
    return r;
}

POINT OverlayPoint(HWND hFrom, LPARAM lParam) {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (hFrom != gtDesign.hOverlay) {
        MapWindowPoints(hFrom, gtDesign.hOverlay, &p, 1);
    }
    return {PixelsToDlgX(p.x), PixelsToDlgY(p.y)};
}

void PlaceControlWindow(int32_t lElem, UINT lFlags, HWND hAfter) {
    HWND hWnd = RowWindow(lElem);
    if (!hWnd) {
        return;
    }
    const RECT r = ControlPixelRect(lElem);
    SetWindowPos(hWnd, hAfter, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 lFlags | SWP_NOACTIVATE);
}

std::vector<int32_t> MoveRowWindows(const std::vector<int32_t>& alElem, bool bRaise) {
    OverlayBatch tBatch;
    std::vector<int32_t> alMoved;
    std::vector<bool> abSized;
    for (int32_t lElem : alElem) {
        HWND h = RowWindow(lElem);
        if (!h) {
            continue;
        }
        const RECT rNow = WindowRectIn(h, gtDesign.hOverlay);
        const RECT rWant = ControlPixelRect(lElem);
        if (!EqualRect(&rNow, &rWant)) {
            alMoved.push_back(lElem);
            abSized.push_back(rNow.right - rNow.left != rWant.right - rWant.left ||
                              rNow.bottom - rNow.top != rWant.bottom - rWant.top);
            BatchUncover(rNow);
            BatchUncover(rWant);
        }
    }
    const UINT lZ = bRaise ? 0 : SWP_NOZORDER;
    const OverlayFreeze tFreeze;
    HDWP hPos = BeginDeferWindowPos(static_cast<int>(alMoved.size()));
    for (int32_t lElem : alMoved) {
        const RECT r = ControlPixelRect(lElem);
        if (hPos) {
            hPos = DeferWindowPos(hPos, RowWindow(lElem), bRaise ? RaiseAfter(lElem) : nullptr,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top,
                                  lZ | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
        }
    }
    if (!hPos || !EndDeferWindowPos(hPos)) {
        for (int32_t lElem : alMoved) {
            PlaceControlWindow(lElem, lZ, bRaise ? RaiseAfter(lElem) : nullptr);
        }
    }
    for (std::size_t i = 0; i < alMoved.size(); ++i) {
        if (abSized[i]) {
            ReloadStretchedImage(alMoved[i]); // a stretched picture takes its new size
        }
    }
    return alMoved;
}

HFONT FontHandle(int32_t lElem) {
    if (lElem < 1 || lElem > ghFontCnt) {
        return nullptr;
    }
    if (gahRealFont.empty()) {
        AddChangeListener([](const tChange& t) {
            if (t.lTable == wkChgFont && t.lPhase == wkChgCleared) {
                DropRealFonts();
            }
        });
    }
    if (gahRealFont.size() <= static_cast<size_t>(lElem)) {
        gahRealFont.resize(static_cast<size_t>(lElem) + 1, nullptr);
    }
    HFONT& h = gahRealFont[static_cast<size_t>(lElem)];
    if (!h) {
        const tLogFont& t = gahFont[lElem];
        LOGFONTA tFont{};
        tFont.lfHeight = t.lHeight;
        tFont.lfWidth = t.lWidth;
        tFont.lfEscapement = t.lEscapement;
        tFont.lfOrientation = t.lOrientation;
        tFont.lfWeight = t.lWeight;
        tFont.lfItalic = t.byItalic;
        tFont.lfUnderline = t.byUnderline;
        tFont.lfStrikeOut = t.byStrikeOut;
        tFont.lfCharSet = t.byCharSet;
        tFont.lfOutPrecision = t.byOutPrecision;
        tFont.lfClipPrecision = t.byClipPrecision;
        tFont.lfQuality = t.byQuality;
        tFont.lfPitchAndFamily = t.byPitchAndFamily;
        const std::string sFace = t.szFaceName.str();
        sFace.copy(tFont.lfFaceName, LF_FACESIZE - 1);
        h = CreateFontIndirectA(&tFont);
    }
    return h;
}

void StatusText(const std::string& s) {
    SetStatusHelp(s);
}

void ShowRectReadout(const tDlgRect& t) {
    ShowPosSize(ToRECT(t));
}

void ShowRowReadout(int32_t lElem) {
    ShowRectReadout(RowRect(lElem));
}

void ClearReadout() {
    ClearPosSize();
}

void HoverReadout(int32_t lElem) {
    const tDlg& t = gatDlg[lElem];
    std::string s = "Class=" + t.szClass.str() + "   ID=";
    if (t.lIDElem) {
        s += gatID[t.lIDElem].szIDName.str() + "=" + std::to_string(gatID[t.lIDElem].lIDValue);
    } else {
        s += "-1";
    }
    s += "   Pos=" + std::to_string(t.nLeft) + ", " + std::to_string(t.nTop) +
         "   Size=" + std::to_string(int64_t{t.nRight} - t.nLeft) + " x " +
         std::to_string(int64_t{t.nBottom} - t.nTop);
    StatusText(s);
}

OverlayBatch::OverlayBatch()
    // A batch within a batch adds to the outer one.
    : hOverlay(!gtDesign.lInBatch && gtDesign.hOverlay ? gtDesign.hOverlay : nullptr) {
    if (hOverlay) {
        gtDesign.lInBatch = 1;
        gtDesign.atUncover.clear();
    }
}

OverlayBatch::~OverlayBatch() {
    if (!hOverlay) {
        return;
    }
    gtDesign.lInBatch = 0;
    if (!IsWindow(hOverlay)) {
        gtDesign.atUncover.clear();
        return;
    }
    // Everything bared is painted again in one request.
    RepaintArea(gtDesign.atUncover.data(), gtDesign.atUncover.size());
    gtDesign.atUncover.clear();
    // The group's markers, placed while nothing was drawn, show now.
    DrawGroupMarkers();
}

OverlayFreeze::OverlayFreeze()
    : hOverlay(gtDesign.lInBatch && gtDesign.hOverlay && IsWindowVisible(gtDesign.hOverlay)
                   ? gtDesign.hOverlay
                   : nullptr) {
    if (hOverlay) {
        // Turning drawing off drops what waits to be painted (the areas a
        // step just before left, when keys come faster than painting): it is
        // painted first.
        RedrawWindow(hOverlay, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        SendMessageA(hOverlay, WM_SETREDRAW, FALSE, 0);
    }
}

OverlayFreeze::~OverlayFreeze() {
    if (hOverlay && IsWindow(hOverlay)) {
        SendMessageA(hOverlay, WM_SETREDRAW, TRUE, 0);
    }
}

void RepaintArea(const RECT* at, size_t lCount) {
    if (!lCount || !gtDesign.hOverlay) {
        return;
    }
    const tGdiRegion tArea(CreateRectRgn(0, 0, 0, 0));
    for (size_t i = 0; i < lCount; ++i) {
        const tGdiRegion tOne(CreateRectRgnIndirect(&at[i]));
        CombineRgn(tArea.Get(), tArea.Get(), tOne.Get(), RGN_OR);
    }
    RedrawWindow(gtDesign.hOverlay, nullptr, tArea.Get(),
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void BatchUncover(const RECT& r) {
    if (gtDesign.lInBatch && !IsRectEmpty(&r)) {
        gtDesign.atUncover.push_back(r);
    }
}
