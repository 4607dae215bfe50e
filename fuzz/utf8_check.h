#pragma once
// Strict UTF-8 for the fuzz properties: every text quornel holds inside must be valid.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quornel::fuzz {

// No overlong forms, no surrogates, nothing above U+10FFFF. `count` gets the code points.
inline bool valid_utf8(std::string_view s, std::size_t* count = nullptr) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t len;
        std::uint32_t cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            len = 2, cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3, cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4, cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k) {
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) || cp > 0x10FFFF ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    if (count) *count = n;
    return true;
}

}  // namespace quornel::fuzz
