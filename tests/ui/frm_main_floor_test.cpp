// 「交点ごと」 at the window: the tenth choice of 「柱・壁 配置」 and its three check boxes, open
// only while they apply; the schematic of the crossing; the boxes of the walls joined by
// 「壁をつなぐ」; what 「作図」 does with them and what 「リセット」 puts back.
#include "frm_main_fixture.h"
#include "ui/script_runner.h"

namespace quornel::frm_test {
namespace {

const char* const kChecks[] = {"chkKabeTunagu", "chkSunpoHitotu", "chkGaisyuKabe"};

CheckBox& check(FrmMain& f, const std::string& name) {
    return *static_cast<CheckBox*>(f.find_control(name));
}

// Which of the three check boxes a person can use, and what each holds: "101" / "1.0".
std::string checks_seen(FrmMain& f) {
    std::string seen;
    for (const char* name : kChecks) seen += f.can_act_on(check(f, name)) ? "1" : ".";
    seen += "/";
    for (const char* name : kChecks) seen += std::to_string(check(f, name).value);
    return seen;
}

// Everything the schematic shows, as a dump prints it.
std::vector<std::string> schematic_seen(const FrmMain& f) {
    const std::vector<std::string> lines = dump_lines(f);
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < f.controls().size(); ++i)
        if (f.controls()[i]->container == "Picture2") seen.push_back(lines[i]);
    return seen;
}

TEST(FrmMainFloor, TheWholeFloorAndItsCheckBoxesAreOpenOnlyWhereTheyApply) {
    {
        // One crossing: no floor to draw.
        Window w;
        FrmMain& f = w.start();
        EXPECT_FALSE(f.can_act_on(f.column.img_hasira_s[kWholeFloor]));
        EXPECT_EQ(w.click("img_hasira_s(9)"), ActResult::Refused);
        EXPECT_EQ(checks_seen(f), ".../100");
        for (const char* name : kChecks) EXPECT_EQ(w.click(name), ActResult::Refused) << name;
        EXPECT_EQ(f.form.caption, "quornel");
    }
    Window w;
    w.dir.write("TEMP.TXT", floor_header());
    FrmMain& f = w.start();
    EXPECT_EQ(f.form.caption, "quornel（6 か所）");
    EXPECT_EQ(checks_seen(f), ".../100");  // waiting for the choice

    ASSERT_EQ(w.click("img_hasira_s(9)"), ActResult::Done);
    EXPECT_EQ(f.state.hasira_sd, kWholeFloor);
    EXPECT_EQ(f.column.img_hasira_s[9].picture, "img_botanD(9)");
    EXPECT_EQ(f.column.img_hasira_s[4].picture, "img_botanU(4)");
    EXPECT_EQ(f.form.caption, "quornel（6 か所：角 4・T 2）");
    EXPECT_EQ(checks_seen(f), "111/100");
    ASSERT_EQ(w.click("chkGaisyuKabe"), ActResult::Done);
    ASSERT_EQ(w.click("chkKabeTunagu"), ActResult::Done);
    EXPECT_EQ(checks_seen(f), "111/001");

    // In 「壁芯」 the outer faces have no meaning; the box keeps what it holds.
    ASSERT_EQ(w.click("optSin(1)"), ActResult::Done);
    EXPECT_EQ(checks_seen(f), "11./001");
    EXPECT_EQ(w.click("chkGaisyuKabe"), ActResult::Refused);
    ASSERT_EQ(w.click("optSin(0)"), ActResult::Done);
    EXPECT_EQ(checks_seen(f), "111/001");

    // Another shape: the choices wait, as they are, and the caption counts the places only.
    ASSERT_EQ(w.click("img_hasira_s(1)"), ActResult::Done);
    EXPECT_EQ(checks_seen(f), ".../001");
    EXPECT_EQ(f.form.caption, "quornel（6 か所）");
    EXPECT_EQ(f.column.img_hasira_s[9].picture, "img_botanU(9)");

    // Each one's tip starts with the name it shows (on one line).
    for (const char* name : kChecks) {
        const CheckBox& c = check(f, name);
        std::string shown = c.caption;
        std::erase(shown, '\n');
        EXPECT_EQ(c.tip.substr(0, c.tip.find('\n')), "「" + shown + "」");
    }
    EXPECT_EQ(f.column.img_hasira_s[9].tip.rfind("「交点ごと」\n", 0), 0u);
}

// The crossing's schematic, boxes, buttons and their rules, in both modes: with the walls
// unjoined nothing tells the two apart.
TEST(FrmMainFloor, TheWholeFloorLaysTheSchematicOutAsTheCrossing) {
    Window w;
    w.dir.write("TEMP.TXT", floor_header());
    FrmMain& f = w.start();
    w.set("cboKabeSunUp(2)", "150");
    w.set("cboKabeSunDOWN(2)", "0");
    w.set("cboKabeSunLeft(2)", "180");
    w.set("cboKabeSunLeft(0)", "100");
    ASSERT_EQ(w.click("img_hasira_s(9)"), ActResult::Done);
    ASSERT_EQ(w.click("chkKabeTunagu"), ActResult::Done);  // unjoined
    for (const char* mode : {"optSin(0)", "optSin(1)"}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(w.click(mode), ActResult::Done);
        ASSERT_EQ(w.click("img_hasira_s(4)"), ActResult::Done);
        const std::vector<std::string> crossing = schematic_seen(f);
        ASSERT_EQ(w.click("img_hasira_s(9)"), ActResult::Done);
        EXPECT_EQ(schematic_seen(f), crossing);
        // A part typed follows the crossing's rule: the other part makes the thickness.
        w.set("cboKabeSunUp(0)", "100");
        EXPECT_EQ(w.text("cboKabeSunUp(1)"), "50");
    }
}

TEST(FrmMainFloor, TheJoinedWallsBoxesFollowTheWallsTheyAreDrawnWith) {
    Window w;
    w.dir.write("TEMP.TXT", floor_header());
    FrmMain& f = w.start();
    w.set("cboKabeSunUp(2)", "150");
    w.set("cboKabeSunDOWN(2)", "200");
    w.set("cboKabeSunDOWN(0)", "120");
    w.set("cboKabeSunLeft(2)", "180");
    ASSERT_EQ(w.click("img_hasira_s(9)"), ActResult::Done);  // joined from the start
    auto follows = [&](const char* side, const char* source) {
        for (int i = 0; i < 5; ++i) {
            const std::string box =
                std::string("cboKabeSun") + side + "(" + std::to_string(i) + ")";
            const std::string from =
                std::string("cboKabeSun") + source + "(" + std::to_string(i) + ")";
            if (w.text(box) != w.text(from) || f.can_change(w.box(box)))
                return ::testing::AssertionFailure()
                       << box << " " << w.text(box) << " / " << from << " " << w.text(from);
        }
        return ::testing::AssertionSuccess();
    };
    EXPECT_TRUE(follows("DOWN", "Up"));
    EXPECT_TRUE(follows("Left", "Right"));
    EXPECT_FALSE(f.can_act_on(f.wall(WallSide::DOWN).cmdWri));
    EXPECT_FALSE(f.can_act_on(f.wall(WallSide::Left).cmdWri));
    EXPECT_TRUE(f.can_act_on(f.wall(WallSide::Up).cmdWri));

    // Settled by leaving, by Enter, by 「割」, by 壁増打: the joined boxes follow each time.
    w.set("cboKabeSunUp(0)", "100");
    EXPECT_EQ(w.text("cboKabeSunDOWN(1)"), "50");
    w.type("cboKabeSunRight(2)", "130");
    w.enter("cboKabeSunRight(2)");
    ASSERT_EQ(w.click("cmdWriKR"), ActResult::Done);
    EXPECT_EQ(w.text("cboKabeSunLeft(0)"), "65");
    w.set("cboM_k", "20");
    EXPECT_TRUE(follows("DOWN", "Up"));
    EXPECT_TRUE(follows("Left", "Right"));

    // Unjoined: each wall is the user's again, with the texts it showed.
    ASSERT_EQ(w.click("chkKabeTunagu"), ActResult::Done);
    for (const char* box : {"cboKabeSunDOWN(0)", "cboKabeSunDOWN(2)", "cboKabeSunDOWN(4)"})
        EXPECT_TRUE(f.can_act_on(w.box(box))) << box;
    EXPECT_TRUE(f.can_act_on(f.wall(WallSide::DOWN).cmdWri));
    EXPECT_EQ(w.text("cboKabeSunDOWN(2)"), "150");
    EXPECT_EQ(w.text("cboKabeSunDOWN(0)"), "100");
    EXPECT_EQ(w.text("cboKabeSunLeft(1)"), "65");
    w.set("cboKabeSunUp(2)", "160");
    EXPECT_EQ(w.text("cboKabeSunDOWN(2)"), "150");
    w.set("cboKabeSunDOWN(2)", "170");
    EXPECT_EQ(w.text("cboKabeSunDOWN(0)"), "0");  // its own thickness, its own rule

    // Joined again, then another shape: the same.
    ASSERT_EQ(w.click("chkKabeTunagu"), ActResult::Done);
    EXPECT_TRUE(follows("DOWN", "Up"));
    ASSERT_EQ(w.click("img_hasira_s(4)"), ActResult::Done);
    EXPECT_TRUE(f.can_act_on(w.box("cboKabeSunDOWN(2)")));
    EXPECT_EQ(w.text("cboKabeSunDOWN(2)"), "160");
}

// 「作図」 draws the floor the drawing's rules allow and refuses, in the drawing's words, what
// they do not; the window stays and nothing is written.
TEST(FrmMainFloor, SakuzuDrawsTheFloorOrRefusesItAsTheDrawingDoes) {
    auto enter_column = [](Window& w) {
        w.set("cboHsnXG", "600");
        w.click("cmdWriHX");
        w.set("cboHsnYG", "600");
        w.click("cmdWriHY");
        w.set("cboKabeSunUp(2)", "150");
        w.click("cmdWriKU");
        w.set("cboKabeSunRight(2)", "150");
        w.click("cmdWriKR");
    };
    {
        Window w;
        w.dir.write("TEMP.TXT", floor_header());
        FrmMain& f = w.start();
        enter_column(w);
        ASSERT_EQ(w.click("img_hasira_s(9)"), ActResult::Done);
        ASSERT_EQ(w.click("chkSunpoHitotu"), ActResult::Done);
        const SakuzuInput read = f.read_drawing_input();
        ASSERT_TRUE(read.input) << read.refusal;
        EXPECT_EQ(read.input->hasira_sd, kWholeFloor);
        EXPECT_TRUE(read.input->KabeTunagu);
        EXPECT_TRUE(read.input->SunpoHitotu);
        EXPECT_FALSE(read.input->GaisyuKabe);
        ASSERT_EQ(w.click("cmdSakuzu"), ActResult::Done);
        EXPECT_TRUE(f.closed) << w.dialogs.last().text;
        EXPECT_TRUE(w.dir.exists("JWC_TEMP.TXT"));
    }
    // A crossing picked off the grid lines stands alone.
    std::string header = test_header();
    header.insert(header.find("lg0"), "hp1 6000 0\r\nhp2 3000 4000\r\n");
    Window w;
    w.dir.write("TEMP.TXT", header);
    FrmMain& f = w.start();
    enter_column(w);
    ASSERT_EQ(w.click("img_hasira_s(9)"), ActResult::Done);
    EXPECT_EQ(f.form.caption, "quornel（3 か所：端 2・単独 1）");
    ASSERT_EQ(w.click("cmdSakuzu"), ActResult::Done);
    EXPECT_FALSE(f.closed);
    ASSERT_EQ(w.dialogs.shown().size(), 1u);
    EXPECT_NE(w.dialogs.last().text.find("3 か所目（TEMP.TXT の 10 行目「hp2 3000 4000」）には"),
              std::string::npos)
        << w.dialogs.last().text;
    EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));
    EXPECT_FALSE(w.dir.exists("quornel_res.dat"));
}

TEST(FrmMainFloor, ResetPutsTheCheckBoxesBackAsTheyStart) {
    Window w;
    w.dir.write("TEMP.TXT", floor_header());
    FrmMain& f = w.start();
    ASSERT_EQ(w.click("img_hasira_s(9)"), ActResult::Done);
    for (const char* name : kChecks) ASSERT_EQ(w.click(name), ActResult::Done) << name;
    EXPECT_EQ(checks_seen(f), "111/011");
    w.dialogs.answer(DialogAnswer::Yes);
    ASSERT_EQ(w.click("cmdReset"), ActResult::Done);
    EXPECT_EQ(f.state.hasira_sd, 4);
    EXPECT_EQ(checks_seen(f), ".../100");
    EXPECT_EQ(f.column.img_hasira_s[9].picture, "img_botanU(9)");
    EXPECT_TRUE(f.can_act_on(f.column.img_hasira_s[9]));
}

}  // namespace
}  // namespace quornel::frm_test
