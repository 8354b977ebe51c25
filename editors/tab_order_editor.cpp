// The Tab Order Editor: while it is open every control of the dialog being
// designed wears a numbered badge, and clicking a control (or its badge) gives
// it the number in the editor's box. The design surface's mouse comes here
// meanwhile; closing stores the numbers and builds the surface again in the
// new order.
#include "app/editor_commands.h"
#include "app/main_window.h"
#include "app/settings/settings.h"
#include "designer/designer.h"
#include "designer/tab_order_hook.h"
#include "edit/tab_order.h"
#include "editors/editor_ids.h"
#include "model/project.h"
#include "win/win_handles.h"

#include <string>
#include <vector>

namespace {

struct tTabEditor {
    HWND hDlg = nullptr;
    int32_t lResDlg = 0;
    std::vector<int32_t> alRows;   // the controls, in their order when the editor opened
    std::vector<int32_t> alNumber; // each one's working number
    std::vector<HWND> ahBadge;
    tGdiBrush tBadgeBrush;
    bool bDone = false;
};
tTabEditor* gpTab = nullptr;

HWND RowHwnd(int32_t lRow) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(gatDlg[lRow].hWnd));
}

void BackToEditor() {
    SetActiveWindow(gpTab->hDlg);
    HWND hBox = GetDlgItem(gpTab->hDlg, IDC_TAB_NUMBER);
    SetFocus(hBox);
    SendMessageA(hBox, EM_SETSEL, 0, -1);
}

// A click on the control of entry lEntry: the number of the box, the others
// renumbered, the box advanced.
void ClickEntry(size_t lEntry) {
    BOOL bOk = FALSE;
    const auto lBox = static_cast<int32_t>(GetDlgItemInt(gpTab->hDlg, IDC_TAB_NUMBER, &bOk, FALSE));
    const int32_t lNext = TabOrderClick(gpTab->alNumber, lEntry, bOk ? lBox : 1);
    SetDlgItemInt(gpTab->hDlg, IDC_TAB_NUMBER, static_cast<UINT>(lNext), FALSE);
    for (HWND h : gpTab->ahBadge) {
        InvalidateRect(h, nullptr, TRUE);
    }
    BackToEditor();
}

size_t EntryOfRow(int32_t lRow) {
    for (size_t i = 0; i < gpTab->alRows.size(); ++i) {
        if (gpTab->alRows[i] == lRow) {
            return i;
        }
    }
    return gpTab->alRows.size();
}

LRESULT TabOrderMouse(HWND, UINT uMsg, int32_t lElem) {
    if (!gpTab) {
        return 0;
    }
    switch (uMsg) {
    case WM_LBUTTONDOWN:
        if (const size_t l = EntryOfRow(lElem); l < gpTab->alRows.size()) {
            ClickEntry(l);
            return 0;
        }
        BackToEditor();
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        BackToEditor();
        return 0;
    default:
        return 0;
    }
}

// The badge: the number on a yellow square at the control's top left corner.
LRESULT CALLBACK BadgeProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const auto pfnOld = reinterpret_cast<WNDPROC>(GetPropA(hWnd, "SubClassProc"));
    const auto lEntry =
        static_cast<size_t>(reinterpret_cast<intptr_t>(GetPropA(hWnd, "CtrlOrder"))) - 1;
    switch (uMsg) {
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_LBUTTONDOWN:
        if (gpTab && lEntry < gpTab->alNumber.size()) {
            ClickEntry(lEntry);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = BeginPaint(hWnd, &ps);
        RECT r{};
        GetClientRect(hWnd, &r);
        FillRect(hDC, &r, gpTab ? gpTab->tBadgeBrush.Get() : GetSysColorBrush(COLOR_INFOBK));
        FrameRect(hDC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        if (gpTab && lEntry < gpTab->alNumber.size()) {
            const std::string s = std::to_string(gpTab->alNumber[lEntry]);
            tSelected tFont(hDC, GetStockObject(DEFAULT_GUI_FONT));
            SetBkMode(hDC, TRANSPARENT);
            SetTextColor(hDC, RGB(0, 0, 0));
            DrawTextA(hDC, s.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnOld));
        RemovePropA(hWnd, "SubClassProc");
        RemovePropA(hWnd, "CtrlOrder");
        RemovePropA(hWnd, "CtlElem");
        return CallWindowProcA(pfnOld, hWnd, uMsg, wParam, lParam);
    default:
        return CallWindowProcA(pfnOld, hWnd, uMsg, wParam, lParam);
    }
}

void MakeBadges() {
    HWND hOverlay = DesignOverlayWindow();
    for (size_t i = 0; i < gpTab->alRows.size(); ++i) {
        const int32_t lRow = gpTab->alRows[i];
        RECT r{};
        GetWindowRect(RowHwnd(lRow), &r);
        MapWindowPoints(nullptr, hOverlay, reinterpret_cast<POINT*>(&r), 2);
        HWND h = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, r.left, r.top,
                                 22, 16, hOverlay, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!h) {
            continue;
        }
        SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetPropA(h, "CtrlOrder", reinterpret_cast<HANDLE>(static_cast<intptr_t>(i + 1)));
        SetPropA(h, "CtlElem", reinterpret_cast<HANDLE>(static_cast<intptr_t>(lRow)));
        SetPropA(h, "SubClassProc",
                 reinterpret_cast<HANDLE>(
                     SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BadgeProc))));
        gpTab->ahBadge.push_back(h);
    }
}

// Closing: the badges go, the numbers are stored, and the surface shows the
// controls in their new order.
void CloseEditor() {
    RECT r{};
    GetWindowRect(gpTab->hDlg, &r);
    SaveWindowPos(wkPosCtrlOrderDlg, {r.left, r.top, r.right, r.bottom});
    for (HWND h : gpTab->ahBadge) {
        DestroyWindow(h);
    }
    gpTab->ahBadge.clear();
    gpfnTabOrderMouse = nullptr;
    ApplyTabOrder(gpTab->alRows, gpTab->alNumber, 0);
    BuildDesignDialog(ghWndMain, gpTab->lResDlg);
    gpTab->bDone = true;
    DestroyWindow(gpTab->hDlg);
}

INT_PTR CALLBACK TabOrderProc(HWND hDlg, UINT lMsg, WPARAM wParam, LPARAM) {
    switch (lMsg) {
    case WM_INITDIALOG:
        SetDlgItemTextA(hDlg, IDC_TAB_NUMBER, "1");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL && gpTab && !gpTab->bDone) {
            CloseEditor();
        }
        return TRUE;
    case WM_CLOSE:
        if (gpTab && !gpTab->bDone) {
            CloseEditor();
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void TabOrderCmd(HWND hOwner) {
    if (gpTab) {
        SetActiveWindow(gpTab->hDlg);
        return;
    }
    if (gtElem.lDlg <= 0 || !DesignOverlayWindow() || CountDialogRows(gtElem.lResDlg) <= 2) {
        return;
    }
    tTabEditor tEditor;
    tEditor.lResDlg = gtElem.lResDlg;
    tEditor.alRows = TabOrderRows(gtElem.lResDlg);
    for (size_t i = 0; i < tEditor.alRows.size(); ++i) {
        tEditor.alNumber.push_back(static_cast<int32_t>(i) + 1);
    }
    tEditor.tBadgeBrush.Reset(CreateSolidBrush(RGB(255, 255, 160)));
    gpTab = &tEditor;
    ClearDesignSelection();
    HideFocusGrippers();
    tEditor.hDlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TABORDER),
                                      hOwner, TabOrderProc, 0);
    if (!tEditor.hDlg) {
        gpTab = nullptr;
        return;
    }
    RECT r{};
    GetWindowRect(tEditor.hDlg, &r);
    const tWinPlacement t = ReadWindowPos(wkPosCtrlOrderDlg, ScreenSizeNow(), r.right - r.left);
    if (t.lMove) {
        SetWindowPos(tEditor.hDlg, nullptr, t.lLeft, t.lTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    MakeBadges();
    gpfnTabOrderMouse = TabOrderMouse;
    InvalidateRect(DesignOverlayWindow(), nullptr, TRUE);
    // The program waits here: its other commands would change the dialog
    // under the badges.
    const int32_t lWasSuspended = glUpdatesSuspended;
    glUpdatesSuspended = 1;
    EnableWindow(hOwner, FALSE);
    ShowWindow(tEditor.hDlg, SW_SHOW);
    BackToEditor();
    MSG tMsg{};
    while (!tEditor.bDone && GetMessageA(&tMsg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(tEditor.hDlg, &tMsg)) {
            TranslateMessage(&tMsg);
            DispatchMessageA(&tMsg);
        }
    }
    if (tMsg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(tMsg.wParam));
        if (!tEditor.bDone) {
            CloseEditor();
        }
    }
    EnableWindow(hOwner, TRUE);
    glUpdatesSuspended = lWasSuspended;
    gpTab = nullptr;
    UpdateCommands();
}
