// The companion script's replace question, failed writes that must not lose
// the project, and the reload question for files changed by another program.
#include "tests/files/files_fixture.h"

#include <gtest/gtest.h>

using SaveAndReload = FilesTest;

TEST_F(SaveAndReload, OnlyAScriptTheProjectDoesNotOwnNeedsTheReplaceQuestion) {
    RecordingSeam tSeam;
    BuildExampleProject();
    AddStr(AddID("%IDS_HELLO", "200", 0), "Hello");
    WriteAll(PathOf("App.rc"), "foreign script");
    sSaveName = PathOf("App.bas");
    tSeam.ExpectAsk(PathOf("App.rc") + " already exists.\rDo you want to replace it?", wkAnsYes);
    EXPECT_EQ(SaveFile(), 1);
    const std::string sScript = ReadAll(PathOf("App.rc"));
    EXPECT_NE(sScript.find("STRINGTABLE"), std::string::npos);
    EXPECT_NE(sScript.find("\"Hello\""), std::string::npos);
    EXPECT_EQ(asCompiled, std::vector<std::string>{PathOf("App.rc")});
    // The script it wrote itself is replaced without asking again...
    EXPECT_EQ(SaveFile(), 1);
    EXPECT_EQ(asCompiled.size(), 2u);
    // ...but another file's companion under a new name is not.
    WriteAll(PathOf("Other.rc"), "foreign script");
    tSeam.ExpectAsk(PathOf("Other.rc") + " already exists.\rDo you want to replace it?", wkAnsNo);
    EXPECT_EQ(SaveFileAs(PathOf("Other.bas"), wkFileKvl), 1);
    EXPECT_EQ(ReadAll(PathOf("Other.rc")), "foreign script");
    tSeam.VerifyAllAsked();
}

TEST_F(SaveAndReload, FailedWritesKeepTheProjectChanged) {
    RecordingSeam tSeam;
    BuildExampleProject();
    glChanged = 1;
    sSaveName = PathOf("no such folder/App.bas");
    EXPECT_EQ(SaveFile(), 0);
    EXPECT_EQ(glChanged, 1);
    ASSERT_EQ(tSeam.Reports().size(), 1u);
    EXPECT_NE(tSeam.Reports()[0].find(" while trying to save: "), std::string::npos);
    // Closing then keeps the project: nothing was saved.
    tSeam.ExpectAsk("Save current changes?", wkAnsYes);
    EXPECT_EQ(CloseFile(), 0);
    EXPECT_NE(FindIDByName("%IDC_BUTTON1"), 0);

    // The companion cannot be written: the strings live nowhere else, so the
    // pair is not saved, and the KVL file is not written alone either.
    AddStr(AddID("%IDS_HELLO", "200", 0), "Hello");
    std::filesystem::create_directories(PathOf("Two.rc"));
    EXPECT_EQ(SaveFileAs(PathOf("Two.bas"), wkFileKvl), 0);
    EXPECT_FALSE(std::filesystem::exists(PathOf("Two.bas")));
    EXPECT_NE(tSeam.Reports().back().find("while trying to save: " + PathOf("Two.rc")),
              std::string::npos);
    EXPECT_EQ(glChanged, 1);
    EXPECT_EQ(tSeam.Reports().size(), 3u);
    tSeam.VerifyAllAsked();
}

TEST_F(SaveAndReload, CompanionScriptComesBackWithItsFileAndItsChangeAsksToReload) {
    RecordingSeam tSeam;
    BuildExampleProject();
    AddStr(AddID("%IDS_HELLO", "200", 0), "Hello");
    glChanged = 1;
    sSaveName = PathOf("Pair.bas");
    ASSERT_EQ(SaveFile(), 1);
    ASSERT_TRUE(std::filesystem::exists(PathOf("Pair.rc")));

    OpenFile(sSaveName, wkFileKvl);
    EXPECT_EQ(glRCFileOpen, 1);
    EXPECT_EQ(glStrCnt, 1);
    glChanged = 1;
    EXPECT_EQ(SaveFile(), 1); // its own script: no replace question
    CheckChangedOnDisk();

    Touch(PathOf("Pair.rc"), 10);
    tSeam.ExpectAsk(sSaveName + "\rFile was changed by another application. Reload it?", wkAnsNo);
    CheckChangedOnDisk();
    CheckChangedOnDisk();
    tSeam.VerifyAllAsked();
    EXPECT_TRUE(tSeam.Reports().empty());
}
