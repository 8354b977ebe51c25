// The layout of generated text: what a writer run takes from the options.
// Every writer that lays out text is handed one, so the same tables can be
// written with the user's settings by the program, with the first-start
// settings by the command-line tool's tests, or with any other in between,
// and no writer looks at the options record itself.
#pragma once

#include "model/options.h"

#include <cstdint>

struct tWriteLayout {
    int32_t lTabSizeKVL = DefaultOptions().lTabSizeKVL; // blanks per KVL indentation level
    // Blanks per level of a resource script, and of the command cases of its
    // Basic integration code.
    int32_t lTabSizeRC = DefaultOptions().lTabSizeRC;
    // Width at which long KVL lines and script strings wrap, and the length of
    // every separator line.
    int32_t lWrapPos = DefaultOptions().lWrapPos;
    // A new KVL file, and a new companion script, begin with the comment that
    // explains the metastatements.
    bool bHdrComment = DefaultOptions().lHdrComment != 0;

    friend bool operator==(const tWriteLayout&, const tWriteLayout&) = default;
};

// The layout of an options record, read as the settings reader reads it: a tab
// size of 0 or below is 4 and one above 240 is 240, a wrap position of 0 is 80
// and then kept within 60..240. A layout made here is safe to write with.
tWriteLayout WriteLayoutFrom(const tOptions& tOpt);
