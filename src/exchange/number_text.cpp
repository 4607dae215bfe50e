#include "exchange/number_text.h"

#include <charconv>
#include <cmath>

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

std::string trim_zeros(std::string s) {
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    return s;
}

// printf's "%.15g" and "%.14e", through to_chars: the same digits, without the C library's
// multi-precision arithmetic, which made writing a drawing at many crossings slow.
std::string_view to_text(double value, std::chars_format format, int precision, char (&buf)[512]) {
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, format, precision);
    return ec == std::errc() ? std::string_view(buf, end - buf) : std::string_view("0");
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
    if (!std::isfinite(value)) return "0";
    char buf[512];
    std::string s(to_text(value, std::chars_format::general, 15, buf));
    if (s.find('e') != std::string::npos) {
        // Write the 15 rounded digits out without an exponent. This works on the digit
        // text: printing the rounded double in fixed notation would show its binary
        // expansion (1.23456789012346e20 as 123456789012345995264).
        std::string_view e = to_text(value, std::chars_format::scientific, 14, buf);
        bool negative = e[0] == '-';
        if (negative) e.remove_prefix(1);
        std::string digits;
        digits += e[0];
        digits += e.substr(2, 14);
        int exponent = 0;
        std::from_chars(e.data() + 17 + (e[17] == '+' ? 1 : 0), e.data() + e.size(), exponent);
        if (exponent >= 14) {
            s = digits + std::string(static_cast<std::size_t>(exponent - 14), '0');
        } else if (exponent >= 0) {
            s = trim_zeros(digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
                           digits.substr(static_cast<std::size_t>(exponent) + 1));
        } else {
            s = trim_zeros("0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') +
                           digits);
        }
        if (negative) s.insert(s.begin(), '-');
    }
    if (s == "-0") s = "0";
    return s;
}

std::string format_item(double value) {
    std::string item;
    append_item(item, value);
    return item;
}

void append_item(std::string& out, double value) {
    char buf[512];
    std::string_view digits = std::isfinite(value)
                                  ? to_text(value, std::chars_format::general, 15, buf)
                                  : std::string_view("0");
    // An exponent (a magnitude no drawing has, or a rounding residue near 0) is written out
    // by format_number; so is "-0".
    std::string spelled;
    if (digits.find('e') != std::string_view::npos || digits == "-0") {
        spelled = format_number(value);
        digits = spelled;
    }
    if (digits.front() != '-') out += ' ';
    out += digits;
    out += ' ';
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
