#include "model/fixed_text.h"
#include "model/table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct tRow {
    uint8_t byDeleted;
    int32_t lValue;
    IDNameText szName;
};

} // namespace

TEST(Table, OutOfRangeReadsAreZeroAndWritesVanish) {
    Table<tRow> at;
    EXPECT_EQ(at[0].lValue, 0);
    EXPECT_EQ(at[1].szName, "");
    at.W(0).lValue = 5;
    at.W(1).szName = "%X";
    EXPECT_EQ(at.W(0).lValue, 0); // the scratch row is fresh on every call
    EXPECT_EQ(at.Count(), 0);
    EXPECT_EQ(at.Ptr(0), nullptr);

    tRow t{};
    t.lValue = 7;
    EXPECT_EQ(at.Add(t), 1);
    EXPECT_EQ(at.Add(), 2);
    EXPECT_EQ(at[1].lValue, 7);
    EXPECT_EQ(at[2].lValue, 0);
    EXPECT_EQ(at[3].lValue, 0);
    EXPECT_EQ(at[-1].lValue, 0);
    at.W(3).lValue = 9;
    EXPECT_EQ(at.Count(), 2);
    EXPECT_EQ(at[0].lValue, 0);
}

TEST(Table, AddingACopyOfItsOwnRowIsSafe) {
    Table<tRow> at;
    tRow t{};
    t.lValue = 42;
    at.Add(t);
    for (int i = 0; i < 100; ++i) {
        at.Add(at[1]);
    }
    EXPECT_EQ(at[101].lValue, 42);
}

TEST(Table, TombstonesKeepPlacesAndTheTailIsTrimmed) {
    Table<tRow> at;
    for (int i = 1; i <= 4; ++i) {
        tRow t{};
        t.lValue = i;
        at.Add(t);
    }
    EXPECT_EQ(at.Delete(2), 1);
    EXPECT_EQ(at.Count(), 4);
    EXPECT_FALSE(at.Live(2));
    EXPECT_EQ(at[3].lValue, 3);

    at.MarkDeleted(3);
    EXPECT_EQ(at.Count(), 4); // marking alone does not trim
    EXPECT_EQ(at.Delete(4), 1);
    EXPECT_EQ(at.Count(), 1); // 4, then the tombstones 3 and 2 go
    EXPECT_EQ(at[1].lValue, 1);

    EXPECT_EQ(at.Delete(1), 1);
    EXPECT_EQ(at.Count(), 0);
    EXPECT_TRUE(at.Empty());
    EXPECT_TRUE(at.begin() == at.end());
    EXPECT_EQ(at.Delete(1), 0);
    EXPECT_EQ(at.Delete(0), 0);
}

TEST(Table, BigTablesKeepEveryRowAsTheyGrowAndShrink) {
    // Past a few megabytes the rows move to blocks of another kind: nothing
    // may be lost or left over on the way.
    Table<tRow> at;
    const int32_t lRows = 300000; // about 12 MB of rows
    for (int32_t l = 1; l <= lRows; ++l) {
        tRow t{};
        t.lValue = l;
        at.Add(t);
    }
    at.Resize(lRows + 70000); // new rows are zero, the old ones stay
    int32_t lWrong = 0;
    for (int32_t l = 1; l <= at.Count(); ++l) {
        lWrong += at[l].lValue != (l <= lRows ? l : 0) || !at[l].szName.empty();
    }
    EXPECT_EQ(lWrong, 0);
    at.Resize(5);
    at.Add(tRow{0, 6, {}});
    EXPECT_EQ(at.Count(), 6);
    EXPECT_EQ(at[5].lValue, 5);
    EXPECT_EQ(at[6].lValue, 6);
    at.Release();
    EXPECT_EQ(at.Add(tRow{0, 1, {}}), 1);
}

TEST(FixedText, CutsToCapacityAndComparesExactly) {
    IDNameText s{};
    s = std::string(40, 'A');
    EXPECT_EQ(s.size(), 32u);
    s = "%IDC_X";
    EXPECT_EQ(s, "%IDC_X");
    EXPECT_FALSE(s == "%idc_x");
    EXPECT_EQ(s.sz[6], 0); // the rest of the field is cleared
    EXPECT_EQ(s.sz[31], 0);
    EXPECT_EQ(std::string("%IDC_X"), s.str());
}
