// Number reading and writing. Any text a user types or a header holds must either be
// refused or read as a finite number, and every number quornel writes must read back as the
// same number and look the way Jw_cad and the boxes expect.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "exchange/number_text.h"
#include "fuzz_check.h"

namespace {

using quornel::format_grouped;
using quornel::format_item;
using quornel::format_number;
using quornel::NumberForms;
using quornel::parse_number;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// "-"? digits ("." digits)? with no leading zeros (except "0" / "0.x"), no trailing
// fraction zeros, never "-0", at most 15 significant digits.
void check_number_text(const std::string& s, double value) {
    FUZZ_CHECK(!s.empty());
    std::size_t i = s[0] == '-' ? 1 : 0;
    FUZZ_CHECK(s != "-0");
    std::size_t int_start = i;
    while (i < s.size() && is_digit(s[i])) ++i;
    std::size_t int_len = i - int_start;
    FUZZ_CHECK(int_len >= 1);
    FUZZ_CHECK(int_len == 1 || s[int_start] != '0');
    std::size_t frac_len = 0;
    if (i < s.size()) {
        FUZZ_CHECK(s[i] == '.');
        ++i;
        while (i < s.size() && is_digit(s[i])) ++i, ++frac_len;
        FUZZ_CHECK(frac_len >= 1);
        FUZZ_CHECK(s.back() != '0');
    }
    FUZZ_CHECK(i == s.size());

    // Significant digits: from the first non-zero digit to the last non-zero digit.
    std::string digits;
    for (char c : s)
        if (is_digit(c)) digits.push_back(c);
    std::size_t first = digits.find_first_not_of('0');
    if (first != std::string::npos) {
        std::size_t last = digits.find_last_not_of('0');
        FUZZ_CHECK_MSG(last - first + 1 <= 15, s.c_str());
    }
    (void)value;
}

void check_format(double v) {
    if (!std::isfinite(v)) {
        // Never reaches a file; it must still not crash or print "nan".
        std::string s = format_number(v);
        FUZZ_CHECK(s.find("nan") == std::string::npos && s.find("inf") == std::string::npos);
        return;
    }
    std::string s = format_number(v);
    check_number_text(s, v);
    // The digits are those of the C library's "%.15g", which rounds the exact value.
    char reference[512];
    std::snprintf(reference, sizeof reference, "%.15g", v);
    if (std::strchr(reference, 'e') == nullptr) {
        FUZZ_CHECK_MSG(s == reference || (s == "0" && std::strcmp(reference, "-0") == 0), reference);
    } else {
        std::snprintf(reference, sizeof reference, "%.14e", std::fabs(v));
        std::string mantissa = std::string(1, reference[0]) + std::string(reference + 2, 14);
        std::string digits;
        for (char c : s)
            if (is_digit(c)) digits += c;
        digits.erase(0, digits.find_first_not_of('0'));
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        FUZZ_CHECK_MSG(digits.compare(0, mantissa.size(), mantissa) == 0 &&
                           digits.find_first_not_of('0', mantissa.size()) == std::string::npos,
                       reference);
    }

    auto back = parse_number(s, NumberForms::HalfWidthOnly);
    // Rounded to 15 digits, a value next to the largest double no longer fits one.
    if (std::fabs(v) > 1e308) return;
    FUZZ_CHECK_MSG(back.has_value(), s.c_str());
    // 15 significant digits: the text is within half a unit of the 15th digit.
    double tolerance = std::fabs(v) * 5.1e-15 + 1e-300;
    FUZZ_CHECK_MSG(std::fabs(*back - v) <= tolerance || s == "0", s.c_str());
    // Writing what was read gives the same text: boxes never drift when rewritten.
    FUZZ_CHECK_MSG(format_number(*back) == s, s.c_str());

    std::string item = format_item(v);
    FUZZ_CHECK(item.size() >= 3 && item.back() == ' ');
    FUZZ_CHECK(item[0] == '-' || item[0] == ' ');
    FUZZ_CHECK(item.substr(item[0] == '-' ? 0 : 1, item.size() - (item[0] == '-' ? 1 : 2)) == s);

    // Grouped whole number: digits in groups of three, rounded half away from zero.
    std::string g = format_grouped(v);
    std::string plain;
    std::size_t k = 0;
    if (!g.empty() && g[0] == '-') plain.push_back('-'), k = 1;
    FUZZ_CHECK(g != "-0");
    std::size_t group_len = 0;
    bool first_group = true;
    std::size_t first_len = 0;
    for (; k < g.size(); ++k) {
        if (g[k] == ',') {
            FUZZ_CHECK(group_len >= 1 && group_len <= 3);
            FUZZ_CHECK(first_group || group_len == 3);
            if (first_group) first_len = group_len;
            first_group = false;
            group_len = 0;
        } else {
            FUZZ_CHECK(is_digit(g[k]));
            plain.push_back(g[k]);
            ++group_len;
        }
    }
    (void)first_len;
    FUZZ_CHECK(group_len == 3 || first_group);
    double whole = std::strtod(plain.c_str(), nullptr);
    // A dimension value copied back into a box reads as the number it shows.
    auto typed = parse_number(g, NumberForms::AllowFullWidth);
    FUZZ_CHECK_MSG(typed.has_value() && *typed == whole, g.c_str());
    double target = *back;  // the rounding works on the 15-digit text
    if (std::fabs(target) < 1e15) {
        FUZZ_CHECK_MSG(std::fabs(whole - target) <= 0.5 + 1e-9 * std::fabs(target), g.c_str());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);

    for (NumberForms forms : {NumberForms::HalfWidthOnly, NumberForms::AllowFullWidth}) {
        auto v = parse_number(text, forms);
        if (!v) continue;
        FUZZ_CHECK(std::isfinite(*v));
        check_format(*v);
    }
    // A half-width number is a number under both rules, with the same value.
    auto half = parse_number(text, NumberForms::HalfWidthOnly);
    if (half) {
        auto full = parse_number(text, NumberForms::AllowFullWidth);
        FUZZ_CHECK(full.has_value() &&
                   (*full == *half || (std::isnan(*full) && std::isnan(*half))));
    }

    // A typed number that its box rewrites keeps its value, as the window writes numbers,
    // and is not rewritten again.
    if (auto plain = quornel::plain_number_text(text)) {
        FUZZ_CHECK(*plain == format_number(*parse_number(text)));
        FUZZ_CHECK(!quornel::plain_number_text(*plain).has_value());
    }

    // The same bytes as a raw double: every magnitude, denormals and NaNs included.
    if (size >= sizeof(double)) {
        double v;
        std::memcpy(&v, data, sizeof v);
        check_format(v);
    }
    return 0;
}
