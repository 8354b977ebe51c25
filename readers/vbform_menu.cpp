// The menu of a form: its VB.Menu blocks become menu rows, their shortcuts
// accelerator keys.
#include "readers/vbform_parts.h"
#include "readers/vbform_text.h"

#include "edit/resource_edits.h"
#include "model/project.h"

namespace {

constexpr uint8_t kVkBack = 0x08;
constexpr uint8_t kVkInsert = 0x2D;
constexpr uint8_t kVkDelete = 0x2E;
constexpr uint8_t kVkF1 = 0x70;

// The key of a name in braces; 0 when it names none.
uint8_t BracedKey(std::string_view sName) {
    if (SameFormWord(sName, "INSERT")) {
        return kVkInsert;
    }
    if (SameFormWord(sName, "DEL")) {
        return kVkDelete;
    }
    if (SameFormWord(sName, "BKSP")) {
        return kVkBack;
    }
    if (sName.size() < 2 || sName.size() > 3 || (sName[0] != 'F' && sName[0] != 'f')) {
        return 0;
    }
    int32_t n = 0;
    for (char c : sName.substr(1)) {
        if (c < '0' || c > '9') {
            return 0;
        }
        n = n * 10 + (c - '0');
    }
    return (n >= 1 && n <= 24) ? static_cast<uint8_t>(kVkF1 + n - 1) : 0;
}

} // namespace

bool ParseVBShortcut(std::string_view sText, uint8_t& byKey, uint8_t& byModifiers) {
    sText = TrimFormBlanks(sText);
    byKey = 0;
    byModifiers = 0;
    while (sText.size() > 1 && (sText[0] == '^' || sText[0] == '+' || sText[0] == '%')) {
        byModifiers |= sText[0] == '^' ? wkFControl : sText[0] == '+' ? wkFShift : wkFAlt;
        sText.remove_prefix(1);
    }
    if (sText.size() >= 2 && sText.front() == '{' && sText.back() == '}') {
        byKey = BracedKey(sText.substr(1, sText.size() - 2));
    } else if (sText.size() == 1) {
        char c = sText[0];
        // Virtual-key codes of letters are the capitals; a small letter's
        // code would name a key of the number pad.
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        byKey = static_cast<uint8_t>(c);
    }
    if (byKey == 0) {
        byModifiers = 0;
        return false;
    }
    return true;
}

int32_t AddVBMenus(const std::vector<tVBMenu>& atMenu) {
    if (atMenu.empty()) {
        return 0;
    }
    if (gtElem.lResMenu == 0) {
        NewResource(wkResMenu);
    }
    const int32_t lMenuRes = gtElem.lResMenu;
    int32_t lAdded = 0;
    for (const tVBMenu& t : atMenu) {
        int32_t lType = wkMenuItem;
        if (t.bHasChildren) {
            lType = wkMenuPopup;
        } else if (t.sCaption == "-") {
            lType = wkMenuSeparator;
        }
        int32_t lOptions = (t.bChecked ? wkMfChecked : 0) | (t.bDisabled ? wkMfGrayed : 0);
        std::string sCaption = lType == wkMenuSeparator ? std::string() : t.sCaption;
        int32_t lID = 0;
        int32_t lAccel = 0;
        if (t.bHidden) {
            // An invisible item keeps its place in the menu but nothing else.
            lOptions = 0;
            sCaption.clear();
        } else if (lType == wkMenuItem && !t.sName.empty()) {
            // The menu-item prefix and the block's name, with the array index
            // after "_" for an element of a menu array.
            std::string sText = gasIDPrefix[-1] + t.sName;
            if (!t.sIndex.empty()) {
                sText += "_" + t.sIndex;
            }
            lID = NewFormID(sText, NextControlIDValue(), wkUsedByMenu);
            uint8_t byKey = 0;
            uint8_t byModifiers = 0;
            if (ParseVBShortcut(t.sShortcut, byKey, byModifiers)) {
                if (gtElem.lResAccel == 0) {
                    NewResource(wkResAccel);
                }
                lAccel = AddAccel(lID, gtElem.lResAccel, byKey, byModifiers);
            }
        }
        AddMenuItem(lID, lMenuRes, lAccel, 0, lType, t.lLevel, lOptions, sCaption);
        ++lAdded;
    }
    return lAdded;
}
