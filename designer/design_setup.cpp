// Start-up of the surface (its window classes, the symbol font, the context
// menu) and the three ways a dialog comes onto it: built from the tables, a
// new dialog, and a new control drawn on it.
#include "app/main_window.h"
#include "designer/design_state.h"
#include "designer/design_undo.h"
#include "edit/design_edits.h"
#include "model/dynstr.h"
#include "model/project.h"
#include "model/undo_store.h"
#include "props/rules/favorites.h"
#include "resources/resource_ids.h"
#include "styles/control_kinds.h"
#include "win/win_handles.h"

void (*gpfnToolboxSelect)() = nullptr;

namespace {

tGdiFont gtMarlett;
tMenuHandle gtContextMenu;

void RegisterDesignClass(const char* szName, UINT lStyle, HBRUSH hBack, WNDPROC pfnProc) {
    WNDCLASSEXA t{};
    t.cbSize = sizeof(t);
    t.style = lStyle;
    t.lpfnWndProc = pfnProc;
    t.hInstance = GetModuleHandleA(nullptr);
    t.hCursor = LoadCursor(nullptr, IDC_ARROW);
    t.hbrBackground = hBack;
    t.lpszClassName = szName;
    RegisterClassExA(&t);
}

HWND MainOwner(HWND hMain) {
    return hMain ? hMain : ghWndMain;
}

// A new row takes the user's default favourites of its kind (styles, and the
// size when bSize), within the step that made it, before its window is made.
void TakeDefaultFavorites(int32_t lRow, bool bSize) {
    tDlg t = gatDlg[lRow];
    const int32_t lStyles = ApplyDefaultFavorite(t, wkFavStyles);
    const int32_t lSize = bSize ? ApplyDefaultFavorite(t, wkFavSizes) : 0;
    if (lStyles || lSize) {
        EditTakeStylesAndRect(lRow, t);
    }
}

} // namespace

void InitDesignSurface() {
    static bool bDone = false;
    if (!bDone) {
        bDone = true;
        const HBRUSH hFace = reinterpret_cast<HBRUSH>(static_cast<intptr_t>(COLOR_BTNFACE + 1));
        const UINT lGrip = CS_VREDRAW | CS_HREDRAW | CS_SAVEBITS;
        RegisterDesignClass("KvDialog", lGrip | CS_DBLCLKS, hFace, DesignDialogProc);
        RegisterDesignClass("KvDialogClient", CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, hFace,
                            OverlayProc);
        RegisterDesignClass("KvGripper", lGrip, nullptr, GripperProc);
        // Closing the project takes the dialog off the surface and ends a
        // placement that was waiting for a click.
        AddChangeListener([](const tChange& t) {
            if (t.lTable != wkChgEverything || t.lPhase != wkChgCleared) {
                return;
            }
            if (gtElem.lDlg != 0 && gatDlg.InRange(gtElem.lDlg)) {
                HWND h = reinterpret_cast<HWND>(static_cast<intptr_t>(gatDlg[gtElem.lDlg].hWnd));
                if (h && IsWindow(h)) {
                    DestroyWindow(h);
                }
            }
            gtDesign.lPlaceKind = 0;
        });
        // A file that replaced the project is shown once its read results were.
        AddChangeListener([](const tChange& t) {
            if (t.lTable == wkChgEverything && t.lPhase == wkChgLoaded && gtElem.lResDlg != 0) {
                BuildDesignDialog(ghWndMain, gtElem.lResDlg);
            }
        });
        // Every change of the project becomes part of a step of the undo history.
        AddChangeListener(UndoChangeListener);
    }
    if (!gtMarlett) {
        const tWindowDC tScreen(nullptr);
        const int32_t lHeight = -MulDiv(9, GetDeviceCaps(tScreen.Get(), LOGPIXELSY), 72);
        gtMarlett.Reset(CreateFontA(lHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, 0, 0, 0,
                                    0, "Marlett"));
    }
    if (!gtContextMenu) {
        gtContextMenu.Reset(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_CONTEXT)));
    }
}

void FreeDesignSurface() {
    gtMarlett.Reset();
    gtContextMenu.Reset();
}

HFONT MarlettFont() {
    return gtMarlett.Get();
}

HMENU DesignContextMenu() {
    return gtContextMenu.Get();
}

void BuildDesignDialog(HWND hMain, int32_t lResDlg) {
    InitDesignSurface();
    if (HWND hOld = DesignDialogWindow()) {
        const int32_t lOld = WindowElem(hOld);
        DestroyWindow(hOld);
        gatDlg.W(lOld).hWnd = 0;
    }
    const int32_t lDlg = FindDlgRowByID(gatRes[lResDlg].lIDElem);
    if (!gatDlg.Live(lDlg)) {
        return;
    }
    const tDlg& tRow = gatDlg[lDlg];
    const RECT r = DialogWindowRect(RowRect(lDlg), false);
    const tDesignStyles tDef{gatCtlDefault[wkCtlDialog].lDesignStyle,
                             gatCtlDefault[wkCtlDialog].lDesignExStyle};
    // A page of a tab control (child, control) still shows as a window of its own.
    const DWORD lStyle =
        (static_cast<DWORD>(tRow.lStyle) & ~(WS_CHILD | 0x400u)) | static_cast<DWORD>(tDef.lStyle);
    const DWORD lExStyle = (static_cast<DWORD>(tRow.lExStyle) & ~DWORD{WS_EX_TOPMOST}) |
                           static_cast<DWORD>(tDef.lExStyle);
    gtElem.lDlg = lDlg;
    gtElem.lCtl = lDlg;
    gtElem.lResDlg = lResDlg;
    gtDesign.lBuilding = 1;
    const int32_t lWasSuspended = glUpdatesSuspended;
    glUpdatesSuspended = 1;
    HWND hDialog = CreateWindowExA(lExStyle, "KvDialog", GetDynStr(tRow.lCaptionElem).c_str(),
                                   lStyle & ~DWORD{WS_VISIBLE}, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, MainOwner(hMain), nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    if (!hDialog) {
        gtDesign.lBuilding = 0;
        glUpdatesSuspended = lWasSuspended;
        return;
    }
    const std::string sIcon = DataFileName(lDlg);
    if (!sIcon.empty()) {
        gtDesign.hSmallIcon = static_cast<HICON>(
            LoadImageA(nullptr, sIcon.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE));
        if (gtDesign.hSmallIcon) {
            SendMessageA(hDialog, WM_SETICON, ICON_SMALL,
                         reinterpret_cast<LPARAM>(gtDesign.hSmallIcon));
        }
    }
    SendMessageA(hDialog, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(tRow.lFontElem)), 0);
    gatDlg.W(lDlg).hWnd = reinterpret_cast<intptr_t>(hDialog);
    gtDesign.lFailShown = 0;
    const int32_t lRes = gatDlg[lDlg].lResElem;
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        const tDlg& t = gatDlg[l];
        if (!t.byDeleted && t.lResElem == lRes && t.lCtlType != wkCtlDialog) {
            gtElem.lCtl = l;
            CreateControlWindow(gtDesign.hOverlay, l);
        }
    }
    gtElem.lResMenu = gatRes[lResDlg].lLinkMenu;
    gtElem.lResAccel = gatRes[lResDlg].lLinkAccel;
    if (gtElem.lResMenu) {
        ShowMenuBar(hDialog);
    }
    ShowWindow(hDialog, SW_SHOWNORMAL);
    UpdateWindow(hDialog);
    gtDesign.lBuilding = 0;
    glUpdatesSuspended = lWasSuspended;
    gtElem.lCtl = lDlg;
    HideFocusGrippers();
    ShowRowReadout(lDlg);
    EnableWindow(hDialog, TRUE);
    SetFocus(hDialog);
    UpdateCommands();
}

int32_t NewDesignDialog(HWND hMain) {
    InitDesignSurface();
    if (HWND hOld = DesignDialogWindow()) {
        const int32_t lOld = WindowElem(hOld);
        DestroyWindow(hOld);
        gatDlg.W(lOld).hWnd = 0;
    }
    const int32_t lDlg = NewDialog();
    if (!lDlg) {
        return 0;
    }
    TakeDefaultFavorites(lDlg, true);
    const tDlg& tRow = gatDlg[lDlg];
    const RECT r = DialogWindowRect(RowRect(lDlg), false);
    const DWORD lStyle = static_cast<DWORD>(tRow.lStyle | gatCtlDefault[wkCtlDialog].lDesignStyle);
    const DWORD lExStyle =
        static_cast<DWORD>(tRow.lExStyle | gatCtlDefault[wkCtlDialog].lDesignExStyle);
    gtDesign.lBuilding = 1;
    HWND hDialog = CreateWindowExA(lExStyle, "KvDialog", GetDynStr(tRow.lCaptionElem).c_str(),
                                   lStyle & ~DWORD{WS_VISIBLE}, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, MainOwner(hMain), nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    if (!hDialog) {
        gtDesign.lBuilding = 0;
        return lDlg;
    }
    SendMessageA(hDialog, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(tRow.lFontElem)), 0);
    gatDlg.W(lDlg).hWnd = reinterpret_cast<intptr_t>(hDialog);
    gtElem.lResMenu = gatRes[gtElem.lResDlg].lLinkMenu;
    gtElem.lResAccel = gatRes[gtElem.lResDlg].lLinkAccel;
    if (gtElem.lResMenu) {
        ShowMenuBar(hDialog);
    }
    ShowWindow(hDialog, SW_SHOWNORMAL);
    UpdateWindow(hDialog);
    gtDesign.lBuilding = 0;
    // Windows may have placed or sized the window otherwise: the model takes
    // what it shows.
    StoreDialogRect(hDialog, true);
    HideFocusGrippers();
    ShowRowReadout(lDlg);
    SetFocus(hDialog);
    UpdateCommands();
    return lDlg;
}

int32_t NewDesignControl(int32_t lKind, int32_t lLeft, int32_t lTop, int32_t lRight,
                         int32_t lBottom) {
    HWND hOverlay = DesignOverlayWindow();
    if (!hOverlay || !gatDlg.Live(gtElem.lDlg)) {
        return 0;
    }
    DesignStep tStep("New control");
    const int32_t lRow = NewControl(gtElem.lDlg, lKind, {lLeft, lTop, lRight, lBottom});
    if (!lRow) {
        return 0;
    }
    // The rectangle is the one drawn (or the toolbox's, sized by the default favourite).
    TakeDefaultFavorites(lRow, false);
    gtElem.lCtl = lRow;
    CreateControlWindow(hOverlay, lRow);
    HWND hWnd = RowWindow(lRow);
    FitToPicture(lRow);
    ShowFocusGrippers(hWnd);
    ShowRowReadout(lRow);
    SetFocus(gtDesign.hDialog);
    UpdateCommands();
    return lRow;
}

void FitToPicture(int32_t lRow) {
    HWND hWnd = RowWindow(lRow);
    const int32_t lKind = gatDlg[lRow].lCtlType;
    const uint32_t lStyle = static_cast<uint32_t>(gatDlg[lRow].lStyle);
    // An image without SS_CENTERIMAGE or an animation without ACS_CENTER sized
    // its window to its picture; the row takes that size.
    if (hWnd && ((lKind == wkCtlImage && !(lStyle & 0x200)) ||
                 (lKind == wkCtlAnimate && !(lStyle & 0x1)))) {
        RECT r = WindowRectIn(hWnd, gtDesign.hOverlay);
        EditSetRect(lRow, PixelsToDlg({r.left, r.top, r.right, r.bottom}));
    }
}

void SetPlacing(int32_t lKind) {
    gtDesign.lPlaceKind = lKind > 0 && lKind < wkCtlKindCount ? lKind : 0;
}

int32_t PlacingKind() {
    return gtDesign.lPlaceKind;
}
