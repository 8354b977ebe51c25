// Every change the version info editor makes to the project's version
// information. Each marks the project changed; the version record's own
// functions (version_info.h) do not, since the script reader fills it too.
#pragma once

#include "model/version_info.h"

#include <cstdint>
#include <string>

// Version information for a project that has none, with one block of the
// language and code page; nothing when it has some. Returns the block count.
int32_t VerEditEnsure(uint32_t lLangCharset, bool bFormat);

// The version boxes' texts ("1, 0, 0, 1"); 0 and nothing changed when the
// text is not a version.
int32_t VerEditSetFileVersion(const std::string& sText);
int32_t VerEditSetProductVersion(const std::string& sText);

// The fixed fields by the lists' names ("VOS_NT", "VFT_DLL", "VFT2_DRV_SOUND").
void VerEditSetOS(const std::string& sName);
// A new type keeps the subtype only when the type's list has it.
void VerEditSetType(const std::string& sName);
void VerEditSetSubtype(const std::string& sName);
// The four named flag bits (patched, prerelease, private build, special
// build); the bits without a check box are kept.
void VerEditSetFlags(uint32_t lFlags);

// A string value of a block, stored as given, every byte of it.
int32_t VerEditSetString(int32_t lBlock, const std::string& sName, const std::string& sValue);

// A block as "Add New Block" makes it; returns its number.
int32_t VerEditAddBlock(uint32_t lLangCharset, bool bFormat);
// Removes a block; the last one takes the version information with it.
int32_t VerEditDeleteBlock(int32_t lBlock);

// An increment button: the part of the versions the choice names, then, with
// auto update, the version strings of every block.
void VerEditIncrement(VerPart lPart, VerIncrement lWhich, bool bAutoUpdate, bool bFormat);
// Sets the version strings of every block from the numbers.
void VerEditUpdateStrings(bool bFormat);
