// The import counters: how many rows each table gained by an open or an
// import, for the results box shown when the ImportResults option is on.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// IDs, resources, dialog elements, menu items, accelerators, strings, version blocks.
using tImportCounts = std::array<int32_t, 7>;

// The counts recorded before the last read.
extern tImportCounts gtImportCounts;

// The present counts of the seven tables.
tImportCounts ProjectCounts();
// Before a read: the present counts when ImportResults is on, else zeros.
void ResetImportCounters();
// The labels, each padded to 21 characters, joined by carriage returns.
std::string ImportResultLabels();
// Present count minus recorded count for each table, in plain decimal, joined
// by carriage returns.
std::string ImportResultNumbers();
// After a read (only when ImportResults is on): both texts go to the results
// box; the counters are cleared.
void ShowImportResults();
