// The live windows following a row that the Properties dialog rewrote.
#include "app/main_window.h"
#include "designer/design_state.h"
#include "model/dynstr.h"
#include "model/project.h"
#include "styles/control_kinds.h"

void RefreshDesignElement(int32_t lElem, int32_t lRemake, int32_t lOrderChanged, int32_t lMoved) {
    if (!gatDlg.Live(lElem) || !gtDesign.hDialog) {
        return;
    }
    if (gatDlg[lElem].lCtlType == wkCtlDialog) {
        // Caption, styles, icon, font and size of the dialog: the surface is built anew.
        BuildDesignDialog(ghWndMain, gtElem.lResDlg);
        return;
    }
    HWND hOld = RowWindow(lElem);
    const int32_t lKind = gatDlg[lElem].lCtlType;
    // A class, a style a window reads only when it is made, a picture or a
    // tree view: the control is made anew in the same place among its siblings.
    if (lRemake || lOrderChanged || !hOld || lKind == wkCtlTreeView || lKind == wkCtlImage ||
        lKind == wkCtlImageX || lKind == wkCtlImgButton || lKind == wkCtlImgButtonX ||
        lKind == wkCtlAnimate) {
        HWND hAfter = hOld ? GetWindow(hOld, GW_HWNDPREV) : nullptr;
        if (hOld) {
            DestroyWindow(hOld);
            gatDlg.W(lElem).hWnd = 0;
        }
        CreateControlWindow(gtDesign.hOverlay, lElem);
        if (HWND hNew = RowWindow(lElem)) {
            SetWindowPos(hNew, hAfter ? hAfter : HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        if (!lMoved) {
            FitToPicture(lElem);
            ShowRowReadout(lElem);
        }
    } else {
        SetWindowTextA(hOld, GetDynStr(gatDlg[lElem].lCaptionElem).c_str());
        SendMessageA(hOld, WM_SETFONT,
                     reinterpret_cast<WPARAM>(FontHandle(gatDlg[lElem].lFontElem)), TRUE);
        PlaceControlWindow(lElem, SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(hOld, nullptr, TRUE);
    }
    if (gtElem.lCtl == lElem && gtDesign.atGroup.empty()) {
        ShowFocusGrippers(RowWindow(lElem));
    }
    InvalidateRect(gtDesign.hOverlay, nullptr, TRUE);
}
