#pragma once
// The schematic of the window without the rest of it: the column panel, the four wall
// panels and the values they read, started up the way the window starts, and driven the
// way a person drives it.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/column/column_panel.h"
#include "ui/walls/wall_panel.h"

namespace quornel::testing_panels {

struct Schematic {
    ColumnPanel column = make_column_panel();
    std::array<WallPanel, 4> walls = {
        make_wall_panel(WallSide::Up), make_wall_panel(WallSide::DOWN),
        make_wall_panel(WallSide::Right), make_wall_panel(WallSide::Left)};
    SchematicState state;

    // Start-up: Picture2 is 8500 x 7500, then the column, then the panels up, down, right,
    // left.
    Schematic() {
        state.DiagramCenterX = 8500.0 / 2;
        state.DiagramCenterY = 3750;
        LayoutColumnAtStartup(column, walls, state);
        for (WallPanel& p : walls) LayoutKabeSun(p, state);
    }

    WallPanel& side(WallSide s) { return walls[static_cast<int>(s)]; }
    WallPanel& up() { return side(WallSide::Up); }
    WallPanel& down() { return side(WallSide::DOWN); }
    WallPanel& right() { return side(WallSide::Right); }
    WallPanel& left() { return side(WallSide::Left); }

    // What a shape click lays out; the click itself, through img_hasira_s_Click, is driven
    // in the window (ColumnShape.ClickingAShapePressesExactlyItsButton).
    void click_shape(int shape) {
        ApplyColumnShape(column, walls, state, shape);
        RefreshSequence(column, walls, state, 0);
    }
    void click_optSin(int index) {
        state.optSin_d = index;
        RefreshSequence(column, walls, state, index);
    }

    // The user types into a wall box and leaves it (Enter does the same).
    void enter_wall(WallSide s, int index, const std::string& text) {
        side(s).cbo[index].text = text;
        ValidateKabeSun(side(s), index, state);
    }
    void set_wall_texts(WallSide s, std::array<const char*, 3> texts) {
        for (int i = 0; i < 3; ++i) side(s).cbo[i].text = texts[i];
    }
};

inline std::vector<std::string> items(std::initializer_list<const char*> texts) {
    return {texts.begin(), texts.end()};
}

}  // namespace quornel::testing_panels

namespace quornel::testing_panels {

// Positions compare exactly: every schematic coordinate is a whole or half twip.
inline ::testing::AssertionResult at(const Control& c, double left, double top) {
    if (c.rect.left == left && c.rect.top == top) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << c.name << "(" << c.index << ") is at (" << c.rect.left << ", " << c.rect.top
           << "), expected (" << left << ", " << top << ")";
}

// A dot is placed by the point it marks.
inline ::testing::AssertionResult dot_on(const Shape& d, double x, double y) {
    return at(d, x - 30, y - 30);
}

inline ::testing::AssertionResult runs(const Line& l, double x1, double y1, double x2, double y2) {
    if (l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << l.name << "(" << l.index << ") runs (" << l.x1 << ", "
                                         << l.y1 << ")-(" << l.x2 << ", " << l.y2 << "), expected ("
                                         << x1 << ", " << y1 << ")-(" << x2 << ", " << y2 << ")";
}

}  // namespace quornel::testing_panels
