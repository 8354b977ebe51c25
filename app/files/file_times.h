// Last-write times of the open file and its companion script, and the
// decision of the changed-on-disk check.
#pragma once

#include <cstdint>
#include <string>

// The file's last-write time as a number that changes whenever the file is
// written; 0 when the file cannot be found.
uint64_t LastWriteTime(const std::string& sPath);

// Another program changed the file: the time could be read and differs from
// the one stored at the last load or save.
inline bool ChangedOnDisk(uint64_t lNow, uint64_t lStored) {
    return lNow != 0 && lNow != lStored;
}
