// The change notice: every row write reaches the listeners once, an edit is
// one "before" and one "after", a load is one "everything", and a clear is
// told while the rows still exist.
#include "edit/design_edits.h"
#include "edit/menu_edits.h"
#include "edit/resource_edits.h"
#include "edit/version_edits.h"
#include "model/project.h"
#include "tests/support/start_up.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// Found by the assertions' lookup in the record's own (global) namespace.
static bool operator==(const tChange& a, const tChange& b) {
    return a.lTable == b.lTable && a.lPhase == b.lPhase && a.lFirst == b.lFirst &&
           a.lCount == b.lCount;
}

namespace {

std::vector<tChange> gatHeard;

void Listen(const tChange& t) {
    gatHeard.push_back(t);
}

class ChangeNotice : public ::testing::Test {
  protected:
    void SetUp() override {
        StartProject();
        AddChangeListener(Listen);
        gatHeard.clear();
    }
    void TearDown() override {
        RemoveChangeListener(Listen);
        ClearProject();
    }
};

TEST_F(ChangeNotice, EveryTableWriteIsToldOnceWithItsTableAndRow) {
    const int32_t lRes = NewResource(wkResDialog);
    const int32_t lID = gatRes[lRes].lIDElem;
    const int32_t lMenu = AddMenuItem(0, lRes, 0, 0, wkMenuItem, 0, 0, "");
    const int32_t lKey = AddAccel(lID, lRes, 'A', 0);
    const int32_t lStr = AddStr(lID, "");
    struct tCase {
        const char* szWhat;
        std::function<void()> pfnWrite;
        tChange tExpected;
    };
    const tCase atCase[] = {
        {"UpdateID", [&] { UpdateID(lID, "%IDD_X", "100", 0); }, {wkChgID, wkChgAfter, lID, 1}},
        {"DeleteID", [&] { DeleteID(lID); }, {wkChgID, wkChgAfter, lID, 1}},
        {"AddResource",
         [] { AddResource("X", wkResMenu, 0, 0); },
         {wkChgRes, wkChgAfter, lRes + 1, 1}},
        {"UpdateMenuItem",
         [&] { UpdateMenuItem(lMenu, 0, lRes, 0, 0, wkMenuItem, 1, 0, ""); },
         {wkChgMenu, wkChgAfter, lMenu, 1}},
        {"DeleteAccel", [&] { DeleteAccel(lKey); }, {wkChgAccel, wkChgAfter, lKey, 1}},
        {"UpdateStr", [&] { UpdateStr(lStr, lID, ""); }, {wkChgStr, wkChgAfter, lStr, 1}},
        {"AddDynStr", [] { AddDynStr("x"); }, {wkChgText, wkChgAfter, glDynStrCnt + 1, 1}},
    };
    for (const tCase& t : atCase) {
        gatHeard.clear();
        glChanged = 0;
        t.pfnWrite();
        ASSERT_EQ(gatHeard.size(), 1u) << t.szWhat;
        EXPECT_EQ(gatHeard[0], t.tExpected) << t.szWhat;
        EXPECT_EQ(glChanged, 1) << t.szWhat;
    }
}

TEST_F(ChangeNotice, AnEditIsOneBeforeAndOneAfterWhateverItWrites) {
    // A new dialog writes an ID, a resource, texts and a row; a new control
    // inside an open edit joins it.
    {
        tChangeScope tOuter(wkChgDlg);
        const int32_t lDlg = NewDialog();
        ASSERT_NE(lDlg, 0);
        ASSERT_NE(NewControl(lDlg, wkCtlButton, tDlgRect{1, 1, 40, 14}), 0);
        ASSERT_EQ(gatHeard.size(), 1u);
        EXPECT_EQ(gatHeard[0].lPhase, wkChgBefore);
    }
    ASSERT_EQ(gatHeard.size(), 2u);
    EXPECT_EQ(gatHeard[1], (tChange{wkChgDlg, wkChgAfter, 0, 0}));

    // Each editor's change is one step, and a refused one tells no "after".
    const int32_t lMenu = NewResource(wkResMenu);
    const int32_t lItem = EnsureMenuHasItem(lMenu);
    gatHeard.clear();
    EXPECT_EQ(ShiftMenuItemLevel(lItem, 1), 0);
    SetMenuItemCaption(lItem, "&File");
    VerEditEnsure(0x040904B0, true);
    ASSERT_EQ(gatHeard.size(), 5u);
    EXPECT_EQ(gatHeard[0].lPhase, wkChgBefore);
    EXPECT_EQ(gatHeard[2], (tChange{wkChgMenu, wkChgAfter, 0, 0}));
    EXPECT_EQ(gatHeard[4], (tChange{wkChgVersion, wkChgAfter, 0, 0}));
}

TEST_F(ChangeNotice, ALoadIsOneNoticeAndAClearComesFirst) {
    const std::string sText = "#define IDD_A 100\r\n"
                              "IDD_A DIALOG 0, 0, 100, 60\r\n"
                              "CAPTION \"Load\"\r\n"
                              "BEGIN\r\n"
                              "    PUSHBUTTON \"OK\", 1, 5, 5, 40, 14\r\n"
                              "END\r\n";
    ASSERT_EQ(LoadRC(sText, 1, 0, ""), 1);
    ASSERT_GT(glDlgCnt, 0);
    ASSERT_EQ(gatHeard.size(), 2u);
    EXPECT_EQ(gatHeard[0], (tChange{wkChgEverything, wkChgCleared, 0, 0}));
    EXPECT_EQ(gatHeard[1], (tChange{wkChgEverything, wkChgAfter, 0, 0}));

    // Open and Import hold a replacing scope around the read and its results:
    // the reader's own notice joins it and the surface hears "loaded" once.
    gatHeard.clear();
    {
        const tLoadScope tOpen(true);
        ASSERT_EQ(LoadRC(sText, 1, 0, ""), 1);
        EXPECT_EQ(gatHeard.size(), 1u); // only the clear, while the rows exist
    }
    ASSERT_EQ(gatHeard.size(), 2u);
    EXPECT_EQ(gatHeard[1], (tChange{wkChgEverything, wkChgLoaded, 0, 0}));

    gatHeard.clear();
    ClearFonts();
    ASSERT_EQ(gatHeard.size(), 1u);
    EXPECT_EQ(gatHeard[0], (tChange{wkChgFont, wkChgCleared, 0, 0}));
}

} // namespace
