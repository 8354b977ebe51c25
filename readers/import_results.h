// How many rows an open or import added to each table, for the results box.
#pragma once

#include <cstdint>
#include <string>

// The tables in the order the results box lists them: IDs, resources, dialog
// and control rows, menu items, accelerator keys, strings, version blocks.
constexpr int32_t kResultRows = 7;
struct tResultCounts {
    int32_t alCount[kResultRows];
};

// The present row counts of the seven tables.
tResultCounts CurrentCounts();

// Keeps the present counts to measure a read against. Nothing unless the
// "ImportResults" option is on.
void SnapshotCounts();

// The texts of the results box: the labels ("ID Count:" ...) and the number
// of rows each table gained since the snapshot, one per line (CR LF between
// lines). Returns 0, with both texts empty, when the option is off and no box
// is shown.
int32_t ResultTexts(std::string& sLabels, std::string& sNumbers);
