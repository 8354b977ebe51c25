// Synthetic whole-application projects for the benchmarks and the size tests.
#pragma once

#include <cstdint>
#include <string>

// The dialog and control counts of "small", "medium", "large" or "DxC".
bool GenSize(const std::string& sSize, int32_t& lDialogs, int32_t& lControls);
// The #define lines of every style constant the generated script uses.
std::string GenStylesHeader();
// A resource script: a #define for every ID, lDialogs dialogs of lControls
// controls each, a menu and an accelerator table for every tenth dialog, a
// string table and version information. sHeader is #included first.
std::string GenResourceScript(int32_t lDialogs, int32_t lControls, const std::string& sHeader);
