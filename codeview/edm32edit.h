// EDM32EDIT, the program's own syntax-colouring code window. All settings go
// through window messages (codeview/lexer/edit_messages.h), so the control can
// be embedded in any window.
#pragma once

#include "codeview/lexer/edit_messages.h"

#include <windows.h>

constexpr char gszCodeEditClass[] = "EDM32EDIT";

// Registers the class on first use; returns false when it cannot be registered.
bool RegisterCodeEditClass(HINSTANCE hInst);
