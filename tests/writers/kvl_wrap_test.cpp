// Line wrapping: where lines break, how continuation lines are indented, and
// what happens inside string literals and to lines that cannot be broken.
#include "tests/writers/writer_fixture.h"

namespace {

class WrapTest : public WriterTest {};

TEST_F(WrapTest, BreaksOnlyLinesLongerThanTheWidth) {
    const std::string sExact = "    " + std::string(60, 'x') + " " + std::string(15, 'y'); // 80
    EXPECT_EQ(WrapLine(sExact, 80, 4), sExact);
    const std::string sOver = sExact + "z"; // 81: breaks at the blank, which stays
    EXPECT_EQ(WrapLine(sOver, 80, 4),
              "    " + std::string(60, 'x') + " _\r\n        " + std::string(15, 'y') + "z");
    // A blank right at the width + 1 makes a part of width + 2 characters.
    const std::string sBlankAfter = std::string(80, 'a') + " b";
    EXPECT_EQ(WrapLine(sBlankAfter, 80, 4), std::string(80, 'a') + " _\r\n    b");
}

TEST_F(WrapTest, FunctionHeadAndStringLiteral) {
    EXPECT_EQ(WrapKvlLine(tWriteLayout{},
                          "Function AssignAccel(tAccel As ACCELAPI, ByVal wKey As Word, ByVal "
                          "wCmd As Word, ByVal byFVirt As Byte) As Long"),
              Crlf("Function AssignAccel(tAccel As ACCELAPI, ByVal wKey As Word, ByVal wCmd As "
                   "Word, _\n    ByVal byFVirt As Byte) As Long"));
    EXPECT_EQ(WrapKvlLine(tWriteLayout{},
                          "    Control Add Button, hDlg, %IDC_BUTTON1, \"A very long caption that "
                          "goes on and on and on and on\", 10, 20, 50, 15"),
              Crlf("    Control Add Button, hDlg, %IDC_BUTTON1, \"A very long caption that goes "
                   "on \" + _\n        \"and on and on and on\", 10, 20, 50, 15"));
}

TEST_F(WrapTest, ContinuationLinesBreakAgainAtTheSameIndentation) {
    EXPECT_EQ(
        WrapKvlLine(tWriteLayout{},
                    "    Control Add \"SysListView32\", hDlg, %IDC_SYSLISTVIEW32_1, "
                    "\"SysListView32_1\", 5, 60, 100, 50, %WS_CHILD Or %WS_VISIBLE Or "
                    "%WS_BORDER Or %WS_TABSTOP Or %LVS_REPORT Or %LVS_SHOWSELALWAYS, "
                    "%WS_EX_LEFT Or %WS_EX_RIGHTSCROLLBAR"),
        Crlf("    Control Add \"SysListView32\", hDlg, %IDC_SYSLISTVIEW32_1, "
             "\"SysListView32_1\", _\n"
             "        5, 60, 100, 50, %WS_CHILD Or %WS_VISIBLE Or %WS_BORDER Or %WS_TABSTOP _\n"
             "        Or %LVS_REPORT Or %LVS_SHOWSELALWAYS, %WS_EX_LEFT Or _\n"
             "        %WS_EX_RIGHTSCROLLBAR"));
    // The line end counts towards a continuation line: one of exactly the
    // width is broken once more, one of the width - 1 is not.
    const std::string sHead = "a " + std::string(79, 'x') + " ";
    const std::string s80 = std::string(70, 'b') + " " + std::string(5, 'c'); // 4 + 76
    EXPECT_EQ(WrapLine(sHead + s80, 80, 4), "a _\r\n    " + std::string(79, 'x') + " _\r\n    " +
                                                std::string(70, 'b') + " _\r\n    ccccc");
    const std::string s79 = std::string(70, 'b') + " " + std::string(4, 'c');
    EXPECT_EQ(WrapLine(sHead + s79, 80, 4),
              "a _\r\n    " + std::string(79, 'x') + " _\r\n    " + s79);
}

TEST_F(WrapTest, LongStringsBreakRepeatedlyAndKeepQuotesBalanced) {
    std::string sCaption;
    for (int i = 0; i < 30; ++i) {
        sCaption += "word" + std::to_string(i) + " ";
    }
    std::string s = WrapLine("    X \"" + sCaption + "\", 1", 60, 4);
    size_t lLines = 1;
    size_t lStart = 0;
    for (size_t p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n", p + 2)) {
        std::string sPart = s.substr(lStart, p - lStart);
        EXPECT_LE(sPart.size(), 66u); // the blank at 61, then the closing quote and " + _"
        EXPECT_EQ(sPart.substr(sPart.size() - 5), "\" + _");
        EXPECT_EQ(std::count(sPart.begin(), sPart.end(), '"') % 2, 0) << sPart;
        lStart = p + 2;
        ++lLines;
        EXPECT_EQ(s.substr(lStart, 9), "        \"");
    }
    EXPECT_GT(lLines, 2u);
    for (size_t p = s.find("\" + _\r\n        \""); p != std::string::npos;
         p = s.find("\" + _\r\n        \"")) {
        s.erase(p, 16);
    }
    EXPECT_EQ(s, "    X \"" + sCaption + "\", 1"); // the caption comes back whole
}

TEST_F(WrapTest, LinesWithoutABlankToBreakAtStayIntact) {
    const std::string sWord = "    " + std::string(100, 'w');
    EXPECT_EQ(WrapLine(sWord, 80, 4), sWord);
    // Only the indentation and a blank far right: the break moves right.
    const std::string sLate = "    " + std::string(90, 'w') + " tail";
    EXPECT_EQ(WrapLine(sLate, 80, 4), "    " + std::string(90, 'w') + " _\r\n        tail");
    // A trailing blank is nothing to break at.
    const std::string sTrailing = "    " + std::string(90, 'w') + " ";
    EXPECT_EQ(WrapLine(sTrailing, 80, 4), sTrailing);
    // A continuation line that is one long word is left as it is.
    const std::string sTwo = "a " + std::string(100, 'q');
    EXPECT_EQ(WrapLine(sTwo, 80, 4), "a _\r\n    " + std::string(100, 'q'));
}

TEST_F(WrapTest, OtherTabSizesAndWidths) {
    // The layout is made from the options as the settings give them.
    tOptions tOpt = DefaultOptions();
    tOpt.lTabSizeKVL = 2;
    tOpt.lWrapPos = 60;
    EXPECT_EQ(
        WrapKvlLine(WriteLayoutFrom(tOpt),
                    "  Declare Function AttachACCELERATOR1(ByVal hDlg As Dword) As Dword, More"),
        Crlf("  Declare Function AttachACCELERATOR1(ByVal hDlg As Dword) _\n"
             "    As Dword, More"));
    tOpt.lWrapPos = 500; // acts as 240
    const tWriteLayout tWide = WriteLayoutFrom(tOpt);
    const std::string sLong = std::string(200, 'a') + " " + std::string(39, 'b'); // 240
    EXPECT_EQ(WrapKvlLine(tWide, sLong), sLong);
    EXPECT_EQ(WrapKvlLine(tWide, sLong + "c"),
              std::string(200, 'a') + " _\r\n  " + std::string(39, 'b') + "c");
    // Each option reaches its own field, a script tab size of 0 as the default.
    tOpt.lTabSizeRC = 0;
    tOpt.lHdrComment = 0;
    EXPECT_EQ(WriteLayoutFrom(tOpt), (tWriteLayout{2, 4, 240, false}));
}

} // namespace
