#include "readers/import_results.h"

#include "model/options.h"
#include "model/project.h"
#include "model/version_info.h"

#include <string_view>

tImportCounts gtImportCounts{};

namespace {

constexpr std::string_view kasLabel[] = {
    "ID Count:",          "Resource Count:", "Dialog/Control Count:", "Menu Member Count:",
    "Accelerator Count:", "String Count:",   "Version Block Count:",
};
static_assert(std::size(kasLabel) == std::tuple_size_v<tImportCounts>);

// The open's results box lines its labels up in a column this wide.
constexpr std::size_t kLabelWidth = 21;

std::string Labels(bool bPadded, std::string_view sJoin) {
    std::string s;
    for (std::string_view sLabel : kasLabel) {
        if (!s.empty()) {
            s += sJoin;
        }
        s += sLabel;
        if (bPadded && sLabel.size() < kLabelWidth) {
            s.append(kLabelWidth - sLabel.size(), ' ');
        }
    }
    return s;
}

std::string Numbers(std::string_view sJoin) {
    const tImportCounts tNow = ProjectCounts();
    std::string s;
    for (std::size_t l = 0; l < tNow.size(); ++l) {
        if (l) {
            s += sJoin;
        }
        // 64 bits: the difference of two 32-bit counts always fits.
        s += std::to_string(int64_t{tNow[l]} - gtImportCounts[l]);
    }
    return s;
}

} // namespace

tImportCounts ProjectCounts() {
    return {glIDCnt, glResCnt, glDlgCnt, glMenuCnt, glAccelCnt, glStrCnt, VersionBlockCount()};
}

void ResetImportCounters() {
    gtImportCounts = gtOptions.lImportResults ? ProjectCounts() : tImportCounts{};
}

void SnapshotCounts() {
    ResetImportCounters();
}

std::string ImportResultLabels() {
    return Labels(true, "\r");
}

std::string ImportResultNumbers() {
    return Numbers("\r");
}

int32_t ResultTexts(std::string& sLabels, std::string& sNumbers) {
    sLabels.clear();
    sNumbers.clear();
    if (!gtOptions.lImportResults) {
        return 0;
    }
    sLabels = Labels(false, "\r\n");
    sNumbers = Numbers("\r\n");
    return 1;
}
