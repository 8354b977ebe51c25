// The KVL reader over any text: marked or not, from a file or the clipboard.
// A damaged file must never crash the reader or leak, and saving what it read
// must settle: after one save has put a damaged file in order, saving the text
// read back gives that text again. That first save may change the designer's
// blocks, but a line of the user's goes only after the user was asked.
#include "fuzz_checks.h"

#include "model/fonts.h"
#include "model/project.h"
#include "readers/kvl_reader.h"
#include "readers/work_files.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "writers/kvl_writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Every line ended by CR LF: a lone CR or LF becomes CR LF, so that the user
// and the reader see the same lines.
std::string WithCRLF(std::string_view s) {
    std::string sOut;
    for (std::size_t l = 0; l < s.size(); ++l) {
        if (s[l] == '\r' || s[l] == '\n') {
            sOut += "\r\n";
            l += s[l] == '\r' && l + 1 < s.size() && s[l + 1] == '\n';
        } else {
            sOut += s[l];
        }
    }
    return sOut;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t lSize) {
    LoadDesignerCatalogOnce();
    if (lSize == 0) {
        return 0;
    }
    // The first byte chooses the way in: bit 0 the clipboard, bit 1 a Created
    // marker in front (a file with blocks), bit 2 save and read back, bit 3
    // line ends made CR LF and the user's lines checked on the first save.
    const uint8_t byMode = pData[0];
    std::string sText;
    if (byMode & 2) {
        sText = "#Wrenkit Created\r\n";
    }
    const std::string_view sInput(reinterpret_cast<const char*>(pData + 1), lSize - 1);
    sText += (byMode & 8) ? WithCRLF(sInput) : std::string(sInput);
    ResetDefaultFont();
    CloseWorkFiles();
    ClearRCBlocks();
    // The silent seam answers the import question with Yes.
    if (LoadKVL(sText, 1, byMode & 1, std::string()) && (byMode & 4)) {
        std::string sSaved = BuildKvlFile(gtDoc, tWriteLayout{}, true);
        // A save that would not ask "Save anyway?" keeps every line of the user's.
        if ((byMode & 10) == 10 && !(byMode & 1) &&
            LinesMissingFrom(gatUnkeptLine, gtDoc.tWork.sText, sSaved).empty()) {
            ExpectUserLinesKept(sText, sSaved);
        }
        // Saving a damaged file may change it once (blocks in an odd order read
        // differently the second time); after that every save must give the
        // same text again.
        for (int i = 0; i < 2; ++i) {
            if (!LoadKVL(sSaved, 1, 0, std::string())) {
                break;
            }
            std::string sAgain = BuildKvlFile(gtDoc, tWriteLayout{}, true);
            if (i == 1 && sAgain != sSaved) {
                std::fprintf(stderr, "---- saved\n%s\n---- saved again\n%s\n", sSaved.c_str(),
                             sAgain.c_str());
                std::abort();
            }
            sSaved.swap(sAgain);
        }
    }
    ClearProject();
    CloseWorkFiles();
    ClearFonts();
    return 0;
}
