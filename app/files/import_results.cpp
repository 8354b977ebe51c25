#include "app/files/import_results.h"

#include "app/files/file_state.h"
#include "model/options.h"
#include "readers/import_results.h"

#include <algorithm>
#include <iterator>

tImportCounts gtImportCounts{};

namespace {

constexpr const char* kaszLabel[] = {
    "ID Count:            ", "Resource Count:      ", "Dialog/Control Count:",
    "Menu Member Count:   ", "Accelerator Count:   ", "String Count:        ",
    "Version Block Count: ",
};

} // namespace

tImportCounts ProjectCounts() {
    // The same seven tables the clipboard import measures.
    const tResultCounts tNow = CurrentCounts();
    tImportCounts tOut{};
    std::copy(std::begin(tNow.alCount), std::end(tNow.alCount), tOut.begin());
    return tOut;
}

void ResetImportCounters() {
    gtImportCounts = gtOptions.lImportResults ? ProjectCounts() : tImportCounts{};
}

std::string ImportResultLabels() {
    std::string s;
    for (const char* sz : kaszLabel) {
        if (!s.empty()) {
            s += '\r';
        }
        s += sz;
    }
    return s;
}

std::string ImportResultNumbers() {
    const tImportCounts tNow = ProjectCounts();
    std::string s;
    for (std::size_t l = 0; l < tNow.size(); ++l) {
        if (l) {
            s += '\r';
        }
        s += std::to_string(static_cast<int64_t>(tNow[l]) - gtImportCounts[l]);
    }
    return s;
}

void ShowImportResults() {
    if (gtOptions.lImportResults && gtFileHooks.pfnShowResults) {
        gtFileHooks.pfnShowResults(ImportResultLabels(), ImportResultNumbers());
    }
    gtImportCounts = tImportCounts{};
}
