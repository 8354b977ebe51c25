#include "tests/readers/reader_fixture.h"

#include "edit/id_tokens.h"

#include <gtest/gtest.h>

using Tokens = ReaderTest;

namespace {

std::vector<std::string> AllTokens(std::string_view sText, int32_t* plLine = nullptr) {
    tSourceText t;
    t.sText = sText;
    std::vector<std::string> as;
    for (std::string s = NextToken(t); !s.empty(); s = NextToken(t)) {
        as.push_back(s);
    }
    if (plLine) {
        *plLine = t.lLine;
    }
    return as;
}

} // namespace

TEST_F(Tokens, ByteRulesOfTheTokenizer) {
    using V = std::vector<std::string>;
    // TAB joins, LF vanishes, blank ( ) , separate.
    EXPECT_EQ(AllTokens("Dialog\tNew a(b),c"), (V{"DialogNew", "a", "b", "c"}));
    // Quotes are copied, a blank inside a string still ends a token.
    EXPECT_EQ(AllTokens("x \"a b\""), (V{"x", "\"a", "b\""}));
    // A comment outside a string ends the line's tokens; inside a string it is text.
    int32_t lLine = 0;
    EXPECT_EQ(AllTokens("a' comment, b\r\n\"it's\" c", &lLine), (V{"a", "\"it's\"", "c"}));
    EXPECT_EQ(lLine, 2);
    // "_" continues only after a byte that cannot end a name.
    EXPECT_EQ(AllTokens("%IDC_A_1 x _\r\n y"), (V{"%IDC_A_1", "x", "y"}));
    EXPECT_EQ(AllTokens("a+_\r\nb c"), (V{"a+b", "c"})); // the next line goes on the token
    // Inside a string "_" is text, also when a blank inside the string ended a token.
    EXPECT_EQ(AllTokens("\"a _ b\" c"), (V{"\"a", "_", "b\"", "c"}));
    // A zero byte inside the text separates and the text goes on.
    EXPECT_EQ(AllTokens(std::string_view("a\0b", 3)), (V{"a", "b"}));
}

TEST_F(Tokens, LongTokensAreCutNeverOverrun) {
    std::string sLong(10000, 'x');
    std::vector<std::string> as = AllTokens(sLong + " y");
    ASSERT_EQ(as.size(), 2u);
    EXPECT_EQ(as[0].size(), kTokenMax);
    EXPECT_EQ(as[1], "y");
}

TEST_F(Tokens, ArgumentsKeepStringsParenthesesAndContinuations) {
    tSourceText t;
    const std::string sText = "  \"a, b\" , RGB(1, 2, 3),\"it's, here\" ' note, x\r\nnext";
    t.sText = sText;
    EXPECT_EQ(ReadArg(t), "\"a, b\"");
    EXPECT_EQ(ReadArg(t), "RGB(1, 2, 3)");
    EXPECT_EQ(ReadArg(t), "\"it's, here\"");
    EXPECT_EQ(t.At(t.lPos), '\r'); // the comment ends the argument, the CR stays
    const std::string sWrapped = "\"A long caption \" + _\r\n        \"goes on\", 10";
    t = tSourceText{};
    t.sText = sWrapped;
    EXPECT_EQ(CaptionFromArg(ReadArg(t), false), "A long caption goes on");
    EXPECT_EQ(t.lLine, 2);
    EXPECT_EQ(ReadArg(t), "10");
}

// An argument in one stretch of the text is a view of the text; one that a
// continuation or a zero byte splits is joined, with the blanks around the
// whole trimmed and those inside kept.
TEST_F(Tokens, ArgumentViewsPointIntoTheTextUnlessPiecesAreJoined) {
    using namespace std::string_literals;
    const std::string sText = " plain ,\tsplit _\r\n  on , ze\0ro \r\n"s;
    tSourceText t;
    t.sText = sText;
    auto Inside = [](std::string_view s, std::string_view sIn) {
        return s.data() >= sIn.data() && s.data() + s.size() <= sIn.data() + sIn.size();
    };
    std::string sJoined;
    std::string_view s = ReadArgView(t, sJoined);
    EXPECT_EQ(s, "plain");
    EXPECT_TRUE(Inside(s, sText));
    EXPECT_TRUE(sJoined.empty());
    s = ReadArgView(t, sJoined);
    EXPECT_EQ(s, "split   on");
    EXPECT_TRUE(Inside(s, sJoined));
    std::string sJoined2;
    EXPECT_EQ(ReadArgView(t, sJoined2), "zero");
    EXPECT_EQ(s, "split   on"); // a view of another buffer is untouched
    EXPECT_EQ(t.At(t.lPos), '\r');
    EXPECT_EQ(ReadArgView(t, sJoined2), "");
}

TEST_F(Tokens, NumbersAndIDs) {
    EXPECT_EQ(NumberArg("70"), 70);
    EXPECT_EQ(NumberArg("0"), 0);
    EXPECT_EQ(NumberArg("&H10"), 16);
    EXPECT_EQ(NumberArg("lWidth"), 10); // an expression the reader cannot evaluate
    EXPECT_EQ(NumberArg("-5"), -5);

    EXPECT_EQ(IDFromToken("-1", 6), 0);
    const int32_t lOk = IDFromToken("IDOK", 6); // "%" put in front, then predefined
    EXPECT_EQ(IDName(lOk), "%IDOK");
    EXPECT_EQ(gatID[lOk].lIDValue, 1);
    const int32_t lNum = IDFromToken("1234", 6); // a bare number gets a name of its own
    EXPECT_EQ(IDName(lNum), "%IDC_1234");
    EXPECT_EQ(gatID[lNum].lIDValue, 1234);
    EXPECT_EQ(IDFromToken("1234", 6), lNum);
    EXPECT_EQ(gatID[IDFromToken("%IDC_NEW", 6)].lIDValue, 1235);
    EXPECT_EQ(gatID[IDFromToken("%IDM_NEW", -1)].lIDValue, 101); // resource range
    EXPECT_EQ(IDFromToken("%IDC_BASE + 1", 6), 0);
}
