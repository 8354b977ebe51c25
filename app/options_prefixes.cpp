// The ID Name Prefixes page of the Options dialog and its prefix editor.
#include "app/help.h"
#include "app/options_dialog.h"
#include "app/settings/settings.h"
#include "model/id_names.h"
#include "resources/resource_ids.h"
#include "styles/control_kinds.h"

#include <commctrl.h>

#include <array>

namespace {

constexpr int kPrefixCount = tIDPrefixTable::lLast - tIDPrefixTable::lFirst + 1;

HWND ghPrefixList = nullptr;
std::array<std::string, kPrefixCount> gasEditPrefix; // the rows, written back only on OK
std::string gsEditText;                              // the prefix editor's text

void SetRowText(int lRow) {
    LVITEMA tItem{};
    tItem.iSubItem = 0;
    tItem.pszText = gasEditPrefix[static_cast<size_t>(lRow)].data();
    SendMessageA(ghPrefixList, LVM_SETITEMTEXTA, static_cast<WPARAM>(lRow),
                 reinterpret_cast<LPARAM>(&tItem));
}

void EditChosenRow(HWND hPage) {
    const int lRow = static_cast<int>(
        SendMessageA(ghPrefixList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (lRow < 0 || lRow >= kPrefixCount) {
        return;
    }
    const std::string sNew = EditPrefix(hPage, gasEditPrefix[static_cast<size_t>(lRow)]);
    if (!sNew.empty()) {
        gasEditPrefix[static_cast<size_t>(lRow)] = sNew;
        SetRowText(lRow);
    }
}

void FillPrefixList(HWND hPage) {
    ghPrefixList = GetDlgItem(hPage, IDC_PREFIX_LIST);
    SendMessageA(ghPrefixList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                 LVS_EX_FULLROWSELECT);
    RECT tRect{};
    GetClientRect(ghPrefixList, &tRect);
    const int cxPrefix = (tRect.right - tRect.left) * 2 / 5;
    const char* aszColumn[] = {"Prefix", "Type"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNA tCol{};
        tCol.mask = LVCF_TEXT | LVCF_WIDTH;
        tCol.pszText = const_cast<char*>(aszColumn[i]);
        tCol.cx = i == 0 ? cxPrefix
                         : tRect.right - tRect.left - cxPrefix - GetSystemMetrics(SM_CXVSCROLL);
        SendMessageA(ghPrefixList, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&tCol));
    }
    for (int lRow = 0; lRow < kPrefixCount; ++lRow) {
        const int lIndex = lRow + tIDPrefixTable::lFirst;
        gasEditPrefix[static_cast<size_t>(lRow)] = gasIDPrefix[lIndex];
        LVITEMA tItem{};
        tItem.mask = LVIF_TEXT;
        tItem.iItem = lRow;
        tItem.pszText = gasEditPrefix[static_cast<size_t>(lRow)].data();
        SendMessageA(ghPrefixList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tItem));
        std::string sType = PrefixTypeText(lIndex);
        tItem.iSubItem = 1;
        tItem.pszText = sType.data();
        SendMessageA(ghPrefixList, LVM_SETITEMTEXTA, static_cast<WPARAM>(lRow),
                     reinterpret_cast<LPARAM>(&tItem));
    }
    LVITEMA tSel{};
    tSel.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    tSel.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(ghPrefixList, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&tSel));
}

INT_PTR CALLBACK PrefixPageProc(HWND hPage, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        FillPrefixList(hPage);
        return FALSE;
    case WM_NOTIFY: {
        const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (pHdr->idFrom == IDC_PREFIX_LIST &&
            (pHdr->code == NM_DBLCLK ||
             (pHdr->code == LVN_KEYDOWN &&
              reinterpret_cast<const NMLVKEYDOWN*>(pHdr)->wVKey == VK_RETURN))) {
            EditChosenRow(hPage);
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PREFIX_CHANGE) {
            EditChosenRow(hPage);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK PrefixEditProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM) {
    switch (uMsg) {
    case WM_INITDIALOG:
        SetDlgItemTextA(hDlg, IDC_PREFIX_TEXT, gsEditText.c_str());
        SendDlgItemMessageA(hDlg, IDC_PREFIX_TEXT, EM_LIMITTEXT, 32, 0);
        return TRUE;
    case WM_HELP:
        ShowHelp(hDlg, ProgramHelpFile(), "Wrenkit Setup");
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {
            char szText[64] = "";
            GetDlgItemTextA(hDlg, IDC_PREFIX_TEXT, szText, sizeof(szText));
            gsEditText = IDNameFromText(szText);
            EndDialog(hDlg, IDOK);
            break;
        }
        case IDCANCEL:
            EndDialog(hDlg, IDCANCEL);
            break;
        case IDHELP:
            ShowHelp(hDlg, ProgramHelpFile(), "Wrenkit Setup");
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

std::string PrefixTypeText(int lIndex) {
    switch (lIndex) {
    case -2:
        return "Other Resource";
    case -1:
        return "Menu Item";
    case 0:
        return "Dialog";
    default:
        return "Control - " + CtlTypeToolName(lIndex);
    }
}

std::string EditPrefix(HWND hOwner, const std::string& sPrefix) {
    gsEditText = sPrefix;
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PREFIX_EDIT), hOwner,
                        PrefixEditProc, 0) != IDOK) {
        return std::string();
    }
    return gsEditText;
}

HWND CreatePrefixPage(HWND hDlg) {
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS_PREFIXES),
                              hDlg, PrefixPageProc, 0);
}

void ApplyPrefixPage() {
    for (int lRow = 0; lRow < kPrefixCount; ++lRow) {
        SetIDPrefix(lRow + tIDPrefixTable::lFirst, gasEditPrefix[static_cast<size_t>(lRow)]);
    }
    WriteIDPrefixes();
}
