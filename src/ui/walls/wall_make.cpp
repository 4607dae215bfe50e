#include <string>

#include "ui/walls/wall_panel.h"

namespace quornel {
namespace {

struct SideDesign {
    const char* image;
    const char* picture;
    Rect image_rect;
    const char* combos;
    const char* lines;
    const char* dots;
    const char* button;
    double button_left;
    double button_top;
};

SideDesign design_of(WallSide side) {
    switch (side) {
        case WallSide::Up:
            return {"imgB_ku",      "pic_ku",       {3240, 1440, 855, 975},
                    "cboKabeSunUp", "linKabeSunUP", "dotKabeUp",
                    "cmdWriKU",     3960,           240};
        case WallSide::DOWN:
            return {"imgB_kd",
                    "pic_kd",
                    {3120, 5400, 1215, 615},
                    "cboKabeSunDOWN",
                    "linKabeSunDOWN",
                    "dotKabeDOWN",
                    "cmdWriKD",
                    4080,
                    7080};
        case WallSide::Right:
            return {"imgB_kr",
                    "pic_kr",
                    {5640, 2760, 855, 1455},
                    "cboKabeSunRight",
                    "linKabeSunRight",
                    "dotKabeRight",
                    "cmdWriKR",
                    7080,
                    3600};
        case WallSide::Left:
            break;
    }
    return {"imgB_kl",
            "pic_kl",
            {2040, 2760, 735, 1455},
            "cboKabeSunLeft",
            "linKabeSunLeft",
            "dotKabeLeft",
            "cmdWriKL",
            480,
            2280};
}

template <class C>
void name(C& c, const char* n, int index, ControlKind kind) {
    c.name = n;
    c.index = index;
    c.kind = kind;
    c.container = "Picture2";
}

}  // namespace

WallPanel make_wall_panel(WallSide side) {
    const SideDesign d = design_of(side);
    WallPanel p;
    p.side = side;

    name(p.image, d.image, -1, ControlKind::Image);
    p.image.rect = d.image_rect;
    p.image.picture = d.picture;

    for (int i = 0; i < 5; ++i) {
        name(p.cbo[i], d.combos, i, ControlKind::ComboBox);
        p.cbo[i].rect.width = 735;
        p.cbo[i].rect.height = 300;
        p.cbo[i].text = "0";
    }
    for (int i = 0; i < 6; ++i) name(p.lin[i], d.lines, i, ControlKind::Line);
    for (int i = 0; i < 7; ++i) {
        name(p.dot[i], d.dots, i, ControlKind::Shape);
        p.dot[i].rect.width = 75;
        p.dot[i].rect.height = 75;
    }
    name(p.cmdWri, d.button, -1, ControlKind::Button);
    p.cmdWri.rect = {d.button_left, d.button_top, 300, 300};

    // The design arrangement is the figure of an interior column around the design image,
    // in the design Picture2 (7980 x 7500) with its design column square.
    SchematicState design;
    design.optSin_d = 0;
    design.hasira_sd = 4;
    design.DiagramCenterX = 7980.0 / 2;
    design.DiagramCenterY = 3750;
    design.shpB_ih = {3840, 3120, 735, 735};
    LayoutKabeSun(p, design);

    // Design state: everything shown and enabled except the two extra-thickness combos,
    // which the first layout shows; the button keeps its own design place.
    for (ComboBox& c : p.cbo) c.visible = c.enabled = true;
    p.cbo[3].visible = p.cbo[4].visible = false;
    p.cmdWri.rect = {d.button_left, d.button_top, 300, 300};
    p.cmdWri.caption = "割";
    p.cmdWri.visible = p.cmdWri.enabled = true;
    return p;
}

}  // namespace quornel
