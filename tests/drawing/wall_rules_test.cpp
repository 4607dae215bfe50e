// Which walls a column has, and how the structural outline meets them.
#include <gtest/gtest.h>

#include <limits>

#include "cases.h"
#include "drawing/drawing_run.h"

namespace quornel::test {
namespace {

// The structural outline: the lines between the first pen and the cross's pen.
std::string structural_outline(const DrawingInput& in) {
    Result<std::string> out = drawing_commands(in);
    EXPECT_TRUE(out.ok()) << out.message();
    if (!out.ok()) return "";
    const std::string head = "ly3\r\nlc1\r\nlt1\r\n";
    EXPECT_EQ(out->substr(0, head.size()), head);
    return out->substr(head.size(), out->find("ly2\r\n") - head.size());
}

DrawingInput bare_column(int shape) {
    DrawingInput in = base_input();
    in.hasira_sd = shape;
    in.XU0 = in.XU1 = in.YU0 = in.YU1 = 300;
    return in;
}

// The sides on which each shape shows a wall (Up, DOWN, Right, Left).
constexpr bool kShown[9][4] = {
    {false, true, true, false}, {false, true, true, true}, {false, true, false, true},
    {true, true, true, false},  {true, true, true, true},  {true, true, false, true},
    {true, false, true, false}, {true, false, true, true}, {true, false, false, true},
};

// Values left in the boxes of a side the chosen shape has no wall on are never drawn: not as
// walls, not in the outlines, not where the dimension values go.
TEST(HiddenWalls, ValuesOfASideTheShapeLacksChangeNothing) {
    for (int shape = 0; shape < 9; ++shape) {
        for (int mode = 0; mode < 2; ++mode) {
            DrawingInput clean = bare_column(shape);
            clean.optSin_d = mode;
            for (int side = 0; side < 4; ++side)
                if (kShown[shape][side]) clean.walls[side] = {75, 75, 150, 10, 10};
            for (int corner = 1; corner <= 4; ++corner) {
                clean.SunpoIti_d = corner;
                DrawingInput dirty = clean;
                for (int side = 0; side < 4; ++side)
                    if (!kShown[shape][side]) dirty.walls[side] = {250, 40, 290, 30, 60};
                EXPECT_EQ(*drawing_commands(dirty), *drawing_commands(clean))
                    << "shape " << shape << " mode " << mode << " corner " << corner;
            }
        }
    }
}

TEST(HiddenWalls, NotANumberInAHiddenBoxIsNotJudged) {
    DrawingInput in = hand_case("corner");
    in.walls[0][2] = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(drawing_commands(in).ok());
}

TEST(HiddenWalls, ShownSidesAreDrawn) {
    for (int shape = 0; shape < 9; ++shape) {
        for (int side = 0; side < 4; ++side) {
            if (!kShown[shape][side]) continue;
            DrawingInput with = bare_column(shape), without = bare_column(shape);
            with.walls[side] = {75, 75, 150, 0, 0};
            EXPECT_NE(*drawing_commands(with), *drawing_commands(without))
                << "shape " << shape << " side " << side;
        }
    }
}

// The left edge counts a wall by its thickness like the other three edges. Column +-300
// without extra thickness.
TEST(LeftEdge, WallWhoseFaceLiesOnTheReferenceLineJoinsTheLeftEdge) {
    // Shape 1, column-centre mode: Left face A = S0 = 0, face B = 0 - 150 = -150. The top end 0
    // lies inside the edge and is replaced by the body face 0 + S3 = 0 (a computed zero).
    DrawingInput in = bare_column(1);
    in.walls[3] = {0, 0, 150, 0, 0};
    EXPECT_EQ(structural_outline(in), "-300  0 -300 -150 \r\n");
}

// A part box the window shows and enables is read, with or without a thickness: at the
// top T in 柱芯 the left wall's face A at 100 keeps the left chain's upper value off it. Both
// part boxes of a middle position are disabled without a thickness, and not read.
TEST(WallFaces, APartTheUserCanChangeIsReadWithoutAThickness) {
    DrawingInput at_face = bare_column(1), middle = bare_column(4);
    for (DrawingInput* in : {&at_face, &middle}) {
        in->YU0 = 600;
        in->SunpoIti_d = 1;
    }
    const std::string at_face_without = *drawing_commands(at_face);
    const std::string middle_without = *drawing_commands(middle);
    at_face.walls[3] = middle.walls[3] = {100, 0, 0, 0, 0};
    EXPECT_NE(*drawing_commands(at_face), at_face_without);
    EXPECT_EQ(*drawing_commands(middle), middle_without);
}

TEST(LeftEdge, FacesWithoutThicknessAreNoWall) {
    DrawingInput in = bare_column(4);
    in.walls[3] = {75, 75, 0, 0, 0};
    EXPECT_EQ(structural_outline(in), "");
}

TEST(JoinedEdges, EachEdgeWithAWallAndNoExtraThickness) {
    // Crossing, walls -+75 with 25 of extra thickness: every wall face lies inside its edge,
    // so every joined edge ends at the wall's body faces. Order: bottom, top, right, left.
    DrawingInput in = bare_column(4);
    for (auto& w : in.walls) w = {75, 75, 150, 25, 25};
    EXPECT_EQ(structural_outline(in),
              "-100 -300  100 -300 \r\n"
              "-100  300  100  300 \r\n"
              " 300  100  300 -100 \r\n"
              "-300  100 -300 -100 \r\n");
}

TEST(JoinedEdges, WallWiderThanTheColumnKeepsItsStructuralFaces) {
    // Up wall faces -400 / 400 lie beyond the corners -300 / 300: used unchanged.
    DrawingInput in = bare_column(4);
    in.walls[0] = {400, 400, 800, 30, 30};
    EXPECT_EQ(structural_outline(in), "-400  300  400  300 \r\n");
}

TEST(WallFaces, ColumnCentreModeAtTheCrossingUsesBothOffsets) {
    // Shape 4 in column-centre mode measures both faces from the reference line, exactly as
    // wall-centre mode does.
    DrawingInput column_centre = bare_column(4);
    for (auto& w : column_centre.walls) w = {150, 50, 200, 10, 20};
    DrawingInput wall_centre = column_centre;
    wall_centre.optSin_d = 1;
    EXPECT_EQ(*drawing_commands(column_centre), *drawing_commands(wall_centre));
}

TEST(WallFaces, ColumnCentreModeAtAnEdgeTakesTheOuterFaceAndTheThickness) {
    // Shape 2 (top-right corner): the DOWN wall is flush on its right: B = S1, A = B - S2.
    // S1 300, S2 120 -> faces 180 / 300; the joined bottom edge runs from 180 to 300.
    DrawingInput in = bare_column(2);
    in.walls[1] = {999, 300, 120, 0, 0};
    in.walls[3] = {};
    EXPECT_EQ(structural_outline(in), " 180 -300  300 -300 \r\n");
}

}  // namespace
}  // namespace quornel::test
