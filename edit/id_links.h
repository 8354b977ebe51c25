// The rules that tie rows together while a file is read: an equate's ID,
// the links of two resources to each other, and the prompts and keys of menu
// items found by their IDs.
#pragma once

#include "model/project.h"

#include <cstdint>
#include <string>
#include <string_view>

// An equate: the ID of that name, created with the value text and usage 0
// when there is none; an existing ID keeps its value (the first definition wins).
int32_t DefineID(std::string_view sName, const std::string& sValue);

// Links two resources both ways (pmA of lA names lB, pmB of lB names lA). A
// partner either of them had before loses its link back, so that links always
// stay pairs: a damaged file that names one dialog from two menus must not leave
// a menu pointing at a dialog that points elsewhere.
void LinkBothWays(int32_t lA, int32_t tRes::*pmA, int32_t lB, int32_t tRes::*pmB);

// After a whole text: strings and accelerator keys whose ID is a menu item's
// become its prompt and its key, and the key's table and the item's menu are
// linked both ways. With bWrittenKeyText (a KVL file, whose writer appends
// the key's text to a caption without one) a caption that ends in a TAB and
// the key's own display text loses that ending again; an imported script's
// caption keeps the key text as it was typed.
void LinkMenuItems(bool bWrittenKeyText);
