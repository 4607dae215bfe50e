// Where Tab goes: the window's controls in the order a person reads them, made again from
// where they stand whenever they are asked for, so that it follows every layout the shapes make.
#include <algorithm>

#include "ui/frm_main.h"

namespace quornel {

namespace {

// What is read in one piece within a container: a control Tab stops at, or a container whose
// own controls are read together where it is read.
struct Unit {
    const Control* control;
    Rect at;                             // where it is read, in its container's coordinates
    std::vector<const Control*> inside;  // a container's controls, in their order
};

// Row by row from the top, each row left to right. A row is the topmost unit not yet read and
// every other that overlaps it in height: boxes side by side that stand a little higher or lower
// than one another are still one row.
void sort_in_reading_order(std::vector<Unit>& units) {
    std::stable_sort(units.begin(), units.end(), [](const Unit& a, const Unit& b) {
        return a.at.top != b.at.top ? a.at.top < b.at.top : a.at.left < b.at.left;
    });
    for (auto row = units.begin(); row != units.end();) {
        const double bottom = row->at.bottom();
        const auto end =
            std::find_if(row, units.end(), [&](const Unit& u) { return u.at.top >= bottom; });
        std::stable_sort(row, end,
                         [](const Unit& a, const Unit& b) { return a.at.left < b.at.left; });
        row = end;
    }
}

bool is_stop_kind(ControlKind kind) {
    // The tab control is not a stop of its own: Ctrl+Tab turns its pages.
    return takes_focus(kind) && kind != ControlKind::TabControl;
}

}  // namespace

const Control* FrmMain::split_box_of(const Control& button) const {
    if (&button == &column.cmdWriHX) return &column.cboHsnXG;
    if (&button == &column.cmdWriHY) return &column.cboHsnYG;
    for (const WallPanel& p : walls)
        if (&button == &p.cmdWri) return &p.cbo[kWallThickness];
    return nullptr;
}

void FrmMain::read_container(const std::string& container, std::vector<const Control*>& out) const {
    std::vector<Unit> units;
    std::vector<const Control*> splits;  // the 「割」/「面」 buttons, each read after its box
    for (const Control* c : all_) {
        if (c->container != container || !is_shown(*c)) continue;
        if (is_stop_kind(c->kind)) {
            if (split_box_of(*c))
                splits.push_back(c);
            else
                units.push_back({c, c->rect, {}});
            continue;
        }
        // Only frames and picture boxes hold controls.
        if (c->kind != ControlKind::Frame && c->kind != ControlKind::PictureBox) continue;
        std::vector<const Control*> inside;
        read_container(c->name, inside);
        if (inside.empty()) continue;
        // A frame is read whole in the row where it ends, that of its lowest control: 「塗り」
        // on 「基本設定」 reaches down to the row 塗り and belongs to it.
        Rect at = c->rect;
        const Control* lowest = nullptr;
        for (const Control* i : inside)
            if (i->container == c->name && (!lowest || i->rect.top > lowest->rect.top)) lowest = i;
        if (lowest) {
            at.top = c->rect.top + lowest->rect.top;
            at.height = lowest->rect.height;
        }
        units.push_back({c, at, std::move(inside)});
    }
    // A 「割」 whose box is not read (hidden) is read where it stands.
    for (const Control* button : splits) {
        const Control* box = split_box_of(*button);
        if (std::none_of(units.begin(), units.end(),
                         [&](const Unit& u) { return u.control == box; }))
            units.push_back({button, button->rect, {}});
    }

    // On 「作図」 the schematic, a picture box with controls of its own, stands as a column of its
    // own: the column left of it is read first, top to bottom, then the schematic, then what
    // stands right of it or below it (the buttons).
    std::vector<Unit> ordered;
    const auto schematic = std::find_if(units.begin(), units.end(), [](const Unit& u) {
        return u.control->kind == ControlKind::PictureBox;
    });
    if (schematic != units.end()) {
        Unit middle = std::move(*schematic);
        units.erase(schematic);
        std::vector<Unit> rest;
        for (Unit& u : units) (u.at.left < middle.at.left ? ordered : rest).push_back(std::move(u));
        sort_in_reading_order(ordered);
        sort_in_reading_order(rest);
        ordered.push_back(std::move(middle));
        for (Unit& u : rest) ordered.push_back(std::move(u));
    } else {
        sort_in_reading_order(units);
        ordered = std::move(units);
    }

    for (const Unit& u : ordered) {
        if (!is_stop_kind(u.control->kind)) {
            out.insert(out.end(), u.inside.begin(), u.inside.end());
            continue;
        }
        out.push_back(u.control);
        for (const Control* button : splits)
            if (split_box_of(*button) == u.control) out.push_back(button);
    }
}

std::vector<ControlRef> FrmMain::tab_order() const {
    std::vector<const Control*> read;
    read_container("SSTab1", read);
    // An option group is one stop: the chosen button, where the group's first button is read.
    std::vector<ControlRef> order;
    for (const Control* c : read) {
        if (c->kind != ControlKind::OptionButton) {
            order.push_back(ControlRef{c->name, c->index});
            continue;
        }
        const bool group_read = std::any_of(order.begin(), order.end(),
                                            [&](const ControlRef& r) { return r.name == c->name; });
        if (group_read) continue;
        const Control* stop = c;
        for (const Control* other : read) {
            if (other->kind == ControlKind::OptionButton && other->name == c->name &&
                static_cast<const OptionButton*>(other)->value) {
                stop = other;
            }
        }
        order.push_back(ControlRef{stop->name, stop->index});
    }
    return order;
}

ControlRef FrmMain::next_tab_stop(const ControlRef& from, bool backwards) const {
    const std::vector<ControlRef> order = tab_order();
    const int n = static_cast<int>(order.size());
    // An option button stands for its group, whichever button of it has the focus.
    const Control* from_control = from.empty() ? nullptr : find_control(from.name, from.index);
    const bool option = from_control && from_control->kind == ControlKind::OptionButton;
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (order[i] == from || (option && order[i].name == from.name)) at = i;
    for (int step = 1; step <= n; ++step) {
        int i;
        if (at < 0) {
            i = backwards ? n - step : step - 1;
        } else {
            i = ((backwards ? at - step : at + step) % n + n) % n;
        }
        const Control* c = find_control(order[i].name, order[i].index);
        if (c && can_act_on(*c)) return order[i];
    }
    return {};
}

ActResult FrmMain::user_tab(bool backwards) {
    if (closed) return ActResult::Refused;
    const ControlRef to = next_tab_stop(focus_, backwards);
    if (to.empty()) return ActResult::Refused;
    move_focus(to);
    // Leaving the box may have disabled the control reached (a total of 0 disables its parts):
    // the keyboard goes on past it. A handler that put the focus elsewhere keeps it there.
    const Control* reached = find_control(to.name, to.index);
    if (focus_ == to && reached && !can_act_on(*reached)) {
        const ControlRef next = next_tab_stop(to, backwards);
        if (!next.empty()) move_focus(next);
    }
    return ActResult::Done;
}

}  // namespace quornel
