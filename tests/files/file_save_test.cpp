// The companion script's replace question, failed writes that must not lose
// the project, and the reload question for files changed by another program.
#include "tests/files/files_fixture.h"

#include <gtest/gtest.h>

using SaveAndReload = FilesTest;

TEST_F(SaveAndReload, ForeignCompanionScriptIsReplacedOnlyWithConsent) {
    RecordingSeam tSeam;
    BuildExampleProject();
    AddStr(AddID("%IDS_HELLO", "200", 0), "Hello");
    WriteAll(PathOf("App.rc"), "foreign script");
    sSaveName = PathOf("App.bas");
    glChanged = 1;
    tSeam.ExpectAsk(PathOf("App.rc") + " already exists.\rDo you want to replace it?", wkAnsNo);
    EXPECT_EQ(SaveFile(), 1);
    EXPECT_TRUE(std::filesystem::exists(sSaveName));
    EXPECT_EQ(glChanged, 0);
    EXPECT_EQ(ReadAll(PathOf("App.rc")), "foreign script");
    EXPECT_TRUE(asCompiled.empty());
    const RecordedEvent& tAsk = tSeam.Events().back();
    EXPECT_EQ(tAsk.lFlags, unsigned{wkBtnYesNo} | wkIconQuestion);

    tSeam.ExpectAsk(PathOf("App.rc") + " already exists.\rDo you want to replace it?", wkAnsYes);
    EXPECT_EQ(SaveFile(), 1);
    const std::string sScript = ReadAll(PathOf("App.rc"));
    EXPECT_NE(sScript.find("STRINGTABLE"), std::string::npos);
    EXPECT_NE(sScript.find("\"Hello\""), std::string::npos);
    EXPECT_EQ(asCompiled, std::vector<std::string>{PathOf("App.rc")});

    // The script the project wrote itself is replaced without asking again.
    EXPECT_EQ(SaveFile(), 1);
    EXPECT_EQ(asCompiled.size(), 2u);
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

    // The KVL file is written but its companion cannot be: the strings live
    // nowhere else, so the save is not complete.
    AddStr(AddID("%IDS_HELLO", "200", 0), "Hello");
    std::filesystem::create_directories(PathOf("Two.rc"));
    EXPECT_EQ(SaveFileAs(PathOf("Two.bas"), wkFileKvl), 0);
    EXPECT_TRUE(std::filesystem::exists(PathOf("Two.bas")));
    EXPECT_EQ(glChanged, 1);
    EXPECT_EQ(tSeam.Reports().size(), 3u);
    tSeam.VerifyAllAsked();
}

TEST_F(SaveAndReload, AnotherProgramsChangeIsAskedAboutOnce) {
    RecordingSeam tSeam;
    BuildExampleProject();
    glChanged = 1;
    sSaveName = PathOf("Watch.bas");
    ASSERT_EQ(SaveFile(), 1);
    CheckChangedOnDisk(); // our own save is no change
    EXPECT_EQ(AskCount(tSeam), 0u);

    const std::string sQuestion =
        sSaveName + "\rFile was changed by another application. Reload it?";
    Touch(sSaveName, 10);
    tSeam.ExpectAsk(sQuestion, wkAnsNo);
    CheckChangedOnDisk();
    CheckChangedOnDisk(); // switching away and back without a further change
    tSeam.VerifyAllAsked();
    EXPECT_EQ(AskCount(tSeam), 1u);

    // Yes reloads without the save question, even with unsaved changes.
    AddID("%IDC_UNSAVED", "3000", 0);
    glChanged = 1;
    Touch(sSaveName, 20);
    tSeam.ExpectAsk(sQuestion, wkAnsYes);
    CheckChangedOnDisk();
    tSeam.VerifyAllAsked();
    EXPECT_EQ(FindIDByName("%IDC_UNSAVED"), 0);
    EXPECT_NE(FindIDByName("%IDC_BUTTON1"), 0);
    EXPECT_EQ(gsCurrentFile, sSaveName);
    EXPECT_EQ(glChanged, 0);

    // A deleted file asks nothing.
    std::filesystem::remove(sSaveName);
    CheckChangedOnDisk();
    EXPECT_EQ(AskCount(tSeam), 2u);
}

TEST_F(SaveAndReload, CompanionScriptChangeAsksToReloadTheSource) {
    RecordingSeam tSeam;
    BuildExampleProject();
    AddStr(AddID("%IDS_HELLO", "200", 0), "Hello");
    glChanged = 1;
    sSaveName = PathOf("Pair.bas");
    ASSERT_EQ(SaveFile(), 1);
    CheckChangedOnDisk();
    Touch(PathOf("Pair.rc"), 10);
    tSeam.ExpectAsk(sSaveName + "\rFile was changed by another application. Reload it?", wkAnsNo);
    CheckChangedOnDisk();
    CheckChangedOnDisk();
    tSeam.VerifyAllAsked();
}
