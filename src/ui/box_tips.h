#pragma once
// The tips of the 「作図」 page: what the window shows while the mouse rests on an input box, on
// a 「割」/「面」 button, or on 「交点ごと」 and its check boxes. A box's tip starts with its name
// exactly as 「作図」's messages give it (the labels of drawing/input_rules.h), so that a user who
// is told to correct a box can find it; the lines after it say what the box holds or what the
// button does, in the window's words.
#include <optional>
#include <string>

#include "drawing/input_rules.h"

namespace quornel {

std::string column_total_tip(ColumnAxis axis);           // cboHsnXG, cboHsnYG
std::string column_part_tip(ColumnAxis axis, int part);  // cboHsnXU_0 ...
std::string column_split_tip(ColumnAxis axis);           // cmdWriHX, cmdWriHY
std::string column_masi_tip();                           // cboM_h
std::string wall_masi_tip();                             // cboM_k
std::string symbol_tip();                                // cboHasiraKigou

// How a wall side is laid out, as its layout decided it: whether the reference line is the
// column's (「柱芯」) or the wall's own (「壁芯」), and the face (0 face A, 1 face B) that the
// side's button makes flush with the column's face when the button is 「面」.
struct WallTipLayout {
    WallSide side = WallSide::Up;
    bool column_centre = true;
    std::optional<int> flush_face;
};

std::string wall_box_tip(const WallTipLayout& layout, int index);  // cboKabeSunUp(0) ...
std::string wall_button_tip(const WallTipLayout& layout);          // cmdWriKU ...

// 「交点ごと」 and its check boxes, named as the window shows them (the check boxes' captions).
inline constexpr const char* kWholeFloorLabel = "交点ごと";
inline constexpr const char* kKabeTunaguLabel = "壁をつなぐ";
inline constexpr const char* kSunpoHitotuLabel = "寸法は最初の交点だけ";
inline constexpr const char* kGaisyuKabeLabel = "外周の壁を柱の外面に合わせる";
// Too long for one line beside the shape buttons: the check box breaks it where its words part.
inline constexpr const char* kGaisyuKabeCaption = "外周の壁を\n柱の外面に合わせる";
std::string whole_floor_tip();   // img_hasira_s(9)
std::string kabe_tunagu_tip();   // chkKabeTunagu
std::string sunpo_hitotu_tip();  // chkSunpoHitotu
std::string gaisyu_kabe_tip();   // chkGaisyuKabe

}  // namespace quornel
