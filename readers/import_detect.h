// Which reader a text from the clipboard is meant for, decided by the first
// word that only one of the three formats can hold.
#pragma once

#include <cstdint>
#include <string_view>

enum : int32_t {
    wkFormatNone = 0,
    wkFormatKVL = 1,
    wkFormatRC = 2,
    wkFormatVBForm = 3,
};

// Reads the text word by word (words end at CR, LF, TAB, blank, parentheses
// and commas), passing over quoted texts, "'" and "//" comments to the end of
// the line and "/*" ... "*/" comments: "#define" means a resource script, a
// word beginning with "%" KVL source, "VB.Form" (or "VB.MDIForm") a form.
// wkFormatNone when the text ends (or holds a zero byte) before any of them.
int32_t DetectFormat(std::string_view sText);
