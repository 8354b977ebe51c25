// The resource-script reader: fills the project tables from a companion
// script, a script opened on its own (.rc, .dlg) or script text from the
// clipboard. It understands #define lines, string tables, bitmap, cursor, icon
// and AVI files, dialogs with their controls, menus, accelerator tables and the
// version information; every other statement is skipped whole.
#pragma once

#include <cstdint>
#include <string>

// Reads a script. With lClear the project is cleared first; with lClipboard no
// blocks, user text or copies are kept. sPath is the script's path: data files
// named in it are made full paths relative to its folder. Returns 1 when the
// script was read (0 only when a marked script's user text could not be kept).
int32_t LoadRC(const std::string& sText, int32_t lClear, int32_t lClipboard,
               const std::string& sPath = std::string());
// The same for a text the caller gives up (a file just read): an imported
// script is then kept as its own copy rather than copied.
int32_t LoadRC(std::string&& sText, int32_t lClear, int32_t lClipboard,
               const std::string& sPath = std::string());

// A bitmap, cursor, icon or AVI file resource: the ID is "%" + sName found by
// name (0 when it was never defined); the file text is unquoted, doubled
// backslashes undoubled and, when not empty, made a full path relative to
// sFolder. Returns the new resource.
int32_t AddDataResource(int32_t lKind, const std::string& sName, const std::string& sFile,
                        const std::string& sFolder);

// Set by the KVL reader: true while the KVL file read just before the script
// was imported without markers; an unmarked script is then kept as a copy too.
extern bool (*gpfnRCImportCopyWanted)();

// Closing the project: forgets the user text, the copy and an unread
// companion (the block table is emptied by the caller).
void CloseRCTexts();
