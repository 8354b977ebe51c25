// The open-file dialog of the "..." button, enlarged by a preview: a bitmap
// drawn at its own size or zoomed to the area, an icon at 32 by 32, and the
// picture's size, following the selection.
#include "props/properties_dialog.h"
#include "props/props_ids.h"
#include "win/win_handles.h"

#include <commdlg.h>

#include <algorithm>
#include <string>

namespace {

struct tPreview {
    tGdiBitmap tBitmap;
    tIcon tIcon;
    SIZE tSize{};
};

std::string UpperExtension(const std::string& s) {
    const size_t lDot = s.rfind('.');
    std::string sExt = lDot == std::string::npos ? std::string() : s.substr(lDot);
    std::transform(sExt.begin(), sExt.end(), sExt.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return sExt;
}

// The selection changed: the old picture goes, the new one (if any) is loaded.
void LoadPreview(HWND hChild, tPreview& t) {
    t.tBitmap.Reset();
    t.tIcon.Reset();
    t.tSize = SIZE{};
    char szPath[MAX_PATH] = "";
    const LRESULT lLen = SendMessageA(GetParent(hChild), CDM_GETFILEPATH, sizeof(szPath),
                                      reinterpret_cast<LPARAM>(szPath));
    const std::string sExt = lLen > 0 ? UpperExtension(szPath) : std::string();
    if (sExt == ".BMP") {
        t.tBitmap.Reset(
            static_cast<HBITMAP>(LoadImageA(nullptr, szPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
        BITMAP tInfo{};
        if (t.tBitmap && GetObjectA(t.tBitmap.Get(), sizeof(tInfo), &tInfo)) {
            t.tSize = SIZE{tInfo.bmWidth, tInfo.bmHeight};
        }
    } else if (sExt == ".ICO") {
        t.tIcon.Reset(
            static_cast<HICON>(LoadImageA(nullptr, szPath, IMAGE_ICON, 32, 32, LR_LOADFROMFILE)));
        if (t.tIcon) {
            t.tSize = SIZE{32, 32};
        }
    }
    const std::string sSize = t.tBitmap || t.tIcon ? "Size: " + std::to_string(t.tSize.cx) + " x " +
                                                         std::to_string(t.tSize.cy)
                                                   : std::string();
    SetDlgItemTextA(hChild, IDC_PREVIEW_SIZE, sSize.c_str());
    InvalidateRect(GetDlgItem(hChild, IDC_PREVIEW_AREA), nullptr, TRUE);
}

void DrawPreview(HWND hChild, const tPreview& t, const DRAWITEMSTRUCT* p) {
    RECT r = p->rcItem;
    FillRect(p->hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (t.tIcon) {
        DrawIconEx(p->hDC, r.left + 2, r.top + 2, t.tIcon.Get(), 32, 32, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!t.tBitmap) {
        return;
    }
    const tMemDC tDC(CreateCompatibleDC(p->hDC));
    const tSelected tPick(tDC.Get(), t.tBitmap.Get());
    if (IsDlgButtonChecked(hChild, IDC_PREVIEW_ZOOM) == BST_CHECKED) {
        SetStretchBltMode(p->hDC, HALFTONE);
        StretchBlt(p->hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, tDC.Get(), 0, 0,
                   t.tSize.cx, t.tSize.cy, SRCCOPY);
    } else {
        // At its own size, clipped by the area.
        BitBlt(p->hDC, r.left, r.top, std::min<LONG>(t.tSize.cx, r.right - r.left),
               std::min<LONG>(t.tSize.cy, r.bottom - r.top), tDC.Get(), 0, 0, SRCCOPY);
    }
}

UINT_PTR CALLBACK PreviewHook(HWND hChild, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* t = reinterpret_cast<tPreview*>(GetWindowLongPtrA(hChild, DWLP_USER));
    switch (uMsg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(
            hChild, DWLP_USER,
            static_cast<LONG_PTR>(reinterpret_cast<OPENFILENAMEA*>(lParam)->lCustData));
        return TRUE;
    case WM_NOTIFY:
        if (t && reinterpret_cast<NMHDR*>(lParam)->code == CDN_SELCHANGE) {
            LoadPreview(hChild, *t);
        }
        return FALSE;
    case WM_COMMAND:
        if (t && LOWORD(wParam) == IDC_PREVIEW_ZOOM) {
            InvalidateRect(GetDlgItem(hChild, IDC_PREVIEW_AREA), nullptr, TRUE);
        }
        return FALSE;
    case WM_DRAWITEM:
        if (t && wParam == IDC_PREVIEW_AREA) {
            DrawPreview(hChild, *t, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        if (t) {
            t->tBitmap.Reset();
            t->tIcon.Reset();
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int32_t GetImageFileName(OPENFILENAMEA& tOpen) {
    tPreview t;
    tOpen.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_ENABLESIZING;
    tOpen.hInstance = GetModuleHandleA(nullptr);
    tOpen.lpTemplateName = MAKEINTRESOURCEA(IDD_IMAGEPREVIEW);
    tOpen.lpfnHook = PreviewHook;
    tOpen.lCustData = reinterpret_cast<LPARAM>(&t);
    return GetOpenFileNameA(&tOpen) ? 1 : 0;
}
