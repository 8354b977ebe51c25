// The instance record of an EDM32EDIT window and the operations its message
// handlers share. Only the control's own source files include this.
#pragma once

#include "codeview/lexer/code_text.h"
#include "codeview/lexer/edit_messages.h"
#include "codeview/lexer/lexer.h"
#include "codeview/lexer/line_layout.h"
#include "win/win_handles.h"

#include <array>
#include <string>
#include <vector>

struct tCodeEdit {
    HWND hWnd = nullptr;
    tCodeText tText;
    int lMode = 2;
    int lViewOnly = 0;
    // The colour and option settings, indexed by setter message - wkEmFirstSetting.
    std::array<DWORD, wkEmLastSetting - wkEmFirstSetting + 1> alSetting{};

    HFONT hFont = nullptr; // the font in use: given by WM_SETFONT, else tOwnFont
    tGdiFont tOwnFont;
    int cxChar = 8;   // width of a character cell
    int cyLine = 16;  // height of a line
    int lMargin = 12; // left margin in pixels (double-click selects a procedure)

    int lTopLine = 0;    // first visible line
    int lLeftCol = 0;    // first visible column
    int lWidestCols = 0; // widest line in columns, for the horizontal scroll range
    int cxClient = 0;
    int cyClient = 0;

    tTextPos tCaret;   // where typing goes; the moving end of the selection
    tTextPos tAnchor;  // the fixed end of the selection
    int lWantCol = -1; // column kept while moving up and down (-1: take the caret's)
    bool bHasFocus = false;
    bool bCaretMade = false;
    bool bDragging = false;
    int lDragDir = 0; // -1 / +1 while the drag-scroll timer runs
    int lWheelRest = 0;
    tUndoStep tUndo;

    tMemDC tBackDC; // off-screen bitmap so repaints do not flicker
    tGdiBitmap tBackBmp;
    int cxBack = 0;
    int cyBack = 0;
    // Scratch space reused by every painted line.
    std::vector<tRun> atRun;
    std::string sShown;
    std::vector<tSegment> atSeg;
    std::vector<INT> alDx;
};

constexpr UINT_PTR glDragTimer = 1;

inline DWORD& Setting(tCodeEdit& t, unsigned lSetter) {
    return t.alSetting[lSetter - wkEmFirstSetting];
}
inline DWORD SettingOf(const tCodeEdit& t, unsigned lSetter) {
    return t.alSetting[lSetter - wkEmFirstSetting];
}

// Painting and geometry (edit_paint.cpp).
void UpdateFontMetrics(tCodeEdit& t);
void UpdateScrollBars(tCodeEdit& t);
void PaintCodeEdit(tCodeEdit& t, HDC hDC, const RECT& tArea);
int VisibleLines(const tCodeEdit& t); // whole lines that fit
int VisibleCols(const tCodeEdit& t);
void ScrollTo(tCodeEdit& t, int lTopLine, int lLeftCol);
void EnsureCaretVisible(tCodeEdit& t);
void PlaceCaret(tCodeEdit& t);
tTextPos PosFromPoint(const tCodeEdit& t, int x, int y, bool bNearest);
void RecomputeWidest(tCodeEdit& t);

// Input (edit_input.cpp).
LRESULT OnKeyDown(tCodeEdit& t, WPARAM wKey, LPARAM lKeyData);
LRESULT OnChar(tCodeEdit& t, WPARAM wChar);
LRESULT OnMouse(tCodeEdit& t, UINT uMsg, WPARAM wParam, LPARAM lParam);
void OnDragTimer(tCodeEdit& t);

// Text operations (edit_control.cpp).
void SetSelection(tCodeEdit& t, tTextPos tAnchor, tTextPos tCaret, bool bScroll);
bool HasSelection(const tCodeEdit& t);
void ReplaceSelection(tCodeEdit& t, std::string_view sNew, bool bTyping);
bool CopySelection(tCodeEdit& t);
void PasteClipboard(tCodeEdit& t);
void UndoLastEdit(tCodeEdit& t);
void CaretShow(tCodeEdit& t);
void CaretDrop(tCodeEdit& t);
