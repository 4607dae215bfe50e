#pragma once
// Line handling shared by quornel's data files.
#include <string>
#include <string_view>
#include <vector>

namespace quornel {

// The lines of a file's text. A line ends at CR LF, LF or a lone CR (files copied between
// systems or edited by hand carry any of them); a final line break starts no extra line.
std::vector<std::string_view> split_lines(std::string_view text);

// A value as one line of a data file: line breaks become blanks, so that one value can
// never push the values after it onto the wrong lines.
std::string single_line(std::string_view value);

// "5行目, 9行目" for the first few numbers, "… ほか" when there are more.
std::string line_numbers_text(const std::vector<int>& numbers);

}  // namespace quornel
