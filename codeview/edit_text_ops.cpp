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
    tGlobal tBlock(GlobalAlloc(GMEM_MOVEABLE, s.size() + 1));
    if (!tBlock) {
        return false;
    }
    if (char* p = static_cast<char*>(GlobalLock(tBlock.Get()))) {
        std::memcpy(p, s.c_str(), s.size() + 1);
        GlobalUnlock(tBlock.Get());
    }
    // Another program may hold the clipboard for a moment.
    const tClipboard tClip(t.hWnd, 10);
    if (!tClip.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_TEXT, tBlock.Get())) {
        return false;
    }
    tBlock.Release(); // the clipboard owns it now
    return true;
}

void PasteClipboard(tCodeEdit& t) {
    if (t.lViewOnly || !IsClipboardFormatAvailable(CF_TEXT)) {
        return;
    }
    std::string s;
    {
        const tClipboard tClip(t.hWnd);
        HANDLE hData = tClip.IsOpen() ? GetClipboardData(CF_TEXT) : nullptr;
        if (const char* p = hData ? static_cast<const char*>(GlobalLock(hData)) : nullptr) {
            // Text without its zero at the end stops at the block's size.
            s.assign(p, strnlen(p, GlobalSize(hData)));
            GlobalUnlock(hData);
        }
    }
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
