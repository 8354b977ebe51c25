// The control clipboard: Cut, Copy and Paste of the selected controls in the
// format "KvDlgEditControls" that every running copy shares.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The registered format.
UINT ControlsClipboardFormat();
// The data under the format; 1 on success ("Cannot open clipboard" otherwise).
int32_t PutControlsOnClipboard(const std::string& sData, UINT lFormat);
// The whole block under the format as the system holds it (its real size);
// empty when the format is not on the clipboard.
std::string ControlsFromClipboard(UINT lFormat);
// Pastes a block into the dialog being designed; the number of controls
// added. A damaged block is reported once and adds nothing.
int32_t PasteControlBytes(const std::string& sData);

void CutControlsCmd(HWND hOwner);
void CopyControlsCmd(HWND hOwner);
void PasteControlsCmd(HWND hOwner);
