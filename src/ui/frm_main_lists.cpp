// The pick lists of the tab-0 boxes: loaded from quornel.dat (or quornel_d.dat after
// 「リセット」) and saved to quornel.dat by a completed drawing.
#include <algorithm>

#include "platform/text_codec.h"
#include "settings/list_data.h"
#include "ui/frm_main.h"
#include "ui/number_box.h"

namespace quornel {

std::vector<FrmMain::ListLine> FrmMain::list_lines() {
    WallPanel& up = wall(WallSide::Up);
    WallPanel& down = wall(WallSide::DOWN);
    WallPanel& right = wall(WallSide::Right);
    WallPanel& left = wall(WallSide::Left);
    ColumnPanel& c = column;
    std::vector<ListLine> lines = {
        {&cboM_h, {&cboM_h, &c.cboHsnXM[0], &c.cboHsnXM[1], &c.cboHsnYM[0], &c.cboHsnYM[1]}, "0"},
        {&cboM_k,
         {&cboM_k, &down.cbo[3], &down.cbo[4], &right.cbo[3], &right.cbo[4], &up.cbo[3], &up.cbo[4],
          &left.cbo[3], &left.cbo[4]},
         "0"},
        {&cboHasiraKigou, {&cboHasiraKigou}, "C1"},
        {&c.cboHsnXU_0, {&c.cboHsnXU_0}, "0"},
        {&c.cboHsnXU_1, {&c.cboHsnXU_1}, "0"},
        {&c.cboHsnXG, {&c.cboHsnXG}, "0"},
        {&c.cboHsnYU_0, {&c.cboHsnYU_0}, "0"},
        {&c.cboHsnYU_1, {&c.cboHsnYU_1}, "0"},
        {&c.cboHsnYG, {&c.cboHsnYG}, "0"},
    };
    for (WallPanel* side : {&down, &right, &up, &left}) {
        for (int i = 0; i < 3; ++i) lines.push_back({&side->cbo[i], {&side->cbo[i]}, "0"});
    }
    return lines;
}

void FrmMain::ListDataLoad(bool report_problem) {
    const char* file = UseDefaultLists ? kDefaultListDataFile : kListDataFile;
    const ListDataRead read = read_list_data(env_.fs, env_.program_dir / file);
    const auto lines = list_lines();
    for (int n = 0; n < kListDataLines; ++n) {
        const ListLine& line = lines[n];
        // A line that could not be read leaves its lists as they are.
        if (const auto& entries = read.lines[n]) {
            for (ComboBox* box : line.targets) {
                for (std::size_t i = 0; i < entries->size(); ++i) {
                    if (i < box->items.size()) {
                        box->items[i] = (*entries)[i];
                    } else {
                        box->items.push_back((*entries)[i]);
                    }
                }
            }
        }
        // The inputs are cleared in every case, so 「リセット」 always clears.
        set_box_text(*line.source, line.text);
    }
    WallPanel& up = wall(WallSide::Up);
    WallPanel& down = wall(WallSide::DOWN);
    WallPanel& right = wall(WallSide::Right);
    WallPanel& left = wall(WallSide::Left);
    for (ComboBox* box : {&down.cbo[3], &down.cbo[4], &right.cbo[3], &right.cbo[4], &up.cbo[3],
                          &up.cbo[4], &left.cbo[3], &left.cbo[4], &column.cboHsnXM[0],
                          &column.cboHsnXM[1], &column.cboHsnYM[0], &column.cboHsnYM[1]}) {
        set_box_text(*box, "0");
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
