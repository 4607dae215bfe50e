#pragma once
// The four wall-side panels of the schematic: their controls, their layout and the
// validation of the wall inputs. FrmMain owns one WallPanel per side.
#include <array>
#include <string>

#include "drawing/input_rules.h"
#include "platform/dialogs.h"
#include "ui/controls.h"

namespace quornel {

struct WallPanel {
    WallSide side = WallSide::Up;
    Picture image;                // imgB_ku / imgB_kd / imgB_kr / imgB_kl
    std::array<ComboBox, 5> cbo;  // cboKabeSunUp(0..4) ...
    std::array<Line, 6> lin;      // linKabeSunUP(0..5) ...
    std::array<Shape, 7> dot;     // dotKabeUp(0..6) ...
    Button cmdWri;                // cmdWriKU ...
};

// What the layouts and validations read besides their own panel.
struct SchematicState {
    int optSin_d = 0;   // 0 柱芯, 1 壁芯
    int hasira_sd = 4;  // column shape 0..8, or 9 (「交点ごと」, laid out as 4)
    // 「壁をつなぐ」 (chkKabeTunagu): with 「交点ごと」 the walls below and to the left are
    // drawn with the values of the walls above and to the right.
    bool KabeTunagu = true;
    double DiagramCenterX = 4250;
    long DiagramCenterY = 3750;
    Rect shpB_ih;  // the column square in Picture2
};

// Whether a box whose leaving rewrites other boxes holds another number than it did when the
// user went into it: only a new number clears the parts of 柱幅 X, 柱せい Y or a wall's 壁厚,
// and only a new 壁増打 replaces the extra thickness of every wall.
enum class TotalChange { New, Same };

// Creates the controls of one side with their names, kinds, container and design state.
WallPanel make_wall_panel(WallSide side);

// LayoutKabeSunLeft / Right / DOWN / Up.
void LayoutKabeSun(WallPanel& panel, const SchematicState& state);

// The boxes of a wall drawn with another side's values (drawing/floor_rules.h,
// wall_values_side) follow that side's: the same texts, greyed with their button. Run after
// anything that settles a wall's texts or lays a side out. The other sides are left as their
// layout made them.
void FollowJoinedWalls(std::array<WallPanel, 4>& panels, const SchematicState& state);

// cboKabeSun..._LostFocus(Index). `thickness` counts where index is 2: the same 壁厚 left
// again keeps the parts (the refresh after a shape or 柱芯/壁芯 never passes 2).
void ValidateKabeSun(WallPanel& panel, int index, const SchematicState& state,
                     TotalChange thickness = TotalChange::New);

// cmdWriK..._Click. `part0` and `part1` are the texts of the column's part boxes on the
// wall's faces: cboHsnYU_0 / cboHsnYU_1 for the left and right walls, cboHsnXU_0 /
// cboHsnXU_1 for the down and up walls.
void KabeWriClick(WallPanel& panel, const SchematicState& state, const std::string& part0,
                  const std::string& part1);

// cboM_k_LostFocus: validates 壁増打 and, when it holds a new number (`change`), copies it to
// combos 3 and 4 of every side, in the order up, down, right, left. The same number left again
// keeps what each side's boxes hold.
void ValidateKabeMasi(ComboBox& cboM_k, std::array<WallPanel, 4>& panels,
                      TotalChange change = TotalChange::New);

}  // namespace quornel
