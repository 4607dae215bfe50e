#include "drawing/floor_rules.h"

#include <cmath>

#include "drawing/column_geometry.h"
#include "exchange/number_text.h"

namespace quornel {
namespace {

WallSide opposite(WallSide side) {
    switch (side) {
        case WallSide::Up:
            return WallSide::DOWN;
        case WallSide::DOWN:
            return WallSide::Up;
        case WallSide::Right:
            return WallSide::Left;
        case WallSide::Left:
            return WallSide::Right;
    }
    return side;
}

// 「右」, 「上」: the direction of a side as seen from the crossing.
std::string direction_name(WallSide side) {
    static const char* const kNames[] = {"上", "下", "右", "左"};
    return kNames[side_index(side)];
}

bool near(double a, double b) {
    return std::fabs(a - b) <= kGridLineTolerance;
}

// The place a crossing has in the caption's count: the first point picked is the first
// place; then each crossing Jw_cad handed over that was not a repeat, by its line.
std::string place_name(const DrawingInput& in, int node) {
    const std::string place = std::to_string(node + 1) + " か所目";
    if (node == 0) return place + "（最初に指示した点）";
    const Crossing& c = in.crossings[static_cast<std::size_t>(node - 1)];
    return place + "（TEMP.TXT の " + std::to_string(c.line) + " 行目「" + c.text + "」）";
}

InputRefusal about_points(std::string message) {
    return InputRefusal{std::move(message), InputBox{}};
}

}  // namespace

FloorKind FloorNode::kind() const {
    const bool up = has(WallSide::Up), down = has(WallSide::DOWN);
    const bool right = has(WallSide::Right), left = has(WallSide::Left);
    const int walls = int{up} + int{down} + int{right} + int{left};
    switch (walls) {
        case 0:
            return FloorKind::Alone;
        case 1:
            return FloorKind::End;
        case 2:
            return (up && down) || (right && left) ? FloorKind::Straight : FloorKind::Corner;
        case 3:
            return FloorKind::T;
        default:
            return FloorKind::Cross;
    }
}

std::vector<FloorNode> floor_nodes(const std::vector<Crossing>& crossings) {
    std::vector<FloorNode> nodes(crossings.size() + 1);
    for (std::size_t i = 0; i < crossings.size(); ++i) {
        nodes[i + 1].x = crossings[i].x;
        nodes[i + 1].y = crossings[i].y;
    }
    const std::size_t n = nodes.size();
    std::vector<std::array<double, 4>> distance(n, {0, 0, 0, 0});
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            if (i == j) continue;
            const double dx = nodes[j].x - nodes[i].x;
            const double dy = nodes[j].y - nodes[i].y;
            const bool same_row = std::fabs(dy) <= kGridLineTolerance;
            const bool same_column = std::fabs(dx) <= kGridLineTolerance;
            // Near on both axes is the same place picked twice: no neighbour of anything.
            if (same_row == same_column) continue;
            const WallSide side = same_row ? (dx > 0 ? WallSide::Right : WallSide::Left)
                                           : (dy > 0 ? WallSide::Up : WallSide::DOWN);
            const double d = std::fabs(same_row ? dx : dy);
            int& neighbour = nodes[i].neighbour[side_index(side)];
            double& nearest = distance[i][side_index(side)];
            if (neighbour < 0 || d < nearest) {
                neighbour = static_cast<int>(j);
                nearest = d;
            }
        }
    }
    return nodes;
}

const char* floor_kind_name(FloorKind kind) {
    switch (kind) {
        case FloorKind::Corner:
            return "角";
        case FloorKind::T:
            return "T";
        case FloorKind::Cross:
            return "十字";
        case FloorKind::Straight:
            return "直線";
        case FloorKind::End:
            return "端";
        case FloorKind::Alone:
            return "単独";
    }
    return "";
}

std::string floor_kinds_text(const std::vector<Crossing>& crossings) {
    static constexpr FloorKind kOrder[] = {FloorKind::Corner,   FloorKind::T,   FloorKind::Cross,
                                           FloorKind::Straight, FloorKind::End, FloorKind::Alone};
    const std::vector<FloorNode> nodes = floor_nodes(crossings);
    std::string text;
    for (FloorKind kind : kOrder) {
        int count = 0;
        for (const FloorNode& node : nodes) count += node.kind() == kind ? 1 : 0;
        if (count == 0) continue;
        if (!text.empty()) text += "・";
        text += std::string(floor_kind_name(kind)) + " " + std::to_string(count);
    }
    return text;
}

WallSide wall_values_side(WallSide side, int hasira_sd, bool KabeTunagu) {
    if (hasira_sd != kWholeFloor || !KabeTunagu) return side;
    if (side == WallSide::DOWN) return WallSide::Up;
    if (side == WallSide::Left) return WallSide::Right;
    return side;
}

std::array<WallValues, 4> floor_wall_values(const DrawingInput& in) {
    std::array<WallValues, 4> values{};
    for (WallSide side : kWallSides)
        values[side_index(side)] =
            in.walls[side_index(wall_values_side(side, in.hasira_sd, in.KabeTunagu))];
    return values;
}

FloorWallDirections floor_wall_directions(const std::array<WallValues, 4>& values) {
    auto thick = [&](WallSide a, WallSide b) {
        return values[side_index(a)][kWallThickness] != 0 ||
               values[side_index(b)][kWallThickness] != 0;
    };
    return {thick(WallSide::Right, WallSide::Left), thick(WallSide::Up, WallSide::DOWN)};
}

std::optional<InputRefusal> judge_floor(const DrawingInput& in) {
    if (in.hasira_sd != kWholeFloor) return std::nullopt;
    if (in.crossings.empty()) {
        return about_points(
            "「交点ごと」は交点が 2 か所以上のときに使えます。\n"
            "quornel_multi_repeat.bat で交点を 2 か所以上指示するか、quornel.bat で「柱・壁 "
            "配置」の"
            "形を選んで作図し直してください。");
    }
    const std::vector<FloorNode> nodes = floor_nodes(in.crossings);
    const int n = static_cast<int>(nodes.size());

    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (near(nodes[i].x, nodes[j].x) && near(nodes[i].y, nodes[j].y)) {
                return about_points(place_name(in, i) + "と" + place_name(in, j) +
                                    "は、x も y も 1 mm 以内にあり、同じ交点を 2 回指示したものと"
                                    "思われます。\n交点を 1 回ずつ指示し直してください。");
            }
        }
    }
    for (int i = 0; i < n; ++i) {
        if (nodes[i].kind() != FloorKind::Alone) continue;
        std::string message = place_name(in, i) +
                              "には、同じ通り芯の上（x か y の差が 1 mm 以内）にほかの交点が"
                              "ありません。\n交点は右クリックの読取点で指示してください。"
                              "「交点ごと」は、x 軸・y 軸に沿った通り芯の交点で使えます。";
        if (in.axis_angle != 0) {
            message += "この図面は Jw_cad の軸角が " + format_number(in.axis_angle) +
                       "° です。軸角に沿った通り芯では使えません。";
        }
        return about_points(message);
    }
    for (int i = 0; i < n; ++i) {
        for (WallSide side : kWallSides) {
            const int j = nodes[i].neighbour[side_index(side)];
            if (j < 0 || nodes[j].neighbour[side_index(opposite(side))] == i) continue;
            return about_points(place_name(in, i) + "の" + direction_name(side) + "の隣は" +
                                place_name(in, j) + "ですが、その" +
                                direction_name(opposite(side)) +
                                "の隣はほかの交点です。通り芯が 1 mm を超えて曲がっています。\n"
                                "交点を読取点で指示し直してください。");
        }
    }

    // Every column has the same body: between neighbours it must leave room for a wall.
    const ColumnGeometry g = column_geometry(in);
    for (int i = 0; i < n; ++i) {
        for (WallSide side : {WallSide::Right, WallSide::Up}) {
            const int j = nodes[i].neighbour[side_index(side)];
            if (j < 0) continue;
            const bool x = side == WallSide::Right;
            const double gap = x ? (nodes[j].x + g.KutaiL) - (nodes[i].x + g.KutaiR)
                                 : (nodes[j].y + g.KutaiB) - (nodes[i].y + g.KutaiT);
            if (gap > 0) continue;
            const ColumnAxis axis = x ? ColumnAxis::X : ColumnAxis::Y;
            return InputRefusal{place_name(in, i) + "と" + place_name(in, j) +
                                    "の柱（柱増打を含む）が、重なるか接しています。\n" +
                                    column_total_label(axis) +
                                    "か柱増打を小さくするか、交点を指示し直してから、もう一度「作図"
                                    "」を押してください。",
                                InputBox{.kind = InputBox::Kind::ColumnTotal, .axis = axis}};
        }
    }

    // A wall to the side and one above or below that cross between their columns would meet
    // where no column stands: the drawing would run both through each other.
    const FloorWallDirections walls = floor_wall_directions(floor_wall_values(in));
    if (!walls.to_the_side || !walls.above_and_below) return std::nullopt;
    for (int i = 0; i < n; ++i) {
        const int j = nodes[i].neighbour[side_index(WallSide::Right)];
        if (j < 0) continue;
        for (int k = 0; k < n; ++k) {
            const int l = nodes[k].neighbour[side_index(WallSide::Up)];
            if (l < 0) continue;
            const double x = nodes[k].x, y = nodes[i].y;
            const bool inside_row =
                x > nodes[i].x + kGridLineTolerance && x < nodes[j].x - kGridLineTolerance;
            const bool inside_column =
                y > nodes[k].y + kGridLineTolerance && y < nodes[l].y - kGridLineTolerance;
            if (!inside_row || !inside_column) continue;
            return about_points(place_name(in, i) + "と" + place_name(in, j) + "の間の壁と、" +
                                place_name(in, k) + "と" + place_name(in, l) +
                                "の間の壁が、交点を指示していない所で交わります。\n"
                                "交わる所の交点も指示するか、その部分を別々に作図してください。");
        }
    }
    return std::nullopt;
}

}  // namespace quornel
