// The bytes of copied controls as any program may put them on the clipboard.
// Besides finding no crash it checks what a paste relies on: a block read
// whole writes back to the very same bytes, and one refused leaves nothing.
#include "model/ctl_clipboard.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, std::size_t lSize) {
    std::vector<tClipCtl> atCtl;
    std::string sError;
    const int32_t lResult = DecodeClipControls(pData, lSize, atCtl, sError);
    if (lResult != wkClipOk) {
        if (!atCtl.empty() || (lResult == wkClipDamaged && sError.empty())) {
            std::abort();
        }
        return 0;
    }
    for (const tClipCtl& c : atCtl) {
        if (c.tRow.lCtlType < 1 || c.tRow.lCtlType > 29) {
            std::abort();
        }
    }
    // Written again, the records give the block's first "total" bytes back,
    // except for the fields a reader ignores (references and the class and
    // face bytes past their end), so compare lengths and re-read.
    const std::string s = EncodeClipControls(atCtl);
    uint32_t lTotal = 0;
    std::memcpy(&lTotal, pData, 4);
    if (s.size() != lTotal) {
        std::abort();
    }
    std::vector<tClipCtl> atAgain;
    if (DecodeClipControls(reinterpret_cast<const uint8_t*>(s.data()), s.size(), atAgain, sError) !=
            wkClipOk ||
        atAgain.size() != atCtl.size()) {
        std::abort();
    }
    return 0;
}
