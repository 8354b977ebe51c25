// Owning wrappers for the handles of the Win32 program, one dialect for every
// window: each GDI object, device context, menu, icon, library, hook, memory
// block and open clipboard goes back to the system exactly once, however the
// scope that holds it ends.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <utility>

template <typename H, typename Free> class tOwned {
  public:
    tOwned() = default;
    explicit tOwned(H h) : hHandle(h) {}
    ~tOwned() { Reset(); }
    tOwned(tOwned&& t) noexcept : hHandle(std::exchange(t.hHandle, H{})) {}
    tOwned& operator=(tOwned&& t) noexcept {
        if (this != &t) {
            Reset(std::exchange(t.hHandle, H{}));
        }
        return *this;
    }
    tOwned(const tOwned&) = delete;
    tOwned& operator=(const tOwned&) = delete;

    H Get() const { return hHandle; }
    explicit operator bool() const { return hHandle != H{}; }
    void Reset(H h = H{}) {
        if (hHandle) {
            Free{}(hHandle);
        }
        hHandle = h;
    }
    // Hands the handle over to someone who frees it (the clipboard, a window).
    H Release() { return std::exchange(hHandle, H{}); }

  private:
    H hHandle{};
};

struct tFreeGdi {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct tFreeDC {
    void operator()(HDC h) const { DeleteDC(h); }
};
struct tFreeMenu {
    void operator()(HMENU h) const { DestroyMenu(h); }
};
struct tFreeAccel {
    void operator()(HACCEL h) const { DestroyAcceleratorTable(h); }
};
struct tFreeIcon {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct tFreeLibrary {
    void operator()(HMODULE h) const { FreeLibrary(h); }
};
struct tFreeHook {
    void operator()(HHOOK h) const { UnhookWindowsHookEx(h); }
};
struct tFreeGlobal {
    void operator()(HGLOBAL h) const { GlobalFree(h); }
};
struct tFreeImageList {
    void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};

using tGdiFont = tOwned<HFONT, tFreeGdi>;
using tGdiBitmap = tOwned<HBITMAP, tFreeGdi>;
using tGdiBrush = tOwned<HBRUSH, tFreeGdi>;
using tGdiPen = tOwned<HPEN, tFreeGdi>;
using tGdiRegion = tOwned<HRGN, tFreeGdi>;
using tMemDC = tOwned<HDC, tFreeDC>;
using tMenuHandle = tOwned<HMENU, tFreeMenu>;
using tIcon = tOwned<HICON, tFreeIcon>;
using tLibrary = tOwned<HMODULE, tFreeLibrary>;
using tHook = tOwned<HHOOK, tFreeHook>;
using tGlobal = tOwned<HGLOBAL, tFreeGlobal>;
using tImageList = tOwned<HIMAGELIST, tFreeImageList>;

// Selects an object into a DC for one scope and puts the old one back.
class tSelected {
  public:
    tSelected(HDC hDC, HGDIOBJ hObject) : hDC(hDC), hOld(SelectObject(hDC, hObject)) {}
    ~tSelected() { SelectObject(hDC, hOld); }
    tSelected(const tSelected&) = delete;
    tSelected& operator=(const tSelected&) = delete;

  private:
    HDC hDC;
    HGDIOBJ hOld;
};

// A DC of a window for one scope; of the screen for no window. With lFlags,
// GetDCEx's flags (say, a DC that draws over the window's children).
class tWindowDC {
  public:
    explicit tWindowDC(HWND hWnd) : hWnd(hWnd), hDC(GetDC(hWnd)) {}
    tWindowDC(HWND hWnd, DWORD lFlags) : hWnd(hWnd), hDC(GetDCEx(hWnd, nullptr, lFlags)) {}
    ~tWindowDC() {
        if (hDC) {
            ReleaseDC(hWnd, hDC);
        }
    }
    tWindowDC(const tWindowDC&) = delete;
    tWindowDC& operator=(const tWindowDC&) = delete;
    HDC Get() const { return hDC; }

  private:
    HWND hWnd;
    HDC hDC;
};

// The clipboard, open for one scope. Another program may hold it for a
// moment: lTries attempts, 10 ms apart.
class tClipboard {
  public:
    explicit tClipboard(HWND hOwner = nullptr, int lTries = 1) {
        for (int i = 0; i < lTries && !bOpen; ++i) {
            if (i) {
                Sleep(10);
            }
            bOpen = OpenClipboard(hOwner) != FALSE;
        }
    }
    ~tClipboard() {
        if (bOpen) {
            CloseClipboard();
        }
    }
    tClipboard(const tClipboard&) = delete;
    tClipboard& operator=(const tClipboard&) = delete;
    bool IsOpen() const { return bOpen; }

  private:
    bool bOpen = false;
};
