// The ID editor's rules and every change it makes to the ID table: the
// columns it shows, sorting and dragging rows, adding, editing, deleting,
// renumbering, Order by Use, and the closing step that makes the list's order
// the order of gatID (and so of the equates written). The window only shows
// what these return; each change marks the project changed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The list's columns, in order.
enum : int32_t {
    wkIDColName,
    wkIDColValue,
    wkIDColAccel,
    wkIDColDialog,
    wkIDColMenu,
    wkIDColRCData,
    wkIDColString,
    wkIDColCount,
};
// The column headers: "Name", "Value", "Accelerator", "Dialog", "Menu", "RC Data", "String".
const char* IDColumnTitle(int32_t lCol);
// What a column shows for an ID (its usage bits as RecountUsage left them):
// the name, the value text, "* " and the users' names, the resource kind, "*".
std::string IDColumnText(int32_t lID, int32_t lCol);

// The live IDs in table order.
std::vector<int32_t> LiveIDRows();
// Sorts the rows by a column: texts without regard to case, the Value column
// by number; ties keep their order.
void SortIDRows(std::vector<int32_t>& alRows, int32_t lCol, bool bDescending);

// The selected positions (ascending, 0-based) form one run.
bool IsConsecutive(const std::vector<int32_t>& alPos);
// Moves the run of lCount rows at lFirst to the row at lTarget: dragged up they
// land in front of it, dragged down after it. Returns the run's new first
// position (lFirst when nothing moved: a drop on the run itself or outside).
int32_t MoveIDRows(std::vector<int32_t>& alRows, int32_t lFirst, int32_t lCount, int32_t lTarget);

// ---- Changes ------------------------------------------------------------------

enum : int32_t {
    wkIDStored = 1,
    wkIDBadName = 0,
    wkIDNameUsed = -1,
};
// The Add (lElem 0) and Edit ID fields stored: a missing "%" is put in front
// of sName; an invalid name (an empty one too: an equate needs a name) and a
// name another ID has are refused. Adding makes an unused ID; editing keeps
// the usage bits, moves an in-use value above 65535 to the highest free value
// from 65535 down, and renames the resource of an ID only a resource uses.
// lElem comes back as the stored element.
int32_t StoreIDFields(int32_t& lElem, std::string& sName, const std::string& sValue);
// The message for a refused store.
std::string IDStoreMessage(int32_t lResult);

// Deletes the IDs of the list that nothing uses; returns those deleted.
std::vector<int32_t> DeleteUnusedIDs(const std::vector<int32_t>& alIDs);
// Gives the IDs the values start, start + step, ... (marks of hexadecimal and
// suffix stay; values wrap at 32 bits).
void RenumberIDs(const std::vector<int32_t>& alIDs, int32_t lStart, int32_t lStep);
// Pairs of different IDs of one value that one dialog's generated code could
// not tell apart: two controls of a dialog, or a control and an item of the
// dialog's menu. Only pairs with an ID of alOf count. One line per pair,
// "%A = %B (1001) in %IDD_X"; empty when there are none.
std::vector<std::string> IDValueClashes(const std::vector<int32_t>& alOf);

// Order by Use: deletes every unused ID and returns the live IDs in the order
// of their first use: resources (by kind, then element), the rows of each
// dialog in tab order, each menu's items, accelerator keys, strings.
std::vector<int32_t> IDsOrderedByUse();
// Rebuilds gatID with the rows in the given order and rewrites every
// reference through the old-to-new map. A live ID missing from the order is
// kept after the others rather than cut from the rows that use it; deleted
// ones go. The changed flag is set when the table changes.
void ApplyIDOrder(const std::vector<int32_t>& alOrder);

// The questions and messages of the editor.
extern const char* const gszDeleteOneIDQuestion;
extern const char* const gszDeleteIDsQuestion;
extern const char* const gszOrderByUseQuestion;
extern const char* const gszDragRunMessage;
