// The shapes of names and words in source text, checked alike by the readers
// (while they parse) and by the edit layer (when it turns a read word into an
// ID): what an ID name may look like and where a word's blanks end.
#pragma once

#include <string_view>

// Letters, digits and "_": the bytes of a name (after which "_" is part of it).
bool IsIdentByte(char c);
// A valid ID name: "%", a letter, then letters, digits and "_".
bool IsIDNameText(std::string_view s);
// Without blanks and TABs at both ends.
std::string_view TrimText(std::string_view s);
