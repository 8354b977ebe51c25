// ID names and values: validation, uniqueness, predefined IDs,
// generated names and new values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The name prefixes, indexed -2 (resources), -1 (menu items), 0 (dialogs) and
// 1..29 (controls by kind). Reading an index out of range gives "".
struct tIDPrefixTable {
    static constexpr int32_t lFirst = -2;
    static constexpr int32_t lLast = 29;
    std::string as[lLast - lFirst + 1];
    const std::string& operator[](int32_t lIndex) const;
};
extern tIDPrefixTable gasIDPrefix;

// The default prefix of an index: "%IDR_", "%IDM_", "%IDD_", "%IDC_".
std::string DefaultIDPrefix(int32_t lIndex);
// The settings rule: a non-empty text goes through IDNameFromText, an empty one
// gives the default. Nothing for an index out of range.
void SetIDPrefix(int32_t lIndex, std::string_view sText);
// Every prefix back to its default.
void ResetIDPrefixes();

// ASCII case-blind equality of two names.
bool SameIDName(std::string_view a, std::string_view b);

// The messages the name fields show when a name is refused.
extern const char* const gszInvalidIDNameMsg;
extern const char* const gszIDNameUsedMsg;

// Puts a missing "%" in front; 1 valid (also ""), 0 invalid.
int32_t ValidateIDName(std::string& sName);
// 0 when another live ID has the name (case-blind). In place of the combo box
// the entries of its list: a name that is one of them (whole entry, without
// regard to case, as the combo box searches) may be shared; nullptr: no list.
int32_t IsIDNameUnique(int32_t lOwnElem, std::string_view sName,
                       const std::vector<std::string>* pasList = nullptr);
// A predefined ID (exact name, with case) added with usage 0; else 0.
int32_t AddPredefinedID(std::string_view sName);
// "%IDOK,%IDCANCEL,...,%IDCONTINUE".
std::string PredefinedIDList();
// The value of a predefined name (exact, with case); 0 when it is none.
int32_t PredefinedIDValue(std::string_view sName);
// A valid name from any text: "%", then letters, and digits, "_" and blanks
// (as "_") once a letter stands; at most 32 characters.
std::string IDNameFromText(std::string_view sText);
// The trailing number plus 1 ("%X09" gives "%X10"), or "1" appended.
std::string BumpIDName(std::string_view sName);
// Bumps until no other live ID has the name (case-blind), then stores it in
// sName and in the row.
void MakeIDNameUnique(int32_t lElem, std::string& sName);
// Generated names (resources, controls, captions, menu items) never equal a
// live ID's name without regard to case, and never exceed 32 characters: a
// name that outgrows them keeps its number and loses characters of its base.

// Default name and value text of a new resource ("" for a cursor).
void DefaultResourceName(int32_t lKind, std::string& sName, std::string& sValue);
// A new control ID (usage &H8) named from the kind's keyword; returns its element.
int32_t NewControlID(std::string_view sBase, int32_t lCtlKind);
// A name from a caption (no ID is made).
std::string IDNameFromCaption(std::string_view sCaption, int32_t lCtlKind);
// "%IDM_FILE_OPEN" for "&Open" under "&File"; "" when the captions give no text.
std::string MenuItemIDName(int32_t lItem);
// The next value for a control (1001..65535) and a resource (101..65535).
int32_t NextControlIDValue();
int32_t NextResourceIDValue();
// Smallest / largest value in [lLow, lHigh] that no live ID has; 0 when none.
int32_t FirstFreeIDValue(int32_t lLow, int32_t lHigh);
int32_t LastFreeIDValue(int32_t lHigh, int32_t lLow);
