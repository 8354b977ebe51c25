#include "model/name_text.h"

bool IsIdentByte(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsIDNameText(std::string_view s) {
    if (s.size() < 2 || s[0] != '%') {
        return false;
    }
    const char c = s[1];
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) {
        return false;
    }
    for (std::size_t l = 2; l < s.size(); ++l) {
        if (!IsIdentByte(s[l])) {
            return false;
        }
    }
    return true;
}

std::string_view TrimText(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}
