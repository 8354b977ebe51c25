// Writing rules of resource scripts shared by the RC section writers.
#pragma once

#include "writers/write_layout.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// "//" and as many dashes as the layout's wrap position.
std::string RCSeparator(const tWriteLayout& tLay);
// Separator, "//  ** Title **", separator.
void PutRCTitle(std::string& sOut, const tWriteLayout& tLay, std::string_view sTitle);
// "//#Wrenkit Begin Name " and "//#Wrenkit End Name".
std::string RCMetaBegin(std::string_view sBlock);
std::string RCMetaEnd(std::string_view sBlock);
// An ID name without its "%" signs.
std::string RCName(std::string_view sIDName);
// The name column of a set of ID names: the longest (with "%") rounded up to
// the next multiple of the layout's script tab size.
size_t RCNameColumn(const tWriteLayout& tLay, const std::vector<std::string>& asNames);
// The name without "%", padded with blanks to the column (at least one blank).
std::string RCPaddedName(std::string_view sIDName, size_t lColumn);
// A text in double quotes with every double quote doubled.
std::string RCQuoted(std::string_view sText);
// Runs a section writer alone: status text, full-file flag set, the text.
std::string RunRCAlone(const char* szStatus, const tWriteLayout& tLay,
                       const std::function<void(std::string&, const tWriteLayout&)>& pfn);
