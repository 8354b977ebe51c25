// The project model: the global tables, their counts, the cursor
// records and every table operation. Operations that take an element return 0
// and change nothing when it is not between 1 and the table's count; otherwise
// 1 unless a result is stated. The table rules themselves live in table.h.
#pragma once

#include "model/change_notice.h"
#include "model/dynstr.h"
#include "model/fonts.h"
#include "model/id_names.h"
#include "model/records.h"
#include "model/table.h"

#include <cstdint>
#include <string>
#include <string_view>

// ---- Tables and counts ------------------------------------------------------

extern Table<tID> gatID;
extern Table<tRes> gatRes;
extern Table<tDlg> gatDlg;
extern Table<tMenu> gatMenu;
extern Table<tAccel> gatAccel;
extern Table<tStr> gatStr;
extern Table<tBlock> gatBlock;
extern Table<tBlock> gatRCBlock;

// The counts, read only (they follow the tables).
extern const int32_t& glIDCnt;
extern const int32_t& glResCnt;
extern const int32_t& glDlgCnt;
extern const int32_t& glMenuCnt;
extern const int32_t& glAccelCnt;
extern const int32_t& glStrCnt;
extern const int32_t& glBlockCnt;
extern const int32_t& glRCBlockCnt;

extern tElem gtElem;
extern tMisc gtMisc; // 6 and 13 until the Win32 program measures font element 1

// ---- IDs --------------------------------------------------------------------

// Appends an ID: name cut to 32 characters, usage bits, value through SetIDValueText.
int32_t AddID(std::string_view sName, const std::string& sValue, int32_t lUsedBy);
int32_t UpdateID(int32_t lElem, std::string_view sName, const std::string& sValue, int32_t lUsedBy);
int32_t DeleteID(int32_t lElem);
// First live ID whose name equals sName without regard to (ASCII) case; 0 for "".
// A name longer than 32 characters is compared in its stored (cut) form.
int32_t FindIDByName(std::string_view sName);
// First live ID above lAfter whose name equals sName without regard to case,
// "" included, sName taken as it is (a name longer than 32 characters finds
// nothing); the uniqueness rules walk every holder of a name with it.
int32_t FindNextIDNamed(std::string_view sName, int32_t lAfter);
// Value, byHex and byTypeSuffix from a value text ("1001", "&H3E9%"); the plain
// decimal form clears both marks, any other form keeps its hex mark and suffix.
int32_t SetIDValueText(int32_t lElem, std::string_view sText);
// The value text of the row in the form it was read ("0" for an element out of range).
std::string IDValueText(int32_t lElem);
// Rebuilds every lUsedBy from the other tables (a dialog's own ID is not a control ID).
void RecountUsage();

// The number a value text stands for, as Korvel's Val reads it: leading blanks,
// an optional sign, decimal digits or "&H" and hexadecimal digits; reading
// stops at the first character that does not fit; no number gives 0. The
// result is taken modulo 2^32 (so "&HFFFFFFFF" is -1), decimal digits saturate
// at the 32-bit range.
int32_t ValueFromText(std::string_view sText);

// ---- Resources --------------------------------------------------------------

int32_t AddResource(std::string_view sName, int32_t lKind, int32_t lIDElem, int32_t lDataFileElem);
int32_t DeleteResourceRow(int32_t lElem);
// Deletes a dialog with its rows, menu and accelerator table; a menu or pop-up
// menu with its items (and their prompt strings) and the menu's accelerator
// table; an accelerator table with its keys. Data resources are shared and
// stay (returns 1, nothing changed). Every link to a deleted resource is
// cleared, and gtElem.lResMenu/lResAccel when they named one; gtElem.lResDlg,
// lDlg and lCtl are the caller's to reset. IDs stay (RecountUsage finds them unused).
int32_t DeleteResource(int32_t lElem);
int32_t FindResourceByID(int32_t lIDElem);
// The same for the resources' own names (gatRes.szIDName).
int32_t FindNextResourceNamed(std::string_view sName, int32_t lAfter);
void LinkResources(int32_t lDlg, int32_t lMenu, int32_t lAccel);
void UnlinkResources(int32_t lDlg);
int32_t CountResources(int32_t lKind);
int32_t CountCurrentItems(int32_t lKind);
int32_t ResourceKindFromText(std::string_view sText);

// ---- Dialog and control rows -------------------------------------------------

int32_t AddDlgRow(const tDlg& tRow);
// Frees caption and both style index lists; the live window is the caller's.
int32_t DeleteDlgRow(int32_t lElem);
int32_t FindDlgRowByID(int32_t lIDElem);
int32_t FindNextDlgRowByID(int32_t lIDElem, int32_t lAfter);
int32_t FindDialogRow(int32_t lResElem);
int32_t CountDialogRows(int32_t lResElem);
int32_t LastControlRow(int32_t lResElem);
// Moves a control of gtElem.lResDlg to a new tab position; the others shift so
// that the positions stay 1..n without gaps.
int32_t SetControlOrder(int32_t lRow, int32_t lNewPos);
std::string DataFileName(int32_t lRow);
std::string DataIDName(int32_t lRow);
int32_t FindDataResource(std::string_view sFileName);

// ---- Menu items, accelerator keys, strings -----------------------------------

// Menu items deeper than wkMaxMenuLevel are kept at that level.
int32_t AddMenuItem(int32_t lIDElem, int32_t lResElem, int32_t lAccelElem, int32_t lStrElem,
                    int32_t lType, int32_t lLevel, int32_t lOptions, const std::string& sCaption);
int32_t UpdateMenuItem(int32_t lElem, int32_t lIDElem, int32_t lResElem, int32_t lAccelElem,
                       int32_t lStrElem, int32_t lType, int32_t lLevel, int32_t lOptions,
                       const std::string& sCaption);
int32_t DeleteMenuItem(int32_t lElem);
int32_t FindMenuItemByID(int32_t lIDElem);
int32_t FindNextMenuItemByID(int32_t lIDElem, int32_t lAfter);
int32_t CountMenuItems(int32_t lResElem);

int32_t AddAccel(int32_t lIDElem, int32_t lResElem, uint8_t byKey, uint8_t byModifiers);
int32_t UpdateAccel(int32_t lElem, int32_t lIDElem, int32_t lResElem, uint8_t byKey,
                    uint8_t byModifiers);
int32_t DeleteAccel(int32_t lElem);
int32_t FindAccelByID(int32_t lIDElem);
int32_t FindNextAccelByID(int32_t lIDElem, int32_t lAfter);

int32_t AddStr(int32_t lIDElem, const std::string& sText);
int32_t UpdateStr(int32_t lElem, int32_t lIDElem, const std::string& sText);
int32_t DeleteStr(int32_t lElem);
int32_t FindStrByID(int32_t lIDElem);

// ---- Metastatement blocks of the files read; never set the changed flag -------

int32_t AddBlock(int32_t lType, int32_t lResElem, int32_t lFilePos, int32_t lLen);
int32_t AddRCBlock(int32_t lType, int32_t lResElem, int32_t lFilePos, int32_t lLen);
int32_t FindBlockByKind(int32_t lType);
int32_t FindRCBlockByKind(int32_t lType);
int32_t FindBlockByRes(int32_t lResElem);
void ClearBlocks();
void ClearRCBlocks();

// ---- Project ------------------------------------------------------------------

// Empties the project; keeps the catalog strings, the fonts and gatRCBlock.
// The listeners hear wkChgCleared of wkChgEverything first.
void ClearProject();
