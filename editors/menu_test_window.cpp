// The "Test Menu" window (see menu_test_window.h).
#include "editors/menu_test_window.h"

#include "app/settings/settings.h"
#include "edit/menu_edits.h"
#include "model/accel_keys.h"
#include "model/project.h"
#include "win/modal.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

constexpr char kTestClass[] = "KvTestMenu";
constexpr int kExitId = 101;
constexpr int kLabelId = 102;
constexpr int kStatusId = 103;

struct tTestMenu {
    int32_t lResMenu = 0;
    HWND hStatus = nullptr;
    HWND hLabel = nullptr;
    HWND hExit = nullptr;
    bool bDone = false;
};
tTestMenu* gpTest = nullptr;

UINT MenuFlags(const tMenu& t) {
    UINT l = 0;
    l |= (t.lOptions & wkMfChecked) ? MF_CHECKED : 0;
    l |= (t.lOptions & wkMfGrayed) ? MF_GRAYED : 0;
    l |= (t.lOptions & wkMfDisabled) ? MF_DISABLED : 0;
    l |= (t.lOptions & wkMfMenuBreak) ? MF_MENUBREAK : 0;
    l |= (t.lOptions & wkMfMenuBarBreak) ? MF_MENUBARBREAK : 0;
    return l;
}

// Appends the items from lPos on that sit at lLevel or deeper; returns the
// first position past them.
size_t AppendItems(HMENU hMenu, const std::vector<int32_t>& alRows, size_t lPos, int32_t lLevel) {
    while (lPos < alRows.size()) {
        const int32_t l = alRows[lPos];
        const tMenu& t = gatMenu[l];
        if (t.lLevel < lLevel) {
            break;
        }
        ++lPos;
        if (t.lType != wkMenuSeparator && t.lCaptionElem == 0) {
            continue;
        }
        const std::string sText = MenuTextKvl(l);
        if (t.lType == wkMenuSeparator) {
            AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
        } else if (t.lType == wkMenuPopup) {
            HMENU hSub = CreatePopupMenu();
            lPos = AppendItems(hSub, alRows, lPos, t.lLevel + 1);
            AppendMenuA(hMenu, MF_POPUP | MenuFlags(t), reinterpret_cast<UINT_PTR>(hSub),
                        sText.c_str());
        } else {
            AppendMenuA(hMenu, MF_STRING | MenuFlags(t),
                        static_cast<UINT_PTR>(static_cast<uint16_t>(gatID[t.lIDElem].lIDValue)),
                        sText.c_str());
        }
    }
    return lPos;
}

void Layout(HWND hWnd) {
    RECT tClient{};
    GetClientRect(hWnd, &tClient);
    SendMessageA(gpTest->hStatus, WM_SIZE, 0, 0);
    RECT tStatus{};
    GetWindowRect(gpTest->hStatus, &tStatus);
    const int cyStatus = tStatus.bottom - tStatus.top;
    MoveWindow(gpTest->hLabel, 0, 0, tClient.right, tClient.bottom - cyStatus, TRUE);
}

// The prompt of the item with the command value, "" when it has none.
std::string PromptOf(UINT lCmd) {
    for (int32_t l : MenuItemRows(gpTest->lResMenu)) {
        const tMenu& t = gatMenu[l];
        if (t.lType == wkMenuItem && static_cast<uint16_t>(gatID[t.lIDElem].lIDValue) == lCmd) {
            return GetDynStr(gatStr[t.lStrElem].lStrElem);
        }
    }
    return std::string();
}

LRESULT CALLBACK TestMenuProc(HWND hWnd, UINT lMsg, WPARAM wParam, LPARAM lParam) {
    if (!gpTest) {
        return DefWindowProcA(hWnd, lMsg, wParam, lParam);
    }
    switch (lMsg) {
    case WM_SIZE:
        Layout(hWnd);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kExitId) {
            DestroyWindow(hWnd);
        }
        return 0;
    case WM_MENUSELECT: {
        const bool bClosed = HIWORD(wParam) == 0xFFFF && lParam == 0;
        const bool bPopup = (HIWORD(wParam) & MF_POPUP) != 0;
        const std::string s = bClosed || bPopup ? std::string() : PromptOf(LOWORD(wParam));
        SendMessageA(gpTest->hStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(s.c_str()));
        return 0;
    }
    case WM_CONTEXTMENU: {
        HMENU hPopup = BuildLiveMenu(gpTest->lResMenu, true);
        POINT tAt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (lParam == -1) {
            GetCursorPos(&tAt);
        }
        TrackPopupMenu(hPopup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, tAt.x, tAt.y, 0, hWnd, nullptr);
        DestroyMenu(hPopup);
        return 0;
    }
    case WM_DESTROY: {
        RECT tRect{};
        GetWindowRect(hWnd, &tRect);
        SaveWindowPos(wkPosTestMenu, tWinRect{tRect.left, tRect.top, tRect.right, tRect.bottom});
        gpTest->bDone = true;
        return 0;
    }
    default:
        return DefWindowProcA(hWnd, lMsg, wParam, lParam);
    }
}

} // namespace

HMENU BuildLiveMenu(int32_t lResMenu, bool bPopup) {
    HMENU hMenu = bPopup ? CreatePopupMenu() : CreateMenu();
    const std::vector<int32_t> alRows = MenuItemRows(lResMenu);
    for (size_t lPos = 0; lPos < alRows.size();) {
        // An item shallower than those before it starts a new run at its level.
        lPos = AppendItems(hMenu, alRows, lPos, gatMenu[alRows[lPos]].lLevel);
    }
    return hMenu;
}

void RunMenuTestWindow(HWND hOwner, int32_t lResMenu) {
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    WNDCLASSA tClass{};
    if (!GetClassInfoA(hInst, kTestClass, &tClass)) {
        tClass.lpfnWndProc = TestMenuProc;
        tClass.hInstance = hInst;
        tClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        tClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        tClass.lpszClassName = kTestClass;
        RegisterClassA(&tClass);
    }
    tTestMenu tState;
    tState.lResMenu = lResMenu;
    gpTest = &tState;

    RECT tSize{0, 0, 100, 50};
    MapDialogRect(hOwner, &tSize);
    RECT tExit{15, 15, 75, 29};
    MapDialogRect(hOwner, &tExit);
    HWND hWnd = CreateWindowExA(0, kTestClass, "Test Menu",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                                CW_USEDEFAULT, CW_USEDEFAULT, tSize.right * 2, tSize.bottom * 2,
                                hOwner, BuildLiveMenu(lResMenu, false), hInst, nullptr);
    if (!hWnd) {
        gpTest = nullptr;
        return;
    }
    const tWinPlacement tPlace = ReadWindowPos(wkPosTestMenu, ScreenSizeNow());
    if (tPlace.lMove) {
        SetWindowPos(hWnd, nullptr, tPlace.lLeft, tPlace.lTop, tPlace.lWidth, tPlace.lHeight,
                     SWP_NOZORDER | (tPlace.lSize ? 0 : SWP_NOSIZE));
    }
    HFONT hFont = reinterpret_cast<HFONT>(SendMessageA(hOwner, WM_GETFONT, 0, 0));
    tState.hLabel = CreateWindowExA(
        0, "Static", " Right-click in the client area (here) to display the pop-up menu",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_SUNKEN, 0, 0, 10, 10, hWnd,
        reinterpret_cast<HMENU>(static_cast<intptr_t>(kLabelId)), hInst, nullptr);
    tState.hExit =
        CreateWindowExA(0, "Button", "Exit Test", WS_CHILD | WS_VISIBLE | WS_TABSTOP, tExit.left,
                        tExit.top, tExit.right - tExit.left, tExit.bottom - tExit.top, hWnd,
                        reinterpret_cast<HMENU>(static_cast<intptr_t>(kExitId)), hInst, nullptr);
    tState.hStatus =
        CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hWnd,
                        reinterpret_cast<HMENU>(static_cast<intptr_t>(kStatusId)), hInst, nullptr);
    for (HWND h : {tState.hLabel, tState.hExit, tState.hStatus}) {
        SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    }
    // The button lies over the label, so it is drawn above it.
    SetWindowPos(tState.hExit, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Layout(hWnd);
    ShowWindow(hWnd, SW_SHOW);

    {
        // Modal to the editor: the menu cannot change under the window.
        const tOwnerDisabled tModal(hOwner);
        RunModalLoop(hWnd, tState.bDone);
        if (IsWindow(hWnd)) {
            DestroyWindow(hWnd);
        }
    }
    gpTest = nullptr;
}
