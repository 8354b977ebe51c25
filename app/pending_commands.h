// The commands whose windows are not part of the program yet: the design
// surface, the Properties dialog, the resource editors and the toolbox. Each command has one
// function here, so that the window that carries it later replaces exactly one place; until then
// the command stays gray (IsPendingCommand) and its function does nothing.
#pragma once

#include <windows.h>

#include <cstdint>

// 1 for a command whose window does not exist yet.
int32_t IsPendingCommand(int32_t lCmd);

// Design surface: new dialog, the control clipboard and the selection.
void NewDialogCmd(HWND hOwner);
void CutControlsCmd(HWND hOwner);
void CopyControlsCmd(HWND hOwner);
void PasteControlsCmd(HWND hOwner);
void DeleteControlsCmd(HWND hOwner);
void SelectAllControlsCmd(HWND hOwner);
void SendToBackCmd(HWND hOwner);
void TestDialogCmd(HWND hOwner);
// Properties of the selected element, owned by the design dialog window.
void PropertiesCmd(HWND hOwner, HWND hDesign);
// Resource editors (the menu and version editors live in editors/).
void SelectDialogCmd(HWND hOwner);
void IDEditorCmd(HWND hOwner);
void MenuEditorCmd(HWND hOwner);
void VersionEditorCmd(HWND hOwner);
void TabOrderCmd(HWND hOwner);
// The toolbox window: created (the handle) or destroyed.
HWND CreateToolboxWindow(HWND hOwner);
void DestroyToolboxWindow();

// Esc during a drag on the design dialog, in this order: a control sized with
// a gripper (WM_USER+101 to the first focus gripper), controls being dragged
// (WM_USER+102 to the focus control), a rubber band or a new control's outline
// (WM_USER+103 to the overlay). 1 when one of them was in progress.
int32_t CancelDesignDrag();
// What the design surface reports about the selection.
int32_t DesignHasGroup();    // a group of controls is selected
int32_t FocusGripperShown(); // the focus control's grippers are visible
// Esc while nothing is in progress: the group is dissolved or the focus
// grippers are hidden (the dialog itself becomes the selection afterwards).
void ClearDesignSelection();
