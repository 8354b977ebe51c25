// Generated text on the clipboard as CF_TEXT, a clipboard held by another
// program, and the "Import from Clipboard" dialog with its results box.
#include "app/file_dialog_ids.h"
#include "model/options.h"
#include "resources/resource_ids.h"
#include "tests/win/files_support.h"

#include <cstring>
#include <thread>

namespace {

// The clipboard's CF_TEXT bytes up to and including the first zero byte.
std::string ClipboardBytes() {
    std::string s;
    if (!OpenClipboard(nullptr)) {
        return "<not open>";
    }
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        const char* p = static_cast<const char*>(GlobalLock(h));
        const SIZE_T lSize = GlobalSize(h);
        const std::size_t lLen = strnlen(p, lSize);
        s.assign(p, lLen < lSize ? lLen + 1 : lLen);
        GlobalUnlock(h);
    }
    CloseClipboard();
    return s;
}

// The import from the clipboard ends with its results window, as at first start.
class ClipboardTest : public FilesTest {
  protected:
    void SetUp() override {
        FilesTest::SetUp();
        ResetOptions();
    }
};

} // namespace

TEST_F(ClipboardTest, TextGoesOnTheClipboardWithOneZeroByte) {
    ASSERT_EQ(PutTextOnClipboard("Dim x As Long\r\n"), 1);
    EXPECT_EQ(ClipboardBytes(), std::string("Dim x As Long\r\n", 15) + '\0');
    ASSERT_EQ(PutTextOnClipboard(std::string("ends\0", 5)), 1);
    EXPECT_EQ(ClipboardBytes(), std::string("ends\0", 5));

    // A section of generated code through the menu command.
    AddID("%IDC_OKBUTTON", "1001", 0);
    ClipboardCmd(hOwner, IDM_CLIP_KVL_CONST);
    const std::string sClip = ClipboardBytes();
    EXPECT_NE(sClip.find("%IDC_OKBUTTON"), std::string::npos);
    EXPECT_NE(sClip.find("\r\n"), std::string::npos);
    EXPECT_EQ(sClip.back(), '\0');
}

TEST_F(ClipboardTest, ClipboardHeldByAnotherProgramIsReported) {
    HANDLE hHeld = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE hRelease = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread tOther([&] {
        HWND hWnd = CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        OpenClipboard(hWnd);
        SetEvent(hHeld);
        WaitForSingleObject(hRelease, 10000);
        CloseClipboard();
        DestroyWindow(hWnd);
    });
    WaitForSingleObject(hHeld, 10000);
    Answer("Wrenkit", IDOK);
    EXPECT_EQ(PutTextOnClipboard("lost?"), 0);
    SetEvent(hRelease);
    tOther.join();
    CloseHandle(hHeld);
    CloseHandle(hRelease);
    ASSERT_EQ(SeenBoxes().size(), 1u);
    EXPECT_EQ(SeenBoxes()[0].sText, "Cannot open clipboard");
}

TEST_F(ClipboardTest, ImportFromClipboardDetectsTheFormatAndCountsWhatItAdded) {
    AddID("%IDC_THERE", "1000", 0);
    ASSERT_EQ(PutTextOnClipboard("%IDC_NEWONE = 1234\r\n%IDC_NEWTWO = 1235\r\n"), 1);
    std::string sShown;
    Answer("Import from Clipboard", IDOK, [&](HWND hDlg) {
        EXPECT_EQ(IsDlgButtonChecked(hDlg, IDC_IMPORT_KVL), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(hDlg, IDC_IMPORT_RC), BST_UNCHECKED);
        EXPECT_EQ(lstrcmpiA(WindowClassName(GetDlgItem(hDlg, IDC_IMPORT_TEXT)).c_str(), "RichEdit"),
                  0);
        EXPECT_NE(GetPropA(GetDlgItem(hDlg, IDC_IMPORT_TEXT), "SubClassProc"), nullptr);
        EXPECT_FALSE(SaveWindowScreenshot(hDlg, "import_clipboard").empty());
    });
    Answer("Open/Import Results", IDOK, [&](HWND hDlg) {
        sShown = WindowText(GetDlgItem(hDlg, IDC_RESULTS_NUMBERS));
        EXPECT_FALSE(SaveWindowScreenshot(hDlg, "import_results").empty());
    });
    ImportFromClipboardCmd(hOwner);
    EXPECT_TRUE(ModalWatches().empty());
    EXPECT_NE(FindIDByName("%IDC_THERE"), 0); // the project is kept
    EXPECT_NE(FindIDByName("%IDC_NEWONE"), 0);
    EXPECT_NE(FindIDByName("%IDC_NEWTWO"), 0);
    EXPECT_EQ(sShown.substr(0, 3), "2\r\n");
}
