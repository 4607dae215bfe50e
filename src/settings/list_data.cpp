#include "settings/list_data.h"

#include "platform/text_codec.h"
#include "settings/data_file_lines.h"

namespace quornel {
namespace {

// An entry as one field: a comma would split it in two and shift every later entry of the
// line, so it is left out (a typed "1,200" is stored as 1200).
std::string field(std::string_view entry) {
    std::string out;
    for (char c : single_line(entry))
        if (c != ',') out += c;
    return out;
}

std::vector<std::string_view> split_fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

}  // namespace

const std::array<ListDataLine, kListDataLines>& list_data_layout() {
    static const std::array<ListDataLine, kListDataLines> layout = {{
        {"HasiraMasi_List",
         "cboM_h",
         5,
         {"cboHsnXM(0)", "cboHsnXM(1)", "cboHsnYM(0)", "cboHsnYM(1)"}},
        {"KabeMasi_List",
         "cboM_k",
         5,
         {"cboKabeSunDOWN(3)", "cboKabeSunDOWN(4)", "cboKabeSunRight(3)", "cboKabeSunRight(4)",
          "cboKabeSunUp(3)", "cboKabeSunUp(4)", "cboKabeSunLeft(3)", "cboKabeSunLeft(4)"}},
        {"HasiraKigou_List", "cboHasiraKigou", 10, {}},
        {"HasiraX0_List", "cboHsnXU_0", 5, {}},
        {"HasiraX1_List", "cboHsnXU_1", 5, {}},
        {"HasiraX2_List", "cboHsnXG", 5, {}},
        {"HasiraY0_List", "cboHsnYU_0", 5, {}},
        {"HasiraY1_List", "cboHsnYU_1", 5, {}},
        {"HasiraY2_List", "cboHsnYG", 5, {}},
        {"KabeDown0_List", "cboKabeSunDOWN(0)", 5, {}},
        {"KabeDown1_List", "cboKabeSunDOWN(1)", 5, {}},
        {"KabeDown2_List", "cboKabeSunDOWN(2)", 5, {}},
        {"KabeRight0_List", "cboKabeSunRight(0)", 5, {}},
        {"KabeRight1_List", "cboKabeSunRight(1)", 5, {}},
        {"KabeRight2_List", "cboKabeSunRight(2)", 5, {}},
        {"KabeUp0_List", "cboKabeSunUp(0)", 5, {}},
        {"KabeUp1_List", "cboKabeSunUp(1)", 5, {}},
        {"KabeUp2_List", "cboKabeSunUp(2)", 5, {}},
        {"KabeLeft0_List", "cboKabeSunLeft(0)", 5, {}},
        {"KabeLeft1_List", "cboKabeSunLeft(1)", 5, {}},
        {"KabeLeft2_List", "cboKabeSunLeft(2)", 5, {}},
    }};
    return layout;
}

Status write_list_data(FileSystem& fs, const std::filesystem::path& file,
                       const ListDataEntries& entries) {
    std::string text;
    for (int i = 0; i < kListDataLines; ++i) {
        const ListDataLine& layout = list_data_layout()[i];
        std::string line = std::string(layout.key) + ",";
        for (int e = 0; e < layout.entries; ++e) {
            if (e < static_cast<int>(entries[i].size())) line += field(entries[i][e]);
            line += ',';
        }
        auto ansi = utf8_to_ansi(line);
        if (!ansi) {
            return Status::failure(
                "リストの値に、ファイル「" + display_name(file) +
                "」に保存できない文字が含まれています。リストは保存しませんでした。");
        }
        text += *ansi + "\r\n";
    }
    return save_data_file(fs, file, text);
}

ListDataRead read_list_data(FileSystem& fs, const std::filesystem::path& file) {
    ListDataRead result;
    auto bytes = fs.read_all(file);
    if (!bytes) {
        result.problem = bytes.message();
        return result;
    }
    const auto lines = split_lines(*bytes);
    std::vector<int> too_few_entries;
    for (int i = 0; i < kListDataLines && i < static_cast<int>(lines.size()); ++i) {
        const auto fields = split_fields(lines[i]);
        const int count = list_data_layout()[i].entries;
        if (static_cast<int>(fields.size()) < count + 1) {
            too_few_entries.push_back(i + 1);
            continue;
        }
        std::vector<std::string> entries;
        for (int e = 1; e <= count; ++e) entries.push_back(ansi_to_utf8(fields[e]));
        result.lines[i] = std::move(entries);
    }
    const std::string details =
        unread_lines_text(kListDataLines, lines.size(), too_few_entries, "の項目が足りません");
    if (!details.empty()) {
        result.problem = "リストのファイル「" + display_name(file) +
                         "」の一部が読めませんでした（" + details + "）。";
    }
    return result;
}

}  // namespace quornel
