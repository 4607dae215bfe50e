#pragma once
// 「交点ごと」: a whole floor in one run. Every crossing the user picked takes the walls that
// run to the crossings next to it on its grid lines, so that corners, T junctions and
// crossings each come out in their own shape. Which crossing neighbours which, what kind
// each one is, which values a wall is drawn with and what cannot be drawn are decided here
// once: the window (its caption, its boxes), the drawing and the drawing's own check ask.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "drawing/drawing_input.h"
#include "drawing/input_rules.h"
#include "exchange/header_points.h"

namespace quornel {

// Two crossings stand on one grid line when their other coordinate differs by no more than
// this, in drawing millimetres: room for the noise of points read from the drawing, not for
// grid lines drawn off true. Each crossing is still set out from its own position.
inline constexpr double kGridLineTolerance = 1;

// What a crossing's neighbours make of it.
enum class FloorKind {
    Alone,     // no other crossing on either of its grid lines
    End,       // one wall
    Straight,  // two walls in one line
    Corner,    // two walls at a right angle
    T,         // three walls
    Cross,     // four walls
};

struct FloorNode {
    double x = 0, y = 0;  // relative to the first crossing
    // The nearest crossing on each side (by side_index()), -1 where there is none.
    std::array<int, 4> neighbour{-1, -1, -1, -1};
    bool has(WallSide side) const { return neighbour[side_index(side)] >= 0; }
    FloorKind kind() const;
};

// The crossings of a floor: the first one (the origin, #0), then those Jw_cad handed over, in
// their order, each with its neighbours.
std::vector<FloorNode> floor_nodes(const std::vector<Crossing>& crossings);

// What the window calls a kind: 「角」, 「T」, 「十字」, 「直線」, 「端」, 「単独」.
const char* floor_kind_name(FloorKind kind);

// 「角 4・T 6・十字 2」: how many crossings make each kind, in the order corner, T, crossing,
// straight run, end, alone; kinds that none makes are left out.
std::string floor_kinds_text(const std::vector<Crossing>& crossings);

// The side whose values the drawing reads for a side. With 「壁をつなぐ」 a wall between two
// columns is one wall with one set of values: the wall below a column is drawn with the
// values of the wall above, the wall to the left with those of the wall to the right. Face A
// is then the same face at both ends (the left one, the upper one).
WallSide wall_values_side(WallSide side, int hasira_sd, bool KabeTunagu);

// The wall values a floor's copies are drawn with (wall_values_side applied).
std::array<WallValues, 4> floor_wall_values(const DrawingInput& in);

// Which directions a floor has walls in: its walls to the side (between neighbours on a
// row) have a thickness at either end, and the same for those above and below. One run has
// one set of values, so a direction has walls on every grid line or on none.
struct FloorWallDirections {
    bool to_the_side = false;
    bool above_and_below = false;
};
FloorWallDirections floor_wall_directions(const std::array<WallValues, 4>& values);

// What the drawing cannot make of a whole floor, in the order the user should hear it: too
// few crossings, a crossing picked twice, one standing alone, grid lines not straight,
// columns touching, walls crossing where no crossing was picked. Judged on values already
// judged (the column and the walls).
std::optional<InputRefusal> judge_floor(const DrawingInput& in);

}  // namespace quornel
