// The results box after an open: the counts come from readers/import_results.h;
// here they are handed to the window that shows them.
#pragma once

#include "readers/import_results.h"

// After a read (only when ImportResults is on): both texts go to the results
// box; the counters are cleared.
void ShowImportResults();
