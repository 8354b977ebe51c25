// Every project table as one string of bytes and back: what the undo history
// compares and restores. gatDlg's images hold no window handles (a restored
// row keeps the handle its element has now); the string pool's images hold only
// the project's own elements, never the styles catalog's.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The image of a table (wkUndoID ... wkUndoVersion of undo_store.h); "" for
// another number.
std::string UndoTableImage(int32_t lTable);
// Replaces the table with the image; 0 and nothing changed when the bytes do
// not fit the table.
int32_t RestoreUndoTable(int32_t lTable, std::string_view sImage);
// Bytes per row of a record table's image; 0 for the string pool and the
// version information.
std::size_t UndoRowBytes(int32_t lTable);
