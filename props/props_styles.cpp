// The Styles page: two owner-drawn check lists (window and class styles,
// extended styles), the chosen names with their count, the favourite styles.
#include "props/props_ids.h"
#include "props/props_state.h"
#include "props/rules/favorites.h"

#include <windowsx.h>

#include <string>
#include <vector>

namespace {

std::vector<tStyleEntry>& EntriesOf(HWND hList) {
    return GetDlgCtrlID(hList) == IDC_PROP_EXSTYLELIST ? gpProps->tEdit.tPages.atExStyle
                                                       : gpProps->tEdit.tPages.atStyle;
}

void ShowChosen() {
    HWND hPage = gpProps->ahPage[1];
    HWND hChosen = GetDlgItem(hPage, IDC_PROP_CHOSEN);
    SendMessageA(hChosen, LB_RESETCONTENT, 0, 0);
    const std::vector<std::string> as = CheckedStyleNames(gpProps->tEdit.tPages);
    for (const std::string& s : as) {
        SendMessageA(hChosen, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    }
    SetDlgItemTextA(hPage, IDC_PROP_STYLECOUNT, ("Count: " + std::to_string(as.size())).c_str());
}

void Describe(HWND hList) {
    const LRESULT lSel = SendMessageA(hList, LB_GETCURSEL, 0, 0);
    const std::vector<tStyleEntry>& at = EntriesOf(hList);
    if (lSel >= 0 && static_cast<size_t>(lSel) < at.size()) {
        SetDescription(StyleDescription(at[static_cast<size_t>(lSel)].lDescId));
    }
}

void Toggle(HWND hList, size_t lIndex) {
    if (ToggleStyleEntry(gpProps->tEdit.tPages, EntriesOf(hList), lIndex)) {
        FavoriteModified(wkFavStyles);
        InvalidateRect(hList, nullptr, FALSE);
        ShowChosen();
        PropsChanged();
    }
}

// The mouse and the space bar change check marks; everything else is the list box's.
LRESULT CALLBACK CheckListProc(HWND hList, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const auto pfnOld = reinterpret_cast<WNDPROC>(GetPropA(hList, "SubClassProc"));
    if (gpProps) {
        if (uMsg == WM_LBUTTONDOWN) {
            const LRESULT lHit = SendMessageA(hList, LB_ITEMFROMPOINT, 0, lParam);
            CallWindowProcA(pfnOld, hList, uMsg, wParam, lParam);
            if (HIWORD(lHit) == 0) {
                Toggle(hList, LOWORD(lHit));
            }
            return 0;
        }
        if (uMsg == WM_CHAR && wParam == ' ') {
            const LRESULT lSel = SendMessageA(hList, LB_GETCURSEL, 0, 0);
            if (lSel >= 0) {
                Toggle(hList, static_cast<size_t>(lSel));
            }
            return 0;
        }
    }
    if (uMsg == WM_NCDESTROY) {
        SetWindowLongPtrA(hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnOld));
        RemovePropA(hList, "SubClassProc");
    }
    return CallWindowProcA(pfnOld, hList, uMsg, wParam, lParam);
}

void FillList(HWND hList) {
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    const std::vector<tStyleEntry>& at = EntriesOf(hList);
    for (size_t i = 0; i < at.size(); ++i) {
        SendMessageA(hList, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
    }
    EnableWindow(hList, !at.empty());
}

void DrawEntry(const DRAWITEMSTRUCT* p) {
    if (!gpProps || p->itemID == static_cast<UINT>(-1)) {
        return;
    }
    const std::vector<tStyleEntry>& at = EntriesOf(p->hwndItem);
    if (p->itemID >= at.size()) {
        return;
    }
    const tStyleEntry& e = at[p->itemID];
    HDC hDC = p->hDC;
    RECT r = p->rcItem;
    const bool bSelected = (p->itemState & ODS_SELECTED) && e.byType != wkBoxSeparator;
    FillRect(hDC, &r, GetSysColorBrush(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (e.byType == wkBoxSeparator) {
        const int y = (r.top + r.bottom) / 2;
        RECT rLine{r.left + 2, y, r.right - 2, y + 1};
        FillRect(hDC, &rLine, GetSysColorBrush(COLOR_GRAYTEXT));
        return;
    }
    const int lBox = r.bottom - r.top - 2;
    RECT rBox{r.left + 2, r.top + 1, r.left + 2 + lBox, r.top + 1 + lBox};
    UINT lState = e.byType == wkBoxOption ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (e.byChecked) {
        lState |= DFCS_CHECKED;
    }
    if (e.lFlags & wkEntryLocked) {
        lState |= DFCS_INACTIVE;
    }
    DrawFrameControl(hDC, &rBox, DFC_BUTTON, lState);
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, GetSysColor((e.lFlags & wkEntryLocked) ? COLOR_GRAYTEXT
                                  : bSelected                ? COLOR_HIGHLIGHTTEXT
                                                             : COLOR_WINDOWTEXT));
    RECT rText{rBox.right + 4, r.top, r.right, r.bottom};
    DrawTextA(hDC, e.sName.c_str(), -1, &rText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (p->itemState & ODS_FOCUS) {
        DrawFocusRect(hDC, &r);
    }
}

} // namespace

void RefreshStyleLists() {
    HWND hPage = gpProps->ahPage[1];
    InvalidateRect(GetDlgItem(hPage, IDC_PROP_STYLELIST), nullptr, FALSE);
    InvalidateRect(GetDlgItem(hPage, IDC_PROP_EXSTYLELIST), nullptr, FALSE);
    ShowChosen();
}

void FillStylesPage() {
    HWND hPage = gpProps->ahPage[1];
    for (int lId : {IDC_PROP_STYLELIST, IDC_PROP_EXSTYLELIST}) {
        HWND hList = GetDlgItem(hPage, lId);
        if (!GetPropA(hList, "SubClassProc")) {
            SetPropA(hList, "SubClassProc",
                     reinterpret_cast<HANDLE>(SetWindowLongPtrA(
                         hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CheckListProc))));
        }
        const LRESULT lTop = SendMessageA(hList, LB_GETTOPINDEX, 0, 0);
        FillList(hList);
        SendMessageA(hList, LB_SETTOPINDEX, static_cast<WPARAM>(lTop), 0);
    }
    SendDlgItemMessageA(hPage, IDC_PROP_FAVSTYLEMENU, WM_SETFONT,
                        reinterpret_cast<WPARAM>(gpProps->tArrowFont.Get()), 0);
    FillFavorites(wkFavStyles);
    ShowChosen();
}

INT_PTR CALLBACK StylesPageProc(HWND, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (FavoritePageMessage(wkFavStyles, uMsg, wParam, lParam)) {
        return TRUE;
    }
    switch (uMsg) {
    case WM_MEASUREITEM: {
        auto* p = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        p->itemHeight = 14;
        return TRUE;
    }
    case WM_DRAWITEM:
        if (wParam == IDC_PROP_STYLELIST || wParam == IDC_PROP_EXSTYLELIST) {
            DrawEntry(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return FALSE;
    case WM_COMMAND:
        if (gpProps && HIWORD(wParam) == LBN_SELCHANGE &&
            (LOWORD(wParam) == IDC_PROP_STYLELIST || LOWORD(wParam) == IDC_PROP_EXSTYLELIST)) {
            Describe(reinterpret_cast<HWND>(lParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
