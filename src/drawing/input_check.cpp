#include "drawing/input_check.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "drawing/column_fill.h"
#include "drawing/column_geometry.h"
#include "drawing/floor_copies.h"
#include "drawing/floor_rules.h"
#include "exchange/number_text.h"

namespace quornel {
namespace {

std::optional<InputRefusal> other(std::string message) {
    return InputRefusal{std::move(message), InputBox{}};
}

// Jw_cad's paper lengths may be negative (dimension lines on the other side).
std::optional<InputRefusal> paper(double v, const std::string& name) {
    if (!std::isfinite(v) || std::fabs(v) > kMaxPaperLength)
        return other(name + "が正しくありません。");
    return std::nullopt;
}

std::optional<InputRefusal> bad_choice(const std::string& name) {
    return other("「" + name + "」の選択が正しくありません。");
}

std::optional<InputRefusal> position(int v, int count, const std::string& name) {
    if (v < 0 || v >= count) return bad_choice(name);
    return std::nullopt;
}

std::optional<InputRefusal> pen(const PenSpec& p, std::string_view row) {
    if (auto r = position(p.layer, 16, settings_list_label(row, kLayerHeading))) return r;
    if (auto r = position(p.colour, 6, settings_list_label(row, kColourHeading))) return r;
    return position(p.line_type, 9, settings_list_label(row, kLineTypeHeading));
}

std::optional<InputRefusal> colour_number(std::int32_t v, const std::string& name) {
    if (v < 0 || v > 0xFFFF)
        return other("Jw_cad の寸法設定 " + name + "（" + std::to_string(v) +
                     "）が正しくありません。");
    return std::nullopt;
}

// The symbol ends a text line: a line break in it would start a command of its own in
// Jw_cad.
bool has_control_character(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F) return true;
    return false;
}

std::optional<InputRefusal> column(const DrawingInput& in) {
    for (ColumnAxis axis : {ColumnAxis::X, ColumnAxis::Y}) {
        const bool x = axis == ColumnAxis::X;
        const double parts[] = {x ? in.XU0 : in.YU0, x ? in.XU1 : in.YU1};
        const double masi[] = {x ? in.XM0 : in.YM0, x ? in.XM1 : in.YM1};
        for (int i = 0; i < 2; ++i) {
            using enum InputBox::Kind;
            if (auto r = judge_length(parts[i], false, column_part_label(axis, i),
                                      {.kind = ColumnPart, .axis = axis, .index = i}))
                return r;
            if (auto r = judge_length(masi[i], false, std::string(kColumnMasiLabel),
                                      {.kind = ColumnMasi, .axis = axis, .index = i}))
                return r;
        }
        if (auto r = judge_column_size(axis, parts[0] + parts[1])) return r;
    }
    return std::nullopt;
}

std::optional<InputRefusal> header_and_settings(const DrawingInput& in) {
    // The window judges the header when it reads it; the drawing's own check applies the
    // same rule to whatever it is given.
    if (Status header = judge_host_header(in.header); !header) return other(header.message());

    const DimensionSettings& jw = in.jw;
    if (auto r = paper(jw.HANARE, "Jw_cad の寸法設定 HANARE")) return r;
    if (auto r = paper(jw.SUNPOSEN1, "Jw_cad の寸法設定 SUNPOSEN1")) return r;
    if (auto r = paper(jw.SUNPOSEN2, "Jw_cad の寸法設定 SUNPOSEN2")) return r;
    if (auto r = paper(jw.HIKIDASHI2, "Jw_cad の寸法設定 HIKIDASHI2")) return r;
    if (auto r = colour_number(jw.TENColor, "TENColor")) return r;
    if (auto r = colour_number(jw.SENColor, "SENColor")) return r;
    return colour_number(jw.MOJINO, "MOJINO");
}

bool known_kind(FillKind kind) {
    for (const FillKindChoice& choice : kFillKinds)
        if (choice.kind == kind) return true;
    return false;
}

std::optional<InputRefusal> fill_choices(const FillSpec& fill) {
    if (auto r = pen(fill.pen, kFillRowLabel)) return r;
    if (!known_kind(fill.column)) return bad_choice(kColumnFillLabel);
    if (!known_kind(fill.walls)) return bad_choice(kWallFillLabel);
    const double p = fill.pitch_mm;
    if (!std::isfinite(p) || p <= 0 || p > kMaxPaperLength) return bad_choice(kHatchPitchLabel);
    return std::nullopt;
}

// Every hatch line is a line of the drawing in Jw_cad, at every crossing. Far more than a
// plan needs (a 1:1 scale with long walls) would take Jw_cad minutes to read: the user
// widens the pitch or fills solid instead. Judged on values already judged.
std::optional<InputRefusal> hatch_size(const DrawingInput& in) {
    if (in.fill.column != FillKind::Hatch && in.fill.walls != FillKind::Hatch) return std::nullopt;
    double needed = 0;
    if (in.hasira_sd == kWholeFloor) {
        // Each copy on its own, with its own walls at their joined lengths.
        for (const FloorCopy& copy : floor_copies(in))
            needed = std::max(needed, hatch_lines_needed(in, copy.g, copy.x, copy.y));
    } else {
        needed = hatch_lines_needed(in, column_geometry(in));
    }
    if (needed <= kMaxHatchLines) return std::nullopt;
    const std::string pitch = kHatchPitchLabel;
    return InputRefusal{
        "斜線が 1 か所で " + format_grouped(kMaxHatchLines) +
            " 本を超えるため作図できません（縮尺 1/" + format_number(in.header.Syukusyaku) + "、" +
            pitch + " " + format_number(in.fill.pitch_mm) + " mm）。\n「基本設定」の「" + pitch +
            "」を広げるか、「" + kColumnFillLabel + "」「" + kWallFillLabel + "」を「" +
            fill_kind_item(FillKind::Solid) + "」にしてから、もう一度「作図」を押してください。",
        InputBox{.kind = InputBox::Kind::HatchPitch}};
}

}  // namespace

std::optional<InputRefusal> find_input_refusal(const DrawingInput& in) {
    if (auto r = column(in)) return r;
    if (in.hasira_sd < 0 || in.hasira_sd > kWholeFloor)
        return other("柱の位置（" + std::to_string(in.hasira_sd) + "）が正しくありません。");
    // A wall drawn with another side's values (「壁をつなぐ」) is judged as that side.
    for (WallSide side : kWallSides) {
        if (wall_values_side(side, in.hasira_sd, in.KabeTunagu) != side) continue;
        if (auto r = judge_wall(side, in.walls[side_index(side)], in.hasira_sd, in.optSin_d))
            return r;
    }

    if (auto r = pen(in.body, kBodyRowLabel)) return r;
    if (auto r = pen(in.cross, kCrossRowLabel)) return r;
    if (auto r = pen(in.structural, kStructuralRowLabel)) return r;
    if (auto r = pen(in.wall, kWallRowLabel)) return r;
    if (auto r = position(in.symbol_layer, 16, settings_list_label(kSymbolLabel, kLayerHeading)))
        return r;
    if (auto r =
            position(in.symbol_text_type, 10, settings_list_label(kSymbolLabel, kTextTypeHeading)))
        return r;
    if (auto r = position(in.dimension_layer, 16,
                          settings_list_label(kDimensionRowLabel, kLayerHeading)))
        return r;
    if (auto r = fill_choices(in.fill)) return r;
    if (auto r = header_and_settings(in)) return r;

    // The crossings are read as numbers; the drawing still never writes one it cannot place.
    for (const Crossing& at : in.crossings)
        if (!std::isfinite(at.x) || !std::isfinite(at.y))
            return other("TEMP.TXT の指示点の座標が正しくありません。");
    if (auto r = judge_floor(in)) return r;

    if (has_control_character(in.symbol) || has_control_character(in.symbol_ansi)) {
        return InputRefusal{"「" + std::string(kSymbolLabel) +
                                "」に改行などの制御文字は使えません。\n"
                                "文字を直してから、もう一度「作図」を押してください。",
                            InputBox{.kind = InputBox::Kind::Symbol}};
    }
    return hatch_size(in);
}

Status check_drawing_input(const DrawingInput& in) {
    if (auto r = find_input_refusal(in)) return Status::failure(r->message);
    return Status::success();
}

}  // namespace quornel
