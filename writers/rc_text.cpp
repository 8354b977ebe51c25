// Writing rules of resource scripts shared by the RC section writers.
#include "writers/rc_text.h"

#include "model/user_seam.h"
#include "writers/kvl_text.h"

std::string RCSeparator(const tWriteLayout& tLay) {
    return "//" + std::string(static_cast<size_t>(tLay.lWrapPos), '-');
}

void PutRCTitle(std::string& sOut, const tWriteLayout& tLay, std::string_view sTitle) {
    PutLine(sOut, RCSeparator(tLay));
    PutLine(sOut, "//  ** " + std::string(sTitle) + " **");
    PutLine(sOut, RCSeparator(tLay));
}

std::string RCMetaBegin(std::string_view sBlock) {
    return "//#Wrenkit Begin " + std::string(sBlock) + " ";
}

std::string RCMetaEnd(std::string_view sBlock) {
    return "//#Wrenkit End " + std::string(sBlock);
}

std::string RCName(std::string_view sIDName) {
    if (sIDName.find('%') == std::string_view::npos) {
        return std::string(sIDName); // the usual case: nothing to drop
    }
    std::string s;
    s.reserve(sIDName.size());
    for (char c : sIDName) {
        if (c != '%') {
            s += c;
        }
    }
    return s;
}

size_t RCNameColumn(const tWriteLayout& tLay, const std::vector<std::string>& asNames) {
    size_t lLongest = 0;
    for (const std::string& s : asNames) {
        lLongest = std::max(lLongest, s.size());
    }
    const size_t lTab = static_cast<size_t>(std::max(tLay.lTabSizeRC, 1));
    return (lLongest + lTab - 1) / lTab * lTab;
}

std::string RCPaddedName(std::string_view sIDName, size_t lColumn) {
    std::string s = RCName(sIDName);
    s.append(s.size() < lColumn ? lColumn - s.size() : 1, ' ');
    return s;
}

std::string RCQuoted(std::string_view sText) {
    std::string s = "\"";
    for (char c : sText) {
        if (c == '"') {
            s += '"'; // the resource compiler reads "" as a quote; \" ends the text
        }
        s += c;
    }
    return s + "\"";
}

std::string RunRCAlone(const char* szStatus, const tWriteLayout& tLay,
                       const std::function<void(std::string&, const tWriteLayout&)>& pfn) {
    ShowStatusText(szStatus);
    std::string s;
    {
        const FullFileScope tFull(true);
        pfn(s, tLay);
    }
    CloseStatusText();
    return s;
}
