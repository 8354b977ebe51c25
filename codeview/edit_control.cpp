// EDM32EDIT: class registration, the instance record's life and the message
// dispatch: settings, loading and replacing the text, selection offsets and
// the control's own queries.
#include "codeview/edit_state.h"
#include "codeview/edm32edit.h"

#include "codeview/lexer/keywords.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Files larger than this are refused instead of exhausting memory.
constexpr DWORD glMaxFileSize = 512u * 1024u * 1024u;

tCodeEdit* Record(HWND hWnd) {
    return reinterpret_cast<tCodeEdit*>(GetWindowLongPtrA(hWnd, 0));
}

void NotifyFailure(HWND hWnd) {
    const int lId = GetDlgCtrlID(hWnd);
    SendMessageA(GetParent(hWnd), WM_COMMAND, MAKEWPARAM(lId, wkEnEditFailed),
                 reinterpret_cast<LPARAM>(hWnd));
}

void SetDefaults(tCodeEdit& t) {
    Setting(t, wkEmSetAsmFore) = 0x0000FF;
    Setting(t, wkEmSetBasFore) = 0xFF0000;
    Setting(t, wkEmSetRemFore) = 0x008000;
    Setting(t, wkEmSetStrFore) = 0x000000;
    Setting(t, wkEmSetWrenkitFore) = 0x0064C0;
    Setting(t, wkEmSetMarkFore) = GetSysColor(COLOR_HIGHLIGHTTEXT);
    for (unsigned lMsg :
         {wkEmSetAsmBack, wkEmSetBasBack, wkEmSetRemBack, wkEmSetStrBack, wkEmSetWrenkitBack}) {
        Setting(t, lMsg) = 0xFFFFFF;
    }
    Setting(t, wkEmSetMarkBack) = GetSysColor(COLOR_HIGHLIGHT);
    Setting(t, wkEmSetWindowBack) = GetSysColor(COLOR_WINDOW);
    Setting(t, wkEmSetTextFore) = GetSysColor(COLOR_WINDOWTEXT);
    Setting(t, wkEmSetTextBack) = GetSysColor(COLOR_WINDOW);
    Setting(t, wkEmSetTabSize) = 8;
    Setting(t, wkEmSetKeywordCase) = 1;
    Setting(t, wkEmSetColorSyntax) = 1;
}

// The editor's own font until the owner gives one: the IDE's default face and size.
HFONT MakeDefaultFont(HWND hWnd) {
    tWindowDC tDC(hWnd);
    const int lHeight = -MulDiv(10, GetDeviceCaps(tDC.Get(), LOGPIXELSY), 72);
    return CreateFontA(lHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       FIXED_PITCH | FF_MODERN, "Courier New");
}

int ModeOfPath(std::string_view sPath) {
    const size_t lSlash = sPath.find_last_of("\\/:");
    const size_t lDot = sPath.find_last_of('.');
    if (lDot == std::string_view::npos || (lSlash != std::string_view::npos && lDot < lSlash)) {
        return wkModePlain;
    }
    const std::string sExt = UpperAscii(sPath.substr(lDot));
    if (sExt == ".BAS" || sExt == ".INC") {
        return wkModeBasic;
    }
    return sExt == ".RC" ? wkModeRc : wkModePlain;
}

bool ReadWholeFile(const char* szPath, std::string& sData) {
    HANDLE hFile = CreateFileA(szPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER tSize{};
    bool bOk = GetFileSizeEx(hFile, &tSize) && tSize.QuadPart <= glMaxFileSize;
    if (bOk) {
        sData.resize(static_cast<size_t>(tSize.QuadPart));
        DWORD lRead = 0;
        bOk = sData.empty() ||
              (ReadFile(hFile, sData.data(), static_cast<DWORD>(sData.size()), &lRead, nullptr) &&
               lRead == sData.size());
    }
    CloseHandle(hFile);
    return bOk;
}

void TextReplaced(tCodeEdit& t) {
    t.tUndo = tUndoStep();
    t.tCaret = t.tAnchor = tTextPos();
    t.lWantCol = -1;
    RecomputeWidest(t);
    t.lTopLine = t.lLeftCol = 0;
    UpdateScrollBars(t);
    PlaceCaret(t);
    InvalidateRect(t.hWnd, nullptr, FALSE);
}

LRESULT LoadFile(tCodeEdit& t, const char* szPath) {
    std::string sData;
    if (!szPath || !ReadWholeFile(szPath, sData)) {
        NotifyFailure(t.hWnd);
        return -1;
    }
    t.lMode = ModeOfPath(szPath);
    SetCodeText(t.tText, sData);
    TextReplaced(t);
    return LineCount(t.tText);
}

LRESULT OnSetting(tCodeEdit& t, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg >= wkEmFirstSetting && uMsg <= wkEmLastSetting) {
        DWORD lValue = static_cast<DWORD>(wParam);
        if (uMsg == wkEmSetTabSize) {
            lValue = std::clamp<DWORD>(lValue, 1, 32);
        }
        Setting(t, uMsg) = lValue;
        if (uMsg == wkEmSetTabSize) {
            RecomputeWidest(t);
            UpdateScrollBars(t);
            PlaceCaret(t);
        }
        if (lParam) {
            InvalidateRect(t.hWnd, nullptr, FALSE);
        }
        return 0;
    }
    return SettingOf(t, uMsg - wkEmGetterOffset);
}

LRESULT OnCreate(HWND hWnd) {
    std::unique_ptr<tCodeEdit> pEdit;
    try {
        pEdit = std::make_unique<tCodeEdit>();
        // The keyword lists are sorted and indexed before the first paint.
        BasicKeywordIndex();
        RcKeywordIndex();
    } catch (...) {
        return -1;
    }
    pEdit->hWnd = hWnd;
    SetDefaults(*pEdit);
    pEdit->tOwnFont.Reset(MakeDefaultFont(hWnd));
    pEdit->hFont = pEdit->tOwnFont ? pEdit->tOwnFont.Get()
                                   : static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    SetWindowLongPtrA(hWnd, 0, reinterpret_cast<LONG_PTR>(pEdit.release()));
    tCodeEdit& t = *Record(hWnd);
    UpdateFontMetrics(t);
    RECT tRect;
    GetClientRect(hWnd, &tRect);
    t.cxClient = tRect.right;
    t.cyClient = tRect.bottom;
    UpdateScrollBars(t);
    return 0;
}

LRESULT GetSelectionOffsets(tCodeEdit& t, WPARAM wParam, LPARAM lParam) {
    const tTextPos tFrom = std::min(t.tAnchor, t.tCaret);
    const tTextPos tTo = std::max(t.tAnchor, t.tCaret);
    const long long lFrom = OffsetFromPos(t.tText, tFrom);
    const long long lTo = tFrom == tTo ? lFrom : OffsetFromPos(t.tText, tTo);
    if (wParam) {
        *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(lFrom);
    }
    if (lParam) {
        *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(lTo);
    }
    return MAKELRESULT(std::min<long long>(lFrom, 0xFFFF), std::min<long long>(lTo, 0xFFFF));
}

LRESULT SetSelectionOffsets(tCodeEdit& t, WPARAM wParam, LPARAM lParam) {
    const long long lFrom = static_cast<long long>(static_cast<int>(wParam));
    const long long lTo = static_cast<long long>(static_cast<int>(lParam));
    if (lFrom == -1) {
        SetSelection(t, t.tCaret, t.tCaret, false); // as an edit control: deselect
        return 0;
    }
    // An end of -1 (or past the text) means the end of the text.
    const tTextPos tFrom = PosFromOffset(t.tText, lFrom);
    const tTextPos tTo = lFrom == 0 && lTo == -1 ? TextEnd(t.tText) : PosFromOffset(t.tText, lTo);
    SetSelection(t, tFrom, tTo, false);
    return 0;
}

LRESULT GetText(tCodeEdit& t, WPARAM wParam, LPARAM lParam) {
    if (!lParam || wParam == 0) {
        return 0;
    }
    const std::string s = GetTextRange(t.tText, {0, 0}, TextEnd(t.tText));
    const size_t lCopy = std::min<size_t>(s.size(), wParam - 1);
    std::memcpy(reinterpret_cast<char*>(lParam), s.data(), lCopy);
    reinterpret_cast<char*>(lParam)[lCopy] = '\0';
    return static_cast<LRESULT>(lCopy);
}

LRESULT CodeEditMessage(tCodeEdit& t, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_SIZE:
        t.cxClient = LOWORD(lParam);
        t.cyClient = HIWORD(lParam);
        UpdateScrollBars(t);
        ScrollTo(t, t.lTopLine, t.lLeftCol);
        return 0;
    case WM_SETFOCUS:
        t.bHasFocus = true;
        CaretShow(t);
        return 0;
    case WM_KILLFOCUS:
        t.bHasFocus = false;
        CaretDrop(t);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT tPaint;
        HDC hDC = BeginPaint(t.hWnd, &tPaint);
        PaintCodeEdit(t, hDC, tPaint.rcPaint);
        EndPaint(t.hWnd, &tPaint);
        return 0;
    }
    case WM_PRINTCLIENT: {
        const RECT tAll{0, 0, t.cxClient, t.cyClient};
        PaintCodeEdit(t, reinterpret_cast<HDC>(wParam), tAll);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // every pixel is painted by WM_PAINT
    case WM_SETFONT:
        t.hFont = wParam ? reinterpret_cast<HFONT>(wParam) : t.tOwnFont.Get();
        if (!t.hFont) {
            t.hFont = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
        }
        UpdateFontMetrics(t);
        UpdateScrollBars(t);
        CaretDrop(t);
        CaretShow(t);
        if (lParam) {
            InvalidateRect(t.hWnd, nullptr, FALSE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(t.hFont);
    case WM_GETDLGCODE: {
        // Esc and Enter stay with the owner (they close the viewer) unless the text is edited.
        LRESULT lCode = DLGC_WANTARROWS | DLGC_WANTCHARS;
        const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
        if (!t.lViewOnly) {
            lCode |= DLGC_WANTTAB;
            if (pMsg && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
                lCode |= DLGC_WANTMESSAGE;
            }
        }
        return lCode;
    }
    case WM_KEYDOWN:
        return OnKeyDown(t, wParam, lParam);
    case WM_CHAR:
        return OnChar(t, wParam);
    case WM_TIMER:
        if (wParam == glDragTimer) {
            OnDragTimer(t);
        }
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_SETCURSOR:
    case WM_CONTEXTMENU:
        return OnMouse(t, uMsg, wParam, lParam);
    case WM_COPY:
    case wkEmCopy:
        return CopySelection(t) ? 1 : 0;
    case WM_CUT:
        if (!t.lViewOnly && CopySelection(t)) {
            ReplaceSelection(t, "", false);
        }
        return 0;
    case WM_PASTE:
        PasteClipboard(t);
        return 0;
    case WM_CLEAR:
        if (!t.lViewOnly) {
            ReplaceSelection(t, "", false);
        }
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        UndoLastEdit(t);
        return 1;
    case EM_SETSEL:
        return SetSelectionOffsets(t, wParam, lParam);
    case EM_GETSEL:
        return GetSelectionOffsets(t, wParam, lParam);
    case WM_SETTEXT:
    case wkEmReplaceText:
        SetCodeText(t.tText, lParam ? reinterpret_cast<const char*>(lParam) : "");
        TextReplaced(t);
        return uMsg == WM_SETTEXT ? TRUE : LineCount(t.tText);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(OffsetFromPos(t.tText, TextEnd(t.tText)));
    case WM_GETTEXT:
        return GetText(t, wParam, lParam);
    case wkEmLoadFile:
        return LoadFile(t, reinterpret_cast<const char*>(lParam));
    case wkEmIsKeyword: {
        const char* szWord = reinterpret_cast<const char*>(lParam);
        const size_t lLen = szWord ? strnlen(szWord, 256) : 256;
        return lLen < 256 && IsKeyword(t.lMode, std::string_view(szWord, lLen)) ? 1 : 0;
    }
    case wkEmSetViewOnly:
        t.lViewOnly = wParam ? 1 : 0;
        if (t.lViewOnly) {
            CaretDrop(t);
        } else {
            CaretShow(t);
        }
        return 0;
    case wkEmGetViewOnly:
        return t.lViewOnly;
    case wkEmSetMode:
        if (wParam == wkModePlain || wParam == wkModeBasic || wParam == wkModeRc) {
            t.lMode = static_cast<int>(wParam);
            if (lParam) {
                InvalidateRect(t.hWnd, nullptr, FALSE);
            }
        }
        return 0;
    case wkEmGetMode:
        return t.lMode;
    case wkEmGetLineCount:
        return LineCount(t.tText);
    case wkEmGetWidestLine:
        return t.lWidestCols;
    case wkEmGetCaretLine:
        return t.tCaret.lLine;
    case wkEmGetCaretCol:
        return t.tCaret.lCol;
    case wkEmGetAnchorLine:
        return t.tAnchor.lLine;
    case wkEmGetAnchorCol:
        return t.tAnchor.lCol;
    case wkEmGetTopLine:
        return t.lTopLine;
    case wkEmSetTopLine:
        ScrollTo(t, static_cast<int>(wParam), t.lLeftCol);
        return t.lTopLine;
    case wkEmGetMarginWidth:
        return t.lMargin;
    case wkEmGetCellSize:
        return MAKELRESULT(t.cxChar, t.cyLine);
    case wkEmGetLeftColumn:
        return t.lLeftCol;
    default:
        if (uMsg >= wkEmFirstSetting && uMsg <= wkEmLastSetting + wkEmGetterOffset &&
            (uMsg <= wkEmLastSetting || uMsg >= wkEmFirstSetting + wkEmGetterOffset)) {
            return OnSetting(t, uMsg, wParam, lParam);
        }
        return DefWindowProcA(t.hWnd, uMsg, wParam, lParam);
    }
}

LRESULT CALLBACK CodeEditProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    try {
        if (uMsg == WM_CREATE) {
            const LRESULT lResult = OnCreate(hWnd);
            if (lResult != 0) {
                NotifyFailure(hWnd);
            }
            return lResult;
        }
        tCodeEdit* pEdit = Record(hWnd);
        if (uMsg == WM_NCDESTROY) {
            SetWindowLongPtrA(hWnd, 0, 0);
            std::unique_ptr<tCodeEdit> pOwned(pEdit); // frees the record, its fonts and bitmaps
            return DefWindowProcA(hWnd, uMsg, wParam, lParam);
        }
        if (!pEdit) {
            return DefWindowProcA(hWnd, uMsg, wParam, lParam);
        }
        if (uMsg == WM_DESTROY) {
            KillTimer(hWnd, glDragTimer);
            CaretDrop(*pEdit);
            return 0;
        }
        return CodeEditMessage(*pEdit, uMsg, wParam, lParam);
    } catch (...) {
        // Out of memory while editing: the text stays as it was before the message.
        NotifyFailure(hWnd);
        return -1;
    }
}

} // namespace

bool RegisterCodeEditClass(HINSTANCE hInst) {
    WNDCLASSEXA tClass{};
    if (GetClassInfoExA(hInst, gszCodeEditClass, &tClass)) {
        return true;
    }
    tClass.cbSize = sizeof(tClass);
    tClass.style = CS_DBLCLKS;
    tClass.lpfnWndProc = CodeEditProc;
    tClass.cbWndExtra = sizeof(tCodeEdit*); // the instance record
    tClass.hInstance = hInst;
    tClass.hCursor = nullptr; // set per position in WM_SETCURSOR
    tClass.lpszClassName = gszCodeEditClass;
    return RegisterClassExA(&tClass) != 0;
}
