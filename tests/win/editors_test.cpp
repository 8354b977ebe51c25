// The Menu Editor and the Version Info Editor, driven as a user would: real
// keys into the hot-key control, the test window's real menu, and the code
// and scripts written from what was entered.
#include "tests/win/modal_watch.h"

#include "edit/menu_edits.h"
#include "editors/editor_ids.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"

#include <fstream>

namespace {

using Editors = ShellTest;

void Click(HWND hDlg, int lId) {
    SendMessageA(GetDlgItem(hDlg, lId), BM_CLICK, 0, 0);
}

// Types into a field as the user does: focus, text, and the focus moved on.
void Type(HWND hDlg, int lId, const char* sz, int lNext) {
    SetFocus(GetDlgItem(hDlg, lId));
    SetDlgItemTextA(hDlg, lId, sz);
    SetFocus(GetDlgItem(hDlg, lNext));
}

// Real key strokes, through the system's input queue. The hot-key control
// reads the key from the scan code, so each stroke carries one.
void Keys(std::initializer_list<WORD> alDown) {
    std::vector<INPUT> at;
    for (WORD w : alDown) {
        INPUT t{};
        t.type = INPUT_KEYBOARD;
        t.ki.wVk = w;
        t.ki.wScan = static_cast<WORD>(MapVirtualKeyA(w, MAPVK_VK_TO_VSC));
        at.push_back(t);
    }
    for (auto it = alDown.end(); it != alDown.begin();) {
        INPUT t{};
        t.type = INPUT_KEYBOARD;
        t.ki.wVk = *--it;
        t.ki.wScan = static_cast<WORD>(MapVirtualKeyA(t.ki.wVk, MAPVK_VK_TO_VSC));
        t.ki.dwFlags = KEYEVENTF_KEYUP;
        at.push_back(t);
    }
    SendInput(static_cast<UINT>(at.size()), at.data(), sizeof(INPUT));
    PumpMessages(100);
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

// Whether the text holds the line, wherever the writer broke it with " _".
bool Contains(std::string s, const std::string& sPart) {
    for (size_t p = s.find(" _\r\n"); p != std::string::npos; p = s.find(" _\r\n", p)) {
        const size_t lEnd = s.find_first_not_of(' ', p + 4);
        s.replace(p, lEnd - p, " ");
    }
    return s.find(sPart) != std::string::npos;
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
        Click(hDlg, IDC_MNU_NEXT);
        bNextWaitsForCaption = !IsWindowEnabled(GetDlgItem(hDlg, IDC_MNU_NEXT));
        Type(hDlg, IDC_MNU_CAPTION, "&Open...\\tCtrl+O", IDC_MNU_HOTKEY);
        sProposed = WindowText(GetDlgItem(hDlg, IDC_MNU_IDNAME));
        Keys({'A'});
        wPlainA = Hotkey(hDlg);
        Keys({VK_CONTROL, 'O'});
        wCtrlO = Hotkey(hDlg);
        Click(hDlg, IDC_MNU_CHECKED);
        Type(hDlg, IDC_MNU_PROMPT, "Opens a file", IDC_MNU_CAPTION);
        Click(hDlg, IDC_MNU_NEXT);
        Click(hDlg, IDC_MNU_SEPARATOR);
        Click(hDlg, IDC_MNU_NEXT);
        Type(hDlg, IDC_MNU_CAPTION, "E&xit", IDC_MNU_LIST);
        Click(hDlg, IDC_MNU_NEXT);
        Click(hDlg, IDC_MNU_POPUP);
        Type(hDlg, IDC_MNU_CAPTION, "&Help", IDC_MNU_LIST);
        Click(hDlg, IDC_MNU_LEFT);
        Click(hDlg, IDC_MNU_NEXT);
        Type(hDlg, IDC_MNU_CAPTION, "&About", IDC_MNU_LIST);
        for (int i = 0; i < 6; ++i) {
            asLines.push_back(ListLine(hDlg, i));
        }
        SaveWindowScreenshot(hDlg, "menu_editor");
        Click(hDlg, IDC_MNU_CLOSE);
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
    for (const char* sz : {
             "Menu Add PopUp, hMenu, \"&File\", hPopUp1, %MF_ENABLED",
             "Menu Add String, hPopUp1, \"&Open...\" + $Tab + \"Ctrl+O\", %IDM_FILE_OPEN, "
             "%MF_CHECKED",
             "Menu Add String, hPopUp1, \"-\", 0, 0",
             "%FVIRTKEY Or %FCONTROL Or %FNOINVERT",
         }) {
        EXPECT_TRUE(Contains(sKvl, sz)) << sz << "\n" << sKvl;
    }
    for (const char* sz : {
             "MENUITEM \"&Open...\\tCtrl+O\", IDM_FILE_OPEN, CHECKED",
             "MENUITEM SEPARATOR",
             "\"O\",",
             "IDM_FILE_OPEN,  VIRTKEY, CONTROL, NOINVERT",
             "\"Opens a file\"",
         }) {
        EXPECT_TRUE(Contains(sRc, sz)) << sz << "\n" << sRc;
    }

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
        Click(hDlg, IDC_VER_BUILD);
        // One dialog after the other: the block is added once the flags are set.
        WatchFor("Version File Flags", [hDlg](HWND hFlags) {
            Click(hFlags, IDC_VFF_PATCHED);
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
    for (const char* sz : {
             "FILEVERSION 2,5,3,18",
             "FILEFLAGS VS_FF_PATCHED",
             "VALUE \"CompanyName\", \"Acme \"\"Q\"\" \\\\ Co \\251\\0\"",
             "BLOCK \"040704E4\"",
         }) {
        EXPECT_TRUE(Contains(sRc, sz)) << sz << "\n" << sRc;
    }
}

} // namespace
