// The menu editor's list rules and what storing an item writes into the
// tables: levels, moves, deletes, IDs, keys and prompts.
#include "edit/menu_edits.h"
#include "edit/resource_edits.h"
#include "model/accel_keys.h"
#include "tests/support/start_up.h"

#include <gtest/gtest.h>

namespace {

class MenuEdits : public ::testing::Test {
  protected:
    void SetUp() override {
        StartProject();
        lDialog = NewResource(wkResDialog);
        lMenu = NewResource(wkResMenu);
    }
    void TearDown() override { ClearProject(); }

    // Stores a caption and type on the item as the editor's fields would.
    int32_t Store(int32_t lItem, const std::string& sCaption, int32_t lType = wkMenuItem,
                  uint8_t byKey = 0, uint8_t byMods = 0, std::string sName = "") {
        tMenuFields t{sCaption, std::move(sName), "", "", lType, 0, byKey, byMods};
        return StoreMenuItem(lItem, t, MenuSharableIDNames());
    }
    // Keys of the current table (the table's own count keeps its tombstones).
    static int32_t LiveKeys() {
        int32_t n = 0;
        for (int32_t l = 1; l <= glAccelCnt; ++l) {
            n += gatAccel.Live(l) && gatAccel[l].lResElem == gtElem.lResAccel ? 1 : 0;
        }
        return n;
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> as;
        for (int32_t l : MenuItemRows(lMenu)) {
            as.push_back(MenuListLine(l));
        }
        return as;
    }

    int32_t lDialog = 0;
    int32_t lMenu = 0;
};

TEST_F(MenuEdits, ListKeepsLevelsValidThroughNextInsertMovesAndDelete) {
    const int32_t lFile = EnsureMenuHasItem(lMenu);
    EXPECT_EQ(gatMenu[lFile].lType, wkMenuPopup);
    EXPECT_EQ(EnsureMenuHasItem(lMenu), lFile);
    // The only item can be neither deleted nor moved.
    EXPECT_EQ(DeleteMenuItemFully(lFile), 0);
    EXPECT_EQ(MenuEditorButtons(MenuItemRows(lMenu), 0, wkMenuPopup, true), 0);
    EXPECT_EQ(MoveMenuItem(lFile, -1), 0);
    EXPECT_EQ(ShiftMenuItemLevel(lFile, -1), 0);
    EXPECT_EQ(ShiftMenuItemLevel(lFile, 1), 0);

    Store(lFile, "&File", wkMenuPopup);
    const int32_t lOpen = AppendMenuItem(lMenu, 0);
    // Right under a top-level pop-up once, never twice.
    EXPECT_EQ(ShiftMenuItemLevel(lOpen, 1), lOpen);
    EXPECT_EQ(ShiftMenuItemLevel(lOpen, 1), 0);
    Store(lOpen, "&Open...\\tCtrl+O");
    const int32_t lExit = AppendMenuItem(lMenu, 1);
    Store(lExit, "E&xit");
    // Level with a plain item, no deeper.
    EXPECT_EQ(ShiftMenuItemLevel(lExit, 1), 0);
    const int32_t lSep = InsertMenuItemBefore(lExit);
    EXPECT_EQ(lSep, lExit) << "the new item takes the element, the rest move down";
    Store(lSep, "", wkMenuSeparator);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"&File", "----&Open...\\tCtrl+O",
                                                 "----<___Separator___>", "----E&xit"}));
    const std::vector<int32_t> alRows = MenuItemRows(lMenu);
    EXPECT_EQ(MenuEditorButtons(alRows, 3, wkMenuItem, false),
              wkMenuCanLeft | wkMenuCanUp | wkMenuCanNext | wkMenuCanDelete);
    EXPECT_EQ(MenuEditorButtons(alRows, 1, wkMenuItem, true) & wkMenuCanNext, 0);
    EXPECT_NE(MenuEditorButtons(alRows, 2, wkMenuSeparator, true) & wkMenuCanNext, 0);

    // Down from the last place and up from the first are refused; a move swaps.
    EXPECT_EQ(MoveMenuItem(alRows[3], 1), 0);
    EXPECT_EQ(MoveMenuItem(alRows[2], 1), alRows[3]);
    EXPECT_EQ(Lines()[2], "----E&xit");
    // Deleting the last item selects the one before it.
    EXPECT_EQ(DeleteMenuItemFully(alRows[3]), alRows[2]);
    EXPECT_EQ(Lines().size(), 3u);
}

TEST_F(MenuEdits, StoringAnItemWritesItsIDKeyAndPromptAndAPopupDropsThem) {
    const int32_t lFile = EnsureMenuHasItem(lMenu);
    Store(lFile, "&File", wkMenuPopup);
    const int32_t lOpen = AppendMenuItem(lMenu, 1);
    Store(lOpen, "&Open...\\tCtrl+O");
    EXPECT_EQ(MenuItemIDName(lOpen), "%IDM_FILE_OPEN");

    tMenuFields t{"&Open...\\tCtrl+O",
                  "IDM_FILE_OPEN",
                  "",
                  "Opens a file",
                  wkMenuItem,
                  wkMfChecked | wkMfMenuBreak,
                  'O',
                  wkFControl};
    ASSERT_EQ(StoreMenuItem(lOpen, t, MenuSharableIDNames()), wkMenuStored);
    EXPECT_EQ(t.sIDName, "%IDM_FILE_OPEN");
    const tMenu& tItem = gatMenu[lOpen];
    EXPECT_EQ(gatID[tItem.lIDElem].szIDName.str(), "%IDM_FILE_OPEN");
    EXPECT_GE(gatID[tItem.lIDElem].lIDValue, 1001);
    EXPECT_EQ(tItem.lOptions, wkMfChecked) << "break bits have no check box and are not invented";
    // The first key makes the dialog's accelerator table, linked to dialog and menu.
    ASSERT_NE(gtElem.lResAccel, 0);
    EXPECT_EQ(gatRes[lDialog].lLinkAccel, gtElem.lResAccel);
    EXPECT_EQ(gatAccel[tItem.lAccelElem].lIDElem, tItem.lIDElem);
    EXPECT_EQ(AccelDisplayText(tItem.lAccelElem), "Ctrl+O");
    EXPECT_EQ(GetDynStr(gatStr[tItem.lStrElem].lStrElem), "Opens a file");
    EXPECT_EQ(MenuListLine(lOpen), "----&Open...\\tCtrl+O\tCtrl+O");

    // A pop-up keeps caption, level and state only.
    glChanged = 0;
    ASSERT_EQ(Store(lOpen, "&Recent", wkMenuPopup), wkMenuStored);
    EXPECT_EQ(glChanged, 1);
    EXPECT_EQ(gatMenu[lOpen].lIDElem, 0);
    EXPECT_EQ(gatMenu[lOpen].lAccelElem, 0);
    EXPECT_EQ(gatMenu[lOpen].lStrElem, 0);
    EXPECT_EQ(LiveKeys(), 0);
    EXPECT_EQ(glStrCnt, 0);
}

TEST_F(MenuEdits, AKeyAnotherItemHoldsIsRefusedBeforeAnythingIsWritten) {
    const int32_t lFile = EnsureMenuHasItem(lMenu);
    Store(lFile, "&File", wkMenuPopup);
    const int32_t lOpen = AppendMenuItem(lMenu, 1);
    const int32_t lSave = AppendMenuItem(lMenu, 1);
    ASSERT_EQ(Store(lOpen, "&Open", wkMenuItem, 'O', wkFControl, "%IDM_OPEN"), wkMenuStored);
    ASSERT_EQ(Store(lSave, "&Save", wkMenuItem, 'S', wkFControl, "%IDM_SAVE"), wkMenuStored);
    const int32_t lIDs = glIDCnt;

    tMenuFields t{"Save &As", "%IDM_SAVEAS", "", "", wkMenuItem, 0, 'O', wkFControl};
    EXPECT_EQ(StoreMenuItem(lSave, t, MenuSharableIDNames()), wkMenuKeyUsed);
    EXPECT_EQ(
        MenuStoreMessage(wkMenuKeyUsed, lSave, t),
        "The accelerator key Ctrl+O is already used by %IDM_OPEN.\rPlease choose another key.");
    EXPECT_EQ(GetDynStr(gatMenu[lSave].lCaptionElem), "&Save");
    EXPECT_EQ(AccelDisplayText(gatMenu[lSave].lAccelElem), "Ctrl+S");
    EXPECT_EQ(glIDCnt, lIDs);

    // A key the generated code cannot name (here ";") is refused too.
    t.byKey = 0xBA;
    EXPECT_EQ(StoreMenuItem(lSave, t, MenuSharableIDNames()), wkMenuKeyUnnamed);
    EXPECT_EQ(AccelDisplayText(gatMenu[lSave].lAccelElem), "Ctrl+S");

    // Other modifiers make another key; storing an item with its own key again is fine.
    EXPECT_EQ(Store(lSave, "Save &As", wkMenuItem, 'O', wkFControl | wkFShift, "%IDM_SAVEAS"),
              wkMenuStored);
    EXPECT_EQ(Store(lOpen, "&Open", wkMenuItem, 'O', wkFControl, "%IDM_OPEN"), wkMenuStored);
    // Removing the key frees it for the other item.
    EXPECT_EQ(Store(lOpen, "&Open", wkMenuItem, 0, 0, "%IDM_OPEN"), wkMenuStored);
    EXPECT_EQ(Store(lSave, "Save &As", wkMenuItem, 'O', wkFControl, "%IDM_SAVEAS"), wkMenuStored);
    EXPECT_EQ(LiveKeys(), 1);
    // Deleting the item deletes its key.
    DeleteMenuItemFully(lSave);
    EXPECT_EQ(LiveKeys(), 0);
}

TEST_F(MenuEdits, IDNamesAreCheckedSharedWithControlsAndRenamedInPlace) {
    const int32_t lItem = AppendMenuItem(lMenu, 0);
    EXPECT_EQ(Store(lItem, "Go", wkMenuItem, 0, 0, "%9LIVES"), wkMenuBadName);
    EXPECT_EQ(Store(lItem, "Go", wkMenuItem, 0, 0, "%IDD_DIALOG1"), wkMenuNameUsed)
        << "a resource's ID is no command";
    EXPECT_EQ(gatMenu[lItem].lCaptionElem, 0) << "a refused store writes nothing";

    const int32_t lButton = AddID("%IDC_GO", "1200", wkUsedByDlg);
    tDlg tCtl{};
    tCtl.lIDElem = lButton;
    tCtl.lResElem = lDialog;
    tCtl.lCtlType = 6;
    AddDlgRow(tCtl);
    ASSERT_EQ(Store(lItem, "Go", wkMenuItem, 0, 0, "%idc_go"), wkMenuStored);
    EXPECT_EQ(gatMenu[lItem].lIDElem, lButton) << "a menu item may share a control's command";

    ASSERT_EQ(Store(lItem, "Go", wkMenuItem, 0, 0, "%IDM_GO"), wkMenuStored);
    const int32_t lOwn = gatMenu[lItem].lIDElem;
    const int32_t lIDs = glIDCnt;
    ASSERT_EQ(Store(lItem, "Go", wkMenuItem, 0, 0, "%IDM_GO_NOW"), wkMenuStored);
    EXPECT_EQ(gatMenu[lItem].lIDElem, lOwn);
    EXPECT_EQ(glIDCnt, lIDs) << "no orphan equate is left behind";
    EXPECT_EQ(gatID[lOwn].szIDName.str(), "%IDM_GO_NOW");
    EXPECT_EQ(gatID[lButton].szIDName.str(), "%IDC_GO");
}

} // namespace
