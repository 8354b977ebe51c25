// Undo, redo and alignment on the design surface under Wine, driven with real
// keys, mouse and menu choices as a user would.
#include "tests/win/designer_fixture.h"
#include "tests/win/user_input.h"

#include "designer/design_undo.h"
#include "model/undo_store.h"
#include "resources/resource_ids.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"

#include <functional>

namespace {

class Undo : public DesignerTest {
  protected:
    // Three controls in a row and one below; the history starts here.
    int32_t DesignFour() {
        const int32_t lRes = Design({{wkCtlButton, {12, 12, 42, 24}, "One"},
                                     {wkCtlCheckBox, {60, 14, 100, 24}, "Two"},
                                     {wkCtlLabel, {110, 16, 150, 24}, "Three"},
                                     {wkCtlListBox, {20, 60, 80, 100}, "Four"}});
        ClearUndo();
        return lRes;
    }
    static void Press(std::initializer_list<WORD> alKey) {
        SendKeys(alKey);
        PumpLikeTheProgram(150);
    }
    // What a save would write, the controls' rows with their windows left out.
    static std::string Saved() {
        return BuildNewKvlFile(gtDoc, tWriteLayout{}, true) +
               BuildNewRCFile(gtDoc, tWriteLayout{}, true);
    }
    // The dialog's controls in the sibling order of their windows.
    static std::vector<int32_t> SiblingOrder() {
        std::vector<int32_t> al;
        for (HWND h = GetWindow(DesignOverlayWindow(), GW_CHILD); h;
             h = GetWindow(h, GW_HWNDNEXT)) {
            const auto l = static_cast<int32_t>(reinterpret_cast<intptr_t>(GetPropA(h, "CtlElem")));
            if (l > 0 && Row(l) == h) {
                al.push_back(l);
            }
        }
        return al;
    }
};

TEST_F(Undo, DeleteOfAGroupIsUndoneAndRedoneWithTheKeyboard) {
    const int32_t lRes = DesignFour();
    const std::vector<int32_t> alCtl = Controls(lRes);
    const std::string sBefore = Saved();
    const HWND hFour = Row(alCtl[3]);
    Drag(ScreenAt(5, 5), ScreenAt(160, 30)); // a band across the three in a row
    ASSERT_EQ(GroupCount(), 3);
    EXPECT_FALSE(SendMessageA(ghToolbar, TB_ISBUTTONENABLED, IDM_UNDO, 0));
    Press({VK_DELETE});
    ASSERT_EQ(Controls(lRes).size(), 1u);
    EXPECT_EQ(glChanged, 1);
    EXPECT_EQ(MenuItemText(GetMenu(ghWndMain), IDM_UNDO), "&Undo Delete 3 controls\tCtrl+Z");
    EXPECT_TRUE(SendMessageA(ghToolbar, TB_ISBUTTONENABLED, IDM_UNDO, 0));

    Press({VK_CONTROL, 'Z'});
    EXPECT_EQ(Saved(), sBefore);
    EXPECT_EQ(glChanged, 0); // back at the state the history started from
    ExpectSurfaceMatchesModel();
    EXPECT_EQ(SiblingOrder(), alCtl); // table order, as a build makes them
    EXPECT_EQ(Row(alCtl[3]), hFour);  // its tab position changed back, its window stayed
    EXPECT_EQ(GroupCount(), 3);       // the controls the step changed are selected
    EXPECT_EQ(MenuItemText(GetMenu(ghWndMain), IDM_REDO), "R&edo Delete 3 controls\tCtrl+Y");
    EXPECT_FALSE(SaveWindowScreenshot(DesignDialogWindow(), "undo_delete").empty());

    Press({VK_CONTROL, 'Y'});
    EXPECT_EQ(Controls(lRes).size(), 1u);
    EXPECT_FALSE(IsWindow(Row(alCtl[0])));
    Press({VK_CONTROL, 'Z'});
    Press({VK_CONTROL, VK_SHIFT, 'Z'}); // the other redo key
    EXPECT_EQ(Controls(lRes).size(), 1u);
    EXPECT_EQ(glChanged, 1);
}

TEST_F(Undo, ANewControlGoesAndComesBackWithoutBuildingTheDialogAgain) {
    const int32_t lRes = DesignFour();
    const HWND hOne = Row(Controls(lRes)[0]);
    const int32_t lNew = NewDesignControl(wkCtlButton, 100, 60, 140, 74);
    ASSERT_NE(lNew, 0);
    const HWND hNew = Row(lNew);
    Press({VK_CONTROL, 'Z'});
    EXPECT_EQ(Controls(lRes).size(), 4u);
    EXPECT_FALSE(IsWindow(hNew));
    Press({VK_CONTROL, 'Y'});
    ASSERT_EQ(Controls(lRes).size(), 5u);
    ExpectSurfaceMatchesModel();
    EXPECT_EQ(SiblingOrder(), Controls(lRes));
    EXPECT_EQ(Row(Controls(lRes)[0]), hOne);
    EXPECT_EQ(gtElem.lCtl, lNew);
}

TEST_F(Undo, AMouseDragIsOneStep) {
    const int32_t lRes = DesignFour();
    const int32_t lCtl = Controls(lRes)[3];
    const tDlgRect tWas = RectOf(lCtl);
    const POINT a = Centre(Row(lCtl));
    Drag(a, {a.x + DlgToPixelsX(30), a.y + DlgToPixelsY(10)});
    ASSERT_NE(RectOf(lCtl), tWas);
    EXPECT_EQ(UndoDepth(), 1);
    EXPECT_EQ(UndoStepName(), "Move control");
    Press({VK_CONTROL, 'Z'});
    EXPECT_EQ(RectOf(lCtl), tWas);
    ExpectSurfaceMatchesModel();
    EXPECT_EQ(gtElem.lCtl, lCtl);
    EXPECT_TRUE(FocusGripperShown());
    EXPECT_EQ(CanUndo(), 0);
}

// Alt+E opens the Edit menu, L its Align submenu, L again Lefts; or a
// right-click on the third member between its markers, then A&lign, &Lefts.
TEST_F(Undo, AlignLeftsFromTheMenuOrTheContextMenuIsOneStep) {
    const std::function<void()> afnAlign[] = {
        [] {
            SendKeys({VK_MENU, 'E'});
            SendKeys({'L'});
            SendKeys({'L'});
        },
        [] {
            ASSERT_TRUE(RightClick(ScreenAt(140, 20), {'L', 'L'}).bDone);
        }};
    for (const auto& fnAlign : afnAlign) {
        const int32_t lRes = DesignFour();
        const std::vector<int32_t> alCtl = Controls(lRes);
        Drag(ScreenAt(5, 5), ScreenAt(160, 30));
        ASSERT_EQ(GroupCount(), 3);
        const std::string sBefore = Saved();
        fnAlign();
        PumpLikeTheProgram(400);
        EXPECT_EQ(GroupCount(), 3);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(gatDlg[alCtl[i]].nLeft, 12) << i;
        }
        EXPECT_EQ(gatDlg[alCtl[2]].nRight, 52); // the width stays
        EXPECT_EQ(gatDlg[alCtl[3]].nLeft, 20);  // not selected
        EXPECT_EQ(UndoDepth(), 1);
        EXPECT_EQ(UndoStepName(), "Align Lefts");
        ExpectSurfaceMatchesModel();
        Press({VK_CONTROL, 'Z'});
        EXPECT_EQ(Saved(), sBefore);
        ExpectSurfaceMatchesModel();
    }
}

} // namespace
