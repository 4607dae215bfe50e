// LayoutKabeSunLeft / Right / DOWN / Up: one procedure for the four sides. Each side's
// figure is a dimension chain that runs along its wall image (along Y for the left and
// right walls, along X for the down and up walls) and steps outwards from the image's
// outer edge; the combos are then placed by each side's own rules.
#include <tuple>
#include <utility>

#include "ui/box_tips.h"
#include "ui/number_box.h"
#include "ui/walls/wall_panel.h"

namespace quornel {
namespace {

// First row (left, right) or first column (down, up) of the wall grid: the column's
// centre line lies towards the start of the chain.
bool first_line(WallSide side, int sd) {
    sd = box_shape(sd);
    if (sd < 0 || sd > 8) return false;
    return faces_at_x(side) ? sd % 3 == 0 : sd / 3 == 0;
}

bool third_line(WallSide side, int sd) {
    sd = box_shape(sd);
    if (sd < 0 || sd > 8) return false;
    return faces_at_x(side) ? sd % 3 == 2 : sd / 3 == 2;
}

class Figure {
  public:
    Figure(WallSide side, const Rect& image) : side_(side), r_(image) {}

    double start() const { return along_y() ? r_.top : r_.left; }
    double end() const { return along_y() ? r_.bottom() : r_.right(); }

    // The coordinate `d` twips outside the wall image's outer edge.
    double out(double d) const {
        switch (side_) {
            case WallSide::Left:
                return r_.left - d;
            case WallSide::Right:
                return r_.right() + d;
            case WallSide::DOWN:
                return r_.bottom() + d;
            case WallSide::Up:
                return r_.top - d;
        }
        return 0;
    }

    std::pair<double, double> point(double along, double outwards) const {
        return along_y() ? std::pair{outwards, along} : std::pair{along, outwards};
    }

    void line(Line& l, double along1, double out1, double along2, double out2) const {
        std::tie(l.x1, l.y1) = point(along1, out1);
        std::tie(l.x2, l.y2) = point(along2, out2);
    }

    // A dot is placed by its point minus 30, whatever its size.
    void dot(Shape& d, double along, double outwards) const {
        auto [x, y] = point(along, outwards);
        d.rect.left = x - 30;
        d.rect.top = y - 30;
    }

  private:
    bool along_y() const { return !faces_at_x(side_); }
    WallSide side_;
    Rect r_;
};

void place(Control& c, double left, double top) {
    c.rect.left = left;
    c.rect.top = top;
}

// The combos (all of them, or all but the hidden part combo) and the button.
void place_inputs(WallPanel& p, bool place0, bool place1) {
    const Rect& img = p.image.rect;
    const double L = img.left, T = img.top, W = img.width, H = img.height;
    const double R = img.right(), B = img.bottom();
    auto w = [&](int k) { return p.cbo[k].rect.width; };
    auto h = [&](int k) { return p.cbo[k].rect.height; };
    const double line2_x1 = p.lin[2].x1;
    const double line3_x1 = p.lin[3].x1;

    switch (p.side) {
        case WallSide::Left:
            if (place0) place(p.cbo[0], line2_x1 + 50, T - h(0) - 100);
            if (place1) place(p.cbo[1], line2_x1 + 50, B + 100);
            place(p.cbo[2], line3_x1 - w(2) - 50, T + H / 2 - h(2));
            place(p.cbo[3], line3_x1 - w(3) - 50, T - h(3) - 100);
            place(p.cbo[4], line3_x1 - w(4) - 50, B + 100);
            place(p.cmdWri, line3_x1 - w(2) - 50, T + H / 2);
            break;
        case WallSide::Right:
            if (place0) place(p.cbo[0], line2_x1 - w(2) - 50, T - h(0) - 100);
            if (place1) place(p.cbo[1], line2_x1 - w(2) - 50, B + 100);
            place(p.cbo[2], line3_x1 + 50, T + H / 2 - h(2));
            place(p.cbo[3], R + 550, T - h(3) - 100);
            place(p.cbo[4], R + 550, B + 100);
            place(p.cmdWri, line3_x1 + 50, T + H / 2);
            break;
        case WallSide::DOWN:
            if (place0) place(p.cbo[0], L - W - 50, B + 50);
            if (place1) place(p.cbo[1], R + 50, B + 50);
            place(p.cbo[2], L + W / 2 - w(2) / 2, B + 600);
            place(p.cbo[3], L - W - 300, B + 600);
            place(p.cbo[4], R + 300, B + 600);
            place(p.cmdWri, p.cbo[2].rect.left + w(2), p.cbo[2].rect.top);
            break;
        case WallSide::Up:
            if (place0) place(p.cbo[0], L - W - 50, T - 250);
            if (place1) place(p.cbo[1], R + 50, T - 250);
            place(p.cbo[2], L + W / 2 - w(2) / 2, T - h(2) - 600);
            place(p.cbo[3], L - W - 300, T - h(3) - 600);
            place(p.cbo[4], R + 300, T - h(4) - 600);
            place(p.cmdWri, p.cbo[2].rect.left + w(2), p.cbo[2].rect.top);
            break;
    }
}

}  // namespace

void LayoutKabeSun(WallPanel& p, const SchematicState& s) {
    const int sd = s.hasira_sd;
    const bool column_centre = s.optSin_d == 0;
    const WallPosition position = wall_position(p.side, sd);
    const bool shown = position != WallPosition::None;
    const bool first = first_line(p.side, sd);
    const bool third = third_line(p.side, sd);
    const Figure f(p.side, p.image.rect);
    const double centre =
        faces_at_x(p.side) ? s.DiagramCenterX : static_cast<double>(s.DiagramCenterY);

    // 1. The figure shows only where the side has a wall.
    for (Line& l : p.lin) l.visible = shown;
    for (Shape& d : p.dot) d.visible = shown;

    // 2. Extension lines across the wall's two faces.
    f.line(p.lin[0], f.start() + 130, f.out(50), f.start() + 130, f.out(550));
    f.line(p.lin[1], f.end() - 130, f.out(50), f.end() - 130, f.out(550));

    // 3. Inner chain: face to face, or in column-centre mode at an edge position from the
    //    free face to the column's centre line.
    if (column_centre && first)
        f.line(p.lin[2], f.start() + 130, f.out(300), centre, f.out(300));
    else if (column_centre && third)
        f.line(p.lin[2], centre, f.out(300), f.end() - 130, f.out(300));
    else
        f.line(p.lin[2], f.start() + 130, f.out(300), f.end() - 130, f.out(300));

    // 4. Outer chain with its two end ticks.
    f.line(p.lin[3], f.start(), f.out(550), f.end(), f.out(550));
    f.line(p.lin[4], f.start(), f.out(300), f.start(), f.out(550));
    f.line(p.lin[5], f.end(), f.out(300), f.end(), f.out(550));

    // 5. Dots at the chain points; dot 1 marks the reference line.
    f.dot(p.dot[0], f.start() + 130, f.out(300));
    f.dot(p.dot[2], f.end() - 130, f.out(300));
    f.dot(p.dot[3], f.start() + 130, f.out(550));
    f.dot(p.dot[4], f.end() - 130, f.out(550));
    f.dot(p.dot[5], f.start(), f.out(550));
    f.dot(p.dot[6], f.end(), f.out(550));
    double reference = centre;
    if (!column_centre && (first || third)) {
        // Wall-centre mode with the wall flush with a column face: the wall's own middle.
        const Rect& img = p.image.rect;
        if (!faces_at_x(p.side)) {
            reference = img.top + img.height / 2;
        } else {
            const Rect& col = s.shpB_ih;
            reference = first ? col.left + img.width / 2 : col.left + col.width - img.width / 2;
        }
    }
    f.dot(p.dot[1], reference, f.out(300));

    // 6. The half of the inner chain beyond the centre line has no end point.
    if (column_centre) {
        if (first)
            p.dot[2].visible = false;
        else if (third)
            p.dot[0].visible = false;
    }

    // 7. Inputs show with the wall. The thickness boxes and the button are always open to
    //    the user where they show (a wall that follows another's is greyed afterwards,
    //    FollowJoinedWalls); the part boxes are decided next.
    for (ComboBox& c : p.cbo) c.visible = shown;
    p.cmdWri.visible = shown;
    for (int k = kWallThickness; k < 5; ++k) p.cbo[k].enabled = true;
    p.cmdWri.enabled = true;

    // 8. Which part combos the side offers, then placement.
    if (!column_centre) {
        p.cbo[0].enabled = p.cbo[1].enabled = true;
        place_inputs(p, true, true);
    } else if (position == WallPosition::FaceA) {
        p.cbo[1].visible = false;
        p.cbo[0].visible = p.cbo[0].enabled = true;
        place_inputs(p, true, false);
    } else if (position == WallPosition::FaceB) {
        p.cbo[0].visible = false;
        p.cbo[1].visible = p.cbo[1].enabled = true;
        place_inputs(p, false, true);
    } else if (!shown) {
        p.cbo[0].visible = p.cbo[1].visible = false;
    } else {
        // A wall without thickness has no parts to enter. A text that is not a number
        // counts as 0 here; the validation rewrites it when the box is left.
        const bool has_thickness = box_value(p.cbo[2]) != 0;
        p.cbo[0].enabled = p.cbo[1].enabled = has_thickness;
        place_inputs(p, true, true);
    }

    // 9. "面" where the button makes the wall face flush with the column face.
    WallTipLayout tips{.side = p.side, .column_centre = column_centre, .flush_face = std::nullopt};
    if (column_centre && position == WallPosition::FaceA) tips.flush_face = 0;
    if (column_centre && position == WallPosition::FaceB) tips.flush_face = 1;
    p.cmdWri.caption = tips.flush_face ? "面" : "割";

    // The tips say what each box holds and what the button does, as laid out now.
    for (int i = 0; i < 5; ++i) p.cbo[i].tip = wall_box_tip(tips, i);
    p.cmdWri.tip = wall_button_tip(tips);
}

}  // namespace quornel
