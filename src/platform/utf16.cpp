#include "platform/utf16.h"

#include <cstdint>

namespace quornel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void append_utf16(std::string& out, char32_t c) {
    auto unit = [&out](std::uint16_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    if (c < 0x10000) {
        unit(static_cast<std::uint16_t>(c));
    } else {
        c -= 0x10000;
        unit(static_cast<std::uint16_t>(0xD800 | (c >> 10)));
        unit(static_cast<std::uint16_t>(0xDC00 | (c & 0x3FF)));
    }
}

// Decodes one code point at `i`, advancing it; malformed input gives U+FFFD for one byte.
char32_t next_utf8(std::string_view s, std::size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > s.size()) {
        ++i;
        return kReplacement;
    }
    char32_t cp = len == 1 ? c : c & (0x7F >> len);
    for (int k = 1; k < len; ++k) {
        unsigned char cc = static_cast<unsigned char>(s[i + k]);
        if ((cc & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    i += len;
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
    return cp;
}

}  // namespace

std::string utf16le_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t n = bytes.size() / 2;
    auto unit = [&](std::size_t k) {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[2 * k]) |
                                          (static_cast<unsigned char>(bytes[2 * k + 1]) << 8));
    };
    for (std::size_t k = 0; k < n; ++k) {
        char32_t u = unit(k);
        if (u >= 0xD800 && u <= 0xDBFF && k + 1 < n && unit(k + 1) >= 0xDC00 &&
            unit(k + 1) <= 0xDFFF) {
            u = 0x10000 + ((u - 0xD800) << 10) + (unit(k + 1) - 0xDC00);
            ++k;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            u = kReplacement;
        }
        append_utf8(out, u);
    }
    if (bytes.size() % 2 != 0) append_utf8(out, kReplacement);
    return out;
}

std::string utf8_to_utf16le(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t i = 0; i < utf8.size();) append_utf16(out, next_utf8(utf8, i));
    return out;
}

}  // namespace quornel
