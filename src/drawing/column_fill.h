#pragma once
// 塗り: the structural sections of the column and of its walls filled as plan drawings show
// reinforced concrete, solid or hatched. The fills come before every other line of the
// column, so that in Jw_cad's order of data the column's lines lie on top of them.
#include <cstddef>
#include <vector>

#include "drawing/column_geometry.h"
#include "drawing/drawing_input.h"
#include "exchange/command_stream.h"

namespace quornel {

// A rectangle to fill, by its sides: x0 < x1 and y0 < y1.
struct FillRect {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct HatchLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // from the lower end to the upper end
};

struct FillPiece {
    FillKind kind = FillKind::None;
    FillRect rect;
    std::size_t hatch_begin = 0, hatch_end = 0;  // its lines in FillPlan::hatch
};

// What one copy of the column fills: the column's structural rectangle, then the structural
// part of each wall that it draws (Up, DOWN, Right, Left) from the column's structural face
// to the end of the wall. Rectangles without area, and those whose kind is None, are left
// out. Computed once and written at every crossing; on a whole floor, computed for each copy
// in the data's own coordinates, so that one lattice of hatch lines runs across them all.
struct FillPlan {
    std::vector<FillPiece> pieces;
    std::vector<HatchLine> hatch;
};

// The distance between two hatch lines along x, in drawing units: the pitch on paper times
// the scale, square to lines at 45°, is √2 times that along x.
double hatch_step(const DrawingInput& input);

// How many hatch lines one copy needs: for each hatched rectangle, the lines y = x + k·step
// that meet it. A double, since a small scale can ask for more than any integer holds.
// (dx, dy) moves the copy's rectangles into the coordinates the lattice is laid in.
double hatch_lines_needed(const DrawingInput& input, const ColumnGeometry& g, double dx = 0,
                          double dy = 0);

// The plan of a drawing whose hatch has been judged (hatch_lines_needed within
// kMaxHatchLines), its rectangles moved by (dx, dy).
FillPlan plan_fills(const DrawingInput& input, const ColumnGeometry& g, double dx = 0,
                    double dy = 0);

// The fill pen, then each piece: a solid ("sl " and its four corners counter-clockwise from
// the lower left) or its hatch lines, each after "z1". Nothing when the plan is empty.
void write_fills(CommandStream& out, const DrawingInput& input, const FillPlan& plan);

}  // namespace quornel
