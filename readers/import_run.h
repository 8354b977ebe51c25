// Importing text from the clipboard into the project, without the window that
// shows it: the chosen reader runs on the text without clearing the project.
#pragma once

#include <cstdint>
#include <string>

// Set while an import from the clipboard runs: the readers then keep no
// markers or work files, and the KVL reader skips font statements.
extern int32_t glImportFlag;

// The reader an import runs for KVL text: the KVL reader without clearing, in
// clipboard mode. Replaceable; nullptr makes a KVL import add nothing.
extern int32_t (*gpfnImportKVL)(const std::string& sText);

// Gives the live controls of the dialog resource the positions 1..n in the
// order they stand in the table.
void RenumberControlOrder(int32_t lResDlg);

// The Import button. lFormat is a wkFormat value. With no format chosen the
// user is told "You must select a File Format." and 0 is returned (the dialog
// stays open). Otherwise the flag is set, the counts are snapshot, the reader
// runs, and 1 is returned; the caller closes the dialog and shows the results.
int32_t RunImport(int32_t lFormat, const std::string& sText);
