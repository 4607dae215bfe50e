#include "exchange/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "exchange/decimal_digits.h"

namespace quornel {
namespace {

// Maps one character at `pos` to its half-width ASCII form; returns the byte length
// consumed (0 at the end). Full-width forms (U+FF0B +, U+FF0C comma, U+FF0D -, U+FF0E .,
// U+FF10..FF19 digits, U+FF25 E, U+FF45 e) and the ideographic space U+3000 count only with
// AllowFullWidth.
std::size_t next_char(std::string_view s, std::size_t pos, NumberForms forms, char& out) {
    if (pos >= s.size()) return 0;
    unsigned char c = static_cast<unsigned char>(s[pos]);
    if (c < 0x80) {
        out = static_cast<char>(c);
        return 1;
    }
    out = '\x01';  // not part of a number
    if (forms == NumberForms::AllowFullWidth && pos + 2 < s.size() && c == 0xEF) {
        unsigned char c1 = static_cast<unsigned char>(s[pos + 1]);
        unsigned char c2 = static_cast<unsigned char>(s[pos + 2]);
        if (c1 == 0xBC) {
            if (c2 >= 0x90 && c2 <= 0x99)
                out = static_cast<char>('0' + (c2 - 0x90));
            else if (c2 == 0x8B)
                out = '+';
            else if (c2 == 0x8C)
                out = ',';
            else if (c2 == 0x8D)
                out = '-';
            else if (c2 == 0x8E)
                out = '.';
            else if (c2 == 0xA5)
                out = 'E';
        } else if (c1 == 0xBD && c2 == 0x85) {
            out = 'e';
        }
        return 3;
    }
    if (forms == NumberForms::AllowFullWidth && pos + 2 < s.size() && c == 0xE3 &&
        static_cast<unsigned char>(s[pos + 1]) == 0x80 &&
        static_cast<unsigned char>(s[pos + 2]) == 0x80) {
        out = ' ';
        return 3;
    }
    return 1;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Digits before the point, with or without grouping commas. Grouped, they are written as
// the program writes dimension values ("1,200", "12,345,678"): one to three digits, then
// groups of exactly three. Returns the end of the digits, `i` when there are none, npos
// when commas stand anywhere else ("12,5", "1,,200", "1200,").
std::size_t whole_digits(const std::string& s, std::size_t i, bool allow_grouping,
                         std::string& digits) {
    std::size_t run = 0;
    while (i < s.size() && is_digit(s[i])) digits += s[i++], ++run;
    if (!allow_grouping || i >= s.size() || s[i] != ',') return i;
    if (run == 0 || run > 3) return std::string::npos;
    while (i < s.size() && s[i] == ',') {
        ++i;
        std::size_t group = 0;
        while (i < s.size() && is_digit(s[i]) && group < 3) digits += s[i++], ++group;
        if (group != 3 || (i < s.size() && is_digit(s[i]))) return std::string::npos;
    }
    return i;
}

// The longest text of a number: a sign, then "0." and 323 zeros before the 15 digits of
// the smallest double.
constexpr std::size_t kLongestNumber = 341;

// "00", "01" … "99": digits are made two at a time.
constexpr auto kPairs = [] {
    struct Table {
        char pair[200];
    } t{};
    for (int i = 0; i < 100; ++i) {
        t.pair[2 * i] = static_cast<char>('0' + i / 10);
        t.pair[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

// The four digits of `value` (below 10000) at `at`.
void put_four(char* at, std::uint32_t value) {
    std::memcpy(at, &kPairs.pair[2 * (value / 100)], 2);
    std::memcpy(at + 2, &kPairs.pair[2 * (value % 100)], 2);
}

// format_number's text at `out`, which has room for kLongestNumber characters; returns its
// end.
char* write_number(double value, char* out) {
    if (!std::isfinite(value)) {
        *out++ = '0';
        return out;
    }
    const DecimalDigits d = decimal_digits(value);
    if (d.digits == 0) {  // never "-0"
        *out++ = '0';
        return out;
    }
    // The 15 digits, then room for the copies of a fixed length below.
    char digits[32] = {};
    const auto high = static_cast<std::uint32_t>(d.digits / 100000000);  // 7 digits
    const auto low = static_cast<std::uint32_t>(d.digits % 100000000);   // 8 digits
    digits[0] = static_cast<char>('0' + high / 1000000);
    std::memcpy(digits + 1, &kPairs.pair[2 * (high / 10000 % 100)], 2);
    put_four(digits + 3, high % 10000);
    put_four(digits + 7, low / 10000);
    put_four(digits + 11, low % 10000);
    int last = 14;  // the last digit that is not a trailing zero
    while (digits[last] == '0') --last;

    if (d.negative) *out++ = '-';
    const int point = d.exponent;  // the place of the first digit: 0 for units
    if (point >= 0 && point < 14) {
        // Drawing magnitudes. Copies of 16 bytes whatever the length (the bytes beyond the
        // end are written over or left outside the text; at most 31 in all).
        std::memcpy(out, digits, 16);
        if (last <= point) return out + point + 1;
        out[point + 1] = '.';
        std::memcpy(out + point + 2, digits + point + 1, 16);
        return out + last + 2;
    }
    if (point >= 14) {
        // A whole number: its zeros are digits, not trailing ones.
        out = std::copy(digits, digits + 15, out);
        return std::fill_n(out, point - 14, '0');
    }
    *out++ = '0';
    *out++ = '.';
    out = std::fill_n(out, -point - 1, '0');
    return std::copy(digits, digits + last + 1, out);
}

}  // namespace

std::optional<double> parse_number(std::string_view text, NumberForms forms) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        char c;
        std::size_t n = next_char(text, pos, forms, c);
        ascii.push_back(c);
        pos += n;
    }
    std::size_t i = 0;
    while (i < ascii.size() && ascii[i] == ' ') ++i;
    bool negative = false;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) {
        negative = ascii[i] == '-';
        ++i;
    }
    // The number is gathered without its commas, for from_chars.
    std::string number;
    i = whole_digits(ascii, i, forms == NumberForms::AllowFullWidth, number);
    if (i == std::string::npos) return std::nullopt;
    std::size_t digits = number.size();
    if (i < ascii.size() && ascii[i] == '.') {
        number += ascii[i++];
        while (i < ascii.size() && is_digit(ascii[i])) number += ascii[i++], ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < ascii.size() && (ascii[i] == 'e' || ascii[i] == 'E')) {
        number += ascii[i++];
        if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) number += ascii[i++];
        std::size_t exponent_digits = 0;
        while (i < ascii.size() && is_digit(ascii[i])) number += ascii[i++], ++exponent_digits;
        if (exponent_digits == 0) return std::nullopt;
    }
    while (i < ascii.size() && ascii[i] == ' ') ++i;
    if (i != ascii.size()) return std::nullopt;

    double value = 0;
    // strtod in the "C" locale would depend on the process locale; from_chars does not.
    const char* end = number.data() + number.size();
    auto [ptr, ec] = std::from_chars(number.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::string> plain_number_text(std::string_view typed) {
    const std::optional<double> value = parse_number(typed, NumberForms::AllowFullWidth);
    if (!value) return std::nullopt;
    for (std::size_t pos = 0; pos < typed.size();) {
        char c;
        const std::size_t n = next_char(typed, pos, NumberForms::AllowFullWidth, c);
        pos += n;
        // A character of more than one byte is a full-width form the IME typed ("１２").
        if (c == ',' || c == 'e' || c == 'E' || n > 1) return format_number(*value);
    }
    return std::nullopt;
}

bool is_blank_text(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        char c;
        pos += next_char(text, pos, NumberForms::AllowFullWidth, c);
        if (c != ' ' && c != '\t') return false;
    }
    return true;
}

std::string format_number(double value) {
    char text[kLongestNumber];
    return std::string(text, write_number(value, text));
}

std::string format_item(double value) {
    std::string s;
    append_item(s, value);
    return s;
}

char* write_item(double value, char* out) {
    // The numbers written with a sign, which takes the blank's place (never "-0").
    const bool signed_number = value < 0 && std::isfinite(value);
    if (!signed_number) *out++ = ' ';
    char* end = write_number(value, out);
    *end++ = ' ';
    return end;
}

void append_item(std::string& text, double value) {
    char item[kLongestItem];
    text.append(item, write_item(value, item));
}

std::string format_grouped(double value) {
    std::string s = format_number(value);
    bool negative = !s.empty() && s[0] == '-';
    if (negative) s.erase(0, 1);
    std::string whole = s.substr(0, s.find('.'));
    std::string fraction = s.find('.') == std::string::npos ? "" : s.substr(s.find('.') + 1);
    if (!fraction.empty() && fraction[0] >= '5') {
        // Round the digit string up by one, halves away from zero.
        int k = static_cast<int>(whole.size()) - 1;
        while (k >= 0 && whole[k] == '9') whole[k--] = '0';
        if (k < 0)
            whole.insert(whole.begin(), '1');
        else
            ++whole[k];
    }
    std::string grouped;
    int count = 0;
    for (auto it = whole.rbegin(); it != whole.rend(); ++it) {
        if (count > 0 && count % 3 == 0) grouped.insert(grouped.begin(), ',');
        grouped.insert(grouped.begin(), *it);
        ++count;
    }
    if (grouped == "0") negative = false;
    return negative ? "-" + grouped : grouped;
}

}  // namespace quornel
