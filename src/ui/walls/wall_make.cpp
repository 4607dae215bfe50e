#include <string>

#include "ui/walls/wall_panel.h"

namespace quornel {
namespace {

// The names of each side's controls, by side_index(): the wall image and its picture, the
// five boxes, the six lines, the seven dots and the 割 button.
struct SideNames {
    const char* image;
    const char* picture;
    const char* combos;
    const char* lines;
    const char* dots;
    const char* button;
};
constexpr SideNames kNames[] = {
    {"imgB_ku", "pic_ku", "cboKabeSunUp", "linKabeSunUP", "dotKabeUp", "cmdWriKU"},
    {"imgB_kd", "pic_kd", "cboKabeSunDOWN", "linKabeSunDOWN", "dotKabeDOWN", "cmdWriKD"},
    {"imgB_kr", "pic_kr", "cboKabeSunRight", "linKabeSunRight", "dotKabeRight", "cmdWriKR"},
    {"imgB_kl", "pic_kl", "cboKabeSunLeft", "linKabeSunLeft", "dotKabeLeft", "cmdWriKL"},
};

// Where the wall image sits at design, and the 割 button's top-left corner.
struct SidePlaces {
    Rect image;
    double button_left;
    double button_top;
};
constexpr SidePlaces kPlaces[] = {
    {{3240, 1440, 855, 975}, 3960, 240},
    {{3120, 5400, 1215, 615}, 4080, 7080},
    {{5640, 2760, 855, 1455}, 7080, 3600},
    {{2040, 2760, 735, 1455}, 480, 2280},
};

template <class C>
void name(C& c, const char* n, int index, ControlKind kind) {
    c.name = n;
    c.index = index;
    c.kind = kind;
    c.container = "Picture2";
}

}  // namespace

WallPanel make_wall_panel(WallSide side) {
    const SideNames& names = kNames[side_index(side)];
    const SidePlaces& place = kPlaces[side_index(side)];
    WallPanel p;
    p.side = side;

    name(p.image, names.image, -1, ControlKind::Image);
    p.image.rect = place.image;
    p.image.picture = names.picture;

    for (int i = 0; i < 5; ++i) {
        name(p.cbo[i], names.combos, i, ControlKind::ComboBox);
        p.cbo[i].rect.width = 735;
        p.cbo[i].rect.height = 300;
        p.cbo[i].text = "0";
    }
    for (int i = 0; i < 6; ++i) name(p.lin[i], names.lines, i, ControlKind::Line);
    for (int i = 0; i < 7; ++i) {
        name(p.dot[i], names.dots, i, ControlKind::Shape);
        p.dot[i].rect.width = 75;
        p.dot[i].rect.height = 75;
    }
    name(p.cmdWri, names.button, -1, ControlKind::Button);
    p.cmdWri.rect = {place.button_left, place.button_top, 300, 300};

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
    p.cmdWri.rect = {place.button_left, place.button_top, 300, 300};
    p.cmdWri.caption = "割";
    p.cmdWri.visible = p.cmdWri.enabled = true;
    return p;
}

}  // namespace quornel
