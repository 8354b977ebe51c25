#include "app/files/import_results.h"

#include "app/files/file_state.h"
#include "model/options.h"

void ShowImportResults() {
    if (gtOptions.lImportResults && gtFileHooks.pfnShowResults) {
        gtFileHooks.pfnShowResults(ImportResultLabels(), ImportResultNumbers());
    }
    gtImportCounts = tImportCounts{};
}
