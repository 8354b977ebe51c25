// Shared pieces of the code editor and viewer tests: a parent window that
// records what the control tells it, sample source text, files and clipboard.
#pragma once

#include "codeview/edm32edit.h"
#include "tests/win/support/win_test_support.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// A plain top-level window that records WM_COMMAND and WM_NOTIFY sent to it.
struct tTestParent {
    HWND hWnd = nullptr;
    std::vector<std::pair<int, int>> atCommand; // (id, code)
    std::vector<int> alNotify;
};

inline LRESULT CALLBACK TestParentProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* p = reinterpret_cast<tTestParent*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (p && uMsg == WM_COMMAND) {
        p->atCommand.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return 0;
    }
    if (p && uMsg == WM_NOTIFY) {
        p->alNotify.push_back(static_cast<int>(reinterpret_cast<const NMHDR*>(lParam)->code));
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

inline HWND CreateTestParent(tTestParent& tParent, int cx = 640, int cy = 480) {
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    WNDCLASSA tClass{};
    tClass.lpfnWndProc = TestParentProc;
    tClass.hInstance = hInst;
    tClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    tClass.lpszClassName = "WkCodeviewTestParent";
    RegisterClassA(&tClass);
    tParent.hWnd = CreateWindowExA(0, "WkCodeviewTestParent", "Code editor test",
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10, cx,
                                   cy, nullptr, nullptr, hInst, nullptr);
    SetWindowLongPtrA(tParent.hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&tParent));
    return tParent.hWnd;
}

inline HWND CreateCodeEdit(HWND hParent, int lId, int cx = 480, int cy = 320) {
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    if (!RegisterCodeEditClass(hInst)) {
        return nullptr;
    }
    return CreateWindowExA(
        0, gszCodeEditClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, 0, 0,
        cx, cy, hParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(lId)), hInst, nullptr);
}

// A dialog function the way the designer writes one; lCopies repeats it.
inline std::string SampleKvl(int lCopies = 1) {
    std::string s = "#Wrenkit Created v1.0\r\n"
                    "#Compile Exe\r\n"
                    "#Include \"KVWINAPI.INC\"\r\n"
                    "'------------------------------------------------------------\r\n"
                    "%IDD_DIALOG1 = 101\r\n"
                    "%IDC_BUTTON1 = 1001\r\n";
    for (int i = 0; i < lCopies; ++i) {
        const std::string n = std::to_string(i);
        s +=
            "#Wrenkit Begin Dialog %IDD_DIALOG1\r\n"
            "Function ShowDialog" +
            n +
            "(ByVal hParent As Dword) As Long\r\n"
            "    Local lRslt As Long\r\n"
            "    Local hDlg  As Dword\r\n"
            "    Dialog New hParent, \"Dialog's title " +
            n +
            "\", 70, 70, 201, 121, _\r\n"
            "        %WS_POPUP Or %WS_BORDER To hDlg\r\n"
            "    Control Add Button, hDlg, %IDC_BUTTON1, \"OK\", 5, 5, 50, 15 ' the only button\r\n"
            "    !mov eax, lRslt ; inline assembler\r\n"
            "    Dialog Show Modal hDlg, Call ShowDialogProc To lRslt\r\n"
            "    Function = lRslt\r\n"
            "End Function\r\n"
            "#Wrenkit End Dialog\r\n"
            "Rem a remark line\r\n";
    }
    return s;
}

inline std::string ClipboardText() {
    std::string s;
    if (!OpenClipboard(nullptr)) {
        return s;
    }
    if (HANDLE hData = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(hData))) {
            s = p;
            GlobalUnlock(hData);
        }
    }
    CloseClipboard();
    return s;
}

inline std::string EditText(HWND hEdit) {
    const LRESULT lLen = SendMessageA(hEdit, WM_GETTEXTLENGTH, 0, 0);
    std::string s(static_cast<size_t>(lLen) + 1, '\0');
    SendMessageA(hEdit, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(lLen));
    return s;
}

// Selection as offsets (CR LF counted as two).
inline std::pair<DWORD, DWORD> EditSelection(HWND hEdit) {
    DWORD lFrom = 0;
    DWORD lTo = 0;
    SendMessageA(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&lFrom),
                 reinterpret_cast<LPARAM>(&lTo));
    return {lFrom, lTo};
}

// Client-area point in the middle of a line's cell row, at pixel x.
inline LPARAM LinePoint(HWND hEdit, int x, int lRow) {
    const LRESULT lCell = SendMessageA(hEdit, wkEmGetCellSize, 0, 0);
    const int cy = HIWORD(lCell);
    return MAKELPARAM(x, lRow * cy + cy / 2);
}
