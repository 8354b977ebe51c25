// Reading never writes: opening or importing a damaged file, a file too large
// to read, or a file in a folder of other project files leaves every file on
// disk as it was, whatever the reader made of the text.
#include "hostile_fixture.h"

#include "app/files/file_ops.h"
#include "model/path_rules.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recording_seam.h"

#include <filesystem>
#include <map>

namespace {

namespace fs = std::filesystem;

struct tFileState {
    std::string sBytes;
    fs::file_time_type tTime;
    bool operator==(const tFileState&) const = default;
};

std::map<std::string, tFileState> Snapshot(const fs::path& tDir) {
    std::map<std::string, tFileState> m;
    for (const fs::directory_entry& e : fs::directory_iterator(tDir)) {
        m[e.path().filename().string()] = {ReadAll(e.path()), e.last_write_time()};
    }
    return m;
}

class ReadNeverWritesTest : public HostileTest {
  protected:
    void SetUp() override { HostileTest::SetUp(); }
    void TearDown() override {
        {
            RecordingSeam tQuiet(wkAnsNo);
            glChanged = 0;
            CloseFile();
        }
        HostileTest::TearDown();
    }
    std::string Put(const std::string& sName, const std::string& sBytes) {
        WriteAll(tDir / sName, sBytes);
        return (tDir / sName).string();
    }

    ScratchFolder tScratch{"wk_hostile_read_never_writes"};
    const fs::path tDir = tScratch.Path();
};

} // namespace

TEST_F(ReadNeverWritesTest, DamagedFilesOpenWithoutTouchingAnyFile) {
    const std::string sMarked = "'#Wrenkit Created\r\n'#Wrenkit Begin Includes\r\n"
                                "#Resource \"app.rc\"\r\n'#Wrenkit Begin Dialog %IDD_A\r\n"
                                "%IDD_A = 100\r\nDialog New 0, \"A\", 0, 0, 10";
    const std::string aFile[][2] = {
        {"app.bas", sMarked},                                     // cut inside a block
        {"app.rc", "//#Wrenkit Created\r\n//#Wrenkit Begin Dia"}, // its companion, cut too
        {"bin.bas", std::string("\0\x01\xFF\xFE'#Wrenkit\0", 14)},
        {"form.frm", "VERSION 5.00\r\nBegin VB.Form F\r\n   Begin VB.Menu"},
        {"cut.rc", "#define IDD_A 100\nIDD_A DIALOG 0, 0, 10, 10\n{\n LTEXT \"x"},
        {"cut.dlg", "/* never closed"},
    };
    for (const auto& as : aFile) {
        Put(as[0], as[1]);
    }
    const auto mBefore = Snapshot(tDir);
    for (const auto& as : aFile) {
        SCOPED_TRACE(as[0]);
        for (int lAnswer : {wkAnsYes, wkAnsNo}) {
            RecordingSeam tSeam(lAnswer);
            const std::string sPath = (tDir / as[0]).string();
            if (FileTypeOf(sPath) == wkFileKvl) {
                OpenFile(sPath, wkFileKvl);
            }
            ImportFile(sPath);
            glChanged = 0;
            CloseFile();
        }
    }
    EXPECT_TRUE(Snapshot(tDir) == mBefore);
}

TEST_F(ReadNeverWritesTest, AFileTooLargeIsRefusedWithAMessageAndNothingWritten) {
    const std::string sPath = Put("big.bas", "%IDD_A = 100\r\n" + std::string(5000, '\'') + "\r\n");
    Put("big.rc", "#define IDD_A 100\n");
    const auto mBefore = Snapshot(tDir);
    glMaxSourceBytes = 1000;
    RecordingSeam tSeam;
    EXPECT_EQ(OpenFile(sPath, wkFileKvl), 0);
    EXPECT_EQ(ImportFile((tDir / "big.rc").string()), 1); // small enough
    glMaxSourceBytes = 10;
    tSeam.ExpectAsk("Save current changes?", wkAnsNo);
    EXPECT_EQ(ImportFile((tDir / "big.rc").string()), 0);
    EXPECT_GE(tSeam.Reports().size(), 2u);
    EXPECT_TRUE(Snapshot(tDir) == mBefore);
}
