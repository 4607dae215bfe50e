// Tab and Shift+Tab as a person presses them: where the focus goes, page by page and layout by
// layout.
#include <algorithm>
#include <set>

#include "frm_main_fixture.h"

namespace quornel::frm_test {
namespace {

// The stops Tab (Shift+Tab) reaches, pressed again and again from the tab control itself until
// it comes round: one round of the page shown.
std::vector<std::string> tab_round(Window& w, bool backwards = false) {
    FrmMain& f = w.form();
    EXPECT_EQ(w.click("SSTab1(" + std::to_string(f.SSTab1.tab) + ")"), ActResult::Done);
    std::vector<std::string> round;
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(f.user_tab(backwards), ActResult::Done);
        const std::string at = to_string(f.focus());
        if (!round.empty() && at == round.front()) break;
        round.push_back(at);
    }
    return round;
}

// The column and every wall the shape shows have a size, so that no part box waits disabled
// for its total.
void fill_the_crossing(Window& w) {
    w.set("cboHsnXG", "600");
    w.set("cboHsnYG", "600");
    for (const char* side : {"Up", "DOWN", "Right", "Left"}) {
        const std::string thickness = std::string("cboKabeSun") + side + "(2)";
        if (w.form().can_act_on(w.box(thickness))) w.set(thickness, "150");
    }
}

// 「作図」 read as a person reads it: the column on the left from the top (柱・壁 配置 is clicked,
// not tabbed to), the schematic row by row with each 「割」 after its box, the buttons below. A
// group of option buttons is its chosen one. Shift+Tab goes the same way back.
TEST(TabOrder, TabReadsTheDrawingPageColumnSchematicThenButtons) {
    Window w;
    w.start();
    fill_the_crossing(w);
    const std::vector<std::string> expected = {
        "optSin(0)", "cboM_h", "cboM_k", "optSunpoIti(4)", "optHasiraMoji(4)", "cboHasiraKigou",
        // the wall above: its thickness row, then its parts
        "cboKabeSunUp(3)", "cboKabeSunUp(2)", "cmdWriKU", "cboKabeSunUp(4)",  //
        "cboKabeSunUp(0)", "cboKabeSunUp(1)",
        // the rows of the column's depth, with the walls to the sides
        "cboKabeSunLeft(3)", "cboKabeSunLeft(0)", "cboHsnYU_0", "cboHsnYG", "cmdWriHY",
        "cboKabeSunRight(0)", "cboKabeSunRight(3)",                         //
        "cboKabeSunLeft(2)", "cmdWriKL", "cboKabeSunRight(2)", "cmdWriKR",  //
        "cboKabeSunLeft(4)", "cboKabeSunLeft(1)", "cboHsnYU_1", "cboKabeSunRight(1)",
        "cboKabeSunRight(4)",
        // the column's width, then the wall below
        "cboHsnXU_0", "cboHsnXU_1", "cboHsnXG", "cmdWriHX",  //
        "cboKabeSunDOWN(0)", "cboKabeSunDOWN(1)",            //
        "cboKabeSunDOWN(3)", "cboKabeSunDOWN(2)", "cmdWriKD", "cboKabeSunDOWN(4)",
        // the buttons
        "cmdResData", "cmdKigouData", "cmdSakuzu", "cmdReset", "cmdClose"};
    EXPECT_EQ(tab_round(w), expected);
    std::vector<std::string> back = tab_round(w, true);
    std::reverse(back.begin(), back.end());
    EXPECT_EQ(back, expected);

    // Another choice moves the group's stop to it.
    ASSERT_EQ(w.click("optSunpoIti(1)"), ActResult::Done);
    EXPECT_EQ(tab_round(w)[3], "optSunpoIti(1)");
}

// 「基本設定」: its rows from the top, each left to right, the frame 「塗り」 with the row 塗り,
// where it ends, then the page's two buttons.
TEST(TabOrder, TabReadsTheSettingsPageRowByRow) {
    Window w;
    w.start();
    ASSERT_EQ(w.click("SSTab1(1)"), ActResult::Done);
    EXPECT_EQ(tab_round(w), (std::vector<std::string>{
                                "cbo_h_ly",        "cbo_h_nPenColor",    "cbo_h_nPenStyle",   //
                                "cbo_x_ly",        "cbo_x_nPenColor",    "cbo_x_nPenStyle",   //
                                "cbo_k_ly",        "cbo_k_nPenColor",    "cbo_k_nPenStyle",   //
                                "cbo_kh_ly",       "cbo_kh_nPenColor",   "cbo_kh_nPenStyle",  //
                                "cbo_hm_ly",       "cbo_hm_cn",                               //
                                "cbo_sun_ly",                                                 //
                                "cbo_nuri_ly",     "cbo_nuri_nPenColor", "cbo_nuri_nPenStyle",
                                "cbo_nuri_hasira", "cbo_nuri_kabe",      "cbo_nuri_pitch",  //
                                "cmdS_hozon",      "cmdS_reset"}));
}

// A disabled or hidden control is passed over, as Windows passes over it; leaving a box with Tab
// checks it first, and what that disables is passed over too.
TEST(TabOrder, TabPassesOverWhatCannotBeUsed) {
    Window w;
    FrmMain& f = w.start();
    // Without a depth its parts wait disabled, and so do a wall's parts without its thickness:
    // from 柱せい Y Tab goes to its 「割」, then past the right wall's parts to its extra
    // thickness.
    ASSERT_EQ(w.type("cboHsnYG", "600"), ActResult::Done);
    ASSERT_EQ(f.user_tab(false), ActResult::Done);
    EXPECT_EQ(f.focus(), ref("cmdWriHY"));
    EXPECT_EQ(w.box("cboHsnYG").items.front(), "600");  // left, so checked
    ASSERT_EQ(f.user_tab(false), ActResult::Done);
    EXPECT_EQ(f.focus(), ref("cboKabeSunRight(3)"));

    // A width of 0 disables the parts that Shift+Tab was about to reach.
    fill_the_crossing(w);
    ASSERT_EQ(w.type("cboHsnXG", "0"), ActResult::Done);
    ASSERT_EQ(f.user_tab(true), ActResult::Done);
    EXPECT_FALSE(f.can_act_on(w.box("cboHsnXU_1")));
    EXPECT_EQ(f.focus(), ref("cboKabeSunRight(4)"));

    // 「交点ごと」 waits for crossings, its check boxes for it; 壁芯 closes 「外周…」.
    const std::vector<std::string> plain = tab_round(w);
    for (const char* name : {"chkKabeTunagu", "chkGaisyuKabe", "chkSunpoHitotu"})
        EXPECT_EQ(std::count(plain.begin(), plain.end(), name), 0) << name;
}

// Tab passes through 「壁増打」 on its way to the schematic: the extra thickness typed for one
// wall stays, as when the box is clicked and left unchanged (「20」 and 「２０」 are one number);
// a new number is copied into every wall's, as before.
TEST(TabOrder, PassingThroughTheWallExtraThicknessKeepsEachWallsOwn) {
    Window w;
    FrmMain& f = w.start();
    w.set("cboM_k", "20");
    EXPECT_EQ(w.text("cboKabeSunRight(3)"), "20");
    w.set("cboKabeSunRight(3)", "35");
    ASSERT_EQ(w.type("cboM_h", "0"), ActResult::Done);
    ASSERT_EQ(f.user_tab(false), ActResult::Done);
    ASSERT_EQ(f.focus(), ref("cboM_k"));
    ASSERT_EQ(f.user_tab(false), ActResult::Done);
    EXPECT_EQ(w.text("cboKabeSunRight(3)"), "35");
    w.set("cboM_k", "２０");
    EXPECT_EQ(w.text("cboKabeSunRight(3)"), "35");
    w.set("cboM_k", "25");
    EXPECT_EQ(w.text("cboKabeSunRight(3)"), "25");
    EXPECT_EQ(w.text("cboKabeSunLeft(4)"), "25");
}

// At every shape, in 柱芯 and in 壁芯, with 「交点ごと」 over six crossings and its check boxes:
// one round reaches every control a person can use exactly once (each option group once), the
// left column first and the page's buttons last, and each 「割」/「面」 right after the box it
// splits or fills. The order is made from where the controls stand after each layout.
TEST(TabOrder, EveryLayoutIsOneRoundOfEveryControl) {
    for_each_layout([&](Window& w, int shape, int mode) {
        FrmMain& f = w.form();
        fill_the_crossing(w);
        const std::vector<std::string> round = tab_round(w);

        std::set<std::string> usable;
        for (const Control* c : f.controls()) {
            if (!takes_focus(c->kind) || c->kind == ControlKind::TabControl) continue;
            if (!f.can_act_on(*c)) continue;
            if (c->kind == ControlKind::OptionButton && !static_cast<const OptionButton*>(c)->value)
                continue;
            usable.insert(to_string(ControlRef{c->name, c->index}));
        }
        EXPECT_EQ(std::set<std::string>(round.begin(), round.end()), usable);
        EXPECT_EQ(round.size(), usable.size());

        ASSERT_FALSE(round.empty());
        EXPECT_EQ(round.front(), "optSin(" + std::to_string(mode) + ")");
        const bool floor = shape == kWholeFloor;
        EXPECT_EQ(round[1], floor ? "chkKabeTunagu" : "cboM_h");
        EXPECT_EQ(round.back(), "cmdClose");
        const auto schematic_starts =
            std::find_if(round.begin(), round.end(), [&](const std::string& name) {
                const Control* c = f.find_control(ref(name).name, ref(name).index);
                return c && c->container == "Picture2";
            });
        ASSERT_NE(schematic_starts, round.begin());
        EXPECT_EQ(*(schematic_starts - 1), "cboHasiraKigou");
        EXPECT_EQ(*(round.end() - 5), "cmdResData");

        for (const char* split :
             {"cmdWriHX", "cmdWriHY", "cmdWriKU", "cmdWriKD", "cmdWriKR", "cmdWriKL"}) {
            const auto at = std::find(round.begin(), round.end(), split);
            if (at == round.end()) continue;  // a wall the shape lacks, or one joined
            const std::string box = split == std::string("cmdWriHX") ? "cboHsnXG"
                                    : split == std::string("cmdWriHY")
                                        ? "cboHsnYG"
                                        : std::string("cboKabeSun") +
                                              (split[7] == 'U'   ? "Up"
                                               : split[7] == 'D' ? "DOWN"
                                               : split[7] == 'R' ? "Right"
                                                                 : "Left") +
                                              "(2)";
            ASSERT_NE(at, round.begin()) << split;
            EXPECT_EQ(*(at - 1), box) << split;
        }
    });
}

}  // namespace
}  // namespace quornel::frm_test
