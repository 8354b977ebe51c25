// Painting and geometry of EDM32EDIT. Only the lines on screen are coloured
// and drawn, so a text of any length repaints in the same time. Every
// character sits in a cell of one width, whatever the font, so columns are
// the whole geometry and the caret always lands where the text is.
#include "codeview/edit_state.h"

#include <algorithm>
#include <optional>

namespace {

DWORD Colour(const tCodeEdit& t, unsigned lSetter) {
    // Only plain RGB: a stray high byte must not select a palette entry.
    return SettingOf(t, lSetter) & 0x00FFFFFF;
}

void SegmentColours(const tCodeEdit& t, const tSegment& tSeg, DWORD& lFore, DWORD& lBack) {
    if (tSeg.bMarked) {
        lFore = Colour(t, wkEmSetMarkFore);
        lBack = Colour(t, wkEmSetMarkBack);
        return;
    }
    switch (tSeg.lKind) {
    case wkRunKeyword:
        lFore = Colour(t, wkEmSetBasFore);
        lBack = Colour(t, wkEmSetBasBack);
        break;
    case wkRunComment:
        lFore = Colour(t, wkEmSetRemFore);
        lBack = Colour(t, wkEmSetRemBack);
        break;
    case wkRunString:
        lFore = Colour(t, wkEmSetStrFore);
        lBack = Colour(t, wkEmSetStrBack);
        break;
    case wkRunAsm:
        lFore = Colour(t, wkEmSetAsmFore);
        lBack = Colour(t, wkEmSetAsmBack);
        break;
    case wkRunMeta:
        lFore = Colour(t, wkEmSetWrenkitFore);
        lBack = Colour(t, wkEmSetWrenkitBack);
        break;
    default:
        lFore = Colour(t, wkEmSetTextFore);
        lBack = Colour(t, wkEmSetTextBack);
        break;
    }
}

void FillRect(HDC hDC, int x0, int y0, int x1, int y1, DWORD lColour) {
    const RECT tRect{x0, y0, x1, y1};
    SetBkColor(hDC, lColour);
    ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &tRect, nullptr, 0, nullptr);
}

int TabSize(const tCodeEdit& t) {
    return static_cast<int>(SettingOf(t, wkEmSetTabSize));
}

void PaintLine(tCodeEdit& t, HDC hDC, int lLine, int y) {
    const std::string& sLine = t.tText.asLine[lLine];
    const tLexOptions tOpt{t.lMode, SettingOf(t, wkEmSetColorSyntax) != 0,
                           static_cast<int>(SettingOf(t, wkEmSetKeywordCase))};
    LexLine(sLine, tOpt, t.atRun, t.sShown);

    // The part of the selection on this line, and whether its line end is selected.
    const tTextPos tFrom = std::min(t.tAnchor, t.tCaret);
    const tTextPos tTo = std::max(t.tAnchor, t.tCaret);
    int lMarkFrom = 0;
    int lMarkTo = 0;
    bool bMarkEnd = false;
    if (tFrom != tTo && lLine >= tFrom.lLine && lLine <= tTo.lLine) {
        lMarkFrom = lLine == tFrom.lLine ? tFrom.lCol : 0;
        lMarkTo = lLine == tTo.lLine ? tTo.lCol : static_cast<int>(sLine.size());
        bMarkEnd = lLine < tTo.lLine;
    }
    LayoutLine(t.sShown, t.atRun, TabSize(t), lMarkFrom, lMarkTo, t.atSeg);

    const int lVisCols = VisibleCols(t) + 1;
    FillRect(hDC, 0, y, t.cxClient, y + t.cyLine, Colour(t, wkEmSetWindowBack));
    int lEndCol = 0;
    for (const tSegment& tSeg : t.atSeg) {
        const int lSegEnd = tSeg.lColumn + static_cast<int>(tSeg.sText.size());
        lEndCol = lSegEnd;
        if (lSegEnd <= t.lLeftCol || tSeg.lColumn >= t.lLeftCol + lVisCols) {
            continue;
        }
        // Only the visible part of a long segment is handed to GDI.
        const int lSkip = std::max(0, t.lLeftCol - tSeg.lColumn);
        const int lCount = std::min(lSegEnd, t.lLeftCol + lVisCols) - tSeg.lColumn - lSkip;
        const int x = t.lMargin + (tSeg.lColumn + lSkip - t.lLeftCol) * t.cxChar;
        DWORD lFore;
        DWORD lBack;
        SegmentColours(t, tSeg, lFore, lBack);
        SetTextColor(hDC, lFore);
        SetBkColor(hDC, lBack);
        if (static_cast<int>(t.alDx.size()) < lCount) {
            t.alDx.assign(static_cast<size_t>(lCount), t.cxChar);
        }
        const RECT tCell{x, y, x + lCount * t.cxChar, y + t.cyLine};
        ExtTextOutA(hDC, x, y, ETO_OPAQUE | ETO_CLIPPED, &tCell, tSeg.sText.data() + lSkip,
                    static_cast<UINT>(lCount), t.alDx.data());
    }
    if (bMarkEnd) {
        // A selected line end shows as one marked cell after the text.
        const int x = t.lMargin + (lEndCol - t.lLeftCol) * t.cxChar;
        if (x + t.cxChar > t.lMargin) {
            FillRect(hDC, std::max(x, t.lMargin), y, x + t.cxChar, y + t.cyLine,
                     Colour(t, wkEmSetMarkBack));
        }
    }
    // The margin stays clear of text scrolled to the left.
    FillRect(hDC, 0, y, t.lMargin, y + t.cyLine, Colour(t, wkEmSetWindowBack));
}

} // namespace

void UpdateFontMetrics(tCodeEdit& t) {
    tWindowDC tDC(t.hWnd);
    tSelected tFont(tDC.Get(), t.hFont);
    TEXTMETRICA tMetric{};
    GetTextMetricsA(tDC.Get(), &tMetric);
    t.cxChar = std::max<int>(1, tMetric.tmAveCharWidth);
    t.cyLine = std::max<int>(1, tMetric.tmHeight);
    t.lMargin = t.cxChar + t.cxChar / 2;
    t.alDx.assign(256, t.cxChar);
}

int VisibleLines(const tCodeEdit& t) {
    return std::max(1, t.cyClient / t.cyLine);
}

int VisibleCols(const tCodeEdit& t) {
    return std::max(1, (t.cxClient - t.lMargin) / t.cxChar);
}

void RecomputeWidest(tCodeEdit& t) {
    int lWidest = 0;
    const int lTab = TabSize(t);
    for (const std::string& s : t.tText.asLine) {
        // Without tabs the width is the length; skip the walk through the line.
        const int lCols =
            s.find('\t') == std::string::npos ? static_cast<int>(s.size()) : LineColumns(s, lTab);
        lWidest = std::max(lWidest, lCols);
    }
    t.lWidestCols = lWidest;
}

void UpdateScrollBars(tCodeEdit& t) {
    SCROLLINFO tInfo{};
    tInfo.cbSize = sizeof(tInfo);
    tInfo.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    tInfo.nMax = LineCount(t.tText) - 1;
    tInfo.nPage = static_cast<UINT>(VisibleLines(t));
    tInfo.nPos = t.lTopLine;
    SetScrollInfo(t.hWnd, SB_VERT, &tInfo, TRUE);
    tInfo.nMax = t.lWidestCols; // one column more than the text, for the caret at a line end
    tInfo.nPage = static_cast<UINT>(VisibleCols(t));
    tInfo.nPos = t.lLeftCol;
    SetScrollInfo(t.hWnd, SB_HORZ, &tInfo, TRUE);
}

void ScrollTo(tCodeEdit& t, int lTopLine, int lLeftCol) {
    lTopLine = std::clamp(lTopLine, 0, std::max(0, LineCount(t.tText) - VisibleLines(t)));
    lLeftCol = std::clamp(lLeftCol, 0, std::max(0, t.lWidestCols + 1 - VisibleCols(t)));
    if (lTopLine == t.lTopLine && lLeftCol == t.lLeftCol) {
        return;
    }
    t.lTopLine = lTopLine;
    t.lLeftCol = lLeftCol;
    SetScrollPos(t.hWnd, SB_VERT, t.lTopLine, TRUE);
    SetScrollPos(t.hWnd, SB_HORZ, t.lLeftCol, TRUE);
    PlaceCaret(t);
    InvalidateRect(t.hWnd, nullptr, FALSE);
}

void EnsureCaretVisible(tCodeEdit& t) {
    int lTop = t.lTopLine;
    int lLeft = t.lLeftCol;
    const int lLines = VisibleLines(t);
    if (t.tCaret.lLine < lTop) {
        lTop = t.tCaret.lLine;
    } else if (t.tCaret.lLine >= lTop + lLines) {
        lTop = t.tCaret.lLine - lLines + 1;
    }
    const int lCol = ColumnOfPos(t.tText.asLine[t.tCaret.lLine], t.tCaret.lCol, TabSize(t));
    const int lCols = VisibleCols(t);
    if (lCol < lLeft) {
        lLeft = std::max(0, lCol - lCols / 4);
    } else if (lCol >= lLeft + lCols) {
        lLeft = lCol - lCols + 1 + lCols / 4;
    }
    // Widening first lets the scroll reach a caret past the widest line so far.
    t.lWidestCols = std::max(t.lWidestCols, lCol);
    ScrollTo(t, lTop, lLeft);
}

void PlaceCaret(tCodeEdit& t) {
    if (!t.bCaretMade) {
        return;
    }
    const int lCol = ColumnOfPos(t.tText.asLine[t.tCaret.lLine], t.tCaret.lCol, TabSize(t));
    SetCaretPos(t.lMargin + (lCol - t.lLeftCol) * t.cxChar,
                (t.tCaret.lLine - t.lTopLine) * t.cyLine);
}

tTextPos PosFromPoint(const tCodeEdit& t, int x, int y, bool bNearest) {
    const int lRow = y >= 0 ? y / t.cyLine : -1 - (-y - 1) / t.cyLine;
    const int lLine = std::clamp(t.lTopLine + lRow, 0, LineCount(t.tText) - 1);
    const int lPix = x - t.lMargin;
    const std::string& s = t.tText.asLine[lLine];
    if (bNearest) {
        const int lHalfCols = (std::max(lPix, 0) * 2 + t.cxChar) / (2 * t.cxChar);
        return {lLine, PosOfColumn(s, t.lLeftCol + lHalfCols, TabSize(t))};
    }
    return {lLine, PosAtOrBeforeColumn(s, t.lLeftCol + std::max(lPix, 0) / t.cxChar, TabSize(t))};
}

void PaintCodeEdit(tCodeEdit& t, HDC hDC, const RECT& tArea) {
    const int cx = std::max(1, t.cxClient);
    const int cy = std::max(1, t.cyClient);
    if (!t.tBackDC || t.cxBack < cx || t.cyBack < cy) {
        // Made like the screen, whatever DC asked for the paint (WM_PRINTCLIENT gives any).
        tWindowDC tScreen(nullptr);
        t.tBackBmp.Reset();
        t.tBackDC.Reset(CreateCompatibleDC(tScreen.Get()));
        t.tBackBmp.Reset(CreateCompatibleBitmap(tScreen.Get(), cx, cy));
        t.cxBack = cx;
        t.cyBack = cy;
    }
    // Without the off-screen bitmap (no memory) the lines go straight to the screen.
    HDC hDraw = t.tBackDC && t.tBackBmp ? t.tBackDC.Get() : hDC;
    std::optional<tSelected> oBmp;
    if (hDraw != hDC) {
        oBmp.emplace(hDraw, t.tBackBmp.Get());
    }
    tSelected tFont(hDraw, t.hFont);
    const int lFirst = t.lTopLine + std::max(0, static_cast<int>(tArea.top)) / t.cyLine;
    const int lLast =
        std::min(LineCount(t.tText) - 1, t.lTopLine + static_cast<int>(tArea.bottom) / t.cyLine);
    int y = (lFirst - t.lTopLine) * t.cyLine;
    for (int l = lFirst; l <= lLast; ++l, y += t.cyLine) {
        PaintLine(t, hDraw, l, y);
    }
    if (y < tArea.bottom) {
        FillRect(hDraw, 0, y, cx, tArea.bottom, Colour(t, wkEmSetWindowBack));
    }
    if (hDraw != hDC) {
        BitBlt(hDC, tArea.left, tArea.top, tArea.right - tArea.left, tArea.bottom - tArea.top,
               hDraw, tArea.left, tArea.top, SRCCOPY);
    }
}
