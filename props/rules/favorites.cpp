#include "props/rules/favorites.h"

#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "model/dynstr.h"
#include "model/id_names.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"

#include <algorithm>

namespace {

constexpr const char* kDefaultKey = "<Default>";
constexpr uint32_t kSectionBuf = 65536;

// The list's tokens that name catalog rows, in order.
std::vector<int32_t> Rows(std::string_view sList) {
    std::vector<int32_t> al;
    size_t i = 0;
    while (i < sList.size()) {
        size_t lEnd = sList.find(',', i);
        lEnd = lEnd == std::string_view::npos ? sList.size() : lEnd;
        int64_t l = 0;
        bool bDigits = lEnd > i && lEnd - i <= 6;
        for (size_t j = i; j < lEnd && bDigits; ++j) {
            bDigits = sList[j] >= '0' && sList[j] <= '9';
            l = l * 10 + (sList[j] - '0');
        }
        if (bDigits && l > 0 && l <= glStyleCnt) {
            al.push_back(static_cast<int32_t>(l));
        }
        i = lEnd + 1;
    }
    return al;
}

std::string ListOf(const std::vector<int32_t>& al) {
    std::string s;
    for (int32_t l : al) {
        s += FormatStyleToken(l) + ",";
    }
    return s;
}

std::string SortedList(std::string_view sList) {
    std::vector<int32_t> al = Rows(sList);
    std::sort(al.begin(), al.end());
    return ListOf(al);
}

int32_t ValueOfRows(const std::vector<int32_t>& al) {
    uint32_t l = 0;
    for (int32_t lRow : al) {
        l |= gatStyle[lRow].lValue;
    }
    return static_cast<int32_t>(l);
}

// A number of a size value; -1 when the text is none.
int32_t SizeNumber(std::string_view s) {
    if (s.empty() || s.size() > 6) {
        return -1;
    }
    int32_t l = 0;
    for (char c : s) {
        if (c < '0' || c > '9') {
            return -1;
        }
        l = l * 10 + (c - '0');
    }
    return l;
}

std::string StandardValue(int32_t lFamily, int32_t lKind) {
    const tCtlDefault& d = gatCtlDefault[lKind];
    if (lFamily == wkFavSizes) {
        return std::to_string(d.lWidth) + "x" + std::to_string(d.lHeight);
    }
    return GetDynStr(d.lStyleStrElem) + ";" + GetDynStr(d.lExStyleStrElem);
}

std::string Comparable(const std::string& sValue) {
    const size_t lSemi = sValue.find(';');
    const std::string sEx = lSemi == std::string::npos ? "" : sValue.substr(lSemi + 1);
    return SortedList(sValue.substr(0, lSemi)) + ";" + SortedList(sEx);
}

bool ValidKind(int32_t lKind) {
    return lKind >= 0 && lKind < wkCtlKindCount;
}

} // namespace

std::string FavoriteSection(int32_t lFamily, int32_t lKind) {
    return (lFamily == wkFavStyles ? "FavoriteStyle-" : "FavoriteSize-") + std::to_string(lKind);
}

std::vector<tFavorite> ReadFavorites(int32_t lFamily, int32_t lKind) {
    std::vector<tFavorite> at;
    std::string sBuf(kSectionBuf, '\0');
    const uint32_t lLen = ProfileGetSection(SettingsPath(), FavoriteSection(lFamily, lKind),
                                            sBuf.data(), kSectionBuf);
    size_t i = 0;
    while (i < lLen) {
        const size_t lEnd = sBuf.find('\0', i);
        const std::string sLine = sBuf.substr(i, lEnd - i);
        i = lEnd + 1;
        const size_t lEq = sLine.find('=');
        if (lEq == std::string::npos || lEq == 0) {
            continue;
        }
        tFavorite t{sLine.substr(0, lEq), sLine.substr(lEq + 1)};
        if (t.sName == kDefaultKey) {
            continue;
        }
        at.push_back(std::move(t));
    }
    return at;
}

int32_t FavoriteExists(int32_t lFamily, int32_t lKind, std::string_view sName) {
    for (const tFavorite& t : ReadFavorites(lFamily, lKind)) {
        if (SameIDName(t.sName, sName)) {
            return 1;
        }
    }
    return 0;
}

std::string DefaultFavorite(int32_t lFamily, int32_t lKind) {
    const std::string sName =
        ProfileGetString(SettingsPath(), FavoriteSection(lFamily, lKind), kDefaultKey, "", 256);
    return !sName.empty() && FavoriteExists(lFamily, lKind, sName) ? sName : std::string();
}

int32_t WriteFavorite(int32_t lFamily, int32_t lKind, const std::string& sName,
                      const std::string& sValue) {
    if (sName.empty() || sName == kDefaultKey || sName.find('=') != std::string::npos) {
        return 0;
    }
    return ProfileWriteString(SettingsPath(), FavoriteSection(lFamily, lKind), sName,
                              sValue.c_str());
}

int32_t RenameFavorite(int32_t lFamily, int32_t lKind, const std::string& sOld,
                       const std::string& sNew) {
    if (sNew.empty() || FavoriteExists(lFamily, lKind, sNew) ||
        !FavoriteExists(lFamily, lKind, sOld)) {
        return 0;
    }
    const std::string sSection = FavoriteSection(lFamily, lKind);
    const std::string sValue = ProfileGetString(SettingsPath(), sSection, sOld, "", 4096);
    // The new key is written first: a failed write loses nothing.
    if (!WriteFavorite(lFamily, lKind, sNew, sValue)) {
        return 0;
    }
    const bool bDefault = SameIDName(DefaultFavorite(lFamily, lKind), sOld);
    ProfileWriteString(SettingsPath(), sSection, sOld, nullptr);
    if (bDefault) {
        SetDefaultFavorite(lFamily, lKind, sNew);
    }
    return 1;
}

int32_t DeleteFavorite(int32_t lFamily, int32_t lKind, const std::string& sName) {
    const bool bDefault = SameIDName(DefaultFavorite(lFamily, lKind), sName);
    const int32_t l =
        ProfileWriteString(SettingsPath(), FavoriteSection(lFamily, lKind), sName, nullptr);
    if (bDefault) {
        SetDefaultFavorite(lFamily, lKind, "");
    }
    return l;
}

int32_t SetDefaultFavorite(int32_t lFamily, int32_t lKind, const std::string& sName) {
    return ProfileWriteString(SettingsPath(), FavoriteSection(lFamily, lKind), kDefaultKey,
                              sName.c_str());
}

std::string FavoriteValue(int32_t lFamily, const tDlg& tRow) {
    if (lFamily == wkFavStyles) {
        return GetDynStr(tRow.lStyleStrElem) + ";" + GetDynStr(tRow.lExStyleStrElem);
    }
    std::string s =
        std::to_string(tRow.nRight - tRow.nLeft) + "x" + std::to_string(tRow.nBottom - tRow.nTop);
    if (tRow.lCtlType == wkCtlDialog) {
        s += ";" + std::to_string(tRow.nLeft) + "," + std::to_string(tRow.nTop);
    }
    return s;
}

std::string MatchingFavorite(int32_t lFamily, const tDlg& tRow) {
    if (!ValidKind(tRow.lCtlType)) {
        return std::string();
    }
    return MatchingFavoriteValue(lFamily, tRow.lCtlType, FavoriteValue(lFamily, tRow));
}

std::string MatchingFavoriteValue(int32_t lFamily, int32_t lKind, const std::string& sRow) {
    if (!ValidKind(lKind)) {
        return std::string();
    }
    const auto Same = [&](const std::string& sValue) {
        return lFamily == wkFavStyles ? Comparable(sValue) == Comparable(sRow) : sValue == sRow;
    };
    for (const tFavorite& t : ReadFavorites(lFamily, lKind)) {
        if (Same(t.sValue)) {
            return t.sName;
        }
    }
    // The dialog's standard size says nothing of its position.
    const std::string sSize = lFamily == wkFavSizes ? sRow.substr(0, sRow.find(';')) : sRow;
    if (lFamily == wkFavStyles ? Same(StandardValue(lFamily, lKind))
                               : sSize == StandardValue(lFamily, lKind)) {
        return StandardFavorite(lFamily);
    }
    return std::string();
}

const char* StandardFavorite(int32_t lFamily) {
    return lFamily == wkFavStyles ? "<Standard Styles>" : "<Standard Sizes>";
}

void FavoriteLists(int32_t lKind, const std::string& sValue, std::string& sList,
                   std::string& sExList) {
    const std::string sUse =
        sValue.empty() && ValidKind(lKind) ? StandardValue(wkFavStyles, lKind) : sValue;
    const size_t lSemi = sUse.find(';');
    sList = ListOf(Rows(sUse.substr(0, lSemi)));
    sExList = ListOf(Rows(lSemi == std::string::npos ? std::string() : sUse.substr(lSemi + 1)));
}

void ApplyFavorite(int32_t lFamily, const std::string& sValue, tDlg& tRow) {
    if (!ValidKind(tRow.lCtlType)) {
        return;
    }
    if (lFamily == wkFavStyles) {
        const std::string sUse =
            sValue.empty() ? StandardValue(wkFavStyles, tRow.lCtlType) : sValue;
        const size_t lSemi = sUse.find(';');
        const std::vector<int32_t> alStyle = Rows(sUse.substr(0, lSemi));
        const std::vector<int32_t> alEx =
            Rows(lSemi == std::string::npos ? std::string() : sUse.substr(lSemi + 1));
        tRow.lStyle = ValueOfRows(alStyle);
        tRow.lExStyle = ValueOfRows(alEx);
        // Always the row's own list elements: the kind's defaults are shared.
        tRow.lStyleStrElem = 0;
        SetDynStr(tRow.lStyleStrElem, ListOf(alStyle));
        tRow.lExStyleStrElem = 0;
        SetDynStr(tRow.lExStyleStrElem, ListOf(alEx));
        EnsureImpliedStyles(tRow);
        return;
    }
    if (sValue.empty()) {
        ApplyFavorite(wkFavSizes, StandardValue(wkFavSizes, tRow.lCtlType), tRow);
        return;
    }
    const size_t lX = sValue.find('x');
    if (lX == std::string::npos) {
        return;
    }
    const size_t lSemi = sValue.find(';');
    const int32_t lWidth = SizeNumber(std::string_view(sValue).substr(0, lX));
    const int32_t lHeight = SizeNumber(std::string_view(sValue).substr(lX + 1, lSemi - lX - 1));
    if (lWidth < 0 || lHeight < 0) {
        return;
    }
    if (tRow.lCtlType == wkCtlDialog && lSemi != std::string::npos) {
        const std::string sPos = sValue.substr(lSemi + 1);
        const size_t lComma = sPos.find(',');
        const int32_t lLeft = SizeNumber(std::string_view(sPos).substr(0, lComma));
        const int32_t lTop = lComma == std::string::npos
                                 ? -1
                                 : SizeNumber(std::string_view(sPos).substr(lComma + 1));
        if (lLeft >= 0 && lTop >= 0) {
            tRow.nLeft = lLeft;
            tRow.nTop = lTop;
        }
    }
    tRow.nRight = tRow.nLeft + lWidth;
    tRow.nBottom = tRow.nTop + lHeight;
}

void ApplyDefaultFavorite(tDlg& tRow) {
    ApplyDefaultFavorite(tRow, wkFavStyles);
    ApplyDefaultFavorite(tRow, wkFavSizes);
}

int32_t ApplyDefaultFavorite(tDlg& tRow, int32_t lFamily) {
    if (!ValidKind(tRow.lCtlType)) {
        return 0;
    }
    const std::string sName = DefaultFavorite(lFamily, tRow.lCtlType);
    if (sName.empty()) {
        return 0;
    }
    for (const tFavorite& t : ReadFavorites(lFamily, tRow.lCtlType)) {
        if (SameIDName(t.sName, sName)) {
            ApplyFavorite(lFamily, t.sValue, tRow);
            return 1;
        }
    }
    return 0;
}
