#include "ui/box_tips.h"

namespace quornel {
namespace {

std::string quoted(const std::string& text) {
    return "「" + text + "」";
}

// The column part box whose value 「面」 copies into a wall's part on `face`: the column's
// depth parts for a wall to the side of it, its width parts for one above or below it.
std::string column_face_label(WallSide side, int face) {
    return column_part_label(faces_at_x(side) ? ColumnAxis::X : ColumnAxis::Y, face);
}

}  // namespace

std::string column_total_tip(ColumnAxis axis) {
    const std::string name = column_total_label(axis);
    const bool x = axis == ColumnAxis::X;
    return quoted(name) + "\n柱の" + (x ? "幅" : "せい") +
           "です（柱増打を除く）。\n値を変えると、" + (x ? "左側と右側" : "上側と下側") +
           "は 0 に戻ります。「割」で半分ずつに分けます。";
}

std::string column_part_tip(ColumnAxis axis, int part) {
    const int other = part == 0 ? 1 : 0;
    const std::string total = column_total_label(axis);
    return quoted(column_part_label(axis, part)) + "\n芯から柱の" + side_name(axis, part) +
           "の面までです。\n入れると、" + quoted(column_part_label(axis, other)) + "が" + total +
           " に合わせて変わります。" + quoted(total) + "が 0 のあいだは入れられません。";
}

std::string column_split_tip(ColumnAxis axis) {
    return "「割」\n" + quoted(column_total_label(axis)) + "を半分ずつ、" +
           quoted(column_part_label(axis, 0)) + "と" + quoted(column_part_label(axis, 1)) +
           "に入れます。";
}

std::string column_masi_tip() {
    return quoted(std::string(kColumnMasiLabel)) + "\n柱の四方の面の外に足す厚さです。";
}

std::string wall_masi_tip() {
    return quoted(std::string(kWallMasiLabel)) +
           "\n壁の両側の面の外に足す厚さです。\n入れると、上下左右の壁の増打の欄がこの値になります"
           "。";
}

std::string symbol_tip() {
    return quoted(std::string(kSymbolLabel)) + "\n柱のそばに書く記号です（C1 など）。";
}

std::string wall_box_tip(const WallTipLayout& layout, int index) {
    const WallSide side = layout.side;
    std::string tip = quoted(wall_box_label(side, index));
    if (index == 0 || index == 1) {
        tip +=
            layout.column_centre ? "\n柱芯（柱の中心線）から壁の" : "\n壁芯（壁の中心線）から壁の";
        tip += wall_face_name(side, index) + "の面までです。";
        if (layout.flush_face == index) {
            tip += "\n「面」を押すと" + quoted(column_face_label(side, index)) +
                   "と同じ値になり、壁の面が柱の面にそろいます。";
        } else if (!layout.flush_face) {
            tip += "\n入れると、" + quoted(wall_value_name(side, index == 0 ? 1 : 0)) +
                   "が壁厚に合わせて変わります。壁厚が 0 のあいだは入れられません。";
        }
    } else if (index == kWallThickness) {
        tip += "\n壁の" + wall_face_name(side, 0) + "の面から" + wall_face_name(side, 1) +
               "の面までの厚さです（増打を除く）。";
        if (!layout.flush_face) {
            tip += "\n値を変えると、" + quoted(wall_value_name(side, 0)) + "と" +
                   quoted(wall_value_name(side, 1)) +
                   "は 0 に戻ります。「割」で半分ずつに分けます。";
        }
    } else {
        tip += "\n壁の" + wall_face_name(side, index - 3) + "の面の外に足す厚さです。\n" +
               quoted(std::string(kWallMasiLabel)) + "を入れると、この値になります。";
    }
    return tip;
}

std::string wall_button_tip(const WallTipLayout& layout) {
    const WallSide side = layout.side;
    if (const auto face = layout.flush_face) {
        return "「面」\n" + quoted(column_face_label(side, *face)) + "と同じ値を" +
               quoted(wall_box_label(side, *face)) + "に入れて、壁の" +
               wall_face_name(side, *face) + "の面を柱の面にそろえます。";
    }
    return "「割」\n" + quoted(wall_box_label(side, kWallThickness)) + "を半分ずつ、" +
           quoted(wall_value_name(side, 0)) + "と" + quoted(wall_value_name(side, 1)) +
           "に入れます。";
}

std::string whole_floor_tip() {
    return quoted(kWholeFloorLabel) +
           "\n指示した交点ごとに、同じ通り芯の上で隣にある交点の向きにだけ壁を付け、角・T・十字"
           "などの形を決めて描きます。\n交点を 2 か所以上指示したとき（quornel_multi.bat）に使え"
           "ます。";
}

std::string kabe_tunagu_tip() {
    return quoted(kKabeTunaguLabel) +
           "\n隣り合う交点の間の壁を、柱から柱まで 1 本の壁として描きます。\nチェックしているあい"
           "だ、" +
           quoted(wall_name(WallSide::DOWN)) + "は" + quoted(wall_name(WallSide::Up)) + "の、" +
           quoted(wall_name(WallSide::Left)) + "は" + quoted(wall_name(WallSide::Right)) +
           "の値で描きます（その欄は灰色になります）。チェックを外すと、柱から隣の柱へ 800 mm "
           "ずつ（間が短いときは真ん中まで）描きます。";
}

std::string sunpo_hitotu_tip() {
    return quoted(kSunpoHitotuLabel) +
           "\n寸法を、最初に指示した交点の柱にだけ描き、ほかの交点の柱には描きません。";
}

std::string gaisyu_kabe_tip() {
    // With the walls joined, face A is the upper face of every wall to the side and the left
    // face of every wall above or below: outside on one edge of the floor, inside on the other.
    const std::string side_masi = quoted(wall_value_name(WallSide::Right, 3));
    const std::string upright_masi = quoted(wall_value_name(WallSide::Up, 3));
    return quoted(kGaisyuKabeLabel) +
           "\n建物の外周の壁を、外側の面が柱の外面（構造体の面）にそろうように描きます（柱芯の"
           "ときだけ）。\n増打は入れた面に付きます。左右の壁の" +
           side_masi + "は建物の上側の外周では外側、下側では内側に、上下の壁の" + upright_masi +
           "は左側では外側、右側では内側になります。";
}

}  // namespace quornel
