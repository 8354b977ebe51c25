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

TEST_F(Metastatements, UserTextIsKeptByteForByte) {
    const std::string sText =
        "' written before the marker\r\n#Wrenkit Created\r\n"
        "' mine   \r\n\r\n"
        "#Wrenkit Begin Includes \r\n#Include \"X.INC\"\r\n#Wrenkit End Includes\r\n"
        "Sub Mine()   \t\r\nEnd Sub\r\n"
        "#Wrenkit Declarations\r\n"
        "' after declarations\r\n"
        "#Wrenkit Begin Constants \r\n%A = 1\r\n#Wrenkit End Constants\r\n"
        "no final line end   ";
    ASSERT_EQ(Load(sText), 1);
    EXPECT_EQ(BlockKinds(), (std::vector<int32_t>{wkBlockUser, wkBlockCreated, wkBlockUser,
                                                  wkBlockIncludes, wkBlockUser, wkBlockDeclarations,
                                                  wkBlockUser, wkBlockConstants, wkBlockUser}));
    EXPECT_EQ(UserTexts(),
              (std::vector<std::string>{"' written before the marker\r\n", "' mine   \r\n\r\n",
                                        "Sub Mine()   \t\r\nEnd Sub\r\n",
                                        "' after declarations\r\n", "no final line end   "}));
    // The work file holds exactly the user text, one piece after another.
    EXPECT_EQ(gtDoc.tWork.sText, "' written before the marker\r\n' mine   \r\n\r\nSub Mine()   "
                                 "\t\r\nEnd Sub\r\n' after declarations\r\n"
                                 "no final line end   ");
    EXPECT_EQ(IDValue("%A"), 1);
}

TEST_F(Metastatements, DuplicateSingleBlocksAreDroppedWithTheirContents) {
    ASSERT_EQ(Load(Marked("#Wrenkit Begin Constants \n%A = 1\n#Wrenkit End Constants\n"
                          "between\n"
                          "#WRENKIT BEGIN CONSTANTS \n%B = 2\n%A = 5\n#Wrenkit End Constants\n"
                          "after\n"
                          "#Wrenkit Declarations\n#Wrenkit Declarations\n")),
              1);
    EXPECT_EQ(IDValue("%A"), 1);
    EXPECT_EQ(FindIDByName("%B"), 0);
    EXPECT_EQ(BlockKinds(), (std::vector<int32_t>{wkBlockCreated, wkBlockConstants, wkBlockUser,
                                                  wkBlockUser, wkBlockDeclarations}));
    EXPECT_EQ(UserTexts(), (std::vector<std::string>{"between\r\n", "after\r\n"}));
}

TEST_F(Metastatements, AfterCopyEverythingIsPlainText) {
    ASSERT_EQ(
        Load(Marked("#Wrenkit Copy\n#Wrenkit Begin Constants \n%A = 1\n#Wrenkit End Constants\n")),
        1);
    EXPECT_EQ(BlockKinds(), (std::vector<int32_t>{wkBlockCreated, wkBlockCopy, wkBlockUser}));
    EXPECT_EQ(UserTexts()[0], Crlf("#Wrenkit Begin Constants \n%A = 1\n#Wrenkit End Constants\n"));
    EXPECT_EQ(glIDCnt, 0);
}

TEST_F(Metastatements, ResourceBlocksCreateTheirResourcesAndLinkOnlyToExistingOnes) {
    ASSERT_EQ(Load(Marked("#Wrenkit Begin Constants \n%IDD_D = 101\n%IDR_M = 102\n%IDR_A = 103\n"
                          "#Wrenkit End Constants\n"
                          "#Wrenkit Begin Dialog %IDD_D->%IDR_M->%IDR_A\n#Wrenkit End Dialog\n"
                          "#Wrenkit Begin Menu %IDR_M->\n#Wrenkit End Menu\n"
                          "#Wrenkit Begin Accel %IDR_A->%IDD_D\n#Wrenkit End Accel\n"
                          "#Wrenkit Begin Dialog %IDD_E->%IDR_M->%IDR_A\n#Wrenkit End Dialog\n"
                          "#Wrenkit Begin Menu %IDR_N->%IDR_A\n#Wrenkit End Menu\n")),
              1);
    const int32_t lD = FindResourceByID(FindIDByName("%IDD_D"));
    const int32_t lM = FindResourceByID(FindIDByName("%IDR_M"));
    const int32_t lA = FindResourceByID(FindIDByName("%IDR_A"));
    const int32_t lE = FindResourceByID(FindIDByName("%IDD_E"));
    const int32_t lN = FindResourceByID(FindIDByName("%IDR_N"));
    ASSERT_TRUE(lD && lM && lA && lE && lN);
    // The dialog came first: its menu did not exist yet, and the menu names no dialog.
    EXPECT_EQ(gatRes[lD].lLinkMenu, 0);
    // The table's block linked it to the first dialog; the last dialog shares
    // it, and the first keeps its own link (the table points at the last).
    EXPECT_EQ(gatRes[lD].lLinkAccel, lA);
    // The last dialog finds both and links them to each other as well.
    EXPECT_EQ(gatRes[lE].lLinkMenu, lM);
    EXPECT_EQ(gatRes[lE].lLinkAccel, lA);
    EXPECT_EQ(gatRes[lM].lLinkDlg, lE);
    EXPECT_EQ(gatRes[lA].lLinkDlg, lE);
    EXPECT_EQ(gatRes[lM].lLinkAccel, lA);
    EXPECT_EQ(gatRes[lA].lLinkMenu, lM);
    // A link to a resource of the wrong kind is not made.
    EXPECT_EQ(gatRes[lN].lLinkDlg, 0);
    // An ID the Constants block does not define is made with the value -1.
    EXPECT_EQ(IDValue("%IDD_E"), -1);
    EXPECT_EQ(gatBlock[FindBlockByRes(lE)].lType, wkBlockDialog);
    EXPECT_EQ(gtElem.lResDlg, lE);
    EXPECT_EQ(gtElem.lResMenu, lN);
    EXPECT_EQ(gtElem.lResAccel, lA);
}

TEST_F(Metastatements, BeginWithoutEndIsReadOnAndReported) {
    RecordingSeam tSeam;
    // Line 5 opens a dialog block that never ends; the user's function after it
    // would be replaced by the next save.
    ASSERT_EQ(Load(Marked("#Wrenkit Begin Constants \n%IDD_D = 101\n#Wrenkit End Constants\n"
                          "#Wrenkit Begin Dialog %IDD_D->->\n"
                          "    Dialog New hParent, \"D\", 1, 2, 30, 40, To hDlg\n"
                          "Function Mine()\nEnd Function\n"
                          "#Wrenkit Begin Menu %IDR_M->\n"
                          "    Menu New Bar To hMenu\n"
                          "#Wrenkit End Menu\n"
                          "user text\n")),
              1);
    // Reading goes on as before: the dialog is read, the consumed Begin Menu line
    // creates no block, and the End line lets the user text after it be kept.
    EXPECT_NE(Row("%IDD_D"), 0);
    EXPECT_EQ(FindBlockByKind(wkBlockMenu), 0);
    EXPECT_EQ(UserTexts().back(), "user text\r\n");
    const std::vector<std::string> asReports = tSeam.Reports();
    ASSERT_EQ(asReports.size(), 1u);
    EXPECT_NE(
        asReports[0].find("Line 5: \"#Wrenkit Begin Dialog %IDD_D->->\" has no \"#Wrenkit End\" "
                          "line before line 9."),
        std::string::npos)
        << asReports[0];
    EXPECT_NE(asReports[0].find("#Wrenkit Begin Menu %IDR_M->"), std::string::npos);
}

TEST_F(Metastatements, OpenBlockAtTheEndAndStrayMarkersAreReported) {
    RecordingSeam tSeam;
    ASSERT_EQ(Load(Marked("text\n#Wrenkit End Dialog\nlost\n#Wrenkit End Dialog\nkept\n"
                          "#Wrenkit Begin Constants \n%A = 1\n")),
              1);
    EXPECT_EQ(UserTexts(), (std::vector<std::string>{"text\r\n", "kept\r\n"}));
    const std::vector<std::string> asReports = tSeam.Reports();
    ASSERT_EQ(asReports.size(), 1u);
    EXPECT_NE(asReports[0].find("Line 3: \"#Wrenkit End Dialog\" does not begin a block."),
              std::string::npos)
        << asReports[0];
    EXPECT_NE(asReports[0].find("Line 7: \"#Wrenkit Begin Constants\" has no \"#Wrenkit End\" line "
                                "before the end of the file."),
              std::string::npos)
        << asReports[0];
    // A sound file reports nothing.
    RecordingSeam tQuiet;
    ASSERT_EQ(Load(Marked("#Wrenkit Begin Constants \n%A = 1\n#Wrenkit End Constants\n")), 1);
    EXPECT_TRUE(tQuiet.Reports().empty());
}

TEST_F(Metastatements, UnmarkedFileAsksAndKeepsACopy) {
    // Line feeds alone end lines too; nothing is read after the first Function.
    const std::string sText = "%IDC_A = 1001\n%IDC_L = 2\nFunction KvMain()\n%IDC_C = 3\n";
    {
        RecordingSeam tSeam;
        tSeam.ExpectAsk(gszNotCreatedQuestion, wkAnsNo);
        EXPECT_EQ(LoadKVL(sText, 1, 0), 0);
        tSeam.VerifyAllAsked();
        EXPECT_EQ(glIDCnt, 0);
        EXPECT_EQ(gtDoc.tPreImport.lOpen, 0);
    }
    RecordingSeam tSeam;
    tSeam.ExpectAsk(gszNotCreatedQuestion, wkAnsYes);
    EXPECT_EQ(LoadKVL(sText, 1, 0), 1);
    EXPECT_EQ(gtDoc.tPreImport.sText, sText);
    EXPECT_EQ(gtDoc.tWork.lOpen, 0);
    EXPECT_EQ(glBlockCnt, 0);
    EXPECT_EQ(IDValue("%IDC_A"), 1001);
    EXPECT_EQ(IDValue("%IDC_L"), 2);
    EXPECT_EQ(FindIDByName("%IDC_C"), 0);
    EXPECT_EQ(tSeam.StatusTexts(), std::vector<std::string>{"Loading KVL File"});
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

TEST_F(Metastatements, StatementsCountOnlyInsideTheirKindOfBlock) {
    // A damaged file with menu and dialog statements in the Includes block:
    // they would make resources with default names that the Constants block
    // defines again later.
    ASSERT_EQ(Load(Marked("#Wrenkit Begin Includes \n"
                          "    Menu New PopUp To hPopUp1\n"
                          "    Dialog New hParent, \"D\", 1, 2, 3, 4, To hDlg\n"
                          "#Wrenkit End Includes\n"
                          "#Wrenkit Begin Constants \n%IDR_MENU1 = 102\n#Wrenkit End Constants\n"
                          "#Wrenkit Begin Menu %IDR_MENU1->\n"
                          "    Menu New Bar To hMenu\n"
                          "    Menu Add String, hMenu, \"&Go\", %IDM_GO, 0\n"
                          "    Control Add Button, hDlg, %IDC_B, \"B\", 1, 2, 3, 4\n"
                          "#Wrenkit End Menu\n")),
              1);
    EXPECT_EQ(glResCnt, 1);
    EXPECT_EQ(glDlgCnt, 0);
    ASSERT_EQ(glMenuCnt, 1);
    EXPECT_EQ(gatRes[gatMenu[1].lResElem].szIDName, "%IDR_MENU1");
    EXPECT_EQ(IDValue("%IDR_MENU1"), 102);
}
