// The colour popup (a palette of sixteen colours, two system colours and
// "More..." for the common colour dialog) and the common font dialog.
#include "app/settings/settings.h"
#include "props/properties_dialog.h"
#include "props/props_ids.h"
#include "win/win_handles.h"

#include <commdlg.h>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<COLORREF, 16> kPalette = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF,
    0x808080, 0xC0C0C0, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080,
};
constexpr std::array<uint32_t, 2> kSystem = {0x80000002u, 0x80000014u};
constexpr int kSwatches = 18;

struct tPopup {
    int32_t lCurrent;
    HWND hArrow;
    int32_t lChosen = -2;
    std::array<tGdiBrush, kSwatches> atBrush;
};

COLORREF SwatchColor(int i) {
    return i < 16 ? kPalette[static_cast<size_t>(i)]
                  : GetSysColor(static_cast<int>(kSystem[static_cast<size_t>(i - 16)] & 0xFF));
}

int32_t SwatchValue(int i) {
    return i < 16 ? static_cast<int32_t>(kPalette[static_cast<size_t>(i)])
                  : static_cast<int32_t>(kSystem[static_cast<size_t>(i - 16)]);
}

INT_PTR CALLBACK PopupProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* p = reinterpret_cast<tPopup*>(GetWindowLongPtrA(hDlg, DWLP_USER));
    switch (uMsg) {
    case WM_INITDIALOG: {
        p = reinterpret_cast<tPopup*>(lParam);
        SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        for (int i = 0; i < kSwatches; ++i) {
            // 1-8 in a row, 9-16 below, the system colours under the label.
            RECT r{};
            if (i < 16) {
                r = RECT{5 + 15 * (i % 8), i < 8 ? 5 : 20, 10, 10};
            } else {
                r = RECT{5 + 15 * (i - 16), 45, 10, 10};
            }
            MapDialogRect(hDlg, &r);
            CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | WS_BORDER | SS_NOTIFY, r.left,
                            r.top, r.right, r.bottom, hDlg,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_COLOR_FIRST + i)),
                            GetModuleHandleA(nullptr), nullptr);
            p->atBrush[static_cast<size_t>(i)].Reset(CreateSolidBrush(SwatchColor(i)));
        }
        // Below the arrow, moved back inside the screen when it would stick out.
        RECT rArrow{};
        GetWindowRect(p->hArrow, &rArrow);
        RECT r{};
        GetWindowRect(hDlg, &r);
        const int x = std::max(
            0, std::min<int>(rArrow.left, GetSystemMetrics(SM_CXFULLSCREEN) - (r.right - r.left)));
        const int y = std::max(0, std::min<int>(rArrow.bottom, GetSystemMetrics(SM_CYFULLSCREEN) -
                                                                   (r.bottom - r.top)));
        SetWindowPos(hDlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        const int lId = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (p && lId >= IDC_COLOR_FIRST && lId < IDC_COLOR_FIRST + kSwatches) {
            return reinterpret_cast<INT_PTR>(
                p->atBrush[static_cast<size_t>(lId - IDC_COLOR_FIRST)].Get());
        }
        return FALSE;
    }
    case WM_COMMAND: {
        const int lId = LOWORD(wParam);
        if (lId >= IDC_COLOR_FIRST && lId < IDC_COLOR_FIRST + kSwatches) {
            p->lChosen = SwatchValue(lId - IDC_COLOR_FIRST);
            EndDialog(hDlg, IDOK);
        } else if (lId == IDC_COLOR_MORE) {
            ShowWindow(hDlg, SW_HIDE);
            p->lChosen = ChooseCustomColor(GetWindow(hDlg, GW_OWNER), p->lCurrent);
            EndDialog(hDlg, IDOK);
        } else if (lId == IDCANCEL) {
            EndDialog(hDlg, IDCANCEL);
        }
        return TRUE;
    }
    case WM_ACTIVATE:
        // A click elsewhere closes the popup, as a menu would.
        if (LOWORD(wParam) == WA_INACTIVE && IsWindowVisible(hDlg)) {
            PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int32_t PickColor(HWND hwndArrow, int32_t lCurrent) {
    tPopup t;
    t.lCurrent = lCurrent;
    t.hArrow = hwndArrow;
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_COLORPOPUP),
                    GetAncestor(hwndArrow, GA_ROOT), PopupProc, reinterpret_cast<LPARAM>(&t));
    return t.lChosen;
}

int32_t ChooseCustomColor(HWND hwndOwner, int32_t lColour) {
    const tCustomColors alBefore = ReadCustomColors();
    std::array<COLORREF, 16> alRef{};
    for (size_t i = 0; i < 16; ++i) {
        alRef[i] = alBefore[i];
    }
    CHOOSECOLORA t{};
    t.lStructSize = sizeof(t);
    t.hwndOwner = hwndOwner;
    t.rgbResult = lColour < 0 ? 0 : static_cast<COLORREF>(lColour);
    t.lpCustColors = alRef.data();
    t.Flags = CC_RGBINIT;
    if (!ChooseColorA(&t)) {
        return -2;
    }
    tCustomColors alAfter = alBefore;
    for (size_t i = 0; i < 16; ++i) {
        alAfter[i] = alRef[i];
    }
    WriteCustomColors(alBefore, alAfter);
    return static_cast<int32_t>(t.rgbResult & 0xFFFFFF);
}

int32_t PickFont(HWND hwndOwner, LOGFONTA& tFont) {
    LOGFONTA tWork = tFont;
    CHOOSEFONTA t{};
    t.lStructSize = sizeof(t);
    t.hwndOwner = hwndOwner;
    t.lpLogFont = &tWork;
    t.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    if (!ChooseFontA(&t)) {
        return 0;
    }
    tFont = tWork;
    return 1;
}
