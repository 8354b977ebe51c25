// The shared writing rules of generated KVL text: indentation, separator lines,
// section titles, metastatement lines, line wrapping, quoting and the function
// names made from resource IDs. Every KVL section writer builds on these, so a
// change here changes every file the designer writes.
#pragma once

#include "writers/write_layout.h"

#include <cstdint>
#include <string>
#include <string_view>

// Full-file flag of the writer run under way: set while a whole new file or a
// whole new function is written, clear while the contents of an existing block
// are regenerated. It decides whether titles, separators and function heads
// and tails are written. The resource-script writer shares it. Only a scope
// sets it, so a run always leaves it as it found it.
bool FullFile();
class FullFileScope {
  public:
    explicit FullFileScope(bool bFull);
    ~FullFileScope();
    FullFileScope(const FullFileScope&) = delete;
    FullFileScope& operator=(const FullFileScope&) = delete;

  private:
    bool bWasFull;
};

// Level n of indentation: n x the layout's KVL tab size in blanks.
std::string Indent(const tWriteLayout& tLay, int32_t lLevel);
// "'" and as many dashes as the layout's wrap position.
std::string SeparatorLine(const tWriteLayout& tLay);
// "'   ** Title **".
std::string SectionTitle(std::string_view sTitle);

// Metastatement lines (without their line end). A Begin line keeps the blank
// before an empty argument: "#Wrenkit Begin Includes ".
std::string MetaCreated();
std::string MetaBegin(std::string_view sBlock, std::string_view sArgument);
std::string MetaEnd(std::string_view sBlock);
std::string MetaDeclarations();
std::string MetaCopy();

// Appends a line and CR LF.
void PutLine(std::string& sOut, std::string_view sLine);
// Appends an empty line.
void PutEmpty(std::string& sOut);
// Appends the line wrapped as the layout says, then CR LF.
void PutWrapped(std::string& sOut, const tWriteLayout& tLay, const std::string& sLine);

// Breaks one logical line into continuation lines at blanks so that no part
// is longer than lWidth (a part keeps its breaking blank and gets " _", or,
// inside a string literal, a closing quote and " + _"). Continuation lines are
// indented by one unit (lTab) more than the first line. A line without a blank
// to break at is left intact.
std::string WrapLine(std::string sText, int32_t lWidth, int32_t lTab);
// The same at the layout's wrap position and KVL tab size.
std::string WrapKvlLine(const tWriteLayout& tLay, const std::string& sText);

// The text in double quotes, every double quote inside doubled.
std::string Quoted(std::string_view sText);
// The same, appended to s.
void AppendQuoted(std::string& s, std::string_view sText);

// The ID name of an ID element ("" for none).
std::string IDName(int32_t lIDElem);
// The ID name of a resource: the name of its ID, or the name kept in the
// resource row when it has no ID.
std::string ResIDName(int32_t lResElem);

// The function base name of a resource: its ID name without the dialog prefix
// (dialogs) or the resource prefix (menus, accelerator tables) and without a
// remaining leading "%".
std::string FunctionBaseName(int32_t lResElem);
// The argument of a resource's Begin line: "%IDD_DIALOG1->%IDR_MENU1->%IDR_ACCEL1"
// for a dialog, "%IDR_MENU1->%IDD_DIALOG1" for a menu or accelerator table.
std::string BlockArgument(int32_t lResElem);

// Live resource of the kind.
bool IsLiveRes(int32_t lResElem, int32_t lKind);
