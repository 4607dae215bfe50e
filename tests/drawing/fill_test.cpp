// 塗り: the filled sections come first in the stream, worked out by hand in data/fill/*.txt
// for the T junction, and a hatch that would need too many lines is refused.
#include <gtest/gtest.h>

#include "cases.h"
#include "drawing/drawing_run.h"

namespace quornel::test {
namespace {

DrawingInput filled(FillKind column, FillKind walls) {
    DrawingInput in = hand_case("t_junction");
    in.fill.pen = {7, 3, 1};  // ly7 lc4 lt2
    in.fill.column = column;
    in.fill.walls = walls;
    in.fill.pitch_mm = 3;
    return in;
}

// Each case fills the column one way and the walls the other, so a kind taken from the wrong
// list shows; without fill the stream is the one of the T junction, byte for byte.
TEST(Fill, ComesFirstAndLeavesTheRestOfTheDrawingAsItWas) {
    const struct {
        FillKind column, walls;
        const char* fills;  // data/fill/<name>.txt; null: nothing before the column
    } cases[] = {
        {FillKind::Solid, FillKind::Hatch, "t_junction_solid_hatch"},
        {FillKind::Hatch, FillKind::Solid, "t_junction_hatch_solid"},
        {FillKind::None, FillKind::None, nullptr},
    };
    for (const auto& c : cases) {
        Result<std::string> actual = drawing_commands(filled(c.column, c.walls));
        ASSERT_TRUE(actual.ok()) << actual.message();
        const std::string fills = c.fills ? expected_stream(std::string("fill/") + c.fills) : "";
        EXPECT_EQ(first_difference(fills + expected_stream("t_junction"), *actual), "")
            << (c.fills ? c.fills : "no fill");
    }
}

// At scale 1:1 and 1 mm the lines lie √2 apart along x. A column 14141.4 wide and 14142.2
// deep, from the crossing to the right and up, meets the lines of k = ⌈-14141.4 / √2⌉ =
// -9999 to ⌊14142.2 / √2⌋ = 10000: 20000 lines, the most one copy may have. 1.4 deeper,
// ⌊14143.6 / √2⌋ = 10001: one too many. A hatched wall adds its own lines; a solid one none.
TEST(Fill, AHatchOfMoreThanTwentyThousandLinesIsRefused) {
    DrawingInput in = base_input();
    in.header.Syukusyaku = 1;
    in.XU1 = 14141.4;
    in.YU0 = 14142.2;
    in.walls[0] = {75, 75, 150, 0, 0};  // Up
    in.fill = {.pen = {}, .column = FillKind::Hatch, .walls = FillKind::Solid, .pitch_mm = 1};
    Result<std::string> most = drawing_commands(in);
    ASSERT_TRUE(most.ok()) << most.message();
    std::size_t hatch_lines = 0;
    for (std::size_t at = most->find("z1\r\n"); at != std::string::npos;
         at = most->find("z1\r\n", at + 1))
        ++hatch_lines;
    EXPECT_EQ(hatch_lines, 20000u);

    for (auto spoil : {+[](DrawingInput& d) { d.YU0 = 14143.6; },
                       +[](DrawingInput& d) { d.fill.walls = FillKind::Hatch; }}) {
        DrawingInput more = in;
        spoil(more);
        Result<std::string> refused = drawing_commands(more);
        ASSERT_FALSE(refused.ok());
        EXPECT_EQ(refused.message(),
                  "斜線が 1 か所で 20,000 本を超えるため作図できません（縮尺 1/1、斜線の間隔 1 "
                  "mm）。\n「基本設定」の「斜線の間隔」を広げるか、「柱の塗り」「壁の塗り」を"
                  "「ソリッド」にしてから、もう一度「作図」を押してください。");
    }
}

}  // namespace
}  // namespace quornel::test
