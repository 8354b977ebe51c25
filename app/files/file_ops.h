// The file commands themselves, free of any window: open, import, close,
// save, save as, save as new, the companion script and the changed-on-disk
// check. Questions and messages go through the user seam; dialogs, title and
// design windows through gtFileHooks (file_state.h).
#pragma once

#include <cstdint>
#include <string>

// The question before a changed project is closed.
extern const char* const gszSaveChangesQuestion; // "Save current changes?"
// The last line of the question before a save replaces lines of the user's
// that stand after a damaged #Wrenkit line.
extern const char* const gszSaveAnywayQuestion; // "Save anyway?"
// The reload question's second line.
extern const char* const gszReloadQuestion; // "File was changed by another application. Reload it?"

// "<path> already exists.\rDo you want to replace it?"
std::string ReplaceQuestion(const std::string& sPath);

// Opens a file of type lType: closes the project (asking to save), reads the
// file and makes it the current file when the KVL reader took it. A resource
// script (type 2, from the command line or a recent file) is imported instead:
// the project stays untitled. Returns 1 when the file was read.
int32_t OpenFile(const std::string& sPath, int32_t lType);
// Imports a KVL file, resource script or form by its extension into an
// untitled project. An empty path, a missing file or an unknown extension does
// nothing. Returns 1 when the file was read.
int32_t ImportFile(const std::string& sPath);
// 1 when the project was closed, 0 when the user cancelled or saving failed.
int32_t CloseFile();
// Saves to the current file, asking for a name when there is none. The KVL
// file and a needed companion script are replaced together: when either
// cannot be written, both stay as they were. 1 when saved (a companion the
// user would not have replaced stays as it was), 0 when the user cancelled or
// a write failed; the changed flag stays set then.
int32_t SaveFile();
// Save As with the chosen path and type ("" does nothing). Returns SaveFile's result.
int32_t SaveFileAs(const std::string& sPath, int32_t lType);
// Save As New: as Save As, but the loaded file's blocks and texts are let go
// first, and the document's as-new flag is set while it saves, so that complete
// new files are written.
int32_t SaveFileAsNew(const std::string& sPath);

// The check on every activation: asks once per change whether to reload a file
// another program changed (the KVL file, else its companion script).
void CheckChangedOnDisk();
