#include "app/main_window.h"

#include "app/commands.h"
#include "app/file_commands.h"
#include "app/help.h"
#include "app/main_bars.h"
#include "app/recent_files_menu.h"
#include "app/settings/settings.h"
#include "app/startup.h"
#include "app/view_commands.h"
#include "app/win_seam.h"
#include "designer/designer.h"
#include "model/project.h"
#include "props/properties_dialog.h"
#include "resources/resource_ids.h"

#include <commctrl.h>
#include <shellapi.h>

HWND ghWndMain = nullptr;
HWND ghToolbar = nullptr;
HWND ghStatus = nullptr;
HWND ghWorkspace = nullptr;
HWND ghToolbox = nullptr;
HACCEL ghAccelMain = nullptr;

int32_t glAppActive = 0;
int32_t glToolboxAllowed = 1;
int32_t glUpdatesSuspended = 0;
int32_t glComCtlsEx = 0;
std::string gsCommandLine;

namespace {

constexpr char kMainClass[] = "KvDlgEdit";

// The file commands reach the title, the command enabling and the toolbox
// through these.
void SuspendUpdates(int lSuspend) {
    glUpdatesSuspended = lSuspend ? 1 : 0;
    if (!lSuspend) {
        UpdateCommands();
    }
}

void SetToolboxAllowed(int lAllowed) {
    glToolboxAllowed = lAllowed ? 1 : 0;
    UpdateCommands();
}

void RemoveHiddenCommands(HWND hWnd) {
    HMENU hMenu = GetMenu(hWnd);
    if (SettingsGetInt("Settings", "TavikTest") == 0) {
        DeleteMenu(hMenu, IDM_VIEW_TESTVALUES, MF_BYCOMMAND);
    }
    if (SettingsGetInt("Settings", "RC_SDK") == 0) {
        DeleteMenu(hMenu, IDM_VIEW_SDKRC, MF_BYCOMMAND);
        DeleteMenu(hMenu, IDM_VIEW_SDKBASIC, MF_BYCOMMAND);
    }
}

void RestoreMainWindowPos(HWND hWnd) {
    const tWinPlacement t = ReadWindowPos(wkPosMainDlg, ScreenSizeNow());
    if (t.lMove) {
        SetWindowPos(hWnd, nullptr, t.lLeft, t.lTop, t.lWidth, t.lHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE | (t.lSize ? 0 : SWP_NOSIZE));
    }
}

// The file named on the command line goes to the top of the recent files and
// is opened, once the message loop runs, as the first of them.
void OpenCommandLineFile(HWND hWnd) {
    std::string sFile;
    if (!CommandLineFileType(gsCommandLine, sFile)) {
        return;
    }
    MruAdd(SettingsPath(), gszMruSection, sFile, wkMruMax);
    BuildRecentFilesMenu(hWnd);
    // Entry 1 is the file only when it exists (a vanished file is not shown,
    // and entry 1 would then be another file).
    if (GetFileAttributesA(sFile.c_str()) != INVALID_FILE_ATTRIBUTES) {
        PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDM_RECENT_FIRST, 0), 0);
    }
}

LRESULT OnCreate(HWND hWnd) {
    ghWndMain = hWnd;
    InstallWinSeam(hWnd);
    gpfnSetTitle = SetTitle;
    gpfnSuspendUpdates = SuspendUpdates;
    gpfnUpdateCommands = UpdateCommands;
    gpfnSetToolboxAllowed = SetToolboxAllowed;
    InitDesignSurface(); // from now on a file read is shown on the surface
    gpfnHideFocusGripper = HideFocusGrippers;
    InstallCodeViewerHooks();

    RemoveHiddenCommands(hWnd);
    RestoreMainWindowPos(hWnd);
    ghToolbar = CreateMainToolbar(hWnd);
    ghStatus = CreateMainStatusBar(hWnd);
    const RECT tWork = WorkspaceRect(hWnd);
    SetStatusParts(tWork.right - tWork.left);
    SetStatusIcons();
    ghWorkspace = CreateWindowExA(WS_EX_CLIENTEDGE, "Static", "", WS_CHILD | WS_VISIBLE, tWork.left,
                                  tWork.top, tWork.right - tWork.left, tWork.bottom - tWork.top,
                                  hWnd, nullptr, GetModuleHandleA(nullptr), nullptr);
    BuildRecentFilesMenu(hWnd);
    DragAcceptFiles(hWnd, TRUE);
    PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDM_TOOLBOX, 0), 0);
    glChanged = 0;
    OpenCommandLineFile(hWnd);
    return 0;
}

void OnDestroy(HWND hWnd) {
    if (HWND hDesign = DesignDialogWindow()) {
        DestroyWindow(hDesign);
    }
    FreeDesignSurface();
    FreeDesignerResources();
    DragAcceptFiles(hWnd, FALSE);
    CloseHelp(hWnd);
    FreeBarResources();
    if (hWnd == ghWndMain) {
        ghWndMain = nullptr;
        ghToolbar = nullptr;
        ghStatus = nullptr;
        ghWorkspace = nullptr;
    }
    PostQuitMessage(0);
}

void OnActivateApp(HWND hWnd, WPARAM wParam) {
    glAppActive = static_cast<int32_t>(wParam);
    if (wParam && IsWindowEnabled(hWnd)) {
        if (IsIconic(hWnd)) {
            ShowWindow(hWnd, SW_RESTORE);
        }
        SetActiveWindow(hWnd);
    }
    if (wParam) {
        ChangedOnDiskCheck(hWnd);
    }
    UpdateCommands();
}

} // namespace

ATOM RegisterMainClass(HINSTANCE hInst) {
    WNDCLASSEXA tClass{};
    if (GetClassInfoExA(hInst, kMainClass, &tClass)) {
        return 1; // already registered in this process (the tests create it repeatedly)
    }
    tClass.cbSize = sizeof(tClass);
    tClass.style = CS_HREDRAW | CS_VREDRAW;
    tClass.lpfnWndProc = MainWndProc;
    tClass.hInstance = hInst;
    tClass.hIcon = LoadIconA(hInst, MAKEINTRESOURCEA(IDI_MAIN));
    tClass.hIconSm = static_cast<HICON>(
        LoadImageA(hInst, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    tClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    tClass.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
    tClass.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN);
    tClass.lpszClassName = kMainClass;
    return RegisterClassExA(&tClass);
}

HWND CreateMainWindow(HINSTANCE hInst) {
    ghWndMain = CreateWindowExA(WS_EX_APPWINDOW, kMainClass, "Wrenkit", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                nullptr, hInst, nullptr);
    if (ghWndMain && !ghAccelMain) {
        ghAccelMain = LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(IDA_MAIN));
    }
    return ghWndMain;
}

int RunMessageLoop() {
    MSG tMsg{};
    while (GetMessageA(&tMsg, nullptr, 0, 0) > 0) {
        if (IsPropertiesMessage(&tMsg)) {
            continue;
        }
        if (!TranslateAcceleratorA(ghWndMain, ghAccelMain, &tMsg)) {
            TranslateMessage(&tMsg);
            DispatchMessageA(&tMsg);
        }
    }
    return static_cast<int>(tMsg.wParam);
}

void SetTitle(HWND hWnd, const std::string& sFile) {
    const std::string sTitle = sFile.empty() ? "Wrenkit" : "Wrenkit - [" + sFile + "]";
    SetWindowTextA(hWnd, sTitle.c_str());
    BuildRecentFilesMenu(hWnd);
}

void SaveMainWindowPos(HWND hWnd) {
    RECT tRect{};
    GetWindowRect(hWnd, &tRect);
    SaveMainDlgPos(IsZoomed(hWnd) ? 1 : 0,
                   tWinRect{tRect.left, tRect.top, tRect.right, tRect.bottom});
}

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_CREATE:
        return OnCreate(hWnd);
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED && ghToolbar) {
            SendMessageA(ghToolbar, TB_AUTOSIZE, 0, 0);
            SendMessageA(ghStatus, WM_SIZE, wParam, lParam);
            LayoutMainWindow(hWnd);
        }
        break;
    case WM_GETMINMAXINFO:
        MainMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_MENUSELECT:
        SetStatusHelp(HelpText(LOWORD(wParam), 1));
        break;
    case WM_NOTIFY:
        return MainBarsNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        SetStatusHelp("");
        break;
    case WM_ACTIVATEAPP:
        OnActivateApp(hWnd, wParam);
        break;
    case WM_EXITMENULOOP:
        if (HWND hDesign =
                reinterpret_cast<HWND>(static_cast<intptr_t>(gatDlg[gtElem.lDlg].hWnd))) {
            SetForegroundWindow(hDesign);
        }
        break;
    case WM_ERASEBKGND:
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_APPWORKSPACE));
        EraseMainBackground(hWnd, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == ghWorkspace && ghWorkspace) {
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_APPWORKSPACE));
        }
        break;
    case WM_SYSCOLORCHANGE:
        RefreshGripperBrushes();
        break;
    case WM_DROPFILES:
        DropFiles(hWnd, reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_WINDOWPOSCHANGED:
        UpdateCommands();
        break;
    case WM_COMMAND:
        OnMainCommand(hWnd, LOWORD(wParam));
        UpdateCommands();
        break;
    case WM_SYSCOMMAND:
        if (wParam == SC_CLOSE) {
            CloseMainWindow(hWnd);
            return 0;
        }
        break;
    case WM_DESTROY:
        OnDestroy(hWnd);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
