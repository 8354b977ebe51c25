// Keyword lists of the code editor and their lookup index.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Language modes of the code editor.
enum : int { wkModePlain = 1, wkModeBasic = 2, wkModeRc = 4 };

// The lists in their stored order (upper case).
extern const std::array<const char*, 646> gaszBasicKeywords;
extern const std::array<const char*, 107> gaszRcKeywords;

// A keyword list sorted for binary search, with the range of every first byte
// so a lookup only searches the words that start like the one asked for.
struct tKeywordIndex {
    std::vector<std::string> asWord;   // sorted, duplicates removed
    std::array<uint32_t, 257> alFirst; // words starting with byte c: [alFirst[c], alFirst[c+1])
};

tKeywordIndex BuildKeywordIndex(std::span<const char* const> aszWords);
// sUpper must already be in upper case.
bool IsInKeywordIndex(const tKeywordIndex& tIndex, std::string_view sUpper);

// The prepared lists, built on first use.
const tKeywordIndex& BasicKeywordIndex();
const tKeywordIndex& RcKeywordIndex();

// Whether sWord (any case) is a keyword of the mode; plain text has none.
bool IsKeyword(int lMode, std::string_view sWord);

// ASCII upper case, the way the editor compares words (no locale).
inline char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string UpperAscii(std::string_view s);
