#pragma once
// The outline of a whole floor: which of its walls face the outside, and on which side. In
// 「柱芯」 with 「外周の壁を柱の外面に合わせる」 those walls are set out flush with the
// columns' outer structural faces, as outer walls of a frame are built; the inner walls stay
// on their grid lines.
#include <array>
#include <optional>
#include <vector>

#include "drawing/floor_rules.h"

namespace quornel {

// For each crossing and side: the direction in which the outside lies across the wall on that
// side (Up for a wall to the side with the outside above it, Left for a wall above or below
// with the outside on its left), or nullopt for an inner wall or no wall.
using FloorOutline = std::vector<std::array<std::optional<WallSide>, 4>>;

// The walls are those between neighbours, of the directions that have them (a floor whose
// walls to the side, or above and below, have no thickness has none of them). Each connected
// network of walls is walked round from its lowest crossing with the outside on the right
// hand, turning right where a wall goes that way, else straight on, else left, else back. A
// wall walked one way lies on the outline; one walked both ways stands free and one never
// walked (a courtyard's) is inner.
FloorOutline floor_outline(const std::vector<FloorNode>& nodes, bool walls_to_the_side,
                           bool walls_above_and_below);

}  // namespace quornel
