#include "exchange/ansi_text.h"

#include <cstring>

namespace quornel {
namespace {

bool is_lead_byte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace

std::size_t ansi_char_length(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    if (is_lead_byte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) return 2;
    return 1;
}

std::size_t find_ansi_key(std::string_view text, std::string_view key) {
    if (key.empty() || key.size() > text.size()) return std::string_view::npos;
    const std::size_t last = text.size() - key.size();
    for (std::size_t pos = 0; pos <= last; pos += ansi_char_length(text, pos)) {
        if (text[pos] == key[0] && std::memcmp(text.data() + pos, key.data(), key.size()) == 0)
            return pos;
    }
    return std::string_view::npos;
}

}  // namespace quornel
