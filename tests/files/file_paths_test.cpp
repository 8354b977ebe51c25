// Path rules, the companion-script rule, the results texts and the pure parts
// of resource compilation.
#include "app/files/file_ops.h"
#include "app/files/file_times.h"
#include "app/files/import_results.h"
#include "app/files/rc_compile.h"
#include "app/settings/profile.h"
#include "edit/data_files.h"
#include "model/path_rules.h"
#include "model/version_info.h"
#include "tests/files/files_fixture.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>

TEST(FilePaths, TypesAndCompanionFollowTheFileNameOnly) {
    EXPECT_EQ(FileTypeOf("C:\\src\\Main.Bas"), wkFileKvl);
    EXPECT_EQ(FileTypeOf("x.inc"), wkFileKvl);
    EXPECT_EQ(FileTypeOf("x.bi"), wkFileKvl);
    EXPECT_EQ(FileTypeOf("res.DLG"), wkFileRC);
    EXPECT_EQ(FileTypeOf("ids.h"), wkFileRC);
    EXPECT_EQ(FileTypeOf("Form1.frm"), wkFileForm);
    EXPECT_EQ(FileTypeOf("notes.txt"), wkFileNone);
    EXPECT_EQ(FileTypeOf("Makefile"), wkFileNone);
    // The last "." decides, and a "." in a folder name is no extension.
    EXPECT_EQ(FileTypeOf("archive.bas.txt"), wkFileNone);
    EXPECT_EQ(FileTypeOf("C:\\proj.bas\\readme"), wkFileNone);

    EXPECT_EQ(CompanionPath("C:\\My Files\\app.v2.bas"), "C:\\My Files\\app.v2.rc");
    EXPECT_EQ(CompanionPath("C:\\src\\main"), "C:\\src\\main.rc");
    // Never a file outside the source's folder.
    EXPECT_EQ(CompanionPath("C:\\my.dir\\main"), "C:\\my.dir\\main.rc");
    EXPECT_EQ(CompanionPath("/tmp/x.y/prog"), "/tmp/x.y/prog.rc");
    EXPECT_EQ(ReplaceExtension("C:\\a\\app.rc", ".kvr"), "C:\\a\\app.kvr");
    EXPECT_EQ(FolderOf("C:\\a\\b.bas"), "C:\\a\\");
    EXPECT_EQ(FolderOf("D:b.bas"), "D:");
    EXPECT_EQ(FolderOf("b.bas"), "");
}

TEST(FileTimes, MissingFileHasNoTimeAndNoChange) {
    EXPECT_EQ(LastWriteTime(""), 0u);
    EXPECT_EQ(LastWriteTime("/no/such/dir/file.bas"), 0u);
    EXPECT_FALSE(ChangedOnDisk(0, 1234));
    EXPECT_FALSE(ChangedOnDisk(1234, 1234));
    EXPECT_TRUE(ChangedOnDisk(1235, 1234));
    EXPECT_TRUE(ChangedOnDisk(1235, 0));
}

using CompanionRule = FilesTest;

TEST_F(CompanionRule, StringsVersionInfoOrImagesNeedAScript) {
    EXPECT_EQ(NeedsCompanionScript(), 0);
    const int32_t lDlg = NewDialog("%IDD_DIALOG1", "101", "Dialog1", 0, 0, 100, 50);
    const int32_t lRow = NewControl(lDlg, wkCtlImage, "%IDC_IMAGE1", "1001", "", 5, 5, 20, 20);
    EXPECT_EQ(NeedsCompanionScript(), 0);
    gatDlg.W(lRow).lDataResElem = NewRes("%IDR_IMGFILE1", "102", wkResBitmap);
    EXPECT_EQ(NeedsCompanionScript(), 1);
    // A deleted control no longer holds its image in the project.
    DeleteDlgRow(lRow);
    EXPECT_EQ(NeedsCompanionScript(), 0);
    NewVersionInfo(0x040904B0);
    EXPECT_EQ(NeedsCompanionScript(), 1);
    ResetVersionInfo();
    AddStr(AddID("%IDS_HELLO", "200", 0), "Hello");
    EXPECT_EQ(NeedsCompanionScript(), 1);
}

using ImportResults = FilesTest;

TEST_F(ImportResults, CountsOnlyWhatWasAddedAndClearsAfterwards) {
    BuildExampleProject();
    ResetImportCounters(); // the option is on by default
    AddStr(AddID("%IDS_ONE", "300", 0), "One");
    ShowImportResults();
    ASSERT_EQ(asResults.size(), 1u);
    EXPECT_EQ(asResults[0], "ID Count:            \rResource Count:      \r"
                            "Dialog/Control Count:\rMenu Member Count:   \r"
                            "Accelerator Count:   \rString Count:        \r"
                            "Version Block Count: |1\r0\r0\r0\r0\r1\r0");
    EXPECT_EQ(gtImportCounts, tImportCounts{});

    // With the option off nothing is recorded and no box appears.
    gtOptions.lImportResults = 0;
    ResetImportCounters();
    EXPECT_EQ(gtImportCounts, tImportCounts{});
    ShowImportResults();
    EXPECT_EQ(asResults.size(), 1u);
}

TEST(RcCompile, IncludeDirectoriesFromTheIdeSettings) {
    EXPECT_EQ(QuoteIncludeDir("   "), "");
    EXPECT_EQ(QuoteIncludeDir("  C:\\KV\\Include  "), "\"C:\\KV\\Include\"");
    EXPECT_EQ(QuoteIncludeDir("\"C:\\Program Files\\inc\" junk"), "\"C:\\Program Files\\inc\"");
    EXPECT_EQ(QuoteIncludeDir("\"C:\\open"), "\"C:\\open\"");

    const ScratchFolder tScratch("wk_files_kvwin");
    const std::string sIni = tScratch.File("KVWIN.INI");
    ProfileWriteString(sIni, "Compiler", "RcInclude0", "");
    ProfileWriteString(sIni, "Compiler", "RcInclude1", "C:\\SDK\\Include");
    ProfileWriteString(sIni, "Compiler", "RcInclude9", "\"D:\\Win Inc\"");
    ProfileWriteString(sIni, "Other", "RcInclude2", "E:\\ignored");
    const std::vector<std::string> asDirs = RcIncludeDirs(sIni);
    std::filesystem::remove(sIni);
    ASSERT_EQ(asDirs.size(), 2u);
    EXPECT_EQ(RcCommandLine("C:\\WK\\RC.EXE", asDirs, "C:\\My Src\\app.rc"),
              "\"C:\\WK\\RC.EXE\" /x  /i \"C:\\SDK\\Include\" /i \"D:\\Win Inc\" "
              "\"C:\\My Src\\app.rc\"");
    EXPECT_EQ(RcCommandLine("C:\\WK\\RC.EXE", {}, "a.rc"), "\"C:\\WK\\RC.EXE\" /x  \"a.rc\"");
    EXPECT_EQ(KvresCommandLine("C:\\WK\\KVRES.EXE", "C:\\My Src\\app.res"),
              "\"C:\\WK\\KVRES.EXE\" \"C:\\My Src\\app.res\"");
    EXPECT_EQ(ProgramFolderOf("C:\\Tools\\WRENKIT.EXE"), "C:\\Tools\\");
    EXPECT_EQ(ProgramFolderOf("C:WRENKIT.EXE"), "C:");
}

TEST(RcCompile, LogDecidesSuccessAndIsShownWithoutDoubledBreaks) {
    EXPECT_EQ(RcLogSucceeded(wkLogRead, ""), 1);
    EXPECT_EQ(RcLogSucceeded(wkLogRead, "app.rc(3) : warning RC4005: redefinition\r\n"), 1);
    EXPECT_EQ(RcLogSucceeded(wkLogRead, "app.rc(7) : error RC2104 : undefined keyword\r\n"), 0);
    // The failure cases never count as success, even with nothing to show.
    EXPECT_EQ(RcLogSucceeded(wkLogMissing, ""), 0);
    EXPECT_EQ(RcLogSucceeded(wkLogUnreadable, ""), 0);
    EXPECT_EQ(RcLogMessage(wkLogMissing, ""), "Can't find resource compiler results.");
    EXPECT_EQ(RcLogMessage(wkLogUnreadable, ""), "Can't access resource compiler results.");
    // The log is taken whole and deleted; a missing one is told apart.
    const ScratchFolder tScratch("wk_files_compile");
    const std::string sLog = tScratch.File("app.rclog");
    std::string sText = "stale";
    EXPECT_EQ(TakeCompilerLog(sLog, sText), wkLogMissing);
    EXPECT_EQ(sText, "");
    std::ofstream(sLog, std::ios::binary) << std::string("warning\r\n\0x", 12);
    EXPECT_EQ(TakeCompilerLog(sLog, sText), wkLogRead);
    EXPECT_EQ(sText, std::string("warning\r\n\0x", 12));
    EXPECT_FALSE(std::filesystem::exists(sLog));
    EXPECT_EQ(RcLogMessage(wkLogRead, "a\r\n\r\nb\r\nc\r\n\r\n\r\n\r\nd"), "a\r\nb\r\nc\r\n\r\nd");
}
