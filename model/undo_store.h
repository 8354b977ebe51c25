// The undo history of the project. A step is the difference one command made
// to the project tables: for every table it changed, the bytes of the table's
// image (undo_images.h) that differ before and after, with the common start
// and end left out, so that a nudge of one control in a project of thousands
// keeps a few dozen bytes. The history keeps a baseline image of every table
// as it stood at the end of the last step; closing a step compares the tables
// the change notices named against it.
//
// Usage: a command opens a step (BeginUndoStep) before it changes anything
// and closes it (EndUndoStep) after; every change notice in between
// (NoteUndoTable) belongs to that step, so a drag of a group or a delete of
// twenty controls is one step. A notice without an open step opens one of its
// own, closed by the next BeginUndoStep, Undo, Redo or FlushUndoStep.
#pragma once

#include "model/records.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The tables a step can hold, in the order a step restores them.
enum : int32_t {
    wkUndoID = 0,
    wkUndoRes,
    wkUndoDlg,
    wkUndoMenu,
    wkUndoAccel,
    wkUndoStr,
    wkUndoDynStr,
    wkUndoFont,
    wkUndoVersion,
    wkUndoTableCnt,
    wkUndoAll = -1, // a notice that may have changed any table (a load, an import)
};

// Opens a step named for the menu ("Move 3 controls"). Steps nest: only the
// outermost pair counts. A step whose lMergeKey is not 0 and equals that of
// the step just before it (nothing undone in between, no save after it) is
// merged into that step: a series of nudges on one selection is one step.
void BeginUndoStep(std::string_view sName, int32_t lMergeKey = 0);
// Closes the step; a step that changed no table is not kept.
void EndUndoStep();
// A table is about to change or has changed.
void NoteUndoTable(int32_t lTable);
// The listener of the change notice (model/change_notice.h) that records
// the steps: every change of the project reaches the history through it.
struct tChange;
void UndoChangeListener(const tChange& t);
// Closes a step that a notice opened on its own.
void FlushUndoStep();

// 1 when there is a step to undo or redo; their names ("" when none).
int32_t CanUndo();
int32_t CanRedo();
std::string UndoStepName();
std::string RedoStepName();

// Puts the tables back as they were before the last step (after it, for
// Redo), together with the selection of that moment; sets the changed flag
// by whether the result is the state last saved. 1 when a step was applied.
int32_t Undo();
int32_t Redo();

// What the last Undo or Redo changed in gatDlg: every element whose row
// differs, with the row it had before (all zero for a row that did not
// exist). The design surface follows these rows.
struct tUndoDlgChange {
    int32_t lElem;
    tDlg tOld;
};
const std::vector<tUndoDlgChange>& UndoDlgChanges();
// Bit (1 << table) for every table the last Undo or Redo changed.
int32_t UndoChangedTables();

// Forgets every step and starts the history from the tables as they are now
// (after a load, an import, a close); they are the saved state unless the
// project is marked changed.
void ClearUndo();
// The tables as they are now are the saved state (after a save).
void MarkUndoSaved();

// The bounds: the steps' bytes together and their number; the oldest steps go
// first. The defaults keep 1,000 steps within 64 MB.
void SetUndoLimits(std::size_t lMaxBytes, int32_t lMaxSteps);
int32_t UndoDepth();
std::size_t UndoBytes();
