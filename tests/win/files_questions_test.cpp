// The questions and dialogs of the file commands as real windows, answered
// the way a user would: "Save current changes?" and the companion script's
// replace question through the program's message boxes, and the common
// dialogs' titles and filters with the toolbox kept away while they are open.
// (The flows behind them have portable tests with scripted answers.)
#include "tests/win/files_support.h"

#include <dlgs.h>

namespace {

std::vector<int> gaToolboxAllowed;

// The entries of the dialog's file type list.
std::vector<std::string> FileTypes(HWND hDlg) {
    std::vector<std::string> as;
    HWND hCombo = GetDlgItem(hDlg, cmb1);
    const int n = hCombo ? static_cast<int>(SendMessageA(hCombo, CB_GETCOUNT, 0, 0)) : 0;
    for (int i = 0; i < n; ++i) {
        char sz[256] = {};
        SendMessageA(hCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(sz));
        as.push_back(sz);
    }
    return as;
}

class FileDialogs : public FilesTest {
  protected:
    void SetUp() override {
        FilesTest::SetUp();
        gaToolboxAllowed.clear();
        gpfnSetToolboxAllowed = [](int lAllowed) { gaToolboxAllowed.push_back(lAllowed); };
    }
    void TearDown() override {
        gpfnSetToolboxAllowed = nullptr;
        FilesTest::TearDown();
    }
};

class FileQuestions : public FilesTest {
  protected:
    void SetUp() override {
        FilesTest::SetUp();
        sFolder = MakeTempFolder("wk files questions");
        SetProgramFolder(sFolder); // no RC.EXE there
    }
    std::string sFolder;
};

} // namespace

TEST_F(FileQuestions, SaveCurrentChangesWithCancelNoAndYes) {
    AddID("%IDC_KEEP", "1001", 0);
    ASSERT_EQ(glChanged, 1);

    Answer("Wrenkit", IDCANCEL);
    EXPECT_EQ(CloseFileCmd(hOwner), 0);
    EXPECT_NE(FindIDByName("%IDC_KEEP"), 0);
    ASSERT_EQ(SeenBoxes().size(), 1u);
    EXPECT_EQ(SeenBoxes()[0].sText, "Save current changes?");

    Answer("Wrenkit", IDNO);
    EXPECT_EQ(CloseFileCmd(hOwner), 1);
    EXPECT_EQ(FindIDByName("%IDC_KEEP"), 0);
    EXPECT_EQ(glChanged, 0);

    // Yes saves to the current file first.
    SetCurrentFile(sFolder + "Saved.bas", 1);
    AddID("%IDC_SAVED", "1002", 0);
    Answer("Wrenkit", IDYES);
    EXPECT_EQ(CloseFileCmd(hOwner), 1);
    EXPECT_NE(ReadFileWhole(sFolder + "Saved.bas").find("%IDC_SAVED"), std::string::npos);
    EXPECT_EQ(CurrentFile(), "");
    EXPECT_TRUE(ModalWatches().empty());
}

TEST_F(FileQuestions, CompanionScriptIsReplacedOnlyWhenTheUserSaysYes) {
    AddStr(AddID("%IDS_HELLO", "200", 0), "Hello");
    WriteFileText(sFolder + "App.rc", "someone else's script");
    SetCurrentFile(sFolder + "App.bas", 1);

    Answer("Wrenkit", IDNO);
    EXPECT_EQ(SaveCmd(hOwner), 1);
    ASSERT_EQ(SeenBoxes().size(), 1u);
    EXPECT_EQ(SeenBoxes()[0].sText, sFolder + "App.rc already exists.\rDo you want to replace it?");
    EXPECT_EQ(SeenBoxes()[0].lDefId, IDNO); // the safe answer is the default
    EXPECT_EQ(ReadFileWhole(sFolder + "App.rc"), "someone else's script");
    EXPECT_TRUE(Exists(sFolder + "App.bas"));
    EXPECT_EQ(glChanged, 0);

    // Yes writes the script and compiles it: without RC.EXE in the program's
    // folder that is one message, and the script stays written.
    glChanged = 1;
    Answer("Wrenkit", IDYES);
    Answer("Wrenkit", IDOK);
    EXPECT_EQ(SaveCmd(hOwner), 1);
    ASSERT_EQ(SeenBoxes().size(), 3u);
    EXPECT_EQ(SeenBoxes()[2].sText, "Can't find resource compiler: " + sFolder + "RC.EXE");
    EXPECT_NE(ReadFileWhole(sFolder + "App.rc").find("Hello"), std::string::npos);
}

TEST_F(FileDialogs, OpenAndImportShowTheirTitlesAndFilters) {
    std::vector<std::string> asOpenTypes;
    std::vector<std::string> asImportTypes;
    Answer("Select File to Open", IDCANCEL, [&](HWND hDlg) {
        asOpenTypes = FileTypes(hDlg);
        EXPECT_EQ(gaToolboxAllowed, std::vector<int>{0}); // hidden while the dialog is open
    });
    int lType = 0;
    EXPECT_EQ(OpenDialogCmd(hOwner, &lType), "");
    EXPECT_EQ(lType, 1);
    EXPECT_EQ(gaToolboxAllowed, (std::vector<int>{0, 1}));
    EXPECT_EQ(asOpenTypes, std::vector<std::string>{"Basic Files - KVL (*.bas,*.bi,*.inc)"});

    Answer("Select File to Import", IDCANCEL, [&](HWND hDlg) { asImportTypes = FileTypes(hDlg); });
    EXPECT_EQ(ImportDialogCmd(hOwner), "");
    EXPECT_EQ(asImportTypes, (std::vector<std::string>{
                                 "Source Files (*.bas,*.bi,*.inc,*.rc,*.dlg,*.h,*.frm)",
                                 "Basic Files - KVL (*.bas,*.bi,*.inc)",
                                 "Resource Files - RC (*.rc,*.dlg,*.h)", "VB Form Files (*.frm)"}));
}
