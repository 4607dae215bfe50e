// Inputs the drawing refuses before anything is written, each with a message that tells the
// user which value to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "cases.h"
#include "drawing/drawing_run.h"

namespace quornel::test {
namespace {

struct Refusal {
    const char* what;
    std::function<void(DrawingInput&)> spoil;
    const char* message_names;
};

TEST(Refusals, EachNamesTheValue) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Refusal cases[] = {
        {"column part NaN", [=](DrawingInput& in) { in.XU1 = nan; }, "「柱幅 X の右側」"},
        {"column part negative", [](DrawingInput& in) { in.YU0 = -1; }, "「柱せい Y の上側」"},
        {"extra thickness huge", [](DrawingInput& in) { in.YM1 = 1e12; }, "「柱増打」"},
        {"wall value infinite", [=](DrawingInput& in) { in.walls[2][4] = inf; },
         "「右の壁の下の増打」"},
        {"wall thickness negative", [](DrawingInput& in) { in.walls[3][2] = -150; },
         "「左の壁の壁厚」"},
        {"wall part huge", [](DrawingInput& in) { in.walls[0][1] = -2e7; },
         "「上の壁の芯から右の面まで」"},
        {"wall parts that do not make the thickness",
         [](DrawingInput& in) { in.walls[3][0] = 100; }, "「左の壁」の芯から上の面まで（100）"},
        {"shape out of range", [](DrawingInput& in) { in.hasira_sd = 10; }, "柱の位置"},
        {"a whole floor at one crossing", [](DrawingInput& in) { in.hasira_sd = 9; },
         "「交点ごと」は交点が 2 か所以上のときに使えます"},
        {"layer out of range", [](DrawingInput& in) { in.wall.layer = 16; }, "壁のレイヤー"},
        {"colour out of range", [](DrawingInput& in) { in.body.colour = 6; }, "躯体柱の線色"},
        {"line type out of range", [](DrawingInput& in) { in.cross.line_type = -1; },
         "構造クロスの線種"},
        {"symbol text type", [](DrawingInput& in) { in.symbol_text_type = 10; }, "柱記号の文字種"},
        {"scale zero", [](DrawingInput& in) { in.header.Syukusyaku = 0; }, "縮尺"},
        {"text width negative", [](DrawingInput& in) { in.header.SunpouMojiW = -2; },
         "寸法文字の幅"},
        {"HANARE NaN", [=](DrawingInput& in) { in.jw.HANARE = nan; }, "HANARE"},
        {"SENColor negative", [](DrawingInput& in) { in.jw.SENColor = -1; }, "SENColor"},
        {"symbol with a line break",
         [](DrawingInput& in) { in.symbol = in.symbol_ansi = "C1\r\n0 0 9 9"; }, "柱記号"},
        {"symbol the code page cannot write",
         [](DrawingInput& in) {
             in.symbol = "한";
             in.symbol_ansi = "";
         },
         "柱記号「한」"},
    };
    for (const Refusal& c : cases) {
        DrawingInput in = hand_case("crossing");
        c.spoil(in);
        Result<std::string> out = drawing_commands(in);
        ASSERT_FALSE(out.ok()) << c.what;
        EXPECT_NE(out.message().find(c.message_names), std::string::npos)
            << c.what << ": " << out.message();
    }
}

TEST(Refusals, ValuesAJwCadUserMaySetAreAccepted) {
    DrawingInput in = hand_case("crossing");
    in.jw.SUNPOSEN2 = -3;  // Jw_cad allows dimension lines on the other side
    in.jw.TENColor = 9;
    in.jw.ShowComma = std::nan("");
    in.header.Syukusyaku = 0.5;            // 2:1 detail
    in.header.KigouMojiD = -1;             // a narrower symbol
    in.HasiraIti_d = 200;                  // any other value: lower right
    in.SunpoIti_d = 0;                     // any other value: below and right
    in.walls[3] = {300, -180, 120, 0, 0};  // a wall wholly above the reference line
    in.walls[1] = {0, 0, 0, 0, 0};         // no wall below
    EXPECT_TRUE(drawing_commands(in).ok()) << drawing_commands(in).message();
}

}  // namespace
}  // namespace quornel::test
