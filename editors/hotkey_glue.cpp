// The hot-key control glue (see hotkey_glue.h).
#include "editors/hotkey_glue.h"

#include "model/records.h"

#include <commctrl.h>

namespace {

constexpr char kSubClassProp[] = "SubClassProc";

void NotifyParent(HWND hHotkey) {
    SendMessageA(GetParent(hHotkey), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hHotkey), EN_CHANGE),
                 reinterpret_cast<LPARAM>(hHotkey));
}

LRESULT CALLBACK HotkeyProc(HWND hWnd, UINT lMsg, WPARAM wParam, LPARAM lParam) {
    const auto pfnOld = reinterpret_cast<WNDPROC>(GetPropA(hWnd, kSubClassProp));
    if (!pfnOld) {
        return DefWindowProcA(hWnd, lMsg, wParam, lParam);
    }
    if (lMsg == WM_KEYDOWN && wParam == VK_DELETE) {
        uint8_t byMods = 0;
        byMods |= GetKeyState(VK_CONTROL) < 0 ? wkFControl : 0;
        byMods |= GetKeyState(VK_SHIFT) < 0 ? wkFShift : 0;
        AccelToHotkey(hWnd, VK_DELETE, byMods);
        NotifyParent(hWnd);
        return 0;
    }
    if (lMsg == WM_NCDESTROY) {
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnOld));
        RemovePropA(hWnd, kSubClassProp);
    }
    return CallWindowProcA(pfnOld, hWnd, lMsg, wParam, lParam);
}

} // namespace

void HotkeyToAccel(HWND hHotkey, uint8_t& byKey, uint8_t& byModifiers) {
    const LRESULT lValue = SendMessageA(hHotkey, HKM_GETHOTKEY, 0, 0);
    byKey = LOBYTE(LOWORD(lValue));
    const uint8_t byFlags =
        HIBYTE(LOWORD(lValue)) & (HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT);
    byModifiers = byKey != 0 ? static_cast<uint8_t>(byFlags << 2) : 0;
}

void AccelToHotkey(HWND hHotkey, uint8_t byKey, uint8_t byModifiers) {
    const WORD wValue = byKey != 0 ? MAKEWORD(byKey, (byModifiers >> 2) & 0x7) : 0;
    SendMessageA(hHotkey, HKM_SETHOTKEY, wValue, 0);
}

void SetUpMenuHotkey(HWND hHotkey) {
    SendMessageA(hHotkey, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S | HKCOMB_SA,
                 MAKELPARAM(HOTKEYF_CONTROL, 0));
    if (!GetPropA(hHotkey, kSubClassProp)) {
        const LONG_PTR pfnOld =
            SetWindowLongPtrA(hHotkey, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HotkeyProc));
        SetPropA(hHotkey, kSubClassProp, reinterpret_cast<HANDLE>(pfnOld));
    }
}
