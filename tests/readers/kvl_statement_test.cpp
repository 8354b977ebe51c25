// Reading KVL sources: what the statements read into is in the
// tests/data/read/*.bas goldens; here the companion script, image references
// and the file reading.
#include "tests/readers/reader_fixture.h"

#include "readers/file_text.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

using KvlStatements = ReaderTest;

TEST_F(KvlStatements, CompanionScriptIsReadFromTheFilesFolder) {
    const ScratchFolder tScratch("wk_readers_companion");
    const std::string sFolder = tScratch.File("");
    {
        FILE* p = std::fopen((sFolder + "app.rc").c_str(), "wb");
        ASSERT_NE(p, nullptr);
        const std::string sScript =
            Crlf("//#Wrenkit Created\n//#Wrenkit Begin Constants \n#define IDS_HELLO 2001\n"
                 "//#Wrenkit End Constants\n//#Wrenkit Begin Strings \n"
                 "STRINGTABLE\nBEGIN\n    IDS_HELLO \"Hello\"\nEND\n//#Wrenkit End Strings\n");
        std::fwrite(sScript.data(), 1, sScript.size(), p);
        std::fclose(p);
    }
    ASSERT_EQ(
        LoadKVL(Marked("#Wrenkit Begin Includes \n#Resource \"app.kvr\"\n#Resource \"app.kvr\"\n"
                       "#Wrenkit End Includes\n"),
                1, 0, sFolder + "app.bas"),
        1);
    EXPECT_EQ(glStrCnt, 1);     // read once, however often the line stands there
    EXPECT_EQ(glRCBlockCnt, 3); // Created, Constants, Strings
    EXPECT_EQ(CompanionScriptPath("C:\\src\\app.bas", ".\\sub\\other.kvr"), "C:\\src\\other.rc");
    EXPECT_EQ(CompanionScriptPath("app.bas", "noext"), "noext.rc");
}

TEST_F(KvlStatements, ReadFileTextReportsWhatWentWrong) {
    RecordingSeam tSeam;
    const ScratchFolder tScratch("wk_readers_text");
    const std::string sFolder = tScratch.File("");
    const std::string sFile = sFolder + "text.bas";
    {
        FILE* p = std::fopen(sFile.c_str(), "wb");
        ASSERT_NE(p, nullptr);
        std::fwrite("a\0b\r\n", 1, 5, p);
        std::fclose(p);
    }
    EXPECT_EQ(ReadFileText(sFile), std::string("a\0b\r\n", 5));
    EXPECT_TRUE(tSeam.Reports().empty());
    glMaxSourceBytes = 4; // larger than the block positions could hold
    std::string sText = "old";
    EXPECT_EQ(ReadFileText(sFile, sText), 0);
    EXPECT_EQ(sText, "");
    glMaxSourceBytes = 0x7FFFFFFE;
    EXPECT_EQ(ReadFileText(sFolder + "no_such_file.bas"), "");
    EXPECT_EQ(ReadFileText(sFolder), "");
    ASSERT_EQ(tSeam.Reports().size(), 3u);
    EXPECT_EQ(tSeam.Reports()[0], "Error #7 Out of memory\r\nwhile trying to open: " + sFile);
    EXPECT_EQ(tSeam.Reports()[1],
              "Error #53 File not found\r\nwhile trying to open: " + sFolder + "no_such_file.bas");
    EXPECT_EQ(tSeam.Reports()[2].substr(0, 10), "Error #75 ");
}

TEST_F(KvlStatements, AnImageReferenceNamesOnlyAPlainResource) {
    EXPECT_EQ(ImageRefIDName("\"#\" + Format$(%IDR_A + 1)"), "");
    EXPECT_EQ(ImageRefIDName("\"#\" + format$( %IDR_A )"), "%IDR_A");
}
