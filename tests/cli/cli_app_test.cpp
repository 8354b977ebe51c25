// The command-line tool end to end: each command on real files, compared byte
// for byte with what the designer writes.
#include "tests/support/cli_runner.h"
#include "tests/support/golden.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

tCliRun Cli(std::vector<std::string> asArgs) {
    return RunCliArgs(std::move(asArgs));
}

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sSample = ReadAll(fs::path(WK_SOURCE_DIR) / "examples" / "sample.bas");
        ASSERT_FALSE(sSample.empty());
    }
    std::string Path(const char* pName) const { return (tDir / pName).string(); }

    ScratchFolder tScratch{"wrenkit-cli"};
    const fs::path tDir = tScratch.Path();
    std::string sSample;
};

} // namespace

TEST_F(CliTest, ViewsOfADesignerFileAreTheFileItself) {
    WriteAll(Path("a.bas"), sSample);
    EXPECT_TRUE(Cli({"view", "kvl", Path("a.bas")}).sOut == sSample);
    EXPECT_TRUE(Cli({"view", "new-kvl", Path("a.bas")}).sOut == sSample);
    const tCliRun tCounts = Cli({"view", "counts", Path("a.bas")});
    EXPECT_EQ(tCounts.lExit, wkExitOk);
    EXPECT_EQ(tCounts.sOut, "ID Count:             7\nResource Count:       3\n"
                            "Dialog/Control Count: 3\nMenu Member Count:    4\n"
                            "Accelerator Count:    1\nString Count:         0\n"
                            "Version Block Count:  0\n");
    const tCliRun tJson = Cli({"view", "json", Path("a.bas")});
    EXPECT_NE(tJson.sOut.find("\"szIDName\":\"%IDC_BUTTON1\""), std::string::npos);
    EXPECT_NE(tJson.sOut.find("\"gasDynStr\":["), std::string::npos);
    EXPECT_EQ(Cli({"view", "bogus", Path("a.bas")}).lExit, wkExitRefused);
}

TEST_F(CliTest, CheckFindsNothingOnAStableFileAndADiffOnAnEditedOne) {
    WriteAll(Path("a.bas"), sSample);
    const tCliRun tClean = Cli({"check", Path("a.bas")});
    EXPECT_EQ(tClean.lExit, wkExitOk) << tClean.sOut << tClean.sErr;
    EXPECT_EQ(tClean.sOut, "");

    // A hand edit inside a designer block is put back by a save.
    std::string sEdited = sSample;
    const size_t lAt = sEdited.find("\"Button1\"");
    ASSERT_NE(lAt, std::string::npos);
    sEdited.replace(lAt, 9, "\"Button1\"   ");
    WriteAll(Path("a.bas"), sEdited);
    const tCliRun tDirty = Cli({"check", Path("a.bas")});
    EXPECT_EQ(tDirty.lExit, wkExitFailed);
    EXPECT_NE(tDirty.sOut.find("+    Control Add Button, hDlg, %IDC_BUTTON1, \"Button1\", 145"),
              std::string::npos)
        << tDirty.sOut;
    EXPECT_TRUE(ReadAll(Path("a.bas")) == sEdited) << "check never writes";
}

TEST_F(CliTest, SaveSaveAsAndSaveAsNew) {
    // User text between the blocks survives a save and a Save As; Save As New
    // writes a complete new file without it.
    std::string sWithUserText = sSample;
    const size_t lAt = sWithUserText.find("Function KvMain()");
    ASSERT_NE(lAt, std::string::npos);
    sWithUserText.insert(lAt, "' my own note\r\n");
    WriteAll(Path("a.bas"), sWithUserText);
    EXPECT_EQ(Cli({"save", Path("a.bas")}).lExit, wkExitOk);
    EXPECT_TRUE(ReadAll(Path("a.bas")) == sWithUserText);
    EXPECT_EQ(Cli({"save", Path("a.bas"), "--as", Path("b.bas")}).lExit, wkExitOk);
    EXPECT_TRUE(ReadAll(Path("b.bas")) == sWithUserText);
    EXPECT_EQ(Cli({"save", Path("a.bas"), "--as", Path("c.bas"), "--new"}).lExit, wkExitOk);
    EXPECT_TRUE(ReadAll(Path("c.bas")) == sSample);
    EXPECT_FALSE(fs::exists(Path("a.rc"))) << "no companion script is needed";
}

TEST_F(CliTest, QuestionsAndFailuresGiveTheirExitCodes) {
    // A file the designer did not write: its question, refused without --yes.
    WriteAll(Path("foreign.bas"), "#Compile Exe\r\nFunction KvMain()\r\nEnd Function\r\n");
    const tCliRun tRefused = Cli({"view", "kvl", Path("foreign.bas")});
    EXPECT_EQ(tRefused.lExit, wkExitRefused);
    EXPECT_NE(tRefused.sErr.find("[no]"), std::string::npos) << tRefused.sErr;

    const tCliRun tMissing = Cli({"view", "kvl", Path("missing.bas")});
    EXPECT_EQ(tMissing.lExit, wkExitFailed);
    EXPECT_NE(tMissing.sErr.find("Error #53 File not found"), std::string::npos) << tMissing.sErr;

    WriteAll(Path("notes.txt"), "x");
    EXPECT_EQ(Cli({"view", "kvl", Path("notes.txt")}).lExit, wkExitRefused);
    EXPECT_EQ(Cli({"check"}).lExit, wkExitRefused);
    EXPECT_EQ(Cli({"view", "kvl", Path("a.bas"), "--new"}).lExit, wkExitRefused);
}

TEST_F(CliTest, AnImportedScriptIsSavedUnderANewName) {
    WriteAll(Path("small.rc"),
             "#define IDD_ABOUT 100\r\n#define IDOK 1\r\n"
             "IDD_ABOUT DIALOGEX 0, 0, 120, 60\r\nCAPTION \"About\"\r\n"
             "BEGIN\r\n    DEFPUSHBUTTON \"OK\", IDOK, 35, 40, 50, 14\r\nEND\r\n");
    EXPECT_EQ(Cli({"save", Path("small.rc")}).lExit, wkExitRefused);
    EXPECT_EQ(Cli({"save", Path("small.rc"), "--as", Path("about.bas")}).lExit, wkExitOk);
    const std::string sKvl = ReadAll(Path("about.bas"));
    EXPECT_EQ(sKvl.rfind("#Wrenkit Created\r\n", 0), 0u);
    EXPECT_NE(sKvl.find("Dialog New hParent, \"About\", 0, 0, 120, 60"), std::string::npos);
    EXPECT_NE(sKvl.find("\"OK\", 35, 40, 50, 14"), std::string::npos);
    // The saved file reads back and saves to itself.
    EXPECT_EQ(Cli({"check", Path("about.bas")}).lExit, wkExitOk);
}

// The views of files in tests/data/cli, byte for byte.
TEST(CliGoldens, ViewsOfRealFilesAreByteForByte) {
    const fs::path tDir = GoldenPath("cli");
    const struct {
        const char* pFile;
        const char* pKind;
    } atCase[] = {{"about.rc", "kvl"},  {"about.rc", "sdk-rc"}, {"about.rc", "sdk-basic"},
                  {"about.rc", "json"}, {"main.frm", "kvl"},    {"main.frm", "counts"}};
    for (const auto& t : atCase) {
        const tCliRun tView = Cli({"view", t.pKind, (tDir / t.pFile).string()});
        EXPECT_EQ(tView.lExit, wkExitOk) << t.pFile << " " << t.pKind << ": " << tView.sErr;
        EXPECT_TRUE(MatchesGolden(std::string("cli/") + t.pFile + ".view-" + t.pKind, tView.sOut));
    }
}

TEST_F(CliTest, ASettingsFileSteersTheGeneratedCode) {
    WriteAll(Path("a.bas"), sSample);
    WriteAll(Path("wrenkit.ini"), "[Options]\r\nTabSizeKVL=2\r\nHdrComment=0\r\n");
    const tCliRun tCliRun =
        Cli({"--settings", Path("wrenkit.ini"), "view", "new-kvl", Path("a.bas")});
    EXPECT_EQ(tCliRun.lExit, wkExitOk) << tCliRun.sErr;
    EXPECT_EQ(tCliRun.sOut.find("' The first line in this file"), std::string::npos);
    EXPECT_NE(tCliRun.sOut.find("\r\n  Dialog New hParent, \"Dialog1\""), std::string::npos);
    // Without it the first-start defaults apply again.
    EXPECT_TRUE(Cli({"view", "new-kvl", Path("a.bas")}).sOut == sSample);
}
