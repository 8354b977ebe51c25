// Undo and redo on the design surface, and the alignment commands of a
// group: every user action becomes one step of the project's undo history
// (model/undo_store.h), and after an undo or a redo the surface shows the
// tables as they are again.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// One user action as one step: opened when made, closed when it goes.
class DesignStep {
  public:
    explicit DesignStep(const std::string& sName, int32_t lMergeKey = 0);
    ~DesignStep();
    DesignStep(const DesignStep&) = delete;
    DesignStep& operator=(const DesignStep&) = delete;
};

// "Move control" or "Move 3 controls" for the selection now; szOne names a
// step on the dialog itself ("Move dialog") or on nothing in particular.
std::string SelectionStepName(const char* szVerb, const char* szOne = nullptr);
// The same number for the same selection: arrow keys on it merge into one step.
int32_t SelectionMergeKey(bool bSize);

// The design dialog's frame dragged by the user: one step from the start
// of the drag to its end (WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE).
void BeginFrameStep();
void EndFrameStep();

// Edit menu: the last step taken back or done again; the surface follows.
void UndoCmd(HWND hMain);
void RedoCmd(HWND hMain);

// The Align submenu: commands IDM_ALIGN_FIRST + (wkAlign... - 1).
void AlignCmd(HWND hMain, int32_t lCmd);
// 1 when the command has a selection to work on now.
int32_t AlignCmdAllowed(int32_t lCmd);
// Enables the Align items of a menu, and the Undo and Redo items with the
// names of their steps.
void SetUndoMenuItems(HMENU hMenu);
