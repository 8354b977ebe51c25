// Saves and opens under faults: unreadable companions, read-only and
// non-plain targets, a full disk, a save killed half way, damaged markers and
// the command-line tool's exit codes. Each case checks the files on disk byte
// for byte, the message and the exit code.
#include "hostile_fixture.h"

#include "app/files/file_ops.h"
#include "model/path_rules.h"
#include "tests/support/cli_runner.h"
#include "writers/save_text.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// The tool as a user runs it; standard output goes to pOut when given.
tCliRun Cli(std::vector<std::string> as, std::FILE* pOut = nullptr) {
    tCliRun t = RunCliArgs(std::move(as), pOut);
    EXPECT_TRUE(t.bParsed) << t.sErr;
    return t;
}

// A project of a KVL file and its companion script with a string table and
// a line of the user's after it, as the designer saved them.
class SaveFaultTest : public HostileTest {
  protected:
    void SetUp() override {
        HostileTest::SetUp();
        fs::permissions(tDir, fs::perms::all); // a plain user may save here too
        sBasPath = (tDir / "a.bas").string();
        sRCPath = (tDir / "a.rc").string();
        std::string sBas = ReadAll(fs::path(WK_SOURCE_DIR) / "examples" / "sample.bas");
        const std::string sIncludes = "#Wrenkit Begin Includes \r\n";
        sBas.insert(sBas.find(sIncludes) + sIncludes.size(), "#Resource \"a.kvr\"\r\n");
        WriteAll(sBasPath, sBas);
        WriteAll(sRCPath, "//#Wrenkit Created\r\n"
                          "//#Wrenkit Begin Constants \r\n#define IDS_A 100\r\n"
                          "//#Wrenkit End Constants\r\n"
                          "//#Wrenkit Begin Strings \r\nSTRINGTABLE DISCARDABLE\r\nBEGIN\r\n"
                          "    IDS_A   \"Hello\"\r\nEND\r\n//#Wrenkit End Strings\r\n"
                          "// my own note\r\n");
        const tCliRun t = Cli({"--yes", "save", sBasPath});
        ASSERT_EQ(t.lExit, wkExitOk) << t.sErr;
        sBas0 = ReadAll(sBasPath);
        sRC0 = ReadAll(sRCPath);
        ASSERT_NE(sBas0.find("#Resource \"a.kvr\""), std::string::npos);
        ASSERT_NE(sRC0.find("\"Hello\""), std::string::npos);
    }
    void TearDown() override {
        gpfnAfterCommit = nullptr;
        if (bMounted) {
            umount(tDir.c_str());
        }
        HostileTest::TearDown();
    }

    // Both files as the designer saved them, and no temporary file left.
    void ExpectPairUntouched() {
        EXPECT_EQ(ReadAll(sBasPath), sBas0);
        EXPECT_EQ(ReadAll(sRCPath), sRC0);
        ExpectNoLeftovers();
    }
    void ExpectNoLeftovers() {
        for (const fs::directory_entry& e : fs::directory_iterator(tDir)) {
            EXPECT_NE(e.path().extension(), ".tmp") << e.path();
        }
    }

    ScratchFolder tScratch{"wk_save_faults"};
    const fs::path tDir = tScratch.Path();
    std::string sBasPath, sRCPath, sBas0, sRC0;
    bool bMounted = false;
};

// Runs fn as a user without special rights: an administrator reads any file,
// whatever its mode says. Failures in the child fail the test.
void AsPlainUser(const std::function<void()>& fn) {
    if (geteuid() != 0) {
        fn();
        return;
    }
    std::fflush(nullptr);
    const pid_t lPid = fork();
    if (lPid == 0) {
        const bool bDropped = setgid(65534) == 0 && setuid(65534) == 0;
        if (bDropped) {
            fn();
        }
        std::fflush(nullptr);
        _exit(bDropped && !::testing::Test::HasFailure() ? 0 : 1);
    }
    int lStatus = 0;
    waitpid(lPid, &lStatus, 0);
    EXPECT_TRUE(WIFEXITED(lStatus) && WEXITSTATUS(lStatus) == 0);
}

} // namespace

TEST_F(SaveFaultTest, AnUnreadableCompanionIsReportedKeptAndNeverReplaced) {
    struct tCase {
        const char* szName;
        std::function<void(const fs::path&)> fnDamage;
        const char* szReason;
    };
    const tCase atCase[] = {
        {"no permission", [](const fs::path& t) { fs::permissions(t, fs::perms::none); },
         "Error #70 Permission denied"},
        {"folder",
         [](const fs::path& t) {
             fs::remove(t);
             fs::create_directory(t);
             WriteAll(t / "keep", "mine");
         },
         "Error #75 Path/file access error"},
        {"pipe",
         [](const fs::path& t) {
             fs::remove(t);
             ASSERT_EQ(mkfifo(t.c_str(), 0644), 0);
         },
         "Error #75 Path/file access error"},
    };
    for (const tCase& c : atCase) {
        SCOPED_TRACE(c.szName);
        const fs::path tRC(sRCPath);
        c.fnDamage(tRC);
        const fs::file_type lType = fs::symlink_status(tRC).type();
        AsPlainUser([&] {
            for (const char* szCommand : {"check", "save"}) {
                const tCliRun t = Cli({szCommand, sBasPath});
                EXPECT_EQ(t.lExit, wkExitFailed) << szCommand;
                EXPECT_NE(t.sErr.find(std::string(c.szReason) + "\nwhile trying to open: " +
                                      sRCPath + "\n\n" + gszUnreadCompanionNote),
                          std::string::npos)
                    << t.sErr;
            }
            // The #Resource line stays; a project that now needs its own
            // script does not put it in the unread one's place.
            EXPECT_EQ(ReadAll(sBasPath), sBas0);
            RecordingSeam tSeam(wkAnsYes);
            ASSERT_EQ(OpenFile(sBasPath, wkFileKvl), 1);
            AddStr(AddID("%IDS_NEW", "300", 0), "New");
            EXPECT_EQ(SaveFile(), 0);
            ASSERT_FALSE(tSeam.Reports().empty());
            EXPECT_NE(tSeam.Reports().back().find(sRCPath + " could not be read"),
                      std::string::npos);
            glChanged = 0;
            CloseFile();
        });
        EXPECT_EQ(fs::symlink_status(tRC).type(), lType);
        EXPECT_EQ(ReadAll(sBasPath), sBas0);
        fs::remove_all(tRC);
        WriteAll(tRC, sRC0);
    }
    EXPECT_EQ(ReadAll(sRCPath), sRC0);
    ExpectNoLeftovers();
}

TEST_F(SaveFaultTest, ReadOnlyAndNonPlainTargetsStopTheWholeSave) {
    const std::string sOther = (tDir / "b.bas").string();
    const std::string sOtherRC = (tDir / "b.rc").string();
    struct tCase {
        std::function<void()> fnSetUp;
        std::vector<std::string> asArgs;
        std::string sFailed; // the file the message names
    };
    const tCase atCase[] = {
        {[&] { fs::permissions(sBasPath, fs::perms::owner_read); }, {"save", sBasPath}, sBasPath},
        {[&] { fs::permissions(sRCPath, fs::perms::owner_read); }, {"save", sBasPath}, sRCPath},
        {[&] { ASSERT_EQ(mkfifo(sOtherRC.c_str(), 0644), 0); },
         {"save", sBasPath, "--as", sOther},
         sOtherRC},
        {[&] { fs::create_directory(sOtherRC); }, {"save", sBasPath, "--as", sOther}, sOtherRC},
    };
    for (const tCase& c : atCase) {
        SCOPED_TRACE(c.sFailed);
        c.fnSetUp();
        const fs::file_type lType = fs::symlink_status(c.sFailed).type();
        const fs::perms lMode = fs::symlink_status(c.sFailed).permissions();
        const tCliRun t = Cli(c.asArgs);
        EXPECT_EQ(t.lExit, wkExitFailed);
        EXPECT_NE(t.sErr.find(" while trying to save: " + c.sFailed), std::string::npos) << t.sErr;
        EXPECT_EQ(fs::symlink_status(c.sFailed).type(), lType);
        EXPECT_EQ(fs::symlink_status(c.sFailed).permissions(), lMode);
        EXPECT_FALSE(fs::exists(sOther));
        fs::permissions(sBasPath, fs::perms::owner_all);
        fs::permissions(sRCPath, fs::perms::owner_all);
        fs::remove(sOtherRC);
        ExpectPairUntouched();
    }
}

TEST_F(SaveFaultTest, AFullDiskKeepsBothFiles) {
    const std::string sPair[] = {sBas0, sRC0};
    if (mount("tmpfs", tDir.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "a small file system can be mounted only with administrator rights";
    }
    bMounted = true;
    WriteAll(sBasPath, sPair[0]);
    WriteAll(sRCPath, sPair[1]);
    {
        std::ofstream tFill(tDir / "filler", std::ios::binary);
        const std::string sBlock(4096, 'f');
        while (tFill.write(sBlock.data(), sBlock.size()) && tFill.flush()) {
        }
    }
    const tCliRun t = Cli({"save", sBasPath});
    EXPECT_EQ(t.lExit, wkExitFailed);
    EXPECT_NE(t.sErr.find("Error #61 while trying to save: "), std::string::npos) << t.sErr;
    fs::remove(tDir / "filler");
    ExpectPairUntouched();
}

TEST_F(SaveFaultTest, ASaveKilledBetweenItsTwoReplacementsIsMendedByTheNext) {
    std::fflush(nullptr);
    const pid_t lPid = fork();
    if (lPid == 0) {
        RecordingSeam tSeam(wkAnsYes);
        OpenFile(sBasPath, wkFileKvl);
        AddStr(AddID("%IDS_B", "101", 0), "Bee");
        gpfnAfterCommit = [](const std::string& s) {
            if (s.ends_with(".rc")) {
                _exit(9);
            }
        };
        SaveFile();
        _exit(1);
    }
    int lStatus = 0;
    waitpid(lPid, &lStatus, 0);
    ASSERT_TRUE(WIFEXITED(lStatus) && WEXITSTATUS(lStatus) == 9);
    // The script was replaced first: the old KVL file reads the new strings.
    EXPECT_EQ(ReadAll(sBasPath), sBas0);
    EXPECT_NE(ReadAll(sRCPath).find("\"Bee\""), std::string::npos);
    EXPECT_TRUE(fs::exists(PendingPathOf(sBasPath)));
    WriteAll(sBasPath + ".wk0.tmp", "left by an older save");
    EXPECT_EQ(Cli({"save", sBasPath}).lExit, wkExitOk);
    ExpectNoLeftovers();
    EXPECT_NE(ReadAll(sRCPath).find("\"Bee\""), std::string::npos);
    EXPECT_EQ(Cli({"check", sBasPath}).lExit, wkExitOk);
}

TEST_F(SaveFaultTest, DamagedMarkersAskBeforeUserLinesGo) {
    struct tCase {
        std::string sFile, sFind, sReplace, sLost;
    };
    const tCase atCase[] = {
        // A stray End inside a Dialog block: the function's tail would go.
        {sBasPath, "    Control Add Button", "#Wrenkit End Dialog\r\n    Control Add Button",
         "Dialog Show Modal hDlg, Call ShowDIALOG1Proc To lRslt"},
        // A script that lost the End of its Strings block: the note after it would go.
        {sRCPath, "//#Wrenkit End Strings\r\n", "", "// my own note"},
    };
    for (const tCase& c : atCase) {
        SCOPED_TRACE(c.sLost);
        std::string s = c.sFile == sBasPath ? sBas0 : sRC0;
        s.replace(s.find(c.sFind), c.sFind.size(), c.sReplace);
        WriteAll(c.sFile, s);
        const tCliRun t = Cli({"save", sBasPath});
        EXPECT_EQ(t.lExit, wkExitRefused);
        EXPECT_NE(t.sErr.find(c.sFile + ":\nLine "), std::string::npos) << t.sErr;
        EXPECT_NE(t.sErr.find(": " + c.sLost + "\n"), std::string::npos) << t.sErr;
        EXPECT_NE(t.sErr.find(std::string(gszSaveAnywayQuestion) + " [no]"), std::string::npos);
        EXPECT_EQ(ReadAll(c.sFile), s);
        ExpectNoLeftovers();
        EXPECT_EQ(Cli({"--yes", "save", sBasPath}).lExit, wkExitOk);
        WriteAll(sBasPath, sBas0);
        WriteAll(sRCPath, sRC0);
    }
}

TEST_F(SaveFaultTest, EveryRefusalAndFailedOutputExitsNonZero) {
    // Another file under the --as name is a question, as in the Save As dialog.
    const std::string sOther = (tDir / "d.bas").string();
    WriteAll(sOther, "someone else's");
    EXPECT_EQ(Cli({"save", sBasPath, "--as", sOther}).lExit, wkExitRefused);
    EXPECT_EQ(ReadAll(sOther), "someone else's");
    EXPECT_EQ(Cli({"--yes", "save", sBasPath, "--as", sOther}).lExit, wkExitOk);
    EXPECT_NE(ReadAll(sOther).find("#Wrenkit Created"), std::string::npos);
    // A companion not replaced leaves the save undone in part.
    const std::string sForeign = (tDir / "e.rc").string();
    WriteAll(sForeign, "foreign");
    EXPECT_EQ(Cli({"save", sBasPath, "--as", (tDir / "e.bas").string()}).lExit, wkExitRefused);
    EXPECT_EQ(ReadAll(sForeign), "foreign");
    // Standard output that takes nothing.
    if (std::FILE* pFull = std::fopen("/dev/full", "w")) {
        const tCliRun t = Cli({"view", "kvl", sBasPath}, pFull);
        std::fclose(pFull);
        EXPECT_EQ(t.lExit, wkExitFailed);
        EXPECT_NE(t.sErr.find("could not be written"), std::string::npos);
    }
    ExpectPairUntouched();
}
