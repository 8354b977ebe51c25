// The arithmetic of the design surface, free of any window: dialog units to
// pixels and back with the base units of gtMisc, snapping to the grid, and
// the rectangles a drag, a gripper or an arrow key produces. Positions are
// dialog units unless a name says pixels.
#pragma once

#include <cstdint>

// A rectangle in the model's form (the four fields of a gatDlg row).
struct tDlgRect {
    int32_t nLeft;
    int32_t nTop;
    int32_t nRight;
    int32_t nBottom;
    bool operator==(const tDlgRect&) const = default;
};

// lNum / lDen (lDen > 0) rounded to the nearest integer, a half to the even
// neighbour, kept within the 32-bit range. Every conversion of the surface
// rounds this way, so a position shown and a position stored agree.
int32_t RoundHalfEven(int64_t lNum, int64_t lDen);

// x x cxChar / 4 and y x cyChar / 8; pixels back: 4 x px / cxChar, 8 x px / cyChar.
// A base unit of 0 or less counts as 1, so a project read before the program
// measured its font never divides by zero.
int32_t DlgToPixelsX(int32_t lX);
int32_t DlgToPixelsY(int32_t lY);
int32_t PixelsToDlgX(int32_t lX);
int32_t PixelsToDlgY(int32_t lY);
tDlgRect DlgToPixels(const tDlgRect& t);
tDlgRect PixelsToDlg(const tDlgRect& t);

// l less the remainder of a truncating division by lGrid: positive values go
// down to the grid line at or before them, negative ones towards zero. A grid
// of 0 or less leaves l as it is.
int32_t SnapCoord(int32_t l, int32_t lGrid);

// The offset that moves a rectangle's top-left corner onto the grid (the
// options' GridX/GridY; nothing when snapping is off).
void SnapOffset(const tDlgRect& t, int32_t& lDX, int32_t& lDY);

// A rectangle moved by (lDX, lDY); with bSnap its top-left corner snaps and its
// size stays.
tDlgRect MovedRect(const tDlgRect& t, int32_t lDX, int32_t lDY, bool bSnap);

// The gripper codes, which are the system's hit-test codes.
enum : int32_t {
    wkGripLeft = 10,
    wkGripRight = 11,
    wkGripTop = 12,
    wkGripTopLeft = 13,
    wkGripTopRight = 14,
    wkGripBottom = 15,
    wkGripBottomLeft = 16,
    wkGripBottomRight = 17,
};

// The rectangle a gripper drag gives: the edges the code names take the point
// (snapped when snapping is on); width and height stay at least 1.
tDlgRect SizedRect(const tDlgRect& t, int32_t lCode, int32_t lX, int32_t lY);

// An arrow key: with bSize the right and bottom edges grow by (lDX, lDY), never
// below a width and height of 1; otherwise the rectangle moves, but never past
// the left or top edge (that axis stays, and lBeep is set).
tDlgRect NudgedRect(const tDlgRect& t, int32_t lDX, int32_t lDY, bool bSize, bool& bBeep);

// Normalised rectangle between two points.
tDlgRect RectBetween(int32_t lX1, int32_t lY1, int32_t lX2, int32_t lY2);

// 1 when the two rectangles share an area (touching edges do not count).
bool RectsIntersect(const tDlgRect& a, const tDlgRect& b);
