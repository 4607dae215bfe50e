#pragma once
// Walking Jw_cad's exchange text, which is in the ANSI code page (Shift-JIS on a Japanese
// system). A double-byte character's trail byte can be any of 0x40..0xFC, so a plain byte
// search could find "hs" or "hq" inside a Japanese text; these helpers step by characters.
#include <cstddef>
#include <string_view>

namespace quornel {

// Bytes of the character that starts at `pos`: 2 for a Shift-JIS lead byte that has a byte
// after it, else 1 (0 at the end of the text).
std::size_t ansi_char_length(std::string_view text, std::size_t pos);

// Byte position of the first occurrence of the ASCII `key` that starts on a character
// boundary; npos when there is none.
std::size_t find_ansi_key(std::string_view text, std::string_view key);

}  // namespace quornel
