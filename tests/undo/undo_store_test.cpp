// The undo history on the real tables: steps taken back and done again to
// the byte, the branch cut, the bounds, the saved point, merged nudges and
// the rows the design surface is told to follow.
#include "edit/design_edits.h"
#include "edit/version_edits.h"
#include "model/undo_images.h"
#include "model/undo_store.h"
#include "model/version_info.h"
#include "tests/model/model_fixture.h"

#include <array>

namespace {

class UndoStore : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        SetUndoLimits(std::size_t{64} << 20, 1000);
        lRes = MakeDialog("%IDD_MAIN", "100");
        glChanged = 0;
        ClearUndo();
        AddChangeListener(UndoChangeListener);
    }
    void TearDown() override {
        RemoveChangeListener(UndoChangeListener);
        ClearUndo();
        ModelTest::TearDown();
    }

    using Images = std::array<std::string, wkUndoTableCnt>;
    static Images Snapshot() {
        Images a;
        for (int32_t l = 0; l < wkUndoTableCnt; ++l) {
            a[static_cast<std::size_t>(l)] = UndoTableImage(l);
        }
        return a;
    }

    // A command as the surface runs it: one step around the changes, which
    // reach the history through the change notice.
    int32_t AddControls(int32_t n) {
        BeginUndoStep("Draw");
        int32_t lLast = 0;
        for (int32_t i = 0; i < n; ++i) {
            ++lNext;
            lLast = MakeControl(lRes, "%IDC_C" + std::to_string(lNext), lNext);
            EditSetRect(lLast, {10 * lNext, 0, 10 * lNext + 20, 10});
            gtElem.lCtl = lLast;
        }
        EndUndoStep();
        return lLast;
    }
    static void Move(int32_t lElem, int32_t lDX, int32_t lMergeKey = 0) {
        BeginUndoStep("Move", lMergeKey);
        const tDlg& t = gatDlg[lElem];
        EditSetRect(lElem, {t.nLeft + lDX, t.nTop, t.nRight + lDX, t.nBottom});
        EndUndoStep();
    }
    static tDlgRect RectOf(int32_t l) {
        return {gatDlg[l].nLeft, gatDlg[l].nTop, gatDlg[l].nRight, gatDlg[l].nBottom};
    }

    int32_t lRes = 0;
    int32_t lNext = 0;
};

TEST_F(UndoStore, StepsGoBackAndForwardToTheByte) {
    const Images aEmpty = Snapshot();
    const int32_t lCtl = AddControls(3);
    // Changes outside a command are a step of their own.
    VerEditSetString(VerEditEnsure(0x040904E4, true), "CompanyName", "Acme");
    const Images aDrawn = Snapshot();
    Move(lCtl, 5);
    const Images aMoved = Snapshot();
    EXPECT_EQ(UndoDepth(), 3);
    EXPECT_EQ(UndoStepName(), "Move");

    ASSERT_EQ(Undo(), 1);
    EXPECT_EQ(Snapshot(), aDrawn);
    ASSERT_EQ(Undo(), 1);
    ASSERT_EQ(Undo(), 1);
    EXPECT_EQ(Snapshot(), aEmpty);
    EXPECT_EQ(glDlgCnt, 1);
    EXPECT_EQ(gtElem.lCtl, 0); // the selection before the drawing
    EXPECT_EQ(Undo(), 0);
    EXPECT_EQ(RedoStepName(), "Draw");

    ASSERT_EQ(Redo(), 1);
    EXPECT_EQ(gtElem.lCtl, lCtl);
    ASSERT_EQ(Redo(), 1);
    EXPECT_EQ(VersionStringValue(1, "CompanyName"), "Acme");
    ASSERT_EQ(Redo(), 1);
    EXPECT_EQ(Snapshot(), aMoved);
    EXPECT_EQ(Redo(), 0);
}

TEST_F(UndoStore, ANewChangeAfterUndoCutsTheRedoSteps) {
    const int32_t lCtl = AddControls(1);
    Move(lCtl, 5);
    Move(lCtl, 5);
    ASSERT_EQ(Undo(), 1);
    ASSERT_EQ(Undo(), 1);
    Move(lCtl, -3);
    EXPECT_EQ(CanRedo(), 0);
    EXPECT_EQ(UndoDepth(), 2);
    ASSERT_EQ(Undo(), 1);
    EXPECT_EQ(gatDlg[lCtl].nLeft, 10);
}

TEST_F(UndoStore, TheBoundsDropTheOldestSteps) {
    const int32_t lCtl = AddControls(50);
    SetUndoLimits(std::size_t{64} << 20, 100);
    for (int32_t i = 0; i < 150; ++i) {
        Move(lCtl, 1);
    }
    EXPECT_EQ(UndoDepth(), 100);
    int32_t lUndone = 0;
    while (Undo()) {
        ++lUndone;
    }
    EXPECT_EQ(lUndone, 100);
    EXPECT_EQ(gatDlg[lCtl].nLeft, 500 + 50); // the first 50 moves stay
    EXPECT_EQ(glChanged, 1);                 // the saved state went with them

    // The memory bound: an image the size of the table per step would not
    // fit; a nudge keeps only the bytes of its row.
    while (Redo()) {
    }
    const std::size_t lPerStep = UndoBytes() / static_cast<std::size_t>(UndoDepth());
    EXPECT_LT(lPerStep, 2 * sizeof(tDlg) + 256);
    SetUndoLimits(lPerStep * 10, 1000);
    EXPECT_LE(UndoDepth(), 10);
    EXPECT_GE(UndoDepth(), 9);
    EXPECT_LE(UndoBytes(), lPerStep * 10);
    ASSERT_EQ(Undo(), 1);
    EXPECT_EQ(gatDlg[lCtl].nLeft, 500 + 149);

    // One field of every row (the tab positions a delete closes up) keeps
    // the changed bytes, not the rows.
    SetUndoLimits(std::size_t{64} << 20, 1000);
    Redo();
    const std::size_t lBefore = UndoBytes();
    BeginUndoStep("Delete");
    SetControlOrder(lCtl - 49, 1048575);
    DeleteDlgRow(lCtl - 49);
    EndUndoStep();
    EXPECT_LT(UndoBytes() - lBefore, 50 * sizeof(tDlg) / 3);
    ASSERT_EQ(Undo(), 1);
    EXPECT_EQ(gatDlg[lCtl].lCtlOrder, 50);
}

TEST_F(UndoStore, TheChangedFlagFollowsTheSavedPoint) {
    const int32_t lCtl = AddControls(1);
    MarkUndoSaved();
    glChanged = 0;
    Move(lCtl, 2);
    EXPECT_EQ(glChanged, 1);
    Undo();
    EXPECT_EQ(glChanged, 0);
    Undo();
    EXPECT_EQ(glChanged, 1);
    Redo();
    EXPECT_EQ(glChanged, 0);
    // A branch cut past the saved point leaves it out of reach.
    Move(lCtl, 7);
    Undo();
    EXPECT_EQ(glChanged, 0);
    Move(lCtl, 1);
    Undo();
    EXPECT_EQ(glChanged, 0); // back at the saved state
    Redo();
    Undo();
    Undo();
    EXPECT_EQ(glChanged, 1);
}

TEST_F(UndoStore, NudgesOnOneSelectionMergeUntilASave) {
    const int32_t lCtl = AddControls(2);
    Move(lCtl, 1, 42);
    Move(lCtl, 1, 42);
    Move(lCtl, 1, 42);
    EXPECT_EQ(UndoDepth(), 2);
    Move(lCtl - 1, 1, 43); // another selection
    EXPECT_EQ(UndoDepth(), 3);
    Undo();
    Undo();
    EXPECT_EQ(gatDlg[lCtl].nLeft, 20);
    Redo();
    MarkUndoSaved();
    Move(lCtl, 1, 42); // a save keeps the series apart
    EXPECT_EQ(UndoDepth(), 3);
    Move(lCtl, -1, 42); // the series came back where it began: no step
    EXPECT_EQ(UndoDepth(), 2);
}

TEST_F(UndoStore, TheSurfaceLearnsWhichRowsChanged) {
    const int32_t lCtl = AddControls(3);
    gatDlg.W(lCtl).hWnd = 77; // a live window stays with its element
    // Changes without a command make a step of their own.
    EditSetRect(lCtl, {0, 4, 20, 14});
    DeleteDlgRow(lCtl - 2);
    EXPECT_EQ(UndoStepName(), "Change");
    ASSERT_EQ(Undo(), 1);
    ASSERT_EQ(UndoDlgChanges().size(), 2u);
    EXPECT_EQ(UndoDlgChanges()[0].lElem, lCtl - 2);
    EXPECT_EQ(UndoDlgChanges()[0].tOld.byDeleted, 1);
    EXPECT_EQ(UndoDlgChanges()[1].tOld.nTop, 4);
    EXPECT_EQ(UndoDlgChanges()[1].tOld.hWnd, 77);
    EXPECT_EQ(gatDlg[lCtl].hWnd, 77);
    EXPECT_EQ(UndoChangedTables(), 1 << wkUndoDlg);
    // Undoing the drawing removes the rows: their old windows are named.
    ASSERT_EQ(Undo(), 1);
    EXPECT_EQ(UndoDlgChanges().back().tOld.hWnd, 77);
    EXPECT_EQ(glDlgCnt, 1);
}

TEST_F(UndoStore, AStepWithoutChangeIsNotKept) {
    BeginUndoStep("Click");
    BeginUndoStep("Inner");
    EditSetRect(1, RectOf(1)); // a change that changes nothing
    EndUndoStep();
    EXPECT_EQ(Undo(), 0); // refused while a step is open
    EndUndoStep();
    EXPECT_EQ(CanUndo(), 0);
}

} // namespace
