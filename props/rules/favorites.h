// Favourite styles and sizes per control kind, kept in the settings file: one
// section per family and kind ("FavoriteStyle-3", "FavoriteSize-3"), one key
// per favourite, and "<Default>" naming the one new controls start with.
#pragma once

#include "model/records.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum : int32_t {
    wkFavStyles = 0,
    wkFavSizes = 1,
};

struct tFavorite {
    std::string sName;
    std::string sValue;
};

// "FavoriteStyle-" or "FavoriteSize-" and the kind.
std::string FavoriteSection(int32_t lFamily, int32_t lKind);
// The favourites in file order; lines without a name are passed over.
std::vector<tFavorite> ReadFavorites(int32_t lFamily, int32_t lKind);
// The name under "<Default>" when that favourite exists, else "" (the standard).
std::string DefaultFavorite(int32_t lFamily, int32_t lKind);
// 1 when a favourite of the family and kind has the name (without regard to case).
int32_t FavoriteExists(int32_t lFamily, int32_t lKind, std::string_view sName);

// Create or Update; 0 for an empty name or a failed write.
int32_t WriteFavorite(int32_t lFamily, int32_t lKind, const std::string& sName,
                      const std::string& sValue);
// The value moves to the new name, "<Default>" with it; 0 when the new name is
// empty or taken, or the old one missing.
int32_t RenameFavorite(int32_t lFamily, int32_t lKind, const std::string& sOld,
                       const std::string& sNew);
// Removes the favourite; "<Default>" is cleared when it named it.
int32_t DeleteFavorite(int32_t lFamily, int32_t lKind, const std::string& sName);
// "" makes the standard the default again.
int32_t SetDefaultFavorite(int32_t lFamily, int32_t lKind, const std::string& sName);

// What a row would be stored as: the two style index lists joined by ";", or
// width "x" height (the dialog adds ";" left "," top).
std::string FavoriteValue(int32_t lFamily, const tDlg& tRow);
// The favourite whose value the row has (style lists compared with their
// tokens sorted); "" when none.
std::string MatchingFavorite(int32_t lFamily, const tDlg& tRow);
// The same for a value of a kind, as the Properties dialog holds it before Apply.
std::string MatchingFavoriteValue(int32_t lFamily, int32_t lKind, const std::string& sValue);
// The pseudo-entry of the built-in standard: "<Standard Styles>", "<Standard Sizes>".
const char* StandardFavorite(int32_t lFamily);
// The two index lists a style value stands for ("" the kind's standard),
// without the tokens that name no catalog row.
void FavoriteLists(int32_t lKind, const std::string& sValue, std::string& sList,
                   std::string& sExList);
// Sets a row from a value: "" is the kind's built-in standard; damaged parts
// are passed over.
void ApplyFavorite(int32_t lFamily, const std::string& sValue, tDlg& tRow);
// A new dialog or control: the default favourite of each family, if any.
void ApplyDefaultFavorite(tDlg& tRow);
// The default favourite of one family; 1 when the kind has one and it was applied.
int32_t ApplyDefaultFavorite(tDlg& tRow, int32_t lFamily);
