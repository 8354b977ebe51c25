// The styles catalog: every window class and named style constant
// the designer knows, parsed once at start-up from the built-in catalog text
// (styles_catalog.txt, the resource STYLESFILE), and the style index lists that
// record which catalog names stand for a row's style bits.
//
// Row numbers of gatStyle are stored in the project's style index lists
// ("002,005,"), so the order of the catalog text is part of the data format.
#pragma once

#include "model/fixed_text.h"
#include "model/records.h"
#include "model/table.h"

#include <cstdint>
#include <string>
#include <string_view>

// gatClass: one row per [section] of the catalog, in file order.
struct tClass {
    FixedText<32> CLASS; // section name
    int32_t IsCtl;       // -1 for a window class, 0 when the name contains "Styles"
    int32_t First;       // first gatStyle row of the section; 0 when it has none
    int32_t Last;        // last gatStyle row of the section; 0 when it has none
};

// gatStyle: one row per %line of the catalog, in file order.
struct tStyle {
    FixedText<32> szName; // the constant with its leading "%" ("%WS_CHILD")
    uint32_t lValue;      // the style bits, never sign-extended
    int32_t lClass;       // the gatClass row of the section the line stands in
};

extern Table<tClass> gatClass;
extern Table<tStyle> gatStyle;
extern const int32_t& glClassCnt;
extern const int32_t& glStyleCnt;

// The catalog text carried by the program. The Win32 program may install a
// loader that reads its STYLESFILE resource (RT_RCDATA) from its own module;
// without one, the copy embedded at build time from the same file is used.
extern std::string (*gpfnLoadStylesText)();
// The catalog text embedded at build time (styles_catalog.txt, byte for byte).
std::string_view BuiltinStylesText();

// Parses the catalog text the program carries into gatClass and
// gatStyle (discarding any previous tables).
void LoadStylesCatalog();
// The same parse for a given text (ends at its end or at a NUL byte).
void LoadStylesCatalogFromText(std::string_view sText);

// First section whose name equals sName without regard to case; 0 if none.
int32_t FindClass(std::string_view sName);
// First row of the section whose value equals lValue exactly; 0 if none.
int32_t FindStyleByValue(int32_t lClass, uint32_t lValue);
// First row of the section whose name (with "%") equals sName exactly, with
// case; 0 if none or lClass is 0.
int32_t FindStyleByName(int32_t lClass, std::string_view sName);
// The row number as three digits ("007"); a list token is this and ",".
std::string FormatStyleToken(int32_t lStyle);
// Names of the listed rows in list order joined by " Or "; "" for "".
std::string StyleListToText(std::string_view sList);
// 1 when the list holds the token of row lStyle.
int32_t StyleListHas(std::string_view sList, int32_t lStyle);

// The add/remove rules on a row's style bits and its style index list. Add:
// unless every bit of lValue is already set, set the bits and append the token
// of FindStyleByValue(lClass, lValue) (none when that is 0). Remove: when every
// bit is set, subtract the value and delete every occurrence of its token.
// A row's list element must be its own: a list element of the catalog's
// defaults (below glDynStrBase) is never written in place but replaced by a
// new element.
void AddStyle(tDlg& tRow, uint32_t lValue, int32_t lClass);
void AddExStyle(tDlg& tRow, uint32_t lValue, int32_t lClass);
void RemoveStyle(tDlg& tRow, uint32_t lValue, int32_t lClass);
void RemoveExStyle(tDlg& tRow, uint32_t lValue, int32_t lClass);
// The same on gatDlg rows (nothing for an element out of range).
void AddStyle(int32_t lRow, uint32_t lValue, int32_t lClass);
void AddExStyle(int32_t lRow, uint32_t lValue, int32_t lClass);
void RemoveStyle(int32_t lRow, uint32_t lValue, int32_t lClass);
void RemoveExStyle(int32_t lRow, uint32_t lValue, int32_t lClass);

// The dialog (kind 0) always has %WS_VISIBLE, %DS_3DLOOK, %DS_NOFAILCREATE and
// %DS_SETFONT, a control %WS_CHILD and %WS_VISIBLE: the bits are set and each
// token appended unless the list already holds it.
void EnsureImpliedStyles(tDlg& tRow);
void EnsureImpliedStyles(int32_t lRow);
// The dialog only: when %DS_CENTER is not set, set it and append its token
// unless present.
void EnsureCentered(tDlg& tRow);
void EnsureCentered(int32_t lRow);
