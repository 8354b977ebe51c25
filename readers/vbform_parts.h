// The pieces the form reader is built from: the form's object types, the
// window styles of a form, the sizes Windows adds around a form's client area,
// and the menu of a form.
#pragma once

#include "model/records.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// ---- Object types --------------------------------------------------------------

// True for the types that are the form itself ("VB.Form", "VB.MDIForm").
bool IsVBFormType(std::string_view sType);
// The control kind an object type gives; 29 (custom control) for any type the
// designer has no kind for. Both generations of the common-control libraries
// are known by their library names.
int32_t VBTypeKind(std::string_view sType);
// The type as the newer designers write it: a bare type of the oldest form
// files ("CommandButton") gets its "VB." library name.
std::string VBTypeName(std::string_view sType);

// ---- IDs ---------------------------------------------------------------------------

// Forgets the numbering of the names of the previous form.
void ResetFormIDNames();
// A new ID named IDNameFromText(sText) (a prefix and an object's name), made
// unique without regard to case.
int32_t NewFormID(std::string_view sText, int32_t lValue, int32_t lUsedBy);
// The ID renamed the same way (an element of a control array).
void RenameFormID(int32_t lID, std::string_view sText);

// ---- Form styles ---------------------------------------------------------------

// Sets or clears a named style of the dialog row, with its token in the row's
// style index list. Names are looked up in the window, extended and dialog
// style sections, by name, so that shared bits (the minimize box and the group
// style) keep their own names.
void SetFormStyle(tDlg& tRow, std::string_view sName, bool bOn);
// The frame, boxes and taskbar button of a form that sets none of the
// properties that take them away (a form is sizable, has its control box,
// both boxes, clips its controls and shows in the taskbar unless it says not).
void AddFormDefaultStyles(tDlg& tRow);
// BorderStyle 0 to 5 of a form.
void ApplyFormBorderStyle(tDlg& tRow, int32_t lBorderStyle);

// ---- Window frame sizes ----------------------------------------------------------

// Pixels Windows adds to each side of the client area of a window with these
// styles, and the height of its caption (0 without one).
struct tFrameSize {
    int32_t cxFrame;
    int32_t cyFrame;
    int32_t cyCaption;
};
tFrameSize FormFrameSize(const tDlg& tRow);
// Pixel height of a menu bar.
int32_t MenuBarHeight();
// Pixels to dialog units (rounded, halves to even; held within 32 bits).
int32_t PixelsToDialogUnits(double fPixels, bool bVertical);

// ---- Menus ---------------------------------------------------------------------

// One VB.Menu block, in the order the blocks begin (a pop-up's children follow it).
struct tVBMenu {
    std::string sName;
    std::string sCaption;
    std::string sShortcut;
    std::string sIndex; // empty when the item is not part of an array
    int32_t lLevel = 0;
    int32_t lParent = -1; // index of the enclosing block, -1 at top level
    bool bHasChildren = false;
    bool bChecked = false;
    bool bDisabled = false;
    bool bHidden = false;
};

// A shortcut text: "^" Ctrl, "+" Shift, "%" Alt in front of the key, a
// function key "{F1}".."{F24}", "{INSERT}", "{DEL}", "{BKSP}", or one
// character. False when the text names no key.
bool ParseVBShortcut(std::string_view sText, uint8_t& byKey, uint8_t& byModifiers);

// Appends the menu rows of the blocks to the current menu (made with its
// resource when none is current); shortcuts go to the current accelerator
// table (made when needed). Returns the number of rows added.
int32_t AddVBMenus(const std::vector<tVBMenu>& atMenu);
