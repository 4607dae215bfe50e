// 「作図」: the controls' values into the drawing run, then the pick lists and the previous
// values, then the window closes. Every check comes before the first file is written, so a
// refused run changes nothing and can simply be tried again.
#include <algorithm>
#include <cctype>

#include "exchange/number_text.h"
#include "platform/text_codec.h"
#include "ui/frm_main.h"

namespace quornel {

namespace {

const char* side_name(WallSide side) {
    switch (side) {
        case WallSide::Up:
            return "上の壁";
        case WallSide::DOWN:
            return "下の壁";
        case WallSide::Right:
            return "右の壁";
        case WallSide::Left:
            return "左の壁";
    }
    return "";
}

// What the user calls a box: its caption in the window's terms.
std::string box_label(const ComboBox& box, std::optional<WallSide> side) {
    if (side) {
        const bool vertical = *side == WallSide::Up || *side == WallSide::DOWN;
        static const char* const across[] = {"芯から左の面まで", "芯から右の面まで", "壁厚",
                                             "左の増打", "右の増打"};
        static const char* const along[] = {"芯から上の面まで", "芯から下の面まで", "壁厚",
                                            "上の増打", "下の増打"};
        const int i = std::clamp(box.index, 0, 4);
        return std::string(side_name(*side)) + "の" + (vertical ? across[i] : along[i]);
    }
    if (box.name == "cboHsnXG") return "柱幅 X";
    if (box.name == "cboHsnXU_0") return "柱幅 X の左側";
    if (box.name == "cboHsnXU_1") return "柱幅 X の右側";
    if (box.name == "cboHsnYG") return "柱せい Y";
    if (box.name == "cboHsnYU_0") return "柱せい Y の上側";
    if (box.name == "cboHsnYU_1") return "柱せい Y の下側";
    if (box.name == "cboHsnXM" || box.name == "cboHsnYM" || box.name == "cboM_h") return "柱増打";
    if (box.name == "cboM_k") return "壁増打";
    return box.name;
}

bool blank(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return c == ' ' || c == '\t'; }) ||
           text == "\u3000";
}

// A typed text as a message quotes it: a pasted page of digits would make a message box
// taller than the screen, so a long text shows its start only.
std::string shortened(const std::string& text) {
    constexpr std::size_t kShown = 20;
    if (utf8_length(text) <= kShown) return text;
    std::size_t end = 0;
    for (std::size_t chars = 0; end < text.size() && chars < kShown; ++chars) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    }
    return text.substr(0, end) + "…";
}

// The number a box holds for the drawing: an empty box counts as 0, as everywhere in the
// window; a text that is not a number refuses the drawing.
Result<double> drawing_number(const ComboBox& box, std::optional<WallSide> side = std::nullopt) {
    if (box.text.empty() || blank(box.text)) return 0.0;
    if (const auto value = parse_number(box.text)) return *value;
    return Result<double>::failure("「" + box_label(box, side) + "」の値「" + shortened(box.text) +
                                   "」は数値として読めません。\n"
                                   "数値に直してから、もう一度「作図」を押してください。");
}

int position(const ComboBox& list) {
    return std::max(list.list_index, 0);
}

}  // namespace

Result<DrawingInput> FrmMain::read_drawing_input() const {
    DrawingInput in;
    const ColumnPanel& c = column;
    struct Item {
        const ComboBox& box;
        double& target;
    };
    double XG = 0, YG = 0;
    const Item column_items[] = {{c.cboHsnXG, XG},        {c.cboHsnXU_0, in.XU0},
                                 {c.cboHsnXU_1, in.XU1},  {c.cboHsnXM[0], in.XM0},
                                 {c.cboHsnXM[1], in.XM1}, {c.cboHsnYG, YG},
                                 {c.cboHsnYU_0, in.YU0},  {c.cboHsnYU_1, in.YU1},
                                 {c.cboHsnYM[0], in.YM0}, {c.cboHsnYM[1], in.YM1}};
    for (const Item& item : column_items) {
        Result<double> v = drawing_number(item.box);
        if (!v) return v.status();
        item.target = *v;
    }

    // A total whose parts do not add up to it (right after a new total cleared them) would
    // draw a column of the wrong size.
    struct Axis {
        const char* total;
        const char* parts;
        double t, a, b;
    };
    for (const Axis& axis : {Axis{"柱幅 X", "左右", XG, in.XU0, in.XU1},
                             Axis{"柱せい Y", "上下", YG, in.YU0, in.YU1}}) {
        if (axis.t != 0 && format_number(axis.a + axis.b) != format_number(axis.t)) {
            return Status::failure(std::string(axis.total) + " の" + axis.parts + "の寸法（" +
                                   format_number(axis.a) + " と " + format_number(axis.b) +
                                   "）の合計が " + axis.total + "（" + format_number(axis.t) +
                                   "）と合いません。\n「割」を押すか" + axis.parts +
                                   "の寸法を入れてから、もう一度「作図」を押してください。");
        }
    }

    // Only the walls the chosen shape has are drawn; a side without a wall is all zeros.
    for (WallSide side : {WallSide::Up, WallSide::DOWN, WallSide::Right, WallSide::Left}) {
        const int s = static_cast<int>(side);
        if (!wall_shown(side, state.hasira_sd)) continue;
        for (int i = 0; i < 5; ++i) {
            Result<double> v = drawing_number(walls[s].cbo[i], side);
            if (!v) return v.status();
            in.walls[s][i] = *v;
        }
    }

    in.optSin_d = state.optSin_d;
    in.hasira_sd = state.hasira_sd;
    in.SunpoIti_d = SunpoIti_d;
    in.HasiraIti_d = HasiraIti_d;

    in.symbol = cboHasiraKigou.text;
    const bool control_character =
        std::any_of(in.symbol.begin(), in.symbol.end(),
                    [](unsigned char ch) { return ch < 0x20 || ch == 0x7f; });
    const auto ansi = utf8_to_ansi(in.symbol);
    if (control_character || !ansi) {
        // Written as "?" the symbol would be wrong in the drawing; a line break would end
        // the text line and start a command of its own.
        return Status::failure("「柱記号」の「" + shortened(in.symbol) +
                               "」には、図面に書けない文字が含まれています。\n"
                               "文字を直してから、もう一度「作図」を押してください。");
    }
    in.symbol_ansi = *ansi;

    in.body = {position(cbo_h_ly), position(cbo_h_nPenColor), position(cbo_h_nPenStyle)};
    in.cross = {position(cbo_x_ly), position(cbo_x_nPenColor), position(cbo_x_nPenStyle)};
    in.structural = {position(cbo_kh_ly), position(cbo_kh_nPenColor), position(cbo_kh_nPenStyle)};
    in.wall = {position(cbo_k_ly), position(cbo_k_nPenColor), position(cbo_k_nPenStyle)};
    in.symbol_layer = position(cbo_hm_ly);
    in.symbol_text_type = position(cbo_hm_cn);
    in.dimension_layer = position(cbo_sun_ly);
    in.header = header;
    in.jw = sunpo;
    return in;
}

void FrmMain::cmdSakuzu_Click() {
    const Result<DrawingInput> input = read_drawing_input();
    if (!input) {
        show_warning(input.message());
        return;
    }
    if (const Status s = write_drawing(env_.fs, env_.program_dir, header_buffer, *input); !s) {
        show_warning("作図できませんでした。\n" + s.message());
        return;
    }
    if (const Status s = ListDataSave(); !s) {
        show_warning(
            s.message() +
            "\n図形は JWC_TEMP.TXT に書き出しましたが、入力候補の一覧を保存できませんでした。");
        return;
    }
    if (const Status s = ResDataSave(); !s) {
        show_warning(s.message() +
                     "\n図形は JWC_TEMP.TXT に書き出しましたが、前回値を保存できませんでした。");
        return;
    }
    closed = true;
}

}  // namespace quornel
