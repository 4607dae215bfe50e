#pragma once
// One column's inputs as the drawing reads them: the values of the window's boxes and
// lists, the exchange header and Jw_cad's dimension settings. Plain values; the drawing's
// geometry and its lines are computed from them.
#include <array>
#include <string>
#include <vector>

#include "drawing/input_rules.h"
#include "exchange/fill_styles.h"
#include "exchange/header_points.h"
#include "exchange/host_header.h"

namespace quornel {

// List positions of one row of pickers.
struct PenSpec {
    int layer = 0;      // 0..15
    int colour = 0;     // 0..5  -> lc1..lc6
    int line_type = 0;  // 0..8  -> lt1..lt9
};

// 塗り: how the structural sections of the column and of its walls are filled, and with
// which pen. Both kinds None (the default) draw nothing at all.
struct FillSpec {
    PenSpec pen;                       // cbo_nuri_*
    FillKind column = FillKind::None;  // 柱の塗り
    FillKind walls = FillKind::None;   // 壁の塗り
    double pitch_mm = 1;               // 斜線の間隔, on paper
    bool any() const { return column != FillKind::None || walls != FillKind::None; }
};

struct DrawingInput {
    double XU0 = 0, XU1 = 0, YU0 = 0, YU1 = 0;  // column parts
    double XM0 = 0, XM1 = 0, YM0 = 0, YM1 = 0;  // column extra thicknesses
    // Indexed by side_index(). Values the drawing does not read (wall_use) count as 0,
    // whatever the boxes behind them still hold.
    std::array<WallValues, 4> walls{};
    int optSin_d = 0;
    int hasira_sd = 4;  // 0..8, or kWholeFloor
    // Read for 「交点ごと」 only: 「壁をつなぐ」, 「寸法は最初の交点だけ」 and, in 「柱芯」,
    // 「外周の壁を柱の外面に合わせる」.
    bool KabeTunagu = true;
    bool SunpoHitotu = false;
    bool GaisyuKabe = false;
    int SunpoIti_d = 4;
    int HasiraIti_d = 4;
    std::string symbol;        // UTF-8; empty = no symbol
    std::string symbol_ansi;   // the same text in the ANSI code page; converted when empty
    PenSpec body;              // 躯体柱   cbo_h_*
    PenSpec cross;             // 構造クロス cbo_x_*
    PenSpec structural;        // 構造柱   cbo_kh_*
    PenSpec wall;              // 壁      cbo_k_*
    int symbol_layer = 0;      // cbo_hm_ly position
    int symbol_text_type = 0;  // cbo_hm_cn position (0..9)
    int dimension_layer = 0;   // cbo_sun_ly position
    FillSpec fill;
    HostHeader header;
    DimensionSettings jw;
    // The other crossings where the same column is drawn, relative to the first one, which
    // is the origin (0, 0); none when the user indicated one crossing.
    std::vector<Crossing> crossings;
    // Jw_cad's 軸角 from TEMP.TXT ("hk"); 0 when the header gives none.
    double axis_angle = 0;
};

}  // namespace quornel
