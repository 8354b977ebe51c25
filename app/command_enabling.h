// The rules that enable and gray the main window's commands.
#pragma once

#include <cstdint>

// 1 when the project state allows the command now (the rule alone; a command
// whose window is not part of the program yet stays gray regardless).
int32_t CommandAllowed(int32_t lCmd);
