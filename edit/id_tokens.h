// The ID a word of a file stands for: found, predefined, or added. The
// readers of every format turn the ID words they read into rows of the ID
// table through this one rule.
#pragma once

#include <cstdint>
#include <string_view>

// The ID a statement names: "-1" (any text beginning with "-") is none; else
// the ID of that name ("%" put in front when missing), a predefined ID, or a
// new one. A bare number gets an ID named prefix + number with that value;
// another new name gets the next resource value (lPrefix -2, -1, 0) or the next
// control value. lPrefix is the ID prefix index of the kind hint: -2
// resources, -1 menu items, 0 dialogs, 1 to 29 controls by kind. An
// expression that is no valid name gives 0.
int32_t IDFromToken(std::string_view sToken, int32_t lPrefix);
