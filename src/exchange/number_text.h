#pragma once
// How quornel reads and writes numbers, in one place: the header fields, the previous
// values and every box of the window follow the same rule.
#include <optional>
#include <string>
#include <string_view>

namespace quornel {

enum class NumberForms {
    HalfWidthOnly,   // exchange header fields, as Jw_cad prints doubles ("1e+06" included)
    AllowFullWidth,  // texts a user typed: the IME's full-width forms and grouping commas
};

// A number is: optional blanks, an optional sign, digits with an optional decimal point and
// fraction (or a point followed by digits), an optional exponent ("1e3", "1e+06"), optional
// blanks. Typed texts (AllowFullWidth) may also group the digits before the point by
// commas as the program writes dimension values ("1,200"; not "12,5"). Nothing else: no
// "nan" or "inf", no hexadecimal. The text is UTF-8. nullopt when it is not a number or
// does not fit a double.
std::optional<double> parse_number(std::string_view text,
                                   NumberForms forms = NumberForms::AllowFullWidth);

// A typed number that carries grouping commas, an exponent or full-width forms ("1,200",
// "１，２００", "1e3", "１２００"), written as the window writes numbers ("1200", "1000").
// nullopt for every other text: one that is not a number, and a number in plain half-width
// digits, which stays as it was typed.
std::optional<std::string> plain_number_text(std::string_view typed);

// Nothing but blanks (half-width, tab, ideographic): a box left empty.
bool is_blank_text(std::string_view text);

// Shortest decimal text with at most 15 significant digits: no exponent, "." as the point,
// a leading zero before the point (0.5), no trailing zeros, never "-0".
// 150.3 - 75.1 gives "75.2".
std::string format_number(double value);

// A number item of the command stream: "-" or " ", the digits of the absolute value, " ".
std::string format_item(double value);
// Appends format_item(value) to `text`: the command stream writes many thousands of them.
void append_item(std::string& text, double value);
// The longest item: a sign or a blank, "0." and 323 zeros, 15 digits, a blank.
inline constexpr std::size_t kLongestItem = 343;
// format_item's text at `out`, which has room for kLongestItem characters; returns its end.
char* write_item(double value, char* out);

// The value rounded to a whole number, halves away from zero, with its digits grouped by
// commas ("1,251"). The rounding works on the 15-digit text, so 4.499999999999999 (which
// reads as 4.5) gives "5".
std::string format_grouped(double value);

}  // namespace quornel
