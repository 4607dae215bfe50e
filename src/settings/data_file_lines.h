#pragma once
// Line handling shared by quornel's data files.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/text_lines.h"

namespace quornel {

// A value as one line of a data file: line breaks become blanks, so that one value can
// never push the values after it onto the wrong lines.
std::string single_line(std::string_view value);

// "5行目, 9行目" for the first few numbers, "… ほか" when there are more.
std::string line_numbers_text(const std::vector<int>& numbers);

// What could not be read of a data file that should have `expected` lines and has `present`:
// "37行のうち3行しかありません", then "。また、" and the lines that are there but unusable
// with `unusable_rule` ("5行目, 9行目に「,」がありません"). Empty when every line was read.
std::string unread_lines_text(int expected, std::size_t present, const std::vector<int>& unusable,
                              std::string_view unusable_rule);

// Stores a data file, flushed, replacing the old one. A file that already holds exactly these
// bytes is left as it is: a repeated drawing stores the same values every time, and
// rewriting them would only make the user wait for the disk.
Status save_data_file(FileSystem& fs, const std::filesystem::path& file, std::string_view text);

}  // namespace quornel
