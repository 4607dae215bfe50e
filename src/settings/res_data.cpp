#include "settings/res_data.h"

#include <vector>

#include "platform/text_codec.h"
#include "settings/data_file_lines.h"

namespace quornel {

Result<std::string> res_data_text(const ResDataValues& values, const std::filesystem::path& file,
                                  std::string_view not_saved) {
    std::string text;
    for (int i = 0; i < kResDataLines; ++i) {
        if (!values[i] && kResDataLayout[i].whole_floor) continue;
        std::string value = single_line(values[i].value_or(std::string()));
        auto ansi = utf8_to_ansi(value);
        if (!ansi) {
            return Result<std::string>::failure(
                "「" + value + "」には、ファイル「" + display_name(file) +
                "」に保存できない文字が含まれています。" + std::string(not_saved));
        }
        text += kResDataLayout[i].key;
        text += ',';
        text += *ansi;
        text += "\r\n";
    }
    return text;
}

Status write_res_data(FileSystem& fs, const std::filesystem::path& program_dir,
                      const ResDataValues& values) {
    const auto file = program_dir / kResDataFile;
    const Result<std::string> text = res_data_text(values, file, "前回値は保存しませんでした。");
    if (!text) return text.status();
    return save_data_file(fs, file, *text);
}

ResDataRead read_res_data(FileSystem& fs, const std::filesystem::path& program_dir) {
    const auto file = program_dir / kResDataFile;
    ResDataRead result;
    if (!fs.exists(file)) {
        result.missing = true;
        result.problem = "前回値のファイル「" + display_name(file) +
                         "」が見つかりません。前回値は、作図を完了したときに保存されます。";
        return result;
    }
    auto bytes = fs.read_all(file);
    if (!bytes) {
        result.problem = bytes.message();
        return result;
    }
    auto lines = split_lines(*bytes);
    std::vector<int> without_comma;
    for (int i = 0; i < kResDataLines && i < static_cast<int>(lines.size()); ++i) {
        std::string_view line = lines[i];
        // The file is read by position: the lines of 「交点ごと」 end at the first one that is
        // blank (an editor's line end after the last line) or cannot be read, so that a set
        // read here holds them from the first on, as the window stores them, and is written
        // back to the same lines.
        const bool whole_floor = kResDataLayout[i].whole_floor;
        if (whole_floor && line.find_first_not_of(" \t") == line.npos) break;
        auto comma = line.find(',');
        if (comma == std::string_view::npos) {
            without_comma.push_back(i + 1);
            if (whole_floor) break;
            continue;
        }
        // Everything after the first comma: a value typed with a comma comes back whole.
        result.values[i] = ansi_to_utf8(line.substr(comma + 1));
    }
    const std::string details =
        unread_lines_text(kResDataLinesAlways, lines.size(), without_comma, "に「,」がありません");
    if (!details.empty()) {
        result.problem = "前回値のファイル「" + display_name(file) +
                         "」の一部が読めませんでした（" + details +
                         "）。読めた値だけを戻しました。";
    }
    return result;
}

}  // namespace quornel
