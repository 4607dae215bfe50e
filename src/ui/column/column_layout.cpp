// The column schematic: start-up layout, the shape choice, the reference centre lines and
// the refresh sequence that brings the wall panels along.
#include <string>

#include "ui/column/column_panel.h"

namespace quornel {
namespace {

WallPanel& wall(std::array<WallPanel, 4>& walls, WallSide side) {
    return walls[static_cast<int>(side)];
}
const WallPanel& wall(const std::array<WallPanel, 4>& walls, WallSide side) {
    return walls[static_cast<int>(side)];
}

std::string raised(int i) {
    return "img_botanU(" + std::to_string(i) + ")";
}
std::string pressed(int i) {
    return "img_botanD(" + std::to_string(i) + ")";
}

void set_size(Control& c, double width, double height) {
    c.rect.width = width;
    c.rect.height = height;
}

void centre_on(Control& c, double cx, double cy) {
    c.rect.left = cx - c.rect.width / 2;
    c.rect.top = cy - c.rect.height / 2;
}

void set_line(Line& l, double x1, double y1, double x2, double y2) {
    l.x1 = x1;
    l.y1 = y1;
    l.x2 = x2;
    l.y2 = y2;
}

void dot_at(Shape& d, double x, double y) {
    d.rect.left = x - 30;
    d.rect.top = y - 30;
}

void place(Control& c, double left, double top) {
    c.rect.left = left;
    c.rect.top = top;
}

// The wall images as the crossing has them, centred on the column's faces. `overlap_right`
// is how far the right and down images reach into the column (20 at start-up, 15 after).
void place_wall_images(std::array<WallPanel, 4>& walls, const Rect& column, double cx, double cy,
                       double overlap_right) {
    const double W = column.width, H = column.height;
    Picture& ku = wall(walls, WallSide::Up).image;
    ku.picture = "pic_ku";
    set_size(ku, 764, 1800);
    place(ku, cx - ku.rect.width / 2, cy - H / 2 - ku.rect.height + 15);

    Picture& kr = wall(walls, WallSide::Right).image;
    kr.picture = "pic_kr";
    set_size(kr, 1800, 764);
    place(kr, cx + W / 2 - overlap_right, cy - kr.rect.height / 2);

    Picture& kd = wall(walls, WallSide::DOWN).image;
    kd.picture = "pic_kd";
    set_size(kd, 764, 1800);
    place(kd, cx - kd.rect.width / 2, cy + H / 2 - overlap_right);

    Picture& kl = wall(walls, WallSide::Left).image;
    kl.picture = "pic_kl";
    set_size(kl, 1800, 764);
    place(kl, cx - W / 2 - kl.rect.width + 15, cy - kl.rect.height / 2);
}

// ResetSchematic: the schematic of the crossing.
void ResetSchematic(ColumnPanel& column, std::array<WallPanel, 4>& walls, double cx, double cy) {
    set_size(column.shpB_kh, 1800, 1800);
    centre_on(column.shpB_kh, cx, cy);
    set_size(column.shpB_ih, 2010, 2010);
    centre_on(column.shpB_ih, cx, cy);
    place_wall_images(walls, column.shpB_ih.rect, cx, cy, 15);
}

// The row of the shape table: which walls the column has and which column face each wall
// is flush with. Where the column stands at the building's edge on a wall's face A the wall
// is flush with that face of the column (the upper face for a wall to the side, the left face
// for one above or below), at face B with the opposite one; a wall running past the column
// stays centred, and a side without a wall loses its picture.
void apply_shape_row(const Rect& column, std::array<WallPanel, 4>& walls, double cx, double cy,
                     int shape) {
    if (shape < 0 || shape > kWholeFloor) return;
    const double W = column.width, H = column.height;
    for (WallSide side : kWallSides) {
        Picture& image = wall(walls, side).image;
        Rect& r = image.rect;
        const bool beside = !faces_at_x(side);
        switch (wall_position(side, shape)) {
            case WallPosition::None:
                image.picture = "";
                break;
            case WallPosition::FaceA:
                (beside ? r.top : r.left) = beside ? cy - H / 2 : cx - W / 2;
                break;
            case WallPosition::FaceB:
                (beside ? r.top : r.left) = beside ? cy + H / 2 - r.height : cx + W / 2 - r.width;
                break;
            case WallPosition::Middle:
                break;
        }
    }
}

}  // namespace

void LayoutColumnAtStartup(ColumnPanel& column, std::array<WallPanel, 4>& walls,
                           SchematicState& state) {
    const double cx = state.DiagramCenterX;
    const double cy = static_cast<double>(state.DiagramCenterY);

    // Shape buttons: all raised, the crossing pressed.
    for (int i = 0; i < kShapeButtons; ++i) column.img_hasira_s[i].picture = raised(i);
    state.hasira_sd = 4;
    column.img_hasira_s[4].picture = pressed(4);

    // Schematic parts. Start-up's column is 2000 square and the right and down walls
    // overlap it by 20; a shape change makes it 2010 with overlaps of 15.
    set_size(column.shpB_kh, 1800, 1800);
    centre_on(column.shpB_kh, cx, cy);
    set_size(column.shpB_ih, 2000, 2000);
    centre_on(column.shpB_ih, cx, cy);
    column.imgB_lt.picture = "pic_lt";
    set_size(column.imgB_lt, 15, 6014);
    centre_on(column.imgB_lt, cx, cy);
    column.imgB_ly.picture = "pic_ly";
    set_size(column.imgB_ly, 6014, 15);
    centre_on(column.imgB_ly, cx, cy);
    place_wall_images(walls, column.shpB_ih.rect, cx, cy, 20);
    state.shpB_ih = column.shpB_ih.rect;

    // Column dimension marks.
    const Rect& ih = column.shpB_ih.rect;
    const Rect& kh = column.shpB_kh.rect;
    const double ihL = ih.left, ihR = ih.right(), ihT = ih.top, ihB = ih.bottom();
    const double khL = kh.left, khR = kh.right(), khT = kh.top, khB = kh.bottom();

    set_line(column.linSun_tt[0], ihR + 300, khT, ihR + 300, khB);
    set_line(column.linSun_tt[1], ihR + 600, ihT, ihR + 600, ihB);
    set_line(column.linSun_ty[0], ihR + 100, khT, ihR + 600, khT);
    set_line(column.linSun_ty[1], ihR + 100, khB, ihR + 600, khB);
    set_line(column.linSun_ty[2], ihR + 300, ihT, ihR + 600, ihT);
    set_line(column.linSun_ty[3], ihR + 300, ihB, ihR + 600, ihB);
    const Line& tt0 = column.linSun_tt[0];
    const Line& tt1 = column.linSun_tt[1];
    dot_at(column.dot1[0], tt0.x1, tt0.y1);
    dot_at(column.dot1[1], tt0.x2, tt0.y2);
    dot_at(column.dot1[2], tt1.x1, tt1.y1);
    dot_at(column.dot1[3], tt1.x2, tt1.y2);
    place(column.dot1[4], tt0.x1 - 30, cy - 35);
    dot_at(column.dot1[5], tt1.x1, khB);
    dot_at(column.dot1[6], tt1.x1, khT);

    set_line(column.linSun_yy[0], khL, ihB + 500, khR, ihB + 500);
    set_line(column.linSun_yy[1], ihL, ihB + 800, ihR, ihB + 800);
    set_line(column.linSun_yt[0], khL, ihB + 300, khL, ihB + 800);
    set_line(column.linSun_yt[1], khR, ihB + 300, khR, ihB + 800);
    set_line(column.linSun_yt[2], ihL, ihB + 500, ihL, ihB + 800);
    set_line(column.linSun_yt[3], ihR, ihB + 500, ihR, ihB + 800);
    const Line& yy0 = column.linSun_yy[0];
    const Line& yy1 = column.linSun_yy[1];
    dot_at(column.dot2[0], yy0.x1, yy0.y1);
    dot_at(column.dot2[1], yy0.x2, yy0.y2);
    dot_at(column.dot2[2], yy1.x1, yy1.y1);
    dot_at(column.dot2[3], yy1.x2, yy1.y2);
    place(column.dot2[4], cx - 35, yy0.y1 - 30);
    dot_at(column.dot2[5], khL, ihB + 800);
    dot_at(column.dot2[6], khR, ihB + 800);

    // Column input boxes and their 割 buttons.
    auto w = [](const Control& c) { return c.rect.width; };
    auto h = [](const Control& c) { return c.rect.height; };
    place(column.cboHsnYU_0, ihR - w(column.cboHsnYU_0) + 200, khT + 100);
    place(column.cboHsnYU_1, ihR - w(column.cboHsnYU_0) + 200, khB - h(column.cboHsnYU_1) - 100);
    place(column.cboHsnYG, ihR + 400, khT + 100);
    place(column.cboHsnYM[0], ihR + 400, ihT - h(column.cboHsnYM[0]) - 100);
    place(column.cboHsnYM[1], ihR + 400, ihB + 100);
    place(column.cmdWriHY, column.cboHsnYG.rect.left,
          column.cboHsnYG.rect.top + h(column.cmdWriHY));
    place(column.cboHsnXU_0, cx - w(column.cboHsnXU_0) - 100, ihB - h(column.cboHsnXU_0) + 400);
    place(column.cboHsnXU_1, cx + 100, ihB - h(column.cboHsnXU_1) + 400);
    place(column.cboHsnXG, cx - w(column.cboHsnXG) - 100, ihB + 900);
    place(column.cboHsnXM[0], ihL - w(column.cboHsnXM[0]) - 100, ihB + 900);
    place(column.cboHsnXM[1], ihR + 100, ihB + 900);
    place(column.cmdWriHX, column.cboHsnXG.rect.left,
          column.cboHsnXG.rect.top + h(column.cmdWriHX));

    // The part boxes wait for a total; the wall layouts then enable what each side offers.
    column.cboHsnXU_0.enabled = column.cboHsnXU_1.enabled = false;
    column.cboHsnYU_0.enabled = column.cboHsnYU_1.enabled = false;
    for (WallPanel& p : walls) p.cbo[0].enabled = p.cbo[1].enabled = false;
}

void ApplyColumnShape(ColumnPanel& column, std::array<WallPanel, 4>& walls, SchematicState& state,
                      int shape) {
    if (shape < 0 || shape >= kShapeButtons) return;
    const double cx = state.DiagramCenterX;
    const double cy = static_cast<double>(state.DiagramCenterY);

    if (state.hasira_sd >= 0 && state.hasira_sd < kShapeButtons)
        column.img_hasira_s[state.hasira_sd].picture = raised(state.hasira_sd);
    state.hasira_sd = shape;
    column.img_hasira_s[shape].picture = pressed(shape);

    ResetSchematic(column, walls, cx, cy);
    apply_shape_row(column.shpB_ih.rect, walls, cx, cy, shape);
    state.shpB_ih = column.shpB_ih.rect;
}

void RedrawColumnPanel(ColumnPanel& column, const std::array<WallPanel, 4>& walls,
                       const SchematicState& state) {
    const double cx = state.DiagramCenterX;
    const double cy = static_cast<double>(state.DiagramCenterY);
    Picture& lt = column.imgB_lt;
    Picture& ly = column.imgB_ly;

    if (state.optSin_d == 0) {
        lt.rect.left = cx - lt.rect.width / 2;
        lt.rect.top = cy - lt.rect.height / 2;
        column.dot1[4].rect.top = cy - 35;
        ly.rect.left = cx - ly.rect.width / 2;
        ly.rect.top = cy - ly.rect.height / 2;
        column.dot2[4].rect.left = cx - 35;
        return;
    }

    // 壁芯: each reference line runs along the middle of the wall that is flush with a
    // column face, and through the column's centre where the walls are centred. The line is
    // centred on that middle on both sides of the column (half its thickness is taken off,
    // never added), so it sits exactly where the wall panel's reference dot is.
    const int sd = box_shape(state.hasira_sd);
    if (sd < 0 || sd > 8) return;
    const double W = column.shpB_ih.rect.width, H = column.shpB_ih.rect.height;
    const double lw = lt.rect.width, lh = ly.rect.height;
    const double wu = wall(walls, WallSide::Up).image.rect.width;
    const double hr = wall(walls, WallSide::Right).image.rect.height;

    switch (sd % 3) {
        case 0:
            lt.rect.left = cx - W / 2 + wu / 2 - lw / 2;
            break;
        case 1:
            lt.rect.left = cx - lw / 2;
            break;
        default:
            lt.rect.left = cx + W / 2 - wu / 2 - lw / 2;
            break;
    }
    switch (sd / 3) {
        case 0:
            ly.rect.top = cy - H / 2 + hr / 2 - lh / 2;
            break;
        case 1:
            ly.rect.top = cy - lh / 2;
            break;
        default:
            ly.rect.top = cy + H / 2 - hr / 2 - lh / 2;
            break;
    }
    column.dot2[4].rect.left = sd % 3 == 1 ? cx - 35 : lt.rect.left - 35;
    column.dot1[4].rect.top = sd / 3 == 1 ? cy - 35 : ly.rect.top - 35;
}

void RefreshSequence(ColumnPanel& column, std::array<WallPanel, 4>& walls,
                     const SchematicState& state, int k) {
    RedrawColumnPanel(column, walls, state);
    LayoutKabeSun(wall(walls, WallSide::Up), state);
    LayoutKabeSun(wall(walls, WallSide::DOWN), state);
    ValidateKabeSun(wall(walls, WallSide::Up), k, state);
    ValidateKabeSun(wall(walls, WallSide::DOWN), k, state);
    LayoutKabeSun(wall(walls, WallSide::Right), state);
    LayoutKabeSun(wall(walls, WallSide::Left), state);
    ValidateKabeSun(wall(walls, WallSide::Right), k, state);
    ValidateKabeSun(wall(walls, WallSide::Left), k, state);
    FollowJoinedWalls(walls, state);
}

void Command1_Click(int index, const ColumnPanel& column, std::array<WallPanel, 4>& walls,
                    const SchematicState& state) {
    const double cx = state.DiagramCenterX;
    const double W = column.shpB_ih.rect.width;
    WallPanel& up = wall(walls, WallSide::Up);
    Rect& r = up.image.rect;
    switch (index) {
        case 0:
            r.left = cx - W / 2;
            break;
        case 1:
            r.left = cx - r.width / 2;
            break;
        case 2:
            r.left = cx + W / 2 - r.width;
            break;
        default:
            break;
    }
    LayoutKabeSun(up, state);
}

}  // namespace quornel
