#pragma once
#include <string_view>
#include <vector>

namespace quornel {

// The lines of a file's text. A line ends at CR LF, LF or a lone CR (files copied between
// systems or edited by hand carry any of them); a final line break starts no extra line.
std::vector<std::string_view> split_lines(std::string_view text);

}  // namespace quornel
