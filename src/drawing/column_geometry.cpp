#include "drawing/column_geometry.h"

namespace quornel {

bool shape_has_wall(int hasira_sd, Side side) {
    const int row = hasira_sd / 3;
    const int column = hasira_sd % 3;
    switch (side) {
        case Up:
            return row > 0;
        case DOWN:
            return row < 2;
        case Right:
            return column < 2;
        case Left:
            return column > 0;
    }
    return false;
}

namespace {

// Shapes at which column-centre mode places a side's wall by face A and its thickness S2, and
// by face B and S2: the column stands at the grid's edge, where a wall is set out from its
// outer face rather than centred.
struct FlushShapes {
    int a[2];
    int b[2];
};
constexpr FlushShapes kFlush[4] = {
    {{3, 6}, {5, 8}},  // Up
    {{0, 3}, {2, 5}},  // DOWN
    {{0, 1}, {6, 7}},  // Right
    {{1, 2}, {7, 8}},  // Left
};

bool is_one_of(int shape, const int (&shapes)[2]) {
    return shape == shapes[0] || shape == shapes[1];
}

// Structural faces of one side. In wall-centre mode (optSin_d != 0) both faces are measured
// from the reference line, and so they are in column-centre mode where the wall is not at
// the grid's edge.
void structural_faces(WallFaces& w, Side side, int optSin_d, int shape) {
    const WallValues& S = w.S;
    const bool across_x = side == Up || side == DOWN;  // faces are x values
    // Face A is the left face of a wall above or below, the upper face of one to the side.
    w.KabeA = across_x ? -S[0] : S[0];
    w.KabeB = across_x ? S[1] : -S[1];
    if (optSin_d != 0) return;
    if (is_one_of(shape, kFlush[side].a)) {
        w.KabeB = across_x ? w.KabeA + S[2] : w.KabeA - S[2];
    } else if (is_one_of(shape, kFlush[side].b)) {
        w.KabeA = across_x ? w.KabeB - S[2] : w.KabeB + S[2];
    }
}

}  // namespace

ColumnGeometry column_geometry(const DrawingInput& in) {
    ColumnGeometry g;
    g.KouzouL = -in.XU0;
    g.KouzouR = in.XU1;
    g.KouzouB = -in.YU1;
    g.KouzouT = in.YU0;
    g.KutaiL = -in.XU0 - in.XM0;
    g.KutaiR = in.XU1 + in.XM1;
    g.KutaiB = -in.YU1 - in.YM1;
    g.KutaiT = in.YU0 + in.YM0;
    for (Side side : {Up, DOWN, Right, Left}) {
        WallFaces& w = g.walls[side];
        // A wall the shape does not have keeps its values in hidden boxes; they must not
        // reach the drawing.
        if (shape_has_wall(in.hasira_sd, side)) w.S = in.walls[side];
        structural_faces(w, side, in.optSin_d, in.hasira_sd);
        const bool across_x = side == Up || side == DOWN;
        w.KabeKutaiA = across_x ? w.KabeA - w.S[3] : w.KabeA + w.S[3];
        w.KabeKutaiB = across_x ? w.KabeB + w.S[4] : w.KabeB - w.S[4];
    }
    return g;
}

}  // namespace quornel
