// The main window's toolbar, status bar and workspace: creation, layout, and
// the help texts they show.
#include "app/main_bars.h"

#include "app/main_window.h"
#include "model/options.h"
#include "resources/resource_ids.h"
#include "win/win_handles.h"

#include <commctrl.h>

#include <array>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// One toolbar button: image, command, label ("" and -1 for a separator).
struct tToolButton {
    int32_t lImage;
    int32_t lCmd;
    const char* szLabel;
};

constexpr std::array<tToolButton, 19> gatToolButton{{
    {-1, 0, ""},
    {0, IDM_NEWDIALOG, "New"},
    {1, IDM_SELECTDIALOG, "SelDlg"},
    {2, IDM_OPEN, "Open"},
    {3, IDM_SAVE, "Save"},
    {-1, 0, ""},
    {4, IDM_CUT, "Cut"},
    {5, IDM_COPY, "Copy"},
    {6, IDM_PASTE, "Paste"},
    {-1, 0, ""},
    {7, IDM_PROPERTIES, "Props"},
    {8, IDM_TESTDIALOG, "Test"},
    {-1, 0, ""},
    {9, IDM_IDEDITOR, "ID Edit"},
    {10, IDM_MENUEDITOR, "Menu"},
    {11, IDM_VERSIONEDITOR, "Version"},
    {12, IDM_TABORDER, "Tabs"},
    {-1, 0, ""},
    {13, IDM_HELPTOPICS, "Help"},
}};
constexpr int32_t kToolImages = 14;

// The toolbar's images with a mask: the button-face grey of the bitmap is
// transparent, so gray buttons show the outline of their glyph.
tImageList gtToolImages;
tImageList gtToolImagesGray;

// The images of gray buttons: every glyph pixel as a pale grey of its own
// brightness, the transparent grey left alone.
tImageList MakeGrayImages(HBITMAP hStrip, int32_t lPixels) {
    BITMAP tInfo{};
    GetObjectA(hStrip, sizeof(tInfo), &tInfo);
    BITMAPINFO tBits{};
    tBits.bmiHeader.biSize = sizeof(tBits.bmiHeader);
    tBits.bmiHeader.biWidth = tInfo.bmWidth;
    tBits.bmiHeader.biHeight = tInfo.bmHeight;
    tBits.bmiHeader.biPlanes = 1;
    tBits.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> alPixel(static_cast<size_t>(tInfo.bmWidth) * tInfo.bmHeight);
    const tWindowDC tScreen(nullptr);
    HDC hDC = tScreen.Get();
    GetDIBits(hDC, hStrip, 0, tInfo.bmHeight, alPixel.data(), &tBits, DIB_RGB_COLORS);
    for (uint32_t& l : alPixel) {
        const uint32_t r = (l >> 16) & 0xFF, g = (l >> 8) & 0xFF, b = l & 0xFF;
        if (r == 192 && g == 192 && b == 192) {
            continue;
        }
        const uint32_t lGray = 120 + (r * 30 + g * 59 + b * 11) / 100 * 110 / 255;
        l = (lGray << 16) | (lGray << 8) | lGray;
    }
    tGdiBitmap tGray(CreateCompatibleBitmap(hDC, tInfo.bmWidth, tInfo.bmHeight));
    SetDIBits(hDC, tGray.Get(), 0, tInfo.bmHeight, alPixel.data(), &tBits, DIB_RGB_COLORS);
    tImageList tList(ImageList_Create(lPixels, lPixels, ILC_COLOR24 | ILC_MASK, kToolImages, 0));
    if (tList) {
        ImageList_AddMasked(tList.Get(), tGray.Get(), RGB(192, 192, 192));
    }
    return tList;
}

// The status icons live as long as the status bar shows them.
tIcon gtPosIcon;
tIcon gtSizeIcon;

int32_t WindowHeight(HWND hWnd) {
    RECT tRect{};
    if (hWnd) {
        GetWindowRect(hWnd, &tRect);
    }
    return tRect.bottom - tRect.top;
}

} // namespace

HWND CreateMainToolbar(HWND hWnd) {
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    const bool bLarge = gtOptions.lToolbarSize != 0;
    const bool bLabels = bLarge && gtOptions.lToolbarText != 0;
    const int32_t lPixels = bLarge ? 24 : 16;

    std::array<TBBUTTON, gatToolButton.size()> atButton{};
    int32_t lLabel = 0;
    for (size_t i = 0; i < gatToolButton.size(); ++i) {
        const tToolButton& t = gatToolButton[i];
        TBBUTTON& b = atButton[i];
        if (t.lImage < 0) {
            b.fsStyle = TBSTYLE_SEP;
            b.iString = -1;
            continue;
        }
        b.iBitmap = t.lImage;
        b.idCommand = t.lCmd;
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = TBSTYLE_BUTTON;
        b.iString = bLabels ? lLabel++ : -1;
    }
    HWND hBar = CreateToolbarEx(
        hWnd, WS_CHILD | WS_VISIBLE | CCS_TOP | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT, IDC_TOOLBAR,
        kToolImages, hInst, bLarge ? IDB_TOOLBAR24 : IDB_TOOLBAR16, atButton.data(),
        static_cast<int>(atButton.size()), 0, 0, lPixels, lPixels, sizeof(TBBUTTON));
    if (!hBar) {
        return nullptr;
    }
    tGdiBitmap tStrip(static_cast<HBITMAP>(
        LoadImageA(hInst, MAKEINTRESOURCEA(bLarge ? IDB_TOOLBAR24 : IDB_TOOLBAR16), IMAGE_BITMAP, 0,
                   0, LR_CREATEDIBSECTION)));
    gtToolImages.Reset(ImageList_Create(lPixels, lPixels, ILC_COLOR24 | ILC_MASK, kToolImages, 0));
    if (tStrip && gtToolImages) {
        // Gray copies first: adding with a mask blackens the strip's transparent grey.
        gtToolImagesGray = MakeGrayImages(tStrip.Get(), lPixels);
        ImageList_AddMasked(gtToolImages.Get(), tStrip.Get(), RGB(192, 192, 192));
        SendMessageA(hBar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(gtToolImages.Get()));
        SendMessageA(hBar, TB_SETDISABLEDIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(gtToolImagesGray.Get()));
    }
    if (bLabels) {
        // The string pool: every label followed by a zero byte, one more at the end.
        std::string sPool;
        for (const tToolButton& t : gatToolButton) {
            if (t.lImage >= 0) {
                sPool += t.szLabel;
                sPool += '\0';
            }
        }
        sPool += '\0';
        SendMessageA(hBar, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(sPool.data()));
        SendMessageA(hBar, TB_AUTOSIZE, 0, 0);
    }
    // Tooltips show even while another of the program's windows is active, and
    // above the design dialog and the toolbox.
    if (HWND hTips = reinterpret_cast<HWND>(SendMessageA(hBar, TB_GETTOOLTIPS, 0, 0))) {
        SetWindowLongPtrA(hTips, GWL_STYLE, GetWindowLongPtrA(hTips, GWL_STYLE) | TTS_ALWAYSTIP);
        SetWindowPos(hTips, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return hBar;
}

HWND CreateMainStatusBar(HWND hWnd) {
    HWND hBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | WS_BORDER | SBARS_SIZEGRIP | CCS_BOTTOM,
                                    "", hWnd, IDC_STATUSBAR);
    if (!hBar) {
        return nullptr;
    }
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    gtPosIcon.Reset(static_cast<HICON>(
        LoadImageA(hInst, MAKEINTRESOURCEA(IDI_STATUSPOS), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    gtSizeIcon.Reset(static_cast<HICON>(
        LoadImageA(hInst, MAKEINTRESOURCEA(IDI_STATUSSIZE), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    return hBar;
}

void SetStatusIcons() {
    SendMessageA(ghStatus, SB_SETICON, 1, reinterpret_cast<LPARAM>(gtPosIcon.Get()));
    SendMessageA(ghStatus, SB_SETICON, 2, reinterpret_cast<LPARAM>(gtSizeIcon.Get()));
}

void FreeBarResources() {
    gtPosIcon.Reset();
    gtSizeIcon.Reset();
    gtToolImages.Reset();
    gtToolImagesGray.Reset();
}

void EraseMainBackground(HWND hWnd, HDC hDC) {
    // The flat toolbar is transparent and lets the main window paint behind
    // it: button face there, the workspace colour everywhere else.
    RECT tClient{};
    GetClientRect(hWnd, &tClient);
    FillRect(hDC, &tClient, GetSysColorBrush(COLOR_APPWORKSPACE));
    if (ghToolbar) {
        RECT tBar{};
        GetWindowRect(ghToolbar, &tBar);
        MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&tBar), 2);
        FillRect(hDC, &tBar, GetSysColorBrush(COLOR_BTNFACE));
    }
}

RECT WorkspaceRect(HWND hWnd) {
    RECT tClient{};
    GetClientRect(hWnd, &tClient);
    RECT tWork{};
    tWork.left = 0;
    tWork.top = WindowHeight(ghToolbar) - 4;
    tWork.right = tClient.right;
    tWork.bottom = tClient.bottom - WindowHeight(ghStatus);
    if (tWork.bottom < tWork.top) {
        tWork.bottom = tWork.top;
    }
    return tWork;
}

void SetStatusParts(int32_t lWidth) {
    // The first status-bar part carries the help texts, the second the position
    // and the third the size.
    int aParts[4] = {lWidth - 200, lWidth - 110, lWidth - 20, 0};
    SendMessageA(ghStatus, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(aParts));
}

void LayoutMainWindow(HWND hWnd) {
    const RECT tWork = WorkspaceRect(hWnd);
    if (ghWorkspace) {
        MoveWindow(ghWorkspace, tWork.left, tWork.top, tWork.right - tWork.left,
                   tWork.bottom - tWork.top, TRUE);
    }
    SetStatusParts(tWork.right - tWork.left);
}

void MainMinMaxInfo(MINMAXINFO& tInfo) {
    tInfo.ptMinTrackSize.x = 240;
    tInfo.ptMinTrackSize.y = 2 * (WindowHeight(ghToolbar) + WindowHeight(ghStatus) +
                                  GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU));
}

std::string HelpText(int32_t lId, int32_t lPart) {
    char szText[256] = "";
    LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(lId), szText, sizeof(szText));
    const std::string sText = szText;
    const size_t lBreak = sText.find('\n');
    switch (lPart) {
    case 1:
        return lBreak == std::string::npos ? sText : sText.substr(0, lBreak);
    case 2:
        return lBreak == std::string::npos ? std::string() : sText.substr(lBreak + 1);
    default:
        return sText;
    }
}

void SetStatusHelp(const std::string& sText) {
    if (ghStatus) {
        SendMessageA(ghStatus, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(sText.c_str()));
    }
}

void ShowPosSize(const RECT& tRect) {
    if (!ghStatus) {
        return;
    }
    const std::string sPos = std::to_string(tRect.left) + ", " + std::to_string(tRect.top);
    const std::string sSize =
        std::to_string(tRect.right - tRect.left) + " x " + std::to_string(tRect.bottom - tRect.top);
    SendMessageA(ghStatus, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(sPos.c_str()));
    SendMessageA(ghStatus, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(sSize.c_str()));
}

void ClearPosSize() {
    if (!ghStatus) {
        return;
    }
    SendMessageA(ghStatus, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(""));
    SendMessageA(ghStatus, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(""));
}

LRESULT MainBarsNotify(const NMHDR& tHdr) {
    if (!glAppActive) {
        return 0;
    }
    if (tHdr.code == TBN_HOTITEMCHANGE) {
        const auto& tHot = reinterpret_cast<const NMTBHOTITEM&>(tHdr);
        SetStatusHelp(HelpText(tHot.idNew, 1));
    } else if (tHdr.code == TTN_NEEDTEXTA) {
        // The text must outlive this message: the tooltip copies it afterwards.
        static std::string sTip;
        auto& tInfo = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(tHdr));
        sTip = HelpText(static_cast<int32_t>(tHdr.idFrom), 2);
        tInfo.lpszText = sTip.data();
    } else if (tHdr.code == TTN_NEEDTEXTW) {
        static std::wstring sTipW;
        auto& tInfo = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(tHdr));
        const std::string sTip = HelpText(static_cast<int32_t>(tHdr.idFrom), 2);
        sTipW.assign(sTip.begin(), sTip.end());
        tInfo.lpszText = sTipW.data();
    }
    return 0;
}
