// The pool of dynamic strings, gasDynStr: variable-length texts
// addressed by element number. Element 0 is the empty text; an element never
// holds "" on purpose (SetDynStr releases it instead); elements are appended
// and never reused, and freeing one only empties it. The first glDynStrBase
// elements belong to the styles catalog and survive ClearProject.
#pragma once

#include "model/table.h"

#include <cstdint>
#include <string>
#include <string_view>

extern Table<std::string> gasDynStr;
// The pool's count (read only; the pool grows through AddDynStr/SetDynStr).
extern const int32_t& glDynStrCnt;
// Number of leading elements owned by the styles catalog; the catalog sets it
// to glDynStrCnt when it has finished loading.
extern int32_t glDynStrBase;

// Appends an element holding the text (even an empty one); returns it.
int32_t AddDynStr(const std::string& sText);
// The element's text; "" for an element out of range (0 included).
std::string GetDynStr(int32_t lElem);
// The same text without a copy, for a look that ends before the pool changes.
std::string_view DynStrView(int32_t lElem);
// A non-empty text overwrites the element in place when it is in range, else
// lElem becomes a new element. An empty text empties the element when in range
// and sets lElem to 0.
void SetDynStr(int32_t& lElem, const std::string& sText);
// In range: empties the element's text, sets lElem to 0 and returns 1; else 0.
int32_t FreeDynStr(int32_t& lElem);
