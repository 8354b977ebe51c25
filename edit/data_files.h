// The data files a dialog or control shows (its icon, bitmap or animation):
// which kind of data resource a row shows, pointing a row at a file, and
// whether the project needs the companion resource script that carries them.
#pragma once

#include "model/project.h"

#include <cstdint>
#include <string>

// The kind of data resource a row shows (wkResIcon, wkResBitmap, wkResAvi),
// 0 for none: a dialog's icon, an image control's bitmap or icon as its
// style says, an image button's bitmap or icon, an animation's clip.
int32_t DataKindOf(const tDlg& t);

// Points a row at the data resource of a file, sharing one resource per file
// and making one of the kind the row shows when there is none; "" unlinks it.
// 0 when the row does not exist.
int32_t SetDataFile(int32_t lRow, const std::string& sFileName);

// The project needs a companion script: version information, a string, or a
// live dialog element with an image or data resource. 1 or 0.
int32_t NeedsCompanionScript();
