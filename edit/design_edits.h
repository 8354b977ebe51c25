// Every change the design surface makes to the tables, in one place: each
// function writes the rows and marks the project changed; the windows follow
// afterwards. Nothing here touches a window.
#pragma once

#include "model/ctl_clipboard.h"
#include "model/design_geometry.h"
#include "model/records.h"

#include <cstdint>
#include <string>
#include <string_view>

// Stores a row's rectangle (dialog units).
void EditSetRect(int32_t lElem, const tDlgRect& t);
// Adds a style bit to a row and its style list (the centring styles a sized
// picture or animation needs so that it keeps its size).
void EditAddStyle(int32_t lElem, uint32_t lBits);
// Row lElem takes the styles, both style index lists and the rectangle of
// tFrom, a copy of it that a favourite style or size was applied to.
void EditTakeStylesAndRect(int32_t lElem, const tDlg& tFrom);
// A new control of kind lKind on dialog row lDlg at rectangle t: the kind's
// defaults, the dialog's font and resource, a new ID, the next tab position
// and a caption of the kind's keyword with the ID's digits. The new element.
int32_t NewControl(int32_t lDlg, int32_t lKind, const tDlgRect& t);
// A new dialog resource with its row ("Dialog" and the ID's digits, the
// dialog's default styles and size, font element 1). The new element.
int32_t NewDialog();

// Which of a new control's fields the caller already decided (a reader has
// read them from a file, paste took them from the copy); the others follow
// the rules every new control follows.
struct tNewCtlOpts {
    bool bNewID = false;        // a new ID of the kind's default name, not tRow's own
    bool bNextTab = true;       // behind the dialog's last control, not tRow's own position
    bool bDialogFont = true;    // the dialog's font, not tRow's own
    bool bImpliedStyles = true; // the styles every shown control has (child, visible)
};
// Adds control row tRow (kind, class, styles, caption, rectangle as decided)
// to dialog row lDlg: the dialog's resource, and the fields tOpts leaves to
// the rules. The new element; 0 when lDlg is no dialog row or the kind is
// unknown.
int32_t NewControl(int32_t lDlg, tDlg tRow, const tNewCtlOpts& tOpts);
// Adds dialog row tRow to dialog resource tRow.lResElem (0: a new one of the
// default name): the resource's ID, font element 1 unless tRow names one, and
// the styles every dialog has. The dialog becomes the current one. The new
// element; 0 when the resource is missing.
int32_t NewDialog(tDlg tRow);
// The kind's default style values and lists on a row whose file named none.
void SetKindStyles(tDlg& tRow, int32_t lKind);
// Deletes a control row: it goes behind every other control in the tab order,
// its order becomes -1 and the row is deleted.
void EditDeleteControl(int32_t lElem);

// A pasted control on dialog row lDlg at rectangle t: the copied row with a
// new ID of its kind's default name, the dialog's resource, the next tab
// position, its own copies of the texts, its font shared through the font
// table and, for the image and animation kinds, its data file. The new element.
int32_t EditPasteControl(int32_t lDlg, const tClipCtl& c, const tDlgRect& t);
// Cuts a control row: deleted without touching the others' tab positions.
void EditCutControl(int32_t lElem);

// The digits that end an ID name ("%IDC_BUTTON12" gives "12").
std::string TrailingDigits(std::string_view sName);
