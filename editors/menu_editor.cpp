// The Menu Editor: the current dialog's menu as a flat list of items with
// levels, one item's fields at a time, and its accelerator keys typed into a
// hot-key control. Every change goes through the menu edits of the model.
#include "app/help.h"
#include "app/main_window.h"
#include "app/pending_commands.h"
#include "edit/menu_edits.h"
#include "editors/editor_ids.h"
#include "editors/hotkey_glue.h"
#include "editors/menu_test_window.h"
#include "model/project.h"
#include "win/win_handles.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

struct tMenuEditor {
    HWND hDlg = nullptr;
    int32_t lResMenu = 0;
    std::vector<int32_t> alRows;
    int32_t lPos = 0;
    int32_t lType = wkMenuItem; // the type the current item is stored with
    bool bFilling = false;      // fields set by the editor itself, not typed
    std::vector<std::string> asShared;
    tGdiBitmap atArrow[4];
};
tMenuEditor* gpMenu = nullptr;

HWND Item(int lId) {
    return GetDlgItem(gpMenu->hDlg, lId);
}

std::string FieldText(int lId) {
    HWND h = Item(lId);
    std::string s(static_cast<size_t>(GetWindowTextLengthA(h)) + 1, '\0');
    s.resize(static_cast<size_t>(GetWindowTextA(h, s.data(), static_cast<int>(s.size()))));
    return s;
}

int32_t CurrentItem() {
    const size_t l = static_cast<size_t>(gpMenu->lPos);
    return l < gpMenu->alRows.size() ? gpMenu->alRows[l] : 0;
}

int32_t CheckedType() {
    if (IsDlgButtonChecked(gpMenu->hDlg, IDC_MNU_POPUP) == BST_CHECKED) {
        return wkMenuPopup;
    }
    return IsDlgButtonChecked(gpMenu->hDlg, IDC_MNU_SEPARATOR) == BST_CHECKED ? wkMenuSeparator
                                                                              : wkMenuItem;
}

void Beep() {
    MessageBeep(MB_ICONEXCLAMATION);
}

int Ask(const std::string& sText) {
    return MessageBoxA(gpMenu->hDlg, sText.c_str(), "Wrenkit", MB_YESNO | MB_ICONQUESTION);
}

// An arrow drawn in the button face colours, pointing left, right, up or down.
HBITMAP ArrowBitmap(int lDir) {
    const tWindowDC tScreen(nullptr);
    HDC hDC = CreateCompatibleDC(tScreen.Get());
    HBITMAP hBmp = CreateCompatibleBitmap(tScreen.Get(), 12, 12);
    {
        tSelected tSel(hDC, hBmp);
        RECT tAll{0, 0, 12, 12};
        FillRect(hDC, &tAll, GetSysColorBrush(COLOR_BTNFACE));
        static const POINT aatPt[4][3] = {
            {{8, 2}, {3, 6}, {8, 10}},
            {{4, 2}, {9, 6}, {4, 10}},
            {{2, 8}, {6, 3}, {10, 8}},
            {{2, 4}, {6, 9}, {10, 4}},
        };
        tSelected tBrush(hDC, GetSysColorBrush(COLOR_BTNTEXT));
        tSelected tPen(hDC, GetStockObject(NULL_PEN));
        Polygon(hDC, aatPt[lDir], 3);
    }
    DeleteDC(hDC);
    return hBmp;
}

void SetTitle() {
    std::string s = "Menu Editor - [" + gatRes[gpMenu->lResMenu].szIDName.str() + "]";
    if (gtElem.lResAccel != 0) {
        s += " - [" + gatRes[gtElem.lResAccel].szIDName.str() + "]";
    }
    SetWindowTextA(gpMenu->hDlg, s.c_str());
}

void PendingKey(uint8_t& byKey, uint8_t& byMods) {
    HotkeyToAccel(Item(IDC_MNU_HOTKEY), byKey, byMods);
}

// The current list line, with the key the control holds now.
void RedrawLine() {
    uint8_t byKey = 0;
    uint8_t byMods = 0;
    if (gpMenu->lType == wkMenuItem) {
        PendingKey(byKey, byMods);
    }
    HWND hList = Item(IDC_MNU_LIST);
    const WPARAM lPos = static_cast<WPARAM>(gpMenu->lPos);
    const std::string s = MenuListLine(CurrentItem(), byKey, byMods);
    SendMessageA(hList, LB_DELETESTRING, lPos, 0);
    SendMessageA(hList, LB_INSERTSTRING, lPos, reinterpret_cast<LPARAM>(s.c_str()));
    SendMessageA(hList, LB_SETCURSEL, lPos, 0);
}

void UpdateButtons() {
    const bool bEmpty = GetWindowTextLengthA(Item(IDC_MNU_CAPTION)) == 0;
    const int32_t lBits = MenuEditorButtons(gpMenu->alRows, gpMenu->lPos, CheckedType(), bEmpty);
    const struct {
        int lId;
        int32_t lBit;
    } atButton[] = {
        {IDC_MNU_LEFT, wkMenuCanLeft},     {IDC_MNU_RIGHT, wkMenuCanRight},
        {IDC_MNU_UP, wkMenuCanUp},         {IDC_MNU_DOWN, wkMenuCanDown},
        {IDC_MNU_NEXT, wkMenuCanNext},     {IDC_MNU_INSERT, wkMenuCanNext},
        {IDC_MNU_DELETE, wkMenuCanDelete},
    };
    for (const auto& t : atButton) {
        HWND h = Item(t.lId);
        if (!(lBits & t.lBit) && GetFocus() == h) {
            SetFocus(Item(IDC_MNU_CAPTION));
        }
        EnableWindow(h, (lBits & t.lBit) != 0);
    }
}

// Enables the fields the type has: a pop-up has no ID, key or prompt; a
// separator has nothing but its level.
void EnableFields(int32_t lType) {
    for (int lId : {IDC_MNU_HOTKEY, IDC_MNU_IDNAME, IDC_MNU_IDVALUE, IDC_MNU_PROMPT}) {
        EnableWindow(Item(lId), lType == wkMenuItem);
    }
    for (int lId : {IDC_MNU_CAPTION, IDC_MNU_CHECKED, IDC_MNU_GRAYED, IDC_MNU_DISABLED}) {
        EnableWindow(Item(lId), lType != wkMenuSeparator);
    }
}

void ClearFields(bool bCaption) {
    gpMenu->bFilling = true;
    SetWindowTextA(Item(IDC_MNU_IDNAME), "");
    SetWindowTextA(Item(IDC_MNU_IDVALUE), "");
    SetWindowTextA(Item(IDC_MNU_PROMPT), "");
    AccelToHotkey(Item(IDC_MNU_HOTKEY), 0, 0);
    if (bCaption) {
        SetWindowTextA(Item(IDC_MNU_CAPTION), "");
        for (int lId : {IDC_MNU_CHECKED, IDC_MNU_GRAYED, IDC_MNU_DISABLED}) {
            CheckDlgButton(gpMenu->hDlg, lId, BST_UNCHECKED);
        }
    }
    gpMenu->bFilling = false;
}

void ShowItem() {
    const int32_t lItem = CurrentItem();
    const tMenu& t = gatMenu[lItem];
    gpMenu->bFilling = true;
    gpMenu->lType = t.lType;
    SetWindowTextA(Item(IDC_MNU_CAPTION), GetDynStr(t.lCaptionElem).c_str());
    SetWindowTextA(Item(IDC_MNU_IDNAME), gatID[t.lIDElem].szIDName.c_str());
    SetWindowTextA(Item(IDC_MNU_IDVALUE), t.lIDElem ? IDValueText(t.lIDElem).c_str() : "");
    SetWindowTextA(Item(IDC_MNU_PROMPT), GetDynStr(gatStr[t.lStrElem].lStrElem).c_str());
    const tAccel& tKey = gatAccel[t.lAccelElem];
    AccelToHotkey(Item(IDC_MNU_HOTKEY), tKey.byKey, tKey.byModifiers);
    CheckRadioButton(gpMenu->hDlg, IDC_MNU_POPUP, IDC_MNU_SEPARATOR,
                     t.lType == wkMenuPopup       ? IDC_MNU_POPUP
                     : t.lType == wkMenuSeparator ? IDC_MNU_SEPARATOR
                                                  : IDC_MNU_ITEM);
    CheckDlgButton(gpMenu->hDlg, IDC_MNU_CHECKED, (t.lOptions & wkMfChecked) ? 1 : 0);
    CheckDlgButton(gpMenu->hDlg, IDC_MNU_GRAYED, (t.lOptions & wkMfGrayed) ? 1 : 0);
    CheckDlgButton(gpMenu->hDlg, IDC_MNU_DISABLED, (t.lOptions & wkMfDisabled) ? 1 : 0);
    gpMenu->bFilling = false;
    EnableFields(t.lType);
    SendMessageA(Item(IDC_MNU_LIST), LB_SETCURSEL, static_cast<WPARAM>(gpMenu->lPos), 0);
    UpdateButtons();
}

void FillList(int32_t lSelect) {
    gpMenu->alRows = MenuItemRows(gpMenu->lResMenu);
    HWND hList = Item(IDC_MNU_LIST);
    SendMessageA(hList, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    gpMenu->lPos = 0;
    for (size_t i = 0; i < gpMenu->alRows.size(); ++i) {
        const std::string s = MenuListLine(gpMenu->alRows[i]);
        SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
        if (gpMenu->alRows[i] == lSelect) {
            gpMenu->lPos = static_cast<int32_t>(i);
        }
    }
    SendMessageA(hList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hList, nullptr, TRUE);
    ShowItem();
}

// Writes the fields to the current item. A refused name or key puts the
// focus on its field and keeps everything where it is.
bool StoreCurrent() {
    tMenuFields t{};
    t.sCaption = FieldText(IDC_MNU_CAPTION);
    t.sIDName = FieldText(IDC_MNU_IDNAME);
    t.sIDValue = FieldText(IDC_MNU_IDVALUE);
    t.sPrompt = FieldText(IDC_MNU_PROMPT);
    t.lType = CheckedType();
    t.lOptions = (IsDlgButtonChecked(gpMenu->hDlg, IDC_MNU_CHECKED) ? wkMfChecked : 0) |
                 (IsDlgButtonChecked(gpMenu->hDlg, IDC_MNU_GRAYED) ? wkMfGrayed : 0) |
                 (IsDlgButtonChecked(gpMenu->hDlg, IDC_MNU_DISABLED) ? wkMfDisabled : 0);
    if (t.lType == wkMenuItem) {
        PendingKey(t.byKey, t.byModifiers);
    }
    const int32_t lItem = CurrentItem();
    const int32_t lResult = StoreMenuItem(lItem, t, gpMenu->asShared);
    if (lResult != wkMenuStored) {
        const int lField = lResult < wkMenuNameUsed ? IDC_MNU_HOTKEY : IDC_MNU_IDNAME;
        // The focus is moved first, so the message box gives it back there.
        SetFocus(Item(lField));
        MessageBoxA(gpMenu->hDlg, MenuStoreMessage(lResult, lItem, t).c_str(), "Wrenkit",
                    MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    gpMenu->lType = t.lType;
    gpMenu->bFilling = true;
    SetWindowTextA(Item(IDC_MNU_IDNAME), t.sIDName.c_str());
    gpMenu->bFilling = false;
    RedrawLine();
    SetTitle();
    return true;
}

// A type radio button: losing entered data is asked first; No restores the old type.
void TypeClicked(int32_t lNew) {
    const int32_t lOld = gpMenu->lType;
    if (lNew == lOld) {
        return;
    }
    uint8_t byKey = 0;
    uint8_t byMods = 0;
    PendingKey(byKey, byMods);
    const bool bCaption = GetWindowTextLengthA(Item(IDC_MNU_CAPTION)) > 0;
    const bool bData = GetWindowTextLengthA(Item(IDC_MNU_IDNAME)) > 0 ||
                       GetWindowTextLengthA(Item(IDC_MNU_PROMPT)) > 0 || byKey != 0;
    const char* szOld = lOld == wkMenuPopup ? "Pop-up" : "Menu Item";
    const char* szNew = lNew == wkMenuPopup ? "Pop-up" : "Separator";
    const bool bAsk =
        lNew != wkMenuItem && ((lOld == wkMenuItem && lNew == wkMenuPopup && bData) ||
                               (lOld != wkMenuSeparator && lNew == wkMenuSeparator && bCaption));
    if (bAsk) {
        const std::string s = std::string("Changing a '") + szOld + "' type to a '" + szNew +
                              "' type will erase\rsome of the entered data.\r\r"
                              "Are you sure you want to do this?";
        if (Ask(s) != IDYES) {
            CheckRadioButton(gpMenu->hDlg, IDC_MNU_POPUP, IDC_MNU_SEPARATOR,
                             lOld == wkMenuPopup       ? IDC_MNU_POPUP
                             : lOld == wkMenuSeparator ? IDC_MNU_SEPARATOR
                                                       : IDC_MNU_ITEM);
            return;
        }
    }
    if (lNew != wkMenuItem) {
        ClearFields(lNew == wkMenuSeparator);
        StoreCurrent();
    }
    gpMenu->lType = lNew;
    EnableFields(lNew);
    UpdateButtons();
}

void Select(int32_t lItem) {
    FillList(lItem);
    SetFocus(Item(IDC_MNU_CAPTION));
    SendMessageA(Item(IDC_MNU_CAPTION), EM_SETSEL, 0, -1);
}

void OnCommand(int lId, int lCode) {
    const int32_t lItem = CurrentItem();
    switch (lId) {
    case IDC_MNU_LEFT:
    case IDC_MNU_RIGHT:
        if (!StoreCurrent()) {
            return;
        }
        if (!ShiftMenuItemLevel(lItem, lId == IDC_MNU_LEFT ? -1 : 1)) {
            Beep();
            return;
        }
        FillList(lItem);
        return;
    case IDC_MNU_UP:
    case IDC_MNU_DOWN: {
        if (!StoreCurrent()) {
            return;
        }
        const int32_t lTo = MoveMenuItem(lItem, lId == IDC_MNU_UP ? -1 : 1);
        if (!lTo) {
            Beep();
            return;
        }
        FillList(lTo);
        return;
    }
    case IDC_MNU_NEXT:
    case IDC_MNU_INSERT: {
        if (CheckedType() != wkMenuSeparator && GetWindowTextLengthA(Item(IDC_MNU_CAPTION)) == 0) {
            Beep();
            SetFocus(Item(IDC_MNU_CAPTION));
            return;
        }
        if (!StoreCurrent()) {
            return;
        }
        if (lId == IDC_MNU_INSERT) {
            Select(InsertMenuItemBefore(lItem));
        } else if (static_cast<size_t>(gpMenu->lPos) + 1 < gpMenu->alRows.size()) {
            Select(gpMenu->alRows[static_cast<size_t>(gpMenu->lPos) + 1]);
        } else {
            const tMenu& t = gatMenu[lItem];
            Select(AppendMenuItem(gpMenu->lResMenu, t.lLevel + (t.lType == wkMenuPopup ? 1 : 0)));
        }
        return;
    }
    case IDC_MNU_DELETE:
        if (gpMenu->alRows.size() < 2) {
            Beep();
            return;
        }
        if (Ask("Are you sure you want to delete the selected item?") == IDYES) {
            Select(DeleteMenuItemFully(lItem));
        }
        return;
    case IDC_MNU_TEST:
        if (StoreCurrent()) {
            RunMenuTestWindow(gpMenu->hDlg, gpMenu->lResMenu);
        }
        return;
    case IDC_MNU_CLOSE:
    case IDCANCEL:
        if (StoreCurrent()) {
            EndDialog(gpMenu->hDlg, 0);
        }
        return;
    case IDC_MNU_POPUP:
    case IDC_MNU_ITEM:
    case IDC_MNU_SEPARATOR:
        if (lCode == BN_CLICKED && !gpMenu->bFilling) {
            TypeClicked(lId == IDC_MNU_POPUP  ? wkMenuPopup
                        : lId == IDC_MNU_ITEM ? wkMenuItem
                                              : wkMenuSeparator);
        }
        return;
    case IDC_MNU_CAPTION:
        if (lCode == EN_CHANGE && !gpMenu->bFilling) {
            UpdateButtons();
        } else if (lCode == EN_KILLFOCUS && CheckedType() == wkMenuItem &&
                   GetWindowTextLengthA(Item(IDC_MNU_CAPTION)) > 0 &&
                   GetWindowTextLengthA(Item(IDC_MNU_IDNAME)) == 0) {
            SetMenuItemCaption(lItem, FieldText(IDC_MNU_CAPTION));
            const std::string sName = MenuItemIDName(lItem);
            SetWindowTextA(Item(IDC_MNU_IDNAME), sName.c_str());
            if (!sName.empty() && GetWindowTextLengthA(Item(IDC_MNU_IDVALUE)) == 0) {
                SetWindowTextA(Item(IDC_MNU_IDVALUE), std::to_string(NextControlIDValue()).c_str());
            }
            RedrawLine();
        }
        return;
    case IDC_MNU_IDNAME:
        if (lCode == CBN_KILLFOCUS) {
            const std::string sName = FieldText(IDC_MNU_IDNAME);
            const LRESULT lFound =
                SendMessageA(Item(IDC_MNU_IDNAME), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(sName.c_str()));
            if (!sName.empty() && lFound != CB_ERR) {
                SetWindowTextA(Item(IDC_MNU_IDVALUE), IDValueText(FindIDByName(sName)).c_str());
            }
        }
        return;
    case IDC_MNU_HOTKEY:
        if (lCode == EN_CHANGE && !gpMenu->bFilling) {
            RedrawLine();
        }
        return;
    case IDC_MNU_LIST:
        if (lCode == LBN_SELCHANGE) {
            const auto lNew =
                static_cast<int32_t>(SendMessageA(Item(IDC_MNU_LIST), LB_GETCURSEL, 0, 0));
            if (lNew == gpMenu->lPos || lNew < 0) {
                return;
            }
            if (!StoreCurrent()) {
                SendMessageA(Item(IDC_MNU_LIST), LB_SETCURSEL, static_cast<WPARAM>(gpMenu->lPos),
                             0);
                return;
            }
            gpMenu->lPos = lNew;
            ShowItem();
        } else if (lCode == LBN_SETFOCUS) {
            StoreCurrent();
        }
        return;
    default:
        return;
    }
}

void InitEditor(HWND hDlg) {
    gpMenu->hDlg = hDlg;
    for (int i = 0; i < 4; ++i) {
        gpMenu->atArrow[i].Reset(ArrowBitmap(i));
        SendDlgItemMessageA(hDlg, IDC_MNU_LEFT + i, BM_SETIMAGE, IMAGE_BITMAP,
                            reinterpret_cast<LPARAM>(gpMenu->atArrow[i].Get()));
    }
    SetUpMenuHotkey(GetDlgItem(hDlg, IDC_MNU_HOTKEY));
    const int lTab = 160;
    SendDlgItemMessageA(hDlg, IDC_MNU_LIST, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&lTab));
    SendDlgItemMessageA(hDlg, IDC_MNU_CAPTION, EM_LIMITTEXT, 255, 0);
    gpMenu->asShared = MenuSharableIDNames();
    for (const std::string& s : gpMenu->asShared) {
        SendDlgItemMessageA(hDlg, IDC_MNU_IDNAME, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(s.c_str()));
    }
    SetTitle();
    Select(EnsureMenuHasItem(gpMenu->lResMenu));
}

INT_PTR CALLBACK MenuEditorProc(HWND hDlg, UINT lMsg, WPARAM wParam, LPARAM) {
    switch (lMsg) {
    case WM_INITDIALOG:
        InitEditor(hDlg);
        return FALSE; // the caption has the focus
    case WM_COMMAND:
        if (gpMenu && gpMenu->hDlg) {
            OnCommand(LOWORD(wParam), HIWORD(wParam));
        }
        return TRUE;
    case WM_HELP:
        ShowHelp(hDlg, ProgramHelpFile(), "Menu:Menu Editor");
        return TRUE;
    case WM_CLOSE:
        OnCommand(IDCANCEL, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void MenuEditorCmd(HWND hOwner) {
    if (gtElem.lResMenu == 0 || gpMenu) {
        return;
    }
    tMenuEditor tEditor;
    tEditor.lResMenu = gtElem.lResMenu;
    gpMenu = &tEditor;
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MENUEDITOR), hOwner,
                    MenuEditorProc, 0);
    gpMenu = nullptr;
    UpdateCommands();
}
