#pragma once
// The check boxes of 「交点ごと」, each with the value of the drawing it sets: what 「作図」 reads
// from it, and what start-up and 「リセット」 put in it, the drawing's own default, which is
// also what a stored set without its line means.
#include "drawing/drawing_input.h"
#include "ui/frm_main.h"

namespace quornel {

struct FloorCheck {
    CheckBox FrmMain::*box;
    bool DrawingInput::*value;
};

inline constexpr FloorCheck kFloorChecks[] = {
    {&FrmMain::chkKabeTunagu, &DrawingInput::KabeTunagu},
    {&FrmMain::chkSunpoHitotu, &DrawingInput::SunpoHitotu},
    {&FrmMain::chkGaisyuKabe, &DrawingInput::GaisyuKabe},
};

inline int floor_check_default(const FloorCheck& check) {
    return DrawingInput{}.*check.value ? 1 : 0;
}

}  // namespace quornel
