// Preparing the keyword lists for fast lookup while a line is painted: every
// visible word of every repainted line is looked up, so the search must not
// walk the list.
#include "codeview/lexer/keywords.h"

#include <algorithm>

std::string UpperAscii(std::string_view s) {
    std::string sUpper(s);
    for (char& c : sUpper) {
        c = UpperAscii(c);
    }
    return sUpper;
}

tKeywordIndex BuildKeywordIndex(std::span<const char* const> aszWords) {
    tKeywordIndex tIndex;
    tIndex.asWord.reserve(aszWords.size());
    for (const char* szWord : aszWords) {
        tIndex.asWord.push_back(UpperAscii(szWord));
    }
    std::sort(tIndex.asWord.begin(), tIndex.asWord.end());
    tIndex.asWord.erase(std::unique(tIndex.asWord.begin(), tIndex.asWord.end()),
                        tIndex.asWord.end());
    // alFirst[c] is the first word whose first byte is >= c.
    size_t lAt = 0;
    for (unsigned c = 0; c <= 256; ++c) {
        while (lAt < tIndex.asWord.size() &&
               static_cast<unsigned char>(tIndex.asWord[lAt][0]) < c) {
            ++lAt;
        }
        tIndex.alFirst[c] = static_cast<uint32_t>(lAt);
    }
    return tIndex;
}

bool IsInKeywordIndex(const tKeywordIndex& tIndex, std::string_view sUpper) {
    if (sUpper.empty()) {
        return false;
    }
    const unsigned c = static_cast<unsigned char>(sUpper[0]);
    const auto itBegin = tIndex.asWord.begin() + tIndex.alFirst[c];
    const auto itEnd = tIndex.asWord.begin() + tIndex.alFirst[c + 1];
    return std::binary_search(itBegin, itEnd, sUpper,
                              [](std::string_view a, std::string_view b) { return a < b; });
}

const tKeywordIndex& BasicKeywordIndex() {
    static const tKeywordIndex tIndex = BuildKeywordIndex(gaszBasicKeywords);
    return tIndex;
}

const tKeywordIndex& RcKeywordIndex() {
    static const tKeywordIndex tIndex = BuildKeywordIndex(gaszRcKeywords);
    return tIndex;
}

bool IsKeyword(int lMode, std::string_view sWord) {
    if (lMode == wkModeBasic) {
        return IsInKeywordIndex(BasicKeywordIndex(), UpperAscii(sWord));
    }
    if (lMode == wkModeRc) {
        return IsInKeywordIndex(RcKeywordIndex(), UpperAscii(sWord));
    }
    return false;
}
