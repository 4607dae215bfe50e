// 「作図」: the controls' values into the drawing run, then the pick lists and the previous
// values, then the window closes. Every check comes before the first file is written, so a
// refused run changes nothing and can simply be tried again. What may be typed where, and how
// each box is named, are the drawing's rules (drawing/input_rules.h): the window reads what the
// drawing reads and refuses only what the drawing would refuse.
#include <algorithm>

#include "drawing/drawing_run.h"
#include "drawing/floor_rules.h"
#include "drawing/input_check.h"
#include "exchange/number_text.h"
#include "platform/text_codec.h"
#include "ui/floor_checks.h"
#include "ui/frm_main.h"

namespace quornel {

namespace {

int position(const ComboBox& list) {
    return std::max(list.list_index, 0);
}

// The value behind a fill list's entry; the lists hold exactly the tables' items.
FillKind fill_kind_of(const ComboBox& list) {
    return kFillKinds[std::min(position(list), kFillKindEntries - 1)].kind;
}

double hatch_pitch_of(const ComboBox& list) {
    return kHatchPitches[std::min(position(list), kHatchPitchEntries - 1)].mm;
}

ControlRef ref_of(const Control& c) {
    return ControlRef{c.name, c.index};
}

// The problem, without the advice that follows it on the next line.
std::string problem_of(const std::string& message) {
    return message.substr(0, message.find('\n'));
}

// The number a box holds for the drawing: an empty box counts as 0, as everywhere in the
// window; a text that is not a number is refused.
std::optional<InputRefusal> drawing_number(const ComboBox& box, const std::string& label,
                                           InputBox where, double& value) {
    if (is_blank_text(box.text)) {
        value = 0;
        return std::nullopt;
    }
    if (const auto v = parse_number(box.text)) {
        value = *v;
        return std::nullopt;
    }
    return not_a_number(label, box.text, where);
}

}  // namespace

const ComboBox* FrmMain::box_of(const InputBox& where) const {
    const ColumnPanel& c = column;
    const bool x = where.axis == ColumnAxis::X;
    switch (where.kind) {
        case InputBox::Kind::ColumnTotal:
            return x ? &c.cboHsnXG : &c.cboHsnYG;
        case InputBox::Kind::ColumnPart:
            if (where.index == 0) return x ? &c.cboHsnXU_0 : &c.cboHsnYU_0;
            return x ? &c.cboHsnXU_1 : &c.cboHsnYU_1;
        case InputBox::Kind::ColumnMasi:
            return &(x ? c.cboHsnXM : c.cboHsnYM)[where.index == 0 ? 0 : 1];
        case InputBox::Kind::Wall:
            return &walls[side_index(where.side)].cbo[std::clamp(where.index, 0, 4)];
        case InputBox::Kind::Symbol:
            return &cboHasiraKigou;
        case InputBox::Kind::HatchPitch:
            return &cbo_nuri_pitch;
        case InputBox::Kind::None:
            break;
    }
    return nullptr;
}

// A refusal pointed at a box the user can change. A value in a box the window does not let
// the user change is named, and the user is sent to the box that sets it: the column's
// hidden extra thicknesses come from 「柱増打」, and the parts of an axis without a total are
// enabled by typing the total.
SakuzuInput FrmMain::refuse(const InputRefusal& refusal) const {
    SakuzuInput out;
    out.refusal = refusal.message;
    const ComboBox* box = box_of(refusal.box);
    if (!box) return out;
    if (can_change(*box)) {
        out.box = ref_of(*box);
        return out;
    }
    const ComboBox* governing = nullptr;
    std::string label;
    if (refusal.box.kind == InputBox::Kind::ColumnMasi) {
        governing = &cboM_h;
        label = std::string(kColumnMasiLabel);
    } else if (refusal.box.kind == InputBox::Kind::ColumnPart) {
        governing = box_of(InputBox{.kind = InputBox::Kind::ColumnTotal, .axis = refusal.box.axis});
        label = column_total_label(refusal.box.axis);
    }
    if (governing) {
        out.refusal = problem_of(refusal.message) + "\n「" + label +
                      "」を入れ直してから、もう一度「作図」を押してください。";
        out.box = ref_of(*governing);
    }
    return out;
}

SakuzuInput FrmMain::read_drawing_input() const {
    DrawingInput in;
    in.optSin_d = state.optSin_d;
    in.hasira_sd = state.hasira_sd;
    in.SunpoIti_d = SunpoIti_d;
    in.HasiraIti_d = HasiraIti_d;
    for (const FloorCheck& check : kFloorChecks) in.*check.value = (this->*check.box).value != 0;

    // The column: both axes with their totals, parts and extra thicknesses.
    for (ColumnAxis axis : {ColumnAxis::X, ColumnAxis::Y}) {
        const bool x = axis == ColumnAxis::X;
        double total = 0;
        const InputBox total_box{.kind = InputBox::Kind::ColumnTotal, .axis = axis};
        if (auto r = drawing_number(*box_of(total_box), column_total_label(axis), total_box, total))
            return refuse(*r);
        double* parts[] = {x ? &in.XU0 : &in.YU0, x ? &in.XU1 : &in.YU1};
        double* masi[] = {x ? &in.XM0 : &in.YM0, x ? &in.XM1 : &in.YM1};
        for (int i = 0; i < 2; ++i) {
            const InputBox part{.kind = InputBox::Kind::ColumnPart, .axis = axis, .index = i};
            if (auto r = drawing_number(*box_of(part), column_part_label(axis, i), part, *parts[i]))
                return refuse(*r);
            const InputBox hidden{.kind = InputBox::Kind::ColumnMasi, .axis = axis, .index = i};
            if (auto r = drawing_number(*box_of(hidden), std::string(kColumnMasiLabel), hidden,
                                        *masi[i]))
                return refuse(*r);
        }
        if (auto r = judge_column_axis(axis, total, *parts[0], *parts[1])) return refuse(*r);
    }

    // The walls: only the values the drawing reads at this shape, mode and thickness. The
    // rest stay 0 whatever their boxes hold: hidden or disabled, the user cannot change them.
    // A wall joined to another by 「壁をつなぐ」 is drawn with that one's values.
    for (WallSide side : kWallSides) {
        if (!wall_shown(side, state.hasira_sd)) continue;
        if (wall_values_side(side, in.hasira_sd, in.KabeTunagu) != side) continue;
        const WallPanel& panel = walls[side_index(side)];
        WallValues& values = in.walls[side_index(side)];
        auto read = [&](int i) {
            return drawing_number(panel.cbo[i], wall_box_label(side, i),
                                  InputBox{.kind = InputBox::Kind::Wall, .side = side, .index = i},
                                  values[i]);
        };
        if (auto r = read(kWallThickness)) return refuse(*r);
        const WallUse use = wall_use(side, in.hasira_sd, in.optSin_d, values[kWallThickness]);
        for (int i = 0; i < 5; ++i) {
            if (i == kWallThickness) continue;
            if (!use.reads[i]) continue;
            if (auto r = read(i)) return refuse(*r);
        }
    }

    // Written as "?" the symbol would be wrong in the drawing. (A line break, which would
    // start a command of its own, is the drawing's own check below.)
    in.symbol = cboHasiraKigou.text;
    const auto ansi = utf8_to_ansi(in.symbol);
    if (!ansi) {
        return refuse(InputRefusal{"「" + std::string(kSymbolLabel) + "」の「" +
                                       quoted_start(in.symbol) +
                                       "」には、図面に書けない文字が含まれています。\n"
                                       "文字を直してから、もう一度「作図」を押してください。",
                                   InputBox{.kind = InputBox::Kind::Symbol}});
    }
    in.symbol_ansi = *ansi;

    in.body = {position(cbo_h_ly), position(cbo_h_nPenColor), position(cbo_h_nPenStyle)};
    in.cross = {position(cbo_x_ly), position(cbo_x_nPenColor), position(cbo_x_nPenStyle)};
    in.structural = {position(cbo_kh_ly), position(cbo_kh_nPenColor), position(cbo_kh_nPenStyle)};
    in.wall = {position(cbo_k_ly), position(cbo_k_nPenColor), position(cbo_k_nPenStyle)};
    in.symbol_layer = position(cbo_hm_ly);
    in.symbol_text_type = position(cbo_hm_cn);
    in.dimension_layer = position(cbo_sun_ly);
    in.fill.pen = {position(cbo_nuri_ly), position(cbo_nuri_nPenColor),
                   position(cbo_nuri_nPenStyle)};
    in.fill.column = fill_kind_of(cbo_nuri_hasira);
    in.fill.walls = fill_kind_of(cbo_nuri_kabe);
    in.fill.pitch_mm = hatch_pitch_of(cbo_nuri_pitch);
    in.header = header;
    in.jw = sunpo;
    in.crossings = crossings;
    in.axis_angle = axis_angle;

    // What the drawing itself refuses (a value out of its range, wall parts that do not make
    // the thickness), named in the same words.
    if (auto r = find_input_refusal(in)) return refuse(*r);
    SakuzuInput out;
    out.input = std::move(in);
    return out;
}

void FrmMain::cmdSakuzu_Click() {
    const SakuzuInput read = read_drawing_input();
    if (!read.input) {
        show_warning(read.refusal);
        // The user goes on at the box the message names, on its page: 「斜線の間隔」 is on
        // 「基本設定」, every other box on the page of 「作図」 itself.
        if (!read.box.empty()) {
            const Control* box = find_control(read.box.name, read.box.index);
            const int page = box ? page_of(*box) : -1;
            if (page >= 0 && page != SSTab1.tab) {
                const int previous = SSTab1.tab;
                SSTab1.tab = page;
                SSTab1_Click(previous);
            }
            move_focus(read.box);
            refused_box_ = read.box;
            refused_text_ = focused_box() ? focused_box()->text : std::string();
        }
        return;
    }
    if (const Status s = write_drawing(env_.fs, env_.program_dir, *header_file_, *read.input); !s) {
        show_warning("作図できませんでした。\n" + s.message());
        return;
    }
    // From here the drawing belongs to Jw_cad, which reads JWC_TEMP.TXT as soon as quornel
    // ends: the window closes whatever else happens, so that 「キャンセル」 can never follow a
    // drawing that has already been handed over.
    //
    // Each file is saved on its own, first those every later run reads: a type that cannot
    // be stored (quornel_types.dat) costs neither the pick lists nor the previous values.
    const Status lists = ListDataSave();
    const Status previous = ResDataSave();
    const Status types = TypesDataSave();
    if (!lists || !previous || !types) {
        std::string text =
            "図形は JWC_TEMP.TXT に書き出しました。Jw_cad に読み込まれます。\n"
            "ただし、次のファイルを保存できませんでした。";
        if (!lists) text += "\n・入力候補の一覧: " + lists.message();
        if (!previous) text += "\n・前回値: " + previous.message();
        if (!types) text += "\n・柱記号ごとの記録: " + types.message();
        show_warning(text);
    }
    closed = true;
}

}  // namespace quornel
