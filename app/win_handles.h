// Owning wrappers for the Win32 handles the shell keeps: each deletes its
// object exactly once when it goes out of scope or is reset.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

struct GdiObjectDeleter {
    void operator()(void* h) const { DeleteObject(static_cast<HGDIOBJ>(h)); }
};
struct IconDeleter {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct LibraryDeleter {
    void operator()(HMODULE h) const { FreeLibrary(h); }
};
struct HookDeleter {
    void operator()(HHOOK h) const { UnhookWindowsHookEx(h); }
};

using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
using UniqueLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryDeleter>;
using UniqueHook = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookDeleter>;

// A screen device context released on scope exit.
class ScreenDC {
  public:
    ScreenDC() : hDC(GetDC(nullptr)) {}
    ~ScreenDC() { ReleaseDC(nullptr, hDC); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    operator HDC() const { return hDC; }

  private:
    HDC hDC;
};

// Selects an object into a device context for one scope.
class SelectIn {
  public:
    SelectIn(HDC hDC, HGDIOBJ hObj) : hDC(hDC), hOld(SelectObject(hDC, hObj)) {}
    ~SelectIn() { SelectObject(hDC, hOld); }
    SelectIn(const SelectIn&) = delete;
    SelectIn& operator=(const SelectIn&) = delete;

  private:
    HDC hDC;
    HGDIOBJ hOld;
};
