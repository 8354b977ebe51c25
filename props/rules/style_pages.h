// The two check lists of the Styles page: which catalog names each control
// kind offers, in which order, grouped into options and locked how, and the
// check marks read from a row's style index lists (not from its bits, so two
// names with one value show as the user chose them).
#pragma once

#include "model/records.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum : uint8_t {
    wkBoxCheck = 3,     // a check box
    wkBoxOption = 4,    // an option button of a group
    wkBoxSeparator = 7, // a separator line
};
// Entry flags, the window styles a list box item is drawn with.
constexpr int32_t wkEntryLocked = 0x8000000; // shown greyed, never changes
constexpr int32_t wkEntryGroup = 0x20000;    // first option of a group

struct tStyleEntry {
    int32_t lStyle; // gatStyle row; 0 for a separator or a name the catalog lacks
    uint8_t byChecked;
    uint8_t byType;    // wkBox...
    int32_t lFlags;    // wkEntry...
    int32_t lDescId;   // string of the description line; 0 for a separator
    std::string sName; // the name with "%" ("" for a separator)
};

// Both lists of one element while its Properties dialog is open.
struct tStylePages {
    int32_t lKind = 0;
    std::vector<tStyleEntry> atStyle;   // list 212
    std::vector<tStyleEntry> atExStyle; // list 213 (empty: the kind has none)
    int32_t lChanged = 0;               // a check mark moved since filling
};

// Runs the kind's page definition against the row's index lists.
tStylePages FillStylePages(int32_t lKind, std::string_view sStyleList, std::string_view sExList);
tStylePages FillStylePages(const tDlg& tRow);

// A click or the space bar on entry lIndex: a check box toggles, an option is
// checked and the other options of its group unchecked; a locked entry, a
// separator or a checked option does not change. 1 when something changed.
int32_t ToggleStyleEntry(tStylePages& t, std::vector<tStyleEntry>& at, size_t lIndex);
// Checks the entry of the named style (an option clears its group); 1 when found.
int32_t CheckStyleEntry(tStylePages& t, std::string_view sName);
// 1 when the entry of that name is checked.
int32_t StyleEntryChecked(const tStylePages& t, std::string_view sName);

// The names of every checked entry of both lists, in list order ("Selected Styles").
std::vector<std::string> CheckedStyleNames(const tStylePages& t);

// The row's styles from the check marks: each value is the OR of the checked
// entries, each list the tokens of the checked entries in list order. What the
// page does not offer (tokens of other names, bits no listed name explains)
// is kept as it was, so an imported row loses nothing by being edited here.
struct tStyleValues {
    int32_t lStyle;
    int32_t lExStyle;
    std::string sStyleList;
    std::string sExList;
};
tStyleValues StylesFromPages(const tStylePages& t, const tDlg& tRow);

// The text of the description line for an entry's description id.
std::string StyleDescription(int32_t lDescId);

// Every name a kind's page declares, with "%" (for the catalog checks).
std::vector<std::string> PageStyleNames(int32_t lKind);
