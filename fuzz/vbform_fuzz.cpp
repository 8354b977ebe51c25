// Any bytes as a form file: the reader must neither crash nor hang, what it
// leaves in the tables must be consistent, and what the designer writes of
// the project (a KVL file with its companion script) must read back whole:
// the form's controls, and every table of the project written from them.
#include "readers/vbform_reader.h"

#include "fuzz_checks.h"
#include "model/fonts.h"
#include "model/project.h"
#include "model/version_info.h"
#include "readers/kvl_reader.h"
#include "readers/rc_reader.h"
#include "readers/work_files.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Writes the project as a new KVL file and companion script, reads both into
// a clean project and returns its counts.
tProjectCounts WriteAndReadBack() {
    gtDoc.lAsNew = 1;
    const std::string sKvl = BuildNewKvlFile(gtDoc, tWriteLayout{});
    const std::string sRC = BuildNewRCFile(gtDoc, tWriteLayout{});
    gtDoc.lAsNew = 0;
    ClearRCBlocks();
    CloseWorkFiles();
    CloseRCTexts();
    ResetVersionInfo();
    if (!LoadKVL(sKvl, 1, 0, std::string()) || !LoadRC(sRC, 0, 0, "C:\\proj\\form.rc")) {
        std::abort(); // the designer's own files must read
    }
    return CountProject();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t lSize) {
    LoadDesignerCatalogOnce();
    const std::string sText(reinterpret_cast<const char*>(pData), lSize);
    ResetDefaultFont();
    CountingSeam tSeam;
    const int32_t lRes = LoadVBForm(sText);
    // Every control of the form stands in the table in its order, numbered 1..n.
    int32_t lOrder = 0;
    for (int32_t l = FindDialogRow(lRes) + 1; lRes != 0 && l <= glDlgCnt; ++l) {
        if (gatDlg[l].lCtlOrder != ++lOrder) {
            std::abort();
        }
    }
    if (lRes != 0) {
        const tProjectCounts tRead = CountProject();
        const bool bPlain = tSeam.lReports == 0 && OutsideKnownLosses();
        const tProjectCounts tOnce = WriteAndReadBack();
        // The designer's files of a project read back to the same project.
        ExpectSameCounts(tOnce, WriteAndReadBack(), "form files written again and read back");
        // The form's own controls all come through the first writing; the
        // other tables of a form are not compared yet, nor custom controls,
        // twin or odd names and damaged forms (the import-fidelity work).
        if (bPlain && tOnce.lControls != tRead.lControls) {
            ExpectSameCounts(tRead, tOnce, "form written and read back");
        }
    }
    ClearProject();
    ClearRCBlocks();
    CloseWorkFiles();
    CloseRCTexts();
    ResetVersionInfo();
    ClearFonts(); // fonts outlive a project; keep the fuzzer's memory flat
    return 0;
}
