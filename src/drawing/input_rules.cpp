#include "drawing/input_rules.h"

#include <cmath>

#include "exchange/number_text.h"
#include "platform/text_codec.h"

namespace quornel {

namespace {

// The grid rows and columns at whose edge a side has no wall, and the positions at which the
// column stands at the building's edge on the side of face A or face B. The rest of the
// shown positions are the middle ones.
struct SideSets {
    int none[3];
    int face_a[2];
    int face_b[2];
};

constexpr SideSets kSets[4] = {
    {{0, 1, 2}, {3, 6}, {5, 8}},  // Up: the top row has no wall above
    {{6, 7, 8}, {0, 3}, {2, 5}},  // DOWN: the bottom row none below
    {{2, 5, 8}, {0, 1}, {6, 7}},  // Right: the right column none to the right
    {{0, 3, 6}, {1, 2}, {7, 8}},  // Left: the left column none to the left
};

template <std::size_t N>
bool one_of(int value, const int (&set)[N]) {
    for (int v : set)
        if (v == value) return true;
    return false;
}

}  // namespace

WallPosition wall_position(WallSide side, int hasira_sd) {
    hasira_sd = box_shape(hasira_sd);
    if (hasira_sd < 0 || hasira_sd > 8) return WallPosition::None;
    const SideSets& s = kSets[side_index(side)];
    if (one_of(hasira_sd, s.none)) return WallPosition::None;
    if (one_of(hasira_sd, s.face_a)) return WallPosition::FaceA;
    if (one_of(hasira_sd, s.face_b)) return WallPosition::FaceB;
    return WallPosition::Middle;
}

WallUse wall_use(WallSide side, int hasira_sd, int optSin_d, double thickness) {
    WallUse use;
    const WallPosition position = wall_position(side, hasira_sd);
    if (position == WallPosition::None) return use;
    use.reads[2] = use.reads[3] = use.reads[4] = true;
    if (optSin_d == 0 && position == WallPosition::FaceA) {
        use.reads[0] = true;  // face B follows from face A and the thickness
    } else if (optSin_d == 0 && position == WallPosition::FaceB) {
        use.reads[1] = true;
    } else if (thickness != 0) {  // without one, the window disables both part boxes
        use.reads[0] = use.reads[1] = true;
        use.parts_make_thickness = true;
    }
    return use;
}

bool parts_make_total(double a, double b, double total) {
    return format_number(a + b) == format_number(total);
}

std::array<double, 2> split_in_half(double total) {
    const double first = parse_number(format_number(total / 2)).value_or(0.0);
    return {first, total - first};
}

std::string wall_name(WallSide side) {
    static const char* const kNames[] = {"上の壁", "下の壁", "右の壁", "左の壁"};
    return kNames[side_index(side)];
}

std::string side_name(ColumnAxis axis, int part) {
    if (axis == ColumnAxis::X) return part == 0 ? "左" : "右";
    return part == 0 ? "上" : "下";
}

std::string wall_face_name(WallSide side, int face) {
    return side_name(faces_at_x(side) ? ColumnAxis::X : ColumnAxis::Y, face);
}

std::string wall_value_name(WallSide side, int index) {
    switch (index) {
        case 0:
        case 1:
            return "芯から" + wall_face_name(side, index) + "の面まで";
        case kWallThickness:
            return "壁厚";
        case 3:
        case 4:
            return wall_face_name(side, index - 3) + "の増打";
        default:
            return {};
    }
}

std::string wall_box_label(WallSide side, int index) {
    if (index < 0 || index > 4) return wall_name(side);
    return wall_name(side) + "の" + wall_value_name(side, index);
}

std::string column_total_label(ColumnAxis axis) {
    return axis == ColumnAxis::X ? "柱幅 X" : "柱せい Y";
}

std::string column_part_label(ColumnAxis axis, int part) {
    return column_total_label(axis) + " の" + side_name(axis, part) + "側";
}

std::string settings_list_label(std::string_view row, std::string_view heading) {
    return std::string(row) + "の" + std::string(heading);
}

std::string quoted_start(std::string_view text) {
    return utf8_start(text, 20);
}

InputRefusal not_a_number(const std::string& label, std::string_view text, InputBox box) {
    return {"「" + label + "」の値「" + quoted_start(text) +
                "」は数値として読めません。\n"
                "数値に直してから、もう一度「作図」を押してください。",
            box};
}

std::optional<InputRefusal> judge_length(double value, bool may_be_negative,
                                         const std::string& label, InputBox box) {
    if (!std::isfinite(value)) {
        return InputRefusal{"「" + label +
                                "」の値が数ではありません。\n"
                                "数値に直してから、もう一度「作図」を押してください。",
                            box};
    }
    if (std::fabs(value) > kMaxDrawingLength) {
        return InputRefusal{"「" + label + "」の値（" + quoted_start(format_number(value)) +
                                "）が大きすぎます。\n"
                                "10 km（10000000）までの値に直してから、もう一度「作図」を"
                                "押してください。",
                            box};
    }
    if (value < 0 && !may_be_negative) {
        return InputRefusal{"「" + label + "」に負の値（" + format_number(value) +
                                "）は使えません。\n"
                                "0 以上の値に直してから、もう一度「作図」を押してください。",
                            box};
    }
    return std::nullopt;
}

std::optional<InputRefusal> judge_wall(WallSide side, const WallValues& values, int hasira_sd,
                                       int optSin_d) {
    const WallUse use = wall_use(side, hasira_sd, optSin_d, values[kWallThickness]);
    // The thickness first: whether the parts are read at all depends on it.
    for (int i : {2, 0, 1, 3, 4}) {
        if (!use.reads[i]) continue;
        const InputBox box{.kind = InputBox::Kind::Wall, .side = side, .index = i};
        if (auto r = judge_length(values[i], wall_value_may_be_negative(i), wall_box_label(side, i),
                                  box))
            return r;
    }
    if (use.parts_make_thickness && !parts_make_total(values[0], values[1], values[2])) {
        const std::string a = wall_value_name(side, 0);
        const std::string b = wall_value_name(side, 1);
        return InputRefusal{
            "「" + wall_name(side) + "」の" + a + "（" + format_number(values[0]) + "）と" + b +
                "（" + format_number(values[1]) + "）を足すと " +
                format_number(values[0] + values[1]) + " になり、壁厚（" +
                format_number(values[2]) +
                "）と合いません。\n"
                "「割」を押すか、芯から面までの寸法をどちらか入れ直してから、もう一度「作図」を"
                "押してください。",
            InputBox{.kind = InputBox::Kind::Wall, .side = side, .index = 0}};
    }
    return std::nullopt;
}

std::optional<InputRefusal> judge_column_size(ColumnAxis axis, double size) {
    if (size != 0) return std::nullopt;
    return InputRefusal{column_total_label(axis) +
                            " が 0 です。\n"
                            "柱の大きさを入れてから、もう一度「作図」を押してください。",
                        InputBox{.kind = InputBox::Kind::ColumnTotal, .axis = axis}};
}

std::optional<InputRefusal> judge_column_axis(ColumnAxis axis, double total, double part0,
                                              double part1) {
    const InputBox total_box{.kind = InputBox::Kind::ColumnTotal, .axis = axis};
    if (auto r = judge_length(total, false, column_total_label(axis), total_box)) return r;
    if (auto r = judge_column_size(axis, total)) return r;
    // A total whose parts do not add up to it (right after a new total cleared them) would
    // draw a column of the wrong size.
    if (!parts_make_total(part0, part1, total)) {
        const std::string parts = axis == ColumnAxis::X ? "左右" : "上下";
        const std::string name = column_total_label(axis);
        return InputRefusal{name + " の" + parts + "の寸法（" + format_number(part0) + " と " +
                                format_number(part1) + "）の合計が " + name + "（" +
                                format_number(total) + "）と合いません。\n「割」を押すか" + parts +
                                "の寸法を入れてから、もう一度「作図」を押してください。",
                            total_box};
    }
    return std::nullopt;
}

}  // namespace quornel
