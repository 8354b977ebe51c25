// The project as the program starts, for every suite that reads, writes or
// edits rows: the styles catalog and the kinds' defaults (built once per test
// program), no rows, blocks, work texts or version information, the default
// options, ID prefixes and font (element 1), a 96 dpi screen with the
// start-up dialog base units, and no test hooks left in place.
#pragma once

#include "model/fonts.h"
#include "model/id_names.h"
#include "model/options.h"
#include "model/project.h"
#include "model/version_info.h"
#include "readers/rc_reader.h"
#include "readers/source_text.h"
#include "readers/work_files.h"
#include "styles/control_kinds.h"

inline void StartProject() {
    LoadDesignerCatalogOnce();
    ClearProject();
    ClearRCBlocks();
    CloseRCTexts();
    CloseWorkFiles();
    ResetVersionInfo();
    ResetOptions();
    ResetIDPrefixes();
    ResetDefaultFont();
    glPixelsPerInch = 96;
    gtMisc.cxChar = 6;
    gtMisc.cyChar = 13;
    glMaxSourceBytes = 0x7FFFFFFE;
    gpfnWorkFileFails = nullptr;
    gpfnRCImportCopyWanted = nullptr;
    glChanged = 0;
}
