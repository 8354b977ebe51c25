#include "designer/toolbox.h"

#include "app/main_bars.h"
#include "app/main_window.h"
#include "app/settings/settings.h"
#include "designer/design_state.h"
#include "model/paste_place.h"
#include "model/project.h"
#include "props/rules/favorites.h"
#include "resources/resource_ids.h"
#include "styles/control_kinds.h"
#include "win/win_handles.h"

#include <commctrl.h>

#include <memory>
#include <type_traits>

namespace {

constexpr char kClass[] = "KvDlgEdit_ToolBox";
constexpr int32_t kToolCount = IDT_LAST - IDT_SELECT + 1;
constexpr int kBarId = IDB_TOOLBOX; // the tool bar's control id is the bitmap's

struct tToolbox {
    int32_t lCurTool = IDT_SELECT;
    DWORD lLastClick = 0;
    RECT tRemembered{};
    bool bRemembered = false;
    // The images with the strip's button-face grey transparent.
    tImageList hImages;
};
tToolbox gtToolbox;

HWND ToolBar(HWND hToolbox) {
    return GetDlgItem(hToolbox, kBarId);
}

// The status text or, with bTip, the tooltip of a tool's help string.
std::string ToolHelp(int32_t lId, bool bTip) {
    char sz[256] = "";
    LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(lId), sz, sizeof(sz));
    const std::string s(sz);
    const std::size_t l = s.find('\n');
    if (l == std::string::npos) {
        return bTip ? s : std::string();
    }
    return bTip ? s.substr(l + 1) : s.substr(0, l);
}

void CheckTool(HWND hBar, int32_t lId, bool bCheck) {
    SendMessageA(hBar, TB_CHECKBUTTON, static_cast<WPARAM>(lId), MAKELPARAM(bCheck ? 1 : 0, 0));
}

void BackToSelect(HWND hBar) {
    if (gtToolbox.lCurTool != IDT_SELECT) {
        CheckTool(hBar, gtToolbox.lCurTool, false);
    }
    gtToolbox.lCurTool = IDT_SELECT;
    CheckTool(hBar, IDT_SELECT, true);
    SetPlacing(0);
}

// Called by the surface once a drawn control is placed or placing is cancelled.
void SurfaceDone() {
    if (ghToolbox && IsWindow(ghToolbox)) {
        BackToSelect(ToolBar(ghToolbox));
    }
}

// A double-click on a kind's tool: a control at the default place, asking
// first when that place lies outside what the dialog shows.
void PlaceDefaultControl(HWND hToolbox, int32_t lKind) {
    HWND hOverlay = DesignOverlayWindow();
    if (!hOverlay || !gatDlg.Live(gtElem.lDlg) || lKind <= 0 || lKind >= wkCtlKindCount) {
        return;
    }
    // The kind's size, or the size of the user's default favourite for it.
    tDlg tSize{};
    tSize.lCtlType = lKind;
    tSize.nRight = gatCtlDefault[lKind].lWidth;
    tSize.nBottom = gatCtlDefault[lKind].lHeight;
    ApplyDefaultFavorite(tSize, wkFavSizes);
    const tDlgRect t =
        DefaultControlRect(gtElem.lResDlg, tSize.nRight - tSize.nLeft, tSize.nBottom - tSize.nTop);
    RECT r{};
    GetClientRect(hOverlay, &r);
    if (!RectInsideClient(t, PixelsToDlgX(r.right), PixelsToDlgY(r.bottom)) &&
        MessageBoxA(hToolbox,
                    "The automatic placement of the control places it outside the\r"
                    "visible area of the dialog. If you continue, you will need to\r"
                    "resize your dialog to see the newly added control.\r\r"
                    "Do you want to continue?",
                    "Wrenkit", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    NewDesignControl(lKind, t.nLeft, t.nTop, t.nRight, t.nBottom);
}

HWND CreateToolBar(HWND hWnd) {
    TBBUTTON atButton[kToolCount]{};
    for (int32_t i = 0; i < kToolCount; ++i) {
        atButton[i].iBitmap = i;
        atButton[i].idCommand = IDT_SELECT + i;
        atButton[i].fsState = TBSTATE_ENABLED;
        atButton[i].fsStyle = TBSTYLE_CHECK;
    }
    // Tools whose library is missing are shown, but cannot draw anything.
    WNDCLASSA tInfo{};
    const bool bRichEdit = GetClassInfoA(nullptr, "RichEdit", &tInfo) != FALSE;
    for (int32_t i = 0; i < kToolCount; ++i) {
        const int32_t lKind = i;
        if ((!glComCtlsEx && lKind >= wkCtlDateTime && lKind <= wkCtlIPAddress) ||
            (!bRichEdit && lKind == wkCtlRichEdit)) {
            atButton[i].fsState = TBSTATE_INDETERMINATE;
        }
    }
    // Images of 16 x 16 on buttons of the flat bar's own size: two columns of
    // fifteen fill the window.
    HWND hBar = CreateToolbarEx(hWnd,
                                WS_CHILD | WS_VISIBLE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS |
                                    TBSTYLE_WRAPABLE | TBSTYLE_FLAT,
                                kBarId, kToolCount, GetModuleHandleA(nullptr), IDB_TOOLBOX,
                                atButton, kToolCount, 0, 0, 16, 16, sizeof(TBBUTTON));
    if (hBar) {
        HINSTANCE hInst = GetModuleHandleA(nullptr);
        tGdiBitmap tStrip(static_cast<HBITMAP>(LoadImageA(
            hInst, MAKEINTRESOURCEA(IDB_TOOLBOX), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        gtToolbox.hImages.Reset(ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, kToolCount, 0));
        if (tStrip && gtToolbox.hImages) {
            ImageList_AddMasked(gtToolbox.hImages.Get(), tStrip.Get(), RGB(192, 192, 192));
            SendMessageA(hBar, TB_SETIMAGELIST, 0,
                         reinterpret_cast<LPARAM>(gtToolbox.hImages.Get()));
        }
        RECT r{};
        GetClientRect(hWnd, &r);
        SetWindowPos(hBar, nullptr, 0, 0, r.right, r.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(hBar, TB_AUTOSIZE, 0, 0);
        if (HWND hTip = reinterpret_cast<HWND>(SendMessageA(hBar, TB_GETTOOLTIPS, 0, 0))) {
            SetWindowLongA(hTip, GWL_STYLE, GetWindowLongA(hTip, GWL_STYLE) | TTS_ALWAYSTIP);
        }
    }
    return hBar;
}

LRESULT OnNotify(const NMHDR& tHdr) {
    if (!glAppActive) {
        return 0;
    }
    if (tHdr.code == TBN_HOTITEMCHANGE) {
        const auto& t = reinterpret_cast<const NMTBHOTITEM&>(tHdr);
        if (!(t.dwFlags & HICF_LEAVING) && t.idNew >= IDT_SELECT && t.idNew <= IDT_LAST) {
            SetStatusHelp(ToolHelp(t.idNew, false));
        }
    } else if (tHdr.code == TTN_NEEDTEXTA) {
        auto& t = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(tHdr));
        const auto lId = static_cast<int32_t>(t.hdr.idFrom);
        if (lId >= IDT_SELECT && lId <= IDT_LAST) {
            const std::string s = ToolHelp(lId, true);
            lstrcpynA(t.szText, s.c_str(), sizeof(t.szText));
        }
    }
    return 0;
}

void OnShowWindow(HWND hWnd, bool bShow) {
    if (!bShow) {
        GetWindowRect(hWnd, &gtToolbox.tRemembered);
        gtToolbox.bRemembered = true;
        return;
    }
    POINT p{};
    if (gtToolbox.bRemembered) {
        p = {gtToolbox.tRemembered.left, gtToolbox.tRemembered.top};
    } else {
        const tWinPlacement t = ReadWindowPos(wkPosToolboxDlg, ScreenSizeNow());
        if (!t.lMove) {
            return;
        }
        p = {t.lLeft, t.lTop};
    }
    SetWindowPos(hWnd, nullptr, p.x, p.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

LRESULT CALLBACK ToolboxProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_CREATE:
        glToolboxAllowed = 1;
        CreateToolBar(hWnd);
        gtToolbox.lCurTool = IDT_SELECT;
        CheckTool(ToolBar(hWnd), IDT_SELECT, true);
        SetPlacing(0);
        gpfnToolboxSelect = SurfaceDone;
        return 0;
    case WM_DESTROY: {
        glToolboxAllowed = 0;
        RECT r{};
        GetWindowRect(hWnd, &r);
        SaveWindowPos(wkPosToolboxDlg, {r.left, r.top, r.right, r.bottom});
        if (ghWndMain) {
            CheckMenuItem(GetMenu(ghWndMain), IDM_TOOLBOX, MF_BYCOMMAND | MF_UNCHECKED);
        }
        if (ghToolbox == hWnd) {
            ghToolbox = nullptr;
        }
        gpfnToolboxSelect = nullptr;
        SetPlacing(0);
        return 0;
    }
    case WM_NCDESTROY:
        // The tool bar, destroyed after its parent's WM_DESTROY, is gone now.
        gtToolbox.hImages.Reset();
        break;
    case WM_SHOWWINDOW:
        OnShowWindow(hWnd, wParam != 0);
        break;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND: {
        const int32_t lId = LOWORD(wParam);
        if (lId >= IDT_SELECT && lId <= IDT_LAST) {
            SelectTool(hWnd, lId);
            return 0;
        }
        break;
    }
    default:
        break;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

} // namespace

void RegisterToolboxClass() {
    WNDCLASSA tClass{};
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    if (GetClassInfoA(hInst, kClass, &tClass)) {
        return;
    }
    tClass.style = CS_VREDRAW | CS_HREDRAW;
    tClass.lpfnWndProc = ToolboxProc;
    tClass.hInstance = hInst;
    tClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    tClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    tClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    tClass.lpszClassName = kClass;
    RegisterClassA(&tClass);
}

HWND CreateToolboxWindow(HWND hOwner) {
    RegisterToolboxClass();
    int32_t lLeft = 10;
    int32_t lTop = 80;
    const tWinPlacement t = ReadWindowPos(wkPosToolboxDlg, ScreenSizeNow());
    if (t.lMove) {
        lLeft = t.lLeft;
        lTop = t.lTop;
    }
    gtToolbox = tToolbox{};
    HWND hWnd = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_DLGMODALFRAME, kClass, "",
                                WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU, lLeft, lTop,
                                52, GetSystemMetrics(SM_CYSMCAPTION) + 336, hOwner, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (hWnd && hOwner) {
        CheckMenuItem(GetMenu(hOwner), IDM_TOOLBOX, MF_BYCOMMAND | MF_CHECKED);
    }
    return hWnd;
}

void DestroyToolboxWindow() {
    if (ghToolbox && IsWindow(ghToolbox)) {
        DestroyWindow(ghToolbox);
    }
    ghToolbox = nullptr;
}

int32_t CurrentTool() {
    return gtToolbox.lCurTool;
}

void SelectTool(HWND hToolbox, int32_t lId) {
    if (lId < IDT_SELECT || lId > IDT_LAST) {
        return;
    }
    HWND hBar = ToolBar(hToolbox);
    const int32_t lKind = lId - IDT_SELECT;
    if (lId != gtToolbox.lCurTool) {
        CheckTool(hBar, gtToolbox.lCurTool, false);
        gtToolbox.lCurTool = lId;
    }
    const bool bChecked = SendMessageA(hBar, TB_ISBUTTONCHECKED, static_cast<WPARAM>(lId), 0) != 0;
    const DWORD lNow = GetTickCount();
    if (!bChecked && lKind > 0 && lNow - gtToolbox.lLastClick <= GetDoubleClickTime()) {
        PlaceDefaultControl(hToolbox, lKind);
        BackToSelect(hBar);
        return;
    }
    gtToolbox.lLastClick = lNow;
    CheckTool(hBar, lId, true);
    SetPlacing(lKind);
}
