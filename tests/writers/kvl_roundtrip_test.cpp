// Round trips through the KVL reader: a project the new-file writer wrote
// reads back into the same tables, and the update writer gives the file back
// byte for byte, at every later save too, with the user's own text in place.
#include "edit/data_files.h"
#include "model/accel_keys.h"
#include "readers/kvl_reader.h"
#include "readers/metastatements.h"
#include "tests/support/golden.h"
#include "tests/support/recording_seam.h"
#include "tests/writers/writer_fixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

std::string ResName(int32_t lRes) {
    return gatRes[lRes].szIDName.str();
}

// Everything the writers and the designer use, without element numbers, so
// that two loads of the same project compare equal; with the kinds of the
// blocks the reader found.
std::string Dump(bool bBlocks = false) {
    RecountUsage();
    std::ostringstream o;
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        const tID& t = gatID[l];
        o << "ID " << t.szIDName.view() << "=" << IDValueText(l) << " used " << t.lUsedBy << "\n";
    }
    std::vector<std::string> asRes;
    for (int32_t l = 1; l <= glResCnt; ++l) {
        const tRes& t = gatRes[l];
        asRes.push_back("RES " + ResName(l) + " kind " + std::to_string(t.lType) + " id " +
                        gatID[t.lIDElem].szIDName.str() + " dlg " + ResName(t.lLinkDlg) + " menu " +
                        ResName(t.lLinkMenu) + " accel " + ResName(t.lLinkAccel) + "\n");
    }
    std::sort(asRes.begin(), asRes.end());
    for (const std::string& s : asRes) {
        o << s;
    }
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        const tDlg& t = gatDlg[l];
        tFontDesc tFont{};
        FontDescription(t.lFontElem, tFont);
        o << "ROW " << t.lCtlType << " " << gatID[t.lIDElem].szIDName.view() << " in "
          << ResName(t.lResElem) << " data " << ResName(t.lDataResElem) << " '"
          << GetDynStr(t.lCaptionElem) << "' " << t.szClass.view() << " class " << t.lClassElem
          << " " << t.lStyle << "/" << t.lExStyle << " [" << GetDynStr(t.lStyleStrElem) << "]["
          << GetDynStr(t.lExStyleStrElem) << "] " << t.nLeft << "," << t.nTop << "," << t.nRight
          << "," << t.nBottom << " order " << t.lCtlOrder << " font " << tFont.szFontName.view()
          << " " << tFont.fFontSize << " " << tFont.lWeight << " colours " << int(t.byForeClrUsed)
          << ":" << t.lForeClr << " " << int(t.byBackClrUsed) << ":" << t.lBackClr << "\n";
    }
    for (int32_t l = 1; l <= glMenuCnt; ++l) {
        const tMenu& t = gatMenu[l];
        o << "ITEM " << ResName(t.lResElem) << " " << t.lType << " " << t.lLevel << " "
          << t.lOptions << " '" << GetDynStr(t.lCaptionElem) << "' "
          << gatID[t.lIDElem].szIDName.view() << " key " << AccelDisplayText(t.lAccelElem) << "\n";
    }
    for (int32_t l = 1; l <= glAccelCnt; ++l) {
        const tAccel& t = gatAccel[l];
        o << "KEY " << ResName(t.lResElem) << " " << int(t.byKey) << " " << int(t.byModifiers)
          << " " << gatID[t.lIDElem].szIDName.view() << "\n";
    }
    for (int32_t l = 1; bBlocks && l <= glBlockCnt; ++l) {
        o << "BLOCK " << gatBlock[l].lType << "\n";
    }
    return o.str();
}

class RoundTripTest : public WriterTest {
  protected:
    // Reads the text as the open command does and writes it again.
    static std::string Resave(const std::string& sText) {
        EXPECT_EQ(LoadKVL(sText, 1, 0, "C:\\Work\\Demo.bas"), 1);
        return BuildKvlFile(gtDoc, tWriteLayout{}, true);
    }

    // A project that uses most of what the writers know.
    static void BuildRichProject() {
        BuildExampleProject();
        tFontDesc tDef{};
        tDef.szFontName = "MS Sans Serif";
        tDef.fFontSize = 8;
        AddFont(tDef);
        tFontDesc tBold = tDef;
        tBold.szFontName = "Tahoma";
        tBold.fFontSize = 10;
        tBold.lWeight = 700;
        int32_t lBold = AddFont(tBold);

        int32_t lDlg = NewDialog("%IDD_SECOND", "200", "Second \"one\"", 10, 20, 300, 200);
        tDlg& tD = gatDlg.W(FindDialogRow(lDlg));
        tD.lExStyle |= 0x10; // accepts dropped files
        tD.lExStyleStrElem = AddDynStr(GetDynStr(tD.lExStyleStrElem) +
                                       StyleList("ExStyles", {"%WS_EX_ACCEPTFILES"}));
        tD.byBackClrUsed = 1;
        tD.lBackClr = 0xC0C0C0;
        tD.lFontElem = lBold;
        tDlg& tL = gatDlg.W(NewControl(lDlg, wkCtlLabel, "%IDC_LABEL1", "2001",
                                       "A rather long label caption that will not fit on one line "
                                       "of the generated file at all",
                                       5, 5, 290, 10));
        tL.byForeClrUsed = 1;
        tL.lForeClr = 0x123456;
        tL.lFontElem = lBold;
        NewControl(lDlg, wkCtlComboBox, "%IDC_COMBOBOX1", "2002", "", 5, 20, 100, 40);
        NewControl(lDlg, wkCtlListBox, "%IDC_LISTBOX1", "2003", "", 5, 60, 100, 80);
        NewControl(lDlg, wkCtlProgress, "%IDC_PROGRESS1", "2004", "", 110, 20, 100, 10);
        NewControl(lDlg, wkCtlListView, "%IDC_LISTVIEW1", "2005", "", 110, 40, 100, 50);
        NewControl(lDlg, wkCtlTreeView, "%IDC_TREEVIEW1", "2006", "", 110, 100, 100, 50);
        NewControl(lDlg, wkCtlTab, "%IDC_TAB1", "2007", "", 215, 20, 80, 50);
        NewControl(lDlg, wkCtlVScrollBar, "%IDC_VSCROLL1", "2008", "", 280, 80, 10, 100);
        NewControl(lDlg, wkCtlRichEdit, "%IDC_RICHEDIT1", "2009", "", 5, 150, 100, 40);
        tDlg& tC = gatDlg.W(
            NewControl(lDlg, wkCtlCheckBox, "%IDC_CHECK1", "2010", "Check", 110, 160, 100, 10));
        tC.lStyle |= 0x20000;
        tC.lStyleStrElem =
            AddDynStr(GetDynStr(tC.lStyleStrElem) + StyleList("WindowStyles", {"%WS_GROUP"}));
        NewControl(lDlg, wkCtlButton, "%IDC_OK", "2011", "O&K", 240, 180, 50, 15);
        int32_t lImage = NewControl(lDlg, wkCtlImage, "%IDC_IMAGE1", "2013", "", 5, 195, 30, 30);
        SetDataFile(lImage, "logo.bmp");
        gatDlg.W(FindDialogRow(lDlg)).lDataResElem = NewRes("%IDR_APPICON", "204", wkResIcon);

        int32_t lMenu = NewRes("%IDR_MENU2", "202", wkResMenu);
        AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, 0, 0, "&Edit");
        AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, 1, 0, "&Deeper");
        AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, 2, 0, "D&eepest");
        AddMenuItem(AddID("%IDM_EDIT_DEEP", "2012", wkUsedByMenu), lMenu, 0, 0, wkMenuItem, 3,
                    wkMfChecked | wkMfGrayed, "Bottom");
        AddMenuItem(0, lMenu, 0, 0, wkMenuSeparator, 1, 0, "");
        const int32_t lTop = AddID("%IDM_EDIT_TOP", "&H7DD", wkUsedByMenu);
        // Keys of the linked table: one shown on its item, one on a command alone.
        const int32_t lKeys = NewRes("%IDR_KEYS2", "203", wkResAccel);
        Link(lDlg, lMenu, lKeys);
        AddMenuItem(lTop, lMenu, AddAccel(lTop, lKeys, 0x74, wkFShift), 0, wkMenuItem, 0, 0,
                    "&Top");
        AddAccel(AddID("%IDM_HIDDEN", "2014", wkUsedByAccel), lKeys, 'H', wkFControl | wkFAlt);
        int32_t lGrid = NewControl(lDlg, wkCtlCustom, "%IDC_GRID", "2015", "Grid", 120, 65, 50, 20);
        gatDlg.W(lGrid).szClass = "MyGrid";
        // Every row with its catalog section and a font, as the designer makes them.
        for (int32_t l = 1; l <= glDlgCnt; ++l) {
            tDlg& t = gatDlg.W(l);
            t.lClassElem = FindClass(t.lCtlType ? CtlTypeClass(t.lCtlType) : "DialogStyles");
            t.lFontElem = t.lFontElem ? t.lFontElem : 1;
        }
    }
};

TEST_F(RoundTripTest, SampleFileReadsIntoTheExpectedTablesAndWritesBackUnchanged) {
    std::ifstream tIn(std::string(WK_SOURCE_DIR) + "/examples/sample.bas", std::ios::binary);
    const std::string sSample(std::istreambuf_iterator<char>(tIn), {});
    ASSERT_FALSE(sSample.empty());
    RecordingSeam tSeam;
    ASSERT_EQ(LoadKVL(sSample, 1, 0, "sample.bas"), 1);
    EXPECT_TRUE(tSeam.Reports().empty());
    EXPECT_TRUE(MatchesGolden("writers/sample.tables", Dump(true)));
    EXPECT_EQ(BuildUpdatedKvlFile(gtDoc, tWriteLayout{}), sSample);
}

TEST_F(RoundTripTest, RichProjectReadsBackIntoTheSameTablesAndIsStable) {
    BuildRichProject();
    const std::string sBefore = Dump();
    const std::string sNew = BuildNewKvlFile(gtDoc, tWriteLayout{});
    RecordingSeam tSeam;
    const std::string sOnce = Resave(sNew);
    EXPECT_TRUE(tSeam.Reports().empty());
    EXPECT_EQ(Dump(), sBefore) << sNew;
    EXPECT_EQ(sOnce, sNew);
    EXPECT_EQ(Resave(sOnce), sNew);
}

TEST_F(RoundTripTest, UserTextBetweenBlocksSurvivesEverySave) {
    BuildExampleProject();
    std::string s = BuildNewKvlFile(gtDoc, tWriteLayout{});
    // The user's own code in several places, one line without a line end at the end.
    auto Insert = [&](const std::string& sBefore, const std::string& sText) {
        size_t p = s.find(sBefore);
        ASSERT_NE(p, std::string::npos) << sBefore;
        s.insert(p, sText);
    };
    Insert("#Wrenkit Begin Constants", "%MY_OWN = 5   ' trailing blanks   \r\n\t\r\n");
    Insert("#Wrenkit Declarations\r\n'-", "Declare Sub Mine()\r\n");
    Insert("Function KvMain()", "Sub Mine()\r\n    ' mine\r\nEnd Sub\r\n\r\n");
    Insert("                Case %IDC_TEXTBOX1\r\n", "                ' handled by me\r\n");
    s += "' the end, no line end";
    const std::string sFirst = Resave(s);
    EXPECT_EQ(sFirst, s);
    std::string sAgain = sFirst;
    for (int i = 0; i < 3; ++i) {
        sAgain = Resave(sAgain);
    }
    EXPECT_EQ(sAgain, s);
}

TEST_F(RoundTripTest, ChangesReachTheBlocksOnly) {
    BuildExampleProject();
    std::string s = BuildNewKvlFile(gtDoc, tWriteLayout{});
    s.insert(s.find("Function KvMain()"), "' keep me\r\n");
    ASSERT_EQ(LoadKVL(s, 1, 0, "C:\\Work\\Demo.bas"), 1);
    // A new dialog: declared above the marker and appended whole, once.
    int32_t lDlg = NewDialog("%IDD_MORE", "300", "More", 0, 0, 50, 50);
    NewControl(lDlg, wkCtlButton, "%IDC_MORE_OK", "3001", "OK", 1, 1, 40, 12);
    const std::string sSaved = BuildKvlFile(gtDoc, tWriteLayout{}, true);
    EXPECT_NE(sSaved.find("' keep me\r\n"), std::string::npos);
    EXPECT_NE(sSaved.find("Declare Function ShowMORE(ByVal hDlg As Dword) As Long\r\n"
                          "#Wrenkit Declarations\r\n"),
              std::string::npos);
    EXPECT_NE(sSaved.find("%IDD_MORE           = 300\r\n"), std::string::npos);
    // Read back, the new dialog has its block: the next save adds nothing more.
    EXPECT_EQ(Resave(sSaved), sSaved);
}

TEST_F(RoundTripTest, ImportedFileKeepsItsCopy) {
    const std::string sPlain = "Function KvMain()\r\n"
                               "    Local hDlg As Dword\r\n"
                               "    Dialog New 0, \"Plain\", 0, 0, 100, 50, To hDlg\r\n"
                               "    Control Add Button, hDlg, 1001, \"Go\", 5, 5, 50, 15\r\n"
                               "End Function\r\n";
    RecordingSeam tSeam;
    tSeam.ExpectAsk(gszNotCreatedQuestion, wkAnsYes);
    ASSERT_EQ(LoadKVL(sPlain, 1, 0, "C:\\Work\\Plain.bas"), 1);
    const std::string sFirst = BuildKvlFile(gtDoc, tWriteLayout{}, true);
    const std::string sCopy = "#Wrenkit Copy\r\n'The following is a copy of your code before "
                              "importing:\r\n#If 0\r\n" +
                              sPlain + "\r\n#EndIf\r\n";
    EXPECT_TRUE(sFirst.ends_with(sCopy)) << sFirst;
    // The saved file, opened and saved again, keeps the copy as the user's text.
    EXPECT_EQ(Resave(sFirst), sFirst);
    EXPECT_EQ(Resave(Resave(sFirst)), sFirst);
}

} // namespace
