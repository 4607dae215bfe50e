#pragma once
// Just enough JSON for the scripted runner's output: one object per line.
#include <string>
#include <string_view>

namespace quornel {

// A JSON string literal, quotes included; UTF-8 passes through, control characters are
// escaped.
std::string json_string(std::string_view text);
// A JSON number: at most 15 significant digits, no exponent for the window's sizes.
std::string json_number(double value);

}  // namespace quornel
