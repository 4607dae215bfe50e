// 「交点ごと」: a whole floor in one run. Each crossing takes its walls from where the others
// lie; walls run on to the next column or stop at the middle of a short gap; one hatch lattice
// runs across the floor; what cannot be drawn is refused naming the crossings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <tuple>

#include "cases.h"
#include "drawing/drawing_run.h"
#include "drawing/floor_copies.h"
#include "drawing/floor_outline.h"
#include "drawing/floor_rules.h"
#include "exchange/number_text.h"

namespace quornel::test {
namespace {

// Crossings as Jw_cad hands them over, the first point being the origin.
std::vector<Crossing> crossings(const std::vector<std::pair<double, double>>& points) {
    std::vector<Crossing> out;
    int n = 0;
    for (auto [x, y] : points) {
        ++n;
        out.push_back({x, y, 8 + n,
                       "hp" + std::to_string(n) + " " + format_number(x) + " " + format_number(y)});
    }
    return out;
}

// Every wall with its own values, each pair of parts making its thickness exactly, so that a
// face A taken for a face B, or one side's values for another's, shows.
DrawingInput floor(const std::vector<std::pair<double, double>>& points) {
    DrawingInput in = base_input();
    in.hasira_sd = kWholeFloor;
    in.XU0 = in.XU1 = in.YU0 = in.YU1 = 400;
    in.XM0 = in.XM1 = in.YM0 = in.YM1 = 50;
    in.walls[kUp] = {30, 120, 150, 0, 25};
    in.walls[kDown] = {60, 90, 150, 10, 0};
    in.walls[kRight] = {100, 50, 150, 20, 10};
    in.walls[kLeft] = {110, 40, 150, 5, 15};
    in.crossings = crossings(points);
    return in;
}

// A line of the stream: its four numbers, the layer it is written on, and the marker line
// before it (z1 for a hatch line, z3 or msg for a dimension's).
struct Segment {
    int layer = 0;
    std::string marker;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

std::vector<Segment> segments(const std::string& stream) {
    std::vector<Segment> out;
    int layer = 0;
    std::string previous;
    for (const std::string& line : stream_lines(stream)) {
        if (line.starts_with("ly")) layer = std::stoi(line.substr(2), nullptr, 16);
        std::istringstream fields(line);
        Segment s{layer, previous};
        std::string rest;
        if (fields >> s.x1 >> s.y1 >> s.x2 >> s.y2 && !(fields >> rest)) out.push_back(s);
        previous = line;
    }
    return out;
}

std::size_t count_of(const std::string& stream, const std::string& line) {
    std::size_t n = 0;
    for (const std::string& l : stream_lines(stream)) n += l == line ? 1 : 0;
    return n;
}

std::string drawn(const DrawingInput& in) {
    Result<std::string> out = drawing_commands(in);
    EXPECT_TRUE(out.ok()) << out.message();
    return out ? *out : std::string();
}

constexpr int kWallLayer = 4;  // base_input()'s pens
constexpr int kStructuralLayer = 3;

// Each crossing's walls and its kind from where the others lie.
TEST(FloorNeighbours, FromTheOtherCrossingsOnItsGridLines) {
    using P = std::vector<std::pair<double, double>>;
    const struct {
        const char* what;
        P points;  // after the origin
        const char* kinds;
    } cases[] = {
        {"a straight run and its ends", {{6000, 0}, {12000, 0}}, "直線 1・端 2"},
        {"within 1 mm is on the line", {{6000, 0.999}, {6000, 4000.6}}, "角 1・端 2"},
        {"beyond 1 mm is not", {{6000, 1.001}}, "単独 2"},
        {"an L shape",
         {{6000, 0}, {12000, 0}, {0, 5000}, {6000, 5000}, {12000, 5000}, {0, 10000}, {6000, 10000}},
         "角 5・T 2・十字 1"},
        {"a 3 × 2 grid",
         {{6000, 0}, {12000, 0}, {0, 5000}, {6000, 5000}, {12000, 5000}},
         "角 4・T 2"},
        {"a crossing in a 3 × 3 grid",
         {{-6000, 0},
          {6000, 0},
          {0, 5000},
          {0, -5000},
          {-6000, 5000},
          {6000, 5000},
          {-6000, -5000},
          {6000, -5000}},
         "角 4・T 4・十字 1"},
    };
    for (const auto& c : cases) EXPECT_EQ(floor_kinds_text(crossings(c.points)), c.kinds) << c.what;

    // The nearest crossing on a side is the neighbour, whatever the order given.
    const std::vector<FloorNode> nodes = floor_nodes(crossings({{12000, 0}, {6000, 0.5}}));
    EXPECT_EQ(nodes[0].neighbour[kRight], 2);
    EXPECT_EQ(nodes[1].neighbour[kLeft], 2);
    EXPECT_EQ(nodes[2].neighbour[kLeft], 0);
    EXPECT_EQ(nodes[2].neighbour[kRight], 1);
}

// The copy of a 3 × 3 floor at each place, its walls far apart, is what the shape button of
// that place draws, digit for digit: the first crossing is put at each place in turn, and the
// stream of a single drawing of that shape is the start of the floor's.
TEST(FloorCopies, EachPlaceOfAGridIsItsShapeButtonsDrawing) {
    const double dx = 9000, dy = 7000;
    for (int optSin : {0, 1}) {
        for (int shape = 0; shape < 9; ++shape) {
            const int row = shape / 3, column = shape % 3;
            std::vector<std::pair<double, double>> others;
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    if (r != row || c != column)
                        others.push_back({(c - column) * dx, (row - r) * dy});
            DrawingInput whole = floor(others);
            whole.optSin_d = optSin;
            whole.KabeTunagu = false;
            DrawingInput single = whole;
            single.hasira_sd = shape;
            single.crossings.clear();
            const std::string one = drawn(single);
            const std::string all = drawn(whole);
            ASSERT_GT(all.size(), one.size());
            EXPECT_EQ(first_difference(one, all.substr(0, one.size())), "")
                << "shape " << shape << ", optSin_d " << optSin;
            EXPECT_TRUE(all.compare(one.size(), 4, "ly3\r") == 0)
                << "the next copy follows at once: shape " << shape;
        }
    }
}

// Two columns 2000 apart leave a gap of 1100 between their bodies: both stubs end at its middle,
// written as the same number; 1600 or more apart, each runs its 800.
TEST(FloorCopies, StubsOfAShortGapMeetAtItsMiddle) {
    DrawingInput in = floor({{2000, 0.25}});
    in.KabeTunagu = false;
    int at_middle = 0;
    for (const Segment& s : segments(drawn(in))) {
        if (s.layer != kWallLayer && s.layer != kStructuralLayer) continue;
        if (s.marker == "z1") continue;
        // Walls to the side end at the middle, x = ((0 + 450) + (2000 - 450)) / 2.
        if (s.y1 == s.y2 && (s.x2 == 1000 || s.x1 == 1000)) ++at_middle;
        EXPECT_LE(std::max(s.x1, s.x2), 2000 + 450.0);
    }
    // Each column: two wall lines, and two structural faces where the wall has extra thickness
    // (Right: 20 and 10; Left: 5 and 15).
    EXPECT_EQ(at_middle, 8);

    in.crossings = crossings({{2000 + 2 * 450 + 1600, 0}});
    const std::string far = drawn(in);
    EXPECT_EQ(count_of(far, " 450  120  1250  120 "), 1u) << "the Right wall's face A, 800 out";
}

// Joined: the wall between two columns is drawn once, by the column on the left, from its own
// faces to the other column's, written with the other column's own numbers: its end is
// computed from where that column stands, not from where this one does (which here would come
// out one digit off). The other column keeps the wall open in its outlines.
TEST(FloorCopies, AJoinedWallIsDrawnOnceEndingOnTheNextColumn) {
    // A row of two columns away from the first crossing, which stands in a run of its own.
    const double left = -8893.74652109701, right = 56.951577431968, row = 5000.5;
    DrawingInput in = floor({{left, row}, {right, row}, {0, -6000}});
    in.XU0 = in.XU1 = 400.123456789;
    const double KutaiL = -in.XU0 - in.XM0, KouzouL = -in.XU0;
    const std::string stream = drawn(in);
    int wall_lines = 0, structural_faces = 0;
    for (const Segment& s : segments(stream)) {
        if (s.marker == "z1" || s.marker == "z3" || s.marker == "msg") continue;
        if (s.y1 != s.y2 || std::fabs(s.x2 - s.x1) < 2000) continue;
        // Both walls use the Right values: face A 100 above, 20 extra; face B 50 below, 10.
        if (s.layer == kWallLayer) {
            ++wall_lines;
            EXPECT_EQ(format_number(s.x2), format_number(right + KutaiL));
            EXPECT_TRUE(s.y1 == row + 120 || s.y1 == row - 60) << s.y1;
        } else if (s.layer == kStructuralLayer) {
            ++structural_faces;
            EXPECT_EQ(format_number(s.x2), format_number(right + KouzouL));
        }
    }
    EXPECT_EQ(wall_lines, 2);
    EXPECT_EQ(structural_faces, 2);
    // The right column's body outline stops at the wall on its left, at its own height.
    const std::string face = format_number(right + KutaiL);
    EXPECT_EQ(count_of(stream, face + "  5450.5 " + face + "  5120.5 "), 1u);
    EXPECT_EQ(count_of(stream, face + "  4940.5 " + face + "  4550.5 "), 1u);
}

// Hatched, every line lies on one lattice through the first crossing, y = x + k·d in the
// data's own coordinates, so it runs on from a column into its wall and across the next.
TEST(FloorFill, OneHatchLatticeRunsAcrossTheFloor) {
    DrawingInput in = floor({{6000.3, 0}, {6000.3, 5000.7}, {0, 5000.7}});
    in.fill = {
        .pen = {9, 0, 0}, .column = FillKind::Hatch, .walls = FillKind::Hatch, .pitch_mm = 1};
    in.header.Syukusyaku = 50;
    const double d = 50 * std::sqrt(2.0);
    const std::string stream = drawn(in);
    int hatch = 0;
    bool crosses_a_joint = false;
    bool column_hatched[4] = {};
    for (const Segment& s : segments(stream)) {
        if (s.marker != "z1") continue;
        ++hatch;
        const double k = (s.y1 - s.x1) / d;
        EXPECT_NEAR(k, std::round(k), 1e-6) << s.x1 << " " << s.y1;
        EXPECT_NEAR(s.y2 - s.x2, s.y1 - s.x1, 1e-6);
        // A line ending on the second column's structural face from the wall joins one
        // starting there in the column.
        if (std::fabs(s.x2 - (6000.3 - 400)) < 1e-9) crosses_a_joint = true;
        for (std::size_t c = 0; c < 4; ++c) {
            const double cx = c == 0 ? 0 : in.crossings[c - 1].x;
            const double cy = c == 0 ? 0 : in.crossings[c - 1].y;
            const double mx = (s.x1 + s.x2) / 2 - cx, my = (s.y1 + s.y2) / 2 - cy;
            if (std::fabs(mx) < 400 && std::fabs(my) < 400) column_hatched[c] = true;
        }
    }
    EXPECT_GT(hatch, 100);
    EXPECT_TRUE(crosses_a_joint);
    for (bool hatched : column_hatched)
        EXPECT_TRUE(hatched) << "every column is hatched where it stands";
}

TEST(FloorDimensions, OnlyAtTheFirstCrossingWhenAsked) {
    DrawingInput in = floor({{6000, 0}, {6000, 5000}});
    const std::size_t every = count_of(drawn(in), "msg");
    in.SunpoHitotu = true;
    EXPECT_EQ(count_of(drawn(in), "msg") * 3, every);
}

TEST(FloorRefusals, EachNamesTheCrossings) {
    const struct {
        const char* what;
        std::vector<std::pair<double, double>> points;
        double axis_angle;
        std::vector<const char*> names;
    } cases[] = {
        {"picked twice",
         {{6000, 0}, {6000.5, -0.5}},
         0,
         {"2 か所目（TEMP.TXT の 9 行目「hp1 6000 0」）と3 か所目", "2 回指示"}},
        {"alone", {{6000, 0}, {3000, 4000}}, 0, {"3 か所目", "x 軸・y 軸に沿った"}},
        {"alone with 軸角", {{3000, 4000}}, 30, {"1 か所目（最初に指示した点）", "軸角が 30°"}},
        {"not each other's neighbours",
         {{6000, 0.9}, {3000, 1.8}},
         0,
         {"1 か所目（最初に指示した点）の右の隣は2 か所目", "1 mm を超えて"}},
        {"columns touching",
         {{900, 0}},
         0,
         {"柱（柱増打を含む）が、重なるか接しています", "柱幅 X"}},
        {"walls crossing where no crossing was picked",
         {{6000, 0},
          {12000, 0},
          {0, 5000},
          {12000, 5000},
          {0, 10000},
          {6000, 10000},
          {12000, 10000}},
         0,
         {"交点を指示していない所で交わります", "4 か所目", "5 か所目", "2 か所目", "7 か所目"}},
    };
    for (const auto& c : cases) {
        DrawingInput in = floor(c.points);
        in.axis_angle = c.axis_angle;
        Result<std::string> out = drawing_commands(in);
        ASSERT_FALSE(out.ok()) << c.what;
        for (const char* name : c.names)
            EXPECT_NE(out.message().find(name), std::string::npos)
                << c.what << ": " << out.message();
    }
    // Without the walls of one direction nothing crosses.
    DrawingInput open = floor(cases[5].points);
    open.walls[kUp][2] = open.walls[kDown][2] = 0;
    EXPECT_TRUE(drawing_commands(open).ok()) << drawing_commands(open).message();
}

}  // namespace
}  // namespace quornel::test

namespace quornel::test {
namespace {

// A wall of the outline: from the crossing at `from` towards `side`, and where the outside
// lies across it.
struct OutlineWall {
    std::pair<double, double> from;
    WallSide side;
    WallSide outside;
    friend bool operator==(const OutlineWall&, const OutlineWall&) = default;
};

std::string shown(const std::vector<OutlineWall>& walls) {
    static const char* const kSide[] = {"U", "D", "R", "L"};
    std::string s;
    for (const OutlineWall& w : walls)
        s += "(" + format_number(w.from.first) + "," + format_number(w.from.second) + ")" +
             kSide[side_index(w.side)] + "/" + kSide[side_index(w.outside)] + " ";
    return s;
}

// Each wall once, from its left or lower crossing, in the order of the crossings.
std::vector<OutlineWall> outline_walls(const std::vector<std::pair<double, double>>& points) {
    const std::vector<FloorNode> nodes = floor_nodes(crossings(points));
    const FloorOutline outline = floor_outline(nodes, true, true);
    std::vector<OutlineWall> walls;
    for (std::size_t i = 0; i < nodes.size(); ++i)
        for (WallSide side : {WallSide::Right, WallSide::Up})
            if (const auto outside = outline[i][side_index(side)])
                walls.push_back({{nodes[i].x, nodes[i].y}, side, *outside});
    return walls;
}

// Worked out by hand: which walls face the outside, and which way. In thousands of mm; the
// first crossing is listed first and stands at the origin.
TEST(FloorOutlineWalls, OnlyTheWallsFacingTheOutside) {
    using W = WallSide;
    const W U = W::Up, D = W::DOWN, R = W::Right, L = W::Left;
    const struct {
        const char* what;
        std::vector<std::pair<double, double>> points;
        std::vector<OutlineWall> outline;
    } cases[] = {
        {"a rectangle of two rooms",
         {{0, 0}, {6, 0}, {12, 0}, {0, 5}, {6, 5}, {12, 5}},
         {{{0, 0}, R, D},
          {{0, 0}, U, L},
          {{6, 0}, R, D},
          {{12, 0}, U, R},
          {{0, 5}, R, U},
          {{6, 5}, R, U}}},
        {"an L shape: its inner corner's walls face out",
         {{0, 0}, {6, 0}, {12, 0}, {0, 5}, {6, 5}, {12, 5}, {0, 10}, {6, 10}},
         {{{0, 0}, R, D},
          {{0, 0}, U, L},
          {{6, 0}, R, D},
          {{12, 0}, U, R},
          {{0, 5}, U, L},
          {{6, 5}, R, U},
          {{6, 5}, U, R},
          {{0, 10}, R, U}}},
        {"a T of four rooms",
         {{6, 0}, {12, 0}, {0, 5}, {6, 5}, {12, 5}, {18, 5}, {0, 10}, {6, 10}, {12, 10}, {18, 10}},
         {{{6, 0}, R, D},
          {{6, 0}, U, L},
          {{12, 0}, U, R},
          {{0, 5}, R, D},
          {{0, 5}, U, L},
          {{12, 5}, R, D},
          {{18, 5}, U, R},
          {{0, 10}, R, U},
          {{6, 10}, R, U},
          {{12, 10}, R, U}}},
        {"a floor in two parts",
         {{0, 0}, {6, 0}, {0, 5}, {6, 5}, {20, 20}, {26, 20}, {20, 25}, {26, 25}},
         {{{0, 0}, R, D},
          {{0, 0}, U, L},
          {{6, 0}, U, R},
          {{0, 5}, R, U},
          {{20, 20}, R, D},
          {{20, 20}, U, L},
          {{26, 20}, U, R},
          {{20, 25}, R, U}}},
        {"a run standing free", {{0, 0}, {6, 0}, {12, 0}, {12, 5}}, {}},
        {"a courtyard's walls are inner",
         {{0, 0},
          {6, 0},
          {12, 0},
          {18, 0},
          {0, 6},
          {6, 6},
          {12, 6},
          {18, 6},
          {0, 12},
          {6, 12},
          {12, 12},
          {18, 12},
          {0, 18},
          {6, 18},
          {12, 18},
          {18, 18}},
         {{{0, 0}, R, D},
          {{0, 0}, U, L},
          {{6, 0}, R, D},
          {{12, 0}, R, D},
          {{18, 0}, U, R},
          {{0, 6}, U, L},
          {{18, 6}, U, R},
          {{0, 12}, U, L},
          {{18, 12}, U, R},
          {{0, 18}, R, U},
          {{6, 18}, R, U},
          {{12, 18}, R, U}}},
        {"a building inside a courtyard faces it",
         {{0, 0}, {30, 0}, {0, 30}, {30, 30}, {10, 10}, {20, 10}, {10, 20}, {20, 20}},
         {{{0, 0}, R, D},
          {{0, 0}, U, L},
          {{30, 0}, U, R},
          {{0, 30}, R, U},
          {{10, 10}, R, D},
          {{10, 10}, U, L},
          {{20, 10}, U, R},
          {{10, 20}, R, U}}},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<double, double>> others;
        for (auto [x, y] : c.points)
            others.push_back({(x - c.points[0].first) * 1000, (y - c.points[0].second) * 1000});
        others.erase(others.begin());
        std::vector<OutlineWall> expected = c.outline;
        for (OutlineWall& w : expected)
            w.from = {(w.from.first - c.points[0].first) * 1000,
                      (w.from.second - c.points[0].second) * 1000};
        const std::vector<OutlineWall> got = outline_walls(others);
        auto sorted = [](std::vector<OutlineWall> v) {
            std::sort(v.begin(), v.end(), [](const OutlineWall& a, const OutlineWall& b) {
                return std::tie(a.from, a.side) < std::tie(b.from, b.side);
            });
            return v;
        };
        EXPECT_EQ(shown(sorted(got)), shown(sorted(expected))) << c.what;
    }
}

// With 「外周の壁を柱の外面に合わせる」 in 「柱芯」, the outside structural face of each outline
// wall lies on the column's structural face on that side, the inside one at the thickness; the
// extra thicknesses stay on their own faces. Drawn once when joined, flush along its length.
TEST(FloorOutlineWalls, AreSetFlushWithTheColumnsOuterFaces) {
    DrawingInput in = floor({{6000, 0}, {0, 5000}, {6000, 5000}});
    in.XU0 = 300, in.XU1 = 500, in.YU0 = 350, in.YU1 = 250;  // KouzouL -300, R 500, B -250, T 350
    in.GaisyuKabe = true;
    const std::vector<FloorCopy> copies = floor_copies(in);
    ASSERT_EQ(copies.size(), 4u);
    // The Right values (face A 100 above with 20 extra, face B with 10, 150 thick) for the
    // walls to the side; the Up values (30 | 120, 150, 0 | 25) for those above and below.
    auto faces = [&](int copy, WallSide side) {
        const WallFaces& w = copies[static_cast<std::size_t>(copy)].g.wall(side);
        return std::vector<double>{w.KabeA, w.KabeB, w.KabeKutaiA, w.KabeKutaiB};
    };
    using V = std::vector<double>;
    EXPECT_EQ(faces(0, WallSide::Right), (V{-100, -250, -80, -260})) << "bottom: outside below";
    EXPECT_EQ(faces(2, WallSide::Right), (V{350, 200, 370, 190})) << "top: outside above";
    EXPECT_EQ(faces(0, WallSide::Up), (V{-300, -150, -300, -125})) << "left: outside left";
    EXPECT_EQ(faces(1, WallSide::Up), (V{350, 500, 350, 525})) << "right: outside right";
    // The column at the other end keeps the same faces, for its outline and its dimensions.
    EXPECT_EQ(faces(1, WallSide::Left), faces(0, WallSide::Right));
    EXPECT_EQ(faces(3, WallSide::DOWN), faces(1, WallSide::Up));

    // The bottom wall's lower face, drawn once from column to column at y = -260.
    std::string stream = drawn(in);
    EXPECT_EQ(count_of(stream, " 550 -260  5650 -260 "), 1u);
    EXPECT_EQ(count_of(stream, "-250 -260  550 -260 "), 0u);
    // Unjoined, each stub is flush: the one from the right column ends 800 out, on its own
    // lower face with its own (Left) values: 15 extra on face B.
    in.KabeTunagu = false;
    stream = drawn(in);
    EXPECT_EQ(count_of(stream, " 550 -260  1350 -260 "), 1u);
    EXPECT_EQ(count_of(stream, " 5650 -265  4850 -265 "), 1u);

    // Off, or in 「壁芯」, the walls stay on their grid lines: the drawing of the choice off.
    in.KabeTunagu = true;
    in.GaisyuKabe = false;
    const std::string off = drawn(in);
    in.optSin_d = 1;
    in.GaisyuKabe = true;
    const std::string wall_centre = drawn(in);
    in.GaisyuKabe = false;
    EXPECT_EQ(wall_centre, drawn(in));
    EXPECT_NE(off, stream);
}

}  // namespace
}  // namespace quornel::test
