// The undo history on a dialog of many controls: recording a step (the
// change notices of the command, then the comparison with the baseline)
// and taking it back and doing it again. The design surface's part (moving
// the windows of the rows that changed) is measured under Wine, not here.
#include "edit/design_edits.h"
#include "edit/resource_edits.h"
#include "model/align.h"
#include "model/project.h"
#include "model/undo_store.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// One dialog with lControls labels and buttons, each with its ID and caption.
std::vector<int32_t> MakeProject(int32_t lControls) {
    ClearProject();
    const int32_t lRes = NewResource(wkResDialog);
    tDlg tDialog{};
    tDialog.lIDElem = gatRes[lRes].lIDElem;
    tDialog.lResElem = lRes;
    tDialog.nRight = 2000;
    tDialog.nBottom = 2000;
    AddDlgRow(tDialog);
    std::vector<int32_t> al;
    for (int32_t i = 1; i <= lControls; ++i) {
        tDlg t{};
        t.lResElem = lRes;
        t.lCtlType = 1 + i % 2;
        t.lCtlOrder = i;
        t.lIDElem =
            AddID("%IDC_CONTROL" + std::to_string(i), std::to_string(1000 + i), wkUsedByDlg);
        t.lCaptionElem = AddDynStr("Caption " + std::to_string(i));
        t.nLeft = (i % 40) * 50;
        t.nTop = (i / 40) * 14;
        t.nRight = t.nLeft + 40;
        t.nBottom = t.nTop + 12;
        al.push_back(AddDlgRow(t));
    }
    glChanged = 0;
    ClearUndo();
    AddChangeListener(UndoChangeListener);
    return al;
}

// A command as the surface runs it: a step around its changes.
void Nudge(int32_t lElem) {
    BeginUndoStep("Move control");
    const tDlg& t = gatDlg[lElem];
    EditSetRect(lElem, {t.nLeft + 1, t.nTop, t.nRight + 1, t.nBottom});
    EndUndoStep();
}

void DeleteThree(const std::vector<int32_t>& al) {
    BeginUndoStep("Delete 3 controls");
    for (size_t i = 0; i < 3; ++i) {
        EditDeleteControl(al[i * al.size() / 3]);
    }
    EndUndoStep();
}

void AlignFifty(const std::vector<int32_t>& al) {
    std::vector<tDlgRect> at;
    for (size_t i = 0; i < 50; ++i) {
        const tDlg& t = gatDlg[al[i * 37 % al.size()]];
        at.push_back({t.nLeft, t.nTop, t.nRight, t.nBottom});
    }
    at = AlignedRects(at, wkAlignLefts, 2000, 2000);
    BeginUndoStep("Align Lefts");
    for (size_t i = 0; i < 50; ++i) {
        EditSetRect(al[i * 37 % al.size()], at[i]);
    }
    EndUndoStep();
}

void BM_RecordNudge(benchmark::State& tState) {
    const std::vector<int32_t> al = MakeProject(static_cast<int32_t>(tState.range(0)));
    for (auto _ : tState) {
        Nudge(al[al.size() / 2]);
    }
    tState.counters["bytes/step"] = static_cast<double>(UndoBytes()) / UndoDepth();
}

// One undo and one redo of the step per round.
template <void (*Step)(const std::vector<int32_t>&)> void BM_UndoRedo(benchmark::State& tState) {
    const std::vector<int32_t> al = MakeProject(static_cast<int32_t>(tState.range(0)));
    Step(al);
    for (auto _ : tState) {
        if (!Undo() || !Redo()) {
            tState.SkipWithError("the step did not go back and forth");
            break;
        }
    }
    tState.counters["bytes/step"] = static_cast<double>(UndoBytes());
}

void NudgeMiddle(const std::vector<int32_t>& al) {
    Nudge(al[al.size() / 2]);
}

BENCHMARK(BM_RecordNudge)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoRedo<NudgeMiddle>)
    ->Name("BM_UndoRedoNudge")
    ->Arg(2000)
    ->Arg(20000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoRedo<DeleteThree>)
    ->Name("BM_UndoRedoDelete3")
    ->Arg(2000)
    ->Arg(20000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoRedo<AlignFifty>)
    ->Name("BM_UndoRedoAlign50")
    ->Arg(2000)
    ->Arg(20000)
    ->Unit(benchmark::kMicrosecond);

} // namespace
