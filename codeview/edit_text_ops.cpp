// Selection, editing, undo, the clipboard and the caret of EDM32EDIT: the
// operations the keyboard, the mouse and the messages share.
#include "codeview/edit_state.h"

#include <algorithm>
#include <cstring>

namespace {

void NotifyChange(tCodeEdit& t) {
    SendMessageA(GetParent(t.hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(t.hWnd), EN_CHANGE),
                 reinterpret_cast<LPARAM>(t.hWnd));
}

} // namespace

bool HasSelection(const tCodeEdit& t) {
    return t.tAnchor != t.tCaret;
}

void SetSelection(tCodeEdit& t, tTextPos tAnchor, tTextPos tCaret, bool bScroll) {
    t.tAnchor = ClampPos(t.tText, tAnchor);
    t.tCaret = ClampPos(t.tText, tCaret);
    t.lWantCol = -1;
    if (bScroll) {
        EnsureCaretVisible(t);
    }
    PlaceCaret(t);
    InvalidateRect(t.hWnd, nullptr, FALSE);
}

void ReplaceSelection(tCodeEdit& t, std::string_view sNew, bool bTyping) {
    if (t.lViewOnly) {
        return;
    }
    const tTextPos tFrom = std::min(t.tAnchor, t.tCaret);
    const tTextPos tTo = std::max(t.tAnchor, t.tCaret);
    if (tFrom == tTo && sNew.empty()) {
        return;
    }
    const tTextPos tEnd = EditRange(t.tText, t.tUndo, tFrom, tTo, sNew, bTyping);
    for (int l = tFrom.lLine; l <= tEnd.lLine; ++l) {
        t.lWidestCols =
            std::max(t.lWidestCols,
                     LineColumns(t.tText.asLine[l], static_cast<int>(Setting(t, wkEmSetTabSize))));
    }
    t.tAnchor = t.tCaret = tEnd;
    t.lWantCol = -1;
    UpdateScrollBars(t);
    EnsureCaretVisible(t);
    PlaceCaret(t);
    InvalidateRect(t.hWnd, nullptr, FALSE);
    NotifyChange(t);
}

void UndoLastEdit(tCodeEdit& t) {
    if (t.lViewOnly) {
        return;
    }
    if (auto oRange = UndoStep(t.tText, t.tUndo)) {
        RecomputeWidest(t);
        t.tAnchor = oRange->first;
        t.tCaret = oRange->second;
        UpdateScrollBars(t);
        EnsureCaretVisible(t);
        PlaceCaret(t);
        InvalidateRect(t.hWnd, nullptr, FALSE);
        NotifyChange(t);
    }
}

bool CopySelection(tCodeEdit& t) {
    if (!HasSelection(t)) {
        return false;
    }
    const std::string s = GetTextRange(t.tText, t.tAnchor, t.tCaret);
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, s.size() + 1);
    if (!hMem) {
        return false;
    }
    if (char* p = static_cast<char*>(GlobalLock(hMem))) {
        std::memcpy(p, s.c_str(), s.size() + 1);
        GlobalUnlock(hMem);
    }
    // Another program may hold the clipboard for a moment.
    bool bOpen = false;
    for (int lTry = 0; lTry < 10 && !(bOpen = OpenClipboard(t.hWnd)); ++lTry) {
        Sleep(10);
    }
    bool bDone = false;
    if (bOpen) {
        EmptyClipboard();
        bDone = SetClipboardData(CF_TEXT, hMem) != nullptr;
        CloseClipboard();
    }
    if (!bDone) {
        GlobalFree(hMem);
    }
    return bDone;
}

void PasteClipboard(tCodeEdit& t) {
    if (t.lViewOnly || !IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(t.hWnd)) {
        return;
    }
    std::string s;
    if (HANDLE hData = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(hData))) {
            // Text without its zero at the end stops at the block's size.
            s.assign(p, strnlen(p, GlobalSize(hData)));
            GlobalUnlock(hData);
        }
    }
    CloseClipboard();
    if (!s.empty()) {
        ReplaceSelection(t, s, false);
    }
}

void CaretShow(tCodeEdit& t) {
    if (!t.bHasFocus || t.lViewOnly || t.bCaretMade) {
        return;
    }
    t.bCaretMade = CreateCaret(t.hWnd, nullptr, 2, t.cyLine) != FALSE;
    PlaceCaret(t);
    ShowCaret(t.hWnd);
}

void CaretDrop(tCodeEdit& t) {
    if (t.bCaretMade) {
        HideCaret(t.hWnd);
        DestroyCaret();
        t.bCaretMade = false;
    }
}
