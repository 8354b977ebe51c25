#include "cli/unified_diff.h"

#include <gtest/gtest.h>

TEST(UnifiedDiff, EqualTextsGiveNothing) {
    EXPECT_EQ(UnifiedDiff("a\r\n", "a\r\n", "x", "y"), "");
}

TEST(UnifiedDiff, ShowsChangesWithContextAndLineNumbers) {
    const std::string sOld = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n";
    const std::string sNew = "1\r\n2\r\n3\r\n4\r\nFIVE\r\n6\r\n7\r\n8\r\n9\r\n10\r\n";
    EXPECT_EQ(UnifiedDiff(sOld, sNew, "a.bas", "a.bas (saved)"),
              "--- a.bas\n+++ a.bas (saved)\n"
              "@@ -2,8 +2,9 @@\n 2\n 3\n 4\n-5\n+FIVE\n 6\n 7\n 8\n 9\n+10\n");
}

TEST(UnifiedDiff, SeparateHunksAndAMissingFinalLineEnd) {
    std::string sOld, sNew;
    for (int i = 1; i <= 20; ++i) {
        sOld += std::to_string(i) + "\n";
        sNew += (i == 2 ? std::string("two") : std::to_string(i)) + "\n";
    }
    sNew.pop_back(); // the new text lacks its final line end
    const std::string sDiff = UnifiedDiff(sOld, sNew, "o", "n");
    EXPECT_NE(sDiff.find("@@ -1,5 +1,5 @@\n 1\n-2\n+two\n 3\n"), std::string::npos) << sDiff;
    EXPECT_NE(
        sDiff.find("@@ -17,4 +17,4 @@\n 17\n 18\n 19\n-20\n+20\n\\ No newline at end of file\n"),
        std::string::npos)
        << sDiff;
}

TEST(UnifiedDiff, InsertionIntoAnEmptyText) {
    EXPECT_EQ(UnifiedDiff("", "a\n", "o", "n"), "--- o\n+++ n\n@@ -0,0 +1,1 @@\n+a\n");
}
