// The code viewer window: a modal popup over the main window's client area,
// holding one view-only EDM32EDIT control, with a context menu and two
// accelerators that hand the code over to the IDE.
#include "codeview/code_viewer.h"
#include "codeview/codeview_ids.h"
#include "codeview/edm32edit.h"

#include "model/user_seam.h"

#include <commctrl.h>

tCodeViewerHooks gtCodeViewerHooks;

namespace {

constexpr char gszViewerClass[] = "KvCodeViewer";
constexpr char gszHelpFile[] = "Wrenkit.HLP";
constexpr char gszHelpTopic[] = "Viewing the code";

struct tViewer {
    HWND hOwner = nullptr;
    HWND hEdit = nullptr;
    bool bOwnerDisabled = false;
    tGdiFont tFont; // the IDE font given to the control; deleted after the window
};

tViewer* ViewerOf(HWND hWnd) {
    return reinterpret_cast<tViewer*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
}

void CloseViewer(HWND hWnd, tViewer& t) {
    // The owner is enabled first so that it, not some other program, becomes active.
    if (t.bOwnerDisabled) {
        EnableWindow(t.hOwner, TRUE);
        t.bOwnerDisabled = false;
    }
    DestroyWindow(hWnd);
}

void OpenFileInIde(HWND hWnd, tViewer& t) {
    const tCodeViewerHooks& tHooks = gtCodeViewerHooks;
    if (tHooks.pfnIsChanged && tHooks.pfnIsChanged()) {
        const int lAnswer = AskUser("Save current changes?", wkBtnYesNoCancel);
        if (lAnswer == wkAnsCancel) {
            return;
        }
        if (lAnswer == wkAnsYes && !(tHooks.pfnSave && tHooks.pfnSave(hWnd))) {
            return; // a failed save keeps the IDE from opening the old file
        }
    }
    const int lMode = static_cast<int>(SendMessageA(t.hEdit, wkEmGetMode, 0, 0));
    const std::string sFile =
        IdeFileForMode(tHooks.pfnCurrentFile ? tHooks.pfnCurrentFile() : std::string(), lMode);
    if (tHooks.pfnLaunchIde) {
        tHooks.pfnLaunchIde(hWnd, sFile);
    }
}

void ShowContextMenu(HWND hWnd) {
    tMenuHandle tMenuRes(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_CODEVIEWER)));
    HMENU hPopup = tMenuRes ? GetSubMenu(tMenuRes.Get(), 0) : nullptr;
    if (!hPopup) {
        return;
    }
    POINT tPt;
    GetCursorPos(&tPt);
    const int lCmd =
        TrackPopupMenu(hPopup, TPM_RETURNCMD | TPM_RIGHTBUTTON, tPt.x, tPt.y, 0, hWnd, nullptr);
    if (lCmd) {
        SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(lCmd, 0), 0);
    }
}

void OnCommand(HWND hWnd, tViewer& t, int lId) {
    switch (lId) {
    case IDM_CV_ACTIVATEIDE:
        if (gtCodeViewerHooks.pfnLaunchIde) {
            gtCodeViewerHooks.pfnLaunchIde(hWnd, std::string());
        }
        break;
    case IDM_CV_OPENINIDE:
        OpenFileInIde(hWnd, t);
        break;
    case IDM_CV_COPY:
        SendMessageA(t.hEdit, wkEmCopy, 0, 0);
        break;
    case IDM_CV_SELECTALL:
        SendMessageA(t.hEdit, EM_SETSEL, 0, -1);
        break;
    case IDM_CV_CLOSE:
    case IDCANCEL:
        CloseViewer(hWnd, t);
        break;
    }
}

void ShowViewerHelp(HWND hWnd) {
    if (gtCodeViewerHooks.pfnShowHelp) {
        gtCodeViewerHooks.pfnShowHelp(hWnd, ViewerProgramFolder() + gszHelpFile, gszHelpTopic);
    }
}

LRESULT ViewerMessage(HWND hWnd, tViewer& t, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_SIZE:
        MoveWindow(t.hEdit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(t.hEdit);
        return 0;
    case WM_NOTIFY: {
        const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (pHdr->idFrom == IDC_CODEVIEWER_EDIT && pHdr->code == static_cast<UINT>(NM_RCLICK)) {
            ShowContextMenu(hWnd);
        }
        return 0;
    }
    case WM_COMMAND:
        // Menu and accelerator commands only; the control's notifications carry its handle.
        if (lParam == 0) {
            OnCommand(hWnd, t, LOWORD(wParam));
        }
        return 0;
    case WM_HELP:
        ShowViewerHelp(hWnd);
        return TRUE;
    case WM_CLOSE:
        CloseViewer(hWnd, t);
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK ViewerProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    try {
        if (uMsg == WM_NCCREATE) {
            const CREATESTRUCTA* pCreate = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(hWnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(pCreate->lpCreateParams));
        }
        tViewer* pViewer = ViewerOf(hWnd);
        if (uMsg == WM_CREATE && pViewer) {
            RECT tRect;
            GetClientRect(hWnd, &tRect);
            pViewer->hEdit =
                CreateWindowExA(0, gszCodeEditClass, "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, 0, 0,
                                tRect.right, tRect.bottom, hWnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_CODEVIEWER_EDIT)),
                                GetModuleHandleA(nullptr), nullptr);
            return pViewer->hEdit ? 0 : -1;
        }
        if (!pViewer || uMsg == WM_NCCREATE) {
            return DefWindowProcA(hWnd, uMsg, wParam, lParam);
        }
        return ViewerMessage(hWnd, *pViewer, uMsg, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

bool RegisterViewerClass(HINSTANCE hInst) {
    WNDCLASSEXA tClass{};
    if (GetClassInfoExA(hInst, gszViewerClass, &tClass)) {
        return true;
    }
    tClass.cbSize = sizeof(tClass);
    tClass.lpfnWndProc = ViewerProc;
    tClass.hInstance = hInst;
    tClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    tClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    tClass.lpszClassName = gszViewerClass;
    return RegisterClassExA(&tClass) != 0;
}

// Where the viewer opens: exactly over the owner's client area.
RECT ViewerRect(HWND hOwner) {
    RECT tRect{};
    if (hOwner && IsWindow(hOwner)) {
        GetClientRect(hOwner, &tRect);
        MapWindowPoints(hOwner, nullptr, reinterpret_cast<POINT*>(&tRect), 2);
    }
    if (tRect.right - tRect.left < 100 || tRect.bottom - tRect.top < 100) {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &tRect, 0);
    }
    return tRect;
}

// The viewer's own message loop: its accelerators first, then Esc and Tab
// through the dialog manager, then the ordinary dispatch.
void RunViewerLoop(HWND hWnd, HACCEL hAccel) {
    MSG tMsg;
    while (IsWindow(hWnd)) {
        const BOOL lGot = GetMessageA(&tMsg, nullptr, 0, 0);
        if (lGot == 0) {
            PostQuitMessage(static_cast<int>(tMsg.wParam)); // the outer loop ends too
            break;
        }
        if (lGot < 0) {
            break;
        }
        if (hAccel && TranslateAcceleratorA(hWnd, hAccel, &tMsg)) {
            continue;
        }
        if (tMsg.message == WM_KEYDOWN && tMsg.wParam == VK_F1 &&
            (tMsg.hwnd == hWnd || IsChild(hWnd, tMsg.hwnd))) {
            ShowViewerHelp(hWnd);
            continue;
        }
        if (IsDialogMessageA(hWnd, &tMsg)) {
            continue;
        }
        TranslateMessage(&tMsg);
        DispatchMessageA(&tMsg);
    }
}

} // namespace

bool ShowCodeViewer(HWND hOwner, const std::string& sTitle, const std::string& sText, int lMode) {
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    if (!RegisterCodeEditClass(hInst) || !RegisterViewerClass(hInst)) {
        return false;
    }
    tViewer t;
    t.hOwner = hOwner;
    const RECT tRect = ViewerRect(hOwner);
    HWND hWnd = CreateWindowExA(
        WS_EX_CONTEXTHELP | WS_EX_CLIENTEDGE, gszViewerClass, sTitle.c_str(),
        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, tRect.left, tRect.top,
        tRect.right - tRect.left, tRect.bottom - tRect.top, hOwner, nullptr, hInst, &t);
    if (!hWnd) {
        return false;
    }
    t.tFont = ApplyIdeEditorSettings(t.hEdit, IdeSettingsPath());
    SendMessageA(t.hEdit, wkEmSetMode, static_cast<WPARAM>(lMode), 0);
    SendMessageA(t.hEdit, wkEmSetViewOnly, 1, 0);
    SendMessageA(t.hEdit, wkEmReplaceText, 0, reinterpret_cast<LPARAM>(sText.c_str()));
    HACCEL hAccel = LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(IDA_CODEVIEWER));

    if (hOwner && IsWindowEnabled(hOwner)) {
        EnableWindow(hOwner, FALSE);
        t.bOwnerDisabled = true;
    }
    ShowWindow(hWnd, SW_SHOW);
    SetFocus(t.hEdit);
    RunViewerLoop(hWnd, hAccel);
    if (IsWindow(hWnd)) {
        CloseViewer(hWnd, t);
    }
    if (t.bOwnerDisabled) {
        EnableWindow(hOwner, TRUE);
    }
    if (hOwner && IsWindow(hOwner)) {
        SetActiveWindow(hOwner);
    }
    return true;
}
