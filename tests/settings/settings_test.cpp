// The settings file over the primitives: options with their
// defaults and rules, prefixes, window positions, version options, custom
// colours and the recent-files list.
#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "model/id_names.h"
#include "settings_test_support.h"

#include <sstream>

using Settings = SettingsFile;

namespace {
// The options record as one line, for comparing all of it at once.
std::string Opts(const tOptions& t) {
    std::ostringstream o;
    o << "grid " << t.lShowGrid << t.lGridX << t.lGridY << t.lSnapToGrid << " bar "
      << t.lToolbarSize << t.lToolbarText << " tabs " << t.lTabSizeKVL << "," << t.lTabSizeRC
      << " paste " << int(t.byPasteLoc) << " wrap " << t.lWrapPos << " hdr " << t.lHdrComment
      << " imp " << t.lImportResults << std::hex << " grip " << t.lGripperColor1 << ","
      << t.lGripperColor2;
    return o.str();
}
} // namespace

TEST(SettingsPathRule, LastThreeCharactersBecomeIni) {
    EXPECT_EQ(SettingsPathFor("C:\\Tools\\WRENKIT.EXE"), "C:\\Tools\\WRENKIT.ini");
    SetSettingsPath(std::string());
    EXPECT_EQ(SettingsPath(), SettingsPathFor(ExecutablePath()));
}

TEST_F(Settings, FirstStartGivesEveryDefault) {
    const std::string sDefault =
        "grid 1551 bar 00 tabs 4,4 paste 0 wrap 80 hdr 1 imp 1 grip 80000002,80000014";
    EXPECT_EQ(Opts(ReadOptionsRecord()), sDefault);
    // The record in memory holds the same before any file is read.
    EXPECT_EQ(Opts(DefaultOptions()), sDefault);
}

TEST_F(Settings, OddValuesFollowTheReadingRules) {
    WriteFile("[Options]\r\nShowGrid=0\r\nGridX=8\r\nSnapToGrid=0\r\nTabSizeKVL=0\r\n"
              "TabSizeRC=2\r\nPasteLoc=7\r\nWrapPos=30\r\nHdrComment=0\r\nImportResults=abc\r\n"
              "GripperColor1=&H80000005\r\nGripperColor2=&HFF8000\r\n");
    // GridX without GridY: all four grid values as at a first start.
    EXPECT_EQ(Opts(ReadOptionsRecord()),
              "grid 1551 bar 00 tabs 4,2 paste 1 wrap 60 hdr 0 imp 0 grip 80000005,ff8000");

    // Values no dialog can produce must not reach the grid or the writers.
    NextFile();
    WriteFile("[Options]\r\nGridX=-3\r\nGridY=4\r\nShowGrid=0\r\nTabSizeKVL=-2\r\n"
              "TabSizeRC=2000000000\r\n");
    EXPECT_EQ(Opts(ReadOptionsRecord()).substr(0, 27), "grid 1551 bar 00 tabs 4,240");

    EXPECT_EQ(OptionWrapPos(500), 240);
    EXPECT_EQ(OptionWrapPos(0), 80);
    EXPECT_EQ(OptionWrapPos(61), 61);
}

TEST_F(Settings, WrittenOptionsReadBackAndGridIsKeptWhenComplete) {
    tOptions t = DefaultOptions();
    t.lShowGrid = 0;
    t.lGridX = 8;
    t.lGridY = 3;
    t.lSnapToGrid = 0;
    t.lToolbarSize = 1;
    t.lTabSizeRC = 6;
    t.byPasteLoc = 1;
    t.lWrapPos = 120;
    t.lImportResults = 0;
    t.lGripperColor1 = 0x0000FF;
    WriteOptions(t);
    EXPECT_EQ(SettingsGetText("Options", "GripperColor1"), "&HFF");
    EXPECT_EQ(SettingsGetText("Options", "GripperColor2"), "&H80000014");
    EXPECT_EQ(Opts(ReadOptionsRecord()),
              "grid 0830 bar 10 tabs 4,6 paste 1 wrap 120 hdr 1 imp 0 grip ff,80000014");
}

namespace {
int glBrushCalls = 0;
void CountBrushes(tOptions& t) {
    ++glBrushCalls;
    t.hGripperBrush1 = 11;
}
} // namespace

TEST_F(Settings, ReadOptionsFillsRecordBrushesAndPrefixes) {
    WriteFile("[Options]\r\nWrapPos=500\r\n[Prefixes]\r\n-2=RES\r\n-1=%Menu Item\r\n"
              "3=%%Bad-Name\r\n4=\r\n");
    gpfnMakeGripperBrushes = CountBrushes;
    glBrushCalls = 0;
    ReadOptions();
    gpfnMakeGripperBrushes = nullptr;
    EXPECT_EQ(gtOptions.lWrapPos, 240);
    EXPECT_EQ(glBrushCalls, 1);
    EXPECT_EQ(gtOptions.hGripperBrush1, 11u);
    EXPECT_EQ(gasIDPrefix[-2], "%RES");
    EXPECT_EQ(gasIDPrefix[-1], "%Menu_Item");
    EXPECT_EQ(gasIDPrefix[0], "%IDD_");
    EXPECT_EQ(gasIDPrefix[3], "%BadName");
    EXPECT_EQ(gasIDPrefix[4], "%IDC_");
    EXPECT_EQ(gasIDPrefix[29], "%IDC_");

    WriteIDPrefixes();
    EXPECT_EQ(SettingsGetText("Prefixes", "-1"), "%Menu_Item");
    EXPECT_EQ(SettingsGetText("Prefixes", "29"), "%IDC_");
    ResetOptions();
    ResetIDPrefixes();
}

TEST(WindowPos, PositionsFollowTheOffScreenRule) {
    const tScreenSize tScreen{1024, 740, 19};
    // Rows: window, stored text, own width; then move, size, left, top, width, height.
    const struct {
        WkWindowPos lWin;
        const char* szText;
        int32_t lOwnWidth;
        std::string sExpect;
    } at[] = {
        {wkPosMainDlg, "5000,5000,5800,5600", 0, "1 1 0 0 800 600"},
        // The limits themselves are still on screen.
        {wkPosToolboxDlg, "1005,721", 0, "1 0 1005 721"},
        {wkPosPropertiesDlg, "1006,722", 0, "1 0 0 0"},
        {wkPosPropertiesDlg, "300", 0, "1 0 300 0"},
        {wkPosToolboxDlg, "", 0, "0 0"},
        // The test-mode and tab order windows go to the top right instead.
        {wkPosTestModeDlg, "", 200, "1 0 824 0"},
        {wkPosCtrlOrderDlg, "10,900", 100, "1 0 924 0"},
        {wkPosCtrlOrderDlg, "10,20", 100, "1 0 10 20"},
    };
    for (const auto& r : at) {
        const tWinPlacement t = PlacementFromText(r.lWin, r.szText, tScreen, r.lOwnWidth);
        std::ostringstream o;
        o << t.lMove << " " << t.lSize;
        if (t.lMove) {
            o << " " << t.lLeft << " " << t.lTop;
        }
        if (t.lSize) {
            o << " " << t.lWidth << " " << t.lHeight;
        }
        EXPECT_EQ(o.str(), r.sExpect) << r.szText;
    }
    // A damaged rectangle gives a size within 32 bits, not an overflow.
    const tWinPlacement t = PlacementFromText(wkPosTestMenu, "-2147483648,0,2147483647,5", tScreen);
    EXPECT_EQ(t.lWidth, INT32_MAX);
    EXPECT_EQ(t.lHeight, 5);
}

TEST_F(Settings, MainWindowPositionIsSkippedWhileMaximised) {
    const tScreenSize tScreen{1024, 740, 19};
    SaveMainDlgPos(0, tWinRect{10, 20, 810, 620});
    EXPECT_EQ(SettingsGetText("Settings", "MainDlgPos"), "10,20,810,620");
    EXPECT_EQ(SettingsGetText("Settings", "MainDlgMax"), "0");
    tWinPlacement t = ReadWindowPos(wkPosMainDlg, tScreen);
    EXPECT_EQ(t.lMove, 1);
    EXPECT_EQ(t.lWidth, 800);
    SaveMainDlgPos(1, tWinRect{-4, -4, 1028, 744});
    EXPECT_EQ(SettingsGetText("Settings", "MainDlgPos"), "10,20,810,620");
    EXPECT_EQ(ReadMainDlgMax(), 1);
    EXPECT_EQ(ReadWindowPos(wkPosMainDlg, tScreen).lMove, 0);

    SaveWindowPos(wkPosToolboxDlg, tWinRect{-5, 7, 100, 100});
    EXPECT_EQ(SettingsGetText("Settings", "ToolboxDlgPos"), "-5,7");
    t = ReadWindowPos(wkPosToolboxDlg, tScreen);
    EXPECT_EQ(t.lLeft, -5);
    EXPECT_EQ(t.lTop, 7);
}

TEST_F(Settings, VersionOptionsAndCustomColors) {
    auto Ver = [] {
        const tVersionOptions t = ReadVersionOptions();
        return std::to_string(t.lIncrement) + std::to_string(t.lAutoUpdate) +
               std::to_string(t.lAutoFormat);
    };
    EXPECT_EQ(Ver(), "011");
    WriteFile("[VersionOptions]\r\nIncrement=5\r\nAutoUpdate=0\r\nAutoFormat=3\r\n"
              "[CustomColors]\r\n2=FF8000\r\n16=0000ff\r\n");
    EXPECT_EQ(Ver(), "001");
    WriteVersionOptions(tVersionOptions{2, 1, 0});
    EXPECT_EQ(Ver(), "210");

    tCustomColors al = ReadCustomColors();
    EXPECT_EQ(al[0], 0u);
    EXPECT_EQ(al[1], 0xFF8000u);
    EXPECT_EQ(al[15], 0xFFu);
    tCustomColors alNew = al;
    alNew[2] = 0x0000A0;
    WriteCustomColors(al, alNew);
    EXPECT_EQ(SettingsSectionEntries("CustomColors"),
              (std::vector<std::string>{"2=FF8000", "16=0000ff", "3=0000A0"}));
}

TEST_F(Settings, RecentFilesReuseTheLeastRecentlyUsedLetter) {
    const std::string sSec = gszMruSection;
    std::string sFile;
    EXPECT_EQ(MruFirst(sPath, sSec, sFile), 0);
    for (char c = 'a'; c <= 'i'; ++c) {
        MruAdd(sPath, sSec, std::string("C:\\p\\") + c + ".bas", wkMruMax);
    }
    EXPECT_EQ(SettingsGetText(sSec, "MRUList"), "ihgfedcba");
    // The file of a, the least recently used, is overwritten by a tenth file.
    MruAdd(sPath, sSec, "C:\\p\\j.bas", wkMruMax);
    EXPECT_EQ(SettingsGetText(sSec, "MRUList"), "aihgfedcb");
    EXPECT_EQ(SettingsGetText(sSec, "a"), "C:\\p\\j.bas");
    // A file already listed under another case only moves to the front.
    MruAdd(sPath, sSec, "c:\\P\\D.BAS", wkMruMax);
    EXPECT_EQ(SettingsGetText(sSec, "MRUList"), "daihgfecb");
    EXPECT_EQ(SettingsGetText(sSec, "d"), "C:\\p\\d.bas");

    char chLetter = 0;
    ASSERT_EQ(MruFirst(sPath, sSec, sFile, &chLetter), 1);
    EXPECT_EQ(chLetter, 'd');
    ASSERT_EQ(MruNext(sPath, sSec, chLetter, sFile), 1);
    EXPECT_EQ(chLetter, 'a');
    EXPECT_EQ(sFile, "C:\\p\\j.bas");
    chLetter = 'b';
    EXPECT_EQ(MruNext(sPath, sSec, chLetter, sFile), 0);
    chLetter = 'z';
    EXPECT_EQ(MruNext(sPath, sSec, chLetter, sFile), 0);
    MruMoveToFront(sPath, sSec, 'q');
    EXPECT_EQ(SettingsGetText(sSec, "MRUList"), "qdaihgfecb");
}

TEST_F(Settings, AddingToAnAbcdefghiListOverwritesI) {
    const std::string sSec = gszMruSection;
    WriteFile("[MRU Files]\r\nMRUList=abcdefghi\r\ni=C:\\old.bas\r\n");
    MruAdd(sPath, sSec, "C:\\new.rc", wkMruMax);
    EXPECT_EQ(SettingsGetText(sSec, "MRUList"), "iabcdefgh");
    EXPECT_EQ(SettingsGetText(sSec, "i"), "C:\\new.rc");
}

TEST(RecentMenu, TypesAndTexts) {
    EXPECT_EQ(RecentFileType("C:\\a\\Form.BAS"), 1);
    EXPECT_EQ(RecentFileType("C:\\a\\x.inc"), 1);
    EXPECT_EQ(RecentFileType("C:\\a\\x.Dlg"), 2);
    EXPECT_EQ(RecentFileType("C:\\a\\x.frm"), 0);
    // The extension is what follows the first "." of the whole path.
    EXPECT_EQ(RecentFileType("C:\\v1.0\\x.bas"), 0);
    EXPECT_EQ(RecentMenuText(0, "C:\\a.bas"), "&1 C:\\a.bas");
    EXPECT_EQ(RecentFileFromMenuText("&9 C:\\a.bas"), "C:\\a.bas");
}

TEST_F(Settings, AHandEditedListWithARepeatedLetterEndsItsWalk) {
    const std::string sSec = gszMruSection;
    WriteFile("[MRU Files]\r\nMRUList=abab\r\na=C:\\a.bas\r\nb=C:\\b.bas\r\n");
    std::string sFile;
    char chLetter = 0;
    int lSteps = 0;
    for (int32_t l = MruFirst(sPath, sSec, sFile, &chLetter); l && lSteps < 10;
         l = MruNext(sPath, sSec, chLetter, sFile)) {
        ++lSteps;
    }
    EXPECT_EQ(lSteps, 2);
}
