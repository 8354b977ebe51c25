// The Menu Editor and the Version Info Editor, driven as a user would: real
// keys into the hot-key control, the test window's real menu, and the code
// and scripts written from what was entered.
#include "tests/win/user_input.h"

#include "edit/menu_edits.h"
#include "editors/editor_ids.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"

#include <fstream>

namespace {

using Editors = ShellTest;

// Types into a field as the user does: focus, text, and the focus moved on.
void Type(HWND hDlg, int lId, const char* sz, int lNext) {
    SetFocus(GetDlgItem(hDlg, lId));
    SetDlgItemTextA(hDlg, lId, sz);
    SetFocus(GetDlgItem(hDlg, lNext));
}

WORD Hotkey(HWND hDlg) {
    return LOWORD(SendDlgItemMessageA(hDlg, IDC_MNU_HOTKEY, HKM_GETHOTKEY, 0, 0));
}

std::string ListLine(HWND hDlg, int lPos) {
    char sz[256] = "";
    SendDlgItemMessageA(hDlg, IDC_MNU_LIST, LB_GETTEXT, static_cast<WPARAM>(lPos),
                        reinterpret_cast<LPARAM>(sz));
    return sz;
}

// A file for the artefacts folder; the scripts there compile against the
// system's headers through the header they name.
void SaveArtifact(const std::string& sName, const std::string& sText) {
    CreateDirectoryA(ArtifactsDir().c_str(), nullptr);
    std::ofstream(ArtifactsDir() + "/Resource.h", std::ios::binary) << "#include <windows.h>\n";
    std::ofstream(ArtifactsDir() + "/" + sName, std::ios::binary) << sText;
}

TEST_F(Editors, MenuWithKeysBuiltInTheEditorRunsAndIsWritten) {
    ASSERT_TRUE(CreateShown());
    const int32_t lDialog = MakeDialog(1);
    UpdateCommands();
    ASSERT_TRUE(MenuEnabled(IDM_MENUEDITOR));

    WORD wPlainA = 0;
    WORD wCtrlO = 0;
    std::string sProposed;
    std::vector<std::string> asLines;
    bool bNextWaitsForCaption = false;
    WatchFor("Menu Editor - [%IDR_MENU1]", [&](HWND hDlg) {
        SetForegroundWindow(hDlg);
        // The new menu's one item is a pop-up.
        Type(hDlg, IDC_MNU_CAPTION, "&File", IDC_MNU_LIST);
        ClickButton(hDlg, IDC_MNU_NEXT);
        bNextWaitsForCaption = !IsWindowEnabled(GetDlgItem(hDlg, IDC_MNU_NEXT));
        Type(hDlg, IDC_MNU_CAPTION, "&Open...\\tCtrl+O", IDC_MNU_HOTKEY);
        sProposed = WindowText(GetDlgItem(hDlg, IDC_MNU_IDNAME));
        SendKeys({'A'});
        PumpMessages(100);
        wPlainA = Hotkey(hDlg);
        SendKeys({VK_CONTROL, 'O'});
        PumpMessages(100);
        wCtrlO = Hotkey(hDlg);
        ClickButton(hDlg, IDC_MNU_CHECKED);
        Type(hDlg, IDC_MNU_PROMPT, "Opens a file", IDC_MNU_CAPTION);
        ClickButton(hDlg, IDC_MNU_NEXT);
        ClickButton(hDlg, IDC_MNU_SEPARATOR);
        ClickButton(hDlg, IDC_MNU_NEXT);
        Type(hDlg, IDC_MNU_CAPTION, "E&xit", IDC_MNU_LIST);
        ClickButton(hDlg, IDC_MNU_NEXT);
        ClickButton(hDlg, IDC_MNU_POPUP);
        Type(hDlg, IDC_MNU_CAPTION, "&Help", IDC_MNU_LIST);
        ClickButton(hDlg, IDC_MNU_LEFT);
        ClickButton(hDlg, IDC_MNU_NEXT);
        Type(hDlg, IDC_MNU_CAPTION, "&About", IDC_MNU_LIST);
        for (int i = 0; i < 6; ++i) {
            asLines.push_back(ListLine(hDlg, i));
        }
        SaveWindowScreenshot(hDlg, "menu_editor");
        ClickButton(hDlg, IDC_MNU_CLOSE);
    });
    Command(IDM_MENUEDITOR);

    EXPECT_TRUE(bNextWaitsForCaption);
    EXPECT_EQ(sProposed, "%IDM_FILE_OPEN");
    EXPECT_EQ(wPlainA, MAKEWORD('A', HOTKEYF_CONTROL)) << "a plain key becomes Ctrl+key";
    EXPECT_EQ(wCtrlO, MAKEWORD('O', HOTKEYF_CONTROL));
    EXPECT_EQ(asLines, (std::vector<std::string>{"&File", "----&Open...\\tCtrl+O\tCtrl+O",
                                                 "----<___Separator___>", "----E&xit", "&Help",
                                                 "----&About"}));

    // The model: the menu and the key table, both linked to the dialog.
    const int32_t lMenu = gatRes[lDialog].lLinkMenu;
    const int32_t lKeys = gatRes[lDialog].lLinkAccel;
    ASSERT_NE(lMenu, 0);
    ASSERT_NE(lKeys, 0);
    const std::vector<int32_t> alRows = MenuItemRows(lMenu);
    ASSERT_EQ(alRows.size(), 6u);
    const tMenu& tOpen = gatMenu[alRows[1]];
    EXPECT_EQ(tOpen.lOptions, wkMfChecked);
    EXPECT_EQ(gatAccel[tOpen.lAccelElem].byKey, 'O');
    EXPECT_EQ(gatAccel[tOpen.lAccelElem].byModifiers, wkFControl);
    EXPECT_EQ(gatAccel[tOpen.lAccelElem].lResElem, lKeys);
    EXPECT_EQ(gatMenu[alRows[2]].lType, wkMenuSeparator);
    EXPECT_EQ(glChanged, 1);

    const std::string sKvl =
        KvlMenusSection(tWriteLayout{}) + KvlAcceleratorsSection(tWriteLayout{});
    const std::string sRc = BuildFullRCFile(tWriteLayout{});
    SaveArtifact("menu_editor.bas.txt", sKvl);
    SaveArtifact("menu_editor.rc", sRc);
    // What the writers make of the rows has tests of its own; the prompt
    // reached the script, and the scripts compile (win_editors_scripts_compile).
    EXPECT_NE(sRc.find("\"Opens a file\""), std::string::npos) << sRc;

    // The test window carries the menu as it will run.
    std::string sTop;
    std::string sOpen;
    UINT lOpenState = 0;
    int lFileItems = 0;
    WatchFor("Menu Editor - [%IDR_MENU1] - [%IDR_ACCELERATOR1]", [&](HWND hFirst) {
        WatchFor(
            "Test Menu",
            [&](HWND hTest) {
                HMENU hBar = GetMenu(hTest);
                sTop = MenuItemTextByPos(hBar, 0) + "|" + MenuItemTextByPos(hBar, 1);
                HMENU hFile = GetSubMenu(hBar, 0);
                lFileItems = GetMenuItemCount(hFile);
                sOpen = MenuItemTextByPos(hFile, 0);
                lOpenState = GetMenuState(hFile, 0, MF_BYPOSITION);
                SaveWindowScreenshot(hTest, "menu_test_window");
                PostMessageA(hTest, WM_COMMAND, 101, 0); // Exit Test
                WatchFor("Menu Editor - [%IDR_MENU1] - [%IDR_ACCELERATOR1]",
                         [](HWND hEditor) { PressButton(hEditor, IDC_MNU_CLOSE); });
            },
            true);
        PressButton(hFirst, IDC_MNU_TEST);
    });
    Command(IDM_MENUEDITOR);
    EXPECT_EQ(sTop, "&File|&Help");
    EXPECT_EQ(lFileItems, 3);
    EXPECT_EQ(sOpen, "&Open...\tCtrl+O");
    EXPECT_TRUE(lOpenState & MF_CHECKED);
}

TEST_F(Editors, VersionInformationEditedAndWrittenToTheScript) {
    ASSERT_TRUE(CreateShown());
    ASSERT_TRUE(MenuEnabled(IDM_VERSIONEDITOR));
    std::string sFirstBox;
    std::string sHeader;
    WatchFor("Version Info Editor", [&](HWND hDlg) {
        sFirstBox = WindowText(GetDlgItem(hDlg, IDC_VER_FILEVERSION));
        sHeader = WindowText(GetDlgItem(hDlg, IDC_VER_BLOCK));
        Type(hDlg, IDC_VER_FILEVERSION, "2, 5, 3, 17", IDC_VER_NAMES);
        SendDlgItemMessageA(hDlg, IDC_VER_NAMES, LB_SETCURSEL, 1, 0); // CompanyName
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_VER_NAMES, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDC_VER_NAMES)));
        Type(hDlg, IDC_VER_VALUE, "Acme \"Q\" \\ Co \xA9", IDC_VER_NAMES);
        ClickButton(hDlg, IDC_VER_BUILD);
        // One dialog after the other: the block is added once the flags are set.
        WatchFor("Version File Flags", [hDlg](HWND hFlags) {
            ClickButton(hFlags, IDC_VFF_PATCHED);
            PressButton(hFlags, IDOK);
            PostMessageA(hDlg, WM_COMMAND, IDC_VER_ADDBLOCK, 0);
        });
        WatchFor("Version Add New Block", [](HWND hBlock) {
            SendDlgItemMessageA(hBlock, IDC_VBL_LANGUAGE, LB_SETCURSEL, 8, 0); // German
            PressButton(hBlock, IDOK);
            WatchFor("Version Info Editor", [](HWND hEditor) {
                SaveWindowScreenshot(hEditor, "version_editor");
                PressButton(hEditor, IDC_VER_CLOSE);
            });
        });
        PressButton(hDlg, IDC_VER_FLAGSBTN);
    });
    Command(IDM_VERSIONEDITOR);

    EXPECT_EQ(sFirstBox, "1, 0, 0, 1");
    EXPECT_EQ(sHeader, "(0x040904E4) U.S. English, Multilingual");
    EXPECT_EQ(FileVersionText(false), "2, 5, 3, 18");
    EXPECT_EQ(ProductVersionText(false), "1, 0, 0, 2");
    EXPECT_EQ(gtVersion.lFlags, wkVsFfPatched);
    ASSERT_EQ(VersionBlockCount(), 2);
    EXPECT_EQ(VersionBlockLangCharset(2), 0x040704E4u);
    EXPECT_EQ(VersionStringValue(1, "CompanyName"), "Acme \"Q\" \\ Co \xA9");
    EXPECT_EQ(VersionStringValue(1, "FileVersion"), "2.05.0003.0018");
    EXPECT_EQ(VersionStringValue(2, "FileVersion"), "2.05.0003.0018");
    EXPECT_EQ(glChanged, 1);

    const std::string sRc = BuildFullRCFile(tWriteLayout{});
    SaveArtifact("version_editor.rc", sRc);
    EXPECT_NE(sRc.find("FILEFLAGS VS_FF_PATCHED"), std::string::npos) << sRc;
}

} // namespace
