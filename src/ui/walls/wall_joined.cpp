// 「壁をつなぐ」 in the window: a wall between two crossings is one wall with one set of values,
// so the boxes of the side drawn with another side's values show those values, greyed.
#include "drawing/floor_rules.h"
#include "ui/number_box.h"
#include "ui/walls/wall_panel.h"

namespace quornel {

void FollowJoinedWalls(std::array<WallPanel, 4>& panels, const SchematicState& state) {
    for (WallSide side : kWallSides) {
        const WallSide source = wall_values_side(side, state.hasira_sd, state.KabeTunagu);
        if (source == side) continue;
        WallPanel& p = panels[side_index(side)];
        const WallPanel& from = panels[side_index(source)];
        for (int k = 0; k < 5; ++k) {
            set_box_text(p.cbo[k], from.cbo[k].text);
            p.cbo[k].enabled = false;
        }
        p.cmdWri.enabled = false;
    }
}

}  // namespace quornel
