#include "settings/data_file_lines.h"

namespace quornel {

std::string single_line(std::string_view value) {
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

std::string line_numbers_text(const std::vector<int>& numbers) {
    constexpr std::size_t kShown = 5;
    std::string out;
    for (std::size_t i = 0; i < numbers.size() && i < kShown; ++i) {
        if (i) out += ", ";
        out += std::to_string(numbers[i]) + "行目";
    }
    if (numbers.size() > kShown) out += " ほか";
    return out;
}

std::string unread_lines_text(int expected, std::size_t present, const std::vector<int>& unusable,
                              std::string_view unusable_rule) {
    std::string details;
    if (present < static_cast<std::size_t>(expected)) {
        details =
            std::to_string(expected) + "行のうち" + std::to_string(present) + "行しかありません";
    }
    if (!unusable.empty()) {
        if (!details.empty()) details += "。また、";
        details += line_numbers_text(unusable) + std::string(unusable_rule);
    }
    return details;
}

Status save_data_file(FileSystem& fs, const std::filesystem::path& file, std::string_view text) {
    if (fs.exists(file)) {
        const Result<std::string> stored = fs.read_all(file);
        if (stored && *stored == text) return Status::success();
    }
    return fs.replace(file, text);
}

}  // namespace quornel
