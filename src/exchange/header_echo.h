#pragma once
// The exchange header handed back at the head of JWC_TEMP.TXT: the buffer read from
// TEMP.TXT without its "hq" entry and without its point lines. Jw_cad leaves "hq" in the
// file it writes and skips the drawing while it is still there, so the entry must go. The
// point lines told quornel where to draw; handed back, Jw_cad would read the same header
// after several crossings as after one. Everything else is echoed byte for byte.
#include <string_view>
#include <vector>

namespace quornel {

// The echo as the pieces of the buffer between the deleted parts, in order, so that a
// header of tens of megabytes is written without being copied. The "hq" entry is "hq" and
// the one character after it (both bytes of a double-byte character); a point line goes
// with its line end. Without either the whole buffer is the one piece.
std::vector<std::string_view> header_echo(std::string_view buffer);

}  // namespace quornel
