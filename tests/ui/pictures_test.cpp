// The stored pictures of the window: what the user sees next to a pen list and on the
// nine column-shape buttons.
#include "ui/pictures.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quornel {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kGrey = 0xC0C0C0;

Bitmap picture(const std::string& id) {
    auto bitmap = picture_for(id);
    EXPECT_TRUE(bitmap.has_value()) << id;
    return bitmap.value_or(Bitmap());
}

std::string indexed(const char* name, int i) {
    return std::string(name) + "(" + std::to_string(i) + ")";
}

// ---- pen samples ----------------------------------------------------------------------

TEST(PenSamples, EachColourSampleIsOneSolidBarOfItsColour) {
    const uint32_t expected[6] = {
        0x00FFFF,  // 線色１ cyan
        0x000000,  // 線色２ black
        0x00FF00,  // 線色３ green
        0xFFFF00,  // 線色４ yellow
        0xFF00FF,  // 線色５ magenta
        0x0000FF,  // 線色６ blue
    };
    for (int i = 0; i < 6; ++i) {
        const Bitmap b = picture(indexed("pic_nPenColor", i));
        ASSERT_EQ(b.width, 55) << i;
        ASSERT_EQ(b.height, 2) << i;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 55; ++x) ASSERT_EQ(b.at(x, y), expected[i]) << i << " at " << x;
    }
}

// Runs from the left: positive = that many black pixels, negative = that many grey ones.
std::vector<int> runs_of(const Bitmap& b) {
    std::vector<int> runs;
    for (int x = 0; x < b.width; ++x) {
        const uint32_t c = b.at(x, 0);
        EXPECT_TRUE(c == kBlack || c == kGrey) << "pixel " << x << " is " << std::hex << c;
        const int sign = c == kBlack ? 1 : -1;
        if (!runs.empty() && (runs.back() > 0) == (sign > 0))
            runs.back() += sign;
        else
            runs.push_back(sign);
    }
    return runs;
}

TEST(PenSamples, EachLineTypeSampleHasExactlyItsDashes) {
    // Written out run by run from the table of line types, repetitions expanded.
    const std::vector<std::vector<int>> expected = {
        /* 実線１   */ {55},
        /* 点線１   */ {-2, 4, -4, 4, -4, 4, -4, 4, -4, 4, -4, 4, -4, 4, -1},
        /* 点線２   */ {4, -4, 4, -4, 4, -4, 4, -4, 4, -4, 4, -4, 4, -3},
        /* 点線３   */ {7, -4, 8, -4, 8, -4, 8, -4, 8},
        /* 一点鎖１ */ {11, -4, 4, -4, 8, -4, 4, -4, 12},
        /* 一点鎖２ */ {6, -4, 4, -4, 18, -4, 4, -4, 7},
        /* 二点鎖１ */ {2, -1, 2, -2, 6, -2, 2, -2, 2, -2, 8, -2, 2, -2, 2, -2, 6, -2, 2, -2, 2},
        /* 二点鎖２ */ {11, -2, 2, -2, 2, -2, 13, -2, 2, -2, 2, -2, 11},
        /* 補助線種 */ {-3, 2, -2, 2, -2, 2, -2, 2, -2, 2, -2, 2, -1, 2,
                        -2, 2, -2, 2, -2, 2, -2, 2, -2, 2, -2, 2, -3},
    };
    for (int i = 0; i < 9; ++i) {
        const Bitmap b = picture(indexed("pic_nPenStyle", i));
        ASSERT_EQ(b.width, 55) << i;
        ASSERT_EQ(b.height, 1) << i;
        EXPECT_EQ(runs_of(b), expected[i]) << "line type " << i;
    }
}

TEST(PenSamples, AuxiliaryLineStartsThreePixelsInWithTwoPixelDashes) {
    const Bitmap b = picture("pic_nPenStyle(8)");
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.at(x, 0), kGrey) << x;
    EXPECT_EQ(b.at(3, 0), kBlack);
    EXPECT_EQ(b.at(4, 0), kBlack);
    EXPECT_EQ(b.at(5, 0), kGrey);
}

// ---- column-shape buttons --------------------------------------------------------------

enum Side { kUp, kDown, kLeft, kRight };

// Which walls each shape has, from the column's place in its wall grid.
bool has_wall(int shape, Side side) {
    static const std::set<int> left = {1, 2, 4, 5, 7, 8}, right = {0, 1, 3, 4, 6, 7},
                               down = {0, 1, 2, 3, 4, 5}, up = {3, 4, 5, 6, 7, 8};
    switch (side) {
        case kUp:
            return up.count(shape) > 0;
        case kDown:
            return down.count(shape) > 0;
        case kLeft:
            return left.count(shape) > 0;
        case kRight:
            return right.count(shape) > 0;
    }
    return false;
}

// The black pixels met when crossing the strip between the column and the button's edge
// on one side, 4 pixels in from the bevel: the face lines of the wall on that side.
std::vector<int> black_across(const Bitmap& b, Side side) {
    std::vector<int> found;
    for (int t = 2; t <= 28; ++t) {
        int x = t, y = t;
        switch (side) {
            case kUp:
                y = 5;
                break;
            case kDown:
                y = 25;
                break;
            case kLeft:
                x = 5;
                break;
            case kRight:
                x = 25;
                break;
        }
        if (b.at(x, y) == kBlack) found.push_back(t);
    }
    return found;
}

// The column square: the first and last rows (or columns) of its black outline, found
// along a line through the button's middle.
std::pair<int, int> column_span(const Bitmap& b, bool vertical) {
    int first = -1, last = -1;
    for (int t = 0; t < 31; ++t) {
        const uint32_t c = vertical ? b.at(13, t) : b.at(t, 13);
        if (c == kBlack) {
            if (first < 0) first = t;
            last = t;
        }
    }
    return {first, last};
}

TEST(ShapeButtons, ShowWallsOnExactlyTheSidesOfTheirShape) {
    const char* side_names[] = {"up", "down", "left", "right"};
    for (const char* store : {"img_botanU", "img_botanD"}) {
        for (int shape = 0; shape < 9; ++shape) {
            const Bitmap b = picture(indexed(store, shape));
            ASSERT_EQ(b.width, 31);
            ASSERT_EQ(b.height, 31);
            for (Side side : {kUp, kDown, kLeft, kRight}) {
                const size_t lines = black_across(b, side).size();
                EXPECT_EQ(lines, has_wall(shape, side) ? 2u : 0u)
                    << store << " shape " << shape << " " << side_names[side];
            }
        }
    }
}

// Walls beside the column lie flush with the column face on the building's edge: the
// corner and T columns of the top row have their side walls level with the column's top,
// those of the left column their walls above and below level with its left face.
TEST(ShapeButtons, WallsLieFlushWithTheColumnFaceAtTheBuildingEdge) {
    // place 0: flush with the column's top (left) face, 1: centred, 2: flush with its bottom
    // (right) face. `lines` are the wall's two face lines, `low`/`high` the column's faces.
    auto check = [](int place, const std::vector<int>& lines, int low, int high, int shape) {
        ASSERT_EQ(lines.size(), 2u) << "shape " << shape;
        switch (place) {
            case 0:
                EXPECT_EQ(lines.front(), low) << "shape " << shape;
                break;
            case 1:
                EXPECT_EQ(lines.front() + lines.back(), low + high) << "shape " << shape;
                break;
            case 2:
                EXPECT_EQ(lines.back(), high) << "shape " << shape;
                break;
        }
    };
    for (int shape = 0; shape < 9; ++shape) {
        const Bitmap b = picture(indexed("img_botanU", shape));
        const auto [top, bottom] = column_span(b, true);
        const auto [left, right] = column_span(b, false);
        ASSERT_LT(top, bottom);
        ASSERT_LT(left, right);
        for (Side side : {kUp, kDown, kLeft, kRight}) {
            if (!has_wall(shape, side)) continue;
            if (side == kLeft || side == kRight)
                check(shape / 3, black_across(b, side), top, bottom, shape);
            else
                check(shape % 3, black_across(b, side), left, right, shape);
        }
    }
}

TEST(ShapeButtons, BlueCentreLinesCrossAtTheColumn) {
    for (int shape = 0; shape < 9; ++shape) {
        const Bitmap b = picture(indexed("img_botanU", shape));
        const auto [top, bottom] = column_span(b, true);
        const auto [left, right] = column_span(b, false);
        const int cx = (left + right) / 2, cy = (top + bottom) / 2;
        EXPECT_EQ(b.at(cx, cy), 0x0000FFu) << shape;
        // Dash-dot: blue and gaps alternate along each line, out to both edges.
        int blue_v = 0, blue_h = 0;
        for (int t = 2; t <= 28; ++t) {
            blue_v += b.at(cx, t) == 0x0000FF;
            blue_h += b.at(t, cy) == 0x0000FF;
        }
        EXPECT_GT(blue_v, 12) << shape;
        EXPECT_LT(blue_v, 27) << shape;
        EXPECT_EQ(blue_h, blue_v) << shape;
        EXPECT_EQ(b.at(cx, 3), 0x0000FFu) << shape;
        EXPECT_EQ(b.at(3, cy), 0x0000FFu) << shape;
    }
}

bool on_bevel(int x, int y) {
    return x < 2 || y < 2 || x > 28 || y > 28;
}

TEST(ShapeButtons, PressedDiffersFromRaisedOnlyByTheInvertedBevel) {
    for (int shape = 0; shape <= 9; ++shape) {
        const Bitmap up = picture(indexed("img_botanU", shape));
        const Bitmap down = picture(indexed("img_botanD", shape));
        for (int y = 0; y < 31; ++y)
            for (int x = 0; x < 31; ++x)
                if (!on_bevel(x, y)) {
                    ASSERT_EQ(up.at(x, y), down.at(x, y)) << x << "," << y;
                }
        // Inverted: the light top-left edge of the raised button is the pressed button's
        // bottom-right edge, and the other way round.
        for (int t = 2; t <= 28; ++t) {
            EXPECT_EQ(down.at(t, 30), up.at(t, 0)) << shape;
            EXPECT_EQ(down.at(30, t), up.at(0, t)) << shape;
            EXPECT_EQ(down.at(t, 0), up.at(t, 30)) << shape;
            EXPECT_EQ(down.at(t, 1), up.at(t, 29)) << shape;
            EXPECT_NE(down.at(t, 0), up.at(t, 0)) << shape;
        }
    }
}

// 「交点ごと」 is a floor, not one column: four columns on two grid lines each way, a wall
// from each to the next, nothing in the middle; unlike any of the nine.
TEST(ShapeButtons, TheWholeFloorShowsFourColumnsJoinedByWalls) {
    const Bitmap b = picture("img_botanU(9)");
    constexpr uint32_t kFace = 0xC0C0C0, kColumn = 0x808080, kBlue = 0x0000FF;
    for (int x : {8, 22}) {
        for (int y : {8, 22}) {
            EXPECT_EQ(b.at(x, y), kBlue) << x << "," << y;  // the grid lines cross in it
            EXPECT_EQ(b.at(x - 2, y - 2), kColumn) << x << "," << y;
            EXPECT_EQ(b.at(x - 3, y - 3), kBlack) << x << "," << y;
        }
        // A wall between the columns on each line: its two faces, and the line between them.
        EXPECT_EQ(b.at(15, x - 2), kBlack) << x;
        EXPECT_EQ(b.at(15, x + 2), kBlack) << x;
        EXPECT_EQ(b.at(x - 2, 15), kBlack) << x;
        EXPECT_EQ(b.at(x + 2, 15), kBlack) << x;
        EXPECT_EQ(b.at(15, x - 1), kFace) << x;
    }
    EXPECT_EQ(b.at(15, 15), kFace);
    for (int shape = 0; shape < 9; ++shape)
        EXPECT_NE(picture(indexed("img_botanU", shape)).pixels, b.pixels);
    // Greyed while it cannot be chosen: every colour halfway to the button's face.
    const Bitmap grey = greyed(b);
    EXPECT_EQ(grey.at(15, 6), 0x606060u);
    EXPECT_EQ(grey.at(8, 8), 0x6060DFu);
    EXPECT_EQ(grey.at(15, 15), kFace);
}

TEST(ShapeButtons, RaisedButtonIsLitFromTheTopLeft) {
    const Bitmap b = picture("img_botanU(4)");
    auto brightness = [](uint32_t c) { return (c >> 16 & 0xFF) + (c >> 8 & 0xFF) + (c & 0xFF); };
    EXPECT_GT(brightness(b.at(15, 0)), brightness(b.at(15, 30)));
    EXPECT_GT(brightness(b.at(0, 15)), brightness(b.at(30, 15)));
}

// ---- schematic pieces and the icon -----------------------------------------------------

TEST(SchematicPictures, WallPiecesHaveBlackFacesAlongTheirLengthAndOpenEnds) {
    for (const char* id : {"pic_ku", "pic_kd"}) {
        const Bitmap b = picture(id);
        ASSERT_EQ(b.width, 51) << id;
        ASSERT_EQ(b.height, 120) << id;
        for (int y = 0; y < 120; ++y) {
            EXPECT_EQ(b.at(0, y), kBlack) << id << " " << y;
            EXPECT_EQ(b.at(50, y), kBlack) << id << " " << y;
        }
        int black_on_ends = 0;
        for (int x = 1; x < 50; ++x)
            black_on_ends += (b.at(x, 0) == kBlack) + (b.at(x, 119) == kBlack);
        EXPECT_EQ(black_on_ends, 0) << id;
    }
    for (const char* id : {"pic_kl", "pic_kr"}) {
        const Bitmap b = picture(id);
        ASSERT_EQ(b.width, 120) << id;
        ASSERT_EQ(b.height, 51) << id;
        for (int x = 0; x < 120; ++x) {
            EXPECT_EQ(b.at(x, 0), kBlack) << id << " " << x;
            EXPECT_EQ(b.at(x, 50), kBlack) << id << " " << x;
        }
        int black_on_ends = 0;
        for (int y = 1; y < 50; ++y)
            black_on_ends += (b.at(0, y) == kBlack) + (b.at(119, y) == kBlack);
        EXPECT_EQ(black_on_ends, 0) << id;
    }
}

TEST(SchematicPictures, CentreLinesAreDashDotAndSolidWhereTheyCrossTheColumn) {
    const Bitmap v = picture("pic_lt");
    const Bitmap h = picture("pic_ly");
    ASSERT_EQ(v.width, 1);
    ASSERT_EQ(v.height, 401);
    ASSERT_EQ(h.width, 401);
    ASSERT_EQ(h.height, 1);
    std::set<int> dash_lengths;
    int run = 0;
    for (int i = 0; i < 401; ++i) {
        EXPECT_EQ(v.at(0, i), h.at(i, 0)) << i;
        if (h.at(i, 0) == h.at(200, 0)) {
            ++run;
        } else {
            if (run > 0 && i - run > 0) dash_lengths.insert(run);
            run = 0;
        }
    }
    // A long dash and a short dot, and the middle sits in the long dash.
    EXPECT_EQ(dash_lengths.size(), 2u);
    for (int i = 190; i <= 210; ++i) EXPECT_EQ(h.at(i, 0), h.at(200, 0)) << i;
}

TEST(SchematicPictures, IconIsAColumnWithWallsInTheSixteenStandardColours) {
    const Bitmap b = picture("icon");
    ASSERT_EQ(b.width, 32);
    ASSERT_EQ(b.height, 32);
    const std::set<uint32_t> palette = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                        0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                        0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    std::set<uint32_t> used;
    for (uint32_t c : b.pixels) {
        EXPECT_TRUE(palette.count(c)) << std::hex << c;
        used.insert(c);
    }
    EXPECT_GE(used.size(), 3u);
    // Walls leave the column on all four sides: black faces near every edge.
    EXPECT_EQ(b.at(12, 2), kBlack);
    EXPECT_EQ(b.at(12, 29), kBlack);
    EXPECT_EQ(b.at(2, 12), kBlack);
    EXPECT_EQ(b.at(29, 12), kBlack);
}

TEST(SchematicPictures, UnknownIdsGiveNoPicture) {
    for (const char* id : {"", "pic_nPenColor(6)", "pic_nPenStyle(9)", "img_botanU(10)",
                           "img_botanD(-1)", "img_botanU()", "img_botanU(4", "img_botanU(4)x",
                           "img_botanU( 4)", "pic_nPenColor", "Pic_ku", "pic_k", "icons"}) {
        EXPECT_FALSE(picture_for(id).has_value()) << '"' << id << '"';
    }
}

}  // namespace
}  // namespace quornel
