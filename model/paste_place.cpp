#include "model/paste_place.h"

#include "model/options.h"
#include "model/project.h"

#include <algorithm>
#include <limits>

namespace {

int32_t Clamp32(int64_t l) {
    return static_cast<int32_t>(std::clamp<int64_t>(l, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

tDlgRect RectOf(const tDlg& t) {
    return {t.nLeft, t.nTop, t.nRight, t.nBottom};
}

} // namespace

int32_t LastLiveControl(int32_t lResDlg) {
    if (lResDlg <= 0) {
        return 0;
    }
    for (int32_t l = glDlgCnt; l >= 1; --l) {
        const tDlg& t = gatDlg[l];
        if (!t.byDeleted && t.lResElem == lResDlg) {
            return t.lCtlType != 0 ? l : 0;
        }
    }
    return 0;
}

tDlgRect ClipUnion(const std::vector<tClipCtl>& atCtl) {
    if (atCtl.empty()) {
        return {};
    }
    tDlgRect u = RectOf(atCtl.front().tRow);
    for (const tClipCtl& c : atCtl) {
        u.nLeft = std::min(u.nLeft, c.tRow.nLeft);
        u.nTop = std::min(u.nTop, c.tRow.nTop);
        u.nRight = std::max(u.nRight, c.tRow.nRight);
        u.nBottom = std::max(u.nBottom, c.tRow.nBottom);
    }
    return u;
}

void PasteOffset(const std::vector<tClipCtl>& atCtl, int32_t lResDlg, int32_t lPasteLoc,
                 int64_t& lDX, int64_t& lDY) {
    lDX = 0;
    lDY = 0;
    if (atCtl.empty()) {
        return;
    }
    const tDlgRect u = ClipUnion(atCtl);
    const tDlg& tFirst = atCtl.front().tRow;
    if (lPasteLoc == 1) {
        lDY = static_cast<int64_t>(u.nBottom) - u.nTop;
        return;
    }
    const int32_t lLast = LastLiveControl(lResDlg);
    if (!lLast) {
        lDX = static_cast<int64_t>(gtOptions.lGridX) - tFirst.nLeft;
        lDY = static_cast<int64_t>(gtOptions.lGridY) - tFirst.nTop;
        return;
    }
    const tDlg& tLast = gatDlg[lLast];
    lDX = atCtl.size() == 1 ? static_cast<int64_t>(tLast.nLeft) - tFirst.nLeft
                            : static_cast<int64_t>(u.nLeft) - tFirst.nLeft;
    lDY = static_cast<int64_t>(tLast.nBottom) - tFirst.nTop;
}

tDlgRect ShiftedRect(const tDlgRect& t, int64_t lDX, int64_t lDY) {
    return {Clamp32(t.nLeft + lDX), Clamp32(t.nTop + lDY), Clamp32(t.nRight + lDX),
            Clamp32(t.nBottom + lDY)};
}

tDlgRect DefaultControlRect(int32_t lResDlg, int32_t lWidth, int32_t lHeight) {
    int64_t lLeft = gtOptions.lGridX;
    int64_t lTop = gtOptions.lGridY;
    if (const int32_t lLast = LastLiveControl(lResDlg)) {
        lLeft = gatDlg[lLast].nLeft;
        lTop = gatDlg[lLast].nBottom;
        const int64_t lGrid = gtOptions.lGridY;
        if (gtOptions.lSnapToGrid && lGrid > 0 && lTop % lGrid != 0) {
            // Up to the next grid line; negative tops round towards zero.
            lTop += lTop > 0 ? lGrid - lTop % lGrid : -(lTop % lGrid);
        }
    }
    return ShiftedRect({0, 0, lWidth, lHeight}, lLeft, lTop);
}

bool RectInsideClient(const tDlgRect& t, int32_t lWidth, int32_t lHeight) {
    return RectsIntersect(t, {0, 0, lWidth, lHeight}) && t.nRight <= lWidth && t.nBottom <= lHeight;
}
