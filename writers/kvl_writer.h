// The KVL code writers: the text of a whole new source file, the text of a file
// that was read with its blocks regenerated in place, and every section on its
// own (for the clipboard and the code viewer). All of them only read the
// project tables; the text they return ends its lines with CR LF.
#pragma once

#include "model/document.h"
#include "writers/write_layout.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// What the writers take of the open file comes from the document they are
// handed: its path (the #Resource line is made from it), the as-new flag (a
// new file never carries the copy of an imported file), the user text of a
// file that was read and the text of a file imported without metastatements.
// How the text is laid out (indentation, wrap column, header comment) comes from
// the layout they are handed, passed on to every section.

// ---- Whole files -----------------------------------------------------------

// A complete new file. With bForSave (an ordinary save, not Save As New and not
// a view) an imported file's text is appended after the Copy marker.
std::string BuildNewKvlFile(const tDocument& tDoc, const tWriteLayout& tLay, bool bForSave = false);
// The file that was read, its blocks regenerated and functions appended for
// resources without a block; "" when no file with blocks is loaded.
std::string BuildUpdatedKvlFile(const tDocument& tDoc, const tWriteLayout& tLay);
// What Save and the code viewer use: the updated file when one with blocks is
// loaded (and as-new is clear), else a new one.
std::string BuildKvlFile(const tDocument& tDoc, const tWriteLayout& tLay, bool bForSave);
// The text of BuildKvlFile handed to fnPut in pieces, in order, as it is made:
// Save writes each piece at once instead of holding a copy of the whole file.
void BuildKvlFilePieces(const tDocument& tDoc, const tWriteLayout& tLay, bool bForSave,
                        const std::function<void(std::string_view)>& fnPut);

// ---- Sections ----------------------------------------------------------------
// Each Write... appends to sOut; each ...Section() runs alone, shows its status
// text and returns the whole section as a new file holds it.

// The two include flags: some common control (kinds 17-28 except rich edit),
// some rich edit control.
void KvlIncludeFlags(bool& bComCtl, bool& bRichEdit);
void WriteKvlIncludes(std::string& sOut, const tWriteLayout& tLay, const tDocument& tDoc,
                      bool bComCtl, bool bRichEdit);
void WriteKvlConstants(std::string& sOut, const tWriteLayout& tLay);
void WriteKvlDeclarations(std::string& sOut, const tWriteLayout& tLay);
// Declarations of the resources that have no block in the file, then the
// Declarations marker.
void WriteKvlDeclarationsUpdate(std::string& sOut, const tWriteLayout& tLay);
// The entry function KvMain, which shows every dialog in turn.
void WriteKvlMain(std::string& sOut, const tWriteLayout& tLay, bool bComCtl, bool bRichEdit);
void WriteKvlMenus(std::string& sOut, const tWriteLayout& tLay);
void WriteKvlAccelerators(std::string& sOut, const tWriteLayout& tLay);
void WriteKvlCallBacks(std::string& sOut, const tWriteLayout& tLay);
void WriteKvlSampleCode(std::string& sOut, const tWriteLayout& tLay);
void WriteKvlDialogs(std::string& sOut, const tWriteLayout& tLay);

std::string KvlIncludesSection(const tDocument& tDoc, const tWriteLayout& tLay);
std::string KvlConstantsSection(const tWriteLayout& tLay);
std::string KvlDeclarationsSection(const tWriteLayout& tLay);
std::string KvlDialogsSection(const tWriteLayout& tLay);
std::string KvlMenusSection(const tWriteLayout& tLay);
std::string KvlAcceleratorsSection(const tWriteLayout& tLay);
std::string KvlCallBacksSection(const tWriteLayout& tLay);
std::string KvlSampleCodeSection(const tWriteLayout& tLay);

// ---- Dialogs ------------------------------------------------------------------

// The dialog function of a dialog resource: head and tail only with the
// full-file flag, the block always.
void WriteDialogFunction(std::string& sOut, const tWriteLayout& tLay, int32_t lRes);
// The statements of one gatDlg row, unwrapped.
std::string DialogNewStatement(const tWriteLayout& tLay, int32_t lRow);
std::string ControlAddStatement(const tWriteLayout& tLay, int32_t lRow);
// "#" + Format$(%ID) of a data resource.
std::string ImageReference(int32_t lRes);
// The names of a style index list (a gasDynStr element) joined by " Or ".
std::string StyleText(int32_t lListElem);

// ---- Menus and accelerators -------------------------------------------------------

void WriteMenuFunction(std::string& sOut, const tWriteLayout& tLay, int32_t lRes);
void WriteAccelFunction(std::string& sOut, const tWriteLayout& tLay, int32_t lRes);
void WriteAssignAccelBlock(std::string& sOut, const tWriteLayout& tLay);
// "%MF_CHECKED Or %MF_GRAYED", ...; "%MF_ENABLED" when no state bit is set.
std::string MenuStateText(int32_t lOptions);
// A menu item's caption for a string literal, the shortcut column as its own
// literal joined with $Tab.
std::string MenuItemText(int32_t lMenuElem);

// ---- Callbacks and sample code ------------------------------------------------------

enum : int32_t { wkCasesKvl = 0, wkCasesRc = 1 };

void WriteCallbackFunction(std::string& sOut, const tWriteLayout& tLay, int32_t lRes);
// The Case lines of a dialog's controls and of the menus linked to it (for a
// menu resource: its own items). wkCasesKvl indents by the layout's KVL tab
// size and tests CbCtlMsg; wkCasesRc indents by its script tab size and tests
// HiWrd(wParam).
void WriteCommandCases(std::string& sOut, const tWriteLayout& tLay, int32_t lRes, int32_t lVariant);

// Which of the sample kinds occur (combo box, list box, progress bar, list
// view, tree view, tab control), in one dialog or, for 0, in all.
struct tSampleKinds {
    bool bComboBox;
    bool bListBox;
    bool bProgress;
    bool bListView;
    bool bTreeView;
    bool bTabCtrl;
    bool bAny;
};
tSampleKinds SampleKindsPresent(int32_t lRes);
void WriteSampleDeclarations(std::string& sOut, const tWriteLayout& tLay);
void WriteSampleFunctions(std::string& sOut, const tWriteLayout& tLay);
void WriteSampleCalls(std::string& sOut, const tWriteLayout& tLay, int32_t lRes);
