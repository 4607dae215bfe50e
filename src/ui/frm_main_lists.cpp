// The pick lists of the tab-0 boxes: loaded from quornel.dat (or quornel_d.dat after
// 「リセット」) and saved to quornel.dat by a completed drawing.
#include <algorithm>

#include "platform/text_codec.h"
#include "settings/list_data.h"
#include "ui/frm_main.h"
#include "ui/number_box.h"

namespace quornel {

std::vector<FrmMain::ListLine> FrmMain::list_lines() {
    std::vector<ListLine> lines;
    for (const ListDataLine& layout : list_data_layout()) {
        ListLine line{box_named(layout.box), {}};
        if (line.source) line.targets.push_back(line.source);
        for (const char* name : layout.shared_by) {
            if (ComboBox* box = box_named(name)) line.targets.push_back(box);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void FrmMain::ListDataLoad(bool report_problem) {
    const char* file = UseDefaultLists ? kDefaultListDataFile : kListDataFile;
    const ListDataRead read = read_list_data(env_.fs, env_.program_dir / file);
    const auto lines = list_lines();
    for (int n = 0; n < kListDataLines; ++n) {
        for (ComboBox* box : lines[n].targets) {
            // A line that could not be read leaves its lists as they are.
            if (const auto& entries = read.lines[n]) {
                for (std::size_t i = 0; i < entries->size(); ++i) {
                    if (i < box->items.size()) {
                        box->items[i] = (*entries)[i];
                    } else {
                        box->items.push_back((*entries)[i]);
                    }
                }
            }
            // The inputs are cleared in every case, so 「リセット」 always clears; the symbol
            // box starts from the first symbol.
            set_box_text(*box, box == &cboHasiraKigou ? "C1" : "0");
        }
    }
    if (report_problem && !read.problem.empty()) {
        show_warning(read.problem + "\n読めなかった入力候補の一覧は、今のままにします。");
    }
}

Status FrmMain::ListDataSave() {
    ListDataEntries entries;
    const auto lines = list_lines();
    const auto& layout = list_data_layout();
    for (int n = 0; n < kListDataLines; ++n) {
        if (!lines[n].source) continue;
        const auto& items = lines[n].source->items;
        for (int i = 0; i < layout[n].entries && i < static_cast<int>(items.size()); ++i) {
            // An entry the file cannot hold (a character outside the ANSI code page, a
            // comma or a line break, kept from a refused symbol or a damaged file) is left
            // out rather than blocking every later save or breaking the file's lines.
            const bool writable =
                utf8_to_ansi(items[i]).has_value() &&
                std::none_of(items[i].begin(), items[i].end(),
                             [](unsigned char c) { return c == ',' || c < 0x20 || c == 0x7f; });
            entries[n].push_back(writable ? items[i] : std::string());
        }
    }
    return write_list_data(env_.fs, env_.program_dir / kListDataFile, entries);
}

}  // namespace quornel
