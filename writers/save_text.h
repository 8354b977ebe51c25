// Writing generated text (KVL files, resource scripts, integration code) to
// disk so that a failed save never costs the user the previous file, and a
// KVL file and its companion script are replaced together or not at all.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Takes one piece of a text, in order.
using TextPut = std::function<void(std::string_view)>;

// One file of a save: its complete new text waits in a temporary file beside
// the target until CommitPendingFile puts it in the target's place. A pending
// file that is never committed is removed when the record goes.
struct tPendingFile {
    std::string sPath;  // the target, as the user named it
    std::string sTemp;  // the written new text; "" when none is waiting
    std::string sFinal; // where it goes (a link is saved through to the file it names)
    tPendingFile() = default;
    tPendingFile(const tPendingFile&) = delete;
    tPendingFile& operator=(const tPendingFile&) = delete;
    ~tPendingFile();
};

// The temporary file of a target: always the same name beside it, so that the
// leftover of a save that was killed is found and removed by the next one.
std::string PendingPathOf(const std::string& sTarget);

// Whether the target may be replaced: absent, or a plain file that is not
// read-only. Returns 0, or the error number (70 read-only, 75 a folder, a pipe
// or a device) without a message.
int32_t SaveTargetError(const std::string& sPath);

// Writes the text fnMake hands out, piece by piece, to the target's temporary
// file. Returns 1 when the whole text is there; on failure nothing is left,
// "Error #" with the number and " while trying to save: " + the path is
// reported, and the result is 0. fnMake runs only when the file could be made.
int32_t WritePendingFile(tPendingFile& tFile, const std::string& sPath,
                         const std::function<void(const TextPut&)>& fnMake);
// Puts the written text in the target's place in one step; 1 when done, else
// the message as above and 0 (the target stays as it was).
int32_t CommitPendingFile(tPendingFile& tFile);

// Tests only: called after each commit with the target, so that a save can be
// cut off between the replacement of its two files.
extern void (*gpfnAfterCommit)(const std::string& sTarget);

// One file on its own: written beside the target, then put in its place.
// Returns 1 on success; on failure the previous file stays, the message above
// is shown and the result is 0.
int32_t SaveTextToFile(const std::string& sText, const std::string& sPath);
int32_t SaveTextPiecesToFile(const std::function<void(const TextPut&)>& fnMake,
                             const std::string& sPath);
