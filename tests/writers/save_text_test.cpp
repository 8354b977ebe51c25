// Saving generated text: the bytes land exactly, an existing file is replaced
// only by a complete new one, and a failure names the path and keeps the old.
#include "tests/support/recording_seam.h"
#include "tests/support/scratch_folder.h"
#include "writers/save_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>

namespace fs = std::filesystem;

namespace {

class SaveTextTest : public ::testing::Test {
  protected:
    static std::string Read(const fs::path& t) {
        std::ifstream f(t, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
    size_t FileCount() const {
        return static_cast<size_t>(
            std::distance(fs::directory_iterator(tDir), fs::directory_iterator()));
    }

    ScratchFolder tScratch{"wk_save"};
    const fs::path tDir = tScratch.Path();
};

TEST_F(SaveTextTest, WritesBytesExactlyAndReplacesTheOldFile) {
    RecordingSeam tSeam;
    const std::string sPath = (tDir / "demo.bas").string();
    using namespace std::string_literals;
    const std::string sText = "line\r\n\r\nzero\0byte\r\n\xA9 no end"s;
    EXPECT_EQ(SaveTextToFile(std::string(100000, 'x'), sPath), 1);
    EXPECT_EQ(SaveTextToFile(sText, sPath), 1);
    EXPECT_EQ(Read(sPath), sText);
    EXPECT_EQ(SaveTextToFile("", sPath), 1);
    EXPECT_EQ(Read(sPath), "");
    EXPECT_EQ(FileCount(), 1u); // no temporary file left behind
    EXPECT_TRUE(tSeam.Reports().empty());
}

TEST_F(SaveTextTest, TextMadeInPiecesLandsWholeAndIsMadeOnlyWhenItCanBeWritten) {
    RecordingSeam tSeam;
    const std::string sPath = (tDir / "pieces.bas").string();
    std::ofstream(sPath) << "old";
    const std::string sBig(300000, 'y');
    auto Make = [&](const TextPut& fnPut) {
        fnPut("first\r\n");
        fnPut("");
        fnPut(sBig);
        fnPut("\r\nlast");
    };
    EXPECT_EQ(SaveTextPiecesToFile(Make, sPath), 1);
    EXPECT_EQ(Read(sPath), "first\r\n" + sBig + "\r\nlast");
    EXPECT_EQ(FileCount(), 1u);
    // No place for the new file: the text is not made at all and the old file stays.
    bool bMade = false;
    const std::string sMissing = (tDir / "no" / "such.bas").string();
    EXPECT_EQ(SaveTextPiecesToFile([&](const TextPut&) { bMade = true; }, sMissing), 0);
    EXPECT_FALSE(bMade);
    EXPECT_EQ(tSeam.Reports().size(), 1u);
    // A text that cannot be made leaves neither a half file nor a changed old one.
    EXPECT_EQ(SaveTextPiecesToFile(
                  [&](const TextPut& fnPut) {
                      fnPut("half");
                      throw std::bad_alloc();
                  },
                  sPath),
              0);
    EXPECT_EQ(Read(sPath), "first\r\n" + sBig + "\r\nlast");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(SaveTextTest, FailureNamesThePathAndKeepsWhatWasThere) {
    RecordingSeam tSeam;
    // The name is taken by a folder holding the user's work: replacing fails.
    const fs::path tTaken = tDir / "taken.bas";
    fs::create_directories(tTaken);
    std::ofstream(tTaken / "keep.txt") << "precious";
    EXPECT_EQ(SaveTextToFile("new text", tTaken.string()), 0);
    EXPECT_EQ(Read(tTaken / "keep.txt"), "precious");
    EXPECT_EQ(FileCount(), 1u);
    // A folder that does not exist.
    const std::string sMissing = (tDir / "no" / "such.bas").string();
    EXPECT_EQ(SaveTextToFile("x", sMissing), 0);
    ASSERT_EQ(tSeam.Reports().size(), 2u);
    for (const auto& [sMsg, sPath] : {std::pair{tSeam.Reports()[0], tTaken.string()},
                                      std::pair{tSeam.Reports()[1], sMissing}}) {
        EXPECT_TRUE(sMsg.starts_with("Error #")) << sMsg;
        EXPECT_TRUE(sMsg.ends_with(" while trying to save: " + sPath)) << sMsg;
    }
    EXPECT_EQ(tSeam.Events()[0].lFlags, static_cast<unsigned>(wkIconExclamation));
    EXPECT_EQ(SaveTextToFile("x", ""), 0);
    EXPECT_EQ(tSeam.Reports().back(), "Error #75 while trying to save: ");
}

TEST_F(SaveTextTest, ALinkIsSavedThrough) {
    RecordingSeam tSeam;
    const fs::path tReal = tDir / "real.bas";
    const fs::path tLink = tDir / "link.bas";
    std::ofstream(tReal) << "old";
    std::error_code ec;
    fs::create_symlink(tReal, tLink, ec);
    if (ec) {
        GTEST_SKIP() << "no symbolic links here";
    }
    EXPECT_EQ(SaveTextToFile("new", tLink.string()), 1);
    EXPECT_TRUE(fs::is_symlink(tLink));
    EXPECT_EQ(Read(tReal), "new");
}

} // namespace
