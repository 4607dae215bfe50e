#include "exchange/decimal_digits.h"

#include <bit>
#include <utility>

namespace quornel {
namespace {

constexpr std::uint64_t kLowest = 100000000000000;   // 10^14, the smallest 15 digits
constexpr std::uint64_t kBeyond = 1000000000000000;  // 10^15

// What lies beyond the 15th digit, against half a unit of it.
enum class Cut { BelowHalf, Half, AboveHalf };

// 5^k for k = 0 … 27, the largest below 2^64.
constexpr auto kPowersOfFive = [] {
    struct Table {
        std::uint64_t power[28];
    } t{};
    t.power[0] = 1;
    for (int k = 1; k < 28; ++k) t.power[k] = t.power[k - 1] * 5;
    return t;
}();

DecimalDigits rounded(std::uint64_t digits, Cut cut, int exponent, bool negative) {
    if (cut == Cut::AboveHalf || (cut == Cut::Half && digits % 2 == 1)) ++digits;
    if (digits == kBeyond) digits = kLowest, ++exponent;  // 999…9.5 became 1000…0
    return {digits, exponent, negative};
}

// Drawing magnitudes, 10^-13 <= |value| < 10^15: the value times 10^(14 - exponent) is
// m × 5^k × 2^(q + k), exact in 128 bits (m < 2^53, 5^27 < 2^63), and what a shift to the
// right drops is the exact remainder. Returns false outside that range.
using Wide = unsigned __int128;

bool digits_of_drawing_magnitude(std::uint64_t m, int q, int exponent, bool negative,
                                 DecimalDigits& out) {
    // The estimated exponent may be one too small or too large: then the scaled value
    // has 16 or 14 digits, and the next try has 15.
    for (int tries = 0; tries < 3; ++tries) {
        const int k = 14 - exponent;
        if (k < 0 || k > 27) return false;
        Wide scaled = Wide(m) * kPowersOfFive.power[k];
        const int shift = q + k;
        Cut cut = Cut::BelowHalf;
        if (shift >= 0) {
            // A whole number of at most 17 digits when the exponent is one off: m × 5^k
            // times a small power of two. A larger shift cannot occur in this range.
            if (shift > 8) return false;
            scaled <<= shift;
        } else {
            if (-shift > 120) return false;  // cannot occur in this range either
            const Wide dropped = scaled & ((Wide(1) << -shift) - 1);
            const Wide half = Wide(1) << (-shift - 1);
            scaled >>= -shift;
            cut = dropped < half ? Cut::BelowHalf : dropped == half ? Cut::Half : Cut::AboveHalf;
        }
        if (scaled >= kBeyond) {
            ++exponent;
        } else if (scaled < kLowest) {
            --exponent;
        } else {
            out = rounded(static_cast<std::uint64_t>(scaled), cut, exponent, negative);
            return true;
        }
    }
    return false;
}

// Every other finite value, exactly: value = B × 10^-d, with B = m × 2^q and d = 0 when
// q >= 0, B = m × 5^-q and d = -q otherwise (2^-1 = 5 / 10). B has at most 2,548 bits
// (m × 5^1074); its decimal digits decide the rounding.
class BigNumber {
  public:
    explicit BigNumber(std::uint64_t m) {
        limbs_[0] = static_cast<std::uint32_t>(m);
        limbs_[1] = static_cast<std::uint32_t>(m >> 32);
        size_ = limbs_[1] != 0 ? 2 : 1;
    }
    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (int i = 0; i < size_; ++i) {
            const std::uint64_t p = std::uint64_t(limbs_[i]) * factor + carry;
            limbs_[i] = static_cast<std::uint32_t>(p);
            carry = p >> 32;
        }
        if (carry != 0) limbs_[size_++] = static_cast<std::uint32_t>(carry);
    }
    void shift_left(int bits) {
        for (; bits >= 31; bits -= 31) multiply(1u << 31);
        if (bits > 0) multiply(1u << bits);
    }
    bool is_zero() const { return size_ == 0; }
    // Divides by 10^9 and returns the remainder.
    std::uint32_t divide_by_billion() {
        std::uint64_t remainder = 0;
        for (int i = size_ - 1; i >= 0; --i) {
            const std::uint64_t part = (remainder << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(part / 1000000000);
            remainder = part % 1000000000;
        }
        while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
        return static_cast<std::uint32_t>(remainder);
    }

  private:
    std::uint32_t limbs_[82] = {};  // 2,624 bits
    int size_;
};

DecimalDigits digits_of_any_magnitude(std::uint64_t m, int q, bool negative) {
    BigNumber big(m);
    int places = 0;  // d
    if (q >= 0) {
        big.shift_left(q);
    } else {
        places = -q;
        int fives = -q;
        for (; fives >= 13; fives -= 13) big.multiply(1220703125);  // 5^13
        for (; fives > 0; --fives) big.multiply(5);
    }
    // Decimal digits, nine at a time from the lowest, then turned around.
    char text[800];
    int length = 0;
    while (!big.is_zero()) {
        std::uint32_t nine = big.divide_by_billion();
        for (int i = 0; i < 9; ++i, nine /= 10) text[length++] = static_cast<char>('0' + nine % 10);
    }
    while (length > 1 && text[length - 1] == '0') --length;
    for (int i = 0, j = length - 1; i < j; ++i, --j) std::swap(text[i], text[j]);

    std::uint64_t digits = 0;
    for (int i = 0; i < 15; ++i) digits = digits * 10 + (i < length ? text[i] - '0' : 0);
    Cut cut = Cut::BelowHalf;
    if (length > 15 && text[15] >= '5') {
        bool rest_zero = true;
        for (int i = 16; i < length; ++i) rest_zero = rest_zero && text[i] == '0';
        cut = text[15] == '5' && rest_zero ? Cut::Half : Cut::AboveHalf;
    }
    return rounded(digits, cut, length - 1 - places, negative);
}

}  // namespace

DecimalDigits decimal_digits(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t m = bits & ((std::uint64_t(1) << 52) - 1);
    int q = -1074;  // a subnormal's
    if (biased != 0) {
        m |= std::uint64_t(1) << 52;
        q = biased - 1075;
    } else if (m == 0) {
        return {0, 0, negative};
    }
    // 2^top <= |value| < 2^(top + 1), so the first digit's place is log10(2) × top
    // (≈ 78913 / 2^18 × top) or the next; a power of ten tells which. For the negative
    // powers, which no double holds exactly, the guess may still be one off.
    const int top = q + 63 - std::countl_zero(m);
    int exponent = (top * 78913) >> 18;
    constexpr int kFirstTen = -12, kLastTen = 15;
    static constexpr double kTens[] = {
        1e-12, 1e-11, 1e-10, 1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0,  1e1,
        1e2,   1e3,   1e4,   1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (exponent + 1 >= kFirstTen && exponent + 1 <= kLastTen &&
        (negative ? -value : value) >= kTens[exponent + 1 - kFirstTen])
        ++exponent;
    DecimalDigits out;
    if (digits_of_drawing_magnitude(m, q, exponent, negative, out)) return out;
    return digits_of_any_magnitude(m, q, negative);
}

}  // namespace quornel
