// The hot-key control in which the menu editor's accelerator keys are typed:
// its value to and from a key code with its modifier bits.
#pragma once

#include <windows.h>

#include <cstdint>

// The key the control holds (byKey 0: none). The control's own mark for an
// extended key (a cursor key typed on its own block) is no modifier and is
// dropped.
void HotkeyToAccel(HWND hHotkey, uint8_t& byKey, uint8_t& byModifiers);
void AccelToHotkey(HWND hHotkey, uint8_t byKey, uint8_t byModifiers);

// Readies the control for the menu editor: a plain key, Shift+key and
// Shift+Alt+key become Ctrl+key, and Delete (which the control does not take
// on its own) can be typed too; the parent then gets EN_CHANGE as for any key.
void SetUpMenuHotkey(HWND hHotkey);
