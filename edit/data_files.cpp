#include "edit/data_files.h"
#include "edit/resource_edits.h"

#include "model/change_notice.h"
#include "model/dynstr.h"
#include "model/version_info.h"
#include "styles/control_kinds.h"

namespace {

constexpr int32_t kSsIcon = 3;    // SS_ICON
constexpr int32_t kSsBitmap = 14; // SS_BITMAP
constexpr int32_t kSsTypeMask = 0x1F;
constexpr int32_t kBsBitmap = 0x80; // BS_BITMAP

} // namespace

int32_t DataKindOf(const tDlg& t) {
    switch (t.lCtlType) {
    case wkCtlDialog:
        return wkResIcon;
    case wkCtlImage:
    case wkCtlImageX:
        return (t.lStyle & kSsTypeMask) == kSsBitmap ? wkResBitmap
               : (t.lStyle & kSsTypeMask) == kSsIcon ? wkResIcon
                                                     : 0;
    case wkCtlImgButton:
    case wkCtlImgButtonX:
        return (t.lStyle & kBsBitmap) ? wkResBitmap : wkResIcon;
    case wkCtlAnimate:
        return wkResAvi;
    default:
        return 0;
    }
}

int32_t SetDataFile(int32_t lRow, const std::string& sFileName) {
    if (!gatDlg.InRange(lRow)) {
        return 0;
    }
    // The row and possibly a new data resource: one change.
    tChangeScope tEdit(wkChgDlg, lRow, 1);
    NoteChange(wkChgDlg, lRow, 1);
    if (sFileName.empty()) {
        gatDlg.W(lRow).lDataResElem = 0;
        return 1;
    }
    int32_t lRes = FindDataResource(sFileName);
    gatDlg.W(lRow).lDataResElem = lRes;
    if (lRes != 0) {
        return 1;
    }
    const int32_t lKind = DataKindOf(gatDlg[lRow]);
    lRes = lKind ? NewResource(lKind) : 0;
    gatDlg.W(lRow).lDataResElem = lRes;
    if (lRes != 0) {
        SetDynStr(gatRes.W(lRes).lRCDataElem, sFileName);
    }
    return 1;
}

int32_t NeedsCompanionScript() {
    if (VersionBlockCount() > 0 || glStrCnt > 0) {
        return 1;
    }
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        if (gatDlg.Live(l) && gatDlg[l].lDataResElem != 0) {
            return 1;
        }
    }
    return 0;
}
