// Dialog units and pixels for windows: the model's rectangles (dialog units,
// converted by model/design_geometry.h) as window rectangles and back, and
// where a window lies in another window's client area.
#pragma once

#include "model/design_geometry.h"

#include <windows.h>

inline RECT DlgToPixelRect(const tDlgRect& t) {
    const tDlgRect p = DlgToPixels(t);
    return {p.nLeft, p.nTop, p.nRight, p.nBottom};
}

inline tDlgRect PixelRectToDlg(const RECT& r) {
    return PixelsToDlg({r.left, r.top, r.right, r.bottom});
}

// The window's rectangle in hTo's client pixels (screen pixels for no window).
inline RECT WindowRectIn(HWND hWnd, HWND hTo) {
    RECT r{};
    GetWindowRect(hWnd, &r);
    MapWindowPoints(nullptr, hTo, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
