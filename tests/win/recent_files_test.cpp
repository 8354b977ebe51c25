// The recent-files entries of the File menu: vanished files left out, the
// rest numbered without gaps, and a vanished file chosen by its number.
#include "tests/win/modal_watch.h"

#include "app/recent_files_menu.h"

namespace {

class RecentFiles : public ShellTest {
  protected:
    std::string MakeFile(const std::string& sName) {
        const std::string sFile = TempFolder() + sName;
        EXPECT_TRUE(WriteFileText(sFile, ""));
        asMade.push_back(sFile);
        return sFile;
    }
    void TearDown() override {
        for (const std::string& s : asMade) {
            DeleteFileA(s.c_str());
        }
        ShellTest::TearDown();
    }
    // The File menu's items from the first recent entry to "E&xit".
    static std::vector<std::string> RecentItems(HWND hWnd) {
        HMENU hFile = GetSubMenu(GetMenu(hWnd), 0);
        std::vector<std::string> as;
        bool bIn = false;
        for (int i = 0; i < GetMenuItemCount(hFile); ++i) {
            const UINT lId = GetMenuItemID(hFile, i);
            bIn = bIn || (lId >= IDM_RECENT_FIRST && lId <= IDM_RECENT_LAST);
            if (bIn) {
                as.push_back(lId == IDM_RECENT_SEPARATOR ? "-" : MenuItemTextByPos(hFile, i));
            }
        }
        return as;
    }
    std::vector<std::string> asMade;
};

} // namespace

TEST_F(RecentFiles, VanishedFilesAreLeftOutAndTheRestNumberedWithoutGaps) {
    const std::string sA = MakeFile("wk_recent_a.bas");
    const std::string sB = MakeFile("wk_recent_b.rc");
    const std::string sC = MakeFile("wk_recent_c.inc");
    for (const std::string& s : {sC, sB, sA}) {
        MruAdd(SettingsPath(), gszMruSection, s, wkMruMax);
    }
    HWND hWnd = CreateShown();
    const std::vector<std::string> asAll = {"&1 " + sA, "&2 " + sB, "&3 " + sC, "-",
                                            "E&xit\tAlt+F4"};
    EXPECT_EQ(RecentItems(hWnd), asAll);

    DeleteFileA(sB.c_str());
    EXPECT_EQ(BuildRecentFilesMenu(hWnd), 2);
    const std::vector<std::string> asTwo = {"&1 " + sA, "&2 " + sC, "-", "E&xit\tAlt+F4"};
    EXPECT_EQ(RecentItems(hWnd), asTwo);
    // The vanished file stays in the settings file.
    EXPECT_EQ(SettingsGetText(gszMruSection, "b"), sB);
}

TEST_F(RecentFiles, NoEntriesNoSeparator) {
    HWND hWnd = CreateShown();
    EXPECT_EQ(BuildRecentFilesMenu(hWnd), 0);
    EXPECT_EQ(GetMenuState(GetMenu(hWnd), IDM_RECENT_SEPARATOR, MF_BYCOMMAND),
              static_cast<UINT>(-1));
    // A title change rebuilds the entries.
    MruAdd(SettingsPath(), gszMruSection, MakeFile("wk_recent_t.bas"), wkMruMax);
    SetTitle(hWnd, "x");
    EXPECT_EQ(RecentItems(hWnd).size(), 3u);
}

TEST_F(RecentFiles, ChoosingAVanishedFileReportsItAndDropsItFromTheMenu) {
    const std::string sA = MakeFile("wk_recent_a.bas");
    const std::string sGone = MakeFile("wk_recent_gone.bas");
    MruAdd(SettingsPath(), gszMruSection, sA, wkMruMax);
    MruAdd(SettingsPath(), gszMruSection, sGone, wkMruMax);
    HWND hWnd = CreateShown();
    ASSERT_EQ(MenuItemText(GetMenu(hWnd), IDM_RECENT_FIRST), "&1 " + sGone);
    DeleteFileA(sGone.c_str());

    Answer("Wrenkit", IDOK, [&](HWND hBox) { EXPECT_EQ(GetWindow(hBox, GW_OWNER), hWnd); });
    Command(IDM_RECENT_FIRST);
    ASSERT_EQ(SeenBoxes().size(), 1u);
    EXPECT_EQ(SeenBoxes()[0].sText, "File is not found: " + sGone);
    EXPECT_EQ(MenuItemText(GetMenu(hWnd), IDM_RECENT_FIRST), "&1 " + sA);
    EXPECT_EQ(GetMenuState(GetMenu(hWnd), IDM_RECENT_FIRST + 1, MF_BYCOMMAND),
              static_cast<UINT>(-1));
}
