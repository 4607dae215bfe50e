#pragma once
// The exchange header handed back at the head of JWC_TEMP.TXT: the buffer read from
// TEMP.TXT without its "hq" entry. Jw_cad leaves "hq" in the file it writes and skips the
// drawing while it is still there, so the entry must go; everything else is echoed byte
// for byte.
#include <string_view>

namespace quornel {

// The echo as the two parts of the buffer around the deleted entry, so that a header of
// tens of megabytes is written without being copied. The entry is "hq" and the one
// character after it (both bytes of a double-byte character). Without "hq" the whole
// buffer is `before` and `after` is empty.
struct HeaderEcho {
    std::string_view before;
    std::string_view after;
};

HeaderEcho header_echo(std::string_view buffer);

}  // namespace quornel
