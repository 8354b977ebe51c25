// The generated texts that the View menu shows in the code viewer and the
// command-line tool writes: what a save would write, the new files that Save
// As New would write, and the full script of a project read from a resource
// script with its Basic integration code.
#pragma once

#include "model/document.h"
#include "writers/write_layout.h"

#include <cstdint>
#include <string>
#include <string_view>

enum : int32_t {
    wkViewNone = 0,
    wkViewKvl = 1,      // the KVL file as a save writes it
    wkViewRc = 2,       // the companion script as a save writes it
    wkViewNewKvl = 3,   // a new KVL file
    wkViewNewRc = 4,    // a new companion script
    wkViewSdkRc = 5,    // the full resource script
    wkViewSdkBasic = 6, // its Basic integration code
};

// The view a name stands for ("kvl", "rc", "new-kvl", "new-rc", "sdk-rc",
// "sdk-basic"); wkViewNone for any other name.
int32_t ViewFromName(std::string_view sName);

// The text of a view; "" for wkViewNone. A view is no save: an imported
// file's copy is never appended.
std::string ViewText(const tDocument& tDoc, const tWriteLayout& tLay, int32_t lView);
