#pragma once
// quornel's basic settings (SETTEI) and Jw_cad's dimension settings (SUNPO).
#include <array>

#include "exchange/host_header.h"
#include "platform/registry.h"
#include "settings/settei_picks.h"

namespace quornel {

inline constexpr const char* kSetteiKey = "Software\\Norvale\\quornel\\SETTEI";
inline constexpr const char* kSunpoKey = "Software\\Jw_cad\\jw_win\\SUNPO";
inline constexpr const char* kProductKey = "Software\\Norvale\\quornel";

// SunpoLoad: the nine SUNPO values with their defaults. A text that is not a number, or a
// number that does not fit its variable, counts as missing; so does a MOJINO that is no
// text type of Jw_cad's (0 to 10).
DimensionSettings SunpoLoad(Registry& registry);

// SetteiLoad: the list position of every pick, in the order of kSetteiPicks. Missing,
// unusable or outside the list: 0.
std::array<int, kSetteiValues> SetteiLoad(Registry& registry);

}  // namespace quornel
