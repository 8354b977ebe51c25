// The dialog being designed: its window (KvDialog) with the overlay that
// covers its client area (KvDialogClient), built from the tables, the grid,
// and the preview of its menu bar.
#include "app/main_window.h"
#include "designer/design_state.h"
#include "designer/design_undo.h"
#include "designer/tab_order_hook.h"
#include "edit/design_edits.h"
#include "model/accel_keys.h"
#include "model/dynstr.h"
#include "model/options.h"
#include "model/project.h"
#include "styles/control_kinds.h"

#include <vector>

namespace {

bool HasMenuBar(HWND hDialog) {
    return hDialog && GetMenu(hDialog) != nullptr;
}

// The model rectangle of the dialog from where its client area is on the screen.
tDlgRect ClientModelRect(HWND hDialog) {
    RECT r{};
    GetClientRect(hDialog, &r);
    MapWindowPoints(hDialog, nullptr, reinterpret_cast<POINT*>(&r), 2);
    const int32_t lDX = GetSystemMetrics(SM_CXFIXEDFRAME);
    const int32_t lDY = GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) +
                        (HasMenuBar(hDialog) ? GetSystemMetrics(SM_CYMENU) : 0);
    return PixelsToDlg({r.left - lDX, r.top - lDY, r.right - lDX, r.bottom - lDY});
}

void PaintGrid(HWND hWnd, HDC hDC, const RECT& tPaint);
void ClearSurfaceState();

} // namespace

// WM_MOVE keeps the size, WM_SIZE takes the whole rectangle. While the
// surface builds the window from the tables, what Windows made of a position
// is not written back: the model keeps the values the file gave.
void StoreDialogRect(HWND hDialog, bool bSize) {
    const int32_t lDlg = WindowElem(hDialog);
    if (gtDesign.lBuilding || !gatDlg.Live(lDlg) || IsIconic(hDialog) ||
        !IsWindowVisible(hDialog)) {
        return;
    }
    tDlgRect t = ClientModelRect(hDialog);
    if (!bSize) {
        const tDlgRect tOld = RowRect(lDlg);
        t.nRight = static_cast<int32_t>(int64_t{t.nLeft} + tOld.nRight - tOld.nLeft);
        t.nBottom = static_cast<int32_t>(int64_t{t.nTop} + tOld.nBottom - tOld.nTop);
    }
    const tDlgRect tOld = RowRect(lDlg);
    if (t.nLeft == tOld.nLeft && t.nTop == tOld.nTop && t.nRight == tOld.nRight &&
        t.nBottom == tOld.nBottom) {
        return;
    }
    const int32_t lWasChanged = glChanged;
    EditSetRect(lDlg, t);
    if (glUpdatesSuspended) {
        glChanged = lWasChanged;
    }
    if (gtElem.lCtl == lDlg) {
        ShowRowReadout(lDlg);
    }
    UpdateCommands();
}

namespace {

void PaintGrid(HWND hWnd, HDC hDC, const RECT& tPaint) {
    const int32_t lGX = gtOptions.lGridX > 0 ? gtOptions.lGridX : 5;
    const int32_t lGY = gtOptions.lGridY > 0 ? gtOptions.lGridY : 5;
    (void)hWnd;
    // Only the dots of the paint rectangle are set.
    const int32_t lX0 = std::max<int32_t>(0, PixelsToDlgX(tPaint.left) / lGX * lGX);
    const int32_t lY0 = std::max<int32_t>(0, PixelsToDlgY(tPaint.top) / lGY * lGY);
    const int32_t lXEnd = PixelsToDlgX(tPaint.right);
    const int32_t lYEnd = PixelsToDlgY(tPaint.bottom);
    for (int32_t y = lY0; y <= lYEnd; y += lGY) {
        const int32_t lPY = DlgToPixelsY(y);
        for (int32_t x = lX0; x <= lXEnd; x += lGX) {
            SetPixelV(hDC, DlgToPixelsX(x), lPY, RGB(0, 0, 0));
        }
    }
}

void ClearSurfaceState() {
    gtDesign.atGroup.clear();
    gtDesign.atGroupRect.clear();
    for (HWND& h : gtDesign.ahGrip) {
        h = nullptr;
    }
    gtDesign.lGripShown = 0;
    gtDesign.lPlaceKind = 0;
}

} // namespace

HWND DesignDialogWindow() {
    return gtDesign.hDialog && IsWindow(gtDesign.hDialog) ? gtDesign.hDialog : nullptr;
}

HWND DesignOverlayWindow() {
    return gtDesign.hOverlay && IsWindow(gtDesign.hOverlay) ? gtDesign.hOverlay : nullptr;
}

void RefreshDesignMenuBar() {
    if (HWND hDialog = DesignDialogWindow()) {
        ShowMenuBar(hDialog);
    }
}

LRESULT CALLBACK DesignDialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_CREATE: {
        SetPropA(hWnd, "CtlElem", reinterpret_cast<HANDLE>(static_cast<intptr_t>(gtElem.lDlg)));
        gtDesign.hDialog = hWnd;
        RECT r{};
        GetClientRect(hWnd, &r);
        CreateWindowExA(0, "KvDialogClient", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                        r.right, r.bottom, hWnd, nullptr, GetModuleHandleA(nullptr), nullptr);
        return 0;
    }
    case WM_DESTROY:
        // A drag under way ends with its window: the cursor is never left confined.
        EndDrag();
        EndFrameStep();
        if (gtDesign.hSmallIcon) {
            DestroyIcon(gtDesign.hSmallIcon);
            gtDesign.hSmallIcon = nullptr;
        }
        if (HMENU hMenu = GetMenu(hWnd)) {
            SetMenu(hWnd, nullptr);
            DestroyMenu(hMenu);
        }
        if (gtDesign.hDialog == hWnd) {
            // No row points at a window that is gone.
            const int32_t lRes = gatDlg[WindowElem(hWnd)].lResElem;
            for (int32_t l = 1; l <= glDlgCnt; ++l) {
                if (gatDlg[l].hWnd && gatDlg[l].lResElem == lRes) {
                    gatDlg.W(l).hWnd = 0;
                }
            }
            gtDesign.hDialog = nullptr;
            gtDesign.hOverlay = nullptr;
            ClearSurfaceState();
        }
        RemovePropA(hWnd, "CtlElem");
        return 0;
    case WM_ENTERSIZEMOVE:
        BeginFrameStep();
        break;
    case WM_EXITSIZEMOVE:
        EndFrameStep();
        break;
    case WM_MOVE:
        StoreDialogRect(hWnd, false);
        return 0;
    case WM_SIZE:
        if (gtDesign.hOverlay) {
            MoveWindow(gtDesign.hOverlay, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        if (wParam != SIZE_MINIMIZED) {
            StoreDialogRect(hWnd, true);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCLBUTTONDOWN:
        if (gpfnTabOrderMouse) {
            return gpfnTabOrderMouse(hWnd, uMsg, 0);
        }
        SelectDialogItself();
        if (wParam == HTSYSMENU || wParam == HTMINBUTTON || wParam == HTMAXBUTTON ||
            wParam == HTCLOSE) {
            return 0;
        }
        break;
    case WM_NCLBUTTONDBLCLK:
        if (gpfnTabOrderMouse) {
            return gpfnTabOrderMouse(hWnd, uMsg, 0);
        }
        SendMessageA(ghWndMain, WM_COMMAND, MAKEWPARAM(1034, 0), 0);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_LEFT || wParam == VK_RIGHT || wParam == VK_UP || wParam == VK_DOWN) {
            Nudge(wParam);
            return 0;
        }
        if (wParam == VK_TAB) {
            TabSelect(GetKeyState(VK_SHIFT) < 0);
            return 0;
        }
        break;
    case WM_SYSKEYDOWN:
        if (wParam != VK_MENU && ghWndMain) {
            SetFocus(ghWndMain);
            PostMessageA(ghWndMain, uMsg, wParam, lParam);
            return 0;
        }
        break;
    case WM_ACTIVATEAPP:
    case WM_CANCELMODE:
        // Another program comes forward: a drag ends where it was.
        CancelDesignDrag();
        break;
    default:
        break;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK OverlayProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (gpfnTabOrderMouse && uMsg >= WM_MOUSEFIRST && uMsg <= WM_MOUSELAST) {
        return gpfnTabOrderMouse(hWnd, uMsg, 0);
    }
    bool bHandled = false;
    const LRESULT lResult = OverlayMouse(hWnd, uMsg, wParam, lParam, bHandled);
    if (bHandled) {
        return lResult;
    }
    switch (uMsg) {
    case WM_CREATE:
        SetPropA(hWnd, "CtlElem", reinterpret_cast<HANDLE>(static_cast<intptr_t>(gtElem.lDlg)));
        gtDesign.hOverlay = hWnd;
        CreateFocusGrippers(hWnd);
        gtDesign.lPlaceKind = 0;
        return 0;
    case WM_DESTROY:
        RemovePropA(hWnd, "CtlElem");
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = BeginPaint(hWnd, &ps);
        // The tab order's badges stand on a plain dialog.
        if (gtOptions.lShowGrid && !gpfnTabOrderMouse) {
            PaintGrid(hWnd, hDC, ps.rcPaint);
        }
        PaintMarkers(hDC, ps.rcPaint);
        EndPaint(hWnd, &ps);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT (*gpfnTabOrderMouse)(HWND hWnd, UINT uMsg, int32_t lElem) = nullptr;

void ShowMenuBar(HWND hDialog) {
    if (!hDialog) {
        return;
    }
    RECT tClient{};
    GetClientRect(hDialog, &tClient);
    if (HMENU hOld = GetMenu(hDialog)) {
        SetMenu(hDialog, nullptr);
        DestroyMenu(hOld);
    }
    const int32_t lRes = gtElem.lResMenu;
    if (lRes && gatRes.Live(lRes)) {
        HMENU hBar = CreateMenu();
        std::vector<HMENU> ahLevel{hBar};
        for (int32_t l = 1; l <= glMenuCnt; ++l) {
            const tMenu& t = gatMenu[l];
            if (t.byDeleted || t.lResElem != lRes) {
                continue;
            }
            // An item deeper than the open pop-ups hangs on the deepest one.
            const size_t lLevel =
                std::min<size_t>(static_cast<size_t>(std::max(t.lLevel, 0)), ahLevel.size() - 1);
            ahLevel.resize(lLevel + 1);
            HMENU hParent = ahLevel[lLevel];
            const UINT lState =
                static_cast<UINT>(t.lOptions) &
                (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBARBREAK | MF_MENUBREAK);
            if (t.lType == wkMenuPopup) {
                HMENU hPopup = CreatePopupMenu();
                AppendMenuA(hParent, MF_POPUP | MF_STRING | lState,
                            reinterpret_cast<UINT_PTR>(hPopup), GetDynStr(t.lCaptionElem).c_str());
                ahLevel.push_back(hPopup);
            } else if (t.lType == wkMenuSeparator) {
                AppendMenuA(hParent, MF_SEPARATOR, 0, nullptr);
            } else {
                AppendMenuA(hParent, MF_STRING | lState,
                            static_cast<UINT_PTR>(static_cast<uint16_t>(gatID[t.lIDElem].lIDValue)),
                            MenuTextKvl(l).c_str());
            }
        }
        SetMenu(hDialog, hBar);
    }
    DrawMenuBar(hDialog);
    // The client area keeps its size and the model's top leaves the bar out:
    // the window grows or shrinks at its bottom.
    RECT tWin{};
    GetWindowRect(hDialog, &tWin);
    RECT tNow{};
    GetClientRect(hDialog, &tNow);
    const int32_t lGrow = (tClient.bottom - tClient.top) - (tNow.bottom - tNow.top);
    if (lGrow != 0) {
        const int32_t lWasBuilding = gtDesign.lBuilding;
        gtDesign.lBuilding = 1;
        SetWindowPos(hDialog, nullptr, tWin.left, tWin.top, tWin.right - tWin.left,
                     tWin.bottom - tWin.top + lGrow, SWP_NOZORDER | SWP_NOACTIVATE);
        gtDesign.lBuilding = lWasBuilding;
    }
}
