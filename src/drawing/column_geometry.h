#pragma once
// The column and its walls in drawing units around the crossing of the reference lines:
// the structural section (構造柱), the column body (躯体柱) and the faces of each wall.
#include <array>

#include "drawing/drawing_run.h"

namespace quornel {

enum Side { Up = 0, DOWN = 1, Right = 2, Left = 3 };

// Whether the column shape (0..8, 3 x row + column of the column's place in its wall grid)
// has a wall on `side`: a column at the grid's top edge has no wall above it, and so on.
bool shape_has_wall(int hasira_sd, Side side);

struct WallFaces {
    WallValues S{};    // the side's five values; all 0 for a side the shape lacks
    double KabeA = 0;  // structural faces: x for Up and DOWN, y for Right and Left
    double KabeB = 0;
    double KabeKutaiA = 0;  // body faces: the structural ones moved out by the extra thickness
    double KabeKutaiB = 0;
    bool exists() const { return S[2] != 0; }  // a wall is there when it has a thickness
};

struct ColumnGeometry {
    double KouzouL = 0, KouzouR = 0, KouzouB = 0, KouzouT = 0;
    double KutaiL = 0, KutaiR = 0, KutaiB = 0, KutaiT = 0;
    std::array<WallFaces, 4> walls{};  // by Side
};

ColumnGeometry column_geometry(const DrawingInput& input);

}  // namespace quornel
