// 「前回値」: bringing back the inputs of the last completed drawing.
#include "frm_main_fixture.h"
#include "platform/text_codec.h"
#include "settings/res_data.h"

namespace quornel::frm_test {
namespace {

// A previous run at shape 1 (top T) in wall-centre mode.
std::vector<std::string> previous_values() {
    std::vector<std::string> v = {"1",   "1",  "30", "20",  "2",   "0",   "柱A", "600", "200",
                                  "400", "30", "30", "500", "250", "250", "30",  "30"};
    const char* const sides[4][5] = {{"60", "60", "120", "20", "20"},    // DOWN
                                     {"0", "0", "0", "0", "0"},          // Up (no wall at 1)
                                     {"70", "80", "150", "20", "20"},    // Right
                                     {"90", "100", "190", "20", "20"}};  // Left
    for (const auto& side : sides) {
        for (const char* s : side) v.push_back(s);
    }
    return v;
}

std::string res_lines(const std::vector<std::string>& values,
                      std::size_t count = kResDataLinesAlways) {
    std::string out;
    for (std::size_t i = 0; i < count && i < values.size(); ++i) {
        out += std::string(kResDataLayout[i].key) + "," + values[i] + "\r\n";
    }
    return *utf8_to_ansi(out);
}

TEST(FrmMainPrevious, AGoodFileRestoresEveryInputAndTheWindowFollows) {
    Window w;
    FrmMain& f = w.start();
    w.dir.write("quornel_res.dat", res_lines(previous_values()));
    ASSERT_EQ(w.click("cmdResData"), ActResult::Done);
    EXPECT_TRUE(w.dialogs.shown().empty());

    EXPECT_TRUE(f.optSin[1].value);
    EXPECT_FALSE(f.optSin[0].value);
    EXPECT_EQ(f.state.optSin_d, 1);
    EXPECT_EQ(f.state.hasira_sd, 1);
    EXPECT_EQ(f.column.img_hasira_s[1].picture, "img_botanD(1)");
    EXPECT_EQ(f.column.img_hasira_s[4].picture, "img_botanU(4)");
    EXPECT_TRUE(f.optSunpoIti(2).value);
    EXPECT_FALSE(f.optSunpoIti(4).value);
    EXPECT_EQ(f.SunpoIti_d, 2);
    EXPECT_TRUE(f.optHasiraMoji[0].value);
    EXPECT_EQ(f.HasiraIti_d, 0);
    EXPECT_EQ(w.text("cboHasiraKigou"), "柱A");
    EXPECT_EQ(w.text("cboM_h"), "30");
    EXPECT_EQ(w.text("cboHsnXU_1"), "400");
    EXPECT_EQ(w.text("cboHsnYM(1)"), "30");
    EXPECT_EQ(w.text("cboKabeSunDOWN(2)"), "120");
    EXPECT_EQ(w.text("cboKabeSunLeft(1)"), "100");
    // Nothing was confirmed: the lists are as loaded.
    EXPECT_EQ(w.box("cboHsnXG").items.front(), "500");

    // Laid out again for the restored shape and mode: no wall above a top T, walls to the
    // sides with both parts offered.
    EXPECT_FALSE(f.is_shown(w.box("cboKabeSunUp(2)")));
    EXPECT_TRUE(f.can_act_on(w.box("cboKabeSunLeft(0)")));
    EXPECT_TRUE(f.can_act_on(w.box("cboKabeSunLeft(1)")));
    EXPECT_EQ(f.wall(WallSide::Left).cmdWri.caption, "割");

    // The restored column can be edited at once.
    ASSERT_TRUE(f.can_act_on(w.box("cboHsnXU_0")));
    w.set("cboHsnXU_0", "250");
    EXPECT_EQ(w.text("cboHsnXU_1"), "350");
}

TEST(FrmMainPrevious, RestoringChecksNothingAndTheFileIsReadByPosition) {
    Window w;
    w.start();
    std::vector<std::string> v = previous_values();
    v[7] = "-5";    // HsnXG: the LostFocus check would make it 0
    v[2] = "12,5";  // M_h with a comma: it comes back whole
    std::string text = res_lines(v);
    // Lines 3 and 4 swapped: the keys are not read, so the values change places.
    const auto l3 = text.find("M_h,");
    const auto l4 = text.find("M_k,");
    const auto l5 = text.find("SunpoIti_d,");
    text =
        text.substr(0, l3) + text.substr(l4, l5 - l4) + text.substr(l3, l4 - l3) + text.substr(l5);
    w.dir.write("quornel_res.dat", text);
    w.click("cmdResData");
    EXPECT_TRUE(w.dialogs.shown().empty());
    EXPECT_EQ(w.text("cboHsnXG"), "-5");
    EXPECT_EQ(w.text("cboM_h"), "20");
    EXPECT_EQ(w.text("cboM_k"), "12,5");
    // A total that does not read as positive leaves the parts closed.
    EXPECT_FALSE(w.box("cboHsnXU_0").enabled);
}

TEST(FrmMainPrevious, AMissingOrShortFileLeavesTheMissingInputsAndSaysSo) {
    Window w;
    FrmMain& f = w.start();
    w.set("cboM_h", "25");
    w.set("cboKabeSunLeft(2)", "180");

    // No quornel_res.dat (never drawn here, or moved away): said once, naming the folder,
    // what writes the file and the ways out.
    w.click("cmdResData");
    ASSERT_EQ(w.dialogs.shown().size(), 1u);
    EXPECT_EQ(w.dialogs.last().text,
              "前回値のファイル quornel_res.dat が、フォルダー「" + display_path(w.dir.path()) +
                  "」にありません。\n「作図」を完了するたびに、quornel がそのときの入力を"
                  "このファイルに書きます。ファイルを移したときはこのフォルダーに戻し、"
                  "そうでなければ一度「作図」してください。");
    EXPECT_EQ(w.text("cboM_h"), "25");

    // Ten lines: those are restored, the rest stays as the user left it.
    w.dir.write("quornel_res.dat", res_lines(previous_values(), 10));
    w.click("cmdResData");
    ASSERT_EQ(w.dialogs.shown().size(), 2u);
    const std::string message = w.dialogs.last().text;
    EXPECT_NE(message.find("quornel_res.dat"), std::string::npos);
    EXPECT_NE(message.find("11 行目"), std::string::npos);
    EXPECT_NE(message.find("37 行目"), std::string::npos);
    EXPECT_EQ(message.find("10 行目"), std::string::npos);
    EXPECT_EQ(w.text("cboM_h"), "30");
    EXPECT_EQ(w.text("cboHsnXU_1"), "400");
    EXPECT_EQ(w.text("cboHsnXM(1)"), "25");  // copied from 柱増打 when it was left
    EXPECT_EQ(w.text("cboKabeSunLeft(2)"), "180");
    EXPECT_EQ(f.state.hasira_sd, 1);
}

TEST(FrmMainPrevious, ValuesTheWindowCannotTakeCountAsMissing) {
    Window w;
    FrmMain& f = w.start();
    w.click("img_hasira_s(2)");
    w.click("optSunpoIti(3)");
    std::vector<std::string> v = previous_values();
    v[0] = "x";   // 柱芯/壁芯 not a number
    v[1] = "10";  // no shape 10
    v[4] = "0";   // there is no dimension position 0
    v[5] = " 1";  // compared exactly
    std::string text = res_lines(v);
    text.replace(text.find("M_k,20"), 6, "M_k 20");  // a line without a comma
    w.dir.write("quornel_res.dat", text);
    w.click("cmdResData");

    ASSERT_EQ(w.dialogs.shown().size(), 1u);
    const std::string message = w.dialogs.last().text;
    for (const char* line : {"1 行目", "2 行目", "4 行目", "5 行目", "6 行目"}) {
        EXPECT_NE(message.find(line), std::string::npos) << line << "\n" << message;
    }
    EXPECT_EQ(message.find("3 行目"), std::string::npos);
    // The shape stays, and its button stays pressed.
    EXPECT_EQ(f.state.hasira_sd, 2);
    EXPECT_EQ(f.column.img_hasira_s[2].picture, "img_botanD(2)");
    EXPECT_EQ(f.state.optSin_d, 0);
    EXPECT_TRUE(f.optSin[0].value);
    EXPECT_EQ(f.SunpoIti_d, 3);
    EXPECT_TRUE(f.optSunpoIti(3).value);
    EXPECT_EQ(f.HasiraIti_d, 4);
    EXPECT_EQ(w.text("cboM_k"), "0");
    // The usable lines came back.
    EXPECT_EQ(w.text("cboM_h"), "30");
    EXPECT_EQ(w.text("cboKabeSunRight(1)"), "80");
}

// A set of 「交点ごと」 comes back as it was stored, as the crossing where only one crossing was
// handed over; a set without its lines (of 1.2.0, or of the whole floor before 外周) takes
// their defaults; none of that is a problem to report.
TEST(FrmMainPrevious, TheWholeFloorComesBackWhereItCanBeDrawnAndItsLinesMayBeMissing) {
    std::vector<std::string> floor = previous_values();
    floor[0] = "0";  // 柱芯
    floor[1] = "9";
    for (const char* v : {"0", "1", "1"}) floor.push_back(v);
    std::vector<std::string> bad = floor;
    bad[39] = "2";
    const struct {
        const char* what;
        std::string file;
        bool crossings;
        int shape;
        std::string checks;  // which can be used / each value
        std::string message;
    } cases[] = {
        {"the floor", res_lines(floor, 40), true, 9, "111/011", ""},
        {"the floor, one crossing", res_lines(floor, 40), false, 4, ".../011", ""},
        {"before 外周", res_lines(floor, 39), true, 9, "111/010", ""},
        {"1.2.0", res_lines(previous_values()), true, 1, ".../100", ""},
        {"a check box of 2", res_lines(bad, 40), true, 9, "111/011",
         "前回値ファイル quornel_res.dat の次の行は使えないため、その項目は今のままです。\n"
         "40 行目（GaisyuKabe_d）: 外周の壁を柱の外面に合わせる「2」は 0 か 1 ではありません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Window w;
        if (c.crossings) w.dir.write("TEMP.TXT", floor_header());
        FrmMain& f = w.start();
        if (c.crossings) {
            // What the window held before: 「外周」 on, the rest as at the start.
            ASSERT_EQ(w.click("img_hasira_s(9)"), ActResult::Done);
            ASSERT_EQ(w.click("chkGaisyuKabe"), ActResult::Done);
            ASSERT_EQ(w.click("img_hasira_s(0)"), ActResult::Done);
        }
        w.dir.write("quornel_res.dat", c.file);
        ASSERT_EQ(w.click("cmdResData"), ActResult::Done);
        EXPECT_EQ(w.dialogs.shown().empty() ? "" : w.dialogs.last().text, c.message);
        EXPECT_EQ(f.state.hasira_sd, c.shape);
        EXPECT_EQ(f.column.img_hasira_s[c.shape].picture,
                  "img_botanD(" + std::to_string(c.shape) + ")");
        std::string checks;
        for (const CheckBox* b : {&f.chkKabeTunagu, &f.chkSunpoHitotu, &f.chkGaisyuKabe})
            checks += f.can_act_on(*b) ? "1" : ".";
        checks += "/";
        for (const CheckBox* b : {&f.chkKabeTunagu, &f.chkSunpoHitotu, &f.chkGaisyuKabe})
            checks += std::to_string(b->value);
        EXPECT_EQ(checks, c.checks);
        // Unjoined, the wall below holds its own values.
        EXPECT_EQ(w.text("cboKabeSunDOWN(2)"), "120");
    }
}

}  // namespace
}  // namespace quornel::frm_test
