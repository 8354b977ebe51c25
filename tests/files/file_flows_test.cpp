// Open, import, close and save through the real readers and writers on
// temporary files, with the questions answered by a script.
#include "readers/metastatements.h"
#include "readers/work_files.h"
#include "tests/files/files_fixture.h"

#include <gtest/gtest.h>

using FileFlows = FilesTest;

TEST_F(FileFlows, CloseAsksOnlyWhenChangedAndKeepsWhatCouldNotBeSaved) {
    RecordingSeam tSeam;
    BuildExampleProject();
    glChanged = 0;
    EXPECT_EQ(CloseFile(), 1); // unchanged: no question
    EXPECT_EQ(glIDCnt, 0);
    EXPECT_EQ(asTitles.back(), "");

    // Yes on an untitled project whose name question is cancelled: nothing closes.
    BuildExampleProject();
    glChanged = 1;
    tSeam.ExpectAsk("Save current changes?", wkAnsYes);
    EXPECT_EQ(CloseFile(), 0);
    EXPECT_NE(FindIDByName("%IDC_BUTTON1"), 0);
    tSeam.VerifyAllAsked();
    EXPECT_EQ(tSeam.Events()[0].lFlags, unsigned{wkBtnYesNoCancel} | wkIconQuestion);
}

TEST_F(FileFlows, SaveNamesAnUntitledProjectAndOpenReadsItBack) {
    RecordingSeam tSeam;
    BuildExampleProject();
    glChanged = 1;
    sSaveName = PathOf("First.bas");
    EXPECT_EQ(SaveFile(), 1);
    EXPECT_EQ(gtDoc.sPath, sSaveName);
    EXPECT_EQ(gtDoc.lFileType, wkFileKvl);
    EXPECT_EQ(glChanged, 0);
    EXPECT_EQ(asRecent, std::vector<std::string>{sSaveName});
    EXPECT_EQ(asTitles.back(), sSaveName);
    const std::string sSaved = ReadAll(sSaveName);
    ASSERT_NE(sSaved.find("#Wrenkit Created"), std::string::npos);
    // No strings, version information or images: no companion script.
    EXPECT_FALSE(std::filesystem::exists(PathOf("First.rc")));
    EXPECT_TRUE(asCompiled.empty());

    // The user adds code of their own outside the blocks; opening keeps it for the next save.
    WriteAll(sSaveName, sSaved + "Function MyOwn() As Long\r\nEnd Function\r\n");
    OpenFile(sSaveName, wkFileKvl);
    EXPECT_EQ(gtDoc.sPath, sSaveName);
    EXPECT_EQ(glSourceFileOpen, 1);
    EXPECT_EQ(glChanged, 0);
    EXPECT_NE(FindIDByName("%IDC_BUTTON1"), 0);
    EXPECT_NE(FindIDByName("%IDM_FILE_EXIT"), 0);
    ASSERT_EQ(asResults.size(), 1u);
    EXPECT_NE(asResults[0].find("|"), std::string::npos);
    glChanged = 1;
    EXPECT_EQ(SaveFile(), 1);
    EXPECT_NE(ReadAll(sSaveName).find("Function MyOwn() As Long"), std::string::npos);

    // Save As New writes complete new text: the user's code of the old file stays behind.
    EXPECT_EQ(SaveFileAsNew(PathOf("Second.bas")), 1);
    EXPECT_EQ(gtDoc.sPath, PathOf("Second.bas"));
    EXPECT_EQ(glSourceFileOpen, 0);
    EXPECT_EQ(glBlockCnt, 0);
    const std::string sNew = ReadAll(PathOf("Second.bas"));
    EXPECT_EQ(sNew.find("Function MyOwn() As Long"), std::string::npos);
    EXPECT_NE(sNew.find("%IDC_BUTTON1"), std::string::npos);
    EXPECT_TRUE(tSeam.Reports().empty());
}

TEST_F(FileFlows, OpenWhileChangedCancelledOpensNothing) {
    RecordingSeam tSeam;
    WriteAll(PathOf("other.bas"), "");
    BuildExampleProject();
    glChanged = 1;
    tSeam.ExpectAsk("Save current changes?", wkAnsCancel);
    EXPECT_EQ(OpenFile(PathOf("other.bas"), wkFileKvl), 0);
    EXPECT_EQ(gtDoc.sPath, "");
    EXPECT_NE(FindIDByName("%IDC_BUTTON1"), 0);
    EXPECT_TRUE(asResults.empty());
    // An empty path and an unknown type do nothing at all.
    EXPECT_EQ(OpenFile("", wkFileKvl), 0);
    EXPECT_EQ(OpenFile(PathOf("other.bas"), wkFileNone), 0);
    tSeam.VerifyAllAsked();
}

TEST_F(FileFlows, UnreadableFileLeavesAnEmptyUntitledProject) {
    RecordingSeam tSeam;
    EXPECT_EQ(OpenFile(PathOf("gone.bas"), wkFileKvl), 0);
    ASSERT_EQ(tSeam.Reports().size(), 1u);
    EXPECT_EQ(tSeam.Reports()[0].rfind("Error #53", 0), 0u);
    EXPECT_EQ(gtDoc.sPath, "");
    EXPECT_EQ(glSourceFileOpen, 0);
    EXPECT_TRUE(asRecent.empty());
}

TEST_F(FileFlows, ImportEndedByTheUserShowsNoResults) {
    RecordingSeam tSeam;
    gtOptions.lImportResults = 1;
    WriteAll(PathOf("other.bas"), "Function KvMain\r\nEnd Function\r\n");
    tSeam.ExpectAsk(gszNotCreatedQuestion, wkAnsNo);
    EXPECT_EQ(ImportFile(PathOf("other.bas")), 0);
    tSeam.ExpectAsk(gszNotCreatedQuestion, wkAnsNo);
    EXPECT_EQ(OpenFile(PathOf("other.bas"), wkFileKvl), 0);
    EXPECT_TRUE(asResults.empty());
    tSeam.VerifyAllAsked();
}

TEST_F(FileFlows, ImportLeavesAnUntitledProjectAndIgnoresOtherFiles) {
    RecordingSeam tSeam;
    WriteAll(PathOf("notes.txt"), "%IDC_X = 5\r\n");
    BuildExampleProject();
    glChanged = 1;
    // Unknown extensions and missing files: not even the save question.
    EXPECT_EQ(ImportFile(PathOf("notes.txt")), 0);
    EXPECT_EQ(ImportFile(PathOf("missing.frm")), 0);
    EXPECT_EQ(ImportFile(""), 0);
    EXPECT_NE(FindIDByName("%IDC_BUTTON1"), 0);

    WriteAll(PathOf("Form1.frm"), "VERSION 5.00\r\nBegin VB.Form Form1\r\n   Caption = \"Hi\"\r\n"
                                  "   Begin VB.CommandButton Command1\r\n      Caption = \"OK\"\r\n"
                                  "   End\r\nEnd\r\n");
    tSeam.ExpectAsk("Save current changes?", wkAnsNo);
    EXPECT_EQ(ImportFile(PathOf("Form1.frm")), 1);
    EXPECT_EQ(FindIDByName("%IDC_BUTTON1"), 0);
    EXPECT_GT(glDlgCnt, 1);
    EXPECT_EQ(gtDoc.sPath, "");
    ASSERT_EQ(asResults.size(), 1u);

    // The next save asks for a name.
    glChanged = 1;
    sSaveName = PathOf("Form1.bas");
    EXPECT_EQ(SaveFile(), 1);
    EXPECT_TRUE(std::filesystem::exists(sSaveName));
    tSeam.VerifyAllAsked();
}

TEST_F(FileFlows, ScriptOnTheCommandLineIsImportedUntitled) {
    RecordingSeam tSeam;
    WriteAll(PathOf("app.rc"), "#define IDD_MAIN 100\r\nSTRINGTABLE\r\nBEGIN\r\n"
                               "  IDD_MAIN \"Main\"\r\nEND\r\n");
    EXPECT_EQ(OpenFile(PathOf("app.rc"), wkFileRC), 1);
    EXPECT_EQ(gtDoc.sPath, "");
    EXPECT_EQ(glStrCnt, 1);
    EXPECT_TRUE(asRecent.empty());
}
