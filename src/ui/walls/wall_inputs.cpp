// The wall inputs: the side validation run when a wall box is left (or Enter is pressed in
// it), the 割/面 button, and 壁増打.
#include "ui/number_box.h"
#include "ui/recent_list.h"
#include "ui/walls/wall_panel.h"

namespace quornel {
namespace {

constexpr std::size_t kRecentLength = 5;

void set_parts_enabled(WallPanel& p, bool enabled) {
    p.cbo[0].enabled = p.cbo[1].enabled = enabled;
}

void zero_parts(WallPanel& p) {
    set_box_text(p.cbo[0], "0");
    set_box_text(p.cbo[1], "0");
}

}  // namespace

void ValidateKabeSun(WallPanel& p, int index, const SchematicState& s, TotalChange thickness) {
    // Empty boxes, and boxes whose text is not a number, read as 0 and show it.
    for (ComboBox& c : p.cbo)
        if (!box_is_number(c)) set_box_text(c, "0");
    // Thicknesses are never negative; the part values may be (a reference line outside
    // the wall).
    for (int k = 0; k < 5; ++k)
        if (!wall_value_may_be_negative(k) && !(box_value(p.cbo[k]) > 0))
            set_box_text(p.cbo[k], "0");

    if (index >= 0 && index < 5 && box_value(p.cbo[index]) != 0)
        RecentListUpdate(p.cbo[index], kRecentLength);

    const WallPosition position = wall_position(p.side, s.hasira_sd);
    if (position == WallPosition::None) return;

    const bool column_centre = s.optSin_d == 0;
    const double t = box_value(p.cbo[2]);
    if (column_centre) {
        if (position == WallPosition::FaceA) {
            p.cbo[0].enabled = true;
            return;
        }
        if (position == WallPosition::FaceB) {
            p.cbo[1].enabled = true;
            return;
        }
        if (t == 0) {
            set_parts_enabled(p, false);
            if (p.side == WallSide::DOWN || p.side == WallSide::Up) zero_parts(p);
            return;
        }
        set_parts_enabled(p, true);
    } else {
        set_parts_enabled(p, t != 0);
        if (t == 0 && p.side == WallSide::DOWN) zero_parts(p);
    }

    // The part the user did not touch follows the one they did; a new thickness clears
    // both, the same one left again keeps them.
    double a = box_value(p.cbo[0]);
    double b = box_value(p.cbo[1]);
    switch (index) {
        case 0:
            b = t - a;
            break;
        case 1:
            a = t - b;
            break;
        case 2:
            if (thickness == TotalChange::New) a = b = 0;
            break;
        default:
            break;
    }
    set_box_number(p.cbo[0], a);
    set_box_number(p.cbo[1], b);
}

void KabeWriClick(WallPanel& p, const SchematicState& s, const std::string& part0,
                  const std::string& part1) {
    const double t = box_value(p.cbo[2]);
    const bool column_centre = s.optSin_d == 0;
    // The column's part text is copied as it stands; one that is not a number would put a
    // non-number into the wall box, so it counts as 0 like everywhere else.
    auto column_part = [](const std::string& text) {
        return text_is_number(text) ? text : std::string("0");
    };
    const WallPosition position = wall_position(p.side, s.hasira_sd);
    if (column_centre && position == WallPosition::FaceA) {
        set_box_text(p.cbo[0], column_part(part0));
    } else if (column_centre && position == WallPosition::FaceB) {
        set_box_text(p.cbo[1], column_part(part1));
    } else {
        const auto [first, second] = split_in_half(t);
        set_box_number(p.cbo[0], first);
        set_box_number(p.cbo[1], second);
    }
}

void ValidateKabeMasi(ComboBox& cboM_k, std::array<WallPanel, 4>& panels, TotalChange change) {
    zero_if_blank_or_negative(cboM_k);
    if (box_value(cboM_k) != 0) RecentListUpdate(cboM_k, kRecentLength);
    // Passing through the box (Tab goes by it on the way to the schematic) must not undo the
    // extra thicknesses typed for one wall.
    if (change == TotalChange::Same) return;
    // Array order is up, down, right, left: the order the copies are made in.
    for (WallPanel& p : panels) {
        set_box_text(p.cbo[3], cboM_k.text);
        set_box_text(p.cbo[4], cboM_k.text);
    }
}

}  // namespace quornel
