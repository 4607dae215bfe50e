// The exact text of every kind of line in JWC_TEMP.TXT.
#include <gtest/gtest.h>

#include "exchange/command_stream.h"

namespace quornel {
namespace {

TEST(Lines, NumbersAndTheReferenceLineZero) {
    CommandStream out;
    out.line(-300, 400, -300, 1200);
    out.line(Coord::reference_line(), 400, 0.0, -0.0);  // constant zero vs computed zeros
    out.point(Coord::reference_line(), 900);
    out.point(-12.5, 0.25);
    EXPECT_EQ(out.text(),
              "-300  400 -300  1200 \r\n"
              "0  400  0  0 \r\n"
              "pt0  900 \r\n"
              "pt-12.5  0.25 \r\n");
}

TEST(Lines, TextsFollowTheQuoteDirectly) {
    CommandStream out;
    out.symbol_text(25, -350,
                    "\x92\x8C"
                    "1");
    out.dimension_text(100, -900, TextDirection::Horizontal, "1,250");
    out.dimension_text(-1350, 350, TextDirection::Vertical, "300");
    EXPECT_EQ(out.text(),
              "ch  25 -350 1 0 \"\x92\x8C"
              "1\r\n"
              "cs  100 -900 1 0 \"1,250\r\n"
              "cs -1350  350 0 1 \"300\r\n");
}

// Layers, colours and line types in upper-case hexadecimal; text types and point colours in
// decimal, as Jw_cad reads them.
TEST(Attributes, HexOrDecimalWithoutLeadingZeros) {
    CommandStream out;
    out.layer(0);
    out.layer(15);
    out.line_colour(10);
    out.point_colour(0);
    out.point_colour(12);
    out.text_type(10);
    out.line_type(1);
    out.z3();
    out.msg();
    EXPECT_EQ(out.text(), "ly0\r\nlyF\r\nlcA\r\npn0\r\npn12\r\ncn10\r\nlt1\r\nz3\r\nmsg\r\n");
}

TEST(Attributes, PenRowIsLayerThenColourAndTypeCountedFromOne) {
    CommandStream out;
    out.pen(15, 5, 8);  // 「レイヤー　Ｆ」, 「線色　６」, 「補助線種」
    out.pen(0, 0, 0);
    EXPECT_EQ(out.text(), "lyF\r\nlc6\r\nlt9\r\nly0\r\nlc1\r\nlt1\r\n");
}

}  // namespace
}  // namespace quornel
