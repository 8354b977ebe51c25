// The menu editor's rules and every change it makes to the project: one menu
// is a flat list of items in element order, each with a level, and these
// functions keep that list and its accelerator keys, IDs and prompts in
// step. Every change marks the project changed; the window only shows what
// they return.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The items of a menu resource in list order (live gatMenu rows, by element).
std::vector<int32_t> MenuItemRows(int32_t lResMenu);

// The line the editor's list shows: four "-" per level, the caption (or
// "<___Separator___>"), and a tab and the key text when the item has a key.
std::string MenuListLine(int32_t lItem);
// The same for a key not yet stored (byKey 0: none).
std::string MenuListLine(int32_t lItem, uint8_t byKey, uint8_t byModifiers);

// The buttons the editor enables for the item at lPos (0-based) of alRows.
enum : int32_t {
    wkMenuCanLeft = 0x1,
    wkMenuCanRight = 0x2,
    wkMenuCanUp = 0x4,
    wkMenuCanDown = 0x8,
    wkMenuCanNext = 0x10, // Next and Insert
    wkMenuCanDelete = 0x20,
};
// bCaptionEmpty: the caption box is empty (Next and Insert wait for one
// unless the item is a separator).
int32_t MenuEditorButtons(const std::vector<int32_t>& alRows, int32_t lPos, int32_t lType,
                          bool bCaptionEmpty);

// ---- Changes; each returns the item to select afterwards, 0 when refused ----

// A menu without items gets one empty pop-up; returns the first item.
int32_t EnsureMenuHasItem(int32_t lResMenu);
// A new empty menu item in front of lItem, at lItem's level. The rows after it
// move down by one element of this menu, so lItem's element holds the new item.
int32_t InsertMenuItemBefore(int32_t lItem);
// A new empty menu item after the last one, at lLevel.
int32_t AppendMenuItem(int32_t lResMenu, int32_t lLevel);
// Exchanges the item with its neighbour above (lDir -1) or below (+1).
int32_t MoveMenuItem(int32_t lItem, int32_t lDir);
// One level out (lDir -1) or in (+1), within the enabling rules.
int32_t ShiftMenuItemLevel(int32_t lItem, int32_t lDir);
// The caption alone, as the caption box holds it when it loses the focus (the
// ID name proposal reads it from the menu).
void SetMenuItemCaption(int32_t lItem, const std::string& sCaption);
// Deletes the item with its key and prompt; refused for a menu's only item.
// Returns the item now at its place (the previous one after the last).
int32_t DeleteMenuItemFully(int32_t lItem);

// What the editor's fields hold for one item.
struct tMenuFields {
    std::string sCaption;
    std::string sIDName;
    std::string sIDValue;
    std::string sPrompt;
    int32_t lType;    // wkMenuPopup, wkMenuItem, wkMenuSeparator
    int32_t lOptions; // checked, grayed, disabled (the break bits are kept)
    uint8_t byKey;    // 0: no key
    uint8_t byModifiers;
};

enum : int32_t {
    wkMenuStored = 1,
    wkMenuBadName = 0,
    wkMenuNameUsed = -1,
    wkMenuKeyUsed = -2,
    wkMenuKeyUnnamed = -3, // a key the generated code has no name for
};
// Writes the fields to the item: the ID (validated, reused when its name is
// in asShared or belongs to this item, else created or renamed), its key in
// the accelerator table (made and linked to the current dialog when there is
// none), its prompt. A key another item of the table already has is refused
// before anything is written, and so is a key the source texts cannot name
// (the punctuation keys). Pop-ups keep no ID, key or prompt; separators
// keep only their level. sIDName comes back with a missing "%" added.
int32_t StoreMenuItem(int32_t lItem, tMenuFields& tFields,
                      const std::vector<std::string>& asShared);
// The message for a refused store ("" for wkMenuStored).
std::string MenuStoreMessage(int32_t lResult, int32_t lItem, const tMenuFields& tFields);

// The key row of the accelerator table that already uses the key, other than
// lOwnAccel; 0 when it is free.
int32_t FindAccelConflict(int32_t lResAccel, uint8_t byKey, uint8_t byModifiers, int32_t lOwnAccel);

// The names the ID box offers: live IDs that menu items or controls use, which
// a menu item may share.
std::vector<std::string> MenuSharableIDNames();
