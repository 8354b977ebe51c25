// The resource-script reader over any text: marked or not, from a file or the
// clipboard, and the writers over what it read. A damaged script must never
// crash the reader, hang it, or leave tables the writers cannot write; a
// marked script's user text must come back from the update writer in order,
// and the full script the designer writes reads back to as many dialogs,
// controls, menu items, keys, strings and version blocks as it was written
// from.
#include "fuzz_checks.h"
#include "model/fonts.h"
#include "model/project.h"
#include "model/version_info.h"
#include "readers/rc_reader.h"
#include "readers/work_files.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "writers/rc_writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Clean() {
    ClearProject();
    ClearRCBlocks();
    CloseWorkFiles();
    CloseRCTexts();
    ResetVersionInfo();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t lSize) {
    LoadDesignerCatalogOnce();
    if (lSize == 0) {
        return 0;
    }
    // The first byte chooses the way in: bit 0 the clipboard, bit 1 a Created
    // marker in front (a script with blocks), bit 2 write the result back.
    const uint8_t byMode = pData[0];
    std::string sText;
    if (byMode & 2) {
        sText = "//#Wrenkit Created\r\n";
    }
    sText.append(reinterpret_cast<const char*>(pData + 1), lSize - 1);
    ResetDefaultFont();
    Clean();
    if (LoadRC(sText, 1, byMode & 1, "C:\\proj\\fuzz.rc") && (byMode & 4)) {
        std::string sFull = BuildFullRCFile(tWriteLayout{});
        std::string sCompanion = BuildRCFile(gtDoc, tWriteLayout{}, true);
        if ((byMode & 2) && !(byMode & 1) && OpenText(gtDoc.tRCWork) != nullptr) {
            // Every byte of the user text is in the updated script, in order.
            const std::string& sWork = *OpenText(gtDoc.tRCWork);
            std::size_t lFrom = 0;
            for (int32_t l = 1; l <= glRCBlockCnt; ++l) {
                if (gatRCBlock[l].lType != 0) {
                    continue;
                }
                std::string sPiece =
                    sWork.substr(static_cast<std::size_t>(gatRCBlock[l].lFilePos - 1),
                                 static_cast<std::size_t>(gatRCBlock[l].lLen));
                std::size_t lAt = sCompanion.find(sPiece, lFrom);
                if (lAt == std::string::npos) {
                    std::abort(); // user text lost by the update writer
                }
                lFrom = lAt + sPiece.size();
            }
        }
        // What the designer writes reads back to the same project: the full
        // script of the project read from its own full script. (The first
        // script from a damaged text may still differ: twin and odd names,
        // empty menus; the import-fidelity work settles those.)
        Clean();
        if (!LoadRC(sFull, 1, 0, "C:\\proj\\fuzz.rc")) {
            std::abort(); // the designer's own script must read
        }
        const tProjectCounts tOnce = CountProject();
        sFull = BuildFullRCFile(tWriteLayout{});
        Clean();
        LoadRC(sFull, 1, 0, "C:\\proj\\fuzz.rc");
        ExpectSameCounts(tOnce, CountProject(), "script written again and read back");
    }
    Clean();
    ClearFonts();
    return 0;
}
