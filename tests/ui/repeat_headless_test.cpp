// `quornel --repeat`: start-up, 「前回値」 and 「作図」 without a window, through the same
// handlers as the window.
#include <cstdlib>
#include <sstream>

#include "frm_main_fixture.h"
#include "platform/text_codec.h"
#include "ui/headless_run.h"

namespace quornel::frm_test {
namespace {

class Repeat : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef _WIN32
        // The current user's registry is a .reg file under this folder.
        const char* old = std::getenv("XDG_CONFIG_HOME");
        saved_ = old ? std::optional<std::string>(old) : std::nullopt;
        setenv("XDG_CONFIG_HOME", config_.path().string().c_str(), 1);
#endif
    }
    void TearDown() override {
#ifndef _WIN32
        if (saved_) {
            setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
#endif
    }

    int run(std::vector<std::string> args) {
        args.push_back("--dir");
        args.push_back(w.dir.path().string());
        StringSink out, err, messages;
        StreamDialogs dialogs(messages);
        const int status = run_headless(args, dialogs, out, err);
        out_ = out.str();
        err_ = err.str() + messages.str();
        return status;
    }

    // A first drawing made at the window: shape 5 in wall-centre mode, symbol 「柱１」.
    void draw_first() {
        w.dir.write("first.script",
                    "click img_hasira_s(5)\nclick optSin(1)\nclick optSunpoIti(2)\n"
                    "click optHasiraMoji(1)\n"
                    "type cboHsnXG 700\nleave cboHsnXG\nclick cmdWriHX\n"
                    "type cboHsnYG 650\nleave cboHsnYG\ntype cboHsnYU_0 300\nleave cboHsnYU_0\n"
                    "type cboM_h 15\nleave cboM_h\ntype cboM_k 20\nleave cboM_k\n"
                    "type cboKabeSunLeft(2) 150\nleave cboKabeSunLeft(2)\nclick cmdWriKL\n"
                    "type cboKabeSunUp(2) 120\nleave cboKabeSunUp(2)\nclick cmdWriKU\n"
                    "type cboKabeSunDOWN(2) 180\nleave cboKabeSunDOWN(2)\n"
                    "type cboKabeSunDOWN(0) 100\nleave cboKabeSunDOWN(0)\n"
                    "type cboHasiraKigou 柱１\nleave cboHasiraKigou\nclick cmdSakuzu\n");
        ASSERT_EQ(run({"--script", w.dir.file("first.script").string()}), 0) << err_;
        ASSERT_EQ(out_, "{\"closed\":true}\n");
        ASSERT_TRUE(w.dir.exists("JWC_TEMP.TXT"));
    }

    test::TempDir config_;
    std::optional<std::string> saved_;
    Window w;
    std::string out_, err_;
};

TEST_F(Repeat, DrawsThePreviousDrawingAgainAndLeavesTheDataFilesAsTheyWere) {
    draw_first();
    const std::string drawing = w.dir.read("JWC_TEMP.TXT");
    const std::string lists = w.dir.read("quornel.dat");
    const std::string previous = w.dir.read("quornel_res.dat");
    // The symbol reached the files in Shift-JIS.
    EXPECT_NE(drawing.find(*utf8_to_ansi("\"柱１")), std::string::npos);
    EXPECT_NE(previous.find(*utf8_to_ansi("HasiraKigou_d,柱１\r\n")), std::string::npos);
    EXPECT_NE(previous.find("hasira_sd,5\r\n"), std::string::npos);

    std::filesystem::remove(w.dir.file("JWC_TEMP.TXT"));
    EXPECT_EQ(run({"--repeat"}), 0) << err_;
    EXPECT_EQ(err_, "");
    EXPECT_EQ(out_, "");
    EXPECT_EQ(w.dir.read("JWC_TEMP.TXT"), drawing);
    EXPECT_EQ(w.dir.read("quornel.dat"), lists);
    EXPECT_EQ(w.dir.read("quornel_res.dat"), previous);
}

// 柱芯 at the crossing, a left wall 120 thick whose upper face lies 300 above the column's
// centre line: the window makes the lower part -180, a wall wholly above the centre line.
TEST_F(Repeat, AnOffCentreWallIsDrawnAtTheWindowAndAgain) {
    w.dir.write("off_centre.script",
                "type cboHsnXG 600\nleave cboHsnXG\nclick cmdWriHX\n"
                "type cboHsnYG 600\nleave cboHsnYG\nclick cmdWriHY\n"
                "type cboKabeSunLeft(2) 120\nleave cboKabeSunLeft(2)\n"
                "type cboKabeSunLeft(0) 300\nleave cboKabeSunLeft(0)\nclick cmdSakuzu\n");
    ASSERT_EQ(run({"--script", w.dir.file("off_centre.script").string()}), 0) << err_;
    ASSERT_EQ(out_, "{\"closed\":true}\n");
    const std::string drawing = w.dir.read("JWC_TEMP.TXT");
    // Faces at y = 300 and y = 300 - 120 = 180, from the column's left face x = -300 out
    // to 800 beyond it; the left edge of the structural outline is open between them.
    const std::string wall_lines = "-300  300 -1100  300 \r\n-300  180 -1100  180 \r\n";
    EXPECT_NE(drawing.find(wall_lines), std::string::npos) << drawing;
    EXPECT_NE(drawing.find("-300  300 -300  180 \r\n"), std::string::npos) << drawing;
    EXPECT_NE(w.dir.read("quornel_res.dat").find("KabeSunLeft_d_1,-180\r\n"), std::string::npos);

    std::filesystem::remove(w.dir.file("JWC_TEMP.TXT"));
    EXPECT_EQ(run({"--repeat"}), 0) << err_;
    EXPECT_EQ(w.dir.read("JWC_TEMP.TXT"), drawing);
}

TEST_F(Repeat, AnyProblemWithThePreviousValuesStopsWithoutOutput) {
    EXPECT_EQ(run({"--repeat"}), 1);  // no quornel_res.dat yet
    EXPECT_NE(err_.find("quornel_res.dat"), std::string::npos) << err_;
    EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));

    draw_first();
    std::filesystem::remove(w.dir.file("JWC_TEMP.TXT"));
    const std::string lists = w.dir.read("quornel.dat");
    const std::string good = w.dir.read("quornel_res.dat");
    auto damaged = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    for (const std::string& text :
         {damaged("hasira_sd,5", "hasira_sd,9"), damaged("optSin_d,1", "optSin_d,x"),
          damaged("M_h,15", "M_h 15"), damaged("SunpoIti_d,2", "SunpoIti_d,0"),
          good.substr(0, good.find("HsnXG"))}) {
        w.dir.write("quornel_res.dat", text);
        EXPECT_EQ(run({"--repeat"}), 1) << text;
        EXPECT_NE(err_.find("作図を中止しました"), std::string::npos) << err_;
        EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT")) << text;
        EXPECT_EQ(w.dir.read("quornel.dat"), lists);
        EXPECT_EQ(w.dir.read("quornel_res.dat"), text);
    }
    // Restored, but not drawable: the drawing's own check refuses it.
    w.dir.write("quornel_res.dat", damaged("KabeSunLeft_d_2,150", "KabeSunLeft_d_2,abc"));
    EXPECT_EQ(run({"--repeat"}), 1);
    EXPECT_NE(err_.find("左の壁の壁厚"), std::string::npos) << err_;
    EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));
    // A wall whose parts no longer make its thickness would be drawn narrower than it is.
    w.dir.write("quornel_res.dat", damaged("KabeSunLeft_d_0,75", "KabeSunLeft_d_0,0"));
    EXPECT_EQ(run({"--repeat"}), 1);
    EXPECT_NE(err_.find("「左の壁」の芯から上の面まで（0）"), std::string::npos) << err_;
    EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));
}

TEST_F(Repeat, WrongArgumentsAreExplained) {
    EXPECT_EQ(run({"--repeat", "--script", "x"}), 2);
    EXPECT_NE(err_.find("使い方"), std::string::npos);
    EXPECT_EQ(run({"--repeat", "--verbose"}), 2);
    EXPECT_NE(err_.find("--verbose"), std::string::npos);
    EXPECT_EQ(run({"--script", w.dir.file("none.script").string()}), 2);
    EXPECT_FALSE(is_headless_request({}));
    EXPECT_TRUE(is_headless_request({"--repeat"}));
}

}  // namespace
}  // namespace quornel::frm_test
