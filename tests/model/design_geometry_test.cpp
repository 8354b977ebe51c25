// The arithmetic of the design surface: conversions with halves to even,
// snapping, and the rectangles drags and arrow keys make.
#include "model/design_geometry.h"
#include "model/options.h"
#include "model/project.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class DesignGeometry : public ::testing::Test {
  protected:
    void SetUp() override {
        tWasMisc = gtMisc;
        gtMisc = {6, 13};
        ResetOptions();
    }
    void TearDown() override {
        gtMisc = tWasMisc;
        ResetOptions();
    }
    tMisc tWasMisc{};
};

bool Same(const tDlgRect& a, const tDlgRect& b) {
    return a.nLeft == b.nLeft && a.nTop == b.nTop && a.nRight == b.nRight && a.nBottom == b.nBottom;
}

TEST_F(DesignGeometry, ConversionsRoundHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(5, 2), 2);   // 2.5
    EXPECT_EQ(RoundHalfEven(7, 2), 4);   // 3.5
    EXPECT_EQ(RoundHalfEven(-5, 2), -2); // -2.5
    EXPECT_EQ(RoundHalfEven(-7, 2), -4);
    EXPECT_EQ(RoundHalfEven(-1, 4), 0);
    EXPECT_EQ(RoundHalfEven(int64_t{INT_MAX} * 8, 1), INT_MAX);
    // 100 x 50 dialog units with base units 6 and 13: 150 x 81.25 pixels.
    EXPECT_TRUE(Same(DlgToPixels({0, 0, 100, 50}), {0, 0, 150, 81}));
    EXPECT_EQ(DlgToPixelsX(1), 2); // 1.5
    EXPECT_EQ(DlgToPixelsX(3), 4); // 4.5
    EXPECT_EQ(DlgToPixelsY(4), 6); // 6.5
    EXPECT_EQ(PixelsToDlgX(9), 6); // 6
    EXPECT_EQ(PixelsToDlgY(13), 8);
    // Every dialog unit survives the way to pixels and back.
    for (int32_t l = -300; l <= 300; ++l) {
        EXPECT_EQ(PixelsToDlgX(DlgToPixelsX(l)), l);
        EXPECT_EQ(PixelsToDlgY(DlgToPixelsY(l)), l);
    }
    gtMisc = {0, 0}; // unmeasured: no division by zero
    EXPECT_EQ(PixelsToDlgX(3), 12);
}

TEST_F(DesignGeometry, SnappingMovesTheCornerOnlyAfterAMove) {
    gtOptions.lGridX = 5;
    gtOptions.lGridY = 5;
    EXPECT_EQ(SnapCoord(17, 5), 15);
    EXPECT_EQ(SnapCoord(-7, 5), -5);
    EXPECT_EQ(SnapCoord(7, 0), 7);
    // 13 dragged 4 to the right lands on 15; the size stays.
    EXPECT_TRUE(Same(MovedRect({13, 10, 53, 24}, 4, 0, true), {15, 10, 55, 24}));
    EXPECT_TRUE(Same(MovedRect({13, 12, 53, 24}, 0, 0, false), {13, 12, 53, 24}));
    gtOptions.lSnapToGrid = 0;
    EXPECT_TRUE(Same(MovedRect({13, 10, 53, 24}, 4, 0, true), {17, 10, 57, 24}));
}

TEST_F(DesignGeometry, GrippersSizeTheirEdgesAndNeverBelowOneUnit) {
    gtOptions.lGridX = 4;
    gtOptions.lGridY = 8;
    const tDlgRect t{10, 5, 30, 12};
    struct {
        int32_t lCode, x, y;
        tDlgRect tWant;
    } const at[] = {
        {wkGripBottom, 99, 21, {10, 5, 30, 16}},   {wkGripRight, 41, 0, {10, 5, 40, 12}},
        {wkGripLeft, 2, 99, {0, 5, 30, 12}},       {wkGripTopLeft, 5, 1, {4, 0, 30, 12}},
        {wkGripBottomRight, 0, 0, {10, 5, 11, 6}}, // crossed over: one unit
        {wkGripTop, 0, 40, {10, 40, 30, 41}},
    };
    for (const auto& c : at) {
        EXPECT_TRUE(Same(SizedRect(t, c.lCode, c.x, c.y), c.tWant)) << c.lCode;
    }
}

TEST_F(DesignGeometry, ArrowKeysStopAtTheEdgesAndKeepOneUnit) {
    bool bBeep = false;
    EXPECT_TRUE(Same(NudgedRect({0, 3, 10, 8}, -1, 0, false, bBeep), {0, 3, 10, 8}));
    EXPECT_TRUE(bBeep);
    bBeep = false;
    EXPECT_TRUE(Same(NudgedRect({4, 0, 10, 8}, 0, 1, false, bBeep), {4, 1, 10, 9}));
    EXPECT_FALSE(bBeep);
    EXPECT_TRUE(Same(NudgedRect({4, 0, 5, 8}, -1, 0, true, bBeep), {4, 0, 5, 8}));
    EXPECT_TRUE(Same(NudgedRect({INT_MAX - 1, 0, INT_MAX, 1}, 1, 0, false, bBeep),
                     {INT_MAX, 0, INT_MAX, 1}));
    EXPECT_TRUE(RectsIntersect({0, 0, 10, 10}, {9, 9, 20, 20}));
    EXPECT_FALSE(RectsIntersect({0, 0, 10, 10}, {10, 0, 20, 10}));
    EXPECT_TRUE(Same(RectBetween(8, 2, 3, 9), {3, 2, 8, 9}));
}

} // namespace
