// Any bytes as clipboard text: the format detection must end and give 0 to 3.
#include "readers/import_detect.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t lSize) {
    const int32_t lFormat =
        DetectFormat(std::string_view(reinterpret_cast<const char*>(pData), lSize));
    if (lFormat < wkFormatNone || lFormat > wkFormatVBForm) {
        std::abort();
    }
    return 0;
}
