// The reader against the writers: what they write reads back into the same
// tables, and a file read with its blocks is written back byte for byte.
#include "edit/data_files.h"
#include "tests/readers/reader_fixture.h"

#include "model/accel_keys.h"
#include "writers/kvl_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

class KvlRoundTrip : public ReaderTest {
  protected:
    void SetUp() override {
        ReaderTest::SetUp();
        ResetOptions();
        gtDoc.sPath.clear();
        gtDoc.lAsNew = 0;
    }
    void TearDown() override {
        gtDoc.sPath.clear();
        ReaderTest::TearDown();
    }

    static std::string ReadSample() {
        std::ifstream tIn(std::string(WK_SOURCE_DIR) + "/examples/sample.bas", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(tIn), std::istreambuf_iterator<char>());
    }

    static std::string ResName(int32_t lRes) { return gatRes[lRes].szIDName.str(); }

    // Everything the writers and the designer use, without element numbers, so
    // that two loads of the same project compare equal.
    static std::string Dump() {
        RecountUsage();
        std::ostringstream o;
        for (int32_t l = 1; l <= glIDCnt; ++l) {
            const tID& t = gatID[l];
            o << "ID " << t.szIDName.view() << "=" << IDValueText(l) << " used " << t.lUsedBy
              << "\n";
        }
        std::vector<std::string> asRes;
        for (int32_t l = 1; l <= glResCnt; ++l) {
            const tRes& t = gatRes[l];
            asRes.push_back("RES " + ResName(l) + " kind " + std::to_string(t.lType) + " id " +
                            gatID[t.lIDElem].szIDName.str() + " dlg " + ResName(t.lLinkDlg) +
                            " menu " + ResName(t.lLinkMenu) + " accel " + ResName(t.lLinkAccel) +
                            "\n");
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
              << " " << tFont.fFontSize << " " << tFont.lWeight << " colours "
              << int(t.byForeClrUsed) << ":" << t.lForeClr << " " << int(t.byBackClrUsed) << ":"
              << t.lBackClr << "\n";
        }
        for (int32_t l = 1; l <= glMenuCnt; ++l) {
            const tMenu& t = gatMenu[l];
            o << "ITEM " << ResName(t.lResElem) << " " << t.lType << " " << t.lLevel << " "
              << t.lOptions << " '" << GetDynStr(t.lCaptionElem) << "' "
              << gatID[t.lIDElem].szIDName.view() << " key " << AccelDisplayText(t.lAccelElem)
              << "\n";
        }
        for (int32_t l = 1; l <= glAccelCnt; ++l) {
            const tAccel& t = gatAccel[l];
            o << "KEY " << ResName(t.lResElem) << " " << int(t.byKey) << " " << int(t.byModifiers)
              << " " << gatID[t.lIDElem].szIDName.view() << "\n";
        }
        return o.str();
    }

    static int32_t AddRow(int32_t lRes, int32_t lKind, const char* szCaption, int32_t x, int32_t y,
                          int32_t w, int32_t h) {
        tDlg t{};
        t.lResElem = lRes;
        t.lCtlType = lKind;
        t.szClass = lKind ? CtlTypeClass(lKind) : ""; // a dialog has only its class element
        t.lClassElem = FindClass(lKind ? CtlTypeClass(lKind) : "DialogStyles");
        const tCtlDefault& tDef = gatCtlDefault[lKind];
        t.lStyle = tDef.lStyle;
        t.lExStyle = tDef.lExStyle;
        t.lStyleStrElem = tDef.lStyleStrElem ? AddDynStr(GetDynStr(tDef.lStyleStrElem)) : 0;
        t.lExStyleStrElem = tDef.lExStyleStrElem ? AddDynStr(GetDynStr(tDef.lExStyleStrElem)) : 0;
        SetDynStr(t.lCaptionElem, szCaption);
        t.nLeft = x;
        t.nTop = y;
        t.nRight = x + w;
        t.nBottom = y + h;
        t.lFontElem = 1;
        if (lKind == 0) {
            t.lIDElem = gatRes[lRes].lIDElem;
        } else {
            t.lIDElem = NewControlID(CtlTypeKeyword(lKind, 0), lKind);
            const int32_t lLast = LastControlRow(lRes);
            t.lCtlOrder = lLast ? gatDlg[lLast].lCtlOrder + 1 : 1;
        }
        return AddDlgRow(t);
    }
};

TEST_F(KvlRoundTrip, SampleFileReadsIntoTheExpectedTablesAndWritesBackUnchanged) {
    const std::string sSample = ReadSample();
    ASSERT_FALSE(sSample.empty());
    RecordingSeam tSeam;
    ASSERT_EQ(LoadKVL(sSample, 1, 0, "sample.bas"), 1);
    EXPECT_TRUE(tSeam.Reports().empty());

    const char* aszID[] = {"%IDD_DIALOG1",   "%IDC_TEXTBOX1",  "%IDC_BUTTON1",     "%IDR_MENU1",
                           "%IDM_FILE_OPEN", "%IDM_FILE_EXIT", "%IDR_ACCELERATOR1"};
    const int32_t alValue[] = {101, 1001, 1002, 102, 1003, 1004, 103};
    ASSERT_EQ(glIDCnt, 7);
    for (int32_t l = 1; l <= 7; ++l) {
        EXPECT_EQ(IDName(l), aszID[l - 1]);
        EXPECT_EQ(gatID[l].lIDValue, alValue[l - 1]);
    }
    ASSERT_EQ(glResCnt, 3);
    const int32_t lMenu = 1, lAccel = 2, lDlg = 3; // in file order
    EXPECT_EQ(gatRes[lMenu].lType, wkResMenu);
    EXPECT_EQ(gatRes[lAccel].lType, wkResAccel);
    EXPECT_EQ(gatRes[lDlg].lType, wkResDialog);
    EXPECT_EQ(gatRes[lDlg].lLinkMenu, lMenu);
    EXPECT_EQ(gatRes[lDlg].lLinkAccel, lAccel);
    EXPECT_EQ(gatRes[lMenu].lLinkDlg, lDlg);
    EXPECT_EQ(gatRes[lMenu].lLinkAccel, lAccel);
    EXPECT_EQ(gatRes[lAccel].lLinkDlg, lDlg);
    EXPECT_EQ(gatRes[lAccel].lLinkMenu, lMenu);

    ASSERT_EQ(glDlgCnt, 3);
    EXPECT_EQ(Caption(gatDlg[1].lCaptionElem), "Dialog1");
    EXPECT_EQ(gatDlg[1].nRight, 271);
    EXPECT_EQ(gatDlg[2].lCtlType, wkCtlTextBox);
    EXPECT_EQ(gatDlg[2].lCtlOrder, 1);
    EXPECT_EQ(gatDlg[3].lCtlType, wkCtlButton);
    EXPECT_EQ(Caption(gatDlg[3].lCaptionElem), "Button1");
    EXPECT_EQ(gatDlg[3].nBottom, 115);

    ASSERT_EQ(glMenuCnt, 4);
    EXPECT_EQ(Caption(gatMenu[1].lCaptionElem), "&File");
    EXPECT_EQ(Caption(gatMenu[2].lCaptionElem), "&Open");
    EXPECT_EQ(gatMenu[2].lAccelElem, 1);
    EXPECT_EQ(gatMenu[3].lType, wkMenuSeparator);
    EXPECT_EQ(IDName(gatMenu[4].lIDElem), "%IDM_FILE_EXIT");
    ASSERT_EQ(glAccelCnt, 1);
    EXPECT_EQ(gatAccel[1].byKey, 'O');
    EXPECT_EQ(gatAccel[1].byModifiers, wkFControl);

    EXPECT_EQ(BlockKinds(),
              (std::vector<int32_t>{wkBlockCreated, 0, wkBlockIncludes, 0, wkBlockConstants, 0,
                                    wkBlockDeclarations, 0, wkBlockMenu, 0, wkBlockAssignAccel, 0,
                                    wkBlockAccel, 0, wkBlockDialog, 0}));
    EXPECT_EQ(BuildUpdatedKvlFile(gtDoc), sSample);
}

TEST_F(KvlRoundTrip, WrittenProjectReadsBackIntoTheSameTables) {
    tFontDesc tBold{};
    tBold.szFontName = "Tahoma";
    tBold.fFontSize = 10;
    tBold.lWeight = 700;
    const int32_t lFont = AddFont(tBold);

    const int32_t lDlgRes = NewResource(wkResDialog);
    const int32_t lDlg = AddRow(lDlgRes, wkCtlDialog, "Main \"window\"", 10, 10, 200, 100);
    gtElem.lDlg = lDlg;
    gatDlg.W(lDlg).byBackClrUsed = 1;
    gatDlg.W(lDlg).lBackClr = 0x00FFFF;
    gatDlg.W(lDlg).lFontElem = lFont;
    const int32_t lLabel = AddRow(lDlgRes, wkCtlLabel, "Name:", 5, 5, 50, 10);
    gatDlg.W(lLabel).byForeClrUsed = 1;
    gatDlg.W(lLabel).lForeClr = 0x408000;
    gatDlg.W(lLabel).lFontElem = lFont;
    AddRow(lDlgRes, wkCtlTextBox, "", 60, 5, 100, 13);
    const int32_t lCheck = AddRow(lDlgRes, wkCtlCheckBox, "Check", 5, 20, 100, 10);
    AddStyle(lCheck, 0x20000, FindClass("WindowStyles")); // WS_GROUP
    AddRow(lDlgRes, wkCtlComboBox, "", 5, 35, 100, 40);
    AddRow(lDlgRes, wkCtlVScrollBar, "", 170, 5, 10, 80);
    AddRow(lDlgRes, wkCtlListView, "SysListView32_1", 5, 60, 100, 30);
    const int32_t lImage = AddRow(lDlgRes, wkCtlImage, "", 120, 30, 30, 30);
    SetDataFile(lImage, "pic.bmp");
    const int32_t lCustom = AddRow(lDlgRes, wkCtlCustom, "Grid", 120, 65, 50, 20);
    gatDlg.W(lCustom).szClass = "MyGrid";

    const int32_t lMenuRes = NewResource(wkResMenu);
    auto Item = [&](const char* szID, int32_t lType, int32_t lLevel, int32_t lOptions,
                    const char* szCaption) {
        int32_t lID = *szID ? AddID(szID, std::to_string(NextControlIDValue()), wkUsedByMenu) : 0;
        return AddMenuItem(lID, lMenuRes, 0, 0, lType, lLevel, lOptions, szCaption);
    };
    Item("", wkMenuPopup, 0, 0, "&File");
    const int32_t lOpen = Item("%IDM_FILE_OPEN", wkMenuItem, 1, wkMfChecked, "&Open");
    Item("", wkMenuSeparator, 1, 0, "");
    Item("", wkMenuPopup, 1, 0, "&Recent");
    Item("%IDM_RECENT_ONE", wkMenuItem, 2, wkMfGrayed, "One\\tmine");
    const int32_t lExit = Item("%IDM_FILE_EXIT", wkMenuItem, 1, 0, "E&xit \"now\"");
    Item("%IDM_HELP", wkMenuItem, 0, 0, "&Help");

    const int32_t lAccelRes = NewResource(wkResAccel);
    gatMenu.W(lOpen).lAccelElem = AddAccel(gatMenu[lOpen].lIDElem, lAccelRes, 'O', wkFControl);
    gatMenu.W(lExit).lAccelElem = AddAccel(gatMenu[lExit].lIDElem, lAccelRes, 0x74, wkFShift); // F5
    ASSERT_EQ(gatRes[lDlgRes].lLinkMenu, lMenuRes);
    ASSERT_EQ(gatRes[lDlgRes].lLinkAccel, lAccelRes);

    const std::string sBefore = Dump();
    const std::string sFile = BuildNewKvlFile(gtDoc);
    RecordingSeam tSeam;
    ASSERT_EQ(LoadKVL(sFile, 1, 0), 1);
    EXPECT_TRUE(tSeam.Reports().empty());
    EXPECT_EQ(Dump(), sBefore) << sFile;
    EXPECT_EQ(BuildUpdatedKvlFile(gtDoc), sFile);
}

} // namespace
