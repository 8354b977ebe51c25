// The questions of the file commands as real message boxes, answered the way a
// user would: "Save current changes?", the companion script's replace question
// and the reload question after another program touched the file.
#include "tests/win/files_support.h"

namespace {

class FileQuestions : public FilesTest {
  protected:
    void SetUp() override {
        FilesTest::SetUp();
        sFolder = MakeTempFolder("wk files questions");
        SetProgramFolder(sFolder); // no RC.EXE there
    }
    std::string sFolder;
};

void Touch(const std::string& sPath, int lSeconds) {
    HANDLE h = CreateFileA(sPath.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FILETIME ft;
    GetFileTime(h, nullptr, nullptr, &ft);
    ULARGE_INTEGER u{{ft.dwLowDateTime, ft.dwHighDateTime}};
    u.QuadPart += static_cast<ULONGLONG>(lSeconds) * 10000000ull;
    ft.dwLowDateTime = u.LowPart;
    ft.dwHighDateTime = u.HighPart;
    SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
}

} // namespace

TEST_F(FileQuestions, SaveCurrentChangesWithCancelNoAndYes) {
    AddID("%IDC_KEEP", "1001", 0);
    ASSERT_EQ(glChanged, 1);

    tUser.Expect("Wrenkit", IDCANCEL);
    EXPECT_EQ(CloseFileCmd(hOwner), 0);
    EXPECT_NE(FindIDByName("%IDC_KEEP"), 0);
    ASSERT_EQ(tUser.atSeen.size(), 1u);
    EXPECT_EQ(tUser.atSeen[0].sText, "Save current changes?");

    tUser.Expect("Wrenkit", IDNO);
    EXPECT_EQ(CloseFileCmd(hOwner), 1);
    EXPECT_EQ(FindIDByName("%IDC_KEEP"), 0);
    EXPECT_EQ(glChanged, 0);

    // Yes saves to the current file first.
    SetCurrentFile(sFolder + "Saved.bas", 1);
    AddID("%IDC_SAVED", "1002", 0);
    tUser.Expect("Wrenkit", IDYES);
    EXPECT_EQ(CloseFileCmd(hOwner), 1);
    EXPECT_NE(ReadFileWhole(sFolder + "Saved.bas").find("%IDC_SAVED"), std::string::npos);
    EXPECT_EQ(CurrentFile(), "");
    EXPECT_TRUE(tUser.AllAnswered());
    EXPECT_TRUE(tUser.asUnexpected.empty());
}

TEST_F(FileQuestions, CompanionScriptIsReplacedOnlyWhenTheUserSaysYes) {
    AddStr(AddID("%IDS_HELLO", "200", 0), "Hello");
    WriteFileText(sFolder + "App.rc", "someone else's script");
    SetCurrentFile(sFolder + "App.bas", 1);

    tUser.Expect("Wrenkit", IDNO);
    EXPECT_EQ(SaveCmd(hOwner), 1);
    ASSERT_EQ(tUser.atSeen.size(), 1u);
    EXPECT_EQ(tUser.atSeen[0].sText,
              sFolder + "App.rc already exists.\rDo you want to replace it?");
    EXPECT_EQ(tUser.atSeen[0].lDefId, IDNO); // the safe answer is the default
    EXPECT_EQ(ReadFileWhole(sFolder + "App.rc"), "someone else's script");
    EXPECT_TRUE(Exists(sFolder + "App.bas"));
    EXPECT_EQ(glChanged, 0);

    // Yes writes the script and compiles it: without RC.EXE in the program's
    // folder that is one message, and the script stays written.
    glChanged = 1;
    tUser.Expect("Wrenkit", IDYES);
    tUser.Expect("Wrenkit", IDOK);
    EXPECT_EQ(SaveCmd(hOwner), 1);
    ASSERT_EQ(tUser.atSeen.size(), 3u);
    EXPECT_EQ(tUser.atSeen[2].sText, "Can't find resource compiler: " + sFolder + "RC.EXE");
    EXPECT_NE(ReadFileWhole(sFolder + "App.rc").find("Hello"), std::string::npos);
    EXPECT_TRUE(tUser.asUnexpected.empty());
}

TEST_F(FileQuestions, ReloadIsAskedOncePerChangeByAnotherProgram) {
    AddID("%IDC_FIRST", "1001", 0);
    SetCurrentFile(sFolder + "Watched.bas", 1);
    ASSERT_EQ(SaveCmd(hOwner), 1);
    ChangedOnDiskCheck(hOwner);
    PumpMessages(200);
    EXPECT_TRUE(tUser.atSeen.empty());

    Touch(sFolder + "Watched.bas", 5);
    tUser.Expect("Wrenkit", IDNO);
    ChangedOnDiskCheck(hOwner);
    ChangedOnDiskCheck(hOwner); // switching away and back without a further change
    PumpMessages(200);
    ASSERT_EQ(tUser.atSeen.size(), 1u);
    EXPECT_EQ(tUser.atSeen[0].sText,
              sFolder + "Watched.bas\rFile was changed by another application. Reload it?");

    // Another change, and Yes: the file comes back as it is on disk.
    AddID("%IDC_UNSAVED", "1002", 0);
    Touch(sFolder + "Watched.bas", 10);
    tUser.Expect("Wrenkit", IDYES);
    ChangedOnDiskCheck(hOwner);
    EXPECT_EQ(tUser.atSeen.size(), 2u);
    EXPECT_EQ(FindIDByName("%IDC_UNSAVED"), 0);
    EXPECT_NE(FindIDByName("%IDC_FIRST"), 0);
    EXPECT_EQ(CurrentFile(), sFolder + "Watched.bas");
    EXPECT_EQ(ProjectChanged(), 0);
    EXPECT_TRUE(tUser.asUnexpected.empty());
}
