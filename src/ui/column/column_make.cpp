#include <string>

#include "ui/box_tips.h"
#include "ui/column/column_panel.h"

namespace quornel {
namespace {

template <class C>
void name(C& c, const char* n, int index, ControlKind kind, Rect rect) {
    c.name = n;
    c.index = index;
    c.kind = kind;
    c.container = "Picture2";
    c.rect = rect;
}

void make_line(Line& l, const char* n, int index, double x1, double y1, double x2, double y2) {
    name(l, n, index, ControlKind::Line, {});
    l.x1 = x1;
    l.y1 = y1;
    l.x2 = x2;
    l.y2 = y2;
}

void make_dot(Shape& d, const char* n, int index, double x, double y) {
    name(d, n, index, ControlKind::Shape, {x - 30, y - 30, 75, 75});
}

void make_box(ComboBox& c, const char* n, int index, Rect rect, bool visible = true) {
    name(c, n, index, ControlKind::ComboBox, rect);
    c.text = "0";
    c.visible = visible;
}

}  // namespace

ColumnPanel make_column_panel() {
    ColumnPanel c;

    // The shape buttons sit on tab 0 left of the schematic, empty until start-up: the nine
    // shapes in a 3 × 3 grid, 「交点ごと」 a fourth column beside its middle row.
    for (int i = 0; i < kShapeButtons; ++i) {
        Picture& b = c.img_hasira_s[i];
        b.name = "img_hasira_s";
        b.index = i;
        b.kind = ControlKind::Image;
        b.container = "SSTab1";
        b.tab_page = 0;
        const double size = i == 0 ? 465 : 495;
        const int column = i == kWholeFloor ? 3 : i % 3;
        const int row = i == kWholeFloor ? 1 : i / 3;
        b.rect = {360.0 + 600 * column, 1140.0 + 600 * row, size, size};
        b.tip = i == kWholeFloor ? whole_floor_tip() : shape_tip(i);
    }

    name(c.shpB_ih, "shpB_ih", -1, ControlKind::Shape, {3840, 3120, 735, 735});
    name(c.shpB_kh, "shpB_kh", -1, ControlKind::Shape, {2880, 3120, 735, 735});
    name(c.imgB_lt, "imgB_lt", -1, ControlKind::Image, {3600, 600, 135, 5655});
    c.imgB_lt.picture = "pic_lt";
    name(c.imgB_ly, "imgB_ly", -1, ControlKind::Image, {960, 3360, 5655, 135});
    c.imgB_ly.picture = "pic_ly";

    // The dimension marks at design: the depth chain right of the column, the width chain
    // below it, in the arrangement start-up gives them.
    make_line(c.linSun_tt[0], "linSun_tt", 0, 5160, 2400, 5160, 4560);
    make_line(c.linSun_tt[1], "linSun_tt", 1, 5400, 2280, 5400, 4680);
    make_line(c.linSun_ty[0], "linSun_ty", 0, 4920, 2400, 5400, 2400);
    make_line(c.linSun_ty[1], "linSun_ty", 1, 4920, 4560, 5400, 4560);
    make_line(c.linSun_ty[2], "linSun_ty", 2, 5160, 2280, 5400, 2280);
    make_line(c.linSun_ty[3], "linSun_ty", 3, 5160, 4680, 5400, 4680);
    make_line(c.linSun_yy[0], "linSun_yy", 0, 3000, 4800, 4440, 4800);
    make_line(c.linSun_yy[1], "linSun_yy", 1, 2880, 5040, 4560, 5040);
    make_line(c.linSun_yt[0], "linSun_yt", 0, 3000, 4560, 3000, 5040);
    make_line(c.linSun_yt[1], "linSun_yt", 1, 4440, 4560, 4440, 5040);
    make_line(c.linSun_yt[2], "linSun_yt", 2, 2880, 4800, 2880, 5040);
    make_line(c.linSun_yt[3], "linSun_yt", 3, 4560, 4800, 4560, 5040);
    const double dot1_points[7][2] = {{5160, 2400}, {5160, 4560}, {5400, 2280}, {5400, 4680},
                                      {5160, 3480}, {5400, 4560}, {5400, 2400}};
    const double dot2_points[7][2] = {{3000, 4800}, {4440, 4800}, {2880, 5040}, {4560, 5040},
                                      {3720, 4800}, {3000, 5040}, {4440, 5040}};
    for (int i = 0; i < 7; ++i) {
        make_dot(c.dot1[i], "dot1", i, dot1_points[i][0], dot1_points[i][1]);
        make_dot(c.dot2[i], "dot2", i, dot2_points[i][0], dot2_points[i][1]);
    }

    make_box(c.cboHsnXG, "cboHsnXG", -1, {3240, 5280, 735, 300});
    make_box(c.cboHsnXU_0, "cboHsnXU_0", -1, {3000, 4440, 735, 300});
    make_box(c.cboHsnXU_1, "cboHsnXU_1", -1, {3720, 4440, 735, 300});
    make_box(c.cboHsnXM[0], "cboHsnXM", 0, {2280, 5280, 615, 300}, false);
    make_box(c.cboHsnXM[1], "cboHsnXM", 1, {4560, 5280, 615, 300}, false);
    make_box(c.cboHsnYG, "cboHsnYG", -1, {5280, 3000, 735, 300});
    make_box(c.cboHsnYU_0, "cboHsnYU_0", -1, {4200, 2880, 735, 300});
    make_box(c.cboHsnYU_1, "cboHsnYU_1", -1, {4200, 3720, 735, 300});
    make_box(c.cboHsnYM[0], "cboHsnYM", 0, {5280, 2400, 615, 300}, false);
    make_box(c.cboHsnYM[1], "cboHsnYM", 1, {5280, 4320, 615, 300}, false);

    name(c.cmdWriHX, "cmdWriHX", -1, ControlKind::Button, {3240, 5640, 300, 300});
    c.cmdWriHX.caption = "割";
    name(c.cmdWriHY, "cmdWriHY", -1, ControlKind::Button, {5400, 3480, 300, 300});
    c.cmdWriHY.caption = "割";

    // The column's boxes mean the same whatever the shape: their tips are set once.
    for (ColumnAxis axis : {ColumnAxis::X, ColumnAxis::Y}) {
        const bool x = axis == ColumnAxis::X;
        (x ? c.cboHsnXG : c.cboHsnYG).tip = column_total_tip(axis);
        (x ? c.cboHsnXU_0 : c.cboHsnYU_0).tip = column_part_tip(axis, 0);
        (x ? c.cboHsnXU_1 : c.cboHsnYU_1).tip = column_part_tip(axis, 1);
        (x ? c.cmdWriHX : c.cmdWriHY).tip = column_split_tip(axis);
    }
    return c;
}

}  // namespace quornel
