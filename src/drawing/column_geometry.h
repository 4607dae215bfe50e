#pragma once
// The column and its walls in drawing units around the crossing of the reference lines:
// the structural section (構造柱), the column body (躯体柱) and the faces of each wall.
#include <array>

#include "drawing/drawing_input.h"
#include "drawing/input_rules.h"

namespace quornel {

// Wall lines run this far beyond the body outline (drawing units, not scaled).
inline constexpr double kWallStub = 800;

// Where a wall's lines end away from the column, along the wall (y for Up and DOWN, x for
// Right and Left): its body faces (the wall lines) at `body`, its structural faces and its fill
// at `structural`. A stub ends kWallStub beyond the body outline; on a whole floor a wall may
// end at the next column or at the middle of the gap, a point in the data's own coordinates
// (`absolute`), so that both columns write it as the same number.
struct WallEnd {
    double body = 0;
    double structural = 0;
    bool absolute = false;
};

struct WallFaces {
    WallValues S{};    // the values the drawing reads (wall_use); the others are 0
    double KabeA = 0;  // structural faces: x for Up and DOWN, y for Right and Left
    double KabeB = 0;
    double KabeKutaiA = 0;  // body faces: the structural ones moved out by the extra thickness
    double KabeKutaiB = 0;
    WallEnd end;
    // False where the column at the other end draws this wall's lines, structural faces and
    // fill: the column keeps the wall in its outlines and its dimensions only.
    bool drawn_here = true;
    bool exists() const { return S[kWallThickness] != 0; }  // a wall is there when it is thick
};

struct ColumnGeometry {
    double KouzouL = 0, KouzouR = 0, KouzouB = 0, KouzouT = 0;
    double KutaiL = 0, KutaiR = 0, KutaiB = 0, KutaiT = 0;
    std::array<WallFaces, 4> walls{};  // by side_index()
    const WallFaces& wall(WallSide side) const { return walls[side_index(side)]; }
};

ColumnGeometry column_geometry(const DrawingInput& input);

// The body faces of a wall from its structural faces and its extra thicknesses.
void set_body_faces(WallFaces& w, WallSide side);

// The end of a stub on `side`: kWallStub beyond the body outline.
double stub_end(WallSide side, const ColumnGeometry& g);

}  // namespace quornel
