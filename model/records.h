// The records of the project tables, fields in their documented order, and
// the constants that give their fields meaning. Every record is trivially
// copyable and all zero when value-initialised (T{}), which is the zero row.
#pragma once

#include "model/fixed_text.h"

#include <cstdint>

// Resource kinds (gatRes.lType).
enum : int32_t {
    wkResAccel = 0x1,
    wkResBitmap = 0x2,
    wkResCursor = 0x4,
    wkResDialog = 0x8,
    wkResIcon = 0x20,
    wkResMenu = 0x40,
    wkResPopupMenu = 0x400,
    wkResAvi = 0x2000,
};

// Usage bits of gatID.lUsedBy.
enum : int32_t {
    wkUsedByAccel = 0x1,
    wkUsedByDlg = 0x8,
    wkUsedByMenu = 0x40,
    wkUsedByStr = 0x80,
    wkUsedByRes = 0x1000,
};

// Type suffixes of gatID.byTypeSuffix: none, "?", "%", "??", "&", "???".
enum : uint8_t {
    wkSuffixNone = 0,
    wkSuffixByte = 1,
    wkSuffixInteger = 2,
    wkSuffixWord = 3,
    wkSuffixLong = 4,
    wkSuffixDword = 5,
};

// Menu item kinds (gatMenu.lType) and options (gatMenu.lOptions, the MF_ values).
// The deepest nesting level a menu item is kept at. Every line the writers
// make for an item is indented by its level, so a file nesting its menus a
// hundred thousand deep would otherwise come back as gigabytes of blanks; no
// real menu comes near it.
constexpr int32_t wkMaxMenuLevel = 32;
enum : int32_t {
    wkMenuPopup = 1,
    wkMenuItem = 2,
    wkMenuSeparator = 3,
};
enum : int32_t {
    wkMfGrayed = 0x1,
    wkMfDisabled = 0x2,
    wkMfChecked = 0x8,
    wkMfMenuBarBreak = 0x20,
    wkMfMenuBreak = 0x40,
};

// Accelerator modifiers (gatAccel.byModifiers, the FSHIFT/FCONTROL/FALT values).
enum : uint8_t {
    wkFShift = 0x4,
    wkFControl = 0x8,
    wkFAlt = 0x10,
};

// gatID: one symbolic ID (equate).
struct tID {
    uint8_t byDeleted;
    int32_t lUsedBy;
    int32_t lIDValue;
    IDNameText szIDName; // with the leading "%", at most 32 characters
    uint8_t byHex;
    uint8_t byTypeSuffix;
};

// gatRes: one resource.
struct tRes {
    uint8_t byDeleted;
    int32_t lIDElem;
    int32_t lType;
    int32_t lLinkDlg;
    int32_t lLinkMenu;
    int32_t lLinkAccel;
    int32_t lRCDataElem; // gasDynStr element of the data file name
    IDNameText szIDName;
};

// gatDlg: a dialog row (lCtlType 0) or a control row.
struct tDlg {
    uint8_t byDeleted;
    int32_t lIDElem;
    int32_t lResElem;
    int64_t hWnd; // live design window (Win32 HWND as an integer); never written to files
    int32_t lDataResElem;
    int32_t lCaptionElem;
    IDNameText szClass;
    int32_t lClassElem;
    int32_t lCtlType;
    int32_t lStyle;
    int32_t lExStyle;
    int32_t lStyleStrElem;
    int32_t lExStyleStrElem;
    int32_t nLeft;
    int32_t nTop;
    int32_t nRight;
    int32_t nBottom;
    int32_t lCtlOrder;
    int32_t lFontElem;
    uint8_t byForeClrUsed;
    uint8_t byBackClrUsed;
    int32_t lForeClr;
    int32_t lBackClr;
};

// gatMenu: a menu item.
struct tMenu {
    uint8_t byDeleted;
    int32_t lIDElem;
    int32_t lResElem;
    int32_t lAccelElem;
    int32_t lStrElem;
    int32_t lType;
    int32_t lLevel;
    int32_t lOptions;
    int32_t lCaptionElem;
};

// gatAccel: an accelerator key.
struct tAccel {
    uint8_t byDeleted;
    int32_t lIDElem;
    int32_t lResElem;
    uint8_t byKey;
    uint8_t byModifiers;
};

// gatStr: a string-table entry.
struct tStr {
    uint8_t byDeleted;
    int32_t lIDElem;
    int32_t lStrElem;
};

// gatBlock / gatRCBlock: a metastatement block of a source file.
struct tBlock {
    int32_t lType;
    int32_t lResElem;
    int32_t lFilePos; // 1-based byte position
    int32_t lLen;
};

// Block kinds (gatBlock.lType / gatRCBlock.lType): the readers record them,
// the update writers regenerate each block by its kind.
enum : int32_t {
    wkBlockUser = 0,
    wkBlockCreated = 1,
    wkBlockIncludes = 2,
    wkBlockConstants = 3,
    wkBlockDeclarations = 4,
    wkBlockAssignAccel = 5,
    wkBlockAccel = 6,
    wkBlockMenu = 7,
    wkBlockDialog = 8,
    wkBlockRCData = 9,
    wkBlockStrings = 10,
    wkBlockVersionInfo = 11,
    wkBlockCopy = 12,
};

// The font description the font operations take.
struct tFontDesc {
    FixedText<31> szFontName; // 32 bytes with the terminator
    float fFontSize;          // points
    int32_t lWeight;
    int32_t lUnderline;
    int32_t lItalic;
    int32_t lStrikeout;
    int32_t lCharSet;
};

// A portable logical font (the fields of a Win32 LOGFONT): one gahFont element.
// The Win32 layer makes the real font object from it and caches it by element.
struct tLogFont {
    int32_t lHeight;
    int32_t lWidth;
    int32_t lEscapement;
    int32_t lOrientation;
    int32_t lWeight;
    uint8_t byItalic;
    uint8_t byUnderline;
    uint8_t byStrikeOut;
    uint8_t byCharSet;
    uint8_t byOutPrecision;
    uint8_t byClipPrecision;
    uint8_t byQuality;
    uint8_t byPitchAndFamily;
    FixedText<31> szFaceName; // 32 bytes with the terminator
};

// gtElem: the current selection.
struct tElem {
    int32_t lResDlg;
    int32_t lResMenu;
    int32_t lResAccel;
    int32_t lDlg;
    int32_t lCtl;
};

// gtMisc: the dialog base units.
struct tMisc {
    int32_t cxChar;
    int32_t cyChar;
};
