#include "platform/text_codec.h"

namespace quornel {

std::size_t utf8_length(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) ++n;  // count every byte that is not a continuation byte
    }
    return n;
}

std::string utf8_start(std::string_view utf8, std::size_t chars) {
    std::size_t end = 0;
    for (std::size_t n = 0; end < utf8.size() && n < chars; ++n) {
        ++end;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
    }
    if (end >= utf8.size()) return std::string(utf8);
    return std::string(utf8.substr(0, end)) + "…";
}

}  // namespace quornel
