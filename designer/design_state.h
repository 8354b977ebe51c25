// The design surface's shared state and the helpers its files share. Only
// designer/ includes this.
#pragma once

#include "designer/designer.h"
#include "model/design_geometry.h"
#include "win/win_units.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A group member and where its eight markers are drawn.
struct tMarkers {
    int32_t lElem;
    RECT tAt;     // the rectangle they stand around; empty while not yet placed
    RECT tBounds; // what the eight cover together
};

// What the mouse is doing on the surface; only one at a time, because the
// mouse is captured while it lasts.
enum : int32_t {
    wkDragNone = 0,
    wkDragSizing = 1,
    wkDragMoving = 2,
    wkDragDrawing = 3,
};

struct tDesign {
    HWND hDialog;       // the KvDialog window
    HWND hOverlay;      // its KvDialogClient child
    HICON hSmallIcon;   // the dialog's own small icon; 0 when none
    HWND ahGrip[8];     // the focus grippers, codes 10..17 in order
    int32_t lGripShown; // the focus grippers are visible
    std::vector<tMarkers> atGroup;
    int32_t lDrag;                     // wkDrag...
    HWND hDragWnd;                     // the window holding the capture for the drag
    int32_t lSizeCode;                 // the gripper being dragged
    POINT tStart;                      // where the drag began, overlay dialog units
    bool bMoved;                       // the mouse has left the start point
    tDlgRect tStartRect;               // the rectangle being moved or sized
    tDlgRect tCurRect;                 // its outline on screen
    bool bOutline;                     // tCurRect is drawn
    std::vector<tDlgRect> atGroupRect; // outlines of a group drag
    int32_t lPlaceKind;                // the toolbox's tool kind; 0 selects
    int32_t lBuilding;                 // windows are being created from the tables
    int32_t lMarkerBatch;              // AddToGroup leaves placing to PlaceGroupMarkers
    int32_t lFailShown;
    // While an OverlayBatch lasts: the areas bared, painted again when it
    // ends, before the group's markers are drawn.
    int32_t lInBatch;
    std::vector<RECT> atUncover;
};
extern tDesign gtDesign;

// ---- Windows and conversions (design_windows.cpp) ----------------------------

HWND RowWindow(int32_t lElem);
int32_t WindowElem(HWND hWnd); // the CtlElem property
tDlgRect RowRect(int32_t lElem);
RECT ToRECT(const tDlgRect& t);
// The model rectangle of a control in overlay pixels, kept within what window
// positions can hold (the model keeps its own values).
RECT ControlPixelRect(int32_t lElem);
// The screen client rectangle of the dialog from its model rectangle, and the
// window rectangle grown by the sizing frame.
RECT DialogClientScreenRect(const tDlgRect& t, bool bMenu);
RECT DialogWindowRect(const tDlgRect& t, bool bMenu);
// Overlay dialog units of a point given in the window's client pixels.
POINT OverlayPoint(HWND hFrom, LPARAM lParam);
// Moves a control's window to its model rectangle (and to hAfter in the
// sibling order unless lFlags holds SWP_NOZORDER).
void PlaceControlWindow(int32_t lElem, UINT lFlags, HWND hAfter = nullptr);
// The windows of the rows go to their model rectangles in one deferred batch,
// brought forward (bRaise) or left in their sibling order. Nothing is drawn
// while they move: the places they left and took are painted again in one
// request, with the enclosing OverlayBatch (or one of its own). A window
// already in place is not touched. The rows whose windows moved.
std::vector<int32_t> MoveRowWindows(const std::vector<int32_t>& alElem, bool bRaise);
// The real font of a gahFont element (made once, dropped when the fonts are cleared).
HFONT FontHandle(int32_t lElem);
// Status bar: the text, the position and size read-out of a row or rectangle.
void StatusText(const std::string& s);
void ShowRectReadout(const tDlgRect& t);
void ShowRowReadout(int32_t lElem);
// A new or remade image or animation control whose window sized itself to its
// picture: the row takes the window's size.
void FitToPicture(int32_t lRow);
void ClearReadout();
void HoverReadout(int32_t lElem);

// Many markers come or go at once (a group selected, cleared or deleted): the
// areas they leave are painted again in one request and the markers drawn
// once, when the batch ends. A batch inside another adds to it.
class OverlayBatch {
  public:
    OverlayBatch();
    ~OverlayBatch();
    OverlayBatch(const OverlayBatch&) = delete;
    OverlayBatch& operator=(const OverlayBatch&) = delete;

  private:
    HWND hOverlay;
};
// While it lasts the overlay draws nothing and its children are as hidden:
// moving, making and destroying many of them costs no work on what each
// bares (under some window systems a walk over every sibling). Lives inside
// an OverlayBatch, which paints the areas uncovered once the freeze ends.
class OverlayFreeze {
  public:
    OverlayFreeze();
    ~OverlayFreeze();
    OverlayFreeze(const OverlayFreeze&) = delete;
    OverlayFreeze& operator=(const OverlayFreeze&) = delete;

  private:
    HWND hOverlay;
};
// Inside a batch: an overlay area left bare; outside one it does nothing.
void BatchUncover(const RECT& r);
// The overlay areas (and the controls there) painted again, in one request.
void RepaintArea(const RECT* at, size_t lCount);

// ---- Control windows (design_controls.cpp) ------------------------------------

void CreateControlWindow(HWND hOverlay, int32_t lElem);
void FillSampleContent(HWND hWnd, int32_t lElem);
void ReloadStretchedImage(int32_t lElem);
void SubclassDesignWindow(HWND hWnd, int32_t lElem);
// The row a subclassed window shows; -1 for a window that is not subclassed.
int32_t SubclassedElem(HWND hWnd);

// ---- Selection (design_select.cpp, design_markers.cpp) ------------------------

void CreateFocusGrippers(HWND hOverlay);
void ShowFocusGrippers(HWND hCtl);
void AddToGroup(int32_t lElem);
void ClearGroup();
void PlaceMarkers(tMarkers& t);
// Draws every marker of the group (after a batch).
void DrawGroupMarkers();
// The markers over a window that has just painted, drawn again.
void RepaintMarkersOver(HWND hWnd);
// The markers within tPaint on the overlay's own paint.
void PaintMarkers(HDC hDC, const RECT& tPaint);
// A marker lies at p (overlay pixels): the mouse there is the marker's, which
// shows the arrow and takes no clicks.
bool MarkerAt(POINT p);
// Places the markers of every member whose rectangle changed (bAll: of every
// member, brought above controls that came forward), in one batch.
void PlaceGroupMarkers(bool bAll = false);
void BandSelect(const tDlgRect& tBand);
void SelectAll();
void CtrlClick(HWND hCtl);
void BringToFront(HWND hCtl);
// Where bringing a control forward puts it: the top, but a frame or a line the bottom.
HWND RaiseAfter(int32_t lElem);
void SendToBack(HWND hCtl);
void DeleteSelection();
void Nudge(WPARAM lKey);
void TabSelect(bool bBack);
void OpenContextMenu();
void SelectDialogItself();
LRESULT CALLBACK GripperProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// ---- Dragging (design_drag.cpp) ------------------------------------------------

// Starts a drag: capture, cursor confined to the overlay.
void BeginDrag(HWND hWnd, int32_t lKind, POINT tStart, LPCSTR szCursor);
// Ends it: the capture and the confinement released, whatever happened.
void EndDrag();
void EraseOutlines();
// The mouse on a control window hWnd that shows row lElem.
LRESULT ControlMouse(HWND hWnd, int32_t lElem, UINT uMsg, WPARAM wParam, LPARAM lParam,
                     bool& bHandled);
LRESULT OverlayMouse(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);

// ---- Dialog and overlay procedures (design_dialog.cpp) ------------------------

LRESULT CALLBACK DesignDialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK OverlayProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
void ShowMenuBar(HWND hDialog);
// The dialog's model rectangle from where its window is (WM_MOVE keeps the
// size, bSize takes all four edges).
void StoreDialogRect(HWND hDialog, bool bSize);
HMENU DesignContextMenu();
