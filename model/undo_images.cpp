#include "model/undo_images.h"

#include "model/change_notice.h"
#include "model/dynstr.h"
#include "model/fonts.h"
#include "model/project.h"
#include "model/undo_store.h"
#include "model/version_info.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

template <class T> std::string RowsImage(const Table<T>& at) {
    std::string s(static_cast<std::size_t>(at.Count()) * sizeof(T), '\0');
    std::size_t lAt = 0;
    for (const T& t : at) {
        std::memcpy(s.data() + lAt, &t, sizeof(T));
        lAt += sizeof(T);
    }
    return s;
}

template <class T> bool RowsFromImage(std::string_view sImage, std::vector<T>& at) {
    if (sImage.size() % sizeof(T) != 0) {
        return false;
    }
    at.resize(sImage.size() / sizeof(T));
    if (!at.empty()) {
        std::memcpy(static_cast<void*>(at.data()), sImage.data(), sImage.size());
    }
    return true;
}

template <class T> int32_t RestoreRows(Table<T>& at, std::string_view sImage) {
    std::vector<T> atNew;
    if (!RowsFromImage(sImage, atNew)) {
        return 0;
    }
    at.Assign(std::move(atNew));
    return 1;
}

std::string DlgImage() {
    std::string s = RowsImage(gatDlg);
    // A window handle belongs to the live surface, not to the project's state.
    for (std::size_t lAt = 0; lAt < s.size(); lAt += sizeof(tDlg)) {
        tDlg t;
        std::memcpy(&t, s.data() + lAt, sizeof t);
        t.hWnd = 0;
        std::memcpy(s.data() + lAt, &t, sizeof t);
    }
    return s;
}

int32_t RestoreDlg(std::string_view sImage) {
    std::vector<tDlg> atNew;
    if (!RowsFromImage(sImage, atNew)) {
        return 0;
    }
    const int32_t lKeep = std::min(glDlgCnt, static_cast<int32_t>(atNew.size()));
    for (int32_t l = 1; l <= lKeep; ++l) {
        atNew[static_cast<std::size_t>(l - 1)].hWnd = gatDlg[l].hWnd;
    }
    gatDlg.Assign(std::move(atNew));
    return 1;
}

void PutLength(std::string& s, std::size_t lLen) {
    const uint32_t l = static_cast<uint32_t>(lLen);
    s.append(reinterpret_cast<const char*>(&l), sizeof l);
}

std::string DynStrImage() {
    std::string s;
    for (int32_t l = glDynStrBase + 1; l <= glDynStrCnt; ++l) {
        const std::string_view sText = DynStrView(l);
        PutLength(s, sText.size());
        s += sText;
    }
    return s;
}

int32_t RestoreDynStr(std::string_view sImage) {
    std::vector<std::string> asNew;
    while (!sImage.empty()) {
        uint32_t lLen = 0;
        if (sImage.size() < sizeof lLen) {
            return 0;
        }
        std::memcpy(&lLen, sImage.data(), sizeof lLen);
        sImage.remove_prefix(sizeof lLen);
        if (sImage.size() < lLen) {
            return 0;
        }
        asNew.emplace_back(sImage.substr(0, lLen));
        sImage.remove_prefix(lLen);
    }
    gasDynStr.Resize(glDynStrBase);
    for (std::string& s : asNew) {
        gasDynStr.Add(s);
    }
    return 1;
}

int32_t RestoreFonts(std::string_view sImage) {
    std::vector<tLogFont> atNew;
    if (!RowsFromImage(sImage, atNew)) {
        return 0;
    }
    // The real fonts are made per element; an element may now stand for another font.
    NoteCleared(wkChgFont);
    gahFont.Assign(std::move(atNew));
    return 1;
}

} // namespace

std::string UndoTableImage(int32_t lTable) {
    switch (lTable) {
    case wkUndoID:
        return RowsImage(gatID);
    case wkUndoRes:
        return RowsImage(gatRes);
    case wkUndoDlg:
        return DlgImage();
    case wkUndoMenu:
        return RowsImage(gatMenu);
    case wkUndoAccel:
        return RowsImage(gatAccel);
    case wkUndoStr:
        return RowsImage(gatStr);
    case wkUndoDynStr:
        return DynStrImage();
    case wkUndoFont:
        return RowsImage(gahFont);
    case wkUndoVersion:
        return VersionInfoImage();
    default:
        return {};
    }
}

int32_t RestoreUndoTable(int32_t lTable, std::string_view sImage) {
    switch (lTable) {
    case wkUndoID:
        return RestoreRows(gatID, sImage);
    case wkUndoRes:
        return RestoreRows(gatRes, sImage);
    case wkUndoDlg:
        return RestoreDlg(sImage);
    case wkUndoMenu:
        return RestoreRows(gatMenu, sImage);
    case wkUndoAccel:
        return RestoreRows(gatAccel, sImage);
    case wkUndoStr:
        return RestoreRows(gatStr, sImage);
    case wkUndoDynStr:
        return RestoreDynStr(sImage);
    case wkUndoFont:
        return RestoreFonts(sImage);
    case wkUndoVersion:
        return SetVersionInfoImage(sImage);
    default:
        return 0;
    }
}

std::size_t UndoRowBytes(int32_t lTable) {
    switch (lTable) {
    case wkUndoID:
        return sizeof(tID);
    case wkUndoRes:
        return sizeof(tRes);
    case wkUndoDlg:
        return sizeof(tDlg);
    case wkUndoMenu:
        return sizeof(tMenu);
    case wkUndoAccel:
        return sizeof(tAccel);
    case wkUndoStr:
        return sizeof(tStr);
    case wkUndoFont:
        return sizeof(tLogFont);
    default:
        return 0;
    }
}
