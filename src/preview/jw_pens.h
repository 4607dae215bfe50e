#pragma once
// Jw_cad's line colours and line types as the pen samples of the settings tab show them:
// the preview draws with exactly these, so that it looks like the samples the user chose.
#include <cstdint>
#include <vector>

namespace quornel {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

// Line colours 1 to 6 as sampled; any other number (Jw_cad's colours 7 and 8, the
// auxiliary colour, or a point colour 0) has no sample and is shown in a neutral grey.
Rgb jw_colour(int colour);
bool jw_colour_has_sample(int colour);

// One period of line type 1..9 as runs of sample pixels, on first, then off, on, ...;
// empty for the solid line. Other numbers give an empty pattern too.
const std::vector<int>& jw_dash_runs(int line_type);

constexpr int kJwLineTypes = 9;

}  // namespace quornel
