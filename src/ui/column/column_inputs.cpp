// The column's input boxes: totals, parts, extra thickness, symbol, and the 割 buttons.
#include "ui/column/column_panel.h"
#include "ui/number_box.h"
#include "ui/recent_list.h"

namespace quornel {
namespace {

constexpr std::size_t kRecentLength = 5;
constexpr std::size_t kKigouRecentLength = 10;

struct Axis {
    ComboBox& total;
    ComboBox& part0;
    ComboBox& part1;
};

Axis boxes(ColumnPanel& c, ColumnAxis axis) {
    if (axis == ColumnAxis::X) return {c.cboHsnXG, c.cboHsnXU_0, c.cboHsnXU_1};
    return {c.cboHsnYG, c.cboHsnYU_0, c.cboHsnYU_1};
}

// Basic validation, then the box's recently-used list when it holds a real value.
void validate_number(ComboBox& box) {
    zero_if_blank_or_negative(box);
    if (box_value(box) != 0) RecentListUpdate(box, kRecentLength);
}

}  // namespace

void ValidateColumnTotal(ColumnPanel& column, ColumnAxis axis, TotalChange change) {
    Axis a = boxes(column, axis);
    validate_number(a.total);
    // A new total clears its split: the user types one part or presses 割. The same total
    // left again keeps the parts typed for it; a total of 0 has none.
    const bool has_total = box_value(a.total) != 0;
    if (change == TotalChange::New || !has_total) {
        set_box_text(a.part0, "0");
        set_box_text(a.part1, "0");
    }
    a.part0.enabled = a.part1.enabled = has_total;
}

void ValidateColumnPart(ColumnPanel& column, ColumnAxis axis, int part, Dialogs& dialogs) {
    Axis a = boxes(column, axis);
    ComboBox& mine = part == 0 ? a.part0 : a.part1;
    ComboBox& other = part == 0 ? a.part1 : a.part0;
    validate_number(mine);

    const double rest = box_value(a.total) - box_value(mine);
    if (rest >= 0) {
        set_box_number(other, rest);
        return;
    }
    set_box_text(mine, "0");
    set_box_text(other, "0");
    dialogs.show("寸法が合いません", "quornel", DialogButtons::Ok, DialogIcon::None);
}

void ValidateColumnMasiHidden(ComboBox& box) {
    validate_number(box);
}

void ValidateColumnMasi(ComboBox& cboM_h, ColumnPanel& column) {
    validate_number(cboM_h);
    for (ComboBox* side :
         {&column.cboHsnXM[0], &column.cboHsnXM[1], &column.cboHsnYM[0], &column.cboHsnYM[1]})
        set_box_text(*side, cboM_h.text);
}

void ValidateKigou(ComboBox& cboHasiraKigou) {
    if (!cboHasiraKigou.text.empty()) RecentListUpdate(cboHasiraKigou, kKigouRecentLength);
}

void ColumnWriClick(ColumnPanel& column, ColumnAxis axis) {
    Axis a = boxes(column, axis);
    const auto [first, second] = split_in_half(box_value(a.total));
    set_box_number(a.part0, first);
    set_box_number(a.part1, second);
}

}  // namespace quornel
