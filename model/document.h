// The document: what the program holds of the file that is open, beside the
// project tables. The readers fill its work texts, the file commands its path
// and times, and the writers are handed it whole: they take everything about
// the file they write from here, never from the readers or the shell.
#pragma once

#include <cstdint>
#include <string>

// A work file kept in memory. A file read with its #Wrenkit blocks keeps the
// user's own text (the kind-0 blocks, one after another with no separators) in
// its work file; the writers copy it back byte for byte from the 1-based
// position and length of each kind-0 row of gatBlock / gatRCBlock. A file
// imported without markers keeps its whole text in a pre-import file, which
// the first save appends after the "#Wrenkit Copy" marker. "Open" stands for
// a non-zero file number.
struct tWorkFile {
    int32_t lOpen;     // 1 while the file is open
    std::string sText; // every byte written since it was opened
};

struct tDocument {
    // Full path of the open KVL file; "" for an untitled project. The
    // #Resource line and the companion script's data-file paths are made
    // relative to it.
    std::string sPath;
    // 1 when the current file is a KVL file, 0 when there is none.
    int32_t lFileType;
    // Set while Save As New or a view of new code runs: the writers then make
    // new files, never regenerating the text that was read and never carrying
    // the copy of an imported file.
    int32_t lAsNew;
    tWorkFile tWork;        // user text of the KVL file
    tWorkFile tRCWork;      // user text of the companion resource script
    tWorkFile tPreImport;   // whole text of a KVL file imported without markers
    tWorkFile tRCPreImport; // whole text of the script read with such a file
    // The companion script named by the #Resource line of the KVL file that
    // was read, when it exists but could not be read (no permission, a folder,
    // a pipe); "" otherwise. Its strings and version information are not in
    // the project: the #Resource line is kept on save and the script is never
    // replaced.
    std::string sUnreadCompanion;
    // Last-write times of the file and its companion script when they were
    // last loaded or written (0 unknown).
    uint64_t ftSource;
    uint64_t ftRC;
};

// The one document of the program.
extern tDocument gtDoc;

// The work text of a file read with its blocks, or the copy of an imported
// file; nullptr when the document holds none.
inline const std::string* OpenText(const tWorkFile& tFile) {
    return tFile.lOpen ? &tFile.sText : nullptr;
}
