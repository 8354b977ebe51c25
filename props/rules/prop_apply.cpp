#include "props/rules/prop_apply.h"

#include "edit/data_files.h"
#include "model/change_notice.h"
#include "model/dynstr.h"
#include "model/fonts.h"
#include "model/id_names.h"
#include "model/project.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kMaxIDValue = 65535;
constexpr size_t kMaxIDName = 32;

std::string Trim(std::string_view s) {
    const size_t lFirst = s.find_first_not_of(" \t");
    if (lFirst == std::string_view::npos) {
        return std::string();
    }
    const size_t lLast = s.find_last_not_of(" \t");
    return std::string(s.substr(lFirst, lLast - lFirst + 1));
}

std::string UpperExt(const std::string& sFile) {
    const size_t lDot = sFile.rfind('.');
    std::string s = lDot == std::string::npos ? std::string() : sFile.substr(lDot);
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

// A number typed into a digits-only box, kept within what the field holds.
int32_t BoxNumber(const std::string& s) {
    int64_t l = 0;
    bool bAny = false;
    for (char c : s) {
        if (c < '0' || c > '9') {
            break;
        }
        bAny = true;
        l = std::min<int64_t>(l * 10 + (c - '0'), 0x7FFFFFFF);
    }
    return bAny ? static_cast<int32_t>(l) : -1;
}

bool NonDefaultFont(int32_t lElem, const tPropEdit& t) {
    const int32_t lDlgFont = gatDlg[FindDialogRow(gatDlg[lElem].lResElem)].lFontElem;
    if (t.lFontSet) {
        const tLogFont& f = gahFont[lDlgFont];
        return !(f.lHeight == t.tFont.lHeight && f.lWeight == t.tFont.lWeight &&
                 f.byItalic == t.tFont.byItalic && f.byUnderline == t.tFont.byUnderline &&
                 f.byStrikeOut == t.tFont.byStrikeOut &&
                 f.szFaceName.str() == t.tFont.szFaceName.str());
    }
    return gatDlg[lElem].lFontElem != 0 && gatDlg[lElem].lFontElem != lDlgFont;
}

// The ID element a control's typed name stands for: an item of the combo
// list carrying an element; 0 makes a new ID.
int32_t ChosenID(const tPropEdit& t) {
    for (const auto& [sName, lID] : t.atIDList) {
        if (lID != 0 && SameIDName(sName, t.sIDName) && gatID.Live(lID)) {
            return lID;
        }
    }
    return 0;
}

std::vector<std::string> ListNames(const tPropEdit& t) {
    std::vector<std::string> as;
    for (const auto& a : t.atIDList) {
        as.push_back(a.first);
    }
    return as;
}

// A refusal that still reports the corrections made so far (they are shown).
tPropCheck Refuse(int32_t lField, std::string sMessage, int32_t lInfo = 0,
                  const tPropCheck& tSoFar = tPropCheck()) {
    tPropCheck t = tSoFar;
    t.lField = lField;
    t.sMessage = std::move(sMessage);
    t.lInfoIcon = lInfo;
    return t;
}

} // namespace

bool CaptionIsFileName(int32_t lKind) {
    return lKind == wkCtlImage || lKind == wkCtlImageX || lKind == wkCtlImgButton ||
           lKind == wkCtlImgButtonX || lKind == wkCtlAnimate;
}

bool KindHasColors(int32_t lKind) {
    switch (lKind) {
    case 0:
    case 3:
    case 4:
    case 5:
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
    case 19:
    case 22:
    case 29:
        return true;
    default:
        return false;
    }
}

int32_t CountHotKeys(std::string_view s) {
    int32_t lAll = 0;
    int32_t lPairs = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            continue;
        }
        ++lAll;
        if (i + 1 < s.size() && s[i + 1] == '&') {
            ++lAll;
            ++lPairs;
            ++i;
        }
    }
    return lAll - 2 * lPairs;
}

tPropEdit PropEditFromRow(int32_t lElem) {
    tPropEdit t;
    const tDlg& r = gatDlg[lElem];
    t.sCaption = CaptionIsFileName(r.lCtlType) ? (r.lDataResElem ? DataFileName(lElem) : "")
                                               : GetDynStr(r.lCaptionElem);
    if (r.lCtlType == wkCtlDialog && r.lDataResElem) {
        t.sIconFile = DataFileName(lElem);
    }
    t.sClass = r.szClass.str();
    t.sIDName = gatID[r.lIDElem].szIDName.str();
    t.sIDValue = r.lIDElem ? IDValueText(r.lIDElem) : "";
    if (r.lCtlType != wkCtlDialog) {
        for (int32_t l = 1; l <= glIDCnt; ++l) {
            if (gatID.Live(l) && !gatID[l].szIDName.str().empty()) {
                t.atIDList.emplace_back(gatID[l].szIDName.str(), l);
            }
        }
        t.sTabOrder = std::to_string(r.lCtlOrder);
    }
    t.tFont = gahFont[r.lFontElem];
    t.lForeClr = r.byForeClrUsed ? r.lForeClr : -1;
    t.lBackClr = r.byBackClrUsed ? r.lBackClr : -1;
    t.tPages = FillStylePages(r);
    t.asPos[0] = std::to_string(r.nLeft);
    t.asPos[1] = std::to_string(r.nTop);
    t.asPos[2] = std::to_string(r.nRight - r.nLeft);
    t.asPos[3] = std::to_string(r.nBottom - r.nTop);
    return t;
}

tPropCheck CheckProperties(int32_t lElem, tPropEdit& t, bool (*pfnFileExists)(const std::string&)) {
    tPropCheck tOk;
    if (!gatDlg.Live(lElem)) {
        return Refuse(wkFieldNone, "The element no longer exists.");
    }
    const int32_t lKind = gatDlg[lElem].lCtlType;
    const bool bDialog = lKind == wkCtlDialog;

    // 1-4: the ID name.
    std::string sName = Trim(t.sIDName);
    if (!sName.empty() && sName[0] != '%') {
        sName.insert(sName.begin(), '%');
    }
    tOk.lNameFixed = sName != t.sIDName;
    t.sIDName = sName;
    if (!ValidateIDName(sName) || sName.size() > kMaxIDName) {
        tPropCheck r = Refuse(wkFieldIDName, gszInvalidIDNameMsg);
        r.lNameFixed = tOk.lNameFixed;
        return r;
    }
    const int32_t lOwnID = gatDlg[lElem].lIDElem;
    if (!sName.empty()) {
        const std::vector<std::string> asList = ListNames(t);
        if (!IsIDNameUnique(lOwnID, sName, bDialog ? nullptr : &asList)) {
            tPropCheck r = Refuse(wkFieldIDName, gszIDNameUsedMsg);
            r.lNameFixed = tOk.lNameFixed;
            return r;
        }
    } else if (bDialog) {
        return Refuse(wkFieldIDName, "You cannot delete the ID Name of a dialog.");
    } else if (NonDefaultFont(lElem, t) || t.lForeClr != -1 || t.lBackClr != -1 ||
               (CaptionIsFileName(lKind) && !Trim(t.sCaption).empty())) {
        return Refuse(wkFieldIDName, "An ID Name is required in order for font, color or image\r"
                                     "changes to work properly.");
    }

    // 5: the value; one that does not fit a control ID takes the next free one.
    if (!sName.empty()) {
        const std::string sValue = Trim(t.sIDValue);
        const int64_t lValue = ValueFromText(sValue);
        if (lValue > kMaxIDValue || BoxNumber(sValue) > kMaxIDValue) {
            const int32_t lFree = FirstFreeIDValue(1001, kMaxIDValue);
            t.sIDValue = std::to_string(lFree);
            tOk.lValueFixed = 1;
        }
    }

    // 6 and the position: digits only, within the field.
    if (!bDialog && BoxNumber(Trim(t.sTabOrder)) < 0) {
        return Refuse(wkFieldTabOrder, "The Tab Order must be a number.", 0, tOk);
    }
    for (const std::string& s : t.asPos) {
        if (BoxNumber(Trim(s)) < 0) {
            return Refuse(wkFieldPosition, "The position and size must be numbers.", 0, tOk);
        }
    }

    // 10: an image file must be there and match the type the styles choose.
    if (CaptionIsFileName(lKind)) {
        const std::string sFile = Trim(t.sCaption);
        if (!sFile.empty()) {
            if (pfnFileExists && !pfnFileExists(sFile)) {
                return Refuse(wkFieldCaption, "Can't find file: " + sFile, 1, tOk);
            }
            const bool bButton = lKind == wkCtlImgButton || lKind == wkCtlImgButtonX;
            const std::string sExt = UpperExt(sFile);
            const bool bIcon = StyleEntryChecked(t.tPages, bButton ? "%BS_ICON" : "%SS_ICON");
            const bool bBitmap = StyleEntryChecked(t.tPages, bButton ? "%BS_BITMAP" : "%SS_BITMAP");
            if ((sExt == ".BMP" && bIcon) || (sExt == ".ICO" && bBitmap)) {
                return Refuse(wkFieldCaption,
                              "The type of file extension and the styles must match.\r"
                              "Please correct by changing the style or file type, then try "
                              "again.",
                              0, tOk);
            }
        }
    } else if (CountHotKeys(t.sCaption) > 1) {
        // 11: one hot key per caption.
        return Refuse(wkFieldCaption,
                      "The ampersand (&) in a caption is used to specify an Alt+Letter\r"
                      "hot-key combination. To make an ampersand display in the caption,\r"
                      "type two consecutive ampersands (&&).\r\r"
                      "You have more than one letter specified as a hot key.",
                      0, tOk);
    }
    return tOk;
}

int32_t WriteProperties(int32_t lElem, const tPropEdit& t) {
    if (!gatDlg.Live(lElem)) {
        return 0;
    }
    // One edit: listeners hear one notice before and one after all the writes.
    tChangeScope tScope(wkChgDlg, lElem, 1);
    const tDlg tOld = gatDlg[lElem];
    const int32_t lKind = tOld.lCtlType;
    const std::string sValue = Trim(t.sIDValue).empty() ? "0" : Trim(t.sIDValue);

    // The ID.
    if (lKind == wkCtlDialog) {
        UpdateID(tOld.lIDElem, t.sIDName, sValue, gatID[tOld.lIDElem].lUsedBy);
    } else if (t.sIDName.empty()) {
        gatDlg.W(lElem).lIDElem = 0;
    } else {
        int32_t lID = ChosenID(t);
        if (lID == 0 && SameIDName(gatID[tOld.lIDElem].szIDName.str(), t.sIDName)) {
            lID = tOld.lIDElem; // its own name, typed again
        }
        if (lID == 0) {
            lID = AddID(t.sIDName, sValue, wkUsedByDlg);
        } else if (IDValueText(lID) != sValue) {
            SetIDValueText(lID, sValue);
        }
        gatDlg.W(lElem).lIDElem = lID;
    }

    // Tab order.
    if (lKind != wkCtlDialog) {
        const int32_t lOrder = BoxNumber(Trim(t.sTabOrder));
        if (lOrder > 0 && lOrder != tOld.lCtlOrder) {
            SetControlOrder(lElem, lOrder);
        }
    }

    tDlg& r = gatDlg.W(lElem);
    if (t.lFontSet) {
        r.lFontElem = AddFontIndirect(t.tFont);
    }
    r.byForeClrUsed = t.lForeClr != -1 ? 1 : 0;
    r.lForeClr = t.lForeClr != -1 ? t.lForeClr : 0;
    r.byBackClrUsed = t.lBackClr != -1 ? 1 : 0;
    r.lBackClr = t.lBackClr != -1 ? t.lBackClr : 0;

    const tStyleValues v = StylesFromPages(t.tPages, tOld);
    r.lStyle = v.lStyle;
    r.lExStyle = v.lExStyle;
    if (v.sStyleList != GetDynStr(tOld.lStyleStrElem)) {
        r.lStyleStrElem = 0; // the kind's defaults are shared: never write them in place
        SetDynStr(r.lStyleStrElem, v.sStyleList);
    }
    if (v.sExList != GetDynStr(tOld.lExStyleStrElem)) {
        r.lExStyleStrElem = 0;
        SetDynStr(r.lExStyleStrElem, v.sExList);
    }

    const std::string sClass = Trim(t.sClass);
    if (sClass != tOld.szClass.str()) {
        r.szClass = sClass;
        r.lClassElem = FindClass(sClass);
    }

    if (CaptionIsFileName(lKind)) {
        SetDataFile(lElem, Trim(t.sCaption));
    } else {
        if (lKind == wkCtlDialog) {
            SetDataFile(lElem, Trim(t.sIconFile));
        }
        if (t.sCaption.empty()) {
            gatDlg.W(lElem).lCaptionElem = 0;
        } else if (t.sCaption != GetDynStr(tOld.lCaptionElem)) {
            int32_t lCaption = 0;
            SetDynStr(lCaption, t.sCaption);
            gatDlg.W(lElem).lCaptionElem = lCaption;
        }
    }

    const int32_t lLeft = BoxNumber(Trim(t.asPos[0]));
    const int32_t lTop = BoxNumber(Trim(t.asPos[1]));
    tDlg& p = gatDlg.W(lElem);
    p.nLeft = lLeft;
    p.nTop = lTop;
    p.nRight = static_cast<int32_t>(
        std::min<int64_t>(int64_t{lLeft} + BoxNumber(Trim(t.asPos[2])), 0x7FFFFFFF));
    p.nBottom = static_cast<int32_t>(
        std::min<int64_t>(int64_t{lTop} + BoxNumber(Trim(t.asPos[3])), 0x7FFFFFFF));
    RecountUsage();
    NoteChange(wkChgDlg, lElem, 1);

    const tDlg& n = gatDlg[lElem];
    return n.lStyle != tOld.lStyle || n.lExStyle != tOld.lExStyle ||
                   n.szClass.str() != tOld.szClass.str()
               ? 1
               : 0;
}

std::string IDValueConflict(int32_t lElem, std::string_view sIDName, std::string_view sIDValue) {
    const tDlg& r = gatDlg[lElem];
    if (r.lCtlType == wkCtlDialog || Trim(sIDName).empty()) {
        return std::string();
    }
    const int32_t lValue = ValueFromText(Trim(sIDValue));
    if (lValue <= 0) {
        return std::string();
    }
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        const tDlg& o = gatDlg[l];
        if (l == lElem || !gatDlg.Live(l) || o.lResElem != r.lResElem ||
            o.lCtlType == wkCtlDialog || o.lIDElem == 0 || gatID[o.lIDElem].lIDValue != lValue ||
            SameIDName(gatID[o.lIDElem].szIDName.str(), Trim(sIDName))) {
            continue;
        }
        return "Another control of this dialog (" + gatID[o.lIDElem].szIDName.str() +
               ") has the ID value " + std::to_string(lValue) + ".";
    }
    return std::string();
}

std::string FontSizeLine(const tLogFont& t) {
    const int32_t lPoints = static_cast<int32_t>(
        std::lround(std::abs(t.lHeight) * 72.0 / std::max<int32_t>(glPixelsPerInch, 1)));
    std::string s = std::to_string(lPoints) + "   ";
    if (t.lWeight >= 700) {
        s += " Bold";
    }
    if (t.byItalic) {
        s += " Italic";
    }
    if (t.byUnderline) {
        s += " Underline";
    }
    if (t.byStrikeOut) {
        s += " Strikeout";
    }
    return s;
}
