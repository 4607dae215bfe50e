#pragma once
// The tips of the 「作図」 page: what the window shows while the mouse rests on an input box or
// on a 「割」/「面」 button. A box's tip starts with its name exactly as 「作図」's messages give
// it (the labels of drawing/input_rules.h), so that a user who is told to correct a box can find
// it; the lines after it say what the box holds or what the button does, in the window's words.
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

}  // namespace quornel
