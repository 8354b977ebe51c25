// The project's version-information resource: the fixed fields and the string
// blocks that the resource script carries. A project holds at most one; a block
// count of 0 means it has none (no VERSIONINFO is written).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The fixed part of the resource.
struct VersionRecord {
    uint32_t lFileVerMS; // major (high word), minor (low word)
    uint32_t lFileVerLS; // third part (high word), build (low word)
    uint32_t lProdVerMS;
    uint32_t lProdVerLS;
    uint32_t lFlagsMask;
    uint32_t lFlags;
    uint32_t lFileOS;
    uint32_t lFileType;
    uint32_t lFileSubtype;
};
extern VersionRecord gtVersion;

// Named values of the fixed fields (named apart from the Windows headers' macros,
// so this header mixes with them in any order).
constexpr uint32_t wkVsFfiFileFlagsMask = 0x3F;
constexpr uint32_t wkVsFfDebug = 0x1;
constexpr uint32_t wkVsFfPrerelease = 0x2;
constexpr uint32_t wkVsFfPatched = 0x4;
constexpr uint32_t wkVsFfPrivateBuild = 0x8;
constexpr uint32_t wkVsFfSpecialBuild = 0x20;
constexpr uint32_t wkVosWindows32 = 4;
constexpr uint32_t wkVftApp = 1;
constexpr uint32_t wkVftDrv = 3;
constexpr uint32_t wkVftFont = 4;

// Every block owns this many string slots, named in the order of VersionStringName.
constexpr int32_t kVerStringsPerBlock = 12;

// Empties the version information: block count 0, no strings, fixed fields 0.
// Run when the project is cleared and by the resource-script reader before it
// reads a VERSIONINFO.
void ResetVersionInfo();

// The whole version information as bytes and back, for the undo history.
// SetVersionInfoImage returns 0 and changes nothing when the bytes are not an
// image VersionInfoImage made.
std::string VersionInfoImage();
int32_t SetVersionInfoImage(std::string_view sImage);

// Number of string blocks; 0 = the project has no version information.
int32_t VersionBlockCount();

// Starts version information for a project that has none: versions 1.0.0.1,
// flags mask &H3F, flags 0, OS VOS_WINDOWS32, type VFT_APP, subtype 0, and one
// block made by AddDefaultVersionBlock. Any previous content is dropped.
// Returns the new block (1).
int32_t NewVersionInfo(uint32_t lLangCharset, bool bFormat = true);

// Appends a block with its 12 named strings, all values empty (the reader's
// form). Returns the new block number.
int32_t AddVersionBlock(uint32_t lLangCharset);

// Appends a block as the editor's "Add New Block" does: "FileVersion" and
// "ProductVersion" from the version numbers (VersionText with bFormat), and
// "LegalCopyright" = "Copyright (c) " + the current year (the copyright sign is
// the ANSI byte &HA9). Returns the new block number.
int32_t AddDefaultVersionBlock(uint32_t lLangCharset, bool bFormat = true);

// Removes a block and its 12 strings; later blocks move down by one. Removing
// the only block resets the version information. Returns 1, or 0 for a block
// out of range.
int32_t DeleteVersionBlock(int32_t lBlock);

// Language (high word) and code page (low word) of a block; 0 out of range.
uint32_t VersionBlockLangCharset(int32_t lBlock);

// The name of string slot lIndex (1 to 12): "Comments", "CompanyName", ...,
// "SpecialBuild"; "" out of range.
std::string VersionStringName(int32_t lIndex);
// Slot (1 to 12) of a string name, compared without regard to case; 0 if none.
int32_t VersionStringIndex(const std::string& sName);

// Value of a named string of a block; "" when block or name is unknown.
std::string VersionStringValue(int32_t lBlock, const std::string& sName);
// Sets a named string of a block; returns 0 when block or name is unknown.
int32_t SetVersionStringValue(int32_t lBlock, const std::string& sName, const std::string& sValue);

// "1, 0, 0, 1" unformatted; formatted "1.00.0001" (major, minor with two
// digits, then the third part and the build with four digits each, the third
// part left out when 0 and both left out when the least significant value is 0).
std::string VersionText(uint32_t lMS, uint32_t lLS, bool bFormat);
std::string FileVersionText(bool bFormat);
std::string ProductVersionText(bool bFormat);

// Reads "1, 0, 0, 1" (also "1,0,0,1" or "1.0.0.1") back into the two values;
// missing parts are 0. Returns 0 when a part is not a number or above 65535.
int32_t ParseVersionText(const std::string& sText, uint32_t& lMS, uint32_t& lLS);

// The increment buttons: which part, and which version the choice names.
enum VerPart : int32_t { verMajor = 0, verMinor = 1, verThird = 2, verBuild = 3 };
enum VerIncrement : int32_t { verIncBoth = 0, verIncFile = 1, verIncProduct = 2 };
// Adds &H10000 or 1 to the most or least significant value (plain 32-bit
// addition, so 65535 carries into the part above and lower parts stay).
void IncrementVersion(VerPart lPart, VerIncrement lWhich);

// Sets "FileVersion" and "ProductVersion" of every block from the numbers.
void UpdateVersionStrings(bool bFormat);
// 1 when some block's "FileVersion" or "ProductVersion" differs from the numbers.
int32_t VersionStringsDiffer(bool bFormat);

// Field texts for the resource-script writer.
std::string VerFlagsMaskText(uint32_t lMask); // "VS_FFI_FILEFLAGSMASK" or "0x0"
std::string VerFlagsText(uint32_t lFlags);    // "VS_FF_PATCHED | VS_FF_PRERELEASE" or "0x0"
std::string VerOSText(uint32_t lOS);          // "VOS_WINDOWS32"; unknown values "0x..."
std::string VerTypeText(uint32_t lType);      // "VFT_APP"; unknown values "0x..."
std::string VerSubtypeText(uint32_t lType, uint32_t lSubtype); // "VFT2_DRV_COMM", ...

// Field parsers for the reader: a constant name (without regard to case), or a
// number "0x1F", "&H1F" or decimal. Unknown names give 0. The flags parsers
// accept several terms joined by "|" or "+".
uint32_t VerFlagsMaskFromText(const std::string& sText);
uint32_t VerFlagsFromText(const std::string& sText);
uint32_t VerOSFromText(const std::string& sText);
uint32_t VerTypeFromText(const std::string& sText);
uint32_t VerSubtypeFromText(const std::string& sText);

// Names of all OS values, types, and the subtypes of a type, in list order (the
// editor's drop-down lists).
int32_t VerOSCount();
std::string VerOSName(int32_t lIndex); // 1-based
int32_t VerTypeCount();
std::string VerTypeName(int32_t lIndex);
int32_t VerSubtypeCount(uint32_t lType);
std::string VerSubtypeName(uint32_t lType, int32_t lIndex);

// The 47 languages and 12 code pages of the add-block dialog, 1-based, as
// listed ("0x0409 U.S. English", "1252 Multilingual") and by number.
int32_t VerLanguageCount();
std::string VerLanguageItem(int32_t lIndex);
uint32_t VerLanguageId(int32_t lIndex);
int32_t VerCodePageCount();
std::string VerCodePageItem(int32_t lIndex);
uint32_t VerCodePageId(int32_t lIndex);

// Name of a language or code page; for one not in the lists its number
// ("0x0C09" for a language, "65001" for a code page).
std::string VerLanguageName(uint32_t lLang);
std::string VerCodePageName(uint32_t lCodePage);

// "(0x040904E4) U.S. English, Multilingual".
std::string VersionBlockHeader(uint32_t lLangCharset);
