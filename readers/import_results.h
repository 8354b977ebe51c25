// How many rows an open or an import added to each table, for the results
// box: one snapshot before the read, one label table, and the two columns the
// box shows. The Win32 side only shows these texts.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// IDs, resources, dialog and control rows, menu items, accelerator keys,
// strings, version blocks: the order the results box lists them in.
using tImportCounts = std::array<int32_t, 7>;

// The counts recorded before the last read.
extern tImportCounts gtImportCounts;

// The present counts of the seven tables.
tImportCounts ProjectCounts();
// Before a read: the present counts when the "ImportResults" option is on,
// else zeros.
void ResetImportCounters();
// The same before a clipboard import.
void SnapshotCounts();

// The results box of an open: the labels, each padded to 21 characters, and
// the present counts minus the recorded ones in plain decimal, each column
// joined by carriage returns.
std::string ImportResultLabels();
std::string ImportResultNumbers();

// The results box of a clipboard import: the same columns with the labels as
// they stand, lines joined by CR LF. Returns 0, with both texts empty, when the
// option is off and no box is shown.
int32_t ResultTexts(std::string& sLabels, std::string& sNumbers);
