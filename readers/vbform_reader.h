// The Visual Basic form reader: a form file (.frm) becomes a dialog with its
// controls, its menu becomes a menu resource with accelerator keys, and
// positions in twips become dialog units. A one-way import: nothing is ever
// written back to the form file.
#pragma once

#include <cstdint>
#include <string>

// Reads the form text into the project tables. With lClear (opening a form
// file) the project is cleared first; an import from the clipboard keeps what
// the project holds. Shows the status text "Loading VB File" while it runs.
// Returns the new dialog resource, 0 when the text holds no form.
int32_t LoadVBForm(const std::string& sText, int32_t lClear = 1);

// Twips to dialog units with the screen's pixels per inch and the dialog base
// units: horizontal values (left, width) through cxChar, vertical ones (top,
// height) through cyChar; rounded to the nearest unit, halves to even, and
// held within the 32-bit range whatever the input.
int32_t TwipsToDialogUnits(double fTwips, bool bVertical);

// Twips to screen pixels (rounded the same way).
int32_t TwipsToPixels(double fTwips);
