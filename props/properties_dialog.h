// The Properties dialog: caption, ID, class, tab order, font, colours, image
// files, every style and the exact position of the element being designed.
// Modeless: it is opened for the current element (gtElem.lCtl), the main
// window is disabled and the toolbox hidden until it closes.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <cstdint>

// Opens the dialog for the current element; returns its window (0 when there
// is no element, or it is open already and was brought forward).
HWND ShowPropertiesDialog(HWND hwndOwner);
// The open dialog's window, 0 when closed.
HWND PropertiesWindow();
// The validation and transfer of OK and Apply; 1 when the row was written.
int32_t ApplyProperties();
// For the message loop: the dialog's keys (Ctrl+Tab, Tab between fields);
// 1 when the message was used.
int32_t IsPropertiesMessage(MSG* pMsg);

// The colour popup below an arrow button: the chosen colour (bit 31 set for a
// system colour), -2 when nothing was chosen.
int32_t PickColor(HWND hwndArrow, int32_t lCurrent);
// The common colour dialog with the custom colours of the settings file.
int32_t ChooseCustomColor(HWND hwndOwner, int32_t lColour);
// The open-file dialog of "...", enlarged by a preview of the bitmap or icon
// selected; 1 when the user chose a file.
int32_t GetImageFileName(OPENFILENAMEA& tOpen);
// The common font dialog started at the font; 1 when the user chose one.
int32_t PickFont(HWND hwndOwner, LOGFONTA& tFont);
