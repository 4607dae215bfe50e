// The wall-side panels as the user sees them around the schematic: what shows, where it
// stands and what the action buttons read, for the column positions and both reference
// line modes.
#include <gtest/gtest.h>

#include "column_fixture.h"

namespace quornel {
namespace {

using testing_panels::at;
using testing_panels::dot_on;
using testing_panels::runs;
using testing_panels::Schematic;

bool all_hidden(const WallPanel& p) {
    for (const Line& l : p.lin)
        if (l.visible) return false;
    for (const Shape& d : p.dot)
        if (d.visible) return false;
    for (const ComboBox& c : p.cbo)
        if (c.visible) return false;
    return !p.cmdWri.visible;
}

TEST(WallLayout, LeftPanelAtStartUpStandsAroundItsWallImage) {
    Schematic s;
    const WallPanel& p = s.left();
    // The left wall image: L 1465, T 3368, 1800 x 764, so R 3265 and B 4132.
    ASSERT_TRUE(at(p.image, 1465, 3368));
    EXPECT_TRUE(runs(p.lin[0], 1415, 3498, 915, 3498));
    EXPECT_TRUE(runs(p.lin[1], 1415, 4002, 915, 4002));
    EXPECT_TRUE(runs(p.lin[2], 1165, 3498, 1165, 4002));
    EXPECT_TRUE(runs(p.lin[3], 915, 3368, 915, 4132));
    EXPECT_TRUE(runs(p.lin[4], 1165, 3368, 915, 3368));
    EXPECT_TRUE(runs(p.lin[5], 1165, 4132, 915, 4132));
    EXPECT_TRUE(dot_on(p.dot[0], 1165, 3498));
    EXPECT_TRUE(dot_on(p.dot[1], 1165, 3750));  // on the column's centre line
    EXPECT_TRUE(dot_on(p.dot[2], 1165, 4002));
    EXPECT_TRUE(dot_on(p.dot[3], 915, 3498));
    EXPECT_TRUE(dot_on(p.dot[4], 915, 4002));
    EXPECT_TRUE(dot_on(p.dot[5], 915, 3368));
    EXPECT_TRUE(dot_on(p.dot[6], 915, 4132));
    EXPECT_TRUE(at(p.cbo[0], 1215, 2968));
    EXPECT_TRUE(at(p.cbo[1], 1215, 4232));
    EXPECT_TRUE(at(p.cbo[2], 130, 3450));
    EXPECT_TRUE(at(p.cbo[3], 130, 2968));
    EXPECT_TRUE(at(p.cbo[4], 130, 4232));
    EXPECT_TRUE(at(p.cmdWri, 130, 3750));  // just below combo 2
    for (const ComboBox& c : p.cbo) EXPECT_TRUE(c.visible) << c.index;
    // No wall thickness yet: nothing to split.
    EXPECT_FALSE(p.cbo[0].enabled);
    EXPECT_FALSE(p.cbo[1].enabled);
    EXPECT_EQ(p.cmdWri.caption, "割");
}

TEST(WallLayout, OtherSidesAtStartUpFollowTheirOwnPlacementRules) {
    Schematic s;
    // Up: image (3868, 965), 764 x 1800. Combos 0 and 3 one image width to its left.
    const WallPanel& up = s.up();
    EXPECT_TRUE(at(up.cbo[0], 3054, 715));
    EXPECT_TRUE(at(up.cbo[1], 4682, 715));
    EXPECT_TRUE(at(up.cbo[2], 3882.5, 65));
    EXPECT_TRUE(at(up.cbo[3], 2804, 65));
    EXPECT_TRUE(at(up.cbo[4], 4932, 65));
    EXPECT_TRUE(at(up.cmdWri, 4617.5, 65));
    EXPECT_TRUE(runs(up.lin[2], 3998, 665, 4502, 665));
    EXPECT_TRUE(dot_on(up.dot[1], 4250, 665));
    // Down: image (3868, 4730), bottom 6530.
    const WallPanel& down = s.down();
    EXPECT_TRUE(at(down.cbo[0], 3054, 6580));
    EXPECT_TRUE(at(down.cbo[2], 3882.5, 7130));
    EXPECT_TRUE(at(down.cmdWri, 4617.5, 7130));
    EXPECT_TRUE(runs(down.lin[0], 3998, 6580, 3998, 7080));
    // Right: image (5230, 3368), right edge 7030. Combos 3 and 4 stand on the outer line.
    const WallPanel& right = s.right();
    EXPECT_TRUE(at(right.cbo[0], 6545, 2968));
    EXPECT_TRUE(at(right.cbo[2], 7630, 3450));
    EXPECT_TRUE(at(right.cbo[3], 7580, 2968));
    EXPECT_TRUE(at(right.cbo[4], 7580, 4232));
    EXPECT_TRUE(at(right.cmdWri, 7630, 3750));
    EXPECT_TRUE(runs(right.lin[3], 7580, 3368, 7580, 4132));
}

TEST(WallLayout, CornerColumnAtTopLeftShowsOnlyTheRightAndDownWalls) {
    Schematic s;
    s.click_shape(0);
    EXPECT_TRUE(all_hidden(s.left()));
    EXPECT_TRUE(all_hidden(s.up()));
    EXPECT_EQ(s.left().image.picture, "");
    EXPECT_EQ(s.up().image.picture, "");

    // Right wall flush with the column's top face: the part to face A is the column's.
    const WallPanel& right = s.right();
    EXPECT_FALSE(right.cbo[1].visible);
    EXPECT_TRUE(right.cbo[0].visible);
    EXPECT_TRUE(right.cbo[0].enabled);
    EXPECT_EQ(right.cmdWri.caption, "面");
    EXPECT_TRUE(runs(right.lin[2], 7340, 2875, 7340, 3750));  // free face to centre line
    EXPECT_FALSE(right.dot[2].visible);
    EXPECT_TRUE(right.dot[0].visible);

    // Down wall flush with the column's left face: image (3245, 4740), bottom 6540.
    const WallPanel& down = s.down();
    EXPECT_FALSE(down.cbo[1].visible);
    EXPECT_TRUE(down.cbo[0].visible);
    EXPECT_EQ(down.cmdWri.caption, "面");
    EXPECT_TRUE(runs(down.lin[2], 3375, 6840, 4250, 6840));
    EXPECT_FALSE(down.dot[2].visible);
    EXPECT_TRUE(at(down.cbo[0], 3245 - 764 - 50, 6590));
}

TEST(WallLayout, InteriorColumnShowsEveryInputAndSplitsEverywhere) {
    Schematic s;
    s.left().cbo[2].text = "150";
    s.click_shape(4);
    for (const WallPanel& p : s.walls) {
        for (const ComboBox& c : p.cbo) EXPECT_TRUE(c.visible) << c.name << c.index;
        EXPECT_EQ(p.cmdWri.caption, "割") << p.cmdWri.name;
        for (const Shape& d : p.dot) EXPECT_TRUE(d.visible) << d.name << d.index;
        // Line 2 spans both faces: 130 in from each end of the image.
        const Rect& r = p.image.rect;
        const bool vertical = p.side == WallSide::Left || p.side == WallSide::Right;
        EXPECT_EQ(vertical ? p.lin[2].y1 : p.lin[2].x1, (vertical ? r.top : r.left) + 130);
        EXPECT_EQ(vertical ? p.lin[2].y2 : p.lin[2].x2, (vertical ? r.bottom() : r.right()) - 130);
        // Parts are offered only where the wall has a thickness.
        const bool thick = p.side == WallSide::Left;
        EXPECT_EQ(p.cbo[0].enabled, thick) << p.cmdWri.name;
        EXPECT_EQ(p.cbo[1].enabled, thick) << p.cmdWri.name;
    }
}

TEST(WallLayout, WallCentreModeOffersBothPartsAtEveryShape) {
    for (int shape : {0, 1, 2, 3, 4, 5, 6, 7, 8}) {
        Schematic s;
        for (WallPanel& p : s.walls) p.cbo[2].text = "150";
        s.click_optSin(1);
        s.click_shape(shape);
        for (const WallPanel& p : s.walls) {
            if (!wall_shown(p.side, shape)) {
                EXPECT_TRUE(all_hidden(p)) << shape << p.cmdWri.name;
                continue;
            }
            SCOPED_TRACE(::testing::Message() << "shape " << shape << " " << p.cmdWri.name);
            EXPECT_TRUE(p.cbo[0].visible && p.cbo[0].enabled);
            EXPECT_TRUE(p.cbo[1].visible && p.cbo[1].enabled);
            for (const Shape& d : p.dot) EXPECT_TRUE(d.visible) << d.index;
            EXPECT_EQ(p.cmdWri.caption, "割");
            const bool vertical = p.side == WallSide::Left || p.side == WallSide::Right;
            const Rect& r = p.image.rect;
            EXPECT_EQ(vertical ? p.lin[2].y2 : p.lin[2].x2,
                      (vertical ? r.bottom() : r.right()) - 130);
        }
    }
}

TEST(WallLayout, WallCentreReferenceDotMarksTheMiddleOfAFlushWall) {
    Schematic s;
    s.click_optSin(1);
    s.click_shape(0);
    // Down wall flush with the column's left face (column left 3245): middle 3245 + 382.
    EXPECT_TRUE(dot_on(s.down().dot[1], 3627, 6840));
    // Right wall flush with the top face (top 2745): middle 2745 + 382.
    EXPECT_TRUE(dot_on(s.right().dot[1], 7340, 3127));

    s.click_shape(8);
    // Up wall flush with the right face (column right 5255): middle 5255 - 382.
    EXPECT_TRUE(dot_on(s.up().dot[1], 4873, 660));
    // Left wall flush with the bottom face: image top 3991, middle 4373.
    EXPECT_TRUE(dot_on(s.left().dot[1], 1160, 4373));

    s.click_shape(1);
    // The down wall is centred: its dot marks the column's centre line.
    EXPECT_TRUE(dot_on(s.down().dot[1], 4250, 6840));
}

TEST(WallLayout, SwitchingToWallCentreBringsBackTheHiddenPart) {
    Schematic s;
    s.click_shape(1);
    WallPanel& left = s.left();
    EXPECT_FALSE(left.cbo[1].visible);
    EXPECT_FALSE(left.dot[2].visible);
    EXPECT_EQ(left.cmdWri.caption, "面");

    s.click_optSin(1);
    EXPECT_TRUE(left.cbo[1].visible);
    EXPECT_TRUE(left.dot[2].visible);
    EXPECT_EQ(left.cmdWri.caption, "割");

    s.click_optSin(0);
    EXPECT_FALSE(left.cbo[1].visible);
    EXPECT_EQ(left.cmdWri.caption, "面");
}

TEST(WallLayout, FaceBPositionOffersOnlyThePartToFaceB) {
    Schematic s;
    s.click_shape(7);  // bottom T: left and right walls flush with the bottom face
    const WallPanel& left = s.left();
    EXPECT_FALSE(left.cbo[0].visible);
    EXPECT_TRUE(left.cbo[1].visible);
    EXPECT_TRUE(left.cbo[1].enabled);
    EXPECT_FALSE(left.dot[0].visible);
    EXPECT_TRUE(left.dot[2].visible);
    EXPECT_EQ(left.cmdWri.caption, "面");
    // From the column's centre line down to the free lower face.
    EXPECT_TRUE(runs(left.lin[2], 1160, 3750, 1160, 4755 - 130));
    // The up wall is centred there: a middle position.
    EXPECT_EQ(s.up().cmdWri.caption, "割");
}

TEST(WallLayout, ThicknessThatIsNotANumberCountsAsNoThickness) {
    Schematic s;
    WallPanel& left = s.left();
    left.cbo[2].text = "1２0";  // mixed forms still read as 120
    LayoutKabeSun(left, s.state);
    EXPECT_TRUE(left.cbo[0].enabled);
    left.cbo[2].text = "壁";
    LayoutKabeSun(left, s.state);
    EXPECT_FALSE(left.cbo[0].enabled);
    EXPECT_FALSE(left.cbo[1].enabled);
    EXPECT_EQ(left.cbo[2].text, "壁");  // the layout never rewrites a value
}

TEST(WallLayout, HiddenButtonsMoveTheUpperWallAndLayOutOnlyThatPanel) {
    Schematic s;
    s.click_shape(4);
    WallPanel& up = s.up();
    up.image.rect.width = 855;
    up.cbo[0].text = "abc";   // no validation runs: stays as typed
    s.left().lin[0].x1 = -1;  // another panel is not laid out again

    Command1_Click(1, s.column, s.walls, s.state);
    EXPECT_EQ(up.image.rect.left, 4250 - 427.5);
    EXPECT_TRUE(at(up.cbo[2], 3822.5 + 427.5 - 367.5, 960 - 900));
    EXPECT_EQ(up.cbo[0].text, "abc");
    EXPECT_EQ(s.left().lin[0].x1, -1);

    Command1_Click(0, s.column, s.walls, s.state);
    EXPECT_EQ(up.image.rect.left, 4250 - 1005);  // flush with the column's left face
    Command1_Click(2, s.column, s.walls, s.state);
    EXPECT_EQ(up.image.rect.left, 4250 + 1005 - 855);  // flush with its right face
    up.lin[3].x1 = -1;
    Command1_Click(3, s.column, s.walls, s.state);
    EXPECT_EQ(up.image.rect.left, 4400);
    EXPECT_EQ(up.lin[3].x1, 4400);  // laid out all the same
}

TEST(WallLayout, PanelsAtDesignTimeHaveTheirNamesAndHiddenExtraThickness) {
    const WallPanel p = make_wall_panel(WallSide::DOWN);
    EXPECT_EQ(p.image.name, "imgB_kd");
    EXPECT_EQ(p.cbo[4].name, "cboKabeSunDOWN");
    EXPECT_EQ(p.cbo[4].index, 4);
    EXPECT_EQ(p.lin[5].name, "linKabeSunDOWN");
    EXPECT_EQ(p.dot[6].name, "dotKabeDOWN");
    EXPECT_EQ(p.cmdWri.name, "cmdWriKD");
    EXPECT_EQ(p.cmdWri.caption, "割");
    EXPECT_TRUE(at(p.cmdWri, 4080, 7080));
    for (const ComboBox& c : p.cbo) {
        EXPECT_EQ(c.text, "0");
        EXPECT_EQ(c.container, "Picture2");
        EXPECT_EQ(c.rect.width, 735);
        EXPECT_EQ(c.rect.height, 300);
        EXPECT_EQ(c.visible, c.index < 3);
        EXPECT_TRUE(c.enabled);
    }
    EXPECT_EQ(make_wall_panel(WallSide::Up).lin[0].name, "linKabeSunUP");
    EXPECT_EQ(make_wall_panel(WallSide::Up).dot[0].name, "dotKabeUp");
    EXPECT_EQ(make_wall_panel(WallSide::Left).cmdWri.name, "cmdWriKL");
    EXPECT_EQ(make_wall_panel(WallSide::Right).image.name, "imgB_kr");
}

}  // namespace
}  // namespace quornel
