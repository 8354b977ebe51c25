// The Version Info Editor with its "Version Add New Block" and "Version File
// Flags" dialogs. Every change goes through the version edits of the model
// the moment it is made, so closing the editor in any way loses nothing.
#include "app/help.h"
#include "app/main_window.h"
#include "app/pending_commands.h"
#include "app/settings/settings.h"
#include "edit/version_edits.h"
#include "editors/editor_ids.h"

#include <cstdio>
#include <string>

namespace {

// U.S. English, Multilingual: the block a project's first version information gets.
constexpr uint32_t kDefaultLangCharset = 0x040904E4;

struct tVersionEditor {
    HWND hDlg = nullptr;
    tVersionOptions tOpt{};
    bool bFilling = false;
};
tVersionEditor* gpVer = nullptr;

HWND Item(int lId) {
    return GetDlgItem(gpVer->hDlg, lId);
}

std::string FieldText(HWND h) {
    std::string s(static_cast<size_t>(GetWindowTextLengthA(h)) + 1, '\0');
    s.resize(static_cast<size_t>(GetWindowTextA(h, s.data(), static_cast<int>(s.size()))));
    return s;
}

void SetField(int lId, const std::string& s) {
    gpVer->bFilling = true;
    SetWindowTextA(Item(lId), s.c_str());
    gpVer->bFilling = false;
}

int Ask(HWND hOwner, const char* szText) {
    return MessageBoxA(hOwner, szText, "Wrenkit", MB_YESNO | MB_ICONQUESTION);
}

bool Format() {
    return gpVer->tOpt.lAutoFormat != 0;
}

int32_t CurrentBlock() {
    HWND hList = Item(IDC_VER_BLOCK);
    const LRESULT lSel = SendMessageA(hList, CB_GETCURSEL, 0, 0);
    return lSel == CB_ERR ? 0 : static_cast<int32_t>(SendMessageA(hList, CB_GETITEMDATA, lSel, 0));
}

std::string CurrentName() {
    HWND hList = Item(IDC_VER_NAMES);
    const LRESULT lSel = SendMessageA(hList, LB_GETCURSEL, 0, 0);
    return lSel == LB_ERR ? std::string() : VersionStringName(static_cast<int32_t>(lSel) + 1);
}

void SelectByText(int lId, const std::string& s) {
    HWND h = Item(lId);
    const LRESULT l = SendMessageA(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(s.c_str()));
    SendMessageA(h, CB_SETCURSEL, l == CB_ERR ? 0 : static_cast<WPARAM>(l), 0);
}

std::string ComboText(int lId) {
    HWND h = Item(lId);
    const LRESULT l = SendMessageA(h, CB_GETCURSEL, 0, 0);
    if (l == CB_ERR) {
        return std::string();
    }
    std::string s(static_cast<size_t>(SendMessageA(h, CB_GETLBTEXTLEN, l, 0)) + 1, '\0');
    s.resize(
        static_cast<size_t>(SendMessageA(h, CB_GETLBTEXT, l, reinterpret_cast<LPARAM>(s.data()))));
    return s;
}

void FillSubtypes() {
    HWND h = Item(IDC_VER_SUBTYPE);
    SendMessageA(h, CB_RESETCONTENT, 0, 0);
    for (int32_t i = 1; i <= VerSubtypeCount(gtVersion.lFileType); ++i) {
        SendMessageA(h, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(VerSubtypeName(gtVersion.lFileType, i).c_str()));
    }
    SelectByText(IDC_VER_SUBTYPE, VerSubtypeText(gtVersion.lFileType, gtVersion.lFileSubtype));
}

void ShowValue() {
    SetField(IDC_VER_VALUE, VersionStringValue(CurrentBlock(), CurrentName()));
}

void ShowFixed() {
    SetField(IDC_VER_FILEVERSION, FileVersionText(false));
    SetField(IDC_VER_PRODVERSION, ProductVersionText(false));
    SetField(IDC_VER_FLAGSMASK, VerFlagsMaskText(gtVersion.lFlagsMask));
    SetField(IDC_VER_FLAGS, VerFlagsText(gtVersion.lFlags));
    SelectByText(IDC_VER_OS, VerOSText(gtVersion.lFileOS));
    SelectByText(IDC_VER_TYPE, VerTypeText(gtVersion.lFileType));
    FillSubtypes();
}

void FillBlocks(int32_t lSelect) {
    HWND h = Item(IDC_VER_BLOCK);
    SendMessageA(h, CB_RESETCONTENT, 0, 0);
    for (int32_t l = 1; l <= VersionBlockCount(); ++l) {
        const std::string s = VersionBlockHeader(VersionBlockLangCharset(l));
        const LRESULT lAt = SendMessageA(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
        SendMessageA(h, CB_SETITEMDATA, static_cast<WPARAM>(lAt), l);
        if (l == lSelect) {
            SendMessageA(h, CB_SETCURSEL, static_cast<WPARAM>(lAt), 0);
        }
    }
    const bool bAny = VersionBlockCount() > 0;
    for (int lId : {IDC_VER_DELBLOCK, IDC_VER_NAMES, IDC_VER_VALUE}) {
        EnableWindow(Item(lId), bAny);
    }
    ShowValue();
}

// The version boxes' texts back into the numbers; a text that is no version
// is put back as it was.
void ApplyVersionBoxes() {
    const bool bFile = VerEditSetFileVersion(FieldText(Item(IDC_VER_FILEVERSION)));
    const bool bProd = VerEditSetProductVersion(FieldText(Item(IDC_VER_PRODVERSION)));
    if (!bFile || !bProd) {
        MessageBeep(MB_ICONEXCLAMATION);
    }
    if (gpVer->tOpt.lAutoUpdate && VersionBlockCount() > 0) {
        VerEditUpdateStrings(Format());
    }
    SetField(IDC_VER_FILEVERSION, FileVersionText(false));
    SetField(IDC_VER_PRODVERSION, ProductVersionText(false));
    ShowValue();
}

// ---- Version File Flags -------------------------------------------------------

constexpr struct {
    int lId;
    uint32_t lBit;
} kFlagBoxes[] = {
    {IDC_VFF_PATCHED, wkVsFfPatched},
    {IDC_VFF_PRERELEASE, wkVsFfPrerelease},
    {IDC_VFF_PRIVATE, wkVsFfPrivateBuild},
    {IDC_VFF_SPECIAL, wkVsFfSpecialBuild},
};

INT_PTR CALLBACK FlagsProc(HWND hDlg, UINT lMsg, WPARAM wParam, LPARAM) {
    if (lMsg == WM_INITDIALOG) {
        for (const auto& t : kFlagBoxes) {
            CheckDlgButton(hDlg, t.lId, (gtVersion.lFlags & t.lBit) ? BST_CHECKED : BST_UNCHECKED);
        }
        return TRUE;
    }
    if (lMsg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        if (LOWORD(wParam) == IDOK) {
            uint32_t lFlags = 0;
            for (const auto& t : kFlagBoxes) {
                lFlags |= IsDlgButtonChecked(hDlg, t.lId) == BST_CHECKED ? t.lBit : 0;
            }
            VerEditSetFlags(lFlags);
        }
        EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// ---- Version Add New Block ------------------------------------------------------

uint32_t glNewLangCharset = 0;

uint32_t ChosenLangCharset(HWND hDlg) {
    const LRESULT lLang = SendDlgItemMessageA(hDlg, IDC_VBL_LANGUAGE, LB_GETCURSEL, 0, 0);
    const LRESULT lPage = SendDlgItemMessageA(hDlg, IDC_VBL_CHARSET, LB_GETCURSEL, 0, 0);
    return (VerLanguageId(static_cast<int32_t>(lLang) + 1) << 16) |
           VerCodePageId(static_cast<int32_t>(lPage) + 1);
}

void ShowChosenHeader(HWND hDlg) {
    char sz[16];
    std::snprintf(sz, sizeof sz, "0x%08X", ChosenLangCharset(hDlg));
    SetDlgItemTextA(hDlg, IDC_VBL_HEADER, sz);
}

INT_PTR CALLBACK AddBlockProc(HWND hDlg, UINT lMsg, WPARAM wParam, LPARAM) {
    switch (lMsg) {
    case WM_INITDIALOG: {
        const struct {
            int lId;
            int32_t (*pfnCount)();
            std::string (*pfnItem)(int32_t);
            uint32_t (*pfnId)(int32_t);
            uint32_t lDefault;
        } atList[] = {
            {IDC_VBL_LANGUAGE, VerLanguageCount, VerLanguageItem, VerLanguageId,
             kDefaultLangCharset >> 16},
            {IDC_VBL_CHARSET, VerCodePageCount, VerCodePageItem, VerCodePageId,
             kDefaultLangCharset & 0xFFFF},
        };
        for (const auto& t : atList) {
            for (int32_t i = 1; i <= t.pfnCount(); ++i) {
                SendDlgItemMessageA(hDlg, t.lId, LB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(t.pfnItem(i).c_str()));
                if (t.pfnId(i) == t.lDefault) {
                    SendDlgItemMessageA(hDlg, t.lId, LB_SETCURSEL, static_cast<WPARAM>(i - 1), 0);
                }
            }
        }
        ShowChosenHeader(hDlg);
        return TRUE;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == LBN_SELCHANGE) {
            ShowChosenHeader(hDlg);
        } else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            glNewLangCharset = ChosenLangCharset(hDlg);
            EndDialog(hDlg, LOWORD(wParam));
        }
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- The editor -------------------------------------------------------------------

void AddBlockCmd() {
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_VERSIONBLOCK), gpVer->hDlg,
                        AddBlockProc, 0) != IDOK) {
        return;
    }
    const int32_t lBlock = VerEditAddBlock(glNewLangCharset, Format());
    ShowFixed();
    FillBlocks(lBlock);
}

void DeleteBlockCmd() {
    const int32_t lBlock = CurrentBlock();
    if (lBlock == 0 ||
        Ask(gpVer->hDlg, "Are you sure you want to delete the current block?") != IDYES) {
        return;
    }
    if (VersionBlockCount() == 1 &&
        Ask(gpVer->hDlg, "Deleting the last block will clear the Version Info.\r\r"
                         "Are you sure you want to do this?") != IDYES) {
        return;
    }
    VerEditDeleteBlock(lBlock);
    FillBlocks(1);
}

void AutoUpdateClicked() {
    if (IsDlgButtonChecked(gpVer->hDlg, IDC_VER_AUTOUPDATE) != BST_CHECKED) {
        gpVer->tOpt.lAutoUpdate = 0;
        return;
    }
    if (VersionStringsDiffer(Format()) &&
        Ask(gpVer->hDlg, "Selecting the 'Auto Update Version Strings' option will automatically\r"
                         "change the 'FileVersion' and 'ProductVersion' strings.\r\r"
                         "Do you want to continue?") != IDYES) {
        CheckDlgButton(gpVer->hDlg, IDC_VER_AUTOUPDATE, BST_UNCHECKED);
        return;
    }
    gpVer->tOpt.lAutoUpdate = 1;
    VerEditUpdateStrings(Format());
    ShowValue();
}

void ValueChanged() {
    const std::string sName = CurrentName();
    const int32_t lBlock = CurrentBlock();
    if (gpVer->tOpt.lAutoUpdate && (sName == "FileVersion" || sName == "ProductVersion")) {
        if (Ask(gpVer->hDlg, "Changing a Version string will automatically deselect\r"
                             "the 'Auto Update Version Strings' option.\r\r"
                             "Do you want to continue?") != IDYES) {
            ShowValue();
            return;
        }
        gpVer->tOpt.lAutoUpdate = 0;
        CheckDlgButton(gpVer->hDlg, IDC_VER_AUTOUPDATE, BST_UNCHECKED);
    }
    VerEditSetString(lBlock, sName, FieldText(Item(IDC_VER_VALUE)));
}

void Increment(int lId) {
    ApplyVersionBoxes();
    const auto lWhich = static_cast<VerIncrement>(gpVer->tOpt.lIncrement);
    VerEditIncrement(static_cast<VerPart>(lId - IDC_VER_MAJOR), lWhich,
                     gpVer->tOpt.lAutoUpdate != 0, Format());
    ShowFixed();
    ShowValue();
}

void OnCommand(int lId, int lCode) {
    switch (lId) {
    case IDC_VER_FILEVERSION:
    case IDC_VER_PRODVERSION:
        if (lCode == EN_KILLFOCUS) {
            ApplyVersionBoxes();
        }
        return;
    case IDC_VER_FLAGSBTN:
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_VERSIONFLAGS), gpVer->hDlg,
                        FlagsProc, 0);
        SetField(IDC_VER_FLAGS, VerFlagsText(gtVersion.lFlags));
        return;
    case IDC_VER_OS:
    case IDC_VER_TYPE:
    case IDC_VER_SUBTYPE:
        if (lCode == CBN_SELCHANGE) {
            const std::string s = ComboText(lId);
            if (lId == IDC_VER_OS) {
                VerEditSetOS(s);
            } else if (lId == IDC_VER_TYPE) {
                VerEditSetType(s);
                FillSubtypes();
            } else {
                VerEditSetSubtype(s);
            }
        }
        return;
    case IDC_VER_BLOCK:
        if (lCode == CBN_SELCHANGE) {
            ShowValue();
        }
        return;
    case IDC_VER_NAMES:
        if (lCode == LBN_SELCHANGE) {
            ShowValue();
        }
        return;
    case IDC_VER_VALUE:
        // A multi-line box does not report text set from outside as a
        // change, so the value is taken when the box is left as well.
        if ((lCode == EN_CHANGE || lCode == EN_KILLFOCUS) && !gpVer->bFilling &&
            FieldText(Item(IDC_VER_VALUE)) != VersionStringValue(CurrentBlock(), CurrentName())) {
            ValueChanged();
        }
        return;
    case IDC_VER_ADDBLOCK:
        AddBlockCmd();
        return;
    case IDC_VER_DELBLOCK:
        DeleteBlockCmd();
        return;
    case IDC_VER_INCBOTH:
    case IDC_VER_INCFILE:
    case IDC_VER_INCPROD:
        gpVer->tOpt.lIncrement = lId - IDC_VER_INCBOTH;
        return;
    case IDC_VER_MAJOR:
    case IDC_VER_MINOR:
    case IDC_VER_THIRD:
    case IDC_VER_BUILD:
        Increment(lId);
        return;
    case IDC_VER_AUTOUPDATE:
        AutoUpdateClicked();
        return;
    case IDC_VER_AUTOFORMAT:
        gpVer->tOpt.lAutoFormat =
            IsDlgButtonChecked(gpVer->hDlg, IDC_VER_AUTOFORMAT) == BST_CHECKED;
        return;
    case IDC_VER_CLOSE:
    case IDCANCEL:
        ApplyVersionBoxes();
        EndDialog(gpVer->hDlg, 0);
        return;
    default:
        return;
    }
}

void InitEditor(HWND hDlg) {
    gpVer->hDlg = hDlg;
    gpVer->tOpt = ReadVersionOptions();
    VerEditEnsure(kDefaultLangCharset, Format());
    const struct {
        int lId;
        int32_t lCount;
        std::string (*pfnName)(int32_t);
    } atList[] = {
        {IDC_VER_OS, VerOSCount(), VerOSName},
        {IDC_VER_TYPE, VerTypeCount(), VerTypeName},
    };
    for (const auto& t : atList) {
        for (int32_t i = 1; i <= t.lCount; ++i) {
            SendDlgItemMessageA(hDlg, t.lId, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(t.pfnName(i).c_str()));
        }
    }
    for (int32_t i = 1; i <= kVerStringsPerBlock; ++i) {
        SendDlgItemMessageA(hDlg, IDC_VER_NAMES, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(VersionStringName(i).c_str()));
    }
    SendDlgItemMessageA(hDlg, IDC_VER_NAMES, LB_SETCURSEL, 0, 0);
    CheckRadioButton(hDlg, IDC_VER_INCBOTH, IDC_VER_INCPROD,
                     IDC_VER_INCBOTH + gpVer->tOpt.lIncrement);
    CheckDlgButton(hDlg, IDC_VER_AUTOUPDATE, gpVer->tOpt.lAutoUpdate ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hDlg, IDC_VER_AUTOFORMAT, gpVer->tOpt.lAutoFormat ? BST_CHECKED : BST_UNCHECKED);
    ShowFixed();
    FillBlocks(1);
}

INT_PTR CALLBACK VersionEditorProc(HWND hDlg, UINT lMsg, WPARAM wParam, LPARAM) {
    switch (lMsg) {
    case WM_INITDIALOG:
        InitEditor(hDlg);
        return TRUE;
    case WM_COMMAND:
        if (gpVer && gpVer->hDlg) {
            OnCommand(LOWORD(wParam), HIWORD(wParam));
        }
        return TRUE;
    case WM_HELP:
        ShowHelp(hDlg, ProgramHelpFile(), "Version Info Editor");
        return TRUE;
    case WM_CLOSE:
        OnCommand(IDCANCEL, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void VersionEditorCmd(HWND hOwner) {
    if (gpVer) {
        return;
    }
    tVersionEditor tEditor;
    gpVer = &tEditor;
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_VERSIONEDITOR), hOwner,
                    VersionEditorProc, 0);
    WriteVersionOptions(tEditor.tOpt);
    gpVer = nullptr;
    UpdateCommands();
}
