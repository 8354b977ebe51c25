// Units of form files: twips (1440 to the inch) to screen pixels and dialog
// units, and the frame Windows draws around a form's client area.
#include "readers/vbform_parts.h"
#include "readers/vbform_reader.h"

#include "model/fonts.h"
#include "model/project.h"
#include "model/user_seam.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr uint32_t kWsBorder = 0x800000;
constexpr uint32_t kWsDlgFrame = 0x400000;
constexpr uint32_t kWsCaption = 0xC00000;
constexpr uint32_t kWsThickFrame = 0x40000;
constexpr uint32_t kDsModalFrame = 0x80;
constexpr uint32_t kWsExDlgModalFrame = 0x1;
constexpr uint32_t kWsExToolWindow = 0x80;
constexpr int kSmCyMenu = 15; // GetSystemMetrics index of the menu bar height

// Nearest integer, halves to even, held within the 32-bit range (a damaged
// form may hold any number).
int32_t RoundToLong(double f) {
    if (!std::isfinite(f)) {
        return 0;
    }
    f = std::nearbyint(f);
    if (f >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    if (f <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(f);
}

double PixelsPerInch() {
    return glPixelsPerInch > 0 ? glPixelsPerInch : 96;
}

// The dialog base unit of the direction; the start-up values when none is set.
double BaseUnit(bool bVertical) {
    int32_t l = bVertical ? gtMisc.cyChar : gtMisc.cxChar;
    if (l <= 0) {
        l = bVertical ? 13 : 6;
    }
    return l;
}

int32_t Metric(WkMetric lIndex) {
    int32_t l = Seam().SystemMetric(lIndex);
    return l > 0 ? l : 0;
}

} // namespace

int32_t TwipsToPixels(double fTwips) {
    return RoundToLong(fTwips * PixelsPerInch() / kTwipsPerInch);
}

int32_t TwipsToDialogUnits(double fTwips, bool bVertical) {
    double fPixels = fTwips * PixelsPerInch() / kTwipsPerInch;
    return RoundToLong((bVertical ? 8.0 : 4.0) * fPixels / BaseUnit(bVertical));
}

int32_t PixelsToDialogUnits(double fPixels, bool bVertical) {
    return RoundToLong((bVertical ? 8.0 : 4.0) * fPixels / BaseUnit(bVertical));
}

tFrameSize FormFrameSize(const tDlg& tRow) {
    const uint32_t lStyle = static_cast<uint32_t>(tRow.lStyle);
    const uint32_t lExStyle = static_cast<uint32_t>(tRow.lExStyle);
    tFrameSize t{};
    // Windows draws one frame: the sizing frame wins over the dialog frame,
    // which wins over the thin border.
    if (lStyle & kWsThickFrame) {
        t.cxFrame = Metric(wkSmCxFrame);
        t.cyFrame = Metric(wkSmCyFrame);
    } else if ((lStyle & (kWsDlgFrame | kDsModalFrame)) || (lExStyle & kWsExDlgModalFrame)) {
        t.cxFrame = Metric(wkSmCxDlgFrame);
        t.cyFrame = Metric(wkSmCyDlgFrame);
    } else if (lStyle & kWsBorder) {
        t.cxFrame = Metric(wkSmCxBorder);
        t.cyFrame = Metric(wkSmCyBorder);
    }
    if ((lStyle & kWsCaption) == kWsCaption) {
        t.cyCaption = Metric((lExStyle & kWsExToolWindow) ? wkSmCySmCaption : wkSmCyCaption);
    }
    return t;
}

int32_t MenuBarHeight() {
    // The seam has no name for this metric yet; ask by its Windows index and
    // take the classic height when the seam does not know it.
    int32_t l = Seam().SystemMetric(static_cast<WkMetric>(kSmCyMenu));
    return l > 0 ? l : 19;
}
