#include "drawing/floor_outline.h"

namespace quornel {
namespace {

// The four directions in the order of a right turn.
constexpr WallSide kClockwise[] = {WallSide::Up, WallSide::Right, WallSide::DOWN, WallSide::Left};

int clockwise_index(WallSide side) {
    for (int i = 0; i < 4; ++i)
        if (kClockwise[i] == side) return i;
    return 0;
}

WallSide turned(WallSide side, int quarter_turns_right) {
    return kClockwise[(clockwise_index(side) + quarter_turns_right + 4) % 4];
}

class Walls {
  public:
    Walls(const std::vector<FloorNode>& nodes, bool to_the_side, bool above_and_below)
        : nodes_(nodes), to_the_side_(to_the_side), above_and_below_(above_and_below) {}

    // The crossing a wall leads to from `node` towards `side`, or -1 without a wall there.
    int along(int node, WallSide side) const {
        if (!(faces_at_x(side) ? above_and_below_ : to_the_side_)) return -1;
        return nodes_[static_cast<std::size_t>(node)].neighbour[side_index(side)];
    }

  private:
    const std::vector<FloorNode>& nodes_;
    bool to_the_side_, above_and_below_;
};

}  // namespace

FloorOutline floor_outline(const std::vector<FloorNode>& nodes, bool walls_to_the_side,
                           bool walls_above_and_below) {
    const int n = static_cast<int>(nodes.size());
    const Walls walls(nodes, walls_to_the_side, walls_above_and_below);
    // walked[i][side]: the wall from crossing i towards side was walked in that direction.
    std::vector<std::array<bool, 4>> walked(nodes.size(), {false, false, false, false});
    std::vector<int> network(nodes.size(), -1);

    for (int seed = 0; seed < n; ++seed) {
        if (network[seed] >= 0) continue;
        // The network of walls the crossing belongs to, and its lowest crossing.
        std::vector<int> members{seed};
        network[seed] = seed;
        for (std::size_t k = 0; k < members.size(); ++k) {
            for (WallSide side : kWallSides) {
                const int next = walls.along(members[k], side);
                if (next >= 0 && network[next] < 0) {
                    network[next] = seed;
                    members.push_back(next);
                }
            }
        }
        if (members.size() < 2) continue;
        int start = seed;
        for (int m : members) {
            const FloorNode &a = nodes[m], &b = nodes[start];
            if (a.y < b.y || (a.y == b.y && a.x < b.x)) start = m;
        }
        // Along its grid line to the left as far as the walls go, then right, or else up: the
        // outside lies below, on the right hand.
        for (int left = walls.along(start, WallSide::Left); left >= 0;
             left = walls.along(start, WallSide::Left))
            start = left;
        WallSide first = walls.along(start, WallSide::Right) >= 0 ? WallSide::Right : WallSide::Up;
        // (A grid line more than 1 mm off true may leave the start with a wall below only.)
        for (WallSide side : kClockwise)
            if (walls.along(start, first) < 0) first = side;
        int at = start;
        WallSide heading = first;
        // Every wall is walked at most once each way before the walk closes.
        for (int step = 0; step < 8 * n; ++step) {
            walked[at][side_index(heading)] = true;
            at = walls.along(at, heading);
            WallSide next = heading;
            for (int turn : {1, 0, -1, 2}) {
                next = turned(heading, turn);
                if (walls.along(at, next) >= 0) break;
            }
            heading = next;
            if (at == start && heading == first) break;
        }
    }

    FloorOutline outline(nodes.size());
    for (int i = 0; i < n; ++i) {
        for (WallSide side : kWallSides) {
            const int j = walls.along(i, side);
            if (j < 0) continue;
            const WallSide back = turned(side, 2);
            const bool out = walked[i][side_index(side)], in = walked[j][side_index(back)];
            if (out == in) continue;  // both ways: free-standing; neither: inner
            // Walked from i towards `side` (or back towards i), the outside on the right hand.
            outline[i][side_index(side)] = out ? turned(side, 1) : turned(back, 1);
        }
    }
    return outline;
}

}  // namespace quornel
