#include "app/about_box.h"

#include "app/file_commands.h"
#include "resources/resource_ids.h"

#include <vector>

std::string ProgramVersionString(const std::string& sName) {
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szPath, sizeof(szPath));
    DWORD lHandle = 0;
    const DWORD lSize = GetFileVersionInfoSizeA(szPath, &lHandle);
    if (lSize == 0) {
        return std::string();
    }
    std::vector<char> acInfo(lSize);
    if (!GetFileVersionInfoA(szPath, 0, lSize, acInfo.data())) {
        return std::string();
    }
    const std::string sKey = "\\StringFileInfo\\040904B0\\" + sName;
    char* pValue = nullptr;
    UINT lLen = 0;
    if (!VerQueryValueA(acInfo.data(), sKey.c_str(), reinterpret_cast<void**>(&pValue), &lLen) ||
        !pValue) {
        return std::string();
    }
    return std::string(pValue);
}

namespace {

INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM) {
    switch (uMsg) {
    case WM_INITDIALOG: {
        const std::string sProduct = ProgramVersionString("ProductName");
        SetWindowTextA(hDlg, ("About " + sProduct).c_str());
        SetDlgItemTextA(hDlg, IDC_ABOUT_PRODUCT, sProduct.c_str());
        SetDlgItemTextA(hDlg, IDC_ABOUT_DESCRIPTION,
                        ProgramVersionString("FileDescription").c_str());
        SetDlgItemTextA(hDlg, IDC_ABOUT_LEGAL, ProgramVersionString("LegalCopyright").c_str());
        SetDlgItemTextA(hDlg, IDC_ABOUT_VERSION,
                        ("Version " + ProgramVersionString("ProductVersion")).c_str());
        SetDlgItemTextA(hDlg, IDC_ABOUT_SPECIAL, ProgramVersionString("SpecialBuild").c_str());
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, IDOK);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void AboutCmd(HWND hOwner) {
    ShowDesignWindows(SW_HIDE);
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), hOwner, AboutDlgProc,
                    0);
    ShowDesignWindows(SW_SHOW);
}
