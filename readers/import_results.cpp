#include "readers/import_results.h"

#include "model/options.h"
#include "model/project.h"
#include "model/version_info.h"

namespace {

const char* const kaszLabel[kResultRows] = {
    "ID Count:",          "Resource Count:", "Dialog/Control Count:", "Menu Member Count:",
    "Accelerator Count:", "String Count:",   "Version Block Count:",
};

tResultCounts gtSnapshot{};

} // namespace

tResultCounts CurrentCounts() {
    return tResultCounts{
        {glIDCnt, glResCnt, glDlgCnt, glMenuCnt, glAccelCnt, glStrCnt, VersionBlockCount()}};
}

void SnapshotCounts() {
    if (gtOptions.lImportResults) {
        gtSnapshot = CurrentCounts();
    }
}

int32_t ResultTexts(std::string& sLabels, std::string& sNumbers) {
    sLabels.clear();
    sNumbers.clear();
    if (!gtOptions.lImportResults) {
        return 0;
    }
    const tResultCounts tNow = CurrentCounts();
    for (int32_t i = 0; i < kResultRows; ++i) {
        if (i > 0) {
            sLabels += "\r\n";
            sNumbers += "\r\n";
        }
        sLabels += kaszLabel[i];
        // 64 bits: the difference of two 32-bit counts always fits.
        sNumbers += std::to_string(int64_t{tNow.alCount[i]} - gtSnapshot.alCount[i]);
    }
    return 1;
}
