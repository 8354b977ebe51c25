// The code viewer colours whatever text it is given: any bytes, in every
// language mode and keyword case, must give runs that cover the line exactly.
#include "codeview/lexer/lexer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t lSize) {
    const std::string_view sLine(reinterpret_cast<const char*>(pData), lSize);
    std::vector<tRun> atRun;
    std::string sShown;
    for (int lMode = 0; lMode <= 3; ++lMode) {
        for (int lCase = 0; lCase <= 1; ++lCase) {
            tLexOptions tOpt;
            tOpt.lMode = lMode;
            tOpt.lKeywordCase = lCase;
            atRun.clear();
            LexLine(sLine, tOpt, atRun, sShown);
            size_t lPos = 0;
            for (const tRun& t : atRun) {
                if (t.lStart != static_cast<int>(lPos) || t.lLen <= 0) {
                    std::abort();
                }
                lPos += static_cast<size_t>(t.lLen);
            }
            if (lPos != sLine.size() || sShown.size() != sLine.size()) {
                std::abort();
            }
        }
    }
    return 0;
}
