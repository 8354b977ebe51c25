#include "model/design_geometry.h"

#include "model/options.h"
#include "model/project.h"

#include <algorithm>
#include <limits>

namespace {

int32_t Clamp32(int64_t l) {
    return static_cast<int32_t>(std::clamp<int64_t>(l, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int64_t Unit(int32_t l) {
    return l > 0 ? l : 1;
}

} // namespace

int32_t RoundHalfEven(int64_t lNum, int64_t lDen) {
    int64_t q = lNum / lDen;
    int64_t r = lNum % lDen;
    if (r < 0) { // floor division, so the remainder is never negative
        --q;
        r += lDen;
    }
    if (2 * r > lDen || (2 * r == lDen && (q & 1) != 0)) {
        ++q;
    }
    return Clamp32(q);
}

int32_t DlgToPixelsX(int32_t lX) {
    return RoundHalfEven(int64_t{lX} * Unit(gtMisc.cxChar), 4);
}
int32_t DlgToPixelsY(int32_t lY) {
    return RoundHalfEven(int64_t{lY} * Unit(gtMisc.cyChar), 8);
}
int32_t PixelsToDlgX(int32_t lX) {
    return RoundHalfEven(int64_t{lX} * 4, Unit(gtMisc.cxChar));
}
int32_t PixelsToDlgY(int32_t lY) {
    return RoundHalfEven(int64_t{lY} * 8, Unit(gtMisc.cyChar));
}

tDlgRect DlgToPixels(const tDlgRect& t) {
    return {DlgToPixelsX(t.nLeft), DlgToPixelsY(t.nTop), DlgToPixelsX(t.nRight),
            DlgToPixelsY(t.nBottom)};
}
tDlgRect PixelsToDlg(const tDlgRect& t) {
    return {PixelsToDlgX(t.nLeft), PixelsToDlgY(t.nTop), PixelsToDlgX(t.nRight),
            PixelsToDlgY(t.nBottom)};
}

int32_t SnapCoord(int32_t l, int32_t lGrid) {
    return lGrid > 0 ? l - l % lGrid : l;
}

void SnapOffset(const tDlgRect& t, int32_t& lDX, int32_t& lDY) {
    lDX = 0;
    lDY = 0;
    if (gtOptions.lSnapToGrid) {
        lDX = SnapCoord(t.nLeft, gtOptions.lGridX) - t.nLeft;
        lDY = SnapCoord(t.nTop, gtOptions.lGridY) - t.nTop;
    }
}

tDlgRect MovedRect(const tDlgRect& t, int32_t lDX, int32_t lDY, bool bSnap) {
    tDlgRect r{Clamp32(int64_t{t.nLeft} + lDX), Clamp32(int64_t{t.nTop} + lDY),
               Clamp32(int64_t{t.nRight} + lDX), Clamp32(int64_t{t.nBottom} + lDY)};
    if (bSnap) {
        int32_t lSX = 0, lSY = 0;
        SnapOffset(r, lSX, lSY);
        r = MovedRect(r, lSX, lSY, false);
    }
    return r;
}

tDlgRect SizedRect(const tDlgRect& t, int32_t lCode, int32_t lX, int32_t lY) {
    if (gtOptions.lSnapToGrid) {
        lX = SnapCoord(lX, gtOptions.lGridX);
        lY = SnapCoord(lY, gtOptions.lGridY);
    }
    tDlgRect r = t;
    switch (lCode) {
    case wkGripLeft:
        r.nLeft = lX;
        break;
    case wkGripRight:
        r.nRight = lX;
        break;
    case wkGripTop:
        r.nTop = lY;
        break;
    case wkGripBottom:
        r.nBottom = lY;
        break;
    case wkGripTopLeft:
        r.nTop = lY;
        r.nLeft = lX;
        break;
    case wkGripTopRight:
        r.nTop = lY;
        r.nRight = lX;
        break;
    case wkGripBottomLeft:
        r.nBottom = lY;
        r.nLeft = lX;
        break;
    case wkGripBottomRight:
        r.nBottom = lY;
        r.nRight = lX;
        break;
    default:
        break;
    }
    r.nRight = Clamp32(std::max<int64_t>(r.nRight, int64_t{r.nLeft} + 1));
    r.nBottom = Clamp32(std::max<int64_t>(r.nBottom, int64_t{r.nTop} + 1));
    return r;
}

tDlgRect NudgedRect(const tDlgRect& t, int32_t lDX, int32_t lDY, bool bSize, bool& bBeep) {
    tDlgRect r = t;
    if (bSize) {
        r.nRight = Clamp32(std::max<int64_t>(int64_t{r.nRight} + lDX, int64_t{r.nLeft} + 1));
        r.nBottom = Clamp32(std::max<int64_t>(int64_t{r.nBottom} + lDY, int64_t{r.nTop} + 1));
        return r;
    }
    if (lDX < 0 && int64_t{t.nLeft} + lDX < 0) {
        bBeep = true;
        lDX = 0;
    }
    if (lDY < 0 && int64_t{t.nTop} + lDY < 0) {
        bBeep = true;
        lDY = 0;
    }
    return MovedRect(r, lDX, lDY, false);
}

tDlgRect RectBetween(int32_t lX1, int32_t lY1, int32_t lX2, int32_t lY2) {
    return {std::min(lX1, lX2), std::min(lY1, lY2), std::max(lX1, lX2), std::max(lY1, lY2)};
}

bool RectsIntersect(const tDlgRect& a, const tDlgRect& b) {
    return std::max(a.nLeft, b.nLeft) < std::min(a.nRight, b.nRight) &&
           std::max(a.nTop, b.nTop) < std::min(a.nBottom, b.nBottom);
}
