// Colouring: every line of tests/data/lexer/lines.txt is lexed in its mode and
// its runs must equal the lines.runs golden; then the keyword lookups.
#include "codeview/lexer/keywords.h"
#include "codeview/lexer/lexer.h"
#include "tests/support/golden.h"

#include <gtest/gtest.h>

namespace {

// The runs of a line as kind letter + [shown text]; they must cover the line
// without gaps.
std::string Runs(std::string_view sLine, const tLexOptions& tOptions) {
    std::vector<tRun> atRun;
    std::string sShown;
    LexLine(sLine, tOptions, atRun, sShown);
    EXPECT_EQ(sShown.size(), sLine.size());
    std::string sOut;
    int lAt = 0;
    for (const tRun& t : atRun) {
        EXPECT_EQ(t.lStart, lAt) << sLine;
        lAt = t.lStart + t.lLen;
        sOut += "TKCSAM"[t.lKind];
        sOut += "[" + sShown.substr(t.lStart, t.lLen) + "]";
    }
    EXPECT_EQ(lAt, static_cast<int>(sLine.size())) << sLine;
    return sOut;
}

TEST(Lexer, EveryLineGivesItsRuns) {
    std::ifstream tIn(GoldenPath("lexer/lines.txt"), std::ios::binary);
    ASSERT_TRUE(tIn);
    std::string sCase, sOut;
    while (std::getline(tIn, sCase)) {
        if (sCase.starts_with("--") || sCase.size() < 4) {
            continue;
        }
        const tLexOptions tOptions{sCase[0] - '0', sCase[2] == '+', sCase[1] - '0'};
        sOut += sCase + "\n=> " + Runs(std::string_view(sCase).substr(4), tOptions) + "\n";
    }
    EXPECT_TRUE(MatchesGolden("lexer/lines.runs", sOut));
}

TEST(Keywords, ListsAndLookup) {
    // "NEW" and "SET" are stored twice; the index holds each word once.
    EXPECT_EQ(BasicKeywordIndex().asWord.size(), gaszBasicKeywords.size() - 2);
    EXPECT_EQ(RcKeywordIndex().asWord.size(), gaszRcKeywords.size());
    for (const char* sz : gaszBasicKeywords) {
        EXPECT_TRUE(IsKeyword(wkModeBasic, sz)) << sz;
    }
    for (const char* sz : gaszRcKeywords) {
        EXPECT_TRUE(IsKeyword(wkModeRc, sz)) << sz;
    }
    EXPECT_TRUE(IsKeyword(wkModeBasic, "%err_subscriptpointeroutofrange"));
    EXPECT_TRUE(IsKeyword(wkModeBasic, "KvLibMain"));
    EXPECT_FALSE(IsKeyword(wkModeBasic, "REM"));
    EXPECT_FALSE(IsKeyword(wkModeBasic, "ASM"));
    EXPECT_FALSE(IsKeyword(wkModeBasic, "DIALOGEX"));
    EXPECT_TRUE(IsKeyword(wkModeRc, "dialogex"));
    EXPECT_FALSE(IsKeyword(wkModeRc, "DIM"));
    EXPECT_FALSE(IsKeyword(wkModePlain, "DIM"));
    EXPECT_FALSE(IsKeyword(wkModeBasic, ""));
    EXPECT_FALSE(IsKeyword(wkModeBasic, "\xff\xfe"));
}

} // namespace
