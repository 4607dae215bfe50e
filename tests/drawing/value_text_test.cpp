// Where a dimension value goes along its chain.
#include <gtest/gtest.h>

#include "drawing/value_text.h"

namespace quornel {
namespace {

constexpr double g = 50;

TEST(NegativeSide, WallOnTheOtherSideLeavesTheWholeSegment) {
    ValuePlace p = place_negative(-1000, 100, 300, 200, g);
    EXPECT_FALSE(p.outside);
    EXPECT_EQ(p.u, -600);  // centre -500, minus half of 200
}

TEST(NegativeSide, WallAcrossTheReferenceLineLeavesTheStretchBeforeIt) {
    ValuePlace p = place_negative(-1000, -200, 300, 200, g);
    EXPECT_EQ(p.u, -700);  // [-1000, -200]
}

TEST(NegativeSide, WallInsideTakesTheLongerStretchAndTheOuterOneOnATie) {
    EXPECT_EQ(place_negative(-1000, -900, -700, 200, g).u, -450);  // inner [-700, 0] longer
    EXPECT_EQ(place_negative(-1000, -300, -100, 200, g).u, -750);  // outer [-1000, -300] longer
    EXPECT_EQ(place_negative(-1000, -600, -400, 200, g).u, -900);  // 400 each: outer
}

TEST(NegativeSide, AValueExactlyAsWideAsItsStretchFits) {
    ValuePlace p = place_negative(-350, 0, 0, 350, g);
    EXPECT_FALSE(p.outside);
    EXPECT_EQ(p.u, -350);
}

TEST(NegativeSide, TooNarrowGoesBeforeTheLowerEnd) {
    ValuePlace p = place_negative(-300, 0, 0, 350, g);
    EXPECT_TRUE(p.outside);
    EXPECT_EQ(p.u, -300 - 350 - 50);
}

TEST(NegativeSide, ReferenceLineOnTheBodyFaceGivesAZeroLengthSegment) {
    ValuePlace p = place_negative(0, 0, 0, 100, g);
    EXPECT_TRUE(p.outside);
    EXPECT_EQ(p.u, -150);
}

TEST(PositiveSide, TheMirroredRules) {
    EXPECT_EQ(place_positive(1000, -300, -100, 200, g).u, 400);  // wall on the other side
    EXPECT_EQ(place_positive(1000, -300, 200, 200, g).u, 500);   // [200, 1000]
    EXPECT_EQ(place_positive(1000, 100, 300, 200, g).u, 550);    // outer [300, 1000] longer
    EXPECT_EQ(place_positive(1000, 700, 900, 200, g).u, 250);    // inner [0, 700] longer
    EXPECT_EQ(place_positive(1000, 400, 600, 200, g).u, 700);    // 400 each: outer
    ValuePlace p = place_positive(300, 0, 0, 350, g);
    EXPECT_TRUE(p.outside);
    EXPECT_EQ(p.u, 350);
}

TEST(WholeSize, GoesToTheSideWithTheLongerOuterStretch) {
    // Wall far left: negative outer stretch 100, positive 1000 -> positive, whole [0, 1000].
    EXPECT_EQ(place_whole(-1000, 1000, -900, -700, 200, g).u, 400);
    // Wall far right: negative 1000 against 100 -> negative side [-1000, 0].
    EXPECT_EQ(place_whole(-1000, 1000, 700, 900, 200, g).u, -600);
    // Equal: the positive side.
    EXPECT_EQ(place_whole(-1000, 1000, -100, 100, 200, g).u, 450);
}

TEST(ValueString, CommasAndPlainText) {
    EXPECT_EQ(value_string(1250, 1), "1,250");
    EXPECT_EQ(value_string(1250, 0), "1250");
    EXPECT_EQ(value_string(1250.5, 1), "1,251");
    EXPECT_EQ(value_string(227.5, 0), "227.5");
    EXPECT_EQ(value_string(227.5, 1), "228");
    EXPECT_EQ(value_string(0, 1), "0");
}

TEST(TextWidth, HalfOfTheCharactersAndTheirGaps) {
    EXPECT_EQ(text_width(5, 2, 0.5, 100), 600);  // "1,250"
    EXPECT_EQ(text_width(4, 2, 0.5, 100), 475);  // "1250"
    EXPECT_EQ(text_width(1, 2.5, 1, 50), 62.5);
}

}  // namespace
}  // namespace quornel
