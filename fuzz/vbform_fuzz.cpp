// Any bytes as a form file: the reader must neither crash nor hang, and what it
// leaves in the tables must be consistent.
#include "readers/vbform_reader.h"

#include "model/project.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t lSize) {
    LoadDesignerCatalogOnce();
    const std::string sText(reinterpret_cast<const char*>(pData), lSize);
    const int32_t lRes = LoadVBForm(sText);
    // Every control of the form stands in the table in its order, numbered 1..n.
    int32_t lOrder = 0;
    for (int32_t l = FindDialogRow(lRes) + 1; lRes != 0 && l <= glDlgCnt; ++l) {
        if (gatDlg[l].lCtlOrder != ++lOrder) {
            std::abort();
        }
    }
    ClearFonts(); // fonts outlive a project; keep the fuzzer's memory flat
    return 0;
}
