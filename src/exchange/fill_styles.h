#pragma once
// How the sections of a column and its walls are filled in Jw_cad, and the choices the window
// offers for it: one table per list of 「基本設定」, each item's text with its value. The
// window's lists, the registry's lengths of those lists and the drawing all take them from
// here, so a new choice is one new row.
//
// Jw_cad reads two kinds of fill from a command stream: a solid ("sl", ソリッド) and lines
// that carry its hatch attribute ("z1" before each line, 斜線).
#include <iterator>

namespace quornel {

enum class FillKind { None, Solid, Hatch };

struct FillKindChoice {
    const char* item;  // the list's text
    FillKind kind;
};

// 「柱の塗り」 and 「壁の塗り」. The first entry is what a user without a stored choice gets.
inline constexpr FillKindChoice kFillKinds[] = {
    {"なし", FillKind::None},
    {"ソリッド", FillKind::Solid},
    {"斜線", FillKind::Hatch},
};

struct HatchPitchChoice {
    const char* item;  // the list's text
    double mm;         // the distance between two hatch lines on paper, square to them
};

// 「斜線の間隔」, on paper: the drawing multiplies it by the scale.
inline constexpr HatchPitchChoice kHatchPitches[] = {
    {"1 mm", 1},
    {"1.5 mm", 1.5},
    {"2 mm", 2},
    {"3 mm", 3},
};

// The list's text of a kind: "ソリッド" for FillKind::Solid.
constexpr const char* fill_kind_item(FillKind kind) {
    for (const FillKindChoice& choice : kFillKinds)
        if (choice.kind == kind) return choice.item;
    return "";
}

inline constexpr int kFillKindEntries = static_cast<int>(std::size(kFillKinds));
inline constexpr int kHatchPitchEntries = static_cast<int>(std::size(kHatchPitches));

// The captions of the lists, as the window shows them and the messages name them.
inline constexpr const char* kFillRowLabel = "塗り";
inline constexpr const char* kColumnFillLabel = "柱の塗り";
inline constexpr const char* kWallFillLabel = "壁の塗り";
inline constexpr const char* kHatchPitchLabel = "斜線の間隔";

// The most hatch lines one copy of the column may need. A column with four walls at 1:50 and
// 1 mm needs about 75; a 1:1 scale with long walls would need hundreds of thousands, at
// every crossing, each a line of the drawing for Jw_cad to read and for the user to select
// and delete.
inline constexpr int kMaxHatchLines = 20000;

}  // namespace quornel
