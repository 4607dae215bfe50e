#include "drawing/input_check.h"

#include <cmath>
#include <string>

#include "drawing/column_geometry.h"

namespace quornel {
// Messages name the value; the caller puts its own lead-in ("作図できませんでした。") first.
namespace {

// Paper millimetres (text sizes, Jw_cad's dimension offsets) and the scale.
constexpr double kMaxPaperLength = 1e4;
constexpr double kMaxScale = 1e6;

Status length(double v, const std::string& name) {
    if (!std::isfinite(v) || v > kMaxDrawingLength)
        return Status::failure("「" + name + "」の値が大きすぎるか、数ではありません。");
    if (v < 0) return Status::failure("「" + name + "」に負の値は使えません。");
    return Status::success();
}

Status paper(double v, const std::string& name, bool may_be_negative) {
    if (!std::isfinite(v) || std::fabs(v) > kMaxPaperLength || (!may_be_negative && v < 0))
        return Status::failure(name + "が正しくありません。");
    return Status::success();
}

Status position(int v, int count, const std::string& name) {
    if (v < 0 || v >= count) return Status::failure("「" + name + "」の選択が正しくありません。");
    return Status::success();
}

Status pen(const PenSpec& p, const std::string& row) {
    if (Status s = position(p.layer, 16, row + "のレイヤー"); !s) return s;
    if (Status s = position(p.colour, 6, row + "の線色"); !s) return s;
    return position(p.line_type, 9, row + "の線種");
}

Status colour_number(std::int32_t v, const std::string& name) {
    if (v < 0 || v > 0xFFFF)
        return Status::failure("Jw_cad の寸法設定 " + name + "（" + std::to_string(v) +
                               "）が正しくありません。");
    return Status::success();
}

const char* const kSideNames[] = {"上", "下", "右", "左"};

}  // namespace

Status check_drawing_input(const DrawingInput& in) {
    const struct {
        double v;
        const char* name;
    } column[] = {
        {in.XU0, "柱の左側の寸法"}, {in.XU1, "柱の右側の寸法"}, {in.YU0, "柱の上側の寸法"},
        {in.YU1, "柱の下側の寸法"}, {in.XM0, "柱増打（左）"},   {in.XM1, "柱増打（右）"},
        {in.YM0, "柱増打（上）"},   {in.YM1, "柱増打（下）"},
    };
    for (const auto& c : column)
        if (Status s = length(c.v, c.name); !s) return s;

    if (in.hasira_sd < 0 || in.hasira_sd > 8)
        return Status::failure("柱の位置（" + std::to_string(in.hasira_sd) +
                               "）が正しくありません。");
    for (Side side : {Up, DOWN, Right, Left}) {
        // Values of a wall the shape does not have are never drawn, so they are not judged.
        if (!shape_has_wall(in.hasira_sd, side)) continue;
        for (int i = 0; i < 5; ++i) {
            std::string name =
                std::string(kSideNames[side]) + "の壁の " + std::to_string(i + 1) + " 番目の値";
            if (Status s = length(in.walls[side][i], name); !s) return s;
        }
    }

    if (Status s = pen(in.body, "躯体柱"); !s) return s;
    if (Status s = pen(in.cross, "構造クロス"); !s) return s;
    if (Status s = pen(in.structural, "構造柱"); !s) return s;
    if (Status s = pen(in.wall, "壁"); !s) return s;
    if (Status s = position(in.symbol_layer, 16, "柱記号のレイヤー"); !s) return s;
    if (Status s = position(in.symbol_text_type, 10, "柱記号の文字種"); !s) return s;
    if (Status s = position(in.dimension_layer, 16, "寸法のレイヤー"); !s) return s;

    const HostHeader& h = in.header;
    if (!std::isfinite(h.Syukusyaku) || h.Syukusyaku <= 0 || h.Syukusyaku > kMaxScale)
        return Status::failure("TEMP.TXT の縮尺が正しくありません。");
    const struct {
        double v;
        const char* name;
    } sizes[] = {
        {h.SunpouMojiW, "TEMP.TXT の寸法文字の幅"},
        {h.SunpouMojiH, "TEMP.TXT の寸法文字の高さ"},
        {h.SunpouMojiD, "TEMP.TXT の寸法文字の間隔"},
        {h.KigouMojiW, "TEMP.TXT の柱記号の文字の幅"},
        {h.KigouMojiH, "TEMP.TXT の柱記号の文字の高さ"},
        {h.KigouMojiD, "TEMP.TXT の柱記号の文字の間隔"},
    };
    for (const auto& s : sizes)
        if (Status st = paper(s.v, s.name, false); !st) return st;

    const DimensionSettings& jw = in.jw;
    if (Status s = paper(jw.HANARE, "Jw_cad の寸法設定 HANARE", true); !s) return s;
    if (Status s = paper(jw.SUNPOSEN1, "Jw_cad の寸法設定 SUNPOSEN1", true); !s) return s;
    if (Status s = paper(jw.SUNPOSEN2, "Jw_cad の寸法設定 SUNPOSEN2", true); !s) return s;
    if (Status s = paper(jw.HIKIDASHI2, "Jw_cad の寸法設定 HIKIDASHI2", true); !s) return s;
    if (Status s = colour_number(jw.TENColor, "TENColor"); !s) return s;
    if (Status s = colour_number(jw.SENColor, "SENColor"); !s) return s;
    if (Status s = colour_number(jw.MOJINO, "MOJINO"); !s) return s;

    // The symbol is written at the end of a text line: a line break in it would start a
    // command of its own in Jw_cad.
    for (unsigned char c : in.symbol) {
        if (c < 0x20 || c == 0x7F)
            return Status::failure("柱記号に改行などの制御文字は使えません。");
    }
    for (unsigned char c : in.symbol_ansi) {
        if (c < 0x20 || c == 0x7F)
            return Status::failure("柱記号に改行などの制御文字は使えません。");
    }
    return Status::success();
}

}  // namespace quornel
