#pragma once
// A whole floor as the drawing writes it: one copy of the column at every crossing, each with
// exactly the walls that run to its neighbours, ending where they meet the next column.
#include <vector>

#include "drawing/column_geometry.h"
#include "drawing/drawing_input.h"

namespace quornel {

struct FloorCopy {
    double x = 0, y = 0;  // the crossing, relative to the first one
    ColumnGeometry g;     // around the crossing, its walls' ends set
    bool dimensions = true;
};

// The copies of a floor whose inputs have been judged (judge_floor), the first crossing first.
std::vector<FloorCopy> floor_copies(const DrawingInput& in);

}  // namespace quornel
