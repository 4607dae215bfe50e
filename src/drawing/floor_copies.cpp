#include "drawing/floor_copies.h"

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

}  // namespace

std::vector<FloorCopy> floor_copies(const DrawingInput& in) {
    const std::vector<FloorNode> nodes = floor_nodes(in.crossings);
    DrawingInput drawn = in;
    drawn.walls = floor_wall_values(in);
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
            set_end(copy.g.walls[side_index(side)], side, gap, in.KabeTunagu);
        }
        copies.push_back(std::move(copy));
    }
    return copies;
}

}  // namespace quornel
