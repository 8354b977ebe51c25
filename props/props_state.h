// What the open Properties dialog's files share. Only props/ includes this.
#pragma once

#include "props/rules/prop_apply.h"
#include "win/win_handles.h"

#include <windows.h>

#include <cstdint>

struct tProps {
    HWND hDlg = nullptr;
    HWND hTab = nullptr;
    HWND ahPage[3]{}; // General, Styles, Position && Size
    int32_t lElem = 0;
    int32_t lKind = 0;
    tPropEdit tEdit; // the working copy; only Apply writes it to the row
    int32_t lFilling = 0;
    tGdiBrush tForeBrush;
    tGdiBrush tBackBrush;
    tGdiFont tArrowFont;
    tIcon tDlgIcon; // the dialog icon shown on button 227
    // Per favourite family: a style check mark or a size field changed since
    // a favourite was chosen, created or updated.
    int32_t alFavModified[2]{};
};
extern tProps* gpProps;

// Something on a page changed: Apply becomes available.
void PropsChanged();
// The description line.
void SetDescription(const std::string& s);

// General page (props_general.cpp).
INT_PTR CALLBACK GeneralPageProc(HWND hPage, UINT uMsg, WPARAM wParam, LPARAM lParam);
void ReadGeneralPage(tPropEdit& t);
void FillGeneralPage();
// Position && Size page.
INT_PTR CALLBACK PositionPageProc(HWND hPage, UINT uMsg, WPARAM wParam, LPARAM lParam);
void ReadPositionPage(tPropEdit& t);
void FillPositionPage();
// Styles page (props_styles.cpp).
INT_PTR CALLBACK StylesPageProc(HWND hPage, UINT uMsg, WPARAM wParam, LPARAM lParam);
void FillStylesPage();
// After a browse switched the image type: the check marks follow.
void RefreshStyleLists();
// Favourites (props_favorites.cpp), lFamily wkFavStyles or wkFavSizes: the
// combo of the family filled with the element's kind's favourites.
void FillFavorites(int32_t lFamily);
// A style check mark or a size field changed by the user.
void FavoriteModified(int32_t lFamily);
// A command of the favourites menu (IDM_FAV_...) for the family.
void FavoriteCommand(int32_t lFamily, int32_t lCmd);
// The combo's choice, its arrow label and its right click; 1 when used.
int32_t FavoritePageMessage(int32_t lFamily, UINT uMsg, WPARAM wParam, LPARAM lParam);
