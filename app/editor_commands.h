// The commands that open the Properties dialog and the resource editors: one
// function each, so that the command table names them without knowing the
// windows' folders.
#pragma once

#include <windows.h>

#include <cstdint>

// Properties of the selected element, owned by the design dialog window.
void PropertiesCmd(HWND hOwner, HWND hDesign);
// Resource editors, in editors/.
void SelectDialogCmd(HWND hOwner);
void IDEditorCmd(HWND hOwner);
void MenuEditorCmd(HWND hOwner);
void VersionEditorCmd(HWND hOwner);
void TabOrderCmd(HWND hOwner);
