#pragma once
// The first 15 significant digits of a double, rounded from its exact binary value to the
// nearest, halves to even: the digits printf's "%.15g" prints, found without the C
// library's multi-precision arithmetic or the tables of std::to_chars.
#include <cstdint>

namespace quornel {

struct DecimalDigits {
    // 10^14 <= digits < 10^15, or 0 for a zero.
    std::uint64_t digits = 0;
    // The value is digits × 10^(exponent - 14): the place of the first digit.
    int exponent = 0;
    bool negative = false;
};

// `value` must be finite.
DecimalDigits decimal_digits(double value);

}  // namespace quornel
