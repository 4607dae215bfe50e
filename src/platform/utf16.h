#pragma once
// UTF-16LE <-> UTF-8, for the registry text files that regedit writes in UTF-16 and for
// the hex(1) strings in them. Both directions never fail: a broken sequence becomes U+FFFD.
#include <string>
#include <string_view>

namespace quornel {

std::string utf16le_to_utf8(std::string_view bytes);
std::string utf8_to_utf16le(std::string_view utf8);

}  // namespace quornel
