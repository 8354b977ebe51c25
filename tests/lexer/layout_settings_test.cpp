// Columns, tabs and selection segments; reading the IDE's editor settings.
#include "codeview/lexer/edit_messages.h"
#include "codeview/lexer/ide_settings.h"
#include "codeview/lexer/line_layout.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(LineLayout, TabsAndHitTesting) {
    const std::string s = "a\tbc";
    EXPECT_EQ(ColumnOfPos(s, 1, 4), 1);
    EXPECT_EQ(ColumnOfPos(s, 2, 4), 4);
    EXPECT_EQ(LineColumns(s, 4), 6);
    EXPECT_EQ(PosOfColumn(s, 0, 4), 0);
    EXPECT_EQ(PosOfColumn(s, 2, 4), 1); // left half of the tab: before it
    EXPECT_EQ(PosOfColumn(s, 3, 4), 2); // right half: after it
    EXPECT_EQ(PosOfColumn(s, 99, 4), 4);
    EXPECT_EQ(PosAtOrBeforeColumn(s, 3, 4), 1);
    EXPECT_EQ(PosAtOrBeforeColumn(s, 5, 4), 3);
    EXPECT_EQ(ColumnOfPos(s, 99, 0), 4); // a tab size of 0 is taken as 1
}

TEST(LineLayout, SegmentsSplitAtSelection) {
    const std::string s = "ab\tcd";
    const std::vector<tRun> atRun = {{0, 2, wkRunKeyword}, {2, 3, wkRunText}};
    auto Layout = [&](int lFrom, int lTo) {
        std::vector<tSegment> atSeg;
        LayoutLine(s, atRun, 4, lFrom, lTo, atSeg);
        std::string sOut; // [text] at column, kind letter, * when marked
        for (const tSegment& t : atSeg) {
            sOut += "[" + t.sText + "]" + std::to_string(t.lColumn) + "TKCSAM"[t.lKind] +
                    (t.bMarked ? "* " : " ");
        }
        return sOut;
    };
    EXPECT_EQ(Layout(1, 3), "[a]0K [b]1K* [  ]2T* [cd]4T "); // the tab expanded to column 4
    EXPECT_EQ(Layout(0, 0), "[ab]0K [  cd]2T ");
}

tIdeEditorSettings Read(const std::map<std::string, std::string>& mValues) {
    return ReadIdeEditorSettings(
        [&](const char* szSection, const char* szKey) -> std::optional<std::string> {
            auto it = mValues.find(std::string(szSection) + "." + szKey);
            if (it == mValues.end()) {
                return std::nullopt;
            }
            return it->second;
        });
}

TEST(IdeSettings, DefaultsWhenKeysAreMissingAndColourSyntaxOffIgnoresColours) {
    const tIdeEditorSettings t = Read({});
    EXPECT_EQ(t.sFontName, "Courier New");
    EXPECT_EQ(t.lFontSize, 10);
    EXPECT_EQ(t.lKeywordCase, 0);
    EXPECT_FALSE(t.olColorSyntax);
    EXPECT_TRUE(t.atColour.empty());
    const tIdeEditorSettings tOff =
        Read({{"Editor.ColorSyntax", "0"}, {"Color.BasFore", "FF0000"}});
    EXPECT_EQ(tOff.olColorSyntax, 0);
    EXPECT_TRUE(tOff.atColour.empty());
}

TEST(IdeSettings, ValuesAsTheIdeWritesThem) {
    const tIdeEditorSettings t = Read({{"Editor.FontName", "Lucida Console"},
                                       {"Editor.FontSize", "12"},
                                       {"Editor.KeyWordCase", "2"},
                                       {"Editor.ColorSyntax", "1"},
                                       {"Color.AsmFore", "FF"},
                                       {"Color.MarkBack", "c0c0c0"},
                                       {"Color.StrFore", ""},
                                       {"Color.TextBack", "xyz"}});
    EXPECT_EQ(t.sFontName, "Lucida Console");
    EXPECT_EQ(t.lFontSize, 12);
    EXPECT_EQ(t.lKeywordCase, 0); // only 1 means upper case
    EXPECT_EQ(t.olColorSyntax, 1);
    // The empty StrFore is not sent; "FF" is red in COLORREF order.
    const std::vector<std::pair<unsigned, uint32_t>> atExpect = {
        {wkEmSetAsmFore, 0xFF}, {wkEmSetTextBack, 0}, {wkEmSetMarkBack, 0xC0C0C0}};
    ASSERT_EQ(t.atColour.size(), atExpect.size());
    for (size_t i = 0; i < atExpect.size(); ++i) {
        EXPECT_EQ(t.atColour[i].lMessage, atExpect[i].first) << i;
        EXPECT_EQ(t.atColour[i].lValue, atExpect[i].second) << i;
    }
    EXPECT_EQ(Read({{"Editor.KeyWordCase", "1"}}).lKeywordCase, 1);
}

TEST(IdeSettings, OddValuesStaySafe) {
    const tIdeEditorSettings t = Read({{"Editor.FontName", std::string(40, 'F')},
                                       {"Editor.FontSize", "-3"},
                                       {"Color.BasFore", "123456789ABC"}});
    EXPECT_EQ(t.sFontName.size(), 31u);
    EXPECT_EQ(t.lFontSize, 10);
    ASSERT_EQ(t.atColour.size(), 1u);
    EXPECT_EQ(t.atColour[0].lValue, 0x3456789Au); // ten characters read, low 32 bits kept
    EXPECT_EQ(HexValue(" 0a1B"), 0xA1Bu);
    EXPECT_EQ(DecimalValue("99999999999"), 0x7FFFFFFF);
    EXPECT_EQ(DecimalValue("12px"), 12);
}

} // namespace
