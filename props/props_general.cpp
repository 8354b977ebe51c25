// The General and Position && Size pages: caption or file name, class, ID,
// tab order, font and colours; the rectangle in dialog units and pixels.
#include "designer/designer.h"
#include "model/design_geometry.h"
#include "model/fonts.h"
#include "model/id_names.h"
#include "model/project.h"
#include "props/properties_dialog.h"
#include "props/props_ids.h"
#include "props/props_state.h"
#include "props/rules/favorites.h"
#include "styles/control_kinds.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstring>
#include <string>

namespace {

std::string ItemText(HWND hPage, int lId) {
    HWND h = GetDlgItem(hPage, lId);
    const int lLen = GetWindowTextLengthA(h);
    std::string s(static_cast<size_t>(lLen) + 1, '\0');
    GetWindowTextA(h, s.data(), lLen + 1);
    s.resize(static_cast<size_t>(lLen));
    return s;
}

void SetItemText(HWND hPage, int lId, const std::string& s) {
    SetDlgItemTextA(hPage, lId, s.c_str());
}

COLORREF ShownColor(int32_t lColor, int lSysDefault) {
    if (lColor == -1) {
        return GetSysColor(lSysDefault);
    }
    if (lColor & static_cast<int32_t>(0x80000000u)) {
        return GetSysColor(lColor & 0xFF);
    }
    return static_cast<COLORREF>(lColor);
}

void SetSwatches() {
    const tPropEdit& t = gpProps->tEdit;
    gpProps->tForeBrush.Reset(CreateSolidBrush(ShownColor(t.lForeClr, COLOR_WINDOWTEXT)));
    gpProps->tBackBrush.Reset(CreateSolidBrush(ShownColor(t.lBackClr, COLOR_BTNFACE)));
    HWND hPage = gpProps->ahPage[0];
    CheckDlgButton(hPage, IDC_PROP_FORESYS, t.lForeClr == -1 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hPage, IDC_PROP_BACKSYS, t.lBackClr == -1 ? BST_CHECKED : BST_UNCHECKED);
    InvalidateRect(GetDlgItem(hPage, IDC_PROP_FORE), nullptr, TRUE);
    InvalidateRect(GetDlgItem(hPage, IDC_PROP_BACK), nullptr, TRUE);
}

void ShowFont() {
    const tLogFont& f = gpProps->tEdit.tFont;
    SetItemText(gpProps->ahPage[0], IDC_PROP_FONTNAME, f.szFaceName.str());
    SetItemText(gpProps->ahPage[0], IDC_PROP_FONTSIZE, FontSizeLine(f));
}

// The ID Name box: a text box for the dialog, a combo box of every ID name for a control.
void FillIDName(HWND hPage) {
    HWND hCombo = GetDlgItem(hPage, IDC_PROP_IDNAME);
    if (gpProps->lKind == wkCtlDialog) {
        RECT r{};
        GetWindowRect(hCombo, &r);
        MapWindowPoints(nullptr, hPage, reinterpret_cast<POINT*>(&r), 2);
        RECT rEdit{60, 20, 150, 12};
        MapDialogRect(hPage, &rEdit);
        HWND hEdit = CreateWindowExA(
            WS_EX_CLIENTEDGE, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
            r.left, r.top, rEdit.right, rEdit.bottom, hPage,
            reinterpret_cast<HMENU>(IDC_PROP_IDNAME), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(hEdit, WM_SETFONT, SendMessageA(hPage, WM_GETFONT, 0, 0), 0);
        SetWindowPos(hEdit, hCombo, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        DestroyWindow(hCombo);
        SendMessageA(hEdit, EM_LIMITTEXT, 32, 0);
        SetWindowTextA(hEdit, gpProps->tEdit.sIDName.c_str());
        return;
    }
    for (const auto& [sName, lID] : gpProps->tEdit.atIDList) {
        const LRESULT lIndex =
            SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(sName.c_str()));
        SendMessageA(hCombo, CB_SETITEMDATA, static_cast<WPARAM>(lIndex), lID);
    }
    SendMessageA(hCombo, CB_LIMITTEXT, 32, 0);
    SetWindowTextA(hCombo, gpProps->tEdit.sIDName.c_str());
}

void ShowIDConflict() {
    HWND hPage = gpProps->ahPage[0];
    SetDescription(IDValueConflict(gpProps->lElem, ItemText(hPage, IDC_PROP_IDNAME),
                                   ItemText(hPage, IDC_PROP_IDVALUE)));
}

// A name chosen from the list shows its value.
void IDNameChosen(HWND hPage) {
    HWND hCombo = GetDlgItem(hPage, IDC_PROP_IDNAME);
    const LRESULT lSel = SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
    if (lSel == CB_ERR) {
        return;
    }
    const auto lID =
        static_cast<int32_t>(SendMessageA(hCombo, CB_GETITEMDATA, static_cast<WPARAM>(lSel), 0));
    if (lID > 0) {
        SetItemText(hPage, IDC_PROP_IDVALUE, IDValueText(lID));
    }
}

void UseCaptionInIDName(HWND hPage) {
    const std::string sName = IDNameFromCaption(ItemText(hPage, IDC_PROP_CAPTION), gpProps->lKind);
    SetItemText(hPage, IDC_PROP_IDNAME, sName);
    PropsChanged();
}

void IDMenu(HWND hPage) {
    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_STRING, IDM_PROP_CAPTIONNAME, "&Use Caption in ID Name");
    RECT r{};
    GetWindowRect(GetDlgItem(hPage, IDC_PROP_IDMENU), &r);
    const UINT lCmd = static_cast<UINT>(TrackPopupMenu(
        hMenu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, r.left, r.bottom, 0, hPage, nullptr));
    DestroyMenu(hMenu);
    if (lCmd == IDM_PROP_CAPTIONNAME) {
        UseCaptionInIDName(hPage);
    }
}

std::string UpperExt(const std::string& s) {
    const size_t lDot = s.rfind('.');
    std::string sExt = lDot == std::string::npos ? std::string() : s.substr(lDot);
    for (char& c : sExt) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return sExt;
}

// "...": an icon for the dialog, an AVI file or a bitmap or icon for the image kinds.
void Browse(HWND hPage) {
    const int32_t lKind = gpProps->lKind;
    std::string sCurrent =
        lKind == wkCtlDialog ? gpProps->tEdit.sIconFile : ItemText(hPage, IDC_PROP_CAPTION);
    char szFile[MAX_PATH] = "";
    strncpy(szFile, sCurrent.c_str(), sizeof(szFile) - 1);
    OPENFILENAMEA t{};
    t.lStructSize = sizeof(t);
    t.hwndOwner = gpProps->hDlg;
    t.lpstrFile = szFile;
    t.nMaxFile = sizeof(szFile);
    t.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (lKind == wkCtlDialog) {
        t.lpstrTitle = "Select Dialog Icon";
        t.lpstrFilter = "Icon Files (*.ico)\0*.ico\0";
    } else if (lKind == wkCtlAnimate) {
        t.lpstrTitle = "Select AVI File Without Sound";
        t.lpstrFilter = "AVI Files (*.avi)\0*.avi\0";
    } else {
        t.lpstrTitle = "Select Image";
        t.lpstrFilter = "Bitmap Files (*.bmp)\0*.bmp\0Icon Files (*.ico)\0*.ico\0";
        t.nFilterIndex = UpperExt(sCurrent) == ".ICO" ? 2 : 1;
    }
    if (!GetImageFileName(t)) {
        return;
    }
    const std::string sFile = szFile;
    if (lKind == wkCtlDialog) {
        gpProps->tEdit.sIconFile = sFile;
        InvalidateRect(GetDlgItem(hPage, IDC_PROP_ICON), nullptr, TRUE);
        gpProps->tDlgIcon.Reset(static_cast<HICON>(
            LoadImageA(nullptr, sFile.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE)));
    } else {
        SetItemText(hPage, IDC_PROP_CAPTION, sFile);
        // The type style follows the file chosen.
        const bool bButton = lKind == wkCtlImgButton || lKind == wkCtlImgButtonX;
        const std::string sExt = UpperExt(sFile);
        if (sExt == ".BMP") {
            CheckStyleEntry(gpProps->tEdit.tPages, bButton ? "%BS_BITMAP" : "%SS_BITMAP");
        } else if (sExt == ".ICO") {
            CheckStyleEntry(gpProps->tEdit.tPages, bButton ? "%BS_ICON" : "%SS_ICON");
        }
        FavoriteModified(wkFavStyles);
        RefreshStyleLists();
    }
    PropsChanged();
}

void RemoveIcon(HWND hPage) {
    if (gpProps->tEdit.sIconFile.empty()) {
        return;
    }
    if (MessageBoxA(gpProps->hDlg, "Do you want to remove the dialog icon?", "Wrenkit",
                    MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES) {
        gpProps->tEdit.sIconFile.clear();
        gpProps->tDlgIcon.Reset();
        InvalidateRect(GetDlgItem(hPage, IDC_PROP_ICON), nullptr, TRUE);
        PropsChanged();
    }
}

void ChooseFont(HWND hPage) {
    LOGFONTA tFont{};
    static_assert(sizeof(tLogFont) == sizeof(LOGFONTA), "the model keeps a LOGFONTA");
    std::memcpy(&tFont, &gpProps->tEdit.tFont, sizeof(tFont));
    if (!PickFont(hPage, tFont)) {
        return;
    }
    std::memcpy(&gpProps->tEdit.tFont, &tFont, sizeof(tFont));
    gpProps->tEdit.lFontSet = 1;
    ShowFont();
    PropsChanged();
}

void ChooseColour(HWND hPage, int lArrow) {
    int32_t& lColour =
        lArrow == IDC_PROP_FOREBTN ? gpProps->tEdit.lForeClr : gpProps->tEdit.lBackClr;
    const int32_t lChosen = PickColor(GetDlgItem(hPage, lArrow), lColour);
    if (lChosen == -2) {
        return;
    }
    lColour = lChosen;
    SetSwatches();
    PropsChanged();
}

void SystemColourBox(HWND hPage, int lBox) {
    int32_t& lColour = lBox == IDC_PROP_FORESYS ? gpProps->tEdit.lForeClr : gpProps->tEdit.lBackClr;
    if (IsDlgButtonChecked(hPage, lBox) == BST_CHECKED) {
        lColour = -1;
    } else if (lColour == -1) {
        lColour = static_cast<int32_t>(
            GetSysColor(lBox == IDC_PROP_FORESYS ? COLOR_WINDOWTEXT : COLOR_BTNFACE));
    }
    SetSwatches();
    PropsChanged();
}

void DrawIconButton(const DRAWITEMSTRUCT* p) {
    DrawFrameControl(p->hDC, const_cast<RECT*>(&p->rcItem), DFC_BUTTON,
                     DFCS_BUTTONPUSH | ((p->itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
    if (gpProps->tDlgIcon) {
        DrawIconEx(p->hDC, p->rcItem.left + 1, p->rcItem.top + 1, gpProps->tDlgIcon.Get(),
                   p->rcItem.right - p->rcItem.left - 2, p->rcItem.bottom - p->rcItem.top - 2, 0,
                   nullptr, DI_NORMAL);
    }
}

void ShowPixels() {
    HWND hPage = gpProps->ahPage[2];
    const int32_t lLeft = std::atoi(ItemText(hPage, IDC_PROP_LEFT).c_str());
    const int32_t lTop = std::atoi(ItemText(hPage, IDC_PROP_TOP).c_str());
    const int32_t lWidth = std::atoi(ItemText(hPage, IDC_PROP_WIDTH).c_str());
    const int32_t lHeight = std::atoi(ItemText(hPage, IDC_PROP_HEIGHT).c_str());
    SetItemText(hPage, IDC_PROP_PXLEFT, std::to_string(DlgToPixelsX(lLeft)));
    SetItemText(hPage, IDC_PROP_PXTOP, std::to_string(DlgToPixelsY(lTop)));
    SetItemText(hPage, IDC_PROP_PXWIDTH, std::to_string(DlgToPixelsX(lWidth)));
    SetItemText(hPage, IDC_PROP_PXHEIGHT, std::to_string(DlgToPixelsY(lHeight)));
}

} // namespace

void FillGeneralPage() {
    HWND hPage = gpProps->ahPage[0];
    const tPropEdit& t = gpProps->tEdit;
    const int32_t lKind = gpProps->lKind;
    const bool bFile = CaptionIsFileName(lKind);
    if (bFile) {
        SetItemText(hPage, IDC_PROP_CAPTIONLABEL,
                    lKind == wkCtlAnimate ? "AV&I File Name:" : "&Image File Name:");
    }
    SetItemText(hPage, IDC_PROP_CAPTION, t.sCaption);
    SetItemText(hPage, IDC_PROP_CLASS, t.sClass);
    SendDlgItemMessageA(hPage, IDC_PROP_CLASS, EM_LIMITTEXT, 32, 0);
    ShowWindow(GetDlgItem(hPage, IDC_PROP_BROWSE),
               bFile || lKind == wkCtlDialog ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(hPage, IDC_PROP_ICON), lKind == wkCtlDialog ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(hPage, IDC_PROP_IDMENU), bFile ? SW_HIDE : SW_SHOW);
    FillIDName(hPage);
    SendDlgItemMessageA(hPage, IDC_PROP_IDVALUE, EM_LIMITTEXT, 5, 0);
    SetItemText(hPage, IDC_PROP_IDVALUE, t.sIDValue);
    SendDlgItemMessageA(hPage, IDC_PROP_TABORDER, EM_LIMITTEXT, 5, 0);
    SetItemText(hPage, IDC_PROP_TABORDER, t.sTabOrder);
    for (int lId : {IDC_PROP_TABLABEL, IDC_PROP_TABORDER}) {
        EnableWindow(GetDlgItem(hPage, lId), lKind != wkCtlDialog);
    }
    if (!t.sIconFile.empty()) {
        gpProps->tDlgIcon.Reset(static_cast<HICON>(
            LoadImageA(nullptr, t.sIconFile.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE)));
    }
    ShowFont();

    // The arrows are glyphs of the symbol font.
    RECT r{0, 0, 0, 10};
    MapDialogRect(hPage, &r);
    gpProps->tArrowFont.Reset(
        CreateFontA(r.bottom, 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, 0, 0, 0, 0, "Marlett"));
    for (int lId : {IDC_PROP_FOREBTN, IDC_PROP_BACKBTN, IDC_PROP_IDMENU}) {
        SendDlgItemMessageA(hPage, lId, WM_SETFONT,
                            reinterpret_cast<WPARAM>(gpProps->tArrowFont.Get()), 0);
    }
    // Only some kinds take colours.
    const bool bColours = KindHasColors(lKind);
    for (HWND h = GetWindow(hPage, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        RECT rc{};
        GetWindowRect(h, &rc);
        RECT rg{};
        GetWindowRect(GetDlgItem(hPage, IDC_PROP_COLORGROUP), &rg);
        POINT p{rc.left, rc.top};
        if (PtInRect(&rg, p)) {
            EnableWindow(h, bColours);
        }
    }
    SetSwatches();
}

void ReadGeneralPage(tPropEdit& t) {
    HWND hPage = gpProps->ahPage[0];
    t.sCaption = ItemText(hPage, IDC_PROP_CAPTION);
    t.sClass = ItemText(hPage, IDC_PROP_CLASS);
    t.sIDName = ItemText(hPage, IDC_PROP_IDNAME);
    t.sIDValue = ItemText(hPage, IDC_PROP_IDVALUE);
    t.sTabOrder = ItemText(hPage, IDC_PROP_TABORDER);
}

INT_PTR CALLBACK GeneralPageProc(HWND hPage, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        return FALSE;
    case WM_CTLCOLORSTATIC:
        if (gpProps) {
            const int lId = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
            if (lId == IDC_PROP_FORE) {
                return reinterpret_cast<INT_PTR>(gpProps->tForeBrush.Get());
            }
            if (lId == IDC_PROP_BACK) {
                return reinterpret_cast<INT_PTR>(gpProps->tBackBrush.Get());
            }
        }
        return FALSE;
    case WM_DRAWITEM:
        if (gpProps && wParam == IDC_PROP_ICON) {
            DrawIconButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return FALSE;
    case WM_COMMAND: {
        if (!gpProps) {
            return FALSE;
        }
        const int lId = LOWORD(wParam);
        const int lCode = HIWORD(wParam);
        switch (lId) {
        case IDC_PROP_CAPTION:
        case IDC_PROP_CLASS:
        case IDC_PROP_TABORDER:
            if (lCode == EN_CHANGE) {
                PropsChanged();
            }
            return TRUE;
        case IDC_PROP_IDVALUE:
            if (lCode == EN_CHANGE) {
                PropsChanged();
                ShowIDConflict();
            }
            return TRUE;
        case IDC_PROP_IDNAME:
            if (lCode == CBN_SELCHANGE) {
                IDNameChosen(hPage);
            }
            if (lCode == EN_CHANGE || lCode == CBN_EDITCHANGE || lCode == CBN_SELCHANGE) {
                PropsChanged();
                ShowIDConflict();
            }
            return TRUE;
        case IDC_PROP_IDMENU:
            if (lCode == STN_CLICKED) {
                IDMenu(hPage);
            }
            return TRUE;
        case IDC_PROP_BROWSE:
            Browse(hPage);
            return TRUE;
        case IDC_PROP_ICON:
            RemoveIcon(hPage);
            return TRUE;
        case IDC_PROP_FONTBTN:
            ChooseFont(hPage);
            return TRUE;
        case IDC_PROP_FOREBTN:
        case IDC_PROP_BACKBTN:
            ChooseColour(hPage, lId);
            return TRUE;
        case IDC_PROP_FORESYS:
        case IDC_PROP_BACKSYS:
            SystemColourBox(hPage, lId);
            return TRUE;
        default:
            return FALSE;
        }
    }
    default:
        return FALSE;
    }
}

void FillPositionPage() {
    HWND hPage = gpProps->ahPage[2];
    const tPropEdit& t = gpProps->tEdit;
    const int alId[4] = {IDC_PROP_LEFT, IDC_PROP_TOP, IDC_PROP_WIDTH, IDC_PROP_HEIGHT};
    for (int i = 0; i < 4; ++i) {
        SendDlgItemMessageA(hPage, alId[i], EM_LIMITTEXT, 5, 0);
        SetItemText(hPage, alId[i], t.asPos[i]);
    }
    ShowPixels();
    SendDlgItemMessageA(hPage, IDC_PROP_FAVSIZEMENU, WM_SETFONT,
                        reinterpret_cast<WPARAM>(gpProps->tArrowFont.Get()), 0);
    FillFavorites(wkFavSizes);
}

void ReadPositionPage(tPropEdit& t) {
    HWND hPage = gpProps->ahPage[2];
    const int alId[4] = {IDC_PROP_LEFT, IDC_PROP_TOP, IDC_PROP_WIDTH, IDC_PROP_HEIGHT};
    for (int i = 0; i < 4; ++i) {
        t.asPos[i] = ItemText(hPage, alId[i]);
    }
}

INT_PTR CALLBACK PositionPageProc(HWND, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (FavoritePageMessage(wkFavSizes, uMsg, wParam, lParam)) {
        return TRUE;
    }
    if (uMsg == WM_COMMAND && gpProps && HIWORD(wParam) == EN_CHANGE &&
        LOWORD(wParam) >= IDC_PROP_LEFT && LOWORD(wParam) <= IDC_PROP_HEIGHT) {
        if (!gpProps->lFilling) {
            ShowPixels();
            FavoriteModified(wkFavSizes);
        }
        PropsChanged();
        return TRUE;
    }
    return FALSE;
}
