#include "app/files/import_results.h"

#include "app/files/file_state.h"
#include "model/options.h"
#include "model/project.h"
#include "model/version_info.h"

tImportCounts gtImportCounts{};

namespace {

constexpr const char* kaszLabel[] = {
    "ID Count:            ", "Resource Count:      ", "Dialog/Control Count:",
    "Menu Member Count:   ", "Accelerator Count:   ", "String Count:        ",
    "Version Block Count: ",
};

} // namespace

tImportCounts ProjectCounts() {
    return {glIDCnt, glResCnt, glDlgCnt, glMenuCnt, glAccelCnt, glStrCnt, VersionBlockCount()};
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
