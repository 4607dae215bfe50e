#pragma once
// The rules for the drawing's inputs, kept in one place: which walls a column shape has, how
// each wall meets the column, which of a side's five values the drawing reads, what each
// value may hold, and how each box is named to the user. The wall panels of the window,
// 「作図」 and the drawing's own check all ask here, so what the window accepts is what the
// drawing draws.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quornel {

// ---- the four sides ------------------------------------------------------------------------

enum class WallSide { Up, DOWN, Right, Left };

// The order in which the sides are laid out, checked and drawn.
inline constexpr std::array<WallSide, 4> kWallSides = {WallSide::Up, WallSide::DOWN,
                                                       WallSide::Right, WallSide::Left};

constexpr std::size_t side_index(WallSide side) {
    return static_cast<std::size_t>(side);
}

// A wall above or below the column runs along y and has its faces at x values (face A on
// the left); a wall to the side runs along x and has them at y values (face A above).
constexpr bool faces_at_x(WallSide side) {
    return side == WallSide::Up || side == WallSide::DOWN;
}

// The five values of one side, by box index: 0 and 1 the distances from the reference line
// to face A and face B, 2 the structural thickness, 3 and 4 the extra thickness outside face
// A and face B. Face A is the left face of a wall above or below the column and the upper
// face of a wall to its side.
using WallValues = std::array<double, 5>;
inline constexpr int kWallThickness = 2;

// ---- where the column stands -----------------------------------------------------------------

// 「交点ごと」, the tenth choice of 「柱・壁 配置」: every crossing of a whole floor takes its
// walls from where the other crossings lie (drawing/floor_rules.h). Its boxes, and every rule
// they follow, are those of the crossing.
inline constexpr int kWholeFloor = 9;
inline constexpr int kCrossingShape = 4;
constexpr int box_shape(int hasira_sd) {
    return hasira_sd == kWholeFloor ? kCrossingShape : hasira_sd;
}

// The column's place relative to one side's wall, from the column shape (hasira_sd 0..8,
// 3 × row + column of the column's place in its wall grid; 9 as 4).
enum class WallPosition {
    None,    // the column stands at that edge of the grid: no wall on this side
    FaceA,   // at the building's edge on face A's side: the wall is set out from face A
    FaceB,   // the same on face B's side
    Middle,  // the wall runs on past the column: both faces are measured from the reference
};

WallPosition wall_position(WallSide side, int hasira_sd);
inline bool wall_shown(WallSide side, int hasira_sd) {
    return wall_position(side, hasira_sd) != WallPosition::None;
}

// ---- what the drawing reads --------------------------------------------------------------

// Which of a side's five values the drawing reads: exactly those in a box the user can see
// and change. A value it does not read counts as 0: the boxes of a side the shape lacks, the
// part box the window hides at an edge position in 「柱芯」, and the two part boxes of a wall
// without thickness, which the window disables. At an edge position in 「柱芯」 the one part
// box stays shown and enabled without a thickness, so its value is read: with no wall drawn,
// it still places the face that the dimension values keep clear of.
struct WallUse {
    std::array<bool, 5> reads{};
    // Both parts set the wall's faces, so together they must make its thickness.
    bool parts_make_thickness = false;
};

// `optSin_d` 0 is 「柱芯」 (reference lines through the column), any other value 「壁芯」.
WallUse wall_use(WallSide side, int hasira_sd, int optSin_d, double thickness);

// Whether two parts make their total as the window writes numbers, so that 75.1 + 75.1 makes
// 150.2 although the doubles differ in their last bit.
bool parts_make_total(double a, double b, double total);

// 「割」: the total in two parts that make it by the rule above. The first is half the total
// as the window writes numbers, the second the rest: 2.00000000000001 gives 1.00000000000001
// and 1, where two written halves would make 2.00000000000002.
std::array<double, 2> split_in_half(double total);

// ---- what each value may hold ------------------------------------------------------------

// The largest length accepted in drawing units (millimetres): 10 km.
inline constexpr double kMaxDrawingLength = 1e7;

// Wall parts may be negative or zero: a wall may lie wholly on one side of its reference
// line. Thicknesses and every column value are never negative.
inline bool wall_value_may_be_negative(int index) {
    return index < kWallThickness;
}

// ---- names of the boxes ------------------------------------------------------------------

enum class ColumnAxis { X, Y };

// 「左の壁」
std::string wall_name(WallSide side);
// The side of face A (`face` 0) or face B (1) of a wall: 「上」 or 「下」 for a wall to the side
// of the column, 「左」 or 「右」 for one above or below it.
std::string wall_face_name(WallSide side, int face);
// One side of the reference line along an axis: 「左」「右」 across X, 「上」「下」 across Y
// (part 0 first).
std::string side_name(ColumnAxis axis, int part);
// One of a side's five values without the wall's name: 「芯から上の面まで」, 「壁厚」,
// 「下の増打」.
std::string wall_value_name(WallSide side, int index);
// 「左の壁の芯から上の面まで」, 「上の壁の壁厚」, 「右の壁の下の増打」
std::string wall_box_label(WallSide side, int index);
// 「柱幅 X」, 「柱せい Y」
std::string column_total_label(ColumnAxis axis);
// 「柱幅 X の左側」, 「柱せい Y の下側」
std::string column_part_label(ColumnAxis axis, int part);
inline constexpr std::string_view kColumnMasiLabel = "柱増打";
// The box whose value the window copies into the extra thickness of every wall side.
inline constexpr std::string_view kWallMasiLabel = "壁増打";
inline constexpr std::string_view kSymbolLabel = "柱記号";

// ---- names of the lists of 「基本設定」 ---------------------------------------------------------

// The page's rows as it captions them (the row of the symbol is kSymbolLabel, that of the fills
// kFillRowLabel of exchange/fill_styles.h), and its columns' headings. A list is named by both.
inline constexpr std::string_view kBodyRowLabel = "躯体柱";       // the outline with 柱増打
inline constexpr std::string_view kCrossRowLabel = "構造クロス";  // the structural diagonals
inline constexpr std::string_view kWallRowLabel = "壁";
inline constexpr std::string_view kStructuralRowLabel = "構造柱";  // the outline without it
inline constexpr std::string_view kDimensionRowLabel = "寸法";
inline constexpr std::string_view kLayerHeading = "レイヤー";
inline constexpr std::string_view kColourHeading = "線色";
inline constexpr std::string_view kLineTypeHeading = "線種";
inline constexpr std::string_view kTextTypeHeading = "文字種";
// 「躯体柱のレイヤー」, 「柱記号の文字種」
std::string settings_list_label(std::string_view row, std::string_view heading);

// ---- refusals ------------------------------------------------------------------------------

// The box a refused value sits in, in the drawing's terms; the window turns it into its
// control. Kind::None for values the user does not type (TEMP.TXT, Jw_cad's settings).
struct InputBox {
    // HatchPitch: 「斜線の間隔」 on 「基本設定」.
    enum class Kind { None, ColumnTotal, ColumnPart, ColumnMasi, Wall, Symbol, HatchPitch };
    Kind kind = Kind::None;
    ColumnAxis axis = ColumnAxis::X;  // ColumnTotal, ColumnPart, ColumnMasi
    WallSide side = WallSide::Up;     // Wall
    int index = 0;                    // the part (0, 1) or the wall value (0..4)
};

struct InputRefusal {
    std::string message;  // in the window's words, ending with what to do
    InputBox box;
};

// A box's text that is no number. Long texts are quoted by their start only.
InputRefusal not_a_number(const std::string& label, std::string_view text, InputBox box);

// A length as the box allows it: finite, within kMaxDrawingLength, not negative unless
// `may_be_negative`. nullopt when it is usable.
std::optional<InputRefusal> judge_length(double value, bool may_be_negative,
                                         const std::string& label, InputBox box);

// A side's values as the drawing reads them: each value read within its limits, and the
// parts of a wall drawn from both of them making its thickness.
std::optional<InputRefusal> judge_wall(WallSide side, const WallValues& values, int hasira_sd,
                                       int optSin_d);

// A column axis of no size (柱幅 X or 柱せい Y of 0) is no column: nothing sensible can be
// drawn of it. `size` is the axis's total, or the sum of its parts where only they are known.
std::optional<InputRefusal> judge_column_size(ColumnAxis axis, double size);

// A column axis's total (never 0), and its parts against it. The parts themselves are
// judged with the drawing's other values.
std::optional<InputRefusal> judge_column_axis(ColumnAxis axis, double total, double part0,
                                              double part1);

// The start of a long text and "…", for quoting what the user typed in a message box.
std::string quoted_start(std::string_view text);

}  // namespace quornel
