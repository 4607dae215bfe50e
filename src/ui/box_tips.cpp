#include "ui/box_tips.h"

#include <iterator>
#include <vector>

#include "drawing/column_geometry.h"
#include "drawing/floor_rules.h"
#include "exchange/fill_styles.h"
#include "exchange/number_text.h"
#include "settings/res_data.h"
#include "settings/types_data.h"

namespace quornel {
namespace {

std::string bracketed(std::string_view text) {
    return "「" + std::string(text) + "」";
}

// 「右の壁と下の壁」, 「左の壁・右の壁・下の壁」
std::string listed(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += names.size() == 2 ? "と" : "・";
        text += names[i];
    }
    return text;
}

// The items of 「柱の塗り」 and 「壁の塗り」: 「なし・ソリッド・斜線」.
std::string fill_kind_items() {
    std::string text;
    for (const FillKindChoice& choice : kFillKinds) {
        if (!text.empty()) text += "・";
        text += choice.item;
    }
    return text;
}

// A corner of the column, as 「左上」: its side across X, then across Y.
std::string corner_name(bool left, bool above) {
    return side_name(ColumnAxis::X, left ? 0 : 1) + side_name(ColumnAxis::Y, above ? 0 : 1);
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
    return bracketed(name) + "\n柱の" + (x ? "幅" : "せい") +
           "です（柱増打を除く）。\n別の数に変えると、" + bracketed(column_part_label(axis, 0)) +
           "と" + bracketed(column_part_label(axis, 1)) +
           "は 0 に戻ります。「割」で半分ずつに分けます。";
}

std::string column_part_tip(ColumnAxis axis, int part) {
    const int other = part == 0 ? 1 : 0;
    const std::string total = column_total_label(axis);
    return bracketed(column_part_label(axis, part)) + "\n芯から柱の" + side_name(axis, part) +
           "の面までです。\n入れると、" + bracketed(column_part_label(axis, other)) + "が" +
           bracketed(total) + "に合わせて変わります。" + bracketed(total) +
           "が 0 のあいだは入れられません。";
}

std::string column_split_tip(ColumnAxis axis) {
    return "「割」\n" + bracketed(column_total_label(axis)) + "を半分ずつ、" +
           bracketed(column_part_label(axis, 0)) + "と" + bracketed(column_part_label(axis, 1)) +
           "に入れます。";
}

std::string column_masi_tip() {
    return bracketed(kColumnMasiLabel) + "\n柱の四方の面の外に足す厚さです。";
}

std::string wall_masi_tip() {
    return bracketed(kWallMasiLabel) +
           "\n壁の両側の面の外に足す厚さです。\n別の数に変えると、上下左右の壁の増打の欄がこの値に"
           "なります。";
}

std::string symbol_tip() {
    // The symbol stands inside the column's structural outline (drawing/symbol_text.cpp).
    return bracketed(kSymbolLabel) + "\n柱の中に書く記号です（C1 など）。\n「" + kSakuzuCaption +
           "」すると、柱の値がこの柱記号で記録され、" + bracketed(kKigouDataCaption) +
           "で戻せます。";
}

std::string wall_box_tip(const WallTipLayout& layout, int index) {
    const WallSide side = layout.side;
    std::string tip = bracketed(wall_box_label(side, index));
    if (index == 0 || index == 1) {
        tip += layout.column_centre
                   ? std::string("\n") + kColumnCentreLabel + "（柱の中心線）から壁の"
                   : std::string("\n") + kWallCentreLabel + "（壁の中心線）から壁の";
        tip += wall_face_name(side, index) + "の面までです。";
        if (layout.flush_face == index) {
            tip += "\n「面」を押すと" + bracketed(column_face_label(side, index)) +
                   "と同じ値になり、壁の面が柱の面にそろいます。";
        } else if (!layout.flush_face) {
            tip += "\n入れると、" + bracketed(wall_value_name(side, index == 0 ? 1 : 0)) +
                   "が壁厚に合わせて変わります。壁厚が 0 のあいだは入れられません。";
        }
    } else if (index == kWallThickness) {
        tip += "\n壁の" + wall_face_name(side, 0) + "の面から" + wall_face_name(side, 1) +
               "の面までの厚さです（増打を除く）。";
        if (!layout.flush_face) {
            tip += "\n別の数に変えると、" + bracketed(wall_value_name(side, 0)) + "と" +
                   bracketed(wall_value_name(side, 1)) +
                   "は 0 に戻ります。「割」で半分ずつに分けます。";
        }
    } else {
        tip += "\n壁の" + wall_face_name(side, index - 3) + "の面の外に足す厚さです。\n" +
               bracketed(kWallMasiLabel) + "を別の数に変えると、この値になります。";
    }
    return tip;
}

std::string wall_button_tip(const WallTipLayout& layout) {
    const WallSide side = layout.side;
    if (const auto face = layout.flush_face) {
        return "「面」\n" + bracketed(column_face_label(side, *face)) + "と同じ値を" +
               bracketed(wall_box_label(side, *face)) + "に入れて、壁の" +
               wall_face_name(side, *face) + "の面を柱の面にそろえます。";
    }
    return "「割」\n" + bracketed(wall_box_label(side, kWallThickness)) + "を半分ずつ、" +
           bracketed(wall_value_name(side, 0)) + "と" + bracketed(wall_value_name(side, 1)) +
           "に入れます。";
}

std::string whole_floor_tip() {
    return bracketed(kWholeFloorLabel) +
           "\n指示した交点ごとに、同じ通り芯の上で隣にある交点の向きにだけ壁を付け、" +
           floor_kind_name(FloorKind::Corner) + "・" + floor_kind_name(FloorKind::T) + "・" +
           floor_kind_name(FloorKind::Cross) +
           "などの形を決めて描きます。\n交点を 2 か所以上指示したとき（quornel_multi.bat）に使え"
           "ます。";
}

std::string kabe_tunagu_tip() {
    return bracketed(kKabeTunaguLabel) +
           "\n隣り合う交点の間の壁を、柱から柱まで 1 本の壁として描きます。\nチェックしているあい"
           "だ、" +
           bracketed(wall_name(WallSide::DOWN)) + "は" + bracketed(wall_name(WallSide::Up)) +
           "の、" + bracketed(wall_name(WallSide::Left)) + "は" +
           bracketed(wall_name(WallSide::Right)) +
           "の値で描きます（その欄は灰色になります）。チェックを外すと、それぞれの柱から長さ " +
           format_number(kWallStub) + " mm の壁を描きます（柱の間が短いときは間の中央まで）。";
}

std::string sunpo_hitotu_tip() {
    return bracketed(kSunpoHitotuLabel) +
           "\n寸法を、最初に指示した交点の柱にだけ描き、ほかの交点の柱には描きません。";
}

std::string gaisyu_kabe_tip() {
    // With the walls joined, face A is the upper face of every wall to the side and the left
    // face of every wall above or below: outside on one edge of the floor, inside on the other.
    const std::string side_masi = bracketed(wall_value_name(WallSide::Right, 3));
    const std::string upright_masi = bracketed(wall_value_name(WallSide::Up, 3));
    return bracketed(kGaisyuKabeLabel) +
           "\n建物の外周の壁を、外側の面が柱の外面（構造体の面）にそろうように描きます（" +
           bracketed(kColumnCentreLabel) + "のときだけ）。\n増打は入れた面に付きます。左右の壁の" +
           side_masi + "は建物の上側の外周では外側、下側では内側に、上下の壁の" + upright_masi +
           "は左側では外側、右側では内側になります。";
}

std::string shape_tip(int hasira_sd) {
    // The kind is the one a crossing with these walls makes on a whole floor, and its name the
    // caption's (「角 4・T 2」).
    FloorNode node;
    std::vector<std::string> walls;
    for (WallSide side : {WallSide::Up, WallSide::DOWN, WallSide::Left, WallSide::Right}) {
        if (!wall_shown(side, hasira_sd)) continue;
        node.neighbour[side_index(side)] = 0;
        walls.push_back(wall_name(side));
    }
    // The place in the grid of the building's walls: 3 × row + column.
    const int row = hasira_sd / 3;
    const int column = hasira_sd % 3;
    const bool row_edge = row != 1;
    const bool column_edge = column != 1;
    std::string name = floor_kind_name(node.kind());
    std::string place = "内側";
    if (row_edge && column_edge) {
        const std::string corner = corner_name(column == 0, row == 0);
        name += "（" + corner + "）";
        place = corner + "の角";
    } else if (row_edge || column_edge) {
        const std::string edge = row_edge ? side_name(ColumnAxis::Y, row == 0 ? 0 : 1)
                                          : side_name(ColumnAxis::X, column == 0 ? 0 : 1);
        name += "（" + edge + "の辺）";
        place = edge + "の辺";
    }
    return bracketed(name) + "\n建物の" + place + "の柱として、" + listed(walls) + "を描きます。";
}

std::string reference_line_tip(int optSin_d) {
    if (optSin_d == 0) {
        return bracketed(kColumnCentreLabel) + "\n通り芯を柱の中心線とし、壁の面までの寸法を" +
               kColumnCentreLabel +
               "から測ります。\n建物の端の壁は、外側の面（「面」で柱の面にそろえます）と壁厚で"
               "置きます。";
    }
    return bracketed(kWallCentreLabel) + "\n通り芯を壁の中心線とし、どの壁も両側の面までの寸法を" +
           kWallCentreLabel + "から測ります。";
}

std::string dimension_place_tip(int SunpoIti_d) {
    // As the drawing places the chains (drawing/dimension_chains.h).
    const bool above = SunpoIti_d == 1 || SunpoIti_d == 2;
    const bool left = SunpoIti_d == 1 || SunpoIti_d == 3;
    return bracketed(std::string(kSunpoItiLabel) + "（" + corner_name(left, above) + "）") +
           "\n横の寸法を柱の" + side_name(ColumnAxis::Y, above ? 0 : 1) + "に、縦の寸法を柱の" +
           side_name(ColumnAxis::X, left ? 0 : 1) + "に描きます。";
}

std::string symbol_place_tip(int HasiraIti_d) {
    // As the drawing places the symbol (drawing/symbol_text.cpp): 2 in the middle, the others
    // in a corner inside the structural outline.
    if (HasiraIti_d == 2) {
        return bracketed(std::string(kHasiraMojiLabel) + "（中央）") + "\n" +
               std::string(kSymbolLabel) + "を柱の中央に書きます。";
    }
    const std::string corner = corner_name(HasiraIti_d == 0 || HasiraIti_d == 3, HasiraIti_d < 2);
    return bracketed(std::string(kHasiraMojiLabel) + "（" + corner + "）") + "\n" +
           std::string(kSymbolLabel) + "を柱の中の" + corner + "の隅に書きます。";
}

std::string res_data_tip() {
    return bracketed(kResDataCaption) + "\n前回「" + kSakuzuCaption + "」した値（" + kResDataFile +
           "）を、入力欄と" + kShapeGroupLabel + "などに戻します。";
}

std::string kigou_data_tip() {
    return bracketed(kKigouDataCaption) + "\n" + bracketed(kSymbolLabel) +
           "の欄の柱記号で最後に「" + kSakuzuCaption + "」した値（" + kTypesDataFile + "）を、" +
           bracketed(kResDataCaption) + "と同じように戻します。";
}

std::string sakuzu_tip() {
    return bracketed(kSakuzuCaption) +
           "\n柱・壁・寸法・柱記号を図面の指示した交点に書き込み、画面を閉じます。";
}

std::string reset_tip() {
    return bracketed(kResetCaption) + "\n入力欄と一覧、" + kShapeGroupLabel + "、" +
           kSunpoItiLabel + "、" + kHasiraMojiLabel + "を初めの状態に戻します（" +
           kColumnCentreLabel + "・" + kWallCentreLabel + "はそのままです）。";
}

std::string close_tip() {
    return bracketed(kCloseCaption) + "\n何も書き込まずに画面を閉じます（Esc キーでも同じです）。";
}

std::string settei_save_tip() {
    return bracketed(kSetteiSaveCaption) +
           "\nこのページで選んだものを保存し、次に開いたときにも使います。";
}

std::string settei_reset_tip() {
    return bracketed(kResetCaption) +
           "\nこのページの一覧を、どれも最初の項目に戻します（保存するには" +
           bracketed(kSetteiSaveCaption) + "を押します）。";
}

std::string settings_list_tip(std::string_view row, std::string_view heading) {
    // What the row's pen draws (drawing/column_lines.cpp): 躯体柱 and 構造柱 are the column's
    // two outlines, with and without 柱増打.
    std::string what = std::string(row);
    std::string verb = "を描く";
    if (row == kBodyRowLabel) {
        what += "（柱増打を含めた柱の外形）の線";
    } else if (row == kCrossRowLabel) {
        what += "（柱の構造体の対角線）";
    } else if (row == kWallRowLabel) {
        what += "の線（増打を含めた壁の面）";
    } else if (row == kStructuralRowLabel) {
        what += "（柱増打を除いた柱の構造体の外形と、壁の構造体の面）の線";
    } else if (row == kFillRowLabel) {
        what += std::string("（柱と壁の構造体の") + fill_kind_item(FillKind::Solid) + "と" +
                fill_kind_item(FillKind::Hatch) + "）";
    } else if (row == kSymbolLabel) {
        verb = "を書く";
    }
    std::string tip = bracketed(settings_list_label(row, heading)) + "\n" + what + verb +
                      std::string(heading) + "を選びます。";
    if (heading == kTextTypeHeading) tip += "\n文字の大きさは、Jw_cad のその文字種のとおりです。";
    if (row == kDimensionRowLabel) tip += "\n線色と文字は、Jw_cad の寸法設定のとおりです。";
    return tip;
}

std::string column_fill_tip() {
    return bracketed(kColumnFillLabel) + "\n柱の構造体（柱増打を除いた断面）の塗り方を選びます（" +
           fill_kind_items() + "）。";
}

std::string wall_fill_tip() {
    return bracketed(kWallFillLabel) +
           "\n作図する壁の構造体（柱の構造体の面から壁の端まで）の塗り方を選びます（" +
           fill_kind_items() + "）。";
}

std::string hatch_pitch_tip() {
    const std::string first = format_number(std::begin(kHatchPitches)->mm);
    const std::string last = format_number(std::prev(std::end(kHatchPitches))->mm);
    return bracketed(kHatchPitchLabel) + "\n" + bracketed(fill_kind_item(FillKind::Hatch)) +
           "で塗るときの線と線の間を、用紙の上の長さで選びます（" + first + "〜" + last + " mm）。";
}

}  // namespace quornel
