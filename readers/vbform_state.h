// What the form reader keeps while it reads one form: the objects met so far,
// the blocks that are open, the menu being collected and the font being read.
#pragma once

#include "readers/vbform_parts.h"

#include "model/records.h"

#include <cstdint>
#include <string>
#include <vector>

// The coordinate system of a form or picture box, which lines inside it use.
struct tVBScale {
    bool bSet = false; // the object states a scale of its own
    double fMode = 1;  // 0 user, 1 twips, 2 points, 3 pixels, 4 characters, 5 inches, 6 mm, 7 cm
    double fLeft = 0;
    double fTop = 0;
    double fWidth = 0;
    double fHeight = 0;
};

// Indexes of the position properties, in the order of the arrays below.
enum : int32_t { kVBLeft, kVBTop, kVBWidth, kVBHeight };
enum : int32_t { kVBX1, kVBY1, kVBX2, kVBY2 };

// One Begin ... End object of the form other than a menu.
struct tVBObject {
    int32_t lRow = 0; // its gatDlg row
    int32_t lKind = 0;
    int32_t lParent = -1; // the enclosing object, -1 for the form itself
    int32_t lIDElem = 0;
    std::string sName;
    double afPos[4] = {0, 0, 0, 0}; // Left, Top, Width, Height in twips
    bool abPos[4] = {false, false, false, false};
    double afLine[4] = {0, 0, 0, 0}; // X1, Y1, X2, Y2 in the container's scale
    bool bLine = false;
    tVBScale tScale;
    int32_t lBorderStyle = 1;
    bool bTabIndex = false;
    double fTabIndex = 0;
    // Where the object's own children are measured from, in dialog units.
    int64_t nOriginLeft = 0;
    int64_t nOriginTop = 0;
};

// An open block: an object, a menu block or a block that is skipped whole.
struct tVBOpen {
    enum Kind { Object, Menu, Skip } lKind;
    int32_t lIndex;
};

// The most controls, and the most menu blocks, a form may add. Far beyond any
// dialog a form designer can lay out, and low enough that a damaged or
// hostile text of millions of blocks is read in moments; further blocks are
// skipped like blocks the reader does not know.
constexpr int32_t kMaxFormObjects = 2048;

struct tVBForm {
    std::vector<tVBObject> atObj; // the form is element 0 once it has begun
    std::vector<tVBOpen> atOpen;
    std::vector<tVBMenu> atMenu; // blocks of the top-level menu being read
    bool bForm = false;
    bool bDone = false;
    bool bMenuBar = false;
    int32_t lMenuBlocks = 0; // menu blocks read so far
    int32_t lRes = 0;
    int32_t lPropDepth = 0; // nesting of property blocks that are skipped
    int32_t lFontObj = -1;  // the object whose font block is being read
    tFontDesc tFont{};
    double afClient[4] = {0, 0, 0, 0}; // ClientLeft, ClientTop, ClientWidth, ClientHeight
    bool abClient[4] = {false, false, false, false};
};

// Property lines of an object and of a menu block.
void ReadVBObjectProperty(tVBForm& tForm, int32_t lObj, std::string_view sName,
                          std::string_view sValue);
void ReadVBMenuProperty(tVBMenu& tMenu, std::string_view sName, std::string_view sValue);
void ReadVBFontProperty(tFontDesc& tFont, std::string_view sName, std::string_view sValue);

// The form's End: its rectangle, the rectangles of its controls, and the
// controls in their tab order.
void FinishVBForm(tVBForm& tForm);
