// The live window of a control: created from its row with the surface's
// styles, filled with sample content so that every kind is recognisable, and
// subclassed so that the designer, not the control, gets the mouse.
#include "app/main_window.h"
#include "designer/design_state.h"
#include "designer/tab_order_hook.h"
#include "model/dynstr.h"
#include "model/project.h"
#include "resources/resource_ids.h"
#include "styles/control_kinds.h"

#include <commctrl.h>

#include <cctype>
#include <unordered_map>

namespace {

constexpr uint32_t kSsTypeMask = 0x1F, kSsIcon = 0x3, kBsIcon = 0x40;

bool IsImageKind(int32_t lKind) {
    return lKind == wkCtlImage || lKind == wkCtlImageX || lKind == wkCtlImgButton ||
           lKind == wkCtlImgButtonX;
}

bool IsButtonImage(int32_t lKind) {
    return lKind == wkCtlImgButton || lKind == wkCtlImgButtonX;
}

std::string UpperExt(const std::string& sFile) {
    const size_t p = sFile.find_last_of('.');
    std::string s = p == std::string::npos ? std::string() : sFile.substr(p);
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

// The picture of an image kind: its file, else the program's placeholder.
void LoadPicture(HWND hWnd, int32_t lElem) {
    const tDlg& t = gatDlg[lElem];
    const bool bButton = IsButtonImage(t.lCtlType);
    const uint32_t lStyle = static_cast<uint32_t>(t.lStyle);
    bool bIcon = bButton ? (lStyle & kBsIcon) != 0 : (lStyle & kSsTypeMask) == kSsIcon;
    int32_t cx = 0, cy = 0;
    if (t.lCtlType == wkCtlImageX || t.lCtlType == wkCtlImgButtonX) {
        RECT r{};
        GetClientRect(hWnd, &r);
        cx = r.right;
        cy = r.bottom;
    }
    HANDLE hImage = nullptr;
    const std::string sFile = t.lDataResElem ? DataFileName(lElem) : std::string();
    if (!sFile.empty()) {
        const std::string sExt = UpperExt(sFile);
        bIcon = sExt == ".ICO";
        if (sExt == ".BMP" || sExt == ".ICO") {
            hImage = LoadImageA(nullptr, sFile.c_str(), bIcon ? IMAGE_ICON : IMAGE_BITMAP, cx, cy,
                                LR_LOADFROMFILE);
        }
    }
    if (!hImage) {
        hImage = LoadImageA(GetModuleHandleA(nullptr),
                            MAKEINTRESOURCEA(bIcon ? IDI_DIALOG : IDB_PLACEHOLDER),
                            bIcon ? IMAGE_ICON : IMAGE_BITMAP, cx, cy, 0);
    }
    const WPARAM lType = bIcon ? IMAGE_ICON : IMAGE_BITMAP;
    const UINT lMsg = bButton ? BM_SETIMAGE : STM_SETIMAGE;
    HANDLE hOld =
        reinterpret_cast<HANDLE>(SendMessageA(hWnd, lMsg, lType, reinterpret_cast<LPARAM>(hImage)));
    if (hOld && hOld != hImage) {
        // A static may hand back an image of its own type either way.
        if (!DestroyIcon(static_cast<HICON>(hOld))) {
            DeleteObject(hOld);
        }
    }
}

void FreePicture(HWND hWnd, int32_t lKind) {
    const bool bButton = IsButtonImage(lKind);
    for (WPARAM lType : {WPARAM{IMAGE_BITMAP}, WPARAM{IMAGE_ICON}}) {
        HANDLE h = reinterpret_cast<HANDLE>(
            SendMessageA(hWnd, bButton ? BM_GETIMAGE : STM_GETIMAGE, lType, 0));
        if (h) {
            if (lType == IMAGE_ICON) {
                DestroyIcon(static_cast<HICON>(h));
            } else {
                DeleteObject(h);
            }
        }
    }
}

void SubclassChildren(HWND hWnd, int32_t lElem) {
    for (HWND h = GetWindow(hWnd, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        SubclassDesignWindow(h, lElem);
    }
}

// The windows subclassed on the surface with their rows and previous
// procedures. The same values stand in the windows' properties for anyone
// who asks; this copy answers every message without a trip to the window
// system, which the properties cost under some systems.
struct tSubclass {
    WNDPROC pfnOld;
    int32_t lElem;
};
std::unordered_map<HWND, tSubclass> gaSubclass;

std::string Item(const char* sz, int32_t n) {
    return sz + std::to_string(n);
}

LRESULT CALLBACK ControlProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const auto it = gaSubclass.find(hWnd);
    const WNDPROC pfnOld = it != gaSubclass.end() ? it->second.pfnOld : nullptr;
    const int32_t lElem = it != gaSubclass.end() ? it->second.lElem : 0;
    if (gpfnTabOrderMouse && uMsg >= WM_MOUSEFIRST && uMsg <= WM_MOUSELAST) {
        return gpfnTabOrderMouse(hWnd, uMsg, lElem);
    }
    bool bHandled = false;
    const LRESULT lResult = ControlMouse(hWnd, lElem, uMsg, wParam, lParam, bHandled);
    if (bHandled) {
        return lResult;
    }
    if (uMsg == WM_DESTROY) {
        if (RowWindow(lElem) == hWnd) {
            const int32_t lKind = gatDlg[lElem].lCtlType;
            if (IsImageKind(lKind)) {
                FreePicture(hWnd, lKind);
            } else if (lKind == wkCtlAnimate) {
                SendMessageA(hWnd, ACM_OPENA, 0, 0);
            }
        }
        RemovePropA(hWnd, "CtlElem");
        const LRESULT l = pfnOld ? CallWindowProcA(pfnOld, hWnd, uMsg, wParam, lParam) : 0;
        if (pfnOld) {
            SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnOld));
        }
        RemovePropA(hWnd, "SubClassProc");
        gaSubclass.erase(hWnd);
        return l;
    }
    LRESULT l = pfnOld ? CallWindowProcA(pfnOld, hWnd, uMsg, wParam, lParam)
                       : DefWindowProcA(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_PAINT || uMsg == WM_NCPAINT) {
        // Group markers lie on top of every control: what the control just
        // drew over them is drawn again.
        RepaintMarkersOver(hWnd);
    }
    return l;
}

} // namespace

void SubclassDesignWindow(HWND hWnd, int32_t lElem) {
    if (!hWnd || gaSubclass.count(hWnd)) {
        return;
    }
    SetPropA(hWnd, "CtlElem", reinterpret_cast<HANDLE>(static_cast<intptr_t>(lElem)));
    const LONG_PTR pfnOld =
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc));
    SetPropA(hWnd, "SubClassProc", reinterpret_cast<HANDLE>(pfnOld));
    gaSubclass[hWnd] = {reinterpret_cast<WNDPROC>(pfnOld), lElem};
    // Every control class reports double-clicks on the surface (the class
    // style is asked for first: changing it is costly where windows are many).
    const ULONG_PTR lClass = GetClassLongPtrA(hWnd, GCL_STYLE);
    if (!(lClass & CS_DBLCLKS)) {
        SetClassLongPtrA(hWnd, GCL_STYLE, lClass | CS_DBLCLKS);
    }
}

void FillSampleContent(HWND hWnd, int32_t lElem) {
    const int32_t lKind = gatDlg[lElem].lCtlType;
    switch (lKind) {
    case wkCtlComboBox:
    case wkCtlListBox:
        SendMessageA(hWnd, WM_SETREDRAW, FALSE, 0);
        for (int32_t n = 1; n <= 30; ++n) {
            const std::string s = Item("Test Item #", n);
            SendMessageA(hWnd, lKind == wkCtlComboBox ? CB_ADDSTRING : LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(s.c_str()));
        }
        SendMessageA(hWnd, WM_SETREDRAW, TRUE, 0);
        break;
    case wkCtlImage:
    case wkCtlImageX:
    case wkCtlImgButton:
    case wkCtlImgButtonX:
        LoadPicture(hWnd, lElem);
        break;
    case wkCtlProgress:
        SendMessageA(hWnd, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        SendMessageA(hWnd, PBM_SETPOS, 30, 0);
        break;
    case wkCtlListView: {
        // Filled without a repaint per row; the columns are as wide as their
        // widest text (all rows of a column read alike but for the row number).
        SendMessageA(hWnd, WM_SETREDRAW, FALSE, 0);
        SendMessageA(hWnd, LVM_SETITEMCOUNT, 30, 0);
        for (int32_t c = 0; c < 3; ++c) {
            std::string s = Item("Column", c);
            const std::string sWidest = s + Item(" Row", 29);
            const int32_t lWidth = static_cast<int32_t>(SendMessageA(
                hWnd, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(sWidest.c_str())));
            LVCOLUMNA tCol{};
            tCol.mask = LVCF_TEXT | LVCF_WIDTH;
            tCol.cx = lWidth + 12;
            tCol.pszText = s.data();
            SendMessageA(hWnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c),
                         reinterpret_cast<LPARAM>(&tCol));
        }
        for (int32_t r = 0; r < 30; ++r) {
            for (int32_t c = 0; c < 3; ++c) {
                std::string s = Item("Column", c) + Item(" Row", r);
                LVITEMA tItem{};
                tItem.mask = LVIF_TEXT;
                tItem.iItem = r;
                tItem.iSubItem = c;
                tItem.pszText = s.data();
                SendMessageA(hWnd, c == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA,
                             static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(&tItem));
            }
        }
        SendMessageA(hWnd, WM_SETREDRAW, TRUE, 0);
        SubclassChildren(hWnd, lElem);
        break;
    }
    case wkCtlTreeView:
        SendMessageA(hWnd, WM_SETREDRAW, FALSE, 0);
        for (int32_t n = 1; n <= 3; ++n) {
            std::string s = Item("Root", n);
            TVINSERTSTRUCTA tIns{};
            tIns.hInsertAfter = TVI_LAST;
            tIns.item.mask = TVIF_TEXT;
            tIns.item.pszText = s.data();
            auto hRoot = reinterpret_cast<HTREEITEM>(
                SendMessageA(hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tIns)));
            for (int32_t i = 1; i <= 3; ++i) {
                std::string sItem = Item("Item", i);
                tIns.hParent = hRoot;
                tIns.item.pszText = sItem.data();
                auto hItem = reinterpret_cast<HTREEITEM>(
                    SendMessageA(hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tIns)));
                for (int32_t k = 1; k <= 3; ++k) {
                    std::string sSub = Item("SubItem", i) + Item(".", k);
                    tIns.hParent = hItem;
                    tIns.item.pszText = sSub.data();
                    SendMessageA(hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tIns));
                }
                tIns.hParent = nullptr;
            }
        }
        SendMessageA(hWnd, WM_SETREDRAW, TRUE, 0);
        break;
    case wkCtlTab:
        for (int32_t n = 0; n < 5; ++n) {
            std::string s = Item("Tab ", n);
            TCITEMA tItem{};
            tItem.mask = TCIF_TEXT;
            tItem.pszText = s.data();
            SendMessageA(hWnd, TCM_INSERTITEMA, static_cast<WPARAM>(n),
                         reinterpret_cast<LPARAM>(&tItem));
        }
        SubclassChildren(hWnd, lElem);
        break;
    case wkCtlAnimate: {
        const std::string sFile = gatDlg[lElem].lDataResElem ? DataFileName(lElem) : std::string();
        if (sFile.empty() ||
            !SendMessageA(hWnd, ACM_OPENA, 0, reinterpret_cast<LPARAM>(sFile.c_str()))) {
            SendMessageA(hWnd, ACM_OPENA, reinterpret_cast<WPARAM>(GetModuleHandleA(nullptr)),
                         reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_ANIMATION)));
        }
        break;
    }
    case wkCtlIPAddress:
        SubclassChildren(hWnd, lElem);
        break;
    default:
        break;
    }
}

int32_t SubclassedElem(HWND hWnd) {
    const auto it = gaSubclass.find(hWnd);
    return it != gaSubclass.end() ? it->second.lElem : -1;
}

void ReloadStretchedImage(int32_t lElem) {
    const int32_t lKind = gatDlg[lElem].lCtlType;
    if ((lKind == wkCtlImageX || lKind == wkCtlImgButtonX) && RowWindow(lElem)) {
        LoadPicture(RowWindow(lElem), lElem);
    }
}

void CreateControlWindow(HWND hOverlay, int32_t lElem) {
    const tDlg& t = gatDlg[lElem];
    std::string sClass = CtlTypeClass(t.lCtlType);
    if (sClass.empty()) {
        sClass = "Static";
    }
    const tCtlDefault& tDef =
        gatCtlDefault[t.lCtlType >= 0 && t.lCtlType < wkCtlKindCount ? t.lCtlType : 0];
    DWORD lStyle = static_cast<DWORD>(t.lStyle | tDef.lDesignStyle) | WS_CHILD;
    if (t.lCtlType == wkCtlUpDown) {
        lStyle &= ~DWORD{0x10}; // never attach to the control before it
    }
    const DWORD lExStyle = static_cast<DWORD>(t.lExStyle | tDef.lDesignExStyle);
    const RECT r = ControlPixelRect(lElem);
    HWND hWnd =
        CreateWindowExA(lExStyle, sClass.c_str(), GetDynStr(t.lCaptionElem).c_str(),
                        lStyle & ~DWORD{WS_POPUP}, r.left, r.top, r.right - r.left,
                        r.bottom - r.top, hOverlay, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hWnd) {
        // The control stays in the dialog and in the saved files; only the
        // surface cannot show it.
        if (!gtDesign.lFailShown) {
            gtDesign.lFailShown = 1;
            StatusText("A control of class \"" + sClass +
                       "\" cannot be shown on this system; it is kept in the dialog.");
        }
        gatDlg.W(lElem).hWnd = 0;
        UpdateCommands();
        return;
    }
    SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(t.lFontElem)), 0);
    FillSampleContent(hWnd, lElem);
    SubclassDesignWindow(hWnd, lElem);
    gatDlg.W(lElem).hWnd = reinterpret_cast<intptr_t>(hWnd);
    // The surface's own styles; the window is touched only where they differ
    // from those it was made with.
    const tDesignStyles tLive = DesignWindowStyles(lElem);
    const LONG lLiveStyle = tLive.lStyle | WS_CHILD;
    if (GetWindowLongA(hWnd, GWL_STYLE) != lLiveStyle ||
        GetWindowLongA(hWnd, GWL_EXSTYLE) != tLive.lExStyle) {
        SetWindowLongA(hWnd, GWL_STYLE, lLiveStyle);
        SetWindowLongA(hWnd, GWL_EXSTYLE, tLive.lExStyle);
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                         ((lLiveStyle & WS_VISIBLE) ? SWP_SHOWWINDOW : 0));
    }
    UpdateCommands();
}
