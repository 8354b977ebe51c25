#include "styles/catalog.h"

#include "model/case_blind.h"
#include "model/project.h"
#include "model/table_index.h"
#include "styles/control_kinds.h"

#include <cctype>
#include <cstdio>
#include <iterator>

Table<tClass> gatClass;
Table<tStyle> gatStyle;
const int32_t& glClassCnt = gatClass.CountRef();
const int32_t& glStyleCnt = gatStyle.CountRef();

std::string (*gpfnLoadStylesText)() = nullptr;

namespace {

// The readers look up a class and a style for every word of every style
// expression; these indexes answer as the scans of the sections would.
bool ClassNameKey(const tClass& t, uint64_t& lKey) {
    lKey = TextKey(t.CLASS.view(), true);
    return true;
}
bool StyleValueKey(const tStyle& t, uint64_t& lKey) {
    lKey = NumberKey(t.lValue);
    return true;
}
bool StyleNameKey(const tStyle& t, uint64_t& lKey) {
    lKey = TextKey(t.szName.view(), false);
    return true;
}

TableIndex<tClass> gixClassName(gatClass, ClassNameKey);
TableIndex<tStyle> gixStyleValue(gatStyle, StyleValueKey);
TableIndex<tStyle> gixStyleName(gatStyle, StyleNameKey);

} // namespace

// Generated at build time from styles_catalog.txt (styles/CMakeLists.txt).
extern const unsigned char kStylesCatalogData[];
extern const std::size_t kStylesCatalogSize;

std::string_view BuiltinStylesText() {
    return std::string_view(reinterpret_cast<const char*>(kStylesCatalogData), kStylesCatalogSize);
}

namespace {

// Index of the first CR or LF at or after lPos (the end of the text when none).
// The catalog ends its lines with CR LF; stopping at a lone LF as well keeps a
// copy with converted line ends readable.
size_t LineEnd(std::string_view s, size_t lPos) {
    while (lPos < s.size() && s[lPos] != '\r' && s[lPos] != '\n') {
        ++lPos;
    }
    return lPos;
}

// The value token: "&H" and hexadecimal digits read as unsigned, stopping at
// the first other character, so the suffixes "&", "???" or none are ignored.
// A token without "&H" is read as decimal digits.
uint32_t TokenValue(std::string_view sToken) {
    uint32_t lValue = 0;
    if (sToken.size() >= 2 && sToken[0] == '&' && (sToken[1] == 'H' || sToken[1] == 'h')) {
        for (size_t i = 2; i < sToken.size(); ++i) {
            int c = std::toupper(static_cast<unsigned char>(sToken[i]));
            if (c >= '0' && c <= '9') {
                lValue = (lValue << 4) | static_cast<uint32_t>(c - '0');
            } else if (c >= 'A' && c <= 'F') {
                lValue = (lValue << 4) | static_cast<uint32_t>(c - 'A' + 10);
            } else {
                break;
            }
        }
        return lValue;
    }
    for (char c : sToken) {
        if (c < '0' || c > '9') {
            break;
        }
        lValue = lValue * 10 + static_cast<uint32_t>(c - '0');
    }
    return lValue;
}

// One walk over the catalog text. With bFill false it only counts sections and
// style lines (pass 1); with bFill true it fills the rows the first pass sized.
void WalkCatalog(std::string_view s, bool bFill, int32_t& lClassCnt, int32_t& lStyleCnt) {
    lClassCnt = 0;
    lStyleCnt = 0;
    // Gives a section that received no style First = Last = 0.
    auto CloseSection = [&]() {
        if (!bFill || lClassCnt == 0) {
            return;
        }
        tClass& tSec = gatClass.W(lClassCnt);
        if (tSec.First > lStyleCnt) {
            tSec.First = 0;
            tSec.Last = 0;
        } else {
            tSec.Last = lStyleCnt;
        }
    };
    size_t lPos = 0;
    while (lPos < s.size()) {
        const char c = s[lPos];
        if (c == '\r' || c == '\n') {
            ++lPos;
        } else if (c == '[') {
            CloseSection();
            ++lClassCnt;
            size_t lEnd = lPos + 1;
            while (lEnd < s.size() && s[lEnd] != ']' && s[lEnd] != '\r' && s[lEnd] != '\n') {
                ++lEnd;
            }
            if (bFill) {
                tClass& tSec = gatClass.W(lClassCnt);
                std::string_view sName = s.substr(lPos + 1, lEnd - lPos - 1);
                tSec.CLASS = sName;
                tSec.IsCtl = sName.find("Styles") == std::string_view::npos ? -1 : 0;
                tSec.First = lStyleCnt + 1;
            }
            lPos = LineEnd(s, lEnd);
        } else if (c == '%') {
            ++lStyleCnt;
            // The name ends at the first blank; no name holds "=", so a line
            // written without blanks ("%A=&H1&") reads the same.
            size_t lEnd = lPos;
            while (lEnd < s.size() && s[lEnd] != ' ' && s[lEnd] != '\t' && s[lEnd] != '=' &&
                   s[lEnd] != '\r' && s[lEnd] != '\n') {
                ++lEnd;
            }
            std::string_view sName = s.substr(lPos, lEnd - lPos);
            while (lEnd < s.size() && (s[lEnd] == ' ' || s[lEnd] == '\t' || s[lEnd] == '=')) {
                ++lEnd;
            }
            size_t lTokEnd = lEnd;
            while (lTokEnd < s.size() && s[lTokEnd] != ' ' && s[lTokEnd] != '\t' &&
                   s[lTokEnd] != '\r' && s[lTokEnd] != '\n') {
                ++lTokEnd;
            }
            if (bFill) {
                tStyle& tRow = gatStyle.W(lStyleCnt);
                tRow.szName = sName;
                tRow.lValue = TokenValue(s.substr(lEnd, lTokEnd - lEnd));
                tRow.lClass = lClassCnt;
            }
            lPos = LineEnd(s, lTokEnd);
        } else {
            // A comment line ("'"); any other line start is not part of the
            // format and is skipped the same way.
            lPos = LineEnd(s, lPos);
        }
    }
    CloseSection();
}

// Writes a row's list. An element of the catalog's defaults is shared by every
// kind's new controls and must never change, so such an element is replaced by
// a new one instead of being overwritten.
void SetRowList(int32_t& lElem, const std::string& sList) {
    if (lElem > 0 && lElem <= glDynStrBase) {
        lElem = 0;
    }
    SetDynStr(lElem, sList);
}

void AppendToken(int32_t& lElem, int32_t lStyle) {
    if (lStyle == 0) {
        return;
    }
    SetRowList(lElem, GetDynStr(lElem) + FormatStyleToken(lStyle) + ",");
}

void AppendTokenOnce(int32_t& lElem, int32_t lStyle) {
    if (lStyle != 0 && !StyleListHas(DynStrView(lElem), lStyle)) {
        AppendToken(lElem, lStyle);
    }
}

void AddBits(int32_t& lBits, int32_t& lListElem, uint32_t lValue, int32_t lClass) {
    uint32_t lHave = static_cast<uint32_t>(lBits);
    if ((lHave & lValue) == lValue) {
        return;
    }
    lBits = static_cast<int32_t>(lHave | lValue);
    AppendToken(lListElem, FindStyleByValue(lClass, lValue));
}

void RemoveBits(int32_t& lBits, int32_t& lListElem, uint32_t lValue, int32_t lClass) {
    uint32_t lHave = static_cast<uint32_t>(lBits);
    if ((lHave & lValue) != lValue) {
        return;
    }
    lBits = static_cast<int32_t>(lHave - lValue);
    int32_t lStyle = FindStyleByValue(lClass, lValue);
    if (lStyle == 0) {
        return;
    }
    // Tokens are four characters each, so a whole-token search never straddles two.
    const std::string sToken = FormatStyleToken(lStyle) + ",";
    std::string sList = GetDynStr(lListElem);
    std::string sKept;
    for (size_t i = 0; i + 4 <= sList.size(); i += 4) {
        if (sList.compare(i, 4, sToken) != 0) {
            sKept += sList.substr(i, 4);
        }
    }
    if (sKept != sList) {
        SetRowList(lListElem, sKept);
    }
}

} // namespace

void LoadStylesCatalogFromText(std::string_view sText) {
    const size_t lNul = sText.find('\0');
    if (lNul != std::string_view::npos) {
        sText = sText.substr(0, lNul);
    }
    int32_t lClassCnt, lStyleCnt;
    WalkCatalog(sText, false, lClassCnt, lStyleCnt);
    gatClass.Release();
    gatStyle.Release();
    gatClass.Resize(lClassCnt);
    gatStyle.Resize(lStyleCnt);
    WalkCatalog(sText, true, lClassCnt, lStyleCnt);
    // Nothing writes the catalog after this: its searches need not re-read
    // the last rows written on every call.
    gatClass.Settle();
    gatStyle.Settle();
}

void LoadStylesCatalog() {
    if (gpfnLoadStylesText) {
        const std::string sText = gpfnLoadStylesText();
        LoadStylesCatalogFromText(sText);
    } else {
        LoadStylesCatalogFromText(BuiltinStylesText());
    }
}

int32_t FindClass(std::string_view sName) {
    return gixClassName.Find(TextKey(sName, true), 0, [&](int32_t, const tClass& t) {
        return SameTextNoCase(t.CLASS.view(), sName);
    });
}

int32_t FindStyleByValue(int32_t lClass, uint32_t lValue) {
    const tClass& tSec = gatClass[lClass];
    if (tSec.First == 0) {
        return 0;
    }
    const int32_t lLast = tSec.Last;
    return gixStyleValue.Find(NumberKey(lValue), tSec.First - 1, [&](int32_t l, const tStyle& t) {
        return l <= lLast && t.lValue == lValue;
    });
}

int32_t FindStyleByName(int32_t lClass, std::string_view sName) {
    const tClass& tSec = gatClass[lClass];
    if (lClass == 0 || tSec.First == 0) {
        return 0;
    }
    const int32_t lLast = tSec.Last;
    return gixStyleName.Find(
        TextKey(sName, false), tSec.First - 1,
        [&](int32_t l, const tStyle& t) { return l <= lLast && t.szName == sName; });
}

std::string FormatStyleToken(int32_t lStyle) {
    // "%03d" without the formatting machinery: it runs for every style word read.
    if (lStyle < 0 || lStyle > 999) {
        char szBuf[16];
        std::snprintf(szBuf, sizeof szBuf, "%03d", static_cast<int>(lStyle));
        return szBuf;
    }
    const char sz[3] = {static_cast<char>('0' + lStyle / 100),
                        static_cast<char>('0' + lStyle / 10 % 10),
                        static_cast<char>('0' + lStyle % 10)};
    return std::string(sz, 3);
}

std::string StyleListToText(std::string_view sList) {
    std::string sText;
    int32_t lNumber = 0;
    for (char c : sList) {
        if (c >= '0' && c <= '9') {
            if (lNumber < 100000) { // a run of digits that long names no row anyway
                lNumber = lNumber * 10 + (c - '0');
            }
        } else if (c == ',') {
            if (!sText.empty()) {
                sText += " Or ";
            }
            sText += gatStyle[lNumber].szName.view();
            lNumber = 0;
        }
    }
    return sText;
}

int32_t StyleListHas(std::string_view sList, int32_t lStyle) {
    if (lStyle >= 0 && lStyle <= 999) {
        // The token as FormatStyleToken writes it, compared without a copy:
        // every style word read asks this.
        const char sz[4] = {static_cast<char>('0' + lStyle / 100),
                            static_cast<char>('0' + lStyle / 10 % 10),
                            static_cast<char>('0' + lStyle % 10), ','};
        const std::string_view sToken(sz, 4);
        for (size_t i = 0; i + 4 <= sList.size(); i += 4) {
            if (sList.substr(i, 4) == sToken) {
                return 1;
            }
        }
        return 0;
    }
    const std::string sToken = FormatStyleToken(lStyle) + ",";
    for (size_t i = 0; i + 4 <= sList.size(); i += 4) {
        if (sList.substr(i, 4) == sToken) {
            return 1;
        }
    }
    return 0;
}

void AddStyle(tDlg& tRow, uint32_t lValue, int32_t lClass) {
    AddBits(tRow.lStyle, tRow.lStyleStrElem, lValue, lClass);
}
void AddExStyle(tDlg& tRow, uint32_t lValue, int32_t lClass) {
    AddBits(tRow.lExStyle, tRow.lExStyleStrElem, lValue, lClass);
}
void RemoveStyle(tDlg& tRow, uint32_t lValue, int32_t lClass) {
    RemoveBits(tRow.lStyle, tRow.lStyleStrElem, lValue, lClass);
}
void RemoveExStyle(tDlg& tRow, uint32_t lValue, int32_t lClass) {
    RemoveBits(tRow.lExStyle, tRow.lExStyleStrElem, lValue, lClass);
}

void AddStyle(int32_t lRow, uint32_t lValue, int32_t lClass) {
    if (tDlg* p = gatDlg.Ptr(lRow)) {
        AddStyle(*p, lValue, lClass);
    }
}
void AddExStyle(int32_t lRow, uint32_t lValue, int32_t lClass) {
    if (tDlg* p = gatDlg.Ptr(lRow)) {
        AddExStyle(*p, lValue, lClass);
    }
}
void RemoveStyle(int32_t lRow, uint32_t lValue, int32_t lClass) {
    if (tDlg* p = gatDlg.Ptr(lRow)) {
        RemoveStyle(*p, lValue, lClass);
    }
}
void RemoveExStyle(int32_t lRow, uint32_t lValue, int32_t lClass) {
    if (tDlg* p = gatDlg.Ptr(lRow)) {
        RemoveExStyle(*p, lValue, lClass);
    }
}

void EnsureImpliedStyles(tDlg& tRow) {
    const bool bDialog = tRow.lCtlType == wkCtlDialog;
    const int32_t lWindow = FindClass("WindowStyles");
    // Only a dialog's own row takes a dialog style; a control does not look.
    const int32_t lDialog = bDialog ? FindClass("DialogStyles") : 0;
    struct Implied {
        int32_t lClass;
        uint32_t lValue;
    };
    const Implied atDialog[] = {{lWindow, 0x10000000},   // %WS_VISIBLE
                                {lDialog, 0x4},          // %DS_3DLOOK
                                {lDialog, 0x10},         // %DS_NOFAILCREATE
                                {lDialog, 0x40}};        // %DS_SETFONT
    const Implied atControl[] = {{lWindow, 0x40000000},  // %WS_CHILD
                                 {lWindow, 0x10000000}}; // %WS_VISIBLE
    const Implied* pBegin = bDialog ? atDialog : atControl;
    const Implied* pEnd = bDialog ? std::end(atDialog) : std::end(atControl);
    for (const Implied* p = pBegin; p != pEnd; ++p) {
        tRow.lStyle = static_cast<int32_t>(static_cast<uint32_t>(tRow.lStyle) | p->lValue);
    }
    for (const Implied* p = pBegin; p != pEnd; ++p) {
        AppendTokenOnce(tRow.lStyleStrElem, FindStyleByValue(p->lClass, p->lValue));
    }
}

void EnsureImpliedStyles(int32_t lRow) {
    if (tDlg* p = gatDlg.Ptr(lRow)) {
        EnsureImpliedStyles(*p);
    }
}

void EnsureCentered(tDlg& tRow) {
    constexpr uint32_t kDsCenter = 0x800;
    if (tRow.lCtlType != wkCtlDialog || (static_cast<uint32_t>(tRow.lStyle) & kDsCenter)) {
        return;
    }
    tRow.lStyle = static_cast<int32_t>(static_cast<uint32_t>(tRow.lStyle) | kDsCenter);
    AppendTokenOnce(tRow.lStyleStrElem, FindStyleByValue(FindClass("DialogStyles"), kDsCenter));
}

void EnsureCentered(int32_t lRow) {
    if (tDlg* p = gatDlg.Ptr(lRow)) {
        EnsureCentered(*p);
    }
}
