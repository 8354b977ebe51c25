// Writing generated text (KVL files, resource scripts, integration code) to
// disk so that a failed save never costs the user the previous file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Writes the text, byte for byte, to a new file beside the target and puts it
// in the target's place only once it is complete. Returns 1 on success. On any
// failure the previous file stays as it was, "Error #" with the error number
// and " while trying to save: " + the path is reported, and the result is 0.
int32_t SaveTextToFile(const std::string& sText, const std::string& sPath);

// Takes one piece of a text, in order.
using TextPut = std::function<void(std::string_view)>;
// The same for a text made while it is written: fnMake hands the pieces to the
// TextPut it is given, and each goes to the new file at once, so a large text
// never has to be held whole. fnMake runs only when the new file could be
// made.
int32_t SaveTextPiecesToFile(const std::function<void(const TextPut&)>& fnMake,
                             const std::string& sPath);
