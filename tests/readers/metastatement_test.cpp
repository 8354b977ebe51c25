#include "tests/readers/reader_fixture.h"

#include <gtest/gtest.h>

using Metastatements = ReaderTest;

namespace {

tMetaMarker Find(std::string_view sText, bool bRC, int32_t* plLine = nullptr) {
    tSourceText t;
    t.sText = sText;
    tMetaMarker m;
    if (bRC) {
        FindNextRCMeta(t, m);
    } else {
        FindNextMeta(t, m);
    }
    if (plLine) {
        *plLine = t.lLine;
    }
    return m;
}

} // namespace

TEST_F(Metastatements, CaseRulesDifferByFileKind) {
    // KVL: any mix of case, the keyword included.
    EXPECT_EQ(Find("#WRENKIT CREATED\r\n", false).lCode, wkMetaCreated);
    EXPECT_EQ(Find("#wrenkit begin dialog %X->->\r\n", false).lCode, wkMetaBegin);
    // Script: "Wrenkit" must keep its lower-case letters; the keyword may not.
    EXPECT_EQ(Find("//#WRENKIT Created\r\n", true).lFound, 0);
    EXPECT_EQ(Find("//#wrenkit Created\r\n", true).lCode, wkMetaCreated);
    EXPECT_EQ(Find("//#Wrenkit created\r\n", true).lCode, wkMetaCreated);
    EXPECT_EQ(Find("//#Wrenkit Declarations\r\n", true).lCode, wkMetaNone); // KVL only
    // The block name comes back as written; names of the other file kind are none.
    tMetaMarker m = Find("#Wrenkit Begin dIALOG %IDD_A->%IDR_M->\r\n", false);
    EXPECT_EQ(m.sBlock, "dIALOG");
    EXPECT_EQ(m.sArg, "%IDD_A->%IDR_M->");
    m = Find("//#Wrenkit Begin Dialog \r\n", true);
    EXPECT_EQ(m.lCode, wkMetaBegin);
    EXPECT_EQ(m.sBlock, "");
}

TEST_F(Metastatements, MarkersCountOnlyAtLineStartsAndLinesAreCounted) {
    int32_t lLine = 0;
    tMetaMarker m = Find("Dim x\r\n  #Wrenkit End Dialog\r\nx = 1 ' #Wrenkit End Menu\r\n"
                         "#Wrenkit End Menu\r\nrest",
                         false, &lLine);
    EXPECT_EQ(m.lCode, wkMetaEnd);
    EXPECT_EQ(m.sBlock, "Menu");
    EXPECT_EQ(m.lLine, 4);
    EXPECT_EQ(lLine, 5); // the marker's own CR is counted too
    // Two blanks before the keyword make an empty keyword: no marker.
    EXPECT_EQ(Find("#Wrenkit  Created\r\n", false).lCode, wkMetaNone);
    // A partial match does not hide a marker that follows on the next line.
    m = Find("x\r\n#Wren\r\n#Wrenkit Copy\r\n", false, &lLine);
    EXPECT_EQ(m.lCode, wkMetaCopy);
    EXPECT_EQ(m.lLine, 3);
    EXPECT_EQ(Find("no marker at all", false).lFound, 0);
}

TEST_F(Metastatements, UnmarkedFileRefusedReadsNothing) {
    // Taken, it is read as tests/data/read/unmarked-kvl-stops-at-first-function.bas.
    RecordingSeam tSeam;
    tSeam.ExpectAsk(gszNotCreatedQuestion, wkAnsNo);
    EXPECT_EQ(LoadKVL("%IDC_A = 1001\r\n", 1, 0), 0);
    tSeam.VerifyAllAsked();
    EXPECT_EQ(glIDCnt, 0);
    EXPECT_EQ(gtDoc.tPreImport.lOpen, 0);
    // The clipboard asks nothing and keeps nothing; markers are plain lines.
    RecordingSeam tClip;
    EXPECT_EQ(LoadKVL(Marked("#Wrenkit Begin Constants \n%IDC_B = 7\n"), 0, 1), 1);
    EXPECT_EQ(IDValue("%IDC_B"), 7);
    EXPECT_EQ(glBlockCnt, 0);
}

TEST_F(Metastatements, FilesThatCannotBeKeptAreNotRead) {
    RecordingSeam tSeam;
    gpfnWorkFileFails = [] { return int32_t{61}; };
    EXPECT_EQ(Load(Marked("#Wrenkit Begin Constants \n%A = 1\n#Wrenkit End Constants\n")), 0);
    EXPECT_EQ(gtDoc.tWork.lOpen, 0);
    EXPECT_EQ(glIDCnt, 0);
    ASSERT_EQ(tSeam.Reports().size(), 1u);
    EXPECT_EQ(tSeam.Reports()[0], "Error #61 Disk full");
    EXPECT_EQ(tSeam.Events()[1].lFlags, static_cast<unsigned>(wkIconInformation));
    gpfnWorkFileFails = nullptr;

    // Too large for 32-bit block positions: refused whole, nothing half read.
    glMaxSourceBytes = 16;
    EXPECT_EQ(LoadKVL(Marked("%A = 1\n"), 1, 0, "C:\\big.bas"), 0);
    EXPECT_EQ(tSeam.Reports().back(),
              "Error #7 Out of memory\r\nwhile trying to open: C:\\big.bas");
    EXPECT_EQ(glBlockCnt, 0);
}
