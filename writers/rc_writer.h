// The resource-script writers: the companion script of a KVL project (new, or
// the script that was read with its blocks regenerated), the full script of a
// project opened from a resource script with its Basic integration code, and
// every section on its own for the clipboard and the code viewer. They only
// read the project tables; lines end with CR LF.
#pragma once

#include "model/document.h"
#include "writers/write_layout.h"

#include <cstdint>
#include <string>

// ---- Companion script ----------------------------------------------------------

// A complete new companion script. With bForSave (an ordinary save, as-new
// clear) the text of an imported script is appended after the Copy marker.
std::string BuildNewRCFile(const tDocument& tDoc, const tWriteLayout& tLay, bool bForSave = false);
// The script that was read, its blocks regenerated and missing sections
// appended; "" when no script with blocks is loaded.
std::string BuildUpdatedRCFile(const tDocument& tDoc, const tWriteLayout& tLay);
// What Save and the views use: the updated script when one with blocks is
// loaded (and as-new is clear), else a new one.
std::string BuildRCFile(const tDocument& tDoc, const tWriteLayout& tLay, bool bForSave);

// ---- Full script of a project opened from a resource script ----------------------

std::string BuildFullRCFile(const tWriteLayout& tLay);
// The KVL include file with the equates and one window procedure per dialog and menu.
std::string BuildRCBasicCode(const tWriteLayout& tLay);

// ---- Sections: Write... append to sOut (titles follow the full-file flag);
// ...Section() runs alone with its status text and returns the section. -------------

void WriteRCConstants(std::string& sOut, const tWriteLayout& tLay); // the companion's #define lines
// Images, icons and animations of controls, their paths relative to the document.
void WriteRCData(std::string& sOut, const tWriteLayout& tLay, const tDocument& tDoc);
void WriteRCStrings(std::string& sOut, const tWriteLayout& tLay);
void WriteRCVersionInfo(std::string& sOut, const tWriteLayout& tLay);
void WriteRCFullConstants(std::string& sOut, const tWriteLayout& tLay);
void WriteRCDataFiles(std::string& sOut,
                      const tWriteLayout& tLay); // bitmaps, cursors and icons of the full script
void WriteRCMenus(std::string& sOut, const tWriteLayout& tLay);
void WriteRCAccelerators(std::string& sOut, const tWriteLayout& tLay);
void WriteRCDialogs(std::string& sOut, const tWriteLayout& tLay);

std::string RCConstantsSection(const tWriteLayout& tLay);
std::string RCDataSection(const tDocument& tDoc, const tWriteLayout& tLay);
std::string RCStringsSection(const tWriteLayout& tLay);
std::string RCVersionInfoSection(const tWriteLayout& tLay);
std::string RCMenuSection(const tWriteLayout& tLay);
std::string RCAcceleratorsSection(const tWriteLayout& tLay);
std::string RCDialogSection(const tWriteLayout& tLay);
std::string RCBasicCodeSection(const tWriteLayout& tLay);

// ---- Text rules shared with the tests ----------------------------------------------

// A version value for a script string: CR, LF and TAB as \r \n \t, a backslash
// doubled, a double quote doubled, bytes above 127 as three octal digits.
std::string EscapeRCValue(const std::string& sValue);
// Breaks a line holding one string literal into adjacent literals no longer
// than lWidth, never inside an escape sequence; continuation lines are indented
// by lTab more than the line.
std::string WrapRCString(const std::string& sLine, int32_t lWidth, int32_t lTab);
