// How numbers are read from boxes and files and written into the command stream.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "exchange/number_text.h"

namespace quornel {
namespace {

TEST(ParseNumber, WhatAUserTypes) {
    EXPECT_EQ(parse_number("600"), 600);
    EXPECT_EQ(parse_number(" 227.5 "), 227.5);
    EXPECT_EQ(parse_number("-75"), -75);
    EXPECT_EQ(parse_number("+75"), 75);
    EXPECT_EQ(parse_number(".5"), 0.5);
    EXPECT_EQ(parse_number("5."), 5);
    EXPECT_EQ(parse_number("００７５"), 75);       // the IME's full-width digits
    EXPECT_EQ(parse_number("－１２．５"), -12.5);  // full-width sign and point
    EXPECT_EQ(parse_number("　600　"), 600);       // ideographic spaces around it
    EXPECT_EQ(parse_number("1,200"), 1200);        // copied from a dimension value
    EXPECT_EQ(parse_number("１，２００．５"), 1200.5);
    EXPECT_EQ(parse_number("-12,345,678"), -12345678);
    EXPECT_EQ(parse_number("1e3"), 1000);
    EXPECT_EQ(parse_number("２．５Ｅ－１"), 0.25);
}

TEST(ParseNumber, WhatIsNotANumber) {
    for (const char* text :
         {"",        " ",         "-",   ".",    "0x10",   "nan",      "inf",  "1 2",    "12a",
          "柱",      "1.2.3",     "--1", "12,5", "1,2000", "1234,567", ",200", "1,,200", "1200,",
          "1.200,5", "1,200.5,1", "e3",  "1e",   "1e+",    "1e3.5",    "1e999"}) {
        EXPECT_FALSE(parse_number(text).has_value()) << text;
    }
    EXPECT_FALSE(parse_number(std::string(400, '9')).has_value());  // does not fit a double
}

TEST(ParseNumber, HeaderFieldsAsJwCadPrintsThem) {
    EXPECT_EQ(parse_number("2.5", NumberForms::HalfWidthOnly), 2.5);
    EXPECT_EQ(parse_number("1e+06", NumberForms::HalfWidthOnly), 1e6);
    EXPECT_EQ(parse_number("-39902.7596123089", NumberForms::HalfWidthOnly), -39902.7596123089);
    EXPECT_FALSE(parse_number("２", NumberForms::HalfWidthOnly).has_value());
    EXPECT_FALSE(parse_number("1,000", NumberForms::HalfWidthOnly).has_value());
}

TEST(FormatNumber, ShortestTextWithoutExponent) {
    EXPECT_EQ(format_number(1200), "1200");
    EXPECT_EQ(format_number(-300), "-300");
    EXPECT_EQ(format_number(0.5), "0.5");
    EXPECT_EQ(format_number(-0.0), "0");
    EXPECT_EQ(format_number(150.3 - 75.1), "75.2");
    EXPECT_EQ(format_number(0.1 + 0.2), "0.3");
    EXPECT_EQ(format_number(1e15), "1000000000000000");
    EXPECT_EQ(format_number(1e-7), "0.0000001");
    EXPECT_EQ(format_number(123456789.123456789), "123456789.123457");  // 15 digits
    EXPECT_EQ(format_number(-2.5e-6), "-0.0000025");
    // Rounded to 15 digits from values whose shortest text has more.
    EXPECT_EQ(format_number(999999999999999.9), "1000000000000000");
    EXPECT_EQ(format_number(-0.09999999999999999), "-0.1");
    EXPECT_EQ(format_number(1.0000000000000004), "1");
    EXPECT_EQ(format_number(1.2345678901234568e+17), "123456789012346000");
    EXPECT_EQ(format_number(1.000000000000001e+22), "10000000000000000000000");
    EXPECT_EQ(format_number(-39902.7596123089 + 1200), "-38702.7596123089");
}

// The digits are those of printf's "%.15g" (here std::to_chars with the same precision):
// the exact binary value rounded to 15 digits, halves to even. Drawing magnitudes,
// coordinates as Jw_cad hands them over moved by a column's offsets, values halfway between
// two 15-digit numbers, and doubles of any magnitude.
TEST(FormatNumber, TheDigitsOfPrintf) {
    std::mt19937_64 random(27);
    std::uniform_real_distribution<double> unit(0, 1);
    auto check = [](double v) {
        const std::string text = format_number(v);
        char expected[400];
        char* end = std::to_chars(expected, expected + sizeof expected, std::fabs(v),
                                  std::chars_format::scientific, 14)
                        .ptr;
        // The 15 digits without trailing zeros, and the value they and the exponent make.
        std::string digits = expected[0] + std::string(expected + 2, expected + 16);
        digits.erase(digits.find_last_not_of('0') + 1);
        std::string shown;
        for (char c : text)
            if (c >= '0' && c <= '9') shown += c;
        shown.erase(0, shown.find_first_not_of('0'));
        shown.erase(shown.find_last_not_of('0') + 1);
        ASSERT_EQ(shown, digits) << text;
        const double written = std::strtod(std::string(expected, end).c_str(), nullptr);
        // Near the largest double, the 15 digits make a number no double holds.
        ASSERT_EQ(std::fabs(parse_number(text).value_or(HUGE_VAL)), written) << text;
        ASSERT_EQ(text[0] == '-', v < 0) << text;
    };
    for (int i = 0; i < 20000; ++i) {
        const double jw = (unit(random) * 80000 - 40000) + std::round(unit(random) * 2000) / 4;
        check(jw);
        check(unit(random) * std::pow(10.0, static_cast<int>(random() % 30) - 14));
        // j decimals ending in 5 after 16 - j whole digits: exactly halfway.
        const int j = 1 + static_cast<int>(random() % 15);
        const double whole = std::floor(std::pow(10.0, 15 - j) * (1 + 9 * unit(random)));
        const double half = whole + static_cast<double>(2 * (random() % (1ull << (j - 1))) + 1) /
                                        std::ldexp(1.0, j);
        check(half);
        check(-half);
        std::uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        if (std::isfinite(any) && any != 0) check(any);
    }
    check(5e-324);
    check(1.7976931348623157e308);
    check(999999999999999.5);
}

TEST(FormatItem, SignOrBlankThenDigitsThenBlank) {
    EXPECT_EQ(format_item(1200), " 1200 ");
    EXPECT_EQ(format_item(-300), "-300 ");
    EXPECT_EQ(format_item(0), " 0 ");
    EXPECT_EQ(format_item(-0.0), " 0 ");
    EXPECT_EQ(format_item(-1e-20), "-0.00000000000000000001 ");
}

TEST(FormatGrouped, WholeNumberWithCommasHalvesAwayFromZero) {
    EXPECT_EQ(format_grouped(1250), "1,250");
    EXPECT_EQ(format_grouped(1250.5), "1,251");
    EXPECT_EQ(format_grouped(1250.49), "1,250");
    EXPECT_EQ(format_grouped(4.499999999999999), "5");  // reads as 4.5
    EXPECT_EQ(format_grouped(999.5), "1,000");
    EXPECT_EQ(format_grouped(-1250.5), "-1,251");
    EXPECT_EQ(format_grouped(-0.4), "0");
    EXPECT_EQ(format_grouped(0), "0");
    EXPECT_EQ(format_grouped(123), "123");
    EXPECT_EQ(format_grouped(1234567), "1,234,567");
}

}  // namespace
}  // namespace quornel
