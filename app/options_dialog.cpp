// The Options dialog: the tab control with its two pages, the General page,
// and OK writing everything to the settings file.
#include "app/options_dialog.h"

#include "app/file_commands.h"
#include "app/help.h"
#include "app/main_window.h"
#include "app/settings/settings.h"
#include "app/startup.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "props/properties_dialog.h"
#include "resources/resource_ids.h"
#include "win/win_handles.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// What the open dialog works on: copies that only OK writes back.
struct tOptionsEdit {
    HWND hGeneral = nullptr;
    HWND hPrefixes = nullptr;
    uint32_t lColor1 = 0;
    uint32_t lColor2 = 0;
    tGdiBrush tSwatch1;
    tGdiBrush tSwatch2;
    tGdiFont tArrowFont;
};
tOptionsEdit* gpEdit = nullptr;

COLORREF ShownColor(uint32_t lColor) {
    return (lColor & wkSysColorFlag) ? GetSysColor(static_cast<int>(lColor - wkSysColorFlag))
                                     : lColor;
}

void FillNumberList(HWND hPage, int lId, int lLast, int32_t lValue) {
    HWND hList = GetDlgItem(hPage, lId);
    for (int i = 1; i <= lLast; ++i) {
        SendMessageA(hList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(i).c_str()));
    }
    SendMessageA(hList, CB_SETCURSEL, static_cast<WPARAM>(std::clamp(lValue, 1, lLast) - 1), 0);
}

int32_t NumberFromList(HWND hPage, int lId) {
    return static_cast<int32_t>(SendDlgItemMessageA(hPage, lId, CB_GETCURSEL, 0, 0)) + 1;
}

bool Checked(HWND hPage, int lId) {
    return IsDlgButtonChecked(hPage, lId) == BST_CHECKED;
}

void SetSwatches() {
    gpEdit->tSwatch1.Reset(CreateSolidBrush(ShownColor(gpEdit->lColor1)));
    gpEdit->tSwatch2.Reset(CreateSolidBrush(ShownColor(gpEdit->lColor2)));
    InvalidateRect(GetDlgItem(gpEdit->hGeneral, IDC_OPT_COLOR1), nullptr, TRUE);
    InvalidateRect(GetDlgItem(gpEdit->hGeneral, IDC_OPT_COLOR2), nullptr, TRUE);
}

int32_t WrapFromEdit(HWND hPage) {
    char szText[16] = "";
    GetDlgItemTextA(hPage, IDC_OPT_WRAPPOS, szText, sizeof(szText));
    return static_cast<int32_t>(std::strtol(szText, nullptr, 10));
}

void FillGeneralPage(HWND hPage) {
    const tOptions& t = gtOptions;
    CheckDlgButton(hPage, IDC_OPT_SHOWGRID, t.lShowGrid ? BST_CHECKED : BST_UNCHECKED);
    FillNumberList(hPage, IDC_OPT_GRIDX, 15, t.lGridX);
    FillNumberList(hPage, IDC_OPT_GRIDY, 15, t.lGridY);
    CheckDlgButton(hPage, IDC_OPT_SNAP, t.lSnapToGrid ? BST_CHECKED : BST_UNCHECKED);
    FillNumberList(hPage, IDC_OPT_TABKVL, 8, t.lTabSizeKVL);
    FillNumberList(hPage, IDC_OPT_TABRC, 8, t.lTabSizeRC);
    CheckRadioButton(hPage, IDC_OPT_PASTELAST, IDC_OPT_PASTECOPIED,
                     t.byPasteLoc ? IDC_OPT_PASTECOPIED : IDC_OPT_PASTELAST);
    CheckRadioButton(hPage, IDC_OPT_TBSMALL, IDC_OPT_TBLARGE,
                     t.lToolbarSize ? IDC_OPT_TBLARGE : IDC_OPT_TBSMALL);
    CheckDlgButton(hPage, IDC_OPT_TBTEXT,
                   t.lToolbarSize && t.lToolbarText ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(hPage, IDC_OPT_TBTEXT), t.lToolbarSize != 0);
    SetDlgItemTextA(hPage, IDC_OPT_WRAPPOS, std::to_string(t.lWrapPos).c_str());
    CheckDlgButton(hPage, IDC_OPT_HDRCOMMENT, t.lHdrComment ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hPage, IDC_OPT_IMPORTRESULTS, t.lImportResults ? BST_CHECKED : BST_UNCHECKED);

    // The drop buttons show the arrow glyph of the symbol font, as tall as the button.
    RECT tButton{};
    GetClientRect(GetDlgItem(hPage, IDC_OPT_COLOR1BTN), &tButton);
    gpEdit->tArrowFont.Reset(CreateFontA(tButton.bottom - 2, 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                         SYMBOL_CHARSET, 0, 0, 0, 0, "Marlett"));
    for (int lId : {IDC_OPT_COLOR1BTN, IDC_OPT_COLOR2BTN}) {
        SendDlgItemMessageA(hPage, lId, WM_SETFONT,
                            reinterpret_cast<WPARAM>(gpEdit->tArrowFont.Get()), 0);
    }
    gpEdit->lColor1 = t.lGripperColor1;
    gpEdit->lColor2 = t.lGripperColor2;
    SetSwatches();
}

// The colour popup of the Properties dialog drops down from the arrow button;
// its system colours keep their flag, so the grippers follow the system.
void ChooseGripperColor(HWND hPage, int lArrow, uint32_t& lColor) {
    const int32_t lChosen = PickColor(GetDlgItem(hPage, lArrow), static_cast<int32_t>(lColor));
    if (lChosen == -2) {
        return;
    }
    lColor = static_cast<uint32_t>(lChosen);
    SetSwatches();
}

INT_PTR CALLBACK GeneralPageProc(HWND hPage, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        gpEdit->hGeneral = hPage;
        FillGeneralPage(hPage);
        return FALSE;
    case WM_CTLCOLORSTATIC:
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_OPT_COLOR1) {
            return reinterpret_cast<INT_PTR>(gpEdit->tSwatch1.Get());
        }
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_OPT_COLOR2) {
            return reinterpret_cast<INT_PTR>(gpEdit->tSwatch2.Get());
        }
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_OPT_TBSMALL:
            CheckDlgButton(hPage, IDC_OPT_TBTEXT, BST_UNCHECKED);
            EnableWindow(GetDlgItem(hPage, IDC_OPT_TBTEXT), FALSE);
            break;
        case IDC_OPT_TBLARGE:
            EnableWindow(GetDlgItem(hPage, IDC_OPT_TBTEXT), TRUE);
            break;
        case IDC_OPT_COLOR1BTN:
            ChooseGripperColor(hPage, IDC_OPT_COLOR1BTN, gpEdit->lColor1);
            break;
        case IDC_OPT_COLOR2BTN:
            ChooseGripperColor(hPage, IDC_OPT_COLOR2BTN, gpEdit->lColor2);
            break;
        case IDC_OPT_WRAPPOS:
            if (HIWORD(wParam) == EN_KILLFOCUS) {
                const int32_t lWrap = WrapFromEdit(hPage);
                if (lWrap < 60 || lWrap > 240) {
                    SetDlgItemTextA(hPage, IDC_OPT_WRAPPOS, lWrap < 60 ? "60" : "240");
                }
            }
            break;
        default:
            break;
        }
        return TRUE;
    default:
        return FALSE;
    }
}

// OK: every value into the record and the file, in the order of the record.
void ApplyOptions(HWND hPage) {
    tOptions t = gtOptions;
    t.lShowGrid = Checked(hPage, IDC_OPT_SHOWGRID);
    t.lGridX = NumberFromList(hPage, IDC_OPT_GRIDX);
    t.lGridY = NumberFromList(hPage, IDC_OPT_GRIDY);
    t.lSnapToGrid = Checked(hPage, IDC_OPT_SNAP);
    t.lTabSizeKVL = NumberFromList(hPage, IDC_OPT_TABKVL);
    t.lTabSizeRC = NumberFromList(hPage, IDC_OPT_TABRC);
    t.byPasteLoc = Checked(hPage, IDC_OPT_PASTECOPIED) ? 1 : 0;
    t.lToolbarSize = Checked(hPage, IDC_OPT_TBLARGE);
    t.lToolbarText = Checked(hPage, IDC_OPT_TBTEXT);
    const bool bToolbar =
        t.lToolbarSize != gtOptions.lToolbarSize || t.lToolbarText != gtOptions.lToolbarText;
    t.lGripperColor1 = gpEdit->lColor1;
    t.lGripperColor2 = gpEdit->lColor2;
    t.lWrapPos = OptionWrapPos(WrapFromEdit(hPage));
    t.lHdrComment = Checked(hPage, IDC_OPT_HDRCOMMENT);
    t.lImportResults = Checked(hPage, IDC_OPT_IMPORTRESULTS);
    gtOptions = t;
    MakeGripperBrushes(gtOptions);
    WriteOptions(gtOptions);
    if (bToolbar) {
        ReportInfo("Changes to the Toolbar will take effect the next time you start Wrenkit.");
    }
    ApplyPrefixPage();
}

void ShowPage(HWND hDlg) {
    const int lPage = static_cast<int>(SendDlgItemMessageA(hDlg, IDC_OPT_TAB, TCM_GETCURSEL, 0, 0));
    ShowWindow(gpEdit->hGeneral, lPage == 0 ? SW_SHOW : SW_HIDE);
    ShowWindow(gpEdit->hPrefixes, lPage == 1 ? SW_SHOW : SW_HIDE);
}

void CreatePages(HWND hDlg) {
    HWND hTab = GetDlgItem(hDlg, IDC_OPT_TAB);
    const char* aszTab[] = {"General", "ID Name Prefixes"};
    for (int i = 0; i < 2; ++i) {
        TCITEMA tItem{};
        tItem.mask = TCIF_TEXT;
        tItem.pszText = const_cast<char*>(aszTab[i]);
        SendMessageA(hTab, TCM_INSERTITEMA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&tItem));
    }
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_OPTIONS_GENERAL), hDlg, GeneralPageProc, 0);
    gpEdit->hPrefixes = CreatePrefixPage(hDlg);
    // The pages fill the tab control's display area, in front of it.
    RECT tArea{};
    GetWindowRect(hTab, &tArea);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&tArea), 2);
    SendMessageA(hTab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&tArea));
    for (HWND hPage : {gpEdit->hGeneral, gpEdit->hPrefixes}) {
        SetWindowPos(hPage, HWND_TOP, tArea.left, tArea.top, tArea.right - tArea.left,
                     tArea.bottom - tArea.top, SWP_NOACTIVATE);
    }
    ShowPage(hDlg);
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages, as in every tabbed dialog. The
// dialog manager would take them for Tab and move the focus instead, so they
// are caught in the dialog's message filter before it sees them.
HWND ghOptionsDlg = nullptr;

LRESULT CALLBACK OptionsMsgFilter(int lCode, WPARAM wParam, LPARAM lParam) {
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (lCode == MSGF_DIALOGBOX && pMsg && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB &&
        GetKeyState(VK_CONTROL) < 0 && ghOptionsDlg &&
        (pMsg->hwnd == ghOptionsDlg || IsChild(ghOptionsDlg, pMsg->hwnd))) {
        HWND hTab = GetDlgItem(ghOptionsDlg, IDC_OPT_TAB);
        const int lCount = static_cast<int>(SendMessageA(hTab, TCM_GETITEMCOUNT, 0, 0));
        if (lCount > 0) {
            const int lStep = GetKeyState(VK_SHIFT) < 0 ? lCount - 1 : 1;
            const int lNow = static_cast<int>(SendMessageA(hTab, TCM_GETCURSEL, 0, 0));
            SendMessageA(hTab, TCM_SETCURSEL, static_cast<WPARAM>((lNow + lStep) % lCount), 0);
            ShowPage(ghOptionsDlg);
            // The focus must not stay on a control of the page now hidden.
            SetFocus(hTab);
        }
        return 1;
    }
    return CallNextHookEx(nullptr, lCode, wParam, lParam);
}

INT_PTR CALLBACK OptionsDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        ghOptionsDlg = hDlg;
        CreatePages(hDlg);
        SetFocus(GetDlgItem(gpEdit->hGeneral, IDC_OPT_SHOWGRID));
        return FALSE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
            ShowPage(hDlg);
        }
        return TRUE;
    case WM_HELP:
        ShowHelp(hDlg, ProgramHelpFile(), "Setup");
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            ApplyOptions(gpEdit->hGeneral);
            EndDialog(hDlg, IDOK);
            break;
        case IDCANCEL:
            EndDialog(hDlg, IDCANCEL);
            break;
        case IDHELP:
            ShowHelp(hDlg, ProgramHelpFile(), "Setup");
            break;
        default:
            break;
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR OptionsCmd(HWND hOwner) {
    tOptionsEdit tEdit;
    gpEdit = &tEdit;
    ShowDesignWindows(SW_HIDE);
    const tHook hFilter(
        SetWindowsHookExA(WH_MSGFILTER, OptionsMsgFilter, nullptr, GetCurrentThreadId()));
    const INT_PTR lResult = DialogBoxParamA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS), hOwner, OptionsDlgProc, 0);
    ghOptionsDlg = nullptr;
    gpEdit = nullptr;
    if (lResult == IDOK) {
        // The grid may have changed: the design dialog paints it afresh.
        if (HWND hDesign =
                reinterpret_cast<HWND>(static_cast<intptr_t>(gatDlg[gtElem.lDlg].hWnd))) {
            RedrawWindow(hDesign, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
    }
    ShowDesignWindows(SW_SHOW);
    return lResult;
}
