#include "drawing/floor_copies.h"

#include "drawing/floor_outline.h"
#include "drawing/floor_rules.h"

namespace quornel {
namespace {

bool lower_side(WallSide side) {
    return side == WallSide::Left || side == WallSide::DOWN;
}

// Along a wall between two columns: where the column at the low end (left or below) has its
// body face and its structural face towards the other, and the other its faces back, in the
// data's own coordinates.
struct Gap {
    double low_body, low_structural;    // the low column's faces, e.g. x + KutaiR
    double high_body, high_structural;  // the high column's, e.g. x + KutaiL
};

Gap gap_between(const FloorNode& low, const FloorNode& high, bool along_x,
                const ColumnGeometry& g) {
    if (along_x)
        return {low.x + g.KutaiR, low.x + g.KouzouR, high.x + g.KutaiL, high.x + g.KouzouL};
    return {low.y + g.KutaiT, low.y + g.KouzouT, high.y + g.KutaiB, high.y + g.KouzouB};
}

void set_end(WallFaces& w, WallSide side, const Gap& gap, bool joined) {
    if (joined) {
        // The copy at the low end draws the wall through to the other column's faces; the
        // other keeps it in its outlines only.
        if (lower_side(side)) {
            w.drawn_here = false;
            return;
        }
        w.end = WallEnd{gap.high_body, gap.high_structural, true};
        return;
    }
    // Stubs: as long as ever, but never past the middle of the gap, where both then end on the
    // same number.
    if (gap.high_body - gap.low_body > 2 * kWallStub) return;
    const double middle = (gap.low_body + gap.high_body) / 2;
    w.end = WallEnd{middle, middle, true};
}

// An outline wall set out with its outside structural face on the column's structural face
// on that side, its inside face at its thickness from it.
void set_flush(WallFaces& w, WallSide side, WallSide outside, const ColumnGeometry& g) {
    const double t = w.S[kWallThickness];
    switch (outside) {
        case WallSide::Up:  // a wall to the side: face A is its upper face
            w.KabeA = g.KouzouT;
            w.KabeB = w.KabeA - t;
            break;
        case WallSide::DOWN:
            w.KabeB = g.KouzouB;
            w.KabeA = w.KabeB + t;
            break;
        case WallSide::Left:  // a wall above or below: face A is its left face
            w.KabeA = g.KouzouL;
            w.KabeB = w.KabeA + t;
            break;
        case WallSide::Right:
            w.KabeB = g.KouzouR;
            w.KabeA = w.KabeB - t;
            break;
    }
    set_body_faces(w, side);
}

}  // namespace

std::vector<FloorCopy> floor_copies(const DrawingInput& in) {
    const std::vector<FloorNode> nodes = floor_nodes(in.crossings);
    // The geometry of a copy reads the column and its walls; the copies made of these inputs
    // below need not carry the crossings along.
    DrawingInput drawn = in;
    drawn.crossings.clear();
    drawn.walls = floor_wall_values(in);
    // In 「壁芯」 the reference lines run through the walls' centres: nothing to set flush.
    FloorOutline outline;
    if (in.GaisyuKabe && in.optSin_d == 0) {
        const FloorWallDirections walls = floor_wall_directions(drawn.walls);
        outline = floor_outline(nodes, walls.to_the_side, walls.above_and_below);
    }
    std::vector<FloorCopy> copies;
    copies.reserve(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const FloorNode& node = nodes[i];
        // A side without a neighbour has no wall at all, like a side a shape hides.
        DrawingInput own = drawn;
        for (WallSide side : kWallSides)
            if (!node.has(side)) own.walls[side_index(side)] = WallValues{};
        FloorCopy copy{node.x, node.y, column_geometry(own), !in.SunpoHitotu || i == 0};
        for (WallSide side : kWallSides) {
            if (!node.has(side)) continue;
            const FloorNode& other =
                nodes[static_cast<std::size_t>(node.neighbour[side_index(side)])];
            // This copy stands at the high end of a wall towards the left or below.
            const bool high = lower_side(side);
            const Gap gap =
                gap_between(high ? other : node, high ? node : other, !faces_at_x(side), copy.g);
            WallFaces& w = copy.g.walls[side_index(side)];
            if (!outline.empty() && w.exists())
                if (const auto outside = outline[i][side_index(side)])
                    set_flush(w, side, *outside, copy.g);
            set_end(w, side, gap, in.KabeTunagu);
        }
        copies.push_back(std::move(copy));
    }
    return copies;
}

}  // namespace quornel
