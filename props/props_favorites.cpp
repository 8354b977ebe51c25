// Favourite styles (Styles page, combo 217) and favourite sizes (Position &&
// Size page, combo 1010): choosing one changes the working copy at once, and
// the favourites menu creates, updates, renames, deletes and sets the default
// favourite of the element's kind in the settings file.
#include "app/settings/settings.h"
#include "model/project.h"
#include "props/props_ids.h"
#include "props/props_state.h"
#include "props/rules/favorites.h"
#include "styles/control_kinds.h"

#include <windowsx.h>

#include <string>

namespace {

constexpr const char* kDefaultPrefix = "<Default> ";

HWND Combo(int32_t lFamily) {
    return lFamily == wkFavStyles ? GetDlgItem(gpProps->ahPage[1], IDC_PROP_FAVSTYLES)
                                  : GetDlgItem(gpProps->ahPage[2], IDC_PROP_FAVSIZES);
}

std::string ItemName(HWND hCombo, LRESULT lIndex) {
    const LRESULT lLen = SendMessageA(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(lIndex), 0);
    if (lIndex < 0 || lLen == CB_ERR) {
        return std::string();
    }
    std::string s(static_cast<size_t>(lLen) + 1, '\0');
    SendMessageA(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(lIndex),
                 reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(lLen));
    const std::string sPrefix = kDefaultPrefix;
    return s.rfind(sPrefix, 0) == 0 ? s.substr(sPrefix.size()) : s;
}

// The selected favourite's name ("" when none, the pseudo-entry's own text for
// the standard).
std::string SelectedName(int32_t lFamily) {
    HWND hCombo = Combo(lFamily);
    return ItemName(hCombo, SendMessageA(hCombo, CB_GETCURSEL, 0, 0));
}

bool IsStandard(int32_t lFamily, const std::string& sName) {
    return sName == StandardFavorite(lFamily);
}

std::string PageText(HWND hPage, int lId) {
    char sz[16] = "";
    GetDlgItemTextA(hPage, lId, sz, sizeof(sz));
    return sz;
}

// What the element would be stored as, from the pages as the user left them.
std::string CurrentValue(int32_t lFamily) {
    if (lFamily == wkFavStyles) {
        const tStyleValues v = StylesFromPages(gpProps->tEdit.tPages, gatDlg[gpProps->lElem]);
        return v.sStyleList + ";" + v.sExList;
    }
    HWND hPage = gpProps->ahPage[2];
    const auto Number = [&](int lId) {
        return std::to_string(std::atoi(PageText(hPage, lId).c_str()));
    };
    std::string s = Number(IDC_PROP_WIDTH) + "x" + Number(IDC_PROP_HEIGHT);
    if (gpProps->lKind == wkCtlDialog) {
        s += ";" + Number(IDC_PROP_LEFT) + "," + Number(IDC_PROP_TOP);
    }
    return s;
}

std::string StoredValue(int32_t lFamily, const std::string& sName) {
    for (const tFavorite& t : ReadFavorites(lFamily, gpProps->lKind)) {
        if (t.sName == sName) {
            return t.sValue;
        }
    }
    return std::string();
}

void SelectName(int32_t lFamily, const std::string& sName) {
    HWND hCombo = Combo(lFamily);
    const LRESULT lCount = SendMessageA(hCombo, CB_GETCOUNT, 0, 0);
    LRESULT lSel = -1;
    for (LRESULT i = 0; i < lCount && !sName.empty(); ++i) {
        if (ItemName(hCombo, i) == sName) {
            lSel = i;
        }
    }
    SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(lSel), 0);
}

// Refills the combo and selects sSelect, or the favourite the element matches.
void Refill(int32_t lFamily, const std::string& sSelect) {
    const int32_t lKind = gpProps->lKind;
    HWND hCombo = Combo(lFamily);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(StandardFavorite(lFamily)));
    const std::string sDefault = DefaultFavorite(lFamily, lKind);
    for (const tFavorite& t : ReadFavorites(lFamily, lKind)) {
        const std::string sItem = (t.sName == sDefault ? kDefaultPrefix : "") + t.sName;
        SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(sItem.c_str()));
    }
    SelectName(lFamily, sSelect.empty()
                            ? MatchingFavoriteValue(lFamily, lKind, CurrentValue(lFamily))
                            : sSelect);
}

// A choice in the combo changes the working copy, not the row.
void Choose(int32_t lFamily) {
    const std::string sName = SelectedName(lFamily);
    if (sName.empty()) {
        return;
    }
    const std::string sValue = IsStandard(lFamily, sName) ? "" : StoredValue(lFamily, sName);
    if (lFamily == wkFavStyles) {
        std::string sList;
        std::string sExList;
        FavoriteLists(gpProps->lKind, sValue, sList, sExList);
        tStylePages& t = gpProps->tEdit.tPages;
        t = FillStylePages(gpProps->lKind, sList, sExList);
        t.lChanged = 1;
        RefreshStyleLists();
    } else {
        HWND hPage = gpProps->ahPage[2];
        tDlg tRow = gatDlg[gpProps->lElem];
        tRow.nLeft = std::atoi(PageText(hPage, IDC_PROP_LEFT).c_str());
        tRow.nTop = std::atoi(PageText(hPage, IDC_PROP_TOP).c_str());
        ApplyFavorite(wkFavSizes, sValue, tRow);
        SetDlgItemInt(hPage, IDC_PROP_LEFT, static_cast<UINT>(tRow.nLeft), FALSE);
        SetDlgItemInt(hPage, IDC_PROP_TOP, static_cast<UINT>(tRow.nTop), FALSE);
        SetDlgItemInt(hPage, IDC_PROP_WIDTH, static_cast<UINT>(tRow.nRight - tRow.nLeft), FALSE);
        SetDlgItemInt(hPage, IDC_PROP_HEIGHT, static_cast<UINT>(tRow.nBottom - tRow.nTop), FALSE);
    }
    gpProps->alFavModified[lFamily] = 0;
    PropsChanged();
}

bool WrittenOrSaid(int32_t lOk) {
    if (!lOk) {
        MessageBoxA(gpProps->hDlg,
                    ("The favorite could not be written to " + SettingsPath()).c_str(), "Wrenkit",
                    MB_OK | MB_ICONEXCLAMATION);
    }
    return lOk != 0;
}

struct tNameAsk {
    int32_t lFamily;
    const char* szTitle;
    std::string sName;
};

// The small name dialog: a name the section has already is refused and asked again.
INT_PTR CALLBACK NameProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* p = reinterpret_cast<tNameAsk*>(GetWindowLongPtrA(hWnd, DWLP_USER));
    switch (uMsg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        p = reinterpret_cast<tNameAsk*>(lParam);
        SetWindowTextA(hWnd, p->szTitle);
        SendDlgItemMessageA(hWnd, IDC_FAVNAME_EDIT, EM_LIMITTEXT, 64, 0);
        SetDlgItemTextA(hWnd, IDC_FAVNAME_EDIT, p->sName.c_str());
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(hWnd, 0);
            return TRUE;
        }
        if (LOWORD(wParam) == IDOK) {
            char sz[80] = "";
            GetDlgItemTextA(hWnd, IDC_FAVNAME_EDIT, sz, sizeof(sz));
            std::string s = sz;
            s.erase(0, s.find_first_not_of(" \t"));
            s.erase(s.find_last_not_of(" \t") + 1);
            const char* szRefusal = nullptr;
            if (s.empty()) {
                return TRUE;
            }
            // The settings file could not keep such a name as a key.
            if (s.find('=') != std::string::npos || s[0] == '[' || s[0] == ';' || s[0] == '<') {
                szRefusal = "A favorite name cannot contain \"=\" nor begin with \"[\", \";\" or "
                            "\"<\".";
            } else if (FavoriteExists(p->lFamily, gpProps->lKind, s)) {
                szRefusal = "Your name must be unique";
            }
            if (szRefusal) {
                MessageBoxA(hWnd, szRefusal, "Wrenkit", MB_OK | MB_ICONEXCLAMATION);
                HWND hEdit = GetDlgItem(hWnd, IDC_FAVNAME_EDIT);
                SetFocus(hEdit);
                SendMessageA(hEdit, EM_SETSEL, 0, -1);
                return TRUE;
            }
            p->sName = s;
            EndDialog(hWnd, 1);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

bool AskName(int32_t lFamily, const char* szTitle, std::string& sName) {
    tNameAsk t{lFamily, szTitle, sName};
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FAVORITENAME),
                        gpProps->hDlg, NameProc, reinterpret_cast<LPARAM>(&t)) != 1) {
        return false;
    }
    sName = t.sName;
    return true;
}

void Menu(int32_t lFamily, POINT p) {
    const std::string sName = SelectedName(lFamily);
    const bool bStandard = IsStandard(lFamily, sName);
    const std::string sDefault = DefaultFavorite(lFamily, gpProps->lKind);
    const bool bDefault = bStandard ? sDefault.empty() : sName == sDefault;
    const bool bModified = gpProps->alFavModified[lFamily] != 0;
    bool abOn[5] = {false, true, false, false, false}; // default, create, update, rename, delete
    if (!sName.empty() && !bModified) {
        abOn[0] = !bDefault;
        abOn[1] = false;
        abOn[3] = abOn[4] = !bStandard;
    } else if (!sName.empty()) {
        abOn[2] = !bStandard;
    }
    HMENU hMenu = CreatePopupMenu();
    const char* const aszText[5] = {"&Set as Default", "&Create New...", "&Update", "&Rename...",
                                    "&Delete"};
    for (int i = 0; i < 5; ++i) {
        if (i == 1 || i == 3) {
            AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
        }
        AppendMenuA(hMenu, MF_STRING | (abOn[i] ? 0 : MF_GRAYED),
                    static_cast<UINT_PTR>(IDM_FAV_DEFAULT + i), aszText[i]);
    }
    // The command arrives at the Properties dialog as WM_COMMAND.
    TrackPopupMenu(hMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, p.x, p.y, 0,
                   gpProps->hDlg, nullptr);
    DestroyMenu(hMenu);
}

} // namespace

void FillFavorites(int32_t lFamily) {
    Refill(lFamily, std::string());
}

void FavoriteModified(int32_t lFamily) {
    if (gpProps && !gpProps->lFilling) {
        gpProps->alFavModified[lFamily] = 1;
    }
}

void FavoriteCommand(int32_t lFamily, int32_t lCmd) {
    const int32_t lKind = gpProps->lKind;
    std::string sName = SelectedName(lFamily);
    const bool bStandard = IsStandard(lFamily, sName);
    switch (lCmd) {
    case IDM_FAV_DEFAULT:
        if (WrittenOrSaid(SetDefaultFavorite(lFamily, lKind, bStandard ? "" : sName))) {
            Refill(lFamily, sName);
        }
        return;
    case IDM_FAV_CREATE: {
        std::string sNew;
        if (AskName(lFamily, "Create New Favorite", sNew) &&
            WrittenOrSaid(WriteFavorite(lFamily, lKind, sNew, CurrentValue(lFamily)))) {
            gpProps->alFavModified[lFamily] = 0;
            Refill(lFamily, sNew);
        }
        return;
    }
    case IDM_FAV_UPDATE:
        if (!sName.empty() && !bStandard &&
            WrittenOrSaid(WriteFavorite(lFamily, lKind, sName, CurrentValue(lFamily)))) {
            gpProps->alFavModified[lFamily] = 0;
            Refill(lFamily, sName);
        }
        return;
    case IDM_FAV_RENAME: {
        std::string sNew = sName;
        if (!sName.empty() && !bStandard && AskName(lFamily, "Rename Favorite", sNew) &&
            WrittenOrSaid(RenameFavorite(lFamily, lKind, sName, sNew))) {
            Refill(lFamily, sNew);
        }
        return;
    }
    case IDM_FAV_DELETE:
        if (!sName.empty() && !bStandard &&
            MessageBoxA(gpProps->hDlg,
                        ("Are you sure you want to delete the '" + sName + "' Favorite?").c_str(),
                        "Wrenkit", MB_YESNO | MB_ICONQUESTION) == IDYES &&
            WrittenOrSaid(DeleteFavorite(lFamily, lKind, sName))) {
            Refill(lFamily, std::string());
        }
        return;
    default:
        return;
    }
}

int32_t FavoritePageMessage(int32_t lFamily, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (!gpProps) {
        return 0;
    }
    const int lCombo = lFamily == wkFavStyles ? IDC_PROP_FAVSTYLES : IDC_PROP_FAVSIZES;
    const int lArrow = lFamily == wkFavStyles ? IDC_PROP_FAVSTYLEMENU : IDC_PROP_FAVSIZEMENU;
    if (uMsg == WM_COMMAND && LOWORD(wParam) == lCombo) {
        if (HIWORD(wParam) == CBN_SELCHANGE) {
            Choose(lFamily);
        }
        return 1;
    }
    if (uMsg == WM_COMMAND && LOWORD(wParam) == lArrow && HIWORD(wParam) == STN_CLICKED) {
        RECT r{};
        GetWindowRect(reinterpret_cast<HWND>(lParam), &r);
        Menu(lFamily, {r.left, r.bottom});
        return 1;
    }
    if (uMsg == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == Combo(lFamily)) {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (p.x == -1 && p.y == -1) { // from the keyboard: below the combo
            RECT r{};
            GetWindowRect(Combo(lFamily), &r);
            p = {r.left, r.bottom};
        }
        Menu(lFamily, p);
        return 1;
    }
    return 0;
}
