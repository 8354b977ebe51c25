// The project's changed flag (owned by the application shell): set to
// 1 by every table operation that adds, changes or deletes a row, cleared by
// load, save and ClearProject.
#pragma once

#include <cstdint>

extern int32_t glChanged;
