// The toolbox: a floating tool window with the "Select" pointer and one tool
// per control kind. A chosen kind draws a new control with the next rectangle
// on the design dialog; a double-click places one at once.
#pragma once

#include <windows.h>

#include <cstdint>

// Start-up: the class KvDlgEdit_ToolBox (once per process).
void RegisterToolboxClass();
// The toolbox window, owned by hOwner, where it was last left (10, 80 the
// first time); checks View > Toolbox.
HWND CreateToolboxWindow(HWND hOwner);
// Closes it (its position is saved).
void DestroyToolboxWindow();
// A tool by its command id (2001 "Select" to 2030): what a click on its
// button does, a second click within the double-click time placing a control.
void SelectTool(HWND hToolbox, int32_t lId);
// The tool chosen now (2001..2030).
int32_t CurrentTool();
