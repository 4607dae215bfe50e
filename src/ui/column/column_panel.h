#pragma once
// The column part of the schematic: the column squares, the reference centre lines, the
// column's dimension marks and input boxes, and the shape buttons: the nine shapes and
// 「交点ごと」 (img_hasira_s(9)), whose boxes are those of the crossing.
#include <array>

#include "platform/dialogs.h"
#include "ui/controls.h"
#include "ui/walls/wall_panel.h"

namespace quornel {

inline constexpr int kShapeButtons = kWholeFloor + 1;

struct ColumnPanel {
    std::array<Picture, kShapeButtons> img_hasira_s;  // the shape buttons (tab 0, outside Picture2)
    Shape shpB_ih;                                    // the column
    Shape shpB_kh;                                    // the column outline before extra thickness
    Picture imgB_lt;                                  // vertical centre line
    Picture imgB_ly;                                  // horizontal centre line
    std::array<Line, 2> linSun_tt;
    std::array<Line, 4> linSun_ty;
    std::array<Line, 2> linSun_yy;
    std::array<Line, 4> linSun_yt;
    std::array<Shape, 7> dot1;
    std::array<Shape, 7> dot2;
    ComboBox cboHsnXG, cboHsnXU_0, cboHsnXU_1;
    std::array<ComboBox, 2> cboHsnXM;
    ComboBox cboHsnYG, cboHsnYU_0, cboHsnYU_1;
    std::array<ComboBox, 2> cboHsnYM;
    Button cmdWriHX, cmdWriHY;
};

// Creates the controls with their names, kinds, containers and design state.
ColumnPanel make_column_panel();

// Start-up steps 5, 6, 8 and 9 (shape buttons raised with 4 pressed, schematic parts,
// column dimension marks, column input boxes). Step 10 (disabling) included.
void LayoutColumnAtStartup(ColumnPanel& column, std::array<WallPanel, 4>& walls,
                           SchematicState& state);

// img_hasira_s_Click up to, not including, the refresh sequence: release, press, reset the
// schematic, apply the shape row (the crossing's for 「交点ごと」). `shape` is 0..9; any other
// value changes nothing (the pressed button stays pressed), so a damaged restored shape
// cannot release the button.
void ApplyColumnShape(ColumnPanel& column, std::array<WallPanel, 4>& walls, SchematicState& state,
                      int shape);

// RedrawColumnPanel: reference lines and their dimension dots.
void RedrawColumnPanel(ColumnPanel& column, const std::array<WallPanel, 4>& walls,
                       const SchematicState& state);

// The refresh sequence after a shape change (k = 0) or an optSin click (k = its index):
// RedrawColumnPanel, layouts up and down, validations up and down with k, layouts right
// and left, validations right and left with k; then the walls joined by 「壁をつなぐ」 follow.
void RefreshSequence(ColumnPanel& column, std::array<WallPanel, 4>& walls,
                     const SchematicState& state, int k);

// Command1_Click(Index), the hidden buttons: moves the upper wall image (0 flush with the
// column's left face, 1 centred, 2 flush with its right face, any other index: not moved),
// then lays out the upper panel only.
void Command1_Click(int index, const ColumnPanel& column, std::array<WallPanel, 4>& walls,
                    const SchematicState& state);

// Column inputs. Each returns after the box's LostFocus work; messages go to `dialogs`.
void ValidateColumnTotal(ColumnPanel& column, ColumnAxis axis,  // cboHsnXG / YG
                         TotalChange change);
void ValidateColumnPart(ColumnPanel& column, ColumnAxis axis, int part,  // cboHsnXU_0 ...
                        Dialogs& dialogs);
void ValidateColumnMasiHidden(ComboBox& box);                    // cboHsnXM(i) ...
void ValidateColumnMasi(ComboBox& cboM_h, ColumnPanel& column);  // cboM_h
void ValidateKigou(ComboBox& cboHasiraKigou);                    // cboHasiraKigou
void ColumnWriClick(ColumnPanel& column, ColumnAxis axis);       // cmdWriHX / HY

}  // namespace quornel
