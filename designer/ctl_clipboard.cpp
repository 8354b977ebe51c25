// Cut, Copy and Paste of controls: the selected rows travel as the bytes of
// model/ctl_clipboard.h under the registered format "KvDlgEditControls", so
// they can be pasted into any dialog of this or another running copy.
#include "designer/ctl_clipboard.h"

#include "app/command_enabling.h"
#include "app/main_window.h"
#include "designer/design_state.h"
#include "edit/design_edits.h"
#include "model/options.h"
#include "model/paste_place.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "styles/control_kinds.h"
#include "win/win_handles.h"

#include <cstring>
#include <optional>

namespace {

// The rows Copy and Cut take: the group in its order, else the focus control.
std::vector<int32_t> CopiedRows() {
    std::vector<int32_t> al;
    if (!gtDesign.atGroup.empty()) {
        for (const tMarkers& t : gtDesign.atGroup) {
            al.push_back(t.lElem);
        }
        ClearGroup();
    } else if (gtElem.lCtl != gtElem.lDlg && gatDlg.Live(gtElem.lCtl) &&
               gatDlg[gtElem.lCtl].lCtlType != wkCtlDialog) {
        al.push_back(gtElem.lCtl);
        HideFocusGrippers();
    }
    return al;
}

// Copy, and with bCut the rows go once their records are written.
void CopyOrCut(bool bCut) {
    if (!gtElem.lResDlg || !gtDesign.hDialog) {
        return;
    }
    const std::vector<int32_t> alRows = CopiedRows();
    if (alRows.empty()) {
        return;
    }
    std::vector<tClipCtl> atCtl;
    OverlayBatch tBatch;
    for (int32_t l : alRows) {
        atCtl.push_back(ClipControlFromRow(l));
        if (bCut) {
            if (HWND h = RowWindow(l)) {
                DestroyWindow(h);
                gatDlg.W(l).hWnd = 0;
            }
            EditCutControl(l);
        }
    }
    if (bCut) {
        gtElem.lCtl = gtElem.lDlg;
        ShowRowReadout(gtElem.lDlg);
    }
    PutControlsOnClipboard(EncodeClipControls(atCtl), ControlsClipboardFormat());
    UpdateCommands();
}

} // namespace

UINT ControlsClipboardFormat() {
    static const UINT lFormat = RegisterClipboardFormatA("KvDlgEditControls");
    return lFormat;
}

int32_t PutControlsOnClipboard(const std::string& sData, UINT lFormat) {
    tGlobal tBlock(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sData.size()));
    void* p = tBlock.Get() ? GlobalLock(tBlock.Get()) : nullptr;
    if (!p) {
        ReportError("Out of memory");
        return 0;
    }
    std::memcpy(p, sData.data(), sData.size());
    GlobalUnlock(tBlock.Get());
    const tClipboard tClip;
    if (!tClip.IsOpen() || !EmptyClipboard() || !SetClipboardData(lFormat, tBlock.Get())) {
        ReportError("Cannot open clipboard");
        return 0;
    }
    tBlock.Release(); // the clipboard owns it now
    return 1;
}

std::string ControlsFromClipboard(UINT lFormat) {
    std::string s;
    if (!IsClipboardFormatAvailable(lFormat)) {
        return s;
    }
    const tClipboard tClip;
    if (!tClip.IsOpen()) {
        ReportError("Cannot open clipboard");
        return s;
    }
    HANDLE hData = GetClipboardData(lFormat);
    // The block's real size bounds every read; the length inside it is
    // only what another program claims.
    const SIZE_T lSize = hData ? GlobalSize(hData) : 0;
    const void* p = lSize ? GlobalLock(hData) : nullptr;
    if (p) {
        s.assign(static_cast<const char*>(p), lSize);
        GlobalUnlock(hData);
    }
    return s;
}

void CopyControlsCmd(HWND) {
    CopyOrCut(false);
}

void CutControlsCmd(HWND) {
    CopyOrCut(true);
}

int32_t PasteControlBytes(const std::string& sData) {
    HWND hOverlay = gtDesign.hOverlay;
    const int32_t lDlg = gtElem.lDlg;
    if (!gtElem.lResDlg || !hOverlay || !gatDlg.Live(lDlg)) {
        return 0;
    }
    std::vector<tClipCtl> atCtl;
    std::string sError;
    const int32_t lRead = DecodeClipControls(reinterpret_cast<const uint8_t*>(sData.data()),
                                             sData.size(), atCtl, sError);
    if (lRead == wkClipDamaged) {
        ReportError("The controls on the clipboard cannot be pasted: " + sError + ".");
        return 0;
    }
    if (lRead != wkClipOk || atCtl.empty()) {
        return 0;
    }
    int64_t lDX = 0;
    int64_t lDY = 0;
    PasteOffset(atCtl, gtElem.lResDlg, gtOptions.byPasteLoc, lDX, lDY);
    RECT rClient{};
    GetClientRect(hOverlay, &rClient);
    const int32_t lClientW = PixelsToDlgX(rClient.right);
    const int32_t lClientH = PixelsToDlgY(rClient.bottom);
    bool bOutside = false;
    int32_t lLastRow = 0;
    int32_t lPasted = 0;
    {
        OverlayBatch tBatch;
        HideFocusGrippers();
        ClearGroup();
        std::optional<OverlayFreeze> tFreeze;
        tFreeze.emplace();
        for (const tClipCtl& c : atCtl) {
            const tDlgRect t =
                ShiftedRect({c.tRow.nLeft, c.tRow.nTop, c.tRow.nRight, c.tRow.nBottom}, lDX, lDY);
            bOutside = bOutside || !RectInsideClient(t, lClientW, lClientH);
            const int32_t lRow = EditPasteControl(lDlg, c, t);
            if (!lRow) {
                continue;
            }
            gtElem.lCtl = lRow;
            CreateControlWindow(hOverlay, lRow);
            BatchUncover(ControlPixelRect(lRow));
            AddToGroup(lRow);
            lLastRow = lRow;
            ++lPasted;
        }
        tFreeze.reset(); // the grippers and markers need a visible surface
        if (lPasted == 1) {
            ClearGroup();
            ShowFocusGrippers(RowWindow(lLastRow));
            ShowRowReadout(lLastRow);
        } else {
            HideFocusGrippers();
            ClearReadout();
        }
    }
    UpdateCommands();
    if (bOutside) {
        MessageBoxA(ghWndMain,
                    "At least one of the pasted controls is outside the visible\r"
                    "area of the dialog. You will need to resize your dialog to\r"
                    "see all of the pasted controls.",
                    "Wrenkit", MB_OK | MB_ICONINFORMATION);
    }
    return lPasted;
}

void PasteControlsCmd(HWND) {
    if (!gtElem.lResDlg || !gtDesign.hOverlay) {
        return;
    }
    const std::string s = ControlsFromClipboard(ControlsClipboardFormat());
    if (!s.empty()) {
        PasteControlBytes(s);
    }
}
