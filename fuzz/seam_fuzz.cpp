// Error texts for any number a damaged file or the system may produce.
#include "model/file_errors.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t lSize) {
    int lErr = 0;
    for (size_t i = 0; i < lSize && i < 4; ++i) {
        lErr = lErr * 256 + pData[i];
    }
    std::string sPath(reinterpret_cast<const char*>(pData), lSize);
    (void)OpenErrorMessage(lErr, sPath);
    (void)SaveErrorMessage(FileErrorFromErrno(lErr), sPath);
    return 0;
}
