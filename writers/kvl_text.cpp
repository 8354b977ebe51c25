#include "writers/kvl_text.h"

#include "model/id_names.h"
#include "model/project.h"

namespace {
bool gbFullFile = false;
} // namespace

bool FullFile() {
    return gbFullFile;
}

FullFileScope::FullFileScope(bool bFull) : bWasFull(gbFullFile) {
    gbFullFile = bFull;
}

FullFileScope::~FullFileScope() {
    gbFullFile = bWasFull;
}

std::string Indent(const tWriteLayout& tLay, int32_t lLevel) {
    int32_t n = lLevel * tLay.lTabSizeKVL;
    return std::string(static_cast<size_t>(n > 0 ? n : 0), ' ');
}

std::string SeparatorLine(const tWriteLayout& tLay) {
    return "'" + std::string(static_cast<size_t>(tLay.lWrapPos), '-');
}

std::string SectionTitle(std::string_view sTitle) {
    return "'   ** " + std::string(sTitle) + " **";
}

std::string MetaCreated() {
    return "#Wrenkit Created";
}

std::string MetaBegin(std::string_view sBlock, std::string_view sArgument) {
    return "#Wrenkit Begin " + std::string(sBlock) + " " + std::string(sArgument);
}

std::string MetaEnd(std::string_view sBlock) {
    return "#Wrenkit End " + std::string(sBlock);
}

std::string MetaDeclarations() {
    return "#Wrenkit Declarations";
}

std::string MetaCopy() {
    return "#Wrenkit Copy";
}

void PutLine(std::string& sOut, std::string_view sLine) {
    sOut += sLine;
    sOut += "\r\n";
}

void PutEmpty(std::string& sOut) {
    sOut += "\r\n";
}

void PutWrapped(std::string& sOut, const tWriteLayout& tLay, const std::string& sLine) {
    // Most lines fit: they go out without the wrapping copy.
    const int32_t lWidth = tLay.lWrapPos;
    if (lWidth >= 0 && sLine.size() <= static_cast<size_t>(lWidth)) {
        PutLine(sOut, sLine);
        return;
    }
    PutLine(sOut, WrapLine(sLine, lWidth, tLay.lTabSizeKVL));
}

// Positions below are 1-based, as the wrapping rule counts them; At(s, p) is
// the character at position p.
namespace {

char At(const std::string& s, int64_t p) {
    return (p >= 1 && p <= static_cast<int64_t>(s.size())) ? s[static_cast<size_t>(p - 1)] : '\0';
}

// The next blank at or after position p; 0 when there is none.
int64_t NextBlank(const std::string& s, int64_t p) {
    for (int64_t n = static_cast<int64_t>(s.size()); p <= n; ++p) {
        if (At(s, p) == ' ') {
            return p;
        }
    }
    return 0;
}

} // namespace

std::string WrapLine(std::string s, int32_t lWidth, int32_t lTab) {
    const int64_t W = lWidth;
    const int64_t T = lTab;
    // P: the last line end's LF, or 0. After a break P is left on the CR of the
    // inserted line end, so the LF counts towards the next part's length; files
    // written so far depend on exactly these break positions.
    int64_t P = 0;
    size_t lLast = s.rfind("\r\n");
    if (lLast != std::string::npos) {
        P = static_cast<int64_t>(lLast) + 2;
    }
    int64_t I = 0;
    while (I < static_cast<int64_t>(s.size()) && s[static_cast<size_t>(I)] == ' ') {
        ++I;
    }
    const std::string sCont(static_cast<size_t>(T + I), ' ');
    int64_t lQuotes = 0;
    int64_t lCounted = 0;

    while (static_cast<int64_t>(s.size()) - P > W) {
        // The current line starts after the LF at P or P + 1.
        int64_t lStart = At(s, P + 1) == '\n' ? P + 2 : P + 1;
        int64_t lIndentEnd = lStart - 1; // last blank of the line's own indentation
        while (At(s, lIndentEnd + 1) == ' ') {
            ++lIndentEnd;
        }
        // Nearest blank at or left of the limit, never before the line's start.
        int64_t B = 0;
        for (int64_t p = P + W + 1; p >= lStart; --p) {
            if (At(s, p) == ' ') {
                B = p;
                break;
            }
        }
        if (B != 0 && B == P + T + I + 1) {
            B = NextBlank(s, B + 1);
        } else if (B == 0 || B <= lIndentEnd) {
            // Only indentation left of the limit: break at the first blank after
            // the first word instead, or not at all.
            B = NextBlank(s, lIndentEnd + 1);
        }
        if (B == 0 || B >= static_cast<int64_t>(s.size())) {
            break; // nothing to break at: the line stays intact
        }
        // Quotes among the first B characters; inserting after B leaves the
        // count up to B valid, so it is kept as the text grows.
        for (; lCounted < B; ++lCounted) {
            lQuotes += At(s, lCounted + 1) == '"';
        }
        size_t lAt = static_cast<size_t>(B);
        if (lQuotes % 2 != 0) {
            s.insert(lAt, "\" + _\r\n" + sCont + "\"");
            P = B + 6;
        } else {
            s.insert(lAt, "_\r\n" + sCont);
            P = B + 2;
        }
    }
    return s;
}

std::string WrapKvlLine(const tWriteLayout& tLay, const std::string& sText) {
    return WrapLine(sText, tLay.lWrapPos, tLay.lTabSizeKVL);
}

void AppendQuoted(std::string& s, std::string_view sText) {
    s += '"';
    for (char c : sText) {
        s += c;
        if (c == '"') {
            s += '"';
        }
    }
    s += '"';
}

std::string Quoted(std::string_view sText) {
    std::string s;
    AppendQuoted(s, sText);
    return s;
}

std::string IDName(int32_t lIDElem) {
    return gatID[lIDElem].szIDName.str();
}

std::string ResIDName(int32_t lResElem) {
    const tRes& t = gatRes[lResElem];
    std::string s = IDName(t.lIDElem);
    return s.empty() ? t.szIDName.str() : s;
}

std::string FunctionBaseName(int32_t lResElem) {
    std::string s = ResIDName(lResElem);
    const std::string& sPrefix = gasIDPrefix[gatRes[lResElem].lType == wkResDialog ? 0 : -2];
    if (!sPrefix.empty() && s.compare(0, sPrefix.size(), sPrefix) == 0) {
        s.erase(0, sPrefix.size());
    }
    if (!s.empty() && s[0] == '%') {
        s.erase(0, 1);
    }
    return s;
}

std::string BlockArgument(int32_t lResElem) {
    const tRes& t = gatRes[lResElem];
    if (t.lType == wkResDialog) {
        return ResIDName(lResElem) + "->" + (t.lLinkMenu ? ResIDName(t.lLinkMenu) : "") + "->" +
               (t.lLinkAccel ? ResIDName(t.lLinkAccel) : "");
    }
    return ResIDName(lResElem) + "->" + (t.lLinkDlg ? ResIDName(t.lLinkDlg) : "");
}

bool IsLiveRes(int32_t lResElem, int32_t lKind) {
    // A pop-up (context) menu is written and read as a menu of its own kind.
    const int32_t lType = gatRes.Live(lResElem) ? gatRes[lResElem].lType : 0;
    return lType == lKind || (lKind == wkResMenu && lType == wkResPopupMenu);
}
