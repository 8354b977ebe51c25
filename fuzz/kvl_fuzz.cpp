// The KVL reader over any text: marked or not, from a file or the clipboard.
// A damaged file must never crash the reader, leak, or leave tables the
// writers cannot turn back into text.
#include "model/fonts.h"
#include "model/project.h"
#include "readers/kvl_reader.h"
#include "readers/work_files.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "writers/kvl_writer.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void StartUp() {
    static bool bDone = false;
    if (bDone) {
        return;
    }
    LoadStylesCatalog();
    BuildControlDefaults();
    bDone = true;
}

void DefaultFont() {
    ClearFonts();
    tFontDesc t{};
    t.szFontName = "MS Sans Serif";
    t.fFontSize = 8;
    t.lWeight = 400;
    AddFont(t);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t lSize) {
    StartUp();
    if (lSize == 0) {
        return 0;
    }
    // The first byte chooses the way in: bit 0 the clipboard, bit 1 a Created
    // marker in front (a file with blocks), bit 2 write the result back.
    const uint8_t byMode = pData[0];
    std::string sText;
    if (byMode & 2) {
        sText = "#Wrenkit Created\r\n";
    }
    sText.append(reinterpret_cast<const char*>(pData + 1), lSize - 1);
    DefaultFont();
    CloseWorkFiles();
    ClearRCBlocks();
    // The silent seam answers the import question with Yes.
    if (LoadKVL(sText, 1, byMode & 1, std::string()) && (byMode & 4)) {
        std::string sOut = BuildKvlFile(true);
        (void)sOut;
    }
    ClearProject();
    CloseWorkFiles();
    ClearFonts();
    return 0;
}
