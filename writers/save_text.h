// Writing generated text (KVL files, resource scripts, integration code) to
// disk so that a failed save never costs the user the previous file.
#pragma once

#include <cstdint>
#include <string>

// Writes the text, byte for byte, to a new file beside the target and puts it
// in the target's place only once it is complete. Returns 1 on success. On any
// failure the previous file stays as it was, "Error #" with the error number
// and " while trying to save: " + the path is reported, and the result is 0.
int32_t SaveTextToFile(const std::string& sText, const std::string& sPath);
