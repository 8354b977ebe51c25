// The dialog and resource selector's rules: the tree of dialogs with their
// menus and accelerator tables, linking a menu to a dialog, unlinking it, and
// deleting a branch. The window only shows the nodes these return.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Node images: dialog, menu, accelerator table, the "<Resources Not Linked>" node.
enum : int32_t {
    wkNodeDialog = 1,
    wkNodeMenu = 2,
    wkNodeAccel = 3,
    wkNodeUnlinked = 4,
};

struct tResNode {
    int32_t lLevel; // 1 dialog (or the unlinked node), 2 menu, 3 accelerator table
    int32_t lRes;   // gatRes element; 0 for the unlinked node
    int32_t lImage; // wkNode...
    std::string sText;
};
extern const char* const gszUnlinkedNode; // "<Resources Not Linked>"

// The tree in display order (depth first): every live dialog with its menu and
// that menu's table, then the unlinked node with the menus no dialog has.
std::vector<tResNode> ResourceTree();

// The buttons enabled for the node at lPos of the tree.
enum : int32_t {
    wkSelCanOpen = 0x1,
    wkSelCanUnlink = 0x2,
    wkSelCanDelete = 0x4,
};
int32_t SelectorButtons(const std::vector<tResNode>& atTree, size_t lPos);
// The dialog resource the node belongs to (itself, its parent or its
// grandparent); 0 under the unlinked node.
int32_t NodeDialog(const std::vector<tResNode>& atTree, size_t lPos);
// The node can be dragged (a menu) and dropped (a dialog without a menu).
bool IsDraggableNode(const tResNode& t);
bool IsDropTarget(const tResNode& t);

// Links the menu, with its accelerator table, to a dialog that has no menu;
// a link the menu had to another dialog goes. 1 when linked.
int32_t LinkMenuToDialog(int32_t lMenu, int32_t lDlg);
// Parts the menu from its dialog (both sides); the menu keeps its table.
void UnlinkMenu(int32_t lMenu);

// The question before a branch is deleted: the node's text and those below it.
std::string DeleteNodesQuestion(const std::vector<tResNode>& atTree, size_t lPos);
// Deletes the node's resource with what belongs to it (a dialog's rows, menu
// and table; a menu's items and table). Menu items left pointing at a key or
// prompt that went lose that pointer, and the current selection forgets what
// went (gtElem). The window of a deleted current dialog is the caller's.
void DeleteNodeResource(int32_t lRes);
