// ID names and values.
#include "model/id_names.h"

#include "model/project.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

tIDPrefixTable gasIDPrefix = [] {
    tIDPrefixTable t;
    for (int32_t l = tIDPrefixTable::lFirst; l <= tIDPrefixTable::lLast; ++l) {
        t.as[l - tIDPrefixTable::lFirst] = DefaultIDPrefix(l);
    }
    return t;
}();

const char* const gszInvalidIDNameMsg =
    "The ID Name is not valid. Valid ID Names must begin with the % character\r\n"
    "followed by a letter and contain only alphanumeric and underscore characters.";
const char* const gszIDNameUsedMsg = "The ID Name is already used. Please use a unique name.";

namespace {

struct tPredefined {
    const char* szName;
    int32_t lValue;
};
constexpr tPredefined atPredefined[] = {
    {"%IDOK", 1},     {"%IDCANCEL", 2},    {"%IDABORT", 3},     {"%IDRETRY", 4},
    {"%IDIGNORE", 5}, {"%IDYES", 6},       {"%IDNO", 7},        {"%IDCLOSE", 8},
    {"%IDHELP", 9},   {"%IDTRYAGAIN", 10}, {"%IDCONTINUE", 11},
};

constexpr std::size_t lMaxName = IDNameText::Capacity(); // 32

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Upper case, keeping only "_", A-Z and 0-9.
std::string NameChars(std::string_view s) {
    std::string r;
    for (char c : s) {
        c = Upper(c);
        if (c == '_' || IsDigit(c) || (c >= 'A' && c <= 'Z')) {
            r += c;
        }
    }
    return r;
}

// Position where the trailing digits of a name begin (size() when none).
std::size_t DigitsStart(std::string_view s) {
    std::size_t p = s.size();
    while (p > 0 && IsDigit(s[p - 1])) {
        --p;
    }
    return p;
}

// A name as it will be stored: at most 32 characters. A longer name keeps its
// trailing number and loses characters of its base instead, so that the
// numbering stays visible and a bumped name is compared in the form in which
// it will be stored: cutting only after the uniqueness scan could store a
// name equal to an existing one.
std::string FitIDName(std::string s) {
    if (s.size() <= lMaxName) {
        return s;
    }
    std::size_t p = DigitsStart(s);
    std::size_t lDigits = s.size() - p;
    // Keep at least "%" and one letter of the base.
    if (p < 2 || lDigits > lMaxName - 2) {
        return s.substr(0, lMaxName);
    }
    return s.substr(0, lMaxName - lDigits) + s.substr(p);
}

std::string BumpFitted(std::string_view s) {
    return FitIDName(BumpIDName(s));
}

// 1 when a live ID other than lOwn has the name (case-blind).
bool IDNameTaken(std::string_view sName, int32_t lOwn) {
    int32_t l = FindNextIDNamed(sName, 0);
    if (l != 0 && l == lOwn) {
        l = FindNextIDNamed(sName, lOwn);
    }
    return l != 0;
}

// Bumps the name until no live ID other than the own element has it. Every
// generated name is compared without regard to case: Korvel equates are
// case-blind, so a new "%IDD_DIALOG1" beside a hand-written "%idd_dialog1"
// would be defined twice in the generated code.
std::string BumpAgainstIDs(std::string sName, int32_t lOwn = 0) {
    sName = FitIDName(std::move(sName));
    while (IDNameTaken(sName, lOwn)) {
        sName = BumpFitted(sName);
    }
    return sName;
}

} // namespace

const std::string& tIDPrefixTable::operator[](int32_t lIndex) const {
    static const std::string sEmpty;
    if (lIndex < lFirst || lIndex > lLast) {
        return sEmpty;
    }
    return as[lIndex - lFirst];
}

std::string DefaultIDPrefix(int32_t lIndex) {
    switch (lIndex) {
    case -2:
        return "%IDR_";
    case -1:
        return "%IDM_";
    case 0:
        return "%IDD_";
    default:
        return (lIndex >= 1 && lIndex <= tIDPrefixTable::lLast) ? "%IDC_" : "";
    }
}

void SetIDPrefix(int32_t lIndex, std::string_view sText) {
    if (lIndex < tIDPrefixTable::lFirst || lIndex > tIDPrefixTable::lLast) {
        return;
    }
    gasIDPrefix.as[lIndex - tIDPrefixTable::lFirst] =
        sText.empty() ? DefaultIDPrefix(lIndex) : IDNameFromText(sText);
}

void ResetIDPrefixes() {
    for (int32_t l = tIDPrefixTable::lFirst; l <= tIDPrefixTable::lLast; ++l) {
        gasIDPrefix.as[l - tIDPrefixTable::lFirst] = DefaultIDPrefix(l);
    }
}

bool SameIDName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i])) {
            return false;
        }
    }
    return true;
}

int32_t ValidateIDName(std::string& sName) {
    if (sName.empty()) {
        return 1;
    }
    if (sName[0] != '%') {
        sName.insert(sName.begin(), '%');
    }
    if (sName.size() < 2 || !IsLetter(sName[1])) {
        return 0;
    }
    for (std::size_t i = 2; i < sName.size(); ++i) {
        char c = sName[i];
        if (!IsLetter(c) && !IsDigit(c) && c != '_') {
            return 0;
        }
    }
    return 1;
}

int32_t IsIDNameUnique(int32_t lOwnElem, std::string_view sName,
                       const std::vector<std::string>* pasList) {
    if (!IDNameTaken(sName, lOwnElem)) {
        return 1;
    }
    if (!pasList) {
        return 0;
    }
    // The list stands in for a combo box searched with CB_FINDSTRINGEXACT,
    // which matches whole entries without regard to case.
    return std::any_of(pasList->begin(), pasList->end(),
                       [&](const std::string& s) { return SameIDName(s, sName); })
               ? 1
               : 0;
}

int32_t PredefinedIDValue(std::string_view sName) {
    for (const tPredefined& t : atPredefined) {
        if (sName == t.szName) {
            return t.lValue;
        }
    }
    return 0;
}

int32_t AddPredefinedID(std::string_view sName) {
    int32_t lValue = PredefinedIDValue(sName);
    if (lValue == 0) {
        return 0;
    }
    return AddID(sName, std::to_string(lValue), 0);
}

std::string PredefinedIDList() {
    std::string s;
    for (const tPredefined& t : atPredefined) {
        if (!s.empty()) {
            s += ',';
        }
        s += t.szName;
    }
    return s;
}

std::string IDNameFromText(std::string_view sText) {
    std::string r = "%";
    std::size_t i = 0;
    if (!sText.empty() && sText[0] == '%') {
        i = 1;
    }
    for (; i < sText.size() && r.size() < lMaxName; ++i) {
        char c = sText[i];
        if (c == ' ') {
            if (r.size() > 1) {
                r += '_';
            }
        } else if (IsLetter(c)) {
            r += c;
        } else if (IsDigit(c) || c == '_') {
            if (r.size() > 1) {
                r += c;
            }
        }
    }
    return r;
}

std::string BumpIDName(std::string_view sName) {
    std::size_t p = DigitsStart(sName);
    if (p == sName.size()) {
        return std::string(sName) + "1";
    }
    // The value of the digits plus 1, in decimal, done on the text so that any
    // number of digits works: leading zeros go ("X09" gives "X10").
    std::string sDigits(sName.substr(p));
    sDigits.erase(0, std::min(sDigits.find_first_not_of('0'), sDigits.size()));
    int i = static_cast<int>(sDigits.size()) - 1;
    for (; i >= 0; --i) {
        if (sDigits[i] == '9') {
            sDigits[i] = '0';
        } else {
            ++sDigits[i];
            break;
        }
    }
    if (i < 0) {
        sDigits.insert(sDigits.begin(), '1');
    }
    return std::string(sName.substr(0, p)) + sDigits;
}

void MakeIDNameUnique(int32_t lElem, std::string& sName) {
    sName = BumpAgainstIDs(sName, lElem);
    if (tID* p = gatID.Ptr(lElem)) {
        p->szIDName = sName;
        NoteChange(wkChgID, lElem, 1);
    }
}

void DefaultResourceName(int32_t lKind, std::string& sName, std::string& sValue) {
    const char* szBase = nullptr;
    switch (lKind) {
    case wkResAccel:
        szBase = "ACCELERATOR1";
        break;
    case wkResDialog:
        szBase = "DIALOG1";
        break;
    case wkResMenu:
        szBase = "MENU1";
        break;
    case wkResPopupMenu:
        szBase = "POPUPMENU1";
        break;
    case wkResBitmap:
    case wkResIcon:
        szBase = "IMGFILE1";
        break;
    case wkResAvi:
        szBase = "AVI1";
        break;
    default:
        break;
    }
    sName.clear();
    sValue.clear();
    if (!szBase) {
        return;
    }
    sName = FitIDName(gasIDPrefix[lKind == wkResDialog ? 0 : -2] + szBase);
    while (FindNextResourceNamed(sName, 0) != 0) {
        sName = BumpFitted(sName);
    }
    sName = BumpAgainstIDs(sName);
    sValue = std::to_string(NextResourceIDValue());
}

int32_t NewControlID(std::string_view sBase, int32_t lCtlKind) {
    std::string sUpper;
    for (char c : sBase) {
        sUpper += Upper(c);
    }
    std::string sName = gasIDPrefix[lCtlKind] + sUpper;
    if (!sBase.empty() && IsDigit(sBase.back())) {
        sName += '_';
    }
    sName += '1';
    sName = BumpAgainstIDs(IDNameFromText(sName));
    return AddID(sName, std::to_string(NextControlIDValue()), wkUsedByDlg);
}

std::string IDNameFromCaption(std::string_view sCaption, int32_t lCtlKind) {
    std::string sName = (gasIDPrefix[lCtlKind] + NameChars(sCaption)).substr(0, 31);
    return BumpAgainstIDs(IDNameFromText(sName));
}

std::string MenuItemIDName(int32_t lItem) {
    if (!gatMenu.InRange(lItem)) {
        return std::string();
    }
    auto Part = [](int32_t l) {
        std::string s = GetDynStr(gatMenu[l].lCaptionElem);
        return NameChars(s.substr(0, s.find('\\')));
    };
    const int32_t lMenu = gatMenu[lItem].lResElem;
    std::string sText = " " + Part(lItem);
    if (gatMenu[lItem].lLevel != 0) {
        for (int32_t l = lItem - 1; l >= 1; --l) {
            const tMenu& t = gatMenu[l];
            if (!gatMenu.Live(l) || t.lResElem != lMenu || t.lLevel != 0) {
                continue;
            }
            if (t.lType == wkMenuPopup) {
                sText = " " + Part(l) + sText;
            }
            break;
        }
    }
    // Nothing but the separating blanks: the captions give no name.
    if (sText.find_first_not_of(' ') == std::string::npos) {
        return std::string();
    }
    std::replace(sText.begin(), sText.end(), ' ', '_');
    std::string sName = IDNameFromText(gasIDPrefix[-1] + sText.substr(1));
    return BumpAgainstIDs(sName);
}

int32_t FirstFreeIDValue(int32_t lLow, int32_t lHigh) {
    std::vector<int32_t> alUsed;
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        if (gatID.Live(l)) {
            alUsed.push_back(gatID[l].lIDValue);
        }
    }
    std::sort(alUsed.begin(), alUsed.end());
    int64_t v = lLow;
    for (int32_t lUsed : alUsed) {
        if (lUsed == v) {
            ++v;
        } else if (lUsed > v) {
            break;
        }
    }
    return v <= lHigh ? static_cast<int32_t>(v) : 0;
}

int32_t LastFreeIDValue(int32_t lHigh, int32_t lLow) {
    std::vector<int32_t> alUsed;
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        if (gatID.Live(l)) {
            alUsed.push_back(gatID[l].lIDValue);
        }
    }
    std::sort(alUsed.begin(), alUsed.end(), std::greater<int32_t>());
    int64_t v = lHigh;
    for (int32_t lUsed : alUsed) {
        if (lUsed == v) {
            --v;
        } else if (lUsed < v) {
            break;
        }
    }
    return v >= lLow ? static_cast<int32_t>(v) : 0;
}

int32_t NextControlIDValue() {
    int64_t lMax = 0;
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        if (gatID.Live(l) && gatID[l].lUsedBy != wkUsedByRes) {
            lMax = std::max<int64_t>(lMax, gatID[l].lIDValue);
        }
    }
    int64_t v = lMax > 0 ? lMax + 1 : 1001;
    return v > 65535 ? FirstFreeIDValue(1001, 65535) : static_cast<int32_t>(v);
}

int32_t NextResourceIDValue() {
    int64_t lMax = 0;
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (gatRes.Live(l)) {
            lMax = std::max<int64_t>(lMax, gatID[gatRes[l].lIDElem].lIDValue);
        }
    }
    int64_t v = lMax > 0 ? lMax + 1 : 101;
    return v > 65535 ? FirstFreeIDValue(101, 65535) : static_cast<int32_t>(v);
}
