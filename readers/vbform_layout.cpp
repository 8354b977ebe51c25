// Where a form and its controls land: the form's client size with the frame
// Windows draws around it, each control relative to the container it sits in,
// lines in their container's scale, and the controls in their tab order.
#include "readers/vbform_reader.h"
#include "readers/vbform_state.h"

#include "model/fonts.h"
#include "model/project.h"
#include "styles/control_kinds.h"

#include <algorithm>
#include <limits>

namespace {

// A tab container parks the controls of its hidden pages this many twips to
// the left; the designer shows them at their place on their page.
constexpr double kHiddenPageShift = 75000;
constexpr double kParkedLeft = -60000;

int32_t Clamp(int64_t n) {
    return static_cast<int32_t>(std::clamp<int64_t>(n, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// Twips per unit of a scale, and its origin, for one direction.
struct tAxis {
    double fTwipsPerUnit;
    double fOrigin;
};

tAxis ScaleAxis(const tVBScale& tScale, double fInnerTwips, bool bVertical) {
    const double fPpi = glPixelsPerInch > 0 ? glPixelsPerInch : 96;
    tAxis t{1, bVertical ? tScale.fTop : tScale.fLeft};
    // A mode outside the known ones measures in twips.
    const int32_t lMode =
        tScale.fMode >= 0 && tScale.fMode < 8 ? static_cast<int32_t>(tScale.fMode) : 1;
    switch (lMode) {
    case 0: { // user scale: the inner size holds ScaleWidth by ScaleHeight units
        double fUnits = bVertical ? tScale.fHeight : tScale.fWidth;
        if (fUnits != 0 && fInnerTwips > 0) {
            t.fTwipsPerUnit = fInnerTwips / fUnits;
        }
        break;
    }
    case 2:
        t.fTwipsPerUnit = 20;
        break;
    case 3:
        t.fTwipsPerUnit = 1440 / fPpi;
        break;
    case 4:
        t.fTwipsPerUnit = bVertical ? 240 : 120;
        break;
    case 5:
        t.fTwipsPerUnit = 1440;
        break;
    case 6:
        t.fTwipsPerUnit = 1440 / 25.4;
        break;
    case 7:
        t.fTwipsPerUnit = 1440 / 2.54;
        break;
    default:
        break;
    }
    return t;
}

// The inner size of an object in twips: the form's client area, or a
// picture box without its border (two pixels a side when it has one).
double InnerTwips(const tVBForm& tForm, const tVBObject& tObj, bool bVertical) {
    if (tObj.lParent < 0) {
        return tForm.afClient[bVertical ? 3 : 2];
    }
    const double fPpi = glPixelsPerInch > 0 ? glPixelsPerInch : 96;
    double f = tObj.afPos[bVertical ? kVBHeight : kVBWidth];
    return tObj.lBorderStyle != 0 ? f - 4 * 1440 / fPpi : f;
}

// The nearest object, from lObj outwards, that states a scale; the form when none does.
const tVBObject& ScaleOwner(const tVBForm& tForm, int32_t lObj) {
    while (lObj > 0 && !tForm.atObj[static_cast<std::size_t>(lObj)].tScale.bSet) {
        lObj = tForm.atObj[static_cast<std::size_t>(lObj)].lParent;
    }
    return tForm.atObj[static_cast<std::size_t>(std::max(lObj, 0))];
}

void PlaceLine(const tVBForm& tForm, const tVBObject& tObj, tDlg& tRow, int64_t nLeft,
               int64_t nTop) {
    const tVBObject& tOwner = ScaleOwner(tForm, tObj.lParent);
    const tAxis tX = ScaleAxis(tOwner.tScale, InnerTwips(tForm, tOwner, false), false);
    const tAxis tY = ScaleAxis(tOwner.tScale, InnerTwips(tForm, tOwner, true), true);
    int64_t nX1 =
        nLeft + TwipsToDialogUnits((tObj.afLine[kVBX1] - tX.fOrigin) * tX.fTwipsPerUnit, false);
    int64_t nX2 =
        nLeft + TwipsToDialogUnits((tObj.afLine[kVBX2] - tX.fOrigin) * tX.fTwipsPerUnit, false);
    int64_t nY1 =
        nTop + TwipsToDialogUnits((tObj.afLine[kVBY1] - tY.fOrigin) * tY.fTwipsPerUnit, true);
    int64_t nY2 =
        nTop + TwipsToDialogUnits((tObj.afLine[kVBY2] - tY.fOrigin) * tY.fTwipsPerUnit, true);
    // A line drawn from right to left still covers the same rectangle.
    tRow.nLeft = Clamp(std::min(nX1, nX2));
    tRow.nRight = Clamp(std::max(nX1, nX2));
    tRow.nTop = Clamp(std::min(nY1, nY2));
    tRow.nBottom = Clamp(std::max(nY1, nY2));
}

void PlaceControl(tVBForm& tForm, int32_t lObj) {
    tVBObject& tObj = tForm.atObj[static_cast<std::size_t>(lObj)];
    tDlg* pRow = gatDlg.Ptr(tObj.lRow);
    if (!pRow) {
        return;
    }
    // Positions are kept relative to the container the control sits in;
    // containers come before their contents, so theirs is known by now.
    int64_t nLeft = 0;
    int64_t nTop = 0;
    if (tObj.lParent > 0) {
        const tVBObject& tParent = tForm.atObj[static_cast<std::size_t>(tObj.lParent)];
        nLeft = tParent.nOriginLeft;
        nTop = tParent.nOriginTop;
    }
    if (tObj.lKind == wkCtlLine && tObj.bLine) {
        PlaceLine(tForm, tObj, *pRow, nLeft, nTop);
    } else {
        double fLeft = tObj.afPos[kVBLeft];
        if (fLeft <= kParkedLeft) {
            fLeft += kHiddenPageShift;
        }
        const tCtlDefault& tDef = gatCtlDefault[tObj.lKind];
        int64_t nL = nLeft + TwipsToDialogUnits(fLeft, false);
        int64_t nT = nTop + TwipsToDialogUnits(tObj.afPos[kVBTop], true);
        int64_t nW =
            tObj.abPos[kVBWidth] ? TwipsToDialogUnits(tObj.afPos[kVBWidth], false) : tDef.lWidth;
        int64_t nH =
            tObj.abPos[kVBHeight] ? TwipsToDialogUnits(tObj.afPos[kVBHeight], true) : tDef.lHeight;
        pRow->nLeft = Clamp(nL);
        pRow->nTop = Clamp(nT);
        pRow->nRight = Clamp(nL + nW);
        pRow->nBottom = Clamp(nT + nH);
    }
    tObj.nOriginLeft = pRow->nLeft;
    tObj.nOriginTop = pRow->nTop;
}

void PlaceForm(tVBForm& tForm) {
    tDlg* pRow = gatDlg.Ptr(tForm.atObj[0].lRow);
    if (!pRow) {
        return;
    }
    const tFrameSize t = FormFrameSize(*pRow);
    const int64_t nPxLeft = int64_t{TwipsToPixels(tForm.afClient[0])} - t.cxFrame;
    const int64_t nPxTop = int64_t{TwipsToPixels(tForm.afClient[1])} - t.cyFrame - t.cyCaption;
    int64_t nLeft = PixelsToDialogUnits(static_cast<double>(nPxLeft), false);
    int64_t nTop = PixelsToDialogUnits(static_cast<double>(nPxTop), true);
    int64_t nWidth = gatCtlDefault[wkCtlDialog].lWidth;
    int64_t nHeight = gatCtlDefault[wkCtlDialog].lHeight;
    if (tForm.abClient[2]) {
        double fPx = static_cast<double>(TwipsToPixels(tForm.afClient[2])) + 2.0 * t.cxFrame;
        nWidth = PixelsToDialogUnits(fPx, false);
    }
    if (tForm.abClient[3]) {
        double fPx =
            static_cast<double>(TwipsToPixels(tForm.afClient[3])) + 2.0 * t.cyFrame + t.cyCaption;
        nHeight = PixelsToDialogUnits(fPx, true);
    }
    if (tForm.bMenuBar) {
        nHeight += PixelsToDialogUnits(MenuBarHeight(), true);
    }
    pRow->nLeft = Clamp(nLeft);
    pRow->nTop = Clamp(nTop);
    pRow->nRight = Clamp(nLeft + nWidth);
    pRow->nBottom = Clamp(nTop + nHeight);
}

// The controls were added in the order the form lists them; the dialog keeps
// them in creation and tab order, so they are put in TabIndex order (controls
// without one, which never take the focus, first) and numbered 1..n.
void OrderControls(tVBForm& tForm) {
    const int32_t lFirst = tForm.atObj[0].lRow + 1;
    const int32_t lCount = static_cast<int32_t>(tForm.atObj.size()) - 1;
    if (lCount <= 0) {
        return;
    }
    struct tEntry {
        double fKey;
        tDlg tRow;
    };
    std::vector<tEntry> atEntry;
    for (int32_t i = 1; i <= lCount; ++i) {
        const tVBObject& tObj = tForm.atObj[static_cast<std::size_t>(i)];
        // Rows of this form are appended one after another; anything else
        // means the table changed under the reader, and the rows stay put.
        if (tObj.lRow != lFirst + i - 1 || !gatDlg.Live(tObj.lRow)) {
            return;
        }
        atEntry.push_back({tObj.bTabIndex ? tObj.fTabIndex : -1.0, gatDlg[tObj.lRow]});
    }
    std::stable_sort(atEntry.begin(), atEntry.end(),
                     [](const tEntry& a, const tEntry& b) { return a.fKey < b.fKey; });
    for (int32_t i = 0; i < lCount; ++i) {
        tDlg& tRow = gatDlg.W(lFirst + i);
        tRow = atEntry[static_cast<std::size_t>(i)].tRow;
        tRow.lCtlOrder = i + 1;
    }
    gtElem.lCtl = lFirst + lCount - 1;
}

} // namespace

void FinishVBForm(tVBForm& tForm) {
    if (tForm.atObj.empty()) {
        return;
    }
    PlaceForm(tForm);
    for (int32_t i = 1; i < static_cast<int32_t>(tForm.atObj.size()); ++i) {
        PlaceControl(tForm, i);
    }
    OrderControls(tForm);
}
