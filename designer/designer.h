// The design surface as the rest of the program sees it: the dialog being
// designed shown as live windows, and the commands that work on its
// selection. Everything the surface changes goes to the tables first
// (edit/design_edits.h), then to the windows.
#pragma once

#include <windows.h>

#include <cstdint>

// Start-up: the five window classes, the symbol font of the option pages and
// the context menu. Once per process; later calls do nothing.
void InitDesignSurface();
// At the main window's end: the context menu and the symbol font.
void FreeDesignSurface();

// The symbol font "Marlett" (arrow glyphs of the property and option pages).
HFONT MarlettFont();

// Shows dialog resource lResDlg on the surface, replacing the dialog shown.
void BuildDesignDialog(HWND hMain, int32_t lResDlg);
// Command 1001: a new dialog resource with its row, shown on the surface.
// Returns the new gatDlg element (0 on failure).
int32_t NewDesignDialog(HWND hMain);
// The window of the dialog being designed and its overlay (0 when none).
HWND DesignDialogWindow();
HWND DesignOverlayWindow();
// Shows the current menu of the dialog being designed again as its menu bar,
// after an editor changed the menu or linked a new one.
void RefreshDesignMenuBar();
// A new control of kind lKind at the rectangle (dialog units) on the dialog
// being designed; the new gatDlg element, 0 when there is no dialog.
int32_t NewDesignControl(int32_t lKind, int32_t lLeft, int32_t lTop, int32_t lRight,
                         int32_t lBottom);

// After the Properties dialog rewrote row lElem: its live window follows, made
// anew (same rectangle, place among its siblings and selection) when lRemake
// says the class or a style changed, or the tab order moved; the dialog
// itself rebuilds the surface. Unless lMoved (the Apply changed the position
// or size), an image or animation is fitted to its picture again.
void RefreshDesignElement(int32_t lElem, int32_t lRemake, int32_t lOrderChanged,
                          int32_t lMoved = 1);

// The toolbox's chosen tool: lKind 1..29 draws a new control of that kind with
// the next rubber band; 0 is the selection pointer.
void SetPlacing(int32_t lKind);
int32_t PlacingKind();
// Called when a drawn control is placed or placing is cancelled, so that the
// toolbox can show its "Select" tool again (set by the toolbox).
extern void (*gpfnToolboxSelect)();

// Edit menu commands on the selection.
void NewDialogCmd(HWND hOwner);
void DeleteControlsCmd(HWND hOwner);
void SelectAllControlsCmd(HWND hOwner);
void SendToBackCmd(HWND hOwner);

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
// Hides the focus grippers (around file dialogs).
void HideFocusGrippers();

// The group's members in selection order (the leader first); empty without a group.
int32_t GroupCount();
int32_t GroupMember(int32_t lIndex); // 1-based

// The cancel messages Esc sends.
constexpr UINT WM_KV_CANCELSIZE = WM_USER + 101;
constexpr UINT WM_KV_CANCELMOVE = WM_USER + 102;
constexpr UINT WM_KV_CANCELDRAW = WM_USER + 103;
