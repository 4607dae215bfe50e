// The column schematic: start-up, the nine shape buttons, the reference centre lines and
// the refresh that follows a shape or reference-mode change.
#include <gtest/gtest.h>

#include "column_fixture.h"
#include "frm_main_fixture.h"

namespace quornel {
namespace {

using testing_panels::at;
using testing_panels::dot_on;
using testing_panels::items;
using testing_panels::runs;
using testing_panels::Schematic;
using enum WallSide;

int pressed_button(const ColumnPanel& c) {
    int found = -1;
    for (int i = 0; i < kShapeButtons; ++i) {
        const std::string up = "img_botanU(" + std::to_string(i) + ")";
        const std::string down = "img_botanD(" + std::to_string(i) + ")";
        if (c.img_hasira_s[i].picture == down) {
            if (found >= 0) return -2;  // two pressed
            found = i;
        } else if (c.img_hasira_s[i].picture != up) {
            return -3;
        }
    }
    return found;
}

TEST(ColumnStartUp, SchematicPartsAndDimensionMarks) {
    Schematic s;
    const ColumnPanel& c = s.column;
    EXPECT_EQ(pressed_button(c), 4);
    EXPECT_EQ(s.state.hasira_sd, 4);
    EXPECT_TRUE(at(c.shpB_kh, 3350, 2850));
    EXPECT_TRUE(at(c.shpB_ih, 3250, 2750));
    EXPECT_EQ(c.shpB_ih.rect.width, 2000);
    EXPECT_TRUE(at(c.imgB_lt, 4242.5, 743));
    EXPECT_TRUE(at(c.imgB_ly, 1243, 3742.5));
    EXPECT_EQ(c.imgB_lt.picture, "pic_lt");
    // Right and down walls reach 20 into the column, up and left 15.
    EXPECT_TRUE(at(s.up().image, 3868, 965));
    EXPECT_TRUE(at(s.right().image, 5230, 3368));
    EXPECT_TRUE(at(s.down().image, 3868, 4730));
    EXPECT_TRUE(at(s.left().image, 1465, 3368));
    EXPECT_EQ(s.down().image.picture, "pic_kd");

    EXPECT_TRUE(runs(c.linSun_tt[0], 5550, 2850, 5550, 4650));
    EXPECT_TRUE(runs(c.linSun_tt[1], 5850, 2750, 5850, 4750));
    EXPECT_TRUE(runs(c.linSun_ty[0], 5350, 2850, 5850, 2850));
    EXPECT_TRUE(runs(c.linSun_ty[3], 5550, 4750, 5850, 4750));
    EXPECT_TRUE(dot_on(c.dot1[0], 5550, 2850));
    EXPECT_TRUE(dot_on(c.dot1[3], 5850, 4750));
    EXPECT_TRUE(at(c.dot1[4], 5520, 3750 - 35));  // 35, not 30, on the centre line
    EXPECT_TRUE(dot_on(c.dot1[5], 5850, 4650));
    EXPECT_TRUE(dot_on(c.dot1[6], 5850, 2850));

    EXPECT_TRUE(runs(c.linSun_yy[0], 3350, 5250, 5150, 5250));
    EXPECT_TRUE(runs(c.linSun_yy[1], 3250, 5550, 5250, 5550));
    EXPECT_TRUE(runs(c.linSun_yt[0], 3350, 5050, 3350, 5550));
    EXPECT_TRUE(runs(c.linSun_yt[3], 5250, 5250, 5250, 5550));
    EXPECT_TRUE(dot_on(c.dot2[1], 5150, 5250));
    EXPECT_TRUE(at(c.dot2[4], 4250 - 35, 5220));
    EXPECT_TRUE(dot_on(c.dot2[5], 3350, 5550));

    EXPECT_TRUE(at(c.cboHsnYU_0, 4715, 2950));
    EXPECT_TRUE(at(c.cboHsnYU_1, 4715, 4250));
    EXPECT_TRUE(at(c.cboHsnYG, 5650, 2950));
    EXPECT_TRUE(at(c.cboHsnYM[0], 5650, 2350));
    EXPECT_TRUE(at(c.cboHsnYM[1], 5650, 4850));
    EXPECT_TRUE(at(c.cmdWriHY, 5650, 3250));
    EXPECT_TRUE(at(c.cboHsnXU_0, 3415, 4850));
    EXPECT_TRUE(at(c.cboHsnXU_1, 4350, 4850));
    EXPECT_TRUE(at(c.cboHsnXG, 3415, 5650));
    EXPECT_TRUE(at(c.cboHsnXM[0], 2535, 5650));
    EXPECT_TRUE(at(c.cboHsnXM[1], 5350, 5650));
    EXPECT_TRUE(at(c.cmdWriHX, 3415, 5950));

    for (const ComboBox* part : {&c.cboHsnXU_0, &c.cboHsnXU_1, &c.cboHsnYU_0, &c.cboHsnYU_1})
        EXPECT_FALSE(part->enabled) << part->name;
    EXPECT_TRUE(c.cboHsnXG.enabled);
    for (const WallPanel& p : s.walls) {
        EXPECT_FALSE(p.cbo[0].enabled);
        EXPECT_TRUE(p.cbo[2].enabled);
        EXPECT_TRUE(p.cbo[3].visible);  // shown by the first layout
    }
}

TEST(ColumnStartUp, RunningItAgainPressesTheCrossingAgain) {
    Schematic s;
    s.click_shape(2);
    LayoutColumnAtStartup(s.column, s.walls, s.state);
    EXPECT_EQ(pressed_button(s.column), 4);
    EXPECT_EQ(s.state.hasira_sd, 4);
    EXPECT_EQ(s.column.shpB_ih.rect.width, 2000);
    EXPECT_EQ(s.right().image.picture, "pic_kr");
}

TEST(ColumnDesign, ControlsCarryTheirNamesPlacesAndDesignState) {
    const ColumnPanel c = make_column_panel();
    EXPECT_EQ(c.img_hasira_s[5].name, "img_hasira_s");
    EXPECT_EQ(c.img_hasira_s[5].container, "SSTab1");
    EXPECT_EQ(c.img_hasira_s[5].tab_page, 0);
    EXPECT_TRUE(at(c.img_hasira_s[5], 1560, 1740));
    EXPECT_EQ(c.img_hasira_s[0].rect.width, 465);
    EXPECT_EQ(c.img_hasira_s[8].rect.height, 495);
    EXPECT_EQ(c.img_hasira_s[3].picture, "");
    EXPECT_FALSE(c.cboHsnXM[1].visible);
    EXPECT_FALSE(c.cboHsnYM[0].visible);
    EXPECT_TRUE(c.cboHsnXU_0.visible);
    EXPECT_EQ(c.cboHsnYM[0].rect.width, 615);
    EXPECT_EQ(c.cboHsnYG.text, "0");
    EXPECT_EQ(c.cmdWriHX.caption, "割");
    EXPECT_EQ(c.cmdWriHY.caption, "割");
    EXPECT_EQ(c.dot1[6].name, "dot1");
    EXPECT_EQ(c.dot1[6].index, 6);
    EXPECT_EQ(c.linSun_yt[3].container, "Picture2");
}

TEST(ColumnShape, ClickingAShapePressesExactlyItsButton) {
    frm_test::Window w;
    FrmMain& f = w.start();
    ASSERT_EQ(w.click("img_hasira_s(3)"), ActResult::Done);
    EXPECT_EQ(pressed_button(f.column), 3);
    EXPECT_EQ(f.state.hasira_sd, 3);
    // The pressed one again: still pressed, and laid out again, which validates the walls:
    // a part typed and not yet confirmed moves the other part.
    w.set("cboKabeSunRight(2)", "150");
    w.type("cboKabeSunRight(0)", "100");
    ASSERT_EQ(w.click("img_hasira_s(3)"), ActResult::Done);
    EXPECT_EQ(pressed_button(f.column), 3);
    EXPECT_EQ(w.text("cboKabeSunRight(1)"), "50");
    // The column is 2010 square after a shape change.
    EXPECT_TRUE(at(f.column.shpB_ih, 3245, 2745));
    EXPECT_EQ(f.column.shpB_ih.rect.width, 2010);

    // A shape outside the grid changes nothing, not even the pressed button.
    ApplyColumnShape(f.column, f.walls, f.state, 10);
    ApplyColumnShape(f.column, f.walls, f.state, -1);
    EXPECT_EQ(pressed_button(f.column), 3);
    EXPECT_EQ(f.state.hasira_sd, 3);
}

TEST(ColumnShape, WallImagesSitFlushOrCentredAsTheShapeSays) {
    Schematic s;
    s.click_shape(0);
    // Right wall's top edge level with the column's top, down wall's left edge with its
    // left face; no up or left wall.
    EXPECT_TRUE(at(s.right().image, 5240, 2745));
    EXPECT_TRUE(at(s.down().image, 3245, 4740));
    EXPECT_EQ(s.up().image.picture, "");
    EXPECT_EQ(s.left().image.picture, "");
    EXPECT_EQ(s.right().image.picture, "pic_kr");

    s.click_shape(4);  // every wall comes back, centred
    EXPECT_TRUE(at(s.up().image, 3868, 960));
    EXPECT_TRUE(at(s.right().image, 5240, 3368));
    EXPECT_TRUE(at(s.down().image, 3868, 4740));
    EXPECT_TRUE(at(s.left().image, 1460, 3368));
    EXPECT_EQ(s.up().image.picture, "pic_ku");

    s.click_shape(8);
    EXPECT_TRUE(at(s.up().image, 5255 - 764, 960));     // flush with the right face
    EXPECT_TRUE(at(s.left().image, 1460, 4755 - 764));  // flush with the bottom face
    EXPECT_EQ(s.right().image.picture, "");
    EXPECT_EQ(s.down().image.picture, "");

    s.click_shape(5);
    EXPECT_TRUE(at(s.down().image, 4491, 4740));
    EXPECT_TRUE(at(s.left().image, 1460, 3368));
}

TEST(ColumnReferenceLines, WallCentreLinesFollowTheFlushWalls) {
    Schematic s;
    s.click_optSin(1);
    s.click_shape(0);
    EXPECT_EQ(s.column.imgB_lt.rect.left, 4250 - 1005 + 382 - 7.5);
    EXPECT_EQ(s.column.imgB_ly.rect.top, 3750 - 1005 + 382 - 7.5);
    EXPECT_EQ(s.column.dot2[4].rect.left, 3619.5 - 35);
    EXPECT_EQ(s.column.dot1[4].rect.top, 3119.5 - 35);

    s.click_shape(8);
    EXPECT_EQ(s.column.imgB_lt.rect.left, 4250 + 1005 - 382 - 7.5);  // centred on the wall
    EXPECT_EQ(s.column.imgB_ly.rect.top, 3750 + 1005 - 382 - 7.5);
    EXPECT_EQ(s.column.dot2[4].rect.left, 4865.5 - 35);
    EXPECT_EQ(s.column.dot1[4].rect.top, 4365.5 - 35);

    // The crossing: through the column's centre, as with 柱芯.
    s.click_shape(4);
    EXPECT_TRUE(at(s.column.imgB_lt, 4242.5, 743));
    EXPECT_TRUE(at(s.column.imgB_ly, 1243, 3742.5));
    EXPECT_EQ(s.column.dot2[4].rect.left, 4215);
    EXPECT_EQ(s.column.dot1[4].rect.top, 3715);

    // A top T: the vertical line through the centre, the horizontal one along the walls.
    s.click_shape(1);
    EXPECT_EQ(s.column.imgB_lt.rect.left, 4242.5);
    EXPECT_EQ(s.column.dot2[4].rect.left, 4215);
    EXPECT_EQ(s.column.imgB_ly.rect.top, 3119.5);

    // Back to 柱芯: both lines through the column's centre whatever the shape.
    s.click_shape(8);
    s.click_optSin(0);
    EXPECT_TRUE(at(s.column.imgB_lt, 4242.5, 743));
    EXPECT_TRUE(at(s.column.imgB_ly, 1243, 3742.5));
    EXPECT_EQ(s.column.dot2[4].rect.left, 4215);
    EXPECT_EQ(s.column.dot1[4].rect.top, 3715);
}

TEST(ColumnRefresh, ValidationsRunAfterTheLayoutsTheyFollow) {
    // Wall-centre: a layout offers both parts, but a wall without thickness then has them
    // taken away by its validation, on every side.
    Schematic s;
    s.left().cbo[2].text = "150";
    s.click_optSin(1);
    EXPECT_TRUE(s.left().cbo[0].enabled);
    for (WallSide side : {Up, DOWN, Right}) {
        EXPECT_FALSE(s.side(side).cbo[0].enabled);
        EXPECT_FALSE(s.side(side).cbo[1].enabled);
    }

    // A thickness the layout read as non-zero but that the validation rejects.
    Schematic t;
    t.up().cbo[2].text = "-150";
    t.up().cbo[0].text = "75";
    t.click_shape(4);
    EXPECT_EQ(t.up().cbo[2].text, "0");
    EXPECT_FALSE(t.up().cbo[0].enabled);
    EXPECT_EQ(t.up().cbo[0].text, "0");
}

TEST(ColumnRefresh, TheReferenceModeIndexSelectsWhichPartFollows) {
    Schematic s;
    s.set_wall_texts(Left, {"100", "20", "150"});
    s.set_wall_texts(Right, {"100", "20", "150"});
    s.click_optSin(1);  // index 1: the first part follows the second
    EXPECT_EQ(s.left().cbo[0].text, "130");
    EXPECT_EQ(s.left().cbo[1].text, "20");
    s.set_wall_texts(Left, {"100", "20", "150"});
    s.click_optSin(0);  // index 0: the second follows the first
    EXPECT_EQ(s.left().cbo[0].text, "100");
    EXPECT_EQ(s.left().cbo[1].text, "50");
    EXPECT_EQ(s.right().cbo[1].text, "20");  // 130 + 20 already added up
}

TEST(ColumnRefresh, AShapeClickConfirmsEachSidesFirstPart) {
    Schematic s;
    s.up().cbo[0].items = items({"300", "250", "200", "180", "150"});
    s.set_wall_texts(Up, {"200", "0", "400"});
    s.click_shape(4);
    EXPECT_EQ(s.up().cbo[0].items, items({"200", "300", "250", "180", "150"}));
    EXPECT_EQ(s.up().cbo[1].text, "200");
    EXPECT_TRUE(s.up().cbo[0].enabled);
}

}  // namespace
}  // namespace quornel
