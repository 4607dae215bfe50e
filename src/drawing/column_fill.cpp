#include "drawing/column_fill.h"

#include <algorithm>
#include <cmath>

namespace quornel {
namespace {

// A cut of a hatch line no longer than this along x is a touch of a corner: left out.
constexpr double kSliver = 1e-9;

FillRect rect_between(double xa, double xb, double ya, double yb) {
    return {std::min(xa, xb), std::min(ya, yb), std::max(xa, xb), std::max(ya, yb)};
}

bool has_area(const FillRect& r) {
    return r.x0 < r.x1 && r.y0 < r.y1;
}

// Where a copy's rectangles are given: moved by (dx, dy) from the column's own coordinates,
// except the ends of walls that lie in the data's own coordinates already.
struct Origin {
    double dx = 0, dy = 0;
    double x(double local) const { return local + dx; }
    double y(double local) const { return local + dy; }
};

// The structural part of a wall, between its structural faces, from the column's structural
// face to the end of the wall.
FillRect wall_rect(WallSide side, const WallFaces& w, const ColumnGeometry& g, const Origin& o) {
    const double end = w.end.structural;
    switch (side) {
        case WallSide::Up:
            return rect_between(o.x(w.KabeA), o.x(w.KabeB), o.y(g.KouzouT),
                                w.end.absolute ? end : o.y(end));
        case WallSide::DOWN:
            return rect_between(o.x(w.KabeA), o.x(w.KabeB), w.end.absolute ? end : o.y(end),
                                o.y(g.KouzouB));
        case WallSide::Right:
            return rect_between(o.x(g.KouzouR), w.end.absolute ? end : o.x(end), o.y(w.KabeA),
                                o.y(w.KabeB));
        case WallSide::Left:
            return rect_between(w.end.absolute ? end : o.x(end), o.x(g.KouzouL), o.y(w.KabeA),
                                o.y(w.KabeB));
    }
    return {};
}

// The column, then the walls the drawing draws, each with the kind chosen for it.
std::vector<FillPiece> pieces_of(const DrawingInput& in, const ColumnGeometry& g, const Origin& o) {
    std::vector<FillPiece> pieces;
    auto add = [&](FillKind kind, const FillRect& r) {
        if (kind != FillKind::None && has_area(r)) pieces.push_back({kind, r});
    };
    add(in.fill.column,
        rect_between(o.x(g.KouzouL), o.x(g.KouzouR), o.y(g.KouzouB), o.y(g.KouzouT)));
    for (WallSide side : kWallSides) {
        const WallFaces& w = g.wall(side);
        if (w.exists() && w.drawn_here) add(in.fill.walls, wall_rect(side, w, g, o));
    }
    return pieces;
}

// The k of the lines y = x + k·step that meet the rectangle: from the one through its lower
// right corner to the one through its upper left corner.
struct HatchRange {
    double first, last;
    double count() const { return last >= first ? last - first + 1 : 0; }
};

HatchRange hatch_range(const FillRect& r, double step) {
    return {std::ceil((r.y0 - r.x1) / step), std::floor((r.y1 - r.x0) / step)};
}

double lines_needed(const std::vector<FillPiece>& pieces, double step) {
    double needed = 0;
    for (const FillPiece& piece : pieces)
        if (piece.kind == FillKind::Hatch) needed += hatch_range(piece.rect, step).count();
    return needed;
}

}  // namespace

double hatch_step(const DrawingInput& in) {
    return in.fill.pitch_mm * in.header.Syukusyaku * std::sqrt(2.0);
}

double hatch_lines_needed(const DrawingInput& in, const ColumnGeometry& g, double dx, double dy) {
    if (in.fill.column != FillKind::Hatch && in.fill.walls != FillKind::Hatch) return 0;
    return lines_needed(pieces_of(in, g, Origin{dx, dy}), hatch_step(in));
}

FillPlan plan_fills(const DrawingInput& in, const ColumnGeometry& g, double dx, double dy) {
    FillPlan plan;
    if (!in.fill.any()) return plan;
    plan.pieces = pieces_of(in, g, Origin{dx, dy});
    const double step = hatch_step(in);
    // Judged before: never more than kMaxHatchLines, so one allocation holds them all. (An
    // unjudged input asking for more gets no hatch lines rather than a loop without end.)
    const double needed = lines_needed(plan.pieces, step);
    if (!(needed <= kMaxHatchLines)) return plan;
    plan.hatch.reserve(static_cast<std::size_t>(needed));
    for (FillPiece& piece : plan.pieces) {
        piece.hatch_begin = plan.hatch.size();
        if (piece.kind == FillKind::Hatch) {
            const FillRect& r = piece.rect;
            const HatchRange range = hatch_range(r, step);
            for (double k = range.first; k <= range.last; k += 1) {
                // Each end on an edge takes that edge's own value; only the other coordinate
                // is computed.
                const double c = k * step;
                const bool low_on_left = r.x0 >= r.y0 - c;
                const bool high_on_right = r.x1 <= r.y1 - c;
                HatchLine l;
                l.x1 = low_on_left ? r.x0 : r.y0 - c;
                l.y1 = low_on_left ? r.x0 + c : r.y0;
                l.x2 = high_on_right ? r.x1 : r.y1 - c;
                l.y2 = high_on_right ? r.x1 + c : r.y1;
                if (l.x2 - l.x1 > kSliver) plan.hatch.push_back(l);
            }
        }
        piece.hatch_end = plan.hatch.size();
    }
    return plan;
}

void write_fills(CommandStream& out, const DrawingInput& in, const FillPlan& plan) {
    if (plan.pieces.empty()) return;
    const PenSpec& p = in.fill.pen;
    out.pen(p.layer, p.colour, p.line_type);
    for (const FillPiece& piece : plan.pieces) {
        const FillRect& r = piece.rect;
        if (piece.kind == FillKind::Solid) {
            out.solid({r.x0, r.y0, r.x1, r.y0, r.x1, r.y1, r.x0, r.y1});
            continue;
        }
        for (std::size_t i = piece.hatch_begin; i < piece.hatch_end; ++i) {
            const HatchLine& l = plan.hatch[i];
            out.hatch_line(l.x1, l.y1, l.x2, l.y2);
        }
    }
}

}  // namespace quornel
