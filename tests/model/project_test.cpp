#include "edit/data_files.h"
#include "model/project.h"
#include "tests/model/model_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ProjectTables = ModelTest;

TEST_F(ProjectTables, OperationsOutOfRangeChangeNothing) {
    MakeDialog("%IDD_DIALOG1", "101");
    AddMenuItem(0, 1, 0, 0, wkMenuItem, 0, 0, "&Open");
    AddStr(1, "text");
    EXPECT_EQ(GetDynStr(100), "");

    // Operations on an element out of range change nothing, not even the flag.
    glChanged = 0;
    EXPECT_EQ(UpdateID(5, "%X", "1", 0), 0);
    EXPECT_EQ(SetIDValueText(0, "7"), 0);
    EXPECT_EQ(DeleteID(5), 0);
    EXPECT_EQ(DeleteResource(5), 0);
    EXPECT_EQ(DeleteResourceRow(0), 0);
    EXPECT_EQ(DeleteDlgRow(3), 0);
    EXPECT_EQ(UpdateMenuItem(2, 1, 1, 0, 0, 2, 0, 0, "x"), 0);
    EXPECT_EQ(DeleteMenuItem(0), 0);
    EXPECT_EQ(UpdateAccel(2, 1, 1, 1, 1), 0);
    EXPECT_EQ(DeleteAccel(2), 0);
    EXPECT_EQ(UpdateStr(2, 1, "x"), 0);
    EXPECT_EQ(DeleteStr(0), 0);
    EXPECT_EQ(SetDataFile(9, "a.bmp"), 0);
    EXPECT_EQ(SetControlOrder(9, 1), 0);
    tFontDesc tOut{};
    EXPECT_EQ(FontDescription(2, tOut), 0);
    EXPECT_EQ(glChanged, 0);
    EXPECT_EQ(glIDCnt, 1);
    EXPECT_EQ(glDlgCnt, 1);

    // A zero reference is followed without a test: a separator's ID is row 0.
    EXPECT_EQ(IDValueText(0), "0");
    EXPECT_EQ(DataFileName(0), "");
    EXPECT_EQ(DataIDName(1), "");
}

TEST_F(ProjectTables, DeletingLeavesTombstonesAndTheLastLiveRowEmptiesTheTable) {
    int32_t l1 = AddID("%A", "1", 0);
    int32_t l2 = AddID("%B", "2", 0);
    int32_t l3 = AddID("%C", "3", 0);
    EXPECT_EQ(DeleteID(l2), 1);
    EXPECT_EQ(glIDCnt, 3);
    EXPECT_EQ(FindIDByName("%B"), 0);
    EXPECT_EQ(FindIDByName("%c"), l3);
    EXPECT_EQ(DeleteID(l3), 1);
    EXPECT_EQ(glIDCnt, 1);
    EXPECT_EQ(DeleteID(l1), 1);
    EXPECT_EQ(glIDCnt, 0);
    EXPECT_TRUE(gatID.begin() == gatID.end()); // released
    EXPECT_EQ(FindIDByName(""), 0);

    // A long name is stored cut and found again by its long form.
    std::string sLong = "%IDC_" + std::string(40, 'L');
    int32_t lLong = AddID(sLong, "1", 0);
    EXPECT_EQ(gatID[lLong].szIDName.size(), 32u);
    EXPECT_EQ(FindIDByName(sLong), lLong);
}

TEST_F(ProjectTables, DeleteRowsFreeTheirTextsButKeepOtherRowsNumbered) {
    int32_t lRes = MakeDialog("%IDD_DIALOG1", "101");
    int32_t lCtl1 = MakeControl(lRes, "%IDC_A", 1);
    int32_t lCtl2 = MakeControl(lRes, "%IDC_B", 2);
    SetDynStr(gatDlg.W(lCtl1).lCaptionElem, "Caption");
    SetDynStr(gatDlg.W(lCtl1).lStyleStrElem, "001,");
    int32_t lCaption = gatDlg[lCtl1].lCaptionElem;
    int32_t lStyle = gatDlg[lCtl1].lStyleStrElem;
    EXPECT_EQ(DeleteDlgRow(lCtl1), 1);
    EXPECT_EQ(GetDynStr(lCaption), "");
    EXPECT_EQ(GetDynStr(lStyle), "");
    EXPECT_EQ(glDlgCnt, 3);
    EXPECT_EQ(gatDlg[lCtl2].lCtlOrder, 2);
    EXPECT_EQ(FindDlgRowByID(gatDlg[lCtl1].lIDElem), 0);
    EXPECT_EQ(CountDialogRows(lRes), 2);
    EXPECT_EQ(LastControlRow(lRes), lCtl2);
    DeleteDlgRow(lCtl2);
    EXPECT_EQ(glDlgCnt, 1);
    EXPECT_EQ(LastControlRow(lRes), 0); // the dialog row: no controls
    EXPECT_EQ(FindDialogRow(lRes), 1);

    int32_t lStr = AddStr(0, "prompt");
    int32_t lText = gatStr[lStr].lStrElem;
    AddStr(0, "other");
    DeleteStr(lStr);
    EXPECT_EQ(GetDynStr(lText), "");
}

TEST_F(ProjectTables, FindNextWalksPastEarlierMatchesAndSkipsTombstones) {
    int32_t lID = AddID("%IDM_X", "1001", 0);
    AddMenuItem(lID, 1, 0, 0, wkMenuItem, 0, 0, "a");
    AddMenuItem(lID, 1, 0, 0, wkMenuItem, 0, 0, "b");
    AddMenuItem(lID, 1, 0, 0, wkMenuItem, 0, 0, "c");
    DeleteMenuItem(2);
    EXPECT_EQ(FindMenuItemByID(lID), 1);
    EXPECT_EQ(FindNextMenuItemByID(lID, 1), 3);
    EXPECT_EQ(FindNextMenuItemByID(lID, 3), 0);
    EXPECT_EQ(FindMenuItemByID(0), 0);

    AddAccel(lID, 1, 'A', 0);
    AddAccel(lID, 1, 'B', 0);
    EXPECT_EQ(FindNextAccelByID(lID, FindAccelByID(lID)), 2);
    EXPECT_EQ(FindAccelByID(-3), 0);
}

TEST_F(ProjectTables, DynamicStringsAppendAndNeverReuse) {
    int32_t lElem = 0;
    SetDynStr(lElem, "");
    EXPECT_EQ(lElem, 0);
    EXPECT_EQ(glDynStrCnt, 0);

    SetDynStr(lElem, "one");
    EXPECT_EQ(lElem, 1);
    SetDynStr(lElem, "uno");
    EXPECT_EQ(lElem, 1); // overwritten in place
    EXPECT_EQ(GetDynStr(1), "uno");

    SetDynStr(lElem, "");
    EXPECT_EQ(lElem, 0);
    EXPECT_EQ(glDynStrCnt, 1); // emptied, never removed
    EXPECT_EQ(GetDynStr(1), "");

    SetDynStr(lElem, "two");
    EXPECT_EQ(lElem, 2); // a freed element is not reused

    int32_t lStale = 99;
    SetDynStr(lStale, "three");
    EXPECT_EQ(lStale, 3);
    lStale = 99;
    SetDynStr(lStale, "");
    EXPECT_EQ(lStale, 0);

    EXPECT_EQ(AddDynStr(""), 4); // AddDynStr appends even an empty text
    EXPECT_EQ(FreeDynStr(lElem), 1);
    EXPECT_EQ(lElem, 0);
    EXPECT_EQ(GetDynStr(2), "");
    EXPECT_EQ(FreeDynStr(lElem), 0);
    int32_t lOut = 50;
    EXPECT_EQ(FreeDynStr(lOut), 0);
    EXPECT_EQ(lOut, 50);
}

TEST_F(ProjectTables, ValueTextsRoundTripWithTheirForms) {
    // In turn on one row, so a mark left by the form before would show: the
    // text set, the value it reads as and the text written back ("" when it is
    // the text set; the last five are Val's readings and the plain form).
    struct {
        const char* szIn;
        int32_t lValue;
        const char* szOut;
    } const at[] = {{"&H3E9", 1001, ""},
                    {"1001&", 1001, ""},
                    {"&HFF???", 255, ""},
                    {"1001", 1001, ""},
                    {"-5", -5, ""},
                    {"0", 0, ""},
                    {"1001?", 1001, ""},
                    {"1001%", 1001, ""},
                    {"1001??", 1001, ""},
                    {"1001???", 1001, ""},
                    {"&HFFFF???", 65535, ""},
                    {"&HFF??", 255, ""},
                    {"&H7FFFFFFF", INT32_MAX, ""},
                    {"&H10&", 16, ""},
                    {"-12&", -12, ""},
                    {"&HFFFFFFFF", -1, ""},
                    {"&H0", 0, ""},
                    {"  42", 42, "42"},
                    {"&h1f", 31, "&H1F"},
                    {"+7", 7, "7"},
                    {"abc", 0, "0"},
                    {"99999999999", INT32_MAX, "2147483647"}};
    const int32_t l = AddID("%X", "1", 0);
    for (const auto& t : at) {
        SetIDValueText(l, t.szIn);
        EXPECT_EQ(gatID[l].lIDValue, t.lValue) << t.szIn;
        EXPECT_EQ(IDValueText(l), *t.szOut ? t.szOut : t.szIn);
    }
    SetIDValueText(l, "1001");
    gatID.W(l).byHex = 1;
    gatID.W(l).byTypeSuffix = 2;
    EXPECT_EQ(IDValueText(l), "&H3E9%");
}

TEST_F(ProjectTables, RecountUsageMarksEachKindOfUser) {
    int32_t lRes = MakeDialog("%IDD_DIALOG1", "101");
    int32_t lDlgID = gatRes[lRes].lIDElem;
    int32_t lCtl = MakeControl(lRes, "%IDC_A", 1);
    int32_t lCtlID = gatDlg[lCtl].lIDElem;
    int32_t lMenuID = AddID("%IDM_A", "1100", 0);
    AddMenuItem(lMenuID, 2, 0, 0, wkMenuItem, 0, 0, "a");
    AddMenuItem(0, 2, 0, 0, wkMenuSeparator, 0, 0, ""); // no ID: changes nothing
    int32_t lStrID = AddID("%IDS_A", "1200", 0);
    AddStr(lStrID, "s");
    int32_t lUnused = AddID("%IDC_UNUSED", "1300", wkUsedByDlg);
    int32_t lDeadUser = AddID("%IDC_DEAD", "1301", 0);
    AddAccel(lDeadUser, 3, 'A', 0);
    DeleteAccel(1);
    int32_t lDeleted = AddID("%IDC_GONE", "1400", 0x7F);
    AddID("%IDC_KEEP", "1401", 0);
    DeleteID(lDeleted);

    glChanged = 0;
    RecountUsage();
    EXPECT_EQ(glChanged, 0);
    EXPECT_EQ(gatID[lDlgID].lUsedBy, 0x1000);
    EXPECT_EQ(gatID[lCtlID].lUsedBy, 0x8);
    EXPECT_EQ(gatID[lMenuID].lUsedBy, 0x40);
    EXPECT_EQ(gatID[lStrID].lUsedBy, 0x80);
    EXPECT_EQ(gatID[lUnused].lUsedBy, 0);
    EXPECT_EQ(gatID[lDeadUser].lUsedBy, 0);
    EXPECT_EQ(gatID[lDeleted].lUsedBy, 0); // deleted rows are reset too

    // A dialog ID also used by an accelerator key is marked as a control ID.
    AddAccel(lDlgID, 3, 'B', 0);
    RecountUsage();
    EXPECT_EQ(gatID[lDlgID].lUsedBy, 0x1009);
}

TEST_F(ProjectTables, ChangedFlagFollowsTheEditingOperationsOnly) {
    auto Changes = [](auto fn) {
        glChanged = 0;
        fn();
        return glChanged;
    };
    EXPECT_EQ(Changes([] { AddID("%A", "1", 0); }), 1);
    EXPECT_EQ(Changes([] { AddResource("%A", wkResDialog, 1, 0); }), 1);
    EXPECT_EQ(Changes([] { AddDlgRow(tDlg{}); }), 1);
    EXPECT_EQ(Changes([] { AddAccel(1, 1, 1, 0); }), 1);
    EXPECT_EQ(Changes([] { AddStr(1, ""); }), 1);
    EXPECT_EQ(Changes([] { AddBlock(1, 0, 1, 1); }), 0);
    EXPECT_EQ(Changes([] { AddRCBlock(1, 0, 1, 1); }), 0);
    EXPECT_EQ(Changes([] { RecountUsage(); }), 0);
    EXPECT_EQ(Changes([] { LinkResources(1, 0, 0); }), 0);
    EXPECT_EQ(Changes([] { UnlinkResources(1); }), 0);
    EXPECT_EQ(Changes([] { SetControlOrder(1, 1); }), 0);
    EXPECT_EQ(Changes([] { ClearBlocks(); }), 0);
}

TEST_F(ProjectTables, ResourceHelpers) {
    EXPECT_EQ(ResourceKindFromText("Dialog Accelerator Table"), wkResAccel);
    EXPECT_EQ(ResourceKindFromText("Pop-up Menu of Dialog"), wkResDialog);
    EXPECT_EQ(ResourceKindFromText("Pop-up Menu"), wkResPopupMenu);
    EXPECT_EQ(ResourceKindFromText("Menu"), wkResMenu);
    EXPECT_EQ(ResourceKindFromText("menu"), 0);

    int32_t lID = AddID("%IDR_MENU1", "101", wkUsedByRes);
    int32_t lMenu = AddResource("%IDR_MENU1", wkResMenu, lID, 0);
    AddResource("%IDR_MENU2", wkResMenu, 0, 0);
    DeleteResourceRow(1);
    EXPECT_EQ(FindResourceByID(lID), 0);
    EXPECT_EQ(FindResourceByID(0), 0);
    EXPECT_EQ(CountResources(wkResMenu), 2); // tombstones included

    gtElem.lResMenu = lMenu;
    AddMenuItem(0, lMenu, 0, 0, wkMenuItem, 0, 0, "a");
    AddMenuItem(0, lMenu, 0, 0, wkMenuItem, 0, 0, "b");
    AddMenuItem(0, lMenu, 0, 0, wkMenuItem, 0, 0, "c");
    DeleteMenuItem(2);
    EXPECT_EQ(CountCurrentItems(wkResMenu), 3);
    EXPECT_EQ(CountCurrentItems(wkResPopupMenu), 3);
    EXPECT_EQ(CountMenuItems(lMenu), 2);
    gtElem.lResAccel = 9;
    AddAccel(0, 9, 1, 0);
    EXPECT_EQ(CountCurrentItems(wkResAccel), 1);
    EXPECT_EQ(CountCurrentItems(wkResDialog), 0);
}

TEST_F(ProjectTables, BlocksAreFoundByKindAndResourceAndClearedWhole) {
    AddBlock(3, 0, 1, 10);
    AddBlock(5, 2, 11, 20);
    AddBlock(5, 4, 31, 20);
    EXPECT_EQ(FindBlockByKind(5), 2);
    EXPECT_EQ(FindBlockByRes(4), 3);
    EXPECT_EQ(FindBlockByKind(9), 0);
    AddRCBlock(7, 0, 1, 3);
    EXPECT_EQ(FindRCBlockByKind(7), 1);
    EXPECT_EQ(FindRCBlockByKind(3), 0);
    ClearBlocks();
    EXPECT_EQ(glBlockCnt, 0);
    EXPECT_EQ(glRCBlockCnt, 1);
    ClearRCBlocks();
    EXPECT_EQ(glRCBlockCnt, 0);
}
