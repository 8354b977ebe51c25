#include "model/align.h"

#include <algorithm>
#include <numeric>

namespace {

int32_t Width(const tDlgRect& t) {
    return t.nRight - t.nLeft;
}

int32_t Height(const tDlgRect& t) {
    return t.nBottom - t.nTop;
}

// Moves a rectangle along one axis so that its start is lStart, never below 0.
void PlaceX(tDlgRect& t, int32_t lLeft) {
    const int32_t lW = Width(t);
    t.nLeft = std::max(lLeft, 0);
    t.nRight = t.nLeft + lW;
}

void PlaceY(tDlgRect& t, int32_t lTop) {
    const int32_t lH = Height(t);
    t.nTop = std::max(lTop, 0);
    t.nBottom = t.nTop + lH;
}

// A division that rounds towards minus infinity, so a centre half a unit off
// always lands on the same side.
int32_t FloorDiv(int64_t lNum, int64_t lDen) {
    int64_t l = lNum / lDen;
    if ((lNum % lDen != 0) && ((lNum < 0) != (lDen < 0))) {
        --l;
    }
    return static_cast<int32_t>(l);
}

// Equal gaps between the rectangles along one axis: sorted by their start,
// the first keeps its start and the run ends where the furthest end was.
void SpaceEvenly(std::vector<tDlgRect>& at, bool bAcross) {
    auto Start = [bAcross](const tDlgRect& t) { return bAcross ? t.nLeft : t.nTop; };
    auto End = [bAcross](const tDlgRect& t) { return bAcross ? t.nRight : t.nBottom; };
    std::vector<std::size_t> aOrder(at.size());
    std::iota(aOrder.begin(), aOrder.end(), 0);
    std::stable_sort(aOrder.begin(), aOrder.end(),
                     [&](std::size_t a, std::size_t b) { return Start(at[a]) < Start(at[b]); });
    int64_t lSpan = 0;
    int64_t lSizes = 0;
    for (const tDlgRect& t : at) {
        lSpan = std::max<int64_t>(lSpan, End(t));
        lSizes += End(t) - Start(t);
    }
    const int64_t lFirst = Start(at[aOrder.front()]);
    const int64_t lGaps = static_cast<int64_t>(at.size()) - 1;
    const int64_t lFree = lSpan - lFirst - lSizes;
    const int64_t lGap = FloorDiv(lFree, lGaps);
    int64_t lExtra = lFree - lGap * lGaps; // one more unit for the first gaps
    int64_t lAt = lFirst;
    for (std::size_t i : aOrder) {
        const int32_t lPos = static_cast<int32_t>(std::max<int64_t>(lAt, 0));
        const int64_t lSize = End(at[i]) - Start(at[i]);
        if (bAcross) {
            PlaceX(at[i], lPos);
        } else {
            PlaceY(at[i], lPos);
        }
        lAt += lSize + lGap + (lExtra > 0 ? 1 : 0);
        lExtra = lExtra > 0 ? lExtra - 1 : 0;
    }
}

// The group's bounding box moves to the middle of the client area.
void CentreInDialog(std::vector<tDlgRect>& at, bool bAcross, int32_t lClient) {
    int32_t lMin = bAcross ? at[0].nLeft : at[0].nTop;
    int32_t lMax = bAcross ? at[0].nRight : at[0].nBottom;
    for (const tDlgRect& t : at) {
        lMin = std::min(lMin, bAcross ? t.nLeft : t.nTop);
        lMax = std::max(lMax, bAcross ? t.nRight : t.nBottom);
    }
    // A group wider than the dialog starts at the edge.
    const int32_t lStart = std::max(FloorDiv(int64_t{lClient} - (lMax - lMin), 2), 0);
    for (tDlgRect& t : at) {
        if (bAcross) {
            PlaceX(t, t.nLeft - lMin + lStart);
        } else {
            PlaceY(t, t.nTop - lMin + lStart);
        }
    }
}

} // namespace

int32_t AlignMinimum(int32_t lCmd) {
    switch (lCmd) {
    case wkSpaceAcross:
    case wkSpaceDown:
        return 3;
    case wkCentreInDialogH:
    case wkCentreInDialogV:
        return 1;
    default:
        return 2;
    }
}

std::vector<tDlgRect> AlignedRects(const std::vector<tDlgRect>& atRect, int32_t lCmd,
                                   int32_t lClientW, int32_t lClientH) {
    std::vector<tDlgRect> at = atRect;
    if (lCmd < wkAlignLefts || lCmd > wkAlignLast ||
        static_cast<int32_t>(at.size()) < AlignMinimum(lCmd)) {
        return at;
    }
    const tDlgRect tLead = at[0];
    for (tDlgRect& t : at) {
        switch (lCmd) {
        case wkAlignLefts:
            PlaceX(t, tLead.nLeft);
            break;
        case wkAlignRights:
            PlaceX(t, tLead.nRight - Width(t));
            break;
        case wkAlignTops:
            PlaceY(t, tLead.nTop);
            break;
        case wkAlignBottoms:
            PlaceY(t, tLead.nBottom - Height(t));
            break;
        case wkAlignCentresH:
            PlaceX(t, FloorDiv(int64_t{tLead.nLeft} + tLead.nRight - Width(t), 2));
            break;
        case wkAlignCentresV:
            PlaceY(t, FloorDiv(int64_t{tLead.nTop} + tLead.nBottom - Height(t), 2));
            break;
        case wkSameWidth:
        case wkSameHeight:
        case wkSameSize:
            if (lCmd != wkSameHeight) {
                t.nRight = t.nLeft + Width(tLead);
            }
            if (lCmd != wkSameWidth) {
                t.nBottom = t.nTop + Height(tLead);
            }
            break;
        default:
            break;
        }
    }
    if (lCmd == wkSpaceAcross || lCmd == wkSpaceDown) {
        SpaceEvenly(at, lCmd == wkSpaceAcross);
    } else if (lCmd == wkCentreInDialogH || lCmd == wkCentreInDialogV) {
        CentreInDialog(at, lCmd == wkCentreInDialogH,
                       lCmd == wkCentreInDialogH ? lClientW : lClientH);
    }
    return at;
}
