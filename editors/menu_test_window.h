// The "Test Menu" window: the menu being edited, live, as it will run.
#pragma once

#include <windows.h>

#include <cstdint>

// The menu's items as a real menu: a bar (bPopup false) or one pop-up menu
// holding the same entries (for the right click). Each pop-up's submenu is the
// run of deeper items after it, as the writers build it; items without a
// caption are left out as the writers leave them out.
HMENU BuildLiveMenu(int32_t lResMenu, bool bPopup);

// Shows the window, owned by hOwner, and returns when the user closes it.
void RunMenuTestWindow(HWND hOwner, int32_t lResMenu);
