// The commands whose windows are not part of the program yet: the
// Properties dialog, the resource editors. Each command has one
// function here, so that the window that carries it later replaces exactly one place; until then
// the command stays gray (IsPendingCommand) and its function does nothing.
#pragma once

#include <windows.h>

#include <cstdint>

// 1 for a command whose window does not exist yet.
int32_t IsPendingCommand(int32_t lCmd);

// Properties of the selected element, owned by the design dialog window.
void PropertiesCmd(HWND hOwner, HWND hDesign);
// Resource editors (the menu and version editors live in editors/).
void SelectDialogCmd(HWND hOwner);
void IDEditorCmd(HWND hOwner);
void MenuEditorCmd(HWND hOwner);
void VersionEditorCmd(HWND hOwner);
void TabOrderCmd(HWND hOwner);
