// Keyboard, mouse, wheel and scroll bars of EDM32EDIT. Editing keys follow an
// ordinary edit control; in view-only mode the navigation keys scroll the view,
// since there is no caret to move.
#include "codeview/edit_state.h"

#include <commctrl.h>

#include <algorithm>

namespace {

bool KeyDown(int lKey) {
    return GetKeyState(lKey) < 0;
}

int TabSize(const tCodeEdit& t) {
    return static_cast<int>(SettingOf(t, wkEmSetTabSize));
}

// Moves the caret to tPos; with bExtend the anchor stays and the selection grows.
void MoveCaretTo(tCodeEdit& t, tTextPos tPos, bool bExtend, bool bKeepWantCol = false) {
    const int lWant = t.lWantCol;
    t.tCaret = ClampPos(t.tText, tPos);
    if (!bExtend) {
        t.tAnchor = t.tCaret;
    }
    t.lWantCol = bKeepWantCol ? lWant : -1;
    EnsureCaretVisible(t);
    PlaceCaret(t);
    InvalidateRect(t.hWnd, nullptr, FALSE);
}

// The caret a line (or page) up or down, keeping the column it started in.
tTextPos VerticalMove(tCodeEdit& t, int lLines) {
    if (t.lWantCol < 0) {
        t.lWantCol = ColumnOfPos(t.tText.asLine[t.tCaret.lLine], t.tCaret.lCol, TabSize(t));
    }
    const int lLine = std::clamp(t.tCaret.lLine + lLines, 0, LineCount(t.tText) - 1);
    return {lLine, PosAtOrBeforeColumn(t.tText.asLine[lLine], t.lWantCol, TabSize(t))};
}

void ScrollByKey(tCodeEdit& t, WPARAM wKey, bool bCtrl) {
    const int lPage = std::max(1, VisibleLines(t) - 1);
    switch (wKey) {
    case VK_UP:
        ScrollTo(t, t.lTopLine - 1, t.lLeftCol);
        break;
    case VK_DOWN:
        ScrollTo(t, t.lTopLine + 1, t.lLeftCol);
        break;
    case VK_PRIOR:
        ScrollTo(t, t.lTopLine - lPage, t.lLeftCol);
        break;
    case VK_NEXT:
        ScrollTo(t, t.lTopLine + lPage, t.lLeftCol);
        break;
    case VK_LEFT:
        ScrollTo(t, t.lTopLine, t.lLeftCol - 1);
        break;
    case VK_RIGHT:
        ScrollTo(t, t.lTopLine, t.lLeftCol + 1);
        break;
    case VK_HOME:
        ScrollTo(t, bCtrl ? 0 : t.lTopLine, 0);
        break;
    case VK_END:
        ScrollTo(t, bCtrl ? LineCount(t.tText) : t.lTopLine, bCtrl ? 0 : t.lWidestCols);
        break;
    }
}

// In view-only mode the caret is never shown, and scrolling leaves it
// behind: a selection made with the keyboard starts where the user can see,
// at the first visible line, unless the caret is in view (after a click).
void BringCaretIntoView(tCodeEdit& t) {
    const int lCol = ColumnOfPos(t.tText.asLine[t.tCaret.lLine], t.tCaret.lCol, TabSize(t));
    const bool bInView = t.tCaret.lLine >= t.lTopLine &&
                         t.tCaret.lLine < t.lTopLine + std::max(1, VisibleLines(t)) &&
                         lCol >= t.lLeftCol && lCol <= t.lLeftCol + VisibleCols(t);
    if (bInView || HasSelection(t)) {
        return;
    }
    const int lLine = std::clamp(t.lTopLine, 0, LineCount(t.tText) - 1);
    t.tCaret = {lLine, PosAtOrBeforeColumn(t.tText.asLine[lLine], t.lLeftCol, TabSize(t))};
    t.tAnchor = t.tCaret;
    t.lWantCol = -1;
}

void Navigate(tCodeEdit& t, WPARAM wKey, bool bCtrl, bool bShift) {
    const tTextPos tFrom = std::min(t.tAnchor, t.tCaret);
    const tTextPos tTo = std::max(t.tAnchor, t.tCaret);
    const int lPage = std::max(1, VisibleLines(t) - 1);
    switch (wKey) {
    case VK_LEFT:
        if (!bShift && HasSelection(t) && !bCtrl) {
            MoveCaretTo(t, tFrom, false); // a selection collapses to its start
        } else if (bCtrl) {
            MoveCaretTo(t, WordLeft(t.tText, t.tCaret), bShift);
        } else if (t.tCaret.lCol > 0) {
            MoveCaretTo(t, {t.tCaret.lLine, t.tCaret.lCol - 1}, bShift);
        } else if (t.tCaret.lLine > 0) {
            MoveCaretTo(t, {t.tCaret.lLine - 1, LineLength(t.tText, t.tCaret.lLine - 1)}, bShift);
        }
        break;
    case VK_RIGHT:
        if (!bShift && HasSelection(t) && !bCtrl) {
            MoveCaretTo(t, tTo, false);
        } else if (bCtrl) {
            MoveCaretTo(t, WordRight(t.tText, t.tCaret), bShift);
        } else if (t.tCaret.lCol < LineLength(t.tText, t.tCaret.lLine)) {
            MoveCaretTo(t, {t.tCaret.lLine, t.tCaret.lCol + 1}, bShift);
        } else if (t.tCaret.lLine + 1 < LineCount(t.tText)) {
            MoveCaretTo(t, {t.tCaret.lLine + 1, 0}, bShift);
        }
        break;
    case VK_UP:
        MoveCaretTo(t, VerticalMove(t, -1), bShift, true);
        break;
    case VK_DOWN:
        MoveCaretTo(t, VerticalMove(t, 1), bShift, true);
        break;
    case VK_PRIOR:
        ScrollTo(t, t.lTopLine - lPage, t.lLeftCol);
        MoveCaretTo(t, VerticalMove(t, -lPage), bShift, true);
        break;
    case VK_NEXT:
        ScrollTo(t, t.lTopLine + lPage, t.lLeftCol);
        MoveCaretTo(t, VerticalMove(t, lPage), bShift, true);
        break;
    case VK_HOME:
        MoveCaretTo(t, bCtrl ? tTextPos{} : tTextPos{t.tCaret.lLine, 0}, bShift);
        break;
    case VK_END:
        MoveCaretTo(t,
                    bCtrl ? TextEnd(t.tText)
                          : tTextPos{t.tCaret.lLine, LineLength(t.tText, t.tCaret.lLine)},
                    bShift);
        break;
    }
}

void DeleteForward(tCodeEdit& t) {
    if (!HasSelection(t)) {
        if (t.tCaret == TextEnd(t.tText)) {
            return;
        }
        const tTextPos tNext = t.tCaret.lCol < LineLength(t.tText, t.tCaret.lLine)
                                   ? tTextPos{t.tCaret.lLine, t.tCaret.lCol + 1}
                                   : tTextPos{t.tCaret.lLine + 1, 0};
        t.tAnchor = tNext;
    }
    ReplaceSelection(t, "", false);
}

void DeleteBackward(tCodeEdit& t) {
    if (!HasSelection(t)) {
        if (t.tCaret == tTextPos{}) {
            return;
        }
        t.tAnchor = t.tCaret.lCol > 0
                        ? tTextPos{t.tCaret.lLine, t.tCaret.lCol - 1}
                        : tTextPos{t.tCaret.lLine - 1, LineLength(t.tText, t.tCaret.lLine - 1)};
    }
    ReplaceSelection(t, "", false);
}

void SelectAll(tCodeEdit& t) {
    SetSelection(t, {}, TextEnd(t.tText), false);
}

void OnScrollBar(tCodeEdit& t, int lBar, WPARAM wParam) {
    SCROLLINFO tInfo{};
    tInfo.cbSize = sizeof(tInfo);
    tInfo.fMask = SIF_ALL;
    GetScrollInfo(t.hWnd, lBar, &tInfo);
    const bool bVert = lBar == SB_VERT;
    int lPos = bVert ? t.lTopLine : t.lLeftCol;
    const int lPage = std::max(1, static_cast<int>(tInfo.nPage) - (bVert ? 1 : 0));
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        --lPos;
        break;
    case SB_LINEDOWN:
        ++lPos;
        break;
    case SB_PAGEUP:
        lPos -= lPage;
        break;
    case SB_PAGEDOWN:
        lPos += lPage;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        lPos = tInfo.nTrackPos; // 32-bit, unlike the position in wParam
        break;
    case SB_TOP:
        lPos = 0;
        break;
    case SB_BOTTOM:
        lPos = tInfo.nMax;
        break;
    default:
        return;
    }
    if (bVert) {
        ScrollTo(t, lPos, t.lLeftCol);
    } else {
        ScrollTo(t, t.lTopLine, lPos);
    }
}

void OnWheel(tCodeEdit& t, WPARAM wParam) {
    UINT lLinesPerNotch = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lLinesPerNotch, 0);
    t.lWheelRest += GET_WHEEL_DELTA_WPARAM(wParam);
    const int lNotches = t.lWheelRest / WHEEL_DELTA;
    t.lWheelRest -= lNotches * WHEEL_DELTA;
    if (lNotches == 0 || lLinesPerNotch == 0) {
        return;
    }
    const int lLines = lLinesPerNotch == WHEEL_PAGESCROLL ? std::max(1, VisibleLines(t) - 1)
                                                          : static_cast<int>(lLinesPerNotch);
    ScrollTo(t, t.lTopLine - lNotches * lLines, t.lLeftCol);
}

void OnDoubleClick(tCodeEdit& t, int x, int y) {
    const tTextPos tHit = PosFromPoint(t, x, y, false);
    if (x < t.lMargin) {
        // In the margin: the whole procedure around the line, END line included.
        if (auto oProc = FindProcedure(t.tText, tHit.lLine)) {
            const tTextPos tEnd = oProc->lLast + 1 < LineCount(t.tText)
                                      ? tTextPos{oProc->lLast + 1, 0}
                                      : tTextPos{oProc->lLast, LineLength(t.tText, oProc->lLast)};
            SetSelection(t, {oProc->lFirst, 0}, tEnd, false);
        }
        return;
    }
    const tColRange tWord = WordAt(t.tText.asLine[tHit.lLine], tHit.lCol);
    SetSelection(t, {tHit.lLine, tWord.lStart}, {tHit.lLine, tWord.lEnd}, true);
}

void StopDrag(tCodeEdit& t) {
    t.bDragging = false;
    t.lDragDir = 0;
    KillTimer(t.hWnd, glDragTimer);
}

void NotifyRightClick(tCodeEdit& t) {
    NMHDR tHdr{};
    tHdr.hwndFrom = t.hWnd;
    tHdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(t.hWnd));
    tHdr.code = static_cast<UINT>(NM_RCLICK);
    SendMessageA(GetParent(t.hWnd), WM_NOTIFY, tHdr.idFrom, reinterpret_cast<LPARAM>(&tHdr));
}

} // namespace

LRESULT OnKeyDown(tCodeEdit& t, WPARAM wKey, LPARAM lKeyData) {
    const bool bCtrl = KeyDown(VK_CONTROL);
    const bool bShift = KeyDown(VK_SHIFT);
    switch (wKey) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        if (t.lViewOnly && !bShift) {
            ScrollByKey(t, wKey, bCtrl);
        } else {
            if (t.lViewOnly) {
                BringCaretIntoView(t);
            }
            Navigate(t, wKey, bCtrl, bShift);
        }
        return 0;
    case VK_DELETE:
        if (bShift) {
            SendMessageA(t.hWnd, WM_CUT, 0, 0);
        } else if (!t.lViewOnly) {
            DeleteForward(t);
        }
        return 0;
    case VK_INSERT:
        if (bCtrl) {
            CopySelection(t);
        } else if (bShift) {
            PasteClipboard(t);
        }
        return 0;
    default:
        return DefWindowProcA(t.hWnd, WM_KEYDOWN, wKey, lKeyData);
    }
}

LRESULT OnChar(tCodeEdit& t, WPARAM wChar) {
    switch (wChar) {
    case 0x01: // Ctrl+A
        SelectAll(t);
        return 0;
    case 0x03: // Ctrl+C
        CopySelection(t);
        return 0;
    case 0x16: // Ctrl+V
        PasteClipboard(t);
        return 0;
    case 0x18: // Ctrl+X
        SendMessageA(t.hWnd, WM_CUT, 0, 0);
        return 0;
    case 0x1A: // Ctrl+Z
        UndoLastEdit(t);
        return 0;
    case '\b':
        if (!t.lViewOnly) {
            DeleteBackward(t);
        }
        return 0;
    case '\r':
        ReplaceSelection(t, "\r\n", false);
        return 0;
    case '\t':
        ReplaceSelection(t, "\t", true);
        return 0;
    default:
        if (wChar >= 0x20 && wChar <= 0xFF) {
            const char c = static_cast<char>(wChar);
            ReplaceSelection(t, std::string_view(&c, 1), true);
        }
        return 0;
    }
}

LRESULT OnMouse(tCodeEdit& t, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    switch (uMsg) {
    case WM_VSCROLL:
        OnScrollBar(t, SB_VERT, wParam);
        return 0;
    case WM_HSCROLL:
        OnScrollBar(t, SB_HORZ, wParam);
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(t, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(t.hWnd);
        MoveCaretTo(t, PosFromPoint(t, x, y, true), (wParam & MK_SHIFT) != 0);
        t.bDragging = true;
        SetCapture(t.hWnd);
        return 0;
    case WM_MOUSEMOVE:
        if (t.bDragging) {
            MoveCaretTo(t, PosFromPoint(t, x, y, true), true);
            // Beyond the top or bottom edge the timer keeps scrolling while the mouse rests.
            const int lDir = y < 0 ? -1 : (y >= VisibleLines(t) * t.cyLine ? 1 : 0);
            if (lDir != t.lDragDir) {
                t.lDragDir = lDir;
                if (lDir) {
                    SetTimer(t.hWnd, glDragTimer, 50, nullptr);
                } else {
                    KillTimer(t.hWnd, glDragTimer);
                }
            }
        }
        return 0;
    case WM_LBUTTONUP:
        if (t.bDragging) {
            StopDrag(t);
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        StopDrag(t);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(t, x, y);
        return 0;
    case WM_RBUTTONDOWN:
        SetFocus(t.hWnd);
        return 0;
    case WM_RBUTTONUP:
        NotifyRightClick(t);
        return 0;
    case WM_CONTEXTMENU:
        // Shift+F10 and the menu key arrive here; a mouse click already notified.
        if (lParam == -1) {
            NotifyRightClick(t);
        }
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorA(nullptr, t.lViewOnly ? IDC_ARROW : IDC_IBEAM));
            return TRUE;
        }
        return DefWindowProcA(t.hWnd, uMsg, wParam, lParam);
    }
    return 0;
}

void OnDragTimer(tCodeEdit& t) {
    if (!t.bDragging || t.lDragDir == 0) {
        KillTimer(t.hWnd, glDragTimer);
        return;
    }
    const int lLine = std::clamp(t.tCaret.lLine + t.lDragDir, 0, LineCount(t.tText) - 1);
    POINT tPt;
    GetCursorPos(&tPt);
    ScreenToClient(t.hWnd, &tPt);
    const tTextPos tHit = PosFromPoint(t, tPt.x, 0, true);
    MoveCaretTo(t,
                {lLine, PosOfColumn(t.tText.asLine[lLine],
                                    ColumnOfPos(t.tText.asLine[tHit.lLine], tHit.lCol, TabSize(t)),
                                    TabSize(t))},
                true);
}
