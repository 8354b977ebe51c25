#include "readers/import_run.h"

#include "readers/import_detect.h"
#include "readers/import_results.h"
#include "readers/kvl_reader.h"
#include "readers/rc_reader.h"
#include "readers/vbform_reader.h"

#include "model/project.h"
#include "model/user_seam.h"

int32_t glImportFlag = 0;
int32_t (*gpfnImportKVL)(const std::string& sText) = [](const std::string& sText) {
    return LoadKVL(sText, 0, 1);
};

void RenumberControlOrder(int32_t lResDlg) {
    if (lResDlg == 0) {
        return;
    }
    int32_t lOrder = 0;
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        const tDlg& t = gatDlg[l];
        if (gatDlg.Live(l) && t.lResElem == lResDlg && t.lCtlType != 0) {
            gatDlg.W(l).lCtlOrder = ++lOrder;
        }
    }
}

int32_t RunImport(int32_t lFormat, const std::string& sText) {
    if (lFormat != wkFormatKVL && lFormat != wkFormatRC && lFormat != wkFormatVBForm) {
        ReportInfo("You must select a File Format.");
        return 0;
    }
    glImportFlag = 1;
    SnapshotCounts();
    switch (lFormat) {
    case wkFormatKVL:
        if (gpfnImportKVL) {
            gpfnImportKVL(sText);
        }
        break;
    case wkFormatRC:
        LoadRC(sText, 0, 1);
        break;
    default:
        if (LoadVBForm(sText, 0) != 0) {
            RenumberControlOrder(gtElem.lResDlg);
        }
        break;
    }
    glImportFlag = 0;
    return 1;
}
