// The command streams of whole columns, compared line by line with streams worked out by
// hand in data/*.txt.
#include <gtest/gtest.h>

#include "cases.h"
#include "drawing/drawing_run.h"
#include "support/drawing_lines.h"

namespace quornel::test {
namespace {

class HandStream : public ::testing::TestWithParam<std::string> {};

TEST_P(HandStream, MatchesTheHandDerivedStream) {
    Result<std::string> actual = drawing_commands(hand_case(GetParam()));
    ASSERT_TRUE(actual.ok()) << actual.message();
    std::string expected = expected_stream(GetParam());
    EXPECT_EQ(first_difference(expected, *actual), "");
    // Jw_cad would keep a line of no length as an element nobody can see.
    EXPECT_EQ(zero_length_outline_lines(*actual), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Columns, HandStream,
                         ::testing::Values("crossing", "corner", "t_junction", "no_walls",
                                           "wall_centre", "flush_wall"));

// Only the dimension texts change with ShowComma: the whole size 1200 of the wall-centre
// column is "1200" (4 characters, fits between the wall and the end) or "1,200"
// (5 characters, W 600 > 515, goes past the upper end: 600 + 50, and, being the whole size,
// shifts no other chain).
TEST(ShowComma, GroupsTheWholeSizeAndWidensIt) {
    DrawingInput in = hand_case("wall_centre");
    in.jw.ShowComma = 1;
    Result<std::string> grouped = drawing_commands(in);
    ASSERT_TRUE(grouped.ok());
    std::string expected = expected_stream("wall_centre");
    for (auto [plain, comma] :
         {std::pair{"cs  105 -1550 1 0 \"1200\r\n", "cs  650 -1550 1 0 \"1,200\r\n"},
          std::pair{"cs  1550  105 0 1 \"1200\r\n", "cs  1550  650 0 1 \"1,200\r\n"}}) {
        std::size_t at = expected.find(plain);
        ASSERT_NE(at, std::string::npos) << plain;
        expected.replace(at, std::string(plain).size(), comma);
    }
    EXPECT_EQ(first_difference(expected, *grouped), "");
}

TEST(ShowComma, AnyOtherValueKeepsThePlainText) {
    DrawingInput in = hand_case("wall_centre");
    in.jw.ShowComma = 2;
    Result<std::string> plain = drawing_commands(in);
    ASSERT_TRUE(plain.ok());
    EXPECT_EQ(first_difference(expected_stream("wall_centre"), *plain), "");
}

// The symbol is the last thing written: its layer, its text type and one text line.
std::string symbol_tail(const std::string& stream) {
    std::size_t at = stream.rfind("ly5\r\n");
    return at == std::string::npos ? "" : stream.substr(at);
}

TEST(Symbol, EveryPositionWithAJapaneseSymbolInTheAnsiCodePage) {
    // Crossing column: structural +-400. "柱1" has 2 characters: w = (2 * 3 + 0.5) * 50 = 325,
    // h = 300, gap 50. CP932 bytes of 柱 are 92 8C.
    const std::string ansi =
        "\x92\x8C"
        "1";
    const char* expected[] = {
        "ch -350  50 1 0 \"",     // 0: upper left (-400 + 50, 400 - 300 - 50)
        "ch  25  50 1 0 \"",      // 1: upper right (400 - 325 - 50)
        "ch -162.5 -150 1 0 \"",  // 2: centred
        "ch -350 -350 1 0 \"",    // 3: lower left (-400 + 50)
        "ch  25 -350 1 0 \"",     // 4: lower right
        "ch  25 -350 1 0 \"",     // any other value: lower right
    };
    for (int position = 0; position <= 5; ++position) {
        DrawingInput in = hand_case("crossing");
        in.HasiraIti_d = position == 5 ? 9 : position;
        in.symbol = "柱1";
        in.symbol_ansi = position % 2 ? ansi : "";  // converted by the drawing when not given
        Result<std::string> out = drawing_commands(in);
        ASSERT_TRUE(out.ok()) << out.message();
        EXPECT_EQ(symbol_tail(*out),
                  "ly5\r\ncn5\r\n" + std::string(expected[position]) + ansi + "\r\n")
            << "position " << position;
    }
}

// Jw_cad reads a text type in decimal: "cnA" would not be text type 10.
TEST(Symbol, TextTypeTenIsWrittenInDecimal) {
    DrawingInput in = hand_case("crossing");
    in.symbol_text_type = 9;  // 「文字種　10」
    in.symbol_layer = 15;
    Result<std::string> out = drawing_commands(in);
    ASSERT_TRUE(out.ok());
    EXPECT_NE(out->find("lyF\r\ncn10\r\nch "), std::string::npos);
}

TEST(Symbol, EmptySymbolWritesNothingAfterTheChains) {
    DrawingInput in = hand_case("crossing");
    in.symbol = in.symbol_ansi = "";
    Result<std::string> out = drawing_commands(in);
    ASSERT_TRUE(out.ok());
    std::string expected = expected_stream("crossing");
    expected.erase(expected.rfind("ly5\r\n"));
    EXPECT_EQ(first_difference(expected, *out), "");
}

// The reference line on the left body face: the zero-length segment is still dimensioned.
// Its end is a computed zero (" 0 "), the reference line the constant "0 ", and its value
// "0" (W 100) goes outside: -0 - 100 - 50.
TEST(ZeroLengthSegment, IsWrittenWithItsLinesPointsAndValue) {
    DrawingInput in = base_input();
    in.XU1 = 400, in.YU0 = in.YU1 = 300;
    in.SunpoIti_d = 1;
    Result<std::string> out = drawing_commands(in);
    ASSERT_TRUE(out.ok());
    const std::string chain =
        "ly6\r\nlc1\r\nlt1\r\npn0\r\ncn1\r\n"
        "z3\r\n 0  400  0  800 \r\n"
        "z3\r\n0  400 0  800 \r\n"
        "z3\r\n 400  400  400  800 \r\n"
        "z3\r\npt 0  800 \r\n"
        "z3\r\npt0  800 \r\n"
        "z3\r\npt 400  800 \r\n"
        "msg\r\n 0  800 0  800 \r\n"
        "cs -150  850 1 0 \"0\r\n";
    EXPECT_NE(out->find(chain), std::string::npos) << *out;
}

}  // namespace
}  // namespace quornel::test
