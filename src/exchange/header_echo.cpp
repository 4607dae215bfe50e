#include "exchange/header_echo.h"

#include <algorithm>

#include "exchange/ansi_text.h"
#include "exchange/header_points.h"

namespace quornel {

std::vector<std::string_view> header_echo(std::string_view buffer) {
    std::vector<LineSpan> cuts = point_lines(buffer);
    if (std::size_t pos = find_ansi_key(buffer, "hq"); pos != std::string_view::npos) {
        const std::size_t end = pos + 2 + ansi_char_length(buffer, pos + 2);
        cuts.push_back({pos, end - pos});
    }
    std::sort(cuts.begin(), cuts.end(),
              [](const LineSpan& a, const LineSpan& b) { return a.start < b.start; });
    std::vector<std::string_view> pieces;
    std::size_t from = 0;
    for (const LineSpan& cut : cuts) {
        // A damaged header may hold "hq" inside a point line: what is cut twice is cut once.
        if (cut.start > from) pieces.push_back(buffer.substr(from, cut.start - from));
        from = std::max(from, cut.start + cut.length);
    }
    if (from < buffer.size() || pieces.empty()) pieces.push_back(buffer.substr(from));
    return pieces;
}

}  // namespace quornel
