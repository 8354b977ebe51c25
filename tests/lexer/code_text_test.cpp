// Text storage, editing, offsets, words and the procedure search of the editor.
#include "codeview/lexer/code_text.h"

#include <gtest/gtest.h>

namespace {

tCodeText Text(std::string_view s) {
    tCodeText t;
    SetCodeText(t, s);
    return t;
}

std::string All(const tCodeText& t) {
    return GetTextRange(t, {0, 0}, TextEnd(t));
}

TEST(CodeText, LineEndsAndRoundTrip) {
    const tCodeText t = Text("a\r\nbb\ncc\rd");
    ASSERT_EQ(LineCount(t), 4);
    EXPECT_EQ(t.asLine[1], "bb");
    EXPECT_EQ(t.asLine[3], "d");
    EXPECT_EQ(All(t), "a\r\nbb\r\ncc\r\nd");
    // A final line end leaves an empty last line, so the text comes back whole.
    EXPECT_EQ(All(Text("x\r\n")), "x\r\n");
    EXPECT_EQ(LineCount(Text("")), 1);
    EXPECT_EQ(LineCount(Text("\r\n\r\n")), 3);
    EXPECT_EQ(LineCount(Text("\n\r")), 3); // LF then a lone CR: two line ends
}

TEST(CodeText, ReplaceRange) {
    tCodeText t = Text("one\r\ntwo\r\nthree");
    EXPECT_EQ(ReplaceRange(t, {0, 1}, {2, 2}, "X"), (tTextPos{0, 2}));
    EXPECT_EQ(All(t), "oXree");
    EXPECT_EQ(ReplaceRange(t, {0, 2}, {0, 2}, "1\r\n2\n3"), (tTextPos{2, 1}));
    EXPECT_EQ(All(t), "oX1\r\n2\r\n3ree");
    // Reversed and out-of-range positions are put in order and clamped.
    EXPECT_EQ(ReplaceRange(t, {99, 99}, {1, 0}, ""), (tTextPos{1, 0}));
    EXPECT_EQ(All(t), "oX1\r\n");
}

TEST(CodeText, OffsetsCountLineEndsAsTwo) {
    const tCodeText t = Text("ab\r\ncd");
    EXPECT_EQ(OffsetFromPos(t, {1, 1}), 5);
    EXPECT_EQ(PosFromOffset(t, 5), (tTextPos{1, 1}));
    EXPECT_EQ(PosFromOffset(t, 2), (tTextPos{0, 2}));
    EXPECT_EQ(PosFromOffset(t, 3), (tTextPos{0, 2})); // between CR and LF
    EXPECT_EQ(PosFromOffset(t, 4), (tTextPos{1, 0}));
    EXPECT_EQ(PosFromOffset(t, -1), (tTextPos{1, 2}));
    EXPECT_EQ(PosFromOffset(t, 1000), (tTextPos{1, 2}));
}

TEST(CodeText, WordsAndWordMoves) {
    EXPECT_EQ(WordAt("x = lCount% + 1", 6).lStart, 4);
    EXPECT_EQ(WordAt("x = lCount% + 1", 6).lEnd, 11);
    EXPECT_EQ(WordAt("abc", 3).lStart, 0); // just after a word still takes it
    EXPECT_EQ(WordAt("a + b", 2).lEnd, 3); // an operator alone
    EXPECT_EQ(WordAt("", 5).lEnd, 0);
    const tCodeText t = Text("Dim x As Long\r\nNext");
    EXPECT_EQ(WordRight(t, {0, 0}), (tTextPos{0, 4}));
    EXPECT_EQ(WordRight(t, {0, 13}), (tTextPos{1, 0}));
    EXPECT_EQ(WordLeft(t, {0, 6}), (tTextPos{0, 4}));
    EXPECT_EQ(WordLeft(t, {1, 0}), (tTextPos{0, 13}));
    EXPECT_EQ(WordLeft(t, {0, 0}), (tTextPos{0, 0}));
}

TEST(CodeText, ProcedureSearch) {
    const tCodeText t = Text("#Wrenkit Begin\r\n"           // 0
                             "Function Main() As Long\r\n"  // 1
                             "  Function = 5\r\n"           // 2
                             "  x = 1\r\n"                  // 3
                             "End Function\r\n"             // 4
                             "' between\r\n"                // 5
                             "  callback function Cb()\r\n" // 6
                             "End Function\r\n"             // 7
                             "Sub Tail\r\n"                 // 8
                             "  y = 2\r\n");                // 9: no END SUB follows
    auto Range = [&](int l) {
        auto o = FindProcedure(t, l);
        return o ? std::to_string(o->lFirst) + "-" + std::to_string(o->lLast) : "none";
    };
    // Below "Function = 5" the search passes that line and finds the real start.
    EXPECT_EQ(Range(3), "1-4");
    EXPECT_EQ(Range(2), "1-4");
    EXPECT_EQ(Range(1), "1-4");
    EXPECT_EQ(Range(4), "1-4");  // the END line itself belongs to its procedure
    EXPECT_EQ(Range(5), "none"); // an END above ends the search
    EXPECT_EQ(Range(0), "none");
    EXPECT_EQ(Range(7), "6-7");
    EXPECT_EQ(Range(9), "none"); // a start without an end is no procedure
    EXPECT_EQ(Range(-1), "none");
    EXPECT_EQ(Range(99), "none");
}

TEST(CodeText, UndoTogglesAndMergesTyping) {
    tCodeText t = Text("ab");
    tUndoStep tUndo;
    tTextPos p = EditRange(t, tUndo, {0, 1}, {0, 1}, "x", true);
    p = EditRange(t, tUndo, p, p, "y", true);
    EXPECT_EQ(All(t), "axyb");
    ASSERT_TRUE(UndoStep(t, tUndo));
    EXPECT_EQ(All(t), "ab"); // both typed characters at once
    ASSERT_TRUE(UndoStep(t, tUndo));
    EXPECT_EQ(All(t), "axyb"); // undo of the undo
    EditRange(t, tUndo, {0, 0}, {0, 4}, "1\r\n2", false);
    ASSERT_TRUE(UndoStep(t, tUndo));
    EXPECT_EQ(All(t), "axyb");
    tUndoStep tEmpty;
    EXPECT_FALSE(UndoStep(t, tEmpty));
}

} // namespace
