// A unified diff of two texts, for `wrenkit-cli check` to show what a save would change.
#pragma once

#include <string>

// "" when the texts are equal; otherwise "--- sOldName", "+++ sNewName" and hunks
// with three lines of context. Lines are compared with their line ends, shown
// without them.
std::string UnifiedDiff(const std::string& sOld, const std::string& sNew,
                        const std::string& sOldName, const std::string& sNewName);
