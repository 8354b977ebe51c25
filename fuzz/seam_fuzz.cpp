// Error texts for any number a damaged file or the system may produce.
#include "model/file_errors.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t lSize) {
    // Up to four bytes make any 32-bit number, negative ones included; they are
    // gathered unsigned, where shifting the top byte in is defined.
    uint32_t lBits = 0;
    for (size_t i = 0; i < lSize && i < 4; ++i) {
        lBits = (lBits << 8) | pData[i];
    }
    const int lErr = static_cast<int>(lBits);
    std::string sPath(reinterpret_cast<const char*>(pData), lSize);
    (void)OpenErrorMessage(lErr, sPath);
    (void)SaveErrorMessage(FileErrorFromErrno(lErr), sPath);
    return 0;
}
