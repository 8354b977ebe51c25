// The one place where the tab order editor reaches into the design surface.
#pragma once

#include <windows.h>

#include <cstdint>

// While the tab order editor is open it takes the surface's mouse: each mouse
// message of a control window (lElem its row) and each click on the dialog
// or its frame (lElem 0) goes to it instead. nullptr while it is closed.
extern LRESULT (*gpfnTabOrderMouse)(HWND hWnd, UINT uMsg, int32_t lElem);
