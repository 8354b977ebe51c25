// The alignment commands on model rectangles; the first rectangle leads.
#include "model/align.h"

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& o, const tDlgRect& t) {
    return o << "{" << t.nLeft << ", " << t.nTop << ", " << t.nRight << ", " << t.nBottom << "}";
}

namespace {

using Rects = std::vector<tDlgRect>;

// A leader and two members of other sizes; the second member lies left of
// and above the leader.
const Rects kGroup = {{20, 30, 60, 44}, {70, 50, 80, 60}, {2, 4, 32, 24}};

TEST(Align, EveryCommandOnAGroup) {
    struct Case {
        int32_t lCmd;
        Rects atWant;
    };
    const Case aCase[] = {
        {wkAlignLefts, {{20, 30, 60, 44}, {20, 50, 30, 60}, {20, 4, 50, 24}}},
        {wkAlignRights, {{20, 30, 60, 44}, {50, 50, 60, 60}, {30, 4, 60, 24}}},
        {wkAlignTops, {{20, 30, 60, 44}, {70, 30, 80, 40}, {2, 30, 32, 50}}},
        {wkAlignBottoms, {{20, 30, 60, 44}, {70, 34, 80, 44}, {2, 24, 32, 44}}},
        {wkAlignCentresH, {{20, 30, 60, 44}, {35, 50, 45, 60}, {25, 4, 55, 24}}},
        {wkAlignCentresV, {{20, 30, 60, 44}, {70, 32, 80, 42}, {2, 27, 32, 47}}},
        {wkSameWidth, {{20, 30, 60, 44}, {70, 50, 110, 60}, {2, 4, 42, 24}}},
        {wkSameHeight, {{20, 30, 60, 44}, {70, 50, 80, 64}, {2, 4, 32, 18}}},
        {wkSameSize, {{20, 30, 60, 44}, {70, 50, 110, 64}, {2, 4, 42, 18}}},
        // Widths 30, 40, 10 in 2..80 are 2 units too wide: they overlap by one.
        {wkSpaceAcross, {{31, 30, 71, 44}, {70, 50, 80, 60}, {2, 4, 32, 24}}},
        // Heights 20, 14, 10 in 4..60: 12 free, 6 per gap, as they stand.
        {wkSpaceDown, {{20, 30, 60, 44}, {70, 50, 80, 60}, {2, 4, 32, 24}}},
        // The group spans 2..80 (78) in a dialog 100 wide: it starts at 11.
        {wkCentreInDialogH, {{29, 30, 69, 44}, {79, 50, 89, 60}, {11, 4, 41, 24}}},
        {wkCentreInDialogV, {{20, 34, 60, 48}, {70, 54, 80, 64}, {2, 8, 32, 28}}},
    };
    for (const Case& t : aCase) {
        EXPECT_EQ(AlignedRects(kGroup, t.lCmd, 100, 72), t.atWant) << "command " << t.lCmd;
    }
}

TEST(Align, NothingGoesNegativeAndTooFewChangeNothing) {
    // Right edges on a leader narrower than a member, near the left edge.
    const Rects atNarrow = {{0, 0, 5, 5}, {10, 10, 40, 20}};
    EXPECT_EQ(AlignedRects(atNarrow, wkAlignRights, 100, 100)[1], (tDlgRect{0, 10, 30, 20}));
    EXPECT_EQ(AlignedRects(atNarrow, wkAlignCentresV, 100, 100)[1], (tDlgRect{10, 0, 40, 10}));
    // A group larger than the dialog starts at its edge.
    EXPECT_EQ(AlignedRects(atNarrow, wkCentreInDialogH, 20, 20)[0], (tDlgRect{0, 0, 5, 5}));
    // Overlapping members spaced evenly keep to the run's start.
    const Rects atPile = {{0, 0, 100, 5}, {0, 10, 10, 15}, {5, 20, 15, 25}};
    for (const tDlgRect& t : AlignedRects(atPile, wkSpaceAcross, 200, 200)) {
        EXPECT_GE(t.nLeft, 0);
    }
    EXPECT_EQ(AlignedRects({kGroup[0], kGroup[1]}, wkSpaceAcross, 100, 100),
              (Rects{kGroup[0], kGroup[1]}));
    EXPECT_EQ(AlignedRects({kGroup[1]}, wkAlignLefts, 100, 100), (Rects{kGroup[1]}));
    EXPECT_EQ(AlignedRects({kGroup[1]}, wkCentreInDialogH, 100, 100)[0],
              (tDlgRect{45, 50, 55, 60}));
}

} // namespace
