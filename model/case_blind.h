// The one case rule of the program: ID names, class names, file paths and
// settings values are compared with ASCII letters folded, every other byte as
// it stands (the user's code page is never guessed).
#pragma once

#include <cstddef>
#include <string_view>

inline char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool SameTextNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) {
            return false;
        }
    }
    return true;
}

inline bool StartsWithNoCase(std::string_view s, std::string_view sPrefix) {
    return s.size() >= sPrefix.size() && SameTextNoCase(s.substr(0, sPrefix.size()), sPrefix);
}
