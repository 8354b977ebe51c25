// Owning wrappers for the GDI and USER handles of the code editor and viewer,
// so every font, bitmap, DC and menu goes back to the system however a window
// ends.
#pragma once

#include <windows.h>

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

using tGdiFont = tOwned<HFONT, tFreeGdi>;
using tGdiBitmap = tOwned<HBITMAP, tFreeGdi>;
using tGdiBrush = tOwned<HBRUSH, tFreeGdi>;
using tMemDC = tOwned<HDC, tFreeDC>;
using tMenu = tOwned<HMENU, tFreeMenu>;

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

// A DC of a window for one scope.
class tWindowDC {
  public:
    explicit tWindowDC(HWND hWnd) : hWnd(hWnd), hDC(GetDC(hWnd)) {}
    ~tWindowDC() { ReleaseDC(hWnd, hDC); }
    tWindowDC(const tWindowDC&) = delete;
    tWindowDC& operator=(const tWindowDC&) = delete;
    HDC Get() const { return hDC; }

  private:
    HWND hWnd;
    HDC hDC;
};
