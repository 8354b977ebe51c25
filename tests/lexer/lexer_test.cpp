// Colouring goldens: a source line and the runs the editor must draw, written
// as kind letter + [shown text]: T text, K keyword, C comment, S string,
// A assembler, M metastatement.
#include "codeview/lexer/keywords.h"
#include "codeview/lexer/lexer.h"

#include <gtest/gtest.h>

namespace {

std::string Runs(std::string_view sLine, int lMode, int lKeywordCase = 1, bool bColour = true) {
    std::vector<tRun> atRun;
    std::string sShown;
    LexLine(sLine, {lMode, bColour, lKeywordCase}, atRun, sShown);
    EXPECT_EQ(sShown.size(), sLine.size());
    std::string sOut;
    int lAt = 0;
    for (const tRun& t : atRun) {
        EXPECT_EQ(t.lStart, lAt) << "runs must cover the line without gaps";
        lAt = t.lStart + t.lLen;
        sOut += "TKCSAM"[t.lKind];
        sOut += "[" + sShown.substr(t.lStart, t.lLen) + "]";
    }
    EXPECT_EQ(lAt, static_cast<int>(sLine.size()));
    return sOut;
}

TEST(LexerBasic, KeywordsAndPlainText) {
    EXPECT_EQ(Runs("dim x as long", wkModeBasic), "K[DIM]T[ x ]K[AS]T[ ]K[LONG]");
    EXPECT_EQ(Runs("dim x as long", wkModeBasic, 0), "K[dim]T[ x ]K[as]T[ ]K[long]");
    // Words include $ % & # ? and digits, so these are whole keywords...
    EXPECT_EQ(Runs("a$ = chr$(13) + $CRLF", wkModeBasic), "T[a$ = ]K[CHR$]T[(13) + ]K[$CRLF]");
    EXPECT_EQ(Runs("print# 1, bits??? x", wkModeBasic), "K[PRINT#]T[ 1, ]K[BITS???]T[ x]");
    // ...and a word that only starts like a keyword is not one.
    EXPECT_EQ(Runs("Dimension = %IDC_OK", wkModeBasic), "T[Dimension = %IDC_OK]");
    EXPECT_EQ(Runs("", wkModeBasic), "");
}

TEST(LexerBasic, CommentsAndStrings) {
    // The apostrophe inside the string does not start the comment.
    EXPECT_EQ(Runs("MsgBox \"it's\" ' say it", wkModeBasic),
              "K[MSGBOX]T[ ]S[\"it's\"]T[ ]C[' say it]");
    EXPECT_EQ(Runs("x = 1 'note", wkModeBasic), "T[x = 1 ]C['note]");
    EXPECT_EQ(Runs("'whole line", wkModeBasic), "C['whole line]");
    // Without a closing quote the quote is plain and the rest is still lexed.
    EXPECT_EQ(Runs("s = \"open 'c", wkModeBasic), "T[s = \"]K[OPEN]T[ ]C['c]");
    EXPECT_EQ(Runs("a = \"\"\"\"", wkModeBasic), "T[a = ]S[\"\"\"\"]");
    EXPECT_EQ(Runs("rem hello", wkModeBasic), "C[rem hello]");
    EXPECT_EQ(Runs("x = 2: REM it \"s\"", wkModeBasic), "T[x = 2: ]C[REM it \"s\"]");
    EXPECT_EQ(Runs("REMARK = 1", wkModeBasic), "T[REMARK = 1]");
}

TEST(LexerBasic, InlineAssembler) {
    EXPECT_EQ(Runs("X = 1 !mov eax, 1", wkModeBasic), "T[X = 1 ]A[!mov eax, 1]");
    EXPECT_EQ(Runs("!push ebx ; keep it", wkModeBasic), "A[!push ebx ]C[; keep it]");
    EXPECT_EQ(Runs("\t!ret 'done", wkModeBasic), "T[\t]A[!ret ]C['done]");
    EXPECT_EQ(Runs("A!B", wkModeBasic), "T[A!B]");
    EXPECT_EQ(Runs("asm mov eax, ebx ' copy", wkModeBasic), "A[asm mov eax, ebx ]C[' copy]");
    EXPECT_EQ(Runs("ASMX", wkModeBasic), "T[ASMX]");
}

TEST(LexerBasic, Metastatements) {
    EXPECT_EQ(Runs("#wrenkit Begin Dialog", wkModeBasic, 0), "M[#Wrenkit Begin Dialog]");
    EXPECT_EQ(Runs("#Wrenkit End Dialog 'x", wkModeBasic, 1), "M[#WRENKIT End Dialog 'x]");
    EXPECT_EQ(Runs("  #WRENKIT Created", wkModeBasic), "T[  ]M[#WRENKIT Created]");
    EXPECT_EQ(Runs("#include \"KVWINAPI.INC\"", wkModeBasic), "K[#INCLUDE]T[ ]S[\"KVWINAPI.INC\"]");
}

TEST(LexerRc, KeywordsStringsComments) {
    EXPECT_EQ(Runs("IDD_MAIN DIALOGEX 0, 0, 200, 100", wkModeRc),
              "T[IDD_MAIN ]K[DIALOGEX]T[ 0, 0, 200, 100]");
    EXPECT_EQ(Runs("caption \"It's // not\" // real", wkModeRc),
              "K[caption]T[ ]S[\"It's // not\"]T[ ]C[// real]");
    EXPECT_EQ(Runs("#include \"res.h\"", wkModeRc), "K[#include]T[ ]S[\"res.h\"]");
    // No apostrophe comments, assembler or metastatements in scripts.
    EXPECT_EQ(Runs("END ' x !y", wkModeRc), "K[END]T[ ' x !y]");
    EXPECT_EQ(Runs("//#Wrenkit Begin", wkModeRc), "C[//#Wrenkit Begin]");
    EXPECT_EQ(Runs("a / b", wkModeRc), "T[a / b]");
    EXPECT_EQ(Runs("DIM x", wkModeRc), "T[DIM x]");
}

TEST(LexerModes, PlainAndColourOff) {
    EXPECT_EQ(Runs("dim x 'c", wkModePlain), "T[dim x 'c]");
    EXPECT_EQ(Runs("dim x 'c", wkModeBasic, 1, false), "T[dim x 'c]");
    EXPECT_EQ(Runs("DIALOGEX", 3), "T[DIALOGEX]");
}

TEST(Keywords, ListsAndLookup) {
    EXPECT_EQ(gaszBasicKeywords.size(), 646u);
    EXPECT_EQ(gaszRcKeywords.size(), 107u);
    // "NEW" and "SET" are stored twice; the index holds each word once.
    EXPECT_EQ(BasicKeywordIndex().asWord.size(), 644u);
    EXPECT_EQ(RcKeywordIndex().asWord.size(), 107u);
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
