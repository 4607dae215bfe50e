#include "preview/jw_pens.h"

#include <array>

namespace quornel {
namespace {

constexpr std::array<Rgb, 6> kSampleColours = {{
    {0, 255, 255},  // 線色　１
    {0, 0, 0},      // 線色　２
    {0, 255, 0},    // 線色　３
    {255, 255, 0},  // 線色　４
    {255, 0, 255},  // 線色　５
    {0, 0, 255},    // 線色　６
}};

constexpr Rgb kNoSample = {128, 128, 128};

}  // namespace

bool jw_colour_has_sample(int colour) {
    return colour >= 1 && colour <= static_cast<int>(kSampleColours.size());
}

Rgb jw_colour(int colour) {
    return jw_colour_has_sample(colour) ? kSampleColours[static_cast<std::size_t>(colour - 1)]
                                        : kNoSample;
}

const std::vector<int>& jw_dash_runs(int line_type) {
    // The 55-pixel samples are not exactly periodic at their ends (the first and last long
    // dashes are cut), so each pattern is the period around the sample's middle long dash.
    static const std::vector<std::vector<int>> patterns = {
        {},                   // 実線　１: on 55
        {4, 4},               // 点線　１: on 4, off 4 after a 2-pixel lead
        {4, 4},               // 点線　２: on 4, off 4
        {8, 4},               // 点線　３: on 8, off 4
        {8, 4, 4, 4},         // 一点鎖　１: middle dash 8, then off 4, dot 4, off 4
        {18, 4, 4, 4},        // 一点鎖　２: middle dash 18
        {8, 2, 2, 2, 2, 2},   // 二点鎖　１: middle dash 8, two dots of 2 with gaps of 2
        {13, 2, 2, 2, 2, 2},  // 二点鎖　２: dash 13
        {2, 2},               // 補助線種: 2-pixel dashes
    };
    static const std::vector<int> solid;
    if (line_type < 1 || line_type > kJwLineTypes) return solid;
    return patterns[static_cast<std::size_t>(line_type - 1)];
}

}  // namespace quornel
