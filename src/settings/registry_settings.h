#pragma once
// quornel's basic settings (SETTEI) and Jw_cad's dimension settings (SUNPO).
#include <array>

#include "exchange/host_header.h"
#include "platform/registry.h"

namespace quornel {

inline constexpr const char* kSetteiKey = "Software\\Norvale\\quornel\\SETTEI";
inline constexpr const char* kSunpoKey = "Software\\Jw_cad\\jw_win\\SUNPO";
inline constexpr const char* kProductKey = "Software\\Norvale\\quornel";

inline constexpr int kSetteiValues = 15;

// IHasira_ly, IHasira_pc, ..., Kigou_cn, Sunpou_ly, in reading and writing order.
const std::array<const char*, kSetteiValues>& settei_value_names();
// How many entries the list behind each SETTEI value has (16 layers, 6 colours, 9 line
// types, 10 text types), in the same order.
const std::array<int, kSetteiValues>& settei_list_sizes();

// SunpoLoad: the nine SUNPO values with their defaults. A text that is not a number, or a
// number that does not fit its variable, counts as missing; so does a MOJINO that is no
// text type of Jw_cad's (0 to 10).
DimensionSettings SunpoLoad(Registry& registry);

// SetteiLoad: the fifteen list positions. Missing, unusable or outside the list: 0.
std::array<int, kSetteiValues> SetteiLoad(Registry& registry);

}  // namespace quornel
