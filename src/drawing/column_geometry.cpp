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

bool is_one_of(int shape, int a, int b) {
    return shape == a || shape == b;
}

// Structural faces of one side. In wall-centre mode (optSin_d != 0) both faces are measured
// from the reference line. In column-centre mode a wall at the grid's edge lies flush with the
// outer face: its other face follows from the thickness S2.
void structural_faces(WallFaces& w, Side side, int optSin_d, int shape) {
    const WallValues& S = w.S;
    const bool across_x = side == Up || side == DOWN;  // faces are x values
    // Defaults: face A on the negative side for Up/DOWN (left face), on the positive side
    // for Right/Left (upper face).
    w.KabeA = across_x ? -S[0] : S[0];
    w.KabeB = across_x ? S[1] : -S[1];
    if (optSin_d != 0) return;
    int a_shapes[2], b_shapes[2];
    switch (side) {
        case Up:
            a_shapes[0] = 3, a_shapes[1] = 6, b_shapes[0] = 5, b_shapes[1] = 8;
            break;
        case DOWN:
            a_shapes[0] = 0, a_shapes[1] = 3, b_shapes[0] = 2, b_shapes[1] = 5;
            break;
        case Right:
            a_shapes[0] = 0, a_shapes[1] = 1, b_shapes[0] = 6, b_shapes[1] = 7;
            break;
        case Left:
            a_shapes[0] = 1, a_shapes[1] = 2, b_shapes[0] = 7, b_shapes[1] = 8;
            break;
    }
    if (is_one_of(shape, a_shapes[0], a_shapes[1])) {
        w.KabeB = across_x ? w.KabeA + S[2] : w.KabeA - S[2];
    } else if (is_one_of(shape, b_shapes[0], b_shapes[1])) {
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
