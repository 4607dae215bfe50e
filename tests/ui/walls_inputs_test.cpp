// Typing wall values, leaving the boxes or pressing Enter, the 割/面 buttons and 壁増打.
#include <gtest/gtest.h>

#include "column_fixture.h"
#include "frm_main_fixture.h"
#include "ui/number_box.h"

namespace quornel {
namespace {

using testing_panels::items;
using testing_panels::Schematic;
using enum WallSide;

std::array<std::string, 5> texts(const WallPanel& p) {
    return {p.cbo[0].text, p.cbo[1].text, p.cbo[2].text, p.cbo[3].text, p.cbo[4].text};
}

// Left side of an interior column in column-centre mode, set up the way a person does it:
// thickness first, then one part.
Schematic interior_with_left_75_75_150() {
    Schematic s;
    s.enter_wall(Left, 2, "150");
    s.enter_wall(Left, 0, "75");
    return s;
}

TEST(WallInputs, PartsFollowEachOtherAndANewThicknessClearsThem) {
    Schematic s = interior_with_left_75_75_150();
    WallPanel& left = s.left();
    ASSERT_EQ(left.cbo[1].text, "75");
    EXPECT_TRUE(left.cbo[0].enabled);
    EXPECT_TRUE(left.cbo[1].enabled);

    s.enter_wall(Left, 0, "100");
    EXPECT_EQ(left.cbo[1].text, "50");
    s.enter_wall(Left, 1, "30");
    EXPECT_EQ(left.cbo[0].text, "120");
    s.enter_wall(Left, 2, "200");
    EXPECT_EQ(left.cbo[0].text, "0");
    EXPECT_EQ(left.cbo[1].text, "0");
    // The other sides are untouched.
    EXPECT_EQ(texts(s.right()), (std::array<std::string, 5>{"0", "0", "0", "0", "0"}));
}

TEST(WallInputs, EnterInAPartBoxKeepsWhatWasTypedThere) {
    frm_test::Window w;
    w.start();
    w.set("cboKabeSunLeft(2)", "150");
    w.set("cboKabeSunLeft(0)", "75");
    const std::vector<std::string> list0 = w.box("cboKabeSunLeft(0)").items;
    ASSERT_EQ(w.type("cboKabeSunLeft(1)", "100"), ActResult::Done);
    ASSERT_EQ(w.enter("cboKabeSunLeft(1)"), ActResult::Done);
    EXPECT_EQ(w.text("cboKabeSunLeft(1)"), "100");
    EXPECT_EQ(w.text("cboKabeSunLeft(0)"), "50");
    EXPECT_EQ(w.box("cboKabeSunLeft(1)").items.front(), "100");
    EXPECT_EQ(w.box("cboKabeSunLeft(0)").items, list0);
    // What Enter confirmed is what a later text that is no number gives way to.
    w.type("cboKabeSunLeft(1)", "abc");
    w.enter("cboKabeSunLeft(1)");
    EXPECT_EQ(w.text("cboKabeSunLeft(1)"), "100");
    EXPECT_EQ(w.beeps.count, 1);
}

// A number as the program writes it is taken and shown plainly; any other text that is no
// number gives way to what the box held, with the warning beep and no message.
TEST(TypedNumbers, GroupedFullWidthOrWithAnExponentTakenAnyOtherTextGivesWay) {
    frm_test::Window w;
    w.start();
    w.set("cboHsnXG", "1,200");  // a dimension value copied from the drawing
    EXPECT_EQ(w.text("cboHsnXG"), "1200");
    EXPECT_EQ(w.box("cboHsnXG").items.front(), "1200");
    w.set("cboHsnXU_0", "１，０００");  // full-width, from the IME
    EXPECT_EQ(w.text("cboHsnXU_1"), "200");
    w.set("cboM_k", "2e1");
    EXPECT_EQ(w.text("cboKabeSunUp(3)"), "20");
    // Full-width digits: in the narrow box 「１２００」 would show as 「１２」.
    w.type("cboHsnYG", "１２００");
    w.enter("cboHsnYG");
    EXPECT_EQ(w.text("cboHsnYG"), "1200");
    for (const char* bad : {"12,5", "七十五", "1e", "1,2000"}) {
        w.set("cboHsnXU_0", bad);
        EXPECT_EQ(w.text("cboHsnXU_0"), "1000") << bad;
    }
    EXPECT_EQ(w.beeps.count, 4);
    EXPECT_TRUE(w.dialogs.shown().empty());
}

// Leaving 柱幅 X or a wall's 壁厚 (or Enter in it) clears its parts only when it holds
// another number than when the user went into it; what Enter confirmed counts as held.
TEST(TypedNumbers, OnlyANewTotalClearsItsParts) {
    struct Row {
        const char* total;
        const char* typed;  // null: the user only goes into the box
        bool enter;
        bool kept;
    };
    const Row rows[] = {
        {"cboHsnXG", nullptr, false, true},
        {"cboHsnXG", "800", false, true},
        {"cboHsnXG", "８００", true, true},
        {"cboHsnXG", "800.0", false, true},
        {"cboHsnXG", "abc", false, true},
        {"cboHsnXG", "900", false, false},
        {"cboHsnXG", "900", true, false},
        {"cboKabeSunLeft(2)", nullptr, true, true},
        {"cboKabeSunLeft(2)", "１５０", false, true},
        {"cboKabeSunLeft(2)", "150.0", true, true},
        {"cboKabeSunLeft(2)", "abc", true, true},
        {"cboKabeSunLeft(2)", "180", false, false},
        {"cboKabeSunLeft(2)", "180", true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.total) + " " + (row.typed ? row.typed : "(nothing)") +
                     (row.enter ? " Enter" : " leave"));
        frm_test::Window w;
        w.start();
        const bool column = std::string(row.total) == "cboHsnXG";
        const std::string part0 = column ? "cboHsnXU_0" : "cboKabeSunLeft(0)";
        const std::string part1 = column ? "cboHsnXU_1" : "cboKabeSunLeft(1)";
        const std::string held = column ? "800" : "150";
        w.set(row.total, held);
        w.set(part0, column ? "300" : "100");
        const std::string other = w.text(part1);
        if (row.typed) {
            ASSERT_EQ(w.type(row.total, row.typed), ActResult::Done);
        } else {
            ASSERT_EQ(w.form().user_focus(frm_test::ref(row.total)), ActResult::Done);
        }
        if (row.enter) {
            ASSERT_EQ(w.enter(row.total), ActResult::Done);
        }
        ASSERT_EQ(w.leave(row.total), ActResult::Done);
        EXPECT_EQ(w.text(part0), row.kept ? (column ? "300" : "100") : "0");
        EXPECT_EQ(w.text(part1), row.kept ? other : "0");
        if (row.kept) {
            EXPECT_EQ(text_value(w.text(row.total)), text_value(held));
        }
        EXPECT_TRUE(w.box(part0).enabled);
        EXPECT_EQ(w.beeps.count, row.typed && std::string(row.typed) == "abc" ? 1 : 0);
    }
}

// A shape click refreshes every wall: the wall box being edited first settles what was typed
// there, as leaving it does, and keeps the thickness it held.
TEST(TypedNumbers, AShapeClickSettlesTheWallBoxBeingEdited) {
    frm_test::Window w;
    w.start();
    w.set("cboKabeSunLeft(2)", "150");
    w.set("cboKabeSunLeft(0)", "100");
    w.type("cboKabeSunLeft(2)", "abc");
    ASSERT_EQ(w.click("img_hasira_s(5)"), ActResult::Done);
    EXPECT_EQ(w.text("cboKabeSunLeft(2)"), "150");
    EXPECT_EQ(w.beeps.count, 1);
    EXPECT_EQ(w.form().focus(), frm_test::ref("cboKabeSunLeft(2)"));
    w.leave("cboKabeSunLeft(2)");
    EXPECT_EQ(w.text("cboKabeSunLeft(0)"), "100");
    EXPECT_EQ(w.text("cboKabeSunLeft(1)"), "50");
    EXPECT_EQ(w.beeps.count, 1);
}

TEST(WallInputs, PartsAreWrittenBackAsShortNumbers) {
    Schematic s = interior_with_left_75_75_150();
    s.enter_wall(Left, 2, "150.3");
    s.enter_wall(Left, 0, "75.1");
    EXPECT_EQ(s.left().cbo[1].text, "75.2");
    s.enter_wall(Left, 0, "050");
    EXPECT_EQ(s.left().cbo[0].text, "50");
    s.enter_wall(Left, 0, "６０");  // full-width digits from the IME
    EXPECT_EQ(s.left().cbo[0].text, "60");
    EXPECT_EQ(s.left().cbo[1].text, "90.3");
}

TEST(WallInputs, EmptyNegativeAndNonNumericTexts) {
    Schematic s = interior_with_left_75_75_150();
    WallPanel& left = s.left();
    left.cbo[3].text = "";
    left.cbo[4].text = "-5";
    s.enter_wall(Left, 0, "-5");  // a part may be negative: the line lies outside the wall
    EXPECT_EQ(left.cbo[0].text, "-5");
    EXPECT_EQ(left.cbo[1].text, "155");
    EXPECT_EQ(left.cbo[3].text, "0");
    EXPECT_EQ(left.cbo[4].text, "0");

    s.enter_wall(Left, 2, "-5");  // a thickness may not
    EXPECT_EQ(left.cbo[2].text, "0");

    // Letters in a box the validation goes through (restored by 前回値, say) read as an
    // empty box: "0", and nothing enters a list.
    Schematic t = interior_with_left_75_75_150();
    t.left().cbo[0].items = items({"75", "60", "50", "40", "30"});
    t.enter_wall(Left, 0, "七十五");
    EXPECT_EQ(t.left().cbo[0].text, "0");
    EXPECT_EQ(t.left().cbo[1].text, "150");
    EXPECT_EQ(t.left().cbo[0].items, items({"75", "60", "50", "40", "30"}));
    t.left().cbo[4].text = "12,5";
    t.enter_wall(Left, 2, "1 50");
    EXPECT_EQ(t.left().cbo[2].text, "0");
    EXPECT_EQ(t.left().cbo[4].text, "0");
    EXPECT_FALSE(t.left().cbo[0].enabled);
}

TEST(WallInputs, ZeroThicknessDisablesThePartsDependingOnSideAndMode) {
    // Column-centre, interior column: the left side keeps its texts, up and down clear them.
    Schematic s;
    for (WallSide side : {Left, Up}) {
        s.side(side).cbo[0].text = "75";
        s.side(side).cbo[1].text = "75";
        s.enter_wall(side, 2, "0");
        EXPECT_FALSE(s.side(side).cbo[0].enabled);
        EXPECT_FALSE(s.side(side).cbo[1].enabled);
    }
    EXPECT_EQ(s.left().cbo[0].text, "75");
    EXPECT_EQ(s.up().cbo[0].text, "0");
    EXPECT_EQ(s.up().cbo[1].text, "0");

    // Wall-centre: the left side recomputes (combo 1 = 0 - combo 0), only the down side
    // clears both.
    Schematic w;
    w.click_optSin(1);
    for (WallSide side : {Left, DOWN, Up}) {
        w.side(side).cbo[0].text = "75";
        w.side(side).cbo[1].text = "75";
        w.side(side).cbo[2].text = "0";
        ValidateKabeSun(w.side(side), 0, w.state);
        EXPECT_FALSE(w.side(side).cbo[0].enabled);
    }
    EXPECT_EQ(w.left().cbo[0].text, "75");
    EXPECT_EQ(w.left().cbo[1].text, "-75");
    EXPECT_EQ(w.up().cbo[1].text, "-75");
    EXPECT_EQ(w.down().cbo[0].text, "0");
    EXPECT_EQ(w.down().cbo[1].text, "0");
}

TEST(WallInputs, FlushWallOffersItsOnePartWithoutRecomputing) {
    Schematic s;
    s.click_shape(1);  // the left wall is flush with the column's top face
    WallPanel& left = s.left();
    left.cbo[2].text = "150";
    left.cbo[1].text = "999";
    s.enter_wall(Left, 0, "300");
    EXPECT_EQ(left.cbo[0].text, "300");
    EXPECT_EQ(left.cbo[1].text, "999");
    EXPECT_TRUE(left.cbo[0].enabled);

    // A side without a wall still tidies its texts but computes nothing.
    s.click_shape(0);
    left.cbo[0].text = "abc";
    left.cbo[1].text = "40";
    s.enter_wall(Left, 2, "150");
    EXPECT_EQ(left.cbo[0].text, "0");
    EXPECT_EQ(left.cbo[1].text, "40");
}

TEST(WallInputs, ValidatingTwiceChangesNothingMore) {
    Schematic s = interior_with_left_75_75_150();
    WallPanel& left = s.left();
    left.cbo[0].items = items({"300", "250", "200", "180", "150"});
    s.enter_wall(Left, 0, "120");
    const auto once = texts(left);
    const auto list = left.cbo[0].items;
    ValidateKabeSun(left, 0, s.state);
    EXPECT_EQ(texts(left), once);
    EXPECT_EQ(left.cbo[0].items, list);
    EXPECT_EQ(list, items({"120", "300", "250", "200", "180"}));
}

TEST(WallInputs, SplitAndFlushButtons) {
    Schematic s = interior_with_left_75_75_150();
    WallPanel& left = s.left();
    left.cbo[0].text = "10";
    KabeWriClick(left, s.state, "300", "250");
    EXPECT_EQ(left.cbo[0].text, "75");
    EXPECT_EQ(left.cbo[1].text, "75");
    left.cbo[2].text = "125";
    KabeWriClick(left, s.state, "300", "250");
    EXPECT_EQ(left.cbo[0].text, "62.5");
    EXPECT_EQ(left.cbo[1].text, "62.5");
    // 15 digits: two written halves would make 2.00000000000002, which 作図 refuses.
    left.cbo[2].text = "2.00000000000001";
    KabeWriClick(left, s.state, "300", "250");
    EXPECT_TRUE(parts_make_total(box_value(left.cbo[0]), box_value(left.cbo[1]), 2.00000000000001));

    // 面 on the left wall of a top T takes the column's upper part.
    s.click_shape(1);
    left.cbo[1].text = "40";
    KabeWriClick(left, s.state, "300", "250");
    EXPECT_EQ(left.cbo[0].text, "300");
    EXPECT_EQ(left.cbo[1].text, "40");
    // A column part that is not a number counts as 0.
    KabeWriClick(left, s.state, "三百", "250");
    EXPECT_EQ(left.cbo[0].text, "0");

    // The down wall of a top-right corner is flush with the right face: face B.
    s.click_shape(2);
    s.down().cbo[0].text = "11";
    KabeWriClick(s.down(), s.state, "300", "250");
    EXPECT_EQ(s.down().cbo[1].text, "250");
    EXPECT_EQ(s.down().cbo[0].text, "11");

    // In wall-centre mode every button splits.
    s.click_optSin(1);
    s.down().cbo[2].text = "180";
    KabeWriClick(s.down(), s.state, "300", "250");
    EXPECT_EQ(s.down().cbo[0].text, "90");
    EXPECT_EQ(s.down().cbo[1].text, "90");
}

TEST(WallInputs, WallExtraThicknessGoesToEverySideOuterBoxes) {
    Schematic s = interior_with_left_75_75_150();
    ComboBox cboM_k;
    cboM_k.items = items({"30", "20", "15", "10", "5"});
    cboM_k.text = "20";
    ValidateKabeMasi(cboM_k, s.walls);
    EXPECT_EQ(cboM_k.items, items({"20", "30", "15", "10", "5"}));
    for (const WallPanel& p : s.walls) {
        EXPECT_EQ(p.cbo[3].text, "20");
        EXPECT_EQ(p.cbo[4].text, "20");
        EXPECT_TRUE(p.cbo[3].items.empty());  // the copies touch no list
    }
    EXPECT_EQ(texts(s.left()), (std::array<std::string, 5>{"75", "75", "150", "20", "20"}));

    for (const char* bad : {"-5", ""}) {
        cboM_k.text = bad;
        ValidateKabeMasi(cboM_k, s.walls);
        EXPECT_EQ(cboM_k.text, "0") << bad;
        EXPECT_EQ(s.up().cbo[4].text, "0") << bad;
    }
    EXPECT_EQ(cboM_k.items, items({"20", "30", "15", "10", "5"}));
}

}  // namespace
}  // namespace quornel
