// Fixed-size, zero-terminated text fields of the project records (szIDName,
// szClass, the font face name). Assigning a longer text cuts it to the field's
// capacity, which is the "cut to 32 characters" rule of the tables in one place.
// The record stays trivially copyable and all-zero when value-initialised.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

template <std::size_t N> struct FixedText {
    char sz[N + 1];

    static constexpr std::size_t Capacity() { return N; }

    // Stores the text, cut to N characters; the rest of the field is zeroed so
    // that two equal texts are equal byte for byte.
    FixedText& operator=(std::string_view s) {
        std::size_t n = s.size() < N ? s.size() : N;
        // A text may hold a zero byte; the stored text ends there, as in C.
        const void* pNul = n ? std::memchr(s.data(), 0, n) : nullptr;
        if (pNul) {
            n = static_cast<std::size_t>(static_cast<const char*>(pNul) - s.data());
        }
        if (n) {
            std::memmove(sz, s.data(), n);
        }
        std::memset(sz + n, 0, N + 1 - n);
        return *this;
    }
    FixedText& operator=(const char* s) { return *this = std::string_view(s ? s : ""); }
    FixedText& operator=(const std::string& s) { return *this = std::string_view(s); }

    std::size_t size() const {
        std::size_t n = 0;
        while (n < N && sz[n]) {
            ++n;
        }
        return n;
    }
    bool empty() const { return sz[0] == 0; }
    const char* c_str() const { return sz; }
    std::string_view view() const { return std::string_view(sz, size()); }
    std::string str() const { return std::string(view()); }
    operator std::string_view() const { return view(); }

    // Exact comparison, with case.
    bool operator==(std::string_view s) const { return view() == s; }
    bool operator==(const FixedText& t) const { return view() == t.view(); }
};

// An ID name field: at most 32 characters (33 bytes with the terminator).
using IDNameText = FixedText<32>;
