#include <initializer_list>

#include "ui/walls/wall_panel.h"

namespace quornel {
namespace {

bool one_of(int value, std::initializer_list<int> set) {
    for (int v : set)
        if (v == value) return true;
    return false;
}

}  // namespace

// A side has a wall unless the column stands at that edge of its wall grid
// (row = hasira_sd / 3, column = hasira_sd % 3).
bool wall_shown(WallSide side, int hasira_sd) {
    switch (side) {
        case WallSide::Left:
            return one_of(hasira_sd, {1, 2, 4, 5, 7, 8});
        case WallSide::Right:
            return one_of(hasira_sd, {0, 1, 3, 4, 6, 7});
        case WallSide::DOWN:
            return one_of(hasira_sd, {0, 1, 2, 3, 4, 5});
        case WallSide::Up:
            return one_of(hasira_sd, {3, 4, 5, 6, 7, 8});
    }
    return false;
}

// The column stands at the building edge on face A's side of the wall.
bool face_a_position(WallSide side, int hasira_sd) {
    switch (side) {
        case WallSide::Left:
            return one_of(hasira_sd, {1, 2});
        case WallSide::Right:
            return one_of(hasira_sd, {0, 1});
        case WallSide::DOWN:
            return one_of(hasira_sd, {0, 3});
        case WallSide::Up:
            return one_of(hasira_sd, {3, 6});
    }
    return false;
}

bool face_b_position(WallSide side, int hasira_sd) {
    switch (side) {
        case WallSide::Left:
            return one_of(hasira_sd, {7, 8});
        case WallSide::Right:
            return one_of(hasira_sd, {6, 7});
        case WallSide::DOWN:
            return one_of(hasira_sd, {2, 5});
        case WallSide::Up:
            return one_of(hasira_sd, {5, 8});
    }
    return false;
}

bool middle_position(WallSide side, int hasira_sd) {
    switch (side) {
        case WallSide::Left:
            return one_of(hasira_sd, {4, 5});
        case WallSide::Right:
            return one_of(hasira_sd, {3, 4});
        case WallSide::DOWN:
            return one_of(hasira_sd, {1, 4});
        case WallSide::Up:
            return one_of(hasira_sd, {4, 7});
    }
    return false;
}

}  // namespace quornel
