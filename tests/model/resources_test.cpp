#include "edit/data_files.h"
#include "edit/resource_edits.h"
#include "model/project.h"
#include "tests/model/model_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Resources = ModelTest;

namespace {

// A dialog with a menu (two items, one with a prompt string) and an
// accelerator table (two keys), all linked as the selector links them.
struct tLinkedSet {
    int32_t lDlg, lMenu, lAccel, lPromptStr;
};

tLinkedSet MakeLinkedSet() {
    tLinkedSet t{};
    t.lDlg = NewResource(wkResDialog);
    t.lMenu = NewResource(wkResMenu);
    t.lAccel = NewResource(wkResAccel);
    tDlg tRow{};
    tRow.lResElem = t.lDlg;
    tRow.lIDElem = gatRes[t.lDlg].lIDElem;
    AddDlgRow(tRow);
    tRow.lIDElem = 0;
    tRow.lCtlType = 6;
    tRow.lCtlOrder = 1;
    AddDlgRow(tRow);
    t.lPromptStr = AddStr(0, "Opens a file");
    AddMenuItem(0, t.lMenu, 0, t.lPromptStr, wkMenuPopup, 0, 0, "&File");
    AddMenuItem(0, t.lMenu, 0, 0, wkMenuItem, 1, 0, "&Open");
    AddAccel(0, t.lAccel, 'O', wkFControl);
    AddAccel(0, t.lAccel, 'S', wkFControl);
    return t;
}

} // namespace

TEST_F(Resources, NewResourceNamesLinksAndMakesCurrent) {
    int32_t lDlg = NewResource(wkResDialog);
    EXPECT_EQ(gatRes[lDlg].szIDName, "%IDD_DIALOG1");
    EXPECT_EQ(gatID[gatRes[lDlg].lIDElem].lIDValue, 101);
    EXPECT_EQ(gatID[gatRes[lDlg].lIDElem].lUsedBy, wkUsedByRes);
    EXPECT_EQ(gtElem.lResDlg, lDlg);

    int32_t lMenu = NewResource(wkResMenu);
    EXPECT_EQ(gatRes[lMenu].szIDName, "%IDR_MENU1");
    EXPECT_EQ(gatID[gatRes[lMenu].lIDElem].lIDValue, 102);
    EXPECT_EQ(gatRes[lDlg].lLinkMenu, lMenu);
    EXPECT_EQ(gatRes[lMenu].lLinkDlg, lDlg);
    EXPECT_EQ(gtElem.lResMenu, lMenu);

    // A table made while a dialog without accelerators and a menu are current
    // is linked to both.
    int32_t lAccel = NewResource(wkResAccel);
    EXPECT_EQ(gatRes[lAccel].szIDName, "%IDR_ACCELERATOR1");
    EXPECT_EQ(gatRes[lDlg].lLinkAccel, lAccel);
    EXPECT_EQ(gatRes[lAccel].lLinkDlg, lDlg);
    EXPECT_EQ(gatRes[lAccel].lLinkMenu, lMenu);
    EXPECT_EQ(gatRes[lMenu].lLinkAccel, lAccel);
    EXPECT_EQ(gtElem.lResAccel, lAccel);

    // A second dialog: the current menu and table are already linked.
    int32_t lDlg2 = NewResource(wkResDialog);
    EXPECT_EQ(gatRes[lDlg2].szIDName, "%IDD_DIALOG2");
    EXPECT_EQ(gatRes[lDlg2].lLinkMenu, 0);
    EXPECT_EQ(gatRes[lDlg2].lLinkAccel, 0);

    // A pop-up menu is never linked, but becomes the current menu.
    int32_t lPopup = NewResource(wkResPopupMenu);
    EXPECT_EQ(gatRes[lPopup].szIDName, "%IDR_POPUPMENU1");
    EXPECT_EQ(gatRes[lDlg2].lLinkMenu, 0);
    EXPECT_EQ(gtElem.lResMenu, lPopup);
    // A dialog made now does not take a pop-up menu as its menu.
    int32_t lDlg3 = NewResource(wkResDialog);
    EXPECT_EQ(gatRes[lDlg3].lLinkMenu, 0);

    int32_t lCount = glResCnt;
    EXPECT_EQ(NewResource(wkResCursor), 0); // a cursor has no default name
    EXPECT_EQ(glResCnt, lCount);
    int32_t lAvi = NewResource(wkResAvi);
    EXPECT_EQ(gatRes[lAvi].szIDName, "%IDR_AVI1");
    EXPECT_EQ(gtElem.lResDlg, lDlg3);
}

TEST_F(Resources, NewDialogTakesTheCurrentFreeMenuAndTable) {
    int32_t lMenu = NewResource(wkResMenu);
    int32_t lAccel = NewResource(wkResAccel); // no current dialog: not linked
    EXPECT_EQ(gatRes[lAccel].lLinkMenu, 0);
    int32_t lDlg = NewResource(wkResDialog);
    EXPECT_EQ(gatRes[lDlg].lLinkMenu, lMenu);
    EXPECT_EQ(gatRes[lMenu].lLinkDlg, lDlg);
    EXPECT_EQ(gatRes[lDlg].lLinkAccel, lAccel);
    EXPECT_EQ(gatRes[lAccel].lLinkDlg, lDlg);
}

TEST_F(Resources, LinkAndUnlinkKeepBothSidesAndTheSelection) {
    int32_t lDlg = NewResource(wkResDialog);
    gtElem.lResMenu = 0;
    int32_t lMenu = AddResource("%IDR_M", wkResMenu, 0, 0);
    int32_t lAccel = AddResource("%IDR_A", wkResAccel, 0, 0);
    LinkResources(lDlg, lMenu, lAccel);
    EXPECT_EQ(gatRes[lMenu].lLinkDlg, lDlg);
    EXPECT_EQ(gatRes[lAccel].lLinkDlg, lDlg);
    EXPECT_EQ(gtElem.lResMenu, lMenu);
    EXPECT_EQ(gtElem.lResAccel, lAccel);
    UnlinkResources(lDlg);
    EXPECT_EQ(gatRes[lDlg].lLinkMenu, 0);
    EXPECT_EQ(gatRes[lDlg].lLinkAccel, 0);
    EXPECT_EQ(gatRes[lMenu].lLinkDlg, 0);
    EXPECT_EQ(gatRes[lAccel].lLinkDlg, 0);
    EXPECT_EQ(gtElem.lResMenu, 0);
    EXPECT_EQ(gtElem.lResAccel, 0);
    LinkResources(0, lMenu, lAccel);
    EXPECT_EQ(gatRes[lMenu].lLinkDlg, 0);
}

TEST_F(Resources, DeletingADialogMenuOrTableTakesWhatItOwnsAndNoLinkOutlivesIt) {
    // What is left after deleting each resource of a linked set beside another
    // table: whether the dialog, menu, table and other table live; the dialog's
    // rows, the menu's items, the key rows (the other table's comes first) and
    // the strings; whether the dialog still links the menu and the table, the
    // menu the table; whether the menu and the table are still current.
    struct {
        int32_t tLinkedSet::*plDelete;
        std::vector<int32_t> alLeft;
    } const atCase[] = {
        {&tLinkedSet::lDlg, {0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
        {&tLinkedSet::lMenu, {1, 0, 0, 1, 2, 0, 1, 0, 0, 0, 0, 0, 0}},
        {&tLinkedSet::lAccel, {1, 1, 0, 1, 2, 2, 1, 1, 1, 0, 0, 1, 0}},
    };
    for (const auto& tCase : atCase) {
        ClearProject();
        const int32_t lOther = AddResource("%IDR_OTHER", wkResAccel, 0, 0);
        const int32_t lOtherKey = AddAccel(0, lOther, 'X', 0);
        const tLinkedSet t = MakeLinkedSet();
        const int32_t lDlgID = gatRes[t.lDlg].lIDElem;
        EXPECT_EQ(DeleteResource(t.*tCase.plDelete), 1);
        const tRes& tDlg = gatRes[t.lDlg];
        EXPECT_EQ((std::vector<int32_t>{
                      gatRes.Live(t.lDlg), gatRes.Live(t.lMenu), gatRes.Live(t.lAccel),
                      gatRes.Live(lOther) && gatAccel.Live(lOtherKey), CountDialogRows(t.lDlg),
                      CountMenuItems(t.lMenu), glAccelCnt, glStrCnt, tDlg.lLinkMenu == t.lMenu,
                      tDlg.lLinkAccel == t.lAccel, gatRes[t.lMenu].lLinkAccel == t.lAccel,
                      gtElem.lResMenu == t.lMenu, gtElem.lResAccel == t.lAccel}),
                  tCase.alLeft);
        // IDs stay; they are found unused by the next recount.
        RecountUsage();
        EXPECT_EQ(gatID[lDlgID].lUsedBy, gatRes.Live(t.lDlg) ? wkUsedByRes : 0);
    }
    // The table was the last row: trimmed, its number is free again.
    EXPECT_EQ(glResCnt, 3);
}

TEST_F(Resources, DeletingAMenuKeepsTheDialogsOwnTable) {
    // The table was made before the menu, so the menu has none of its own.
    int32_t lDlg = NewResource(wkResDialog);
    int32_t lAccel = NewResource(wkResAccel);
    int32_t lMenu = NewResource(wkResMenu);
    ASSERT_EQ(gatRes[lMenu].lLinkAccel, 0);
    DeleteResource(lMenu);
    EXPECT_EQ(gatRes[lDlg].lLinkMenu, 0);
    EXPECT_EQ(gatRes[lDlg].lLinkAccel, lAccel);
    EXPECT_EQ(gatRes[lAccel].lLinkDlg, lDlg);
    EXPECT_EQ(gtElem.lResMenu, 0);
    EXPECT_EQ(gtElem.lResAccel, lAccel);
}

TEST_F(Resources, PopupMenusGoWithTheirItemsAndDataFilesStay) {
    int32_t lPopup = NewResource(wkResPopupMenu);
    int32_t lStr = AddStr(0, "prompt");
    AddMenuItem(0, lPopup, 0, lStr, wkMenuItem, 0, 0, "a");
    AddMenuItem(0, lPopup, 0, 0, wkMenuItem, 0, 0, "b");
    int32_t lIcon = NewResource(wkResIcon);
    EXPECT_EQ(DeleteResource(lPopup), 1);
    EXPECT_FALSE(gatRes.Live(lPopup));
    EXPECT_EQ(glMenuCnt, 0);
    EXPECT_EQ(glStrCnt, 0);

    glChanged = 0;
    EXPECT_EQ(DeleteResource(lIcon), 1);
    EXPECT_TRUE(gatRes.Live(lIcon));
    EXPECT_EQ(glChanged, 0);
}

TEST_F(Resources, ControlOrderMovesBothWaysAndStaysGapless) {
    int32_t lRes = MakeDialog("%IDD_DIALOG1", "101");
    int32_t lOther = MakeDialog("%IDD_DIALOG2", "102");
    std::vector<int32_t> alRow;
    for (int32_t i = 1; i <= 5; ++i) {
        alRow.push_back(MakeControl(lRes, "%IDC_" + std::to_string(i), i));
    }
    int32_t lForeign = MakeControl(lOther, "%IDC_F", 2);
    gtElem.lResDlg = lRes;
    auto Orders = [&] {
        std::vector<int32_t> al;
        for (int32_t l : alRow) {
            al.push_back(gatDlg[l].lCtlOrder);
        }
        return al;
    };

    SetControlOrder(alRow[3], 2); // fourth to second
    EXPECT_EQ(Orders(), (std::vector<int32_t>{1, 3, 4, 2, 5}));
    SetControlOrder(alRow[0], 4); // first to fourth
    EXPECT_EQ(Orders(), (std::vector<int32_t>{4, 2, 3, 1, 5}));
    SetControlOrder(alRow[4], 5); // unchanged
    EXPECT_EQ(Orders(), (std::vector<int32_t>{4, 2, 3, 1, 5}));
    EXPECT_EQ(gatDlg[lForeign].lCtlOrder, 2); // other dialogs are untouched
}

TEST_F(Resources, DataFilesPickTheirKindAndAreShared) {
    int32_t lRes = MakeDialog("%IDD_DIALOG1", "101");
    auto Row = [&](int32_t lKind, int32_t lStyle) {
        int32_t l = MakeControl(lRes, "%IDC_K" + std::to_string(glDlgCnt), glDlgCnt, lKind);
        gatDlg.W(l).lStyle = lStyle;
        return l;
    };
    struct tCase {
        int32_t lKind, lStyle, lExpect;
    };
    const tCase atCase[] = {
        {1, 14, wkResBitmap},   {2, 0x5000000E, wkResBitmap},
        {1, 3, wkResIcon},      {1, 0, 0},
        {7, 0x80, wkResBitmap}, {8, 0, wkResIcon},
        {24, 0, wkResAvi},      {6, 0, 0},
    };
    int32_t lFile = 0;
    for (const tCase& t : atCase) {
        int32_t l = Row(t.lKind, t.lStyle);
        std::string sFile = "f" + std::to_string(++lFile) + ".dat";
        EXPECT_EQ(SetDataFile(l, sFile), 1);
        EXPECT_EQ(gatRes[gatDlg[l].lDataResElem].lType, t.lExpect) << t.lKind;
        if (t.lExpect) {
            EXPECT_EQ(DataFileName(l), sFile);
        }
    }
    // The dialog row shows an icon.
    SetDataFile(1, "app.ico");
    EXPECT_EQ(gatRes[gatDlg[1].lDataResElem].lType, wkResIcon);
    EXPECT_EQ(DataIDName(1), "%IDR_IMGFILE6");

    // The same file (any case) shares the resource; an empty name detaches.
    int32_t lA = Row(1, 14);
    int32_t lB = Row(1, 14);
    SetDataFile(lA, "Logo.bmp");
    int32_t lCount = glResCnt;
    SetDataFile(lB, "LOGO.BMP");
    EXPECT_EQ(glResCnt, lCount);
    EXPECT_EQ(gatDlg[lB].lDataResElem, gatDlg[lA].lDataResElem);
    EXPECT_EQ(FindDataResource("logo.bmp"), gatDlg[lA].lDataResElem);
    EXPECT_EQ(FindDataResource(""), 0);
    SetDataFile(lA, "");
    EXPECT_EQ(gatDlg[lA].lDataResElem, 0);
    EXPECT_TRUE(gatRes.Live(gatDlg[lB].lDataResElem));
    // A data resource is never current and never linked.
    EXPECT_EQ(gtElem.lResDlg, 0);
}

namespace {
int32_t glDestroyedRow = 0;
int64_t glDestroyedWnd = 0;
int32_t glHookRuns = 0;
} // namespace

TEST_F(Resources, ClearProjectKeepsCatalogStringsFontsAndScriptBlocks) {
    AddDynStr("catalog 1");
    AddDynStr("catalog 2");
    glDynStrBase = glDynStrCnt;
    tFontDesc tDesc{};
    tDesc.szFontName = "MS Sans Serif";
    tDesc.fFontSize = 8;
    AddFont(tDesc);
    AddRCBlock(1, 0, 1, 10);

    tLinkedSet t = MakeLinkedSet();
    int32_t lDlgRow = FindDialogRow(t.lDlg);
    gatDlg.W(lDlgRow).hWnd = 0x1234;
    gtElem.lDlg = lDlgRow;
    gtElem.lCtl = lDlgRow;
    AddBlock(1, 0, 1, 5);
    AddDynStr("project text");
    // The listeners are told while the rows still exist, so the surface can
    // take the live window of the current dialog down.
    const ChangeListener pfnListen = [](const tChange& t) {
        if (t.lTable == wkChgEverything && t.lPhase == wkChgCleared) {
            glDestroyedRow = gtElem.lDlg;
            glDestroyedWnd = gatDlg[gtElem.lDlg].hWnd;
            ++glHookRuns;
        }
    };
    AddChangeListener(pfnListen);
    glHookRuns = 0;

    ClearProject();
    RemoveChangeListener(pfnListen);
    EXPECT_EQ(glDestroyedRow, lDlgRow);
    EXPECT_EQ(glDestroyedWnd, 0x1234);
    EXPECT_EQ(glHookRuns, 1);
    // Counts of IDs, resources, dialog rows, menu items, keys, strings, blocks,
    // script blocks, fonts and pool texts; then the selection and the flag.
    EXPECT_EQ((std::vector<int32_t>{glIDCnt, glResCnt, glDlgCnt, glMenuCnt, glAccelCnt, glStrCnt,
                                    glBlockCnt, glRCBlockCnt, ghFontCnt, glDynStrCnt}),
              (std::vector<int32_t>{0, 0, 0, 0, 0, 0, 0, 1, 1, 2}));
    EXPECT_EQ(GetDynStr(2), "catalog 2");
    EXPECT_EQ((std::vector<int32_t>{gtElem.lResDlg, gtElem.lDlg, gtElem.lCtl, glChanged}),
              (std::vector<int32_t>{0, 0, 0, 0}));
}

TEST_F(Resources, MovingAControlBehindAllOthersGivesItTheLastPlace) {
    // The designer deletes a control by moving it to 1048575 first.
    int32_t lRes = MakeDialog("%IDD_DIALOG1", "101");
    int32_t lA = MakeControl(lRes, "%IDC_A", 1);
    int32_t lB = MakeControl(lRes, "%IDC_B", 2);
    int32_t lC = MakeControl(lRes, "%IDC_C", 3);
    gtElem.lResDlg = lRes;
    SetControlOrder(lA, 1048575);
    EXPECT_EQ(gatDlg[lA].lCtlOrder, 3);
    EXPECT_EQ(gatDlg[lB].lCtlOrder, 1);
    EXPECT_EQ(gatDlg[lC].lCtlOrder, 2);
    gatDlg.W(lA).lCtlOrder = -1;
    DeleteDlgRow(lA);
    SetControlOrder(lC, 1);
    EXPECT_EQ(gatDlg[lC].lCtlOrder, 1);
    EXPECT_EQ(gatDlg[lB].lCtlOrder, 2);

    // Positions from a damaged file at the ends of the range.
    gatDlg.W(lB).lCtlOrder = INT32_MAX;
    SetControlOrder(lB, INT32_MAX - 1);
    SetControlOrder(lC, INT32_MAX);
    EXPECT_EQ(gatDlg[lC].lCtlOrder, INT32_MAX - 1);
}
