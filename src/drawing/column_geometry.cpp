#include "drawing/column_geometry.h"

namespace quornel {

namespace {

// Structural faces of one side. Both faces are measured from the reference line, except in
// column-centre mode where the column stands at the building's edge: the wall is then set out
// from its outer face and its thickness.
void structural_faces(WallFaces& w, WallSide side, int optSin_d, int shape) {
    const WallValues& S = w.S;
    const bool across_x = faces_at_x(side);
    // Face A is the left face of a wall above or below, the upper face of one to the side.
    w.KabeA = across_x ? -S[0] : S[0];
    w.KabeB = across_x ? S[1] : -S[1];
    if (optSin_d != 0) return;
    switch (wall_position(side, shape)) {
        case WallPosition::FaceA:
            w.KabeB = across_x ? w.KabeA + S[2] : w.KabeA - S[2];
            break;
        case WallPosition::FaceB:
            w.KabeA = across_x ? w.KabeB - S[2] : w.KabeB + S[2];
            break;
        default:
            break;
    }
}

}  // namespace

void set_body_faces(WallFaces& w, WallSide side) {
    const bool across_x = faces_at_x(side);
    w.KabeKutaiA = across_x ? w.KabeA - w.S[3] : w.KabeA + w.S[3];
    w.KabeKutaiB = across_x ? w.KabeB + w.S[4] : w.KabeB - w.S[4];
}

double stub_end(WallSide side, const ColumnGeometry& g) {
    switch (side) {
        case WallSide::Up:
            return g.KutaiT + kWallStub;
        case WallSide::DOWN:
            return g.KutaiB - kWallStub;
        case WallSide::Right:
            return g.KutaiR + kWallStub;
        case WallSide::Left:
            return g.KutaiL - kWallStub;
    }
    return 0;
}

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
    for (WallSide side : kWallSides) {
        WallFaces& w = g.walls[side_index(side)];
        // What the window hides or disables keeps its text in the box; it must not reach the
        // drawing.
        const WallValues& typed = in.walls[side_index(side)];
        const WallUse use = wall_use(side, in.hasira_sd, in.optSin_d, typed[kWallThickness]);
        for (int i = 0; i < 5; ++i) w.S[i] = use.reads[i] ? typed[i] : 0;
        structural_faces(w, side, in.optSin_d, in.hasira_sd);
        set_body_faces(w, side);
        w.end.body = w.end.structural = stub_end(side, g);
    }
    return g;
}

}  // namespace quornel
