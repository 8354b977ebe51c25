// The common dialogs of the file commands: their titles and filters, the
// toolbox kept away while they are open, and a name typed into Save As.
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

} // namespace

TEST_F(FileDialogs, OpenAndImportShowTheirTitlesAndFilters) {
    std::vector<std::string> asOpenTypes;
    std::vector<std::string> asImportTypes;
    tUser.Expect("Select File to Open", IDCANCEL, [&](HWND hDlg) {
        asOpenTypes = FileTypes(hDlg);
        EXPECT_EQ(gaToolboxAllowed, std::vector<int>{0}); // hidden while the dialog is open
    });
    int lType = 0;
    EXPECT_EQ(OpenDialogCmd(hOwner, &lType), "");
    EXPECT_EQ(lType, 1);
    EXPECT_EQ(gaToolboxAllowed, (std::vector<int>{0, 1}));
    EXPECT_EQ(asOpenTypes, std::vector<std::string>{"Basic Files - KVL (*.bas,*.bi,*.inc)"});

    tUser.Expect("Select File to Import", IDCANCEL,
                 [&](HWND hDlg) { asImportTypes = FileTypes(hDlg); });
    EXPECT_EQ(ImportDialogCmd(hOwner), "");
    EXPECT_EQ(asImportTypes, (std::vector<std::string>{
                                 "Source Files (*.bas,*.bi,*.inc,*.rc,*.dlg,*.h,*.frm)",
                                 "Basic Files - KVL (*.bas,*.bi,*.inc)",
                                 "Resource Files - RC (*.rc,*.dlg,*.h)", "VB Form Files (*.frm)"}));
    EXPECT_TRUE(tUser.asUnexpected.empty());
}

TEST_F(FileDialogs, SavingAnUntitledProjectAsksForItsName) {
    const std::string sFolder = MakeTempFolder("wk save as");
    AddID("%IDC_NAMED", "1001", 0);
    tUser.Expect("Save File As", IDOK, [&](HWND hDlg) {
        // What the user types into the name field.
        HWND hName = GetDlgItem(hDlg, edt1);
        if (!hName) {
            hName = GetDlgItem(hDlg, cmb13);
        }
        ASSERT_TRUE(hName);
        SetWindowTextA(hName, (sFolder + "Named.bas").c_str());
    });
    EXPECT_EQ(SaveCmd(hOwner), 1);
    EXPECT_EQ(CurrentFile(), sFolder + "Named.bas");
    EXPECT_NE(ReadFileWhole(sFolder + "Named.bas").find("%IDC_NAMED"), std::string::npos);
    EXPECT_EQ(WindowText(hOwner), "Wrenkit - [" + sFolder + "Named.bas]");
    EXPECT_EQ(ProjectChanged(), 0);

    // Cancelling the name leaves the project changed and unsaved.
    ResetProject();
    AddID("%IDC_UNNAMED", "1002", 0);
    tUser.Expect("Save File As", IDCANCEL);
    EXPECT_EQ(SaveCmd(hOwner), 0);
    EXPECT_EQ(ProjectChanged(), 1);
    EXPECT_TRUE(tUser.asUnexpected.empty());
}
