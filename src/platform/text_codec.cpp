#include "platform/text_codec.h"

namespace quornel {

std::size_t utf8_length(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) ++n;  // count every byte that is not a continuation byte
    }
    return n;
}

}  // namespace quornel
