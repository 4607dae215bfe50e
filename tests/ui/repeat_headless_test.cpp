// `quornel --repeat`: start-up, 「前回値」 and 「作図」 without a window, through the same
// handlers as the window.
#include <cstdlib>
#include <sstream>

#include "exchange/number_text.h"
#include "frm_main_fixture.h"
#include "platform/text_codec.h"
#include "settings/types_data.h"
#include "ui/headless_run.h"

namespace quornel::frm_test {
namespace {

// The command lines of a drawing moved by (dx, dy), worked out on the text as a reader of
// JWC_TEMP.TXT sees it: a line holds four coordinates, "pt" two, a text ("ch ", "cs ") two
// before its direction, a solid ("sl ") eight; every other line (layer, colour, markers) has
// none.
std::string moved_drawing(const std::string& commands, double dx, double dy) {
    std::string out;
    std::istringstream lines(commands);
    for (std::string line; std::getline(lines, line);) {
        line.pop_back();  // CR
        std::size_t at = 0, coordinates = 0;
        if (line.starts_with("pt")) {
            at = 2, coordinates = 2;
        } else if (line.starts_with("ch ") || line.starts_with("cs ")) {
            at = 3, coordinates = 2;
        } else if (line.starts_with("sl ")) {
            at = 3, coordinates = 8;
        } else if (line.empty() || line[0] == ' ' || line[0] == '-' || line[0] == '0') {
            coordinates = 4;
        }
        std::string moved = line.substr(0, at);
        for (std::size_t i = 0; i < coordinates; ++i) {
            // "-300 ", " 1200 " or the fixed zero "0 ": up to the blank after the digits.
            const std::size_t end = line.find(' ', line[at] == ' ' ? at + 1 : at);
            const double value = *parse_number(line.substr(at, end - at));
            moved += format_item(value + (i % 2 == 0 ? dx : dy));
            at = end + 1;
        }
        out += moved + line.substr(at) + "\r\n";
    }
    return out;
}

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
    const std::string types = w.dir.read("quornel_types.dat");
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
    EXPECT_EQ(w.dir.read("quornel_types.dat"), types);
}

// A second type drawn after the first: --symbol draws the first again exactly as --repeat
// would with it as the previous values, and makes it the previous values and newest type.
TEST_F(Repeat, ASymbolDrawsItsTypeAsRepeatDrawsThePreviousValues) {
    draw_first();
    const std::string first = w.dir.read("JWC_TEMP.TXT");
    const std::string first_previous = w.dir.read("quornel_res.dat");
    w.dir.write("second.script",
                "type cboHsnXG 900\nleave cboHsnXG\nclick cmdWriHX\n"
                "type cboHsnYG 600\nleave cboHsnYG\nclick cmdWriHY\n"
                "type cboHasiraKigou C2\nleave cboHasiraKigou\nclick cmdSakuzu\n");
    ASSERT_EQ(run({"--script", w.dir.file("second.script").string()}), 0) << err_;
    const std::string lists = w.dir.read("quornel.dat");

    // As Jw_cad passes the text typed at quornel_symbol_repeat.bat's prompt, and in full.
    for (const char* symbol : {"/S柱１", "--symbol"}) {
        std::vector<std::string> args{"--repeat", symbol};
        if (args[1] == "--symbol") args.push_back("柱１");
        std::filesystem::remove(w.dir.file("JWC_TEMP.TXT"));
        EXPECT_EQ(run(args), 0) << err_;
        EXPECT_EQ(err_, "");
        EXPECT_EQ(w.dir.read("JWC_TEMP.TXT"), first);
        EXPECT_EQ(w.dir.read("quornel_res.dat"), first_previous);
        EXPECT_EQ(w.dir.read("quornel.dat"), lists);
        EXPECT_EQ(read_types_data(real_file_system(), w.dir.path()).types.front().symbol, "柱１");
        w.dir.write("quornel_res.dat", "");  // 「前回値」 is not what draws it
    }
    // /S alone: nothing typed at the prompt, the previous column.
    w.dir.write("quornel_res.dat", first_previous);
    std::filesystem::remove(w.dir.file("JWC_TEMP.TXT"));
    EXPECT_EQ(run({"--repeat", "/S"}), 0) << err_;
    EXPECT_EQ(w.dir.read("JWC_TEMP.TXT"), first);

    // A symbol never drawn: refused as any other problem of --repeat, nothing written.
    std::filesystem::remove(w.dir.file("JWC_TEMP.TXT"));
    const std::vector<std::string> files = w.dir.entries();
    const std::string types = w.dir.read("quornel_types.dat");
    EXPECT_EQ(run({"--repeat", "/SC9"}), 1);
    EXPECT_NE(
        err_.find(
            "「C9」の柱はまだ作図していません。\n記録のある柱記号（新しい順）: 「柱１」、「C2」"),
        std::string::npos)
        << err_;
    EXPECT_NE(err_.find("作図を中止しました"), std::string::npos) << err_;
    EXPECT_EQ(w.dir.entries(), files);
    EXPECT_EQ(w.dir.read("quornel_res.dat"), first_previous);
    EXPECT_EQ(w.dir.read("quornel_types.dat"), types);
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

// Jw_cad's file after the user clicked four crossings: the column at the first and again at
// the three others, each copy whole and moved, the header handed back without the points.
TEST_F(Repeat, DrawsTheSameColumnAtEveryCrossing) {
    draw_first();
    const std::string header = test_header();
    const std::size_t lg = header.find("lg0");
    const std::string single = w.dir.read("JWC_TEMP.TXT");
    const std::string echo = header.substr(3);  // less "hq" and the CR after it
    ASSERT_EQ(single.rfind(echo, 0), 0u);
    const std::string commands = single.substr(echo.size() + 2);

    w.dir.write("TEMP.TXT", header.substr(0, lg) +
                                "hp1-  -39902.7596123089 -21231.6354329471\r\n"
                                "hp2   -16512.3573276753 -18964.6813169972\r\n"
                                "hp3-  10000000 10000000\r\n"
                                "hp4-  -16512.3573276753 -18964.6813169972\r\n" +
                                header.substr(lg));
    EXPECT_EQ(run({"--repeat"}), 0) << err_;
    EXPECT_EQ(w.dir.read("JWC_TEMP.TXT"),
              echo + "\r\n" + commands +
                  moved_drawing(commands, -39902.7596123089, -21231.6354329471) +
                  moved_drawing(commands, -16512.3573276753, -18964.6813169972) +
                  moved_drawing(commands, 10000000, 10000000));
    // The reference lines' fixed zeros are coordinates like any other once moved.
    EXPECT_NE(commands.find("\r\n0 "), std::string::npos);
    EXPECT_NE(w.dir.read("JWC_TEMP.TXT").find("\r\n 10000000 "), std::string::npos);
}

// 塗り saved on 「基本設定」 and read back from the registry by the repeat: every copy has
// its fills, worked out once and moved with the rest.
TEST_F(Repeat, DrawsTheSavedFillsAtEveryCrossing) {
    w.dir.write("fill.script",
                "click SSTab1(1)\nchoose cbo_nuri_hasira 1\nchoose cbo_nuri_kabe 2\n"
                "choose cbo_nuri_pitch 2\nchoose cbo_nuri_ly 9\nclick cmdS_hozon\n");
    ASSERT_EQ(run({"--script", w.dir.file("fill.script").string()}), 0) << err_;
    draw_first();
    const std::string header = test_header();
    const std::string echo = header.substr(3);
    const std::string commands = w.dir.read("JWC_TEMP.TXT").substr(echo.size() + 2);
    // The fill pen, the column solid, then the three walls hatched at 2 mm.
    ASSERT_EQ(commands.rfind("ly9\r\nlc1\r\nlt1\r\nsl ", 0), 0u) << commands;
    const std::size_t after_solid = commands.find("\r\n", commands.find("sl ")) + 2;
    EXPECT_EQ(commands.find("sl ", after_solid), std::string::npos);
    EXPECT_EQ(commands.find("z1\r\n"), after_solid);

    const std::size_t lg = header.find("lg0");
    w.dir.write("TEMP.TXT", header.substr(0, lg) + "hp1  4000 -2500.5\r\n" + header.substr(lg));
    EXPECT_EQ(run({"--repeat"}), 0) << err_;
    EXPECT_EQ(w.dir.read("JWC_TEMP.TXT"),
              echo + "\r\n" + commands + moved_drawing(commands, 4000, -2500.5));
}

// 「交点ごと」 repeated: drawn again exactly, its three lines read back and stored unchanged;
// with one crossing handed over, the drawing's own check refuses it with the way out.
TEST_F(Repeat, TheWholeFloorIsDrawnAgainOrRefusedWithOneCrossing) {
    w.dir.write("TEMP.TXT", floor_header());
    w.dir.write("floor.script",
                "type cboHsnXG 600\nleave cboHsnXG\nclick cmdWriHX\n"
                "type cboHsnYG 600\nleave cboHsnYG\nclick cmdWriHY\n"
                "click img_hasira_s(9)\nclick chkSunpoHitotu\n"
                "type cboKabeSunUp(2) 150\nleave cboKabeSunUp(2)\nclick cmdWriKU\n"
                "type cboKabeSunRight(2) 120\nleave cboKabeSunRight(2)\nclick cmdWriKR\n"
                "click cmdSakuzu\n");
    ASSERT_EQ(run({"--script", w.dir.file("floor.script").string()}), 0) << err_;
    ASSERT_EQ(out_, "{\"closed\":true}\n");
    const std::string drawing = w.dir.read("JWC_TEMP.TXT");
    const std::string previous = w.dir.read("quornel_res.dat");
    EXPECT_NE(previous.find("hasira_sd,9\r\n"), std::string::npos);
    EXPECT_EQ(previous.substr(previous.find("KabeSunLeft_d_4,")),
              "KabeSunLeft_d_4,0\r\nKabeTunagu_d,1\r\nSunpoHitotu_d,1\r\nGaisyuKabe_d,0\r\n");

    std::filesystem::remove(w.dir.file("JWC_TEMP.TXT"));
    EXPECT_EQ(run({"--repeat"}), 0) << err_;
    EXPECT_EQ(w.dir.read("JWC_TEMP.TXT"), drawing);
    EXPECT_EQ(w.dir.read("quornel_res.dat"), previous);

    std::filesystem::remove(w.dir.file("JWC_TEMP.TXT"));
    w.dir.write("TEMP.TXT", test_header());
    EXPECT_EQ(run({"--repeat"}), 1);
    EXPECT_NE(err_.find("「交点ごと」は交点が 2 か所以上のときに使えます"), std::string::npos)
        << err_;
    EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));
    EXPECT_EQ(w.dir.read("quornel_res.dat"), previous);
}

TEST_F(Repeat, AnyProblemWithThePreviousValuesStopsWithoutOutput) {
    // No quornel_res.dat: one message, naming the folder and the batch file that draws first.
    EXPECT_EQ(run({"--repeat"}), 1);
    EXPECT_EQ(err_.substr(err_.find("前回値のファイル")),
              "前回値のファイル quornel_res.dat が、フォルダー「" + display_path(w.dir.path()) +
                  "」にありません。\n「作図」を完了するたびに、quornel がそのときの入力を"
                  "このファイルに書きます。ファイルを移したときはこのフォルダーに戻し、"
                  "そうでなければ先に quornel.bat で作図してください。\n")
        << err_;
    EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));
    std::string with_point = test_header();
    with_point.insert(with_point.find("lg0"), "hp1   3000 0\r\n");
    w.dir.write("TEMP.TXT", with_point);
    EXPECT_EQ(run({"--repeat"}), 1);
    EXPECT_NE(err_.find("先に quornel_multi.bat か quornel.bat で作図してください。"),
              std::string::npos)
        << err_;
    w.dir.write("TEMP.TXT", test_header());

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
         {damaged("hasira_sd,5", "hasira_sd,10"), damaged("optSin_d,1", "optSin_d,x"),
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
    // A column of no depth, as 1.1 stored it after a 「作図」 with every box at 0.
    std::string flat = damaged("HsnYG,650", "HsnYG,0");
    flat = flat.replace(flat.find("HsnYU_0,300"), 11, "HsnYU_0,0");
    flat = flat.replace(flat.find("HsnYU_1,350"), 11, "HsnYU_1,0");
    w.dir.write("quornel_res.dat", flat);
    EXPECT_EQ(run({"--repeat"}), 1);
    EXPECT_NE(err_.find("柱せい Y が 0 です。"), std::string::npos) << err_;
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
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--symbol", "C2"}, {"/SC2"}, {"--script", "x", "/SC2"}}) {
        EXPECT_EQ(run(args), 2);
        EXPECT_NE(err_.find("--repeat といっしょに"), std::string::npos) << err_;
        EXPECT_TRUE(is_headless_request(args));
    }
    EXPECT_FALSE(is_headless_request({}));
    EXPECT_TRUE(is_headless_request({"--repeat"}));
}

}  // namespace
}  // namespace quornel::frm_test
