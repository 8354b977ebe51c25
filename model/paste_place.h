// Where pasted and automatically placed controls land on a dialog: the
// arithmetic of the paste offsets and of a new control's default position,
// free of any window. Dialog units throughout.
#pragma once

#include "model/ctl_clipboard.h"
#include "model/design_geometry.h"

#include <cstdint>
#include <vector>

// The dialog's last live control row (the highest element), 0 when none. A
// control cut or deleted keeps its row and resource as a tombstone, and must
// not decide where the next control goes or which tab position it takes.
int32_t LastLiveControl(int32_t lResDlg);

// The bounding box of the copied controls.
tDlgRect ClipUnion(const std::vector<tClipCtl>& atCtl);

// The one offset every pasted control of atCtl (not empty) moves by on the
// dialog resource lResDlg: with lPasteLoc 1 straight below the copied
// controls; with 0 below the dialog's last control (at its left edge for a
// single control, keeping the copied left edge for several), or onto the
// grid corner (GridX, GridY) of a dialog without controls.
void PasteOffset(const std::vector<tClipCtl>& atCtl, int32_t lResDlg, int32_t lPasteLoc,
                 int64_t& lDX, int64_t& lDY);

// A rectangle moved by an offset, each edge kept within the 32-bit range
// (data from the clipboard may put controls anywhere).
tDlgRect ShiftedRect(const tDlgRect& t, int64_t lDX, int64_t lDY);

// The top-left corner a new control gets on lResDlg: below the last control,
// left-aligned with it (its top rounded up to the grid when snapping is on),
// or (GridX, GridY) on a dialog without controls; lWidth x lHeight large.
tDlgRect DefaultControlRect(int32_t lResDlg, int32_t lWidth, int32_t lHeight);

// A control shows on a client area of lWidth x lHeight when it overlaps it
// and neither its right nor its bottom edge lies beyond it.
bool RectInsideClient(const tDlgRect& t, int32_t lWidth, int32_t lHeight);
