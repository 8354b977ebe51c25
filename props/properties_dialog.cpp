// The Properties dialog's frame: the tab control and its pages, OK, Cancel
// and Apply, the remembered tab and position, and what the rest of the
// program sees while it is open.
#include "props/properties_dialog.h"

#include "app/file_commands.h"
#include "app/help.h"
#include "app/main_window.h"
#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "designer/design_undo.h"
#include "designer/designer.h"
#include "model/project.h"
#include "props/props_ids.h"
#include "props/props_state.h"
#include "props/rules/favorites.h"
#include "resources/resource_ids.h"
#include "styles/control_kinds.h"

#include <commctrl.h>

#include <filesystem>
#include <memory>

tProps* gpProps = nullptr;

namespace {

std::unique_ptr<tProps> gpOwned;
int32_t glPropsTab = 0; // the tab shown last, for the next opening
HACCEL ghPropsAccel = nullptr;

const char* const kTabs[3] = {"General", "Styles", "Position && Size"};

void ShowTab(int lTab) {
    for (int i = 0; i < 3; ++i) {
        ShowWindow(gpProps->ahPage[i], i == lTab ? SW_SHOW : SW_HIDE);
    }
    glPropsTab = lTab;
}

void StepTab(int lStep) {
    const int lTab = (glPropsTab + lStep + 3) % 3;
    TabCtrl_SetCurSel(gpProps->hTab, lTab);
    ShowTab(lTab);
}

bool FileThere(const std::string& sFile) {
    std::error_code e;
    return std::filesystem::exists(std::filesystem::u8path(sFile), e);
}

// The page control a refusal puts the focus on.
HWND FieldWindow(int32_t lField) {
    switch (lField) {
    case wkFieldIDName:
        return GetDlgItem(gpProps->ahPage[0], IDC_PROP_IDNAME);
    case wkFieldIDValue:
        return GetDlgItem(gpProps->ahPage[0], IDC_PROP_IDVALUE);
    case wkFieldCaption:
        return GetDlgItem(gpProps->ahPage[0], IDC_PROP_CAPTION);
    case wkFieldTabOrder:
        return GetDlgItem(gpProps->ahPage[0], IDC_PROP_TABORDER);
    case wkFieldPosition:
        return GetDlgItem(gpProps->ahPage[2], IDC_PROP_LEFT);
    default:
        return nullptr;
    }
}

void CloseProperties() {
    HWND hDlg = gpProps->hDlg;
    RECT r{};
    GetWindowRect(hDlg, &r);
    SaveWindowPos(wkPosPropertiesDlg, tWinRect{r.left, r.top, r.right, r.bottom});
    if (ghWndMain) {
        EnableWindow(ghWndMain, TRUE);
    }
    DestroyWindow(hDlg);
    gpProps = nullptr;
    gpOwned.reset();
    if (gpfnSetToolboxAllowed) {
        gpfnSetToolboxAllowed(1);
    }
    // Back to the design dialog the element lives on: activating the main
    // window instead left that dialog behind it.
    if (HWND hBack = DesignDialogWindow() ? DesignDialogWindow() : ghWndMain) {
        SetActiveWindow(hBack);
    }
    UpdateCommands();
}

// F1 or the "?" button: a style list opens the compiler's help at the kind's
// topic (the common controls' kinds use the IDE's secondary help file when it
// names one); anything else the program's own help on this dialog.
void ShowPropertiesHelp(const HELPINFO* p) {
    const int lId = p->iContextType == HELPINFO_WINDOW ? p->iCtrlId : 0;
    if (lId != IDC_PROP_STYLELIST && lId != IDC_PROP_EXSTYLELIST && lId != IDC_PROP_CHOSEN) {
        ShowHelp(gpProps->hDlg, ProgramHelpFile(), "Dialog:Dialog and control properties");
        return;
    }
    const int32_t lKind = gpProps->lKind;
    std::string sFile;
    if (lKind >= 17 && lKind <= 25) {
        sFile = ProfileGetString(ProgramFolder() + "KVWIN.INI", "Editor", "SecondaryHelp", "",
                                 MAX_PATH);
    }
    ShowHelp(gpProps->hDlg, sFile.empty() ? ProgramFolder() + "KVWIN.HLP" : sFile,
             CtlTypeHelpTopic(lKind));
}

std::string TitleOf(int32_t lKind) {
    return lKind == wkCtlDialog ? "Dialog Properties" : CtlTypeToolName(lKind) + " Properties";
}

INT_PTR CALLBACK PropertiesProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_NOTIFY:
        if (gpProps && gpProps->hTab) {
            // The page follows the tab the user chose.
            ShowTab(TabCtrl_GetCurSel(gpProps->hTab));
        }
        return TRUE;
    case WM_COMMAND:
        if (!gpProps) {
            return FALSE;
        }
        switch (LOWORD(wParam)) {
        case IDOK:
            if (ApplyProperties()) {
                CloseProperties();
            }
            return TRUE;
        case IDCANCEL:
            CloseProperties();
            return TRUE;
        case IDC_PROP_APPLY:
            ApplyProperties();
            return TRUE;
        case IDM_PROP_NEXTTAB:
            StepTab(1);
            return TRUE;
        case IDM_PROP_PREVTAB:
            StepTab(-1);
            return TRUE;
        case IDM_FAV_DEFAULT:
        case IDM_FAV_CREATE:
        case IDM_FAV_UPDATE:
        case IDM_FAV_RENAME:
        case IDM_FAV_DELETE:
            // The favourites menu works on the family of the page shown.
            if (lParam == 0 && glPropsTab != 0) {
                FavoriteCommand(glPropsTab == 1 ? wkFavStyles : wkFavSizes, LOWORD(wParam));
            }
            return TRUE;
        default:
            return FALSE;
        }
    case WM_CLOSE:
        if (gpProps) {
            CloseProperties();
        }
        return TRUE;
    case WM_HELP:
        if (gpProps) {
            ShowPropertiesHelp(reinterpret_cast<const HELPINFO*>(lParam));
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void PropsChanged() {
    if (!gpProps || gpProps->lFilling) {
        return;
    }
    EnableWindow(GetDlgItem(gpProps->hDlg, IDC_PROP_APPLY), TRUE);
}

void SetDescription(const std::string& s) {
    if (gpProps) {
        SetDlgItemTextA(gpProps->hDlg, IDC_PROP_DESCRIPTION, s.c_str());
    }
}

HWND PropertiesWindow() {
    return gpProps ? gpProps->hDlg : nullptr;
}

HWND ShowPropertiesDialog(HWND hwndOwner) {
    if (gpProps) {
        SetForegroundWindow(gpProps->hDlg);
        return nullptr;
    }
    const int32_t lElem = gtElem.lCtl;
    if (!gatDlg.Live(lElem)) {
        return nullptr;
    }
    gpOwned = std::make_unique<tProps>();
    gpProps = gpOwned.get();
    gpProps->lElem = lElem;
    gpProps->lKind = gatDlg[lElem].lCtlType;
    gpProps->tEdit = PropEditFromRow(lElem);
    gpProps->lFilling = 1;
    const HINSTANCE hInst = GetModuleHandleA(nullptr);
    HWND hDlg =
        CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_PROPERTIES), hwndOwner, PropertiesProc, 0);
    if (!hDlg) {
        gpProps = nullptr;
        gpOwned.reset();
        return nullptr;
    }
    if (!ghPropsAccel) {
        ghPropsAccel = LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(IDA_PROPERTIES));
    }
    gpProps->hDlg = hDlg;
    SetWindowTextA(hDlg, TitleOf(gpProps->lKind).c_str());
    gpProps->hTab = GetDlgItem(hDlg, IDC_PROP_TAB);
    for (int i = 0; i < 3; ++i) {
        TCITEMA tItem{};
        tItem.mask = TCIF_TEXT;
        tItem.pszText = const_cast<char*>(kTabs[i]);
        TabCtrl_InsertItem(gpProps->hTab, i, &tItem);
    }
    const int alTemplate[3] = {IDD_PROPS_GENERAL, IDD_PROPS_STYLES, IDD_PROPS_POSITION};
    const DLGPROC apfnPage[3] = {GeneralPageProc, StylesPageProc, PositionPageProc};
    for (int i = 0; i < 3; ++i) {
        gpProps->ahPage[i] =
            CreateDialogParamA(hInst, MAKEINTRESOURCEA(alTemplate[i]), hDlg, apfnPage[i], 0);
        // The pages stand inside the tab control: General one unit lower.
        RECT r{10, i == 0 ? 23 : 22, 0, 0};
        MapDialogRect(hDlg, &r);
        SetWindowPos(gpProps->ahPage[i], HWND_TOP, r.left, r.top, 0, 0, SWP_NOSIZE);
    }
    FillGeneralPage();
    FillStylesPage();
    FillPositionPage();
    TabCtrl_SetCurSel(gpProps->hTab, glPropsTab);
    ShowTab(glPropsTab);

    const tWinPlacement tPlace = ReadWindowPos(wkPosPropertiesDlg, ScreenSizeNow());
    if (tPlace.lMove) {
        SetWindowPos(hDlg, nullptr, tPlace.lLeft, tPlace.lTop, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    gpProps->lFilling = 0;
    // The toolbox stays hidden while the dialog is open.
    if (gpfnSetToolboxAllowed) {
        gpfnSetToolboxAllowed(0);
    }
    if (ghWndMain) {
        EnableWindow(ghWndMain, FALSE);
    }
    ShowWindow(hDlg, SW_SHOW);
    SetFocus(GetDlgItem(gpProps->ahPage[0], IDC_PROP_CAPTION));
    return hDlg;
}

int32_t ApplyProperties() {
    if (!gpProps) {
        return 0;
    }
    HWND hFocus = GetFocus();
    tPropEdit t = gpProps->tEdit;
    ReadGeneralPage(t);
    ReadPositionPage(t);
    const tPropCheck r = CheckProperties(gpProps->lElem, t, FileThere);
    gpProps->lFilling = 1;
    if (r.lNameFixed) {
        SetDlgItemTextA(gpProps->ahPage[0], IDC_PROP_IDNAME, t.sIDName.c_str());
    }
    if (r.lValueFixed) {
        SetDlgItemTextA(gpProps->ahPage[0], IDC_PROP_IDVALUE, t.sIDValue.c_str());
    }
    gpProps->lFilling = 0;
    if (r.lField != wkFieldNone || !r.sMessage.empty()) {
        MessageBoxA(gpProps->hDlg, r.sMessage.c_str(), "Wrenkit",
                    MB_OK | (r.lInfoIcon ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
        if (HWND h = FieldWindow(r.lField)) {
            ShowTab(r.lField == wkFieldPosition ? 2 : 0);
            TabCtrl_SetCurSel(gpProps->hTab, glPropsTab);
            SetFocus(h);
        }
        return 0;
    }
    const tDlg tBefore = gatDlg[gpProps->lElem];
    {
        // One Apply is one step of the undo history, whatever it wrote.
        const DesignStep tStep("Properties");
        const int32_t lRemake = WriteProperties(gpProps->lElem, t);
        const tDlg& tAfter = gatDlg[gpProps->lElem];
        const int32_t lMoved = tBefore.nLeft != tAfter.nLeft || tBefore.nTop != tAfter.nTop ||
                               tBefore.nRight != tAfter.nRight || tBefore.nBottom != tAfter.nBottom;
        RefreshDesignElement(gpProps->lElem, lRemake, tBefore.lCtlOrder != tAfter.lCtlOrder,
                             lMoved);
    }

    // The working copy starts again from what the row now holds.
    gpProps->tEdit = PropEditFromRow(gpProps->lElem);
    gpProps->lFilling = 1;
    FillStylesPage();
    FillPositionPage(); // a picture may have been fitted to its size
    gpProps->lFilling = 0;
    HWND hDlg = gpProps->hDlg;
    HWND hApply = GetDlgItem(hDlg, IDC_PROP_APPLY);
    SendMessageA(hApply, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    SendMessageA(hDlg, DM_SETDEFID, IDOK, 0);
    EnableWindow(hApply, FALSE);
    if (hFocus && IsWindow(hFocus) && hFocus != hApply) {
        SetFocus(hFocus);
    } else {
        SetFocus(GetDlgItem(hDlg, IDOK));
    }
    UpdateCommands();
    return 1;
}

int32_t IsPropertiesMessage(MSG* pMsg) {
    if (!gpProps || !pMsg) {
        return 0;
    }
    HWND hDlg = gpProps->hDlg;
    if (pMsg->hwnd != hDlg && !IsChild(hDlg, pMsg->hwnd)) {
        return 0;
    }
    if (ghPropsAccel && TranslateAcceleratorA(hDlg, ghPropsAccel, pMsg)) {
        return 1;
    }
    return IsDialogMessageA(hDlg, pMsg) ? 1 : 0;
}
