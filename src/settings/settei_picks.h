#pragma once
// The picks of 基本設定: which registry value under SETTEI stores which list of the tab, and
// how many entries that list has. One row per pick, in the order the values are read and
// written; the window finds each list by the row's name, and every count of picks comes
// from this table.
//
// 「リセット」 on 基本設定 selects position 0 in each list in this order too. The order in
// which the lists are reset is not seen by the user: only 文字種 (cbo_hm_cn) does anything
// when it changes, and it re-reads TEMP.TXT whatever comes before it.
#include <array>
#include <cstddef>

#include "exchange/fill_styles.h"

namespace quornel {

struct SetteiPick {
    const char* value_name;  // the registry value: IHasira_ly ...
    const char* box;         // the list in the window, named as the window names it
    int entries;             // the length of that list: a stored position must be below it
};

// Layers 16, line colours 6, line types 9, text types 10; the fill lists as long as their
// tables (exchange/fill_styles.h). A registry saved before the row 「塗り」 existed has none
// of its values: they read as position 0, no fill.
// clang-format off
inline constexpr SetteiPick kSetteiPicks[] = {
    {"IHasira_ly", "cbo_h_ly", 16},        {"IHasira_pc", "cbo_h_nPenColor", 6},
    {"IHasira_ps", "cbo_h_nPenStyle", 9},  {"XHasira_ly", "cbo_x_ly", 16},
    {"XHasira_pc", "cbo_x_nPenColor", 6},  {"XHasira_ps", "cbo_x_nPenStyle", 9},
    {"Kabe_ly", "cbo_k_ly", 16},           {"Kabe_pc", "cbo_k_nPenColor", 6},
    {"Kabe_ps", "cbo_k_nPenStyle", 9},     {"KHasira_ly", "cbo_kh_ly", 16},
    {"KHasira_pc", "cbo_kh_nPenColor", 6}, {"KHasira_ps", "cbo_kh_nPenStyle", 9},
    {"Kigou_ly", "cbo_hm_ly", 16},         {"Kigou_cn", "cbo_hm_cn", 10},
    {"Sunpou_ly", "cbo_sun_ly", 16},
    {"Nuri_ly", "cbo_nuri_ly", 16},        {"Nuri_pc", "cbo_nuri_nPenColor", 6},
    {"Nuri_ps", "cbo_nuri_nPenStyle", 9},
    {"Nuri_Hasira", "cbo_nuri_hasira", kFillKindEntries},
    {"Nuri_Kabe", "cbo_nuri_kabe", kFillKindEntries},
    {"Nuri_Pitch", "cbo_nuri_pitch", kHatchPitchEntries},
};
// clang-format on

inline constexpr int kSetteiValues = static_cast<int>(std::size(kSetteiPicks));

}  // namespace quornel
