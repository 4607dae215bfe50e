#include "drawing/column_lines.h"

namespace quornel {
namespace {

void pen(CommandStream& out, const PenSpec& p) {
    out.pen(p.layer, p.colour, p.line_type);
}

// A line of the outlines or the walls. One whose two ends are the same point (a wall flush
// with the column face leaves such a piece of edge) is left out: Jw_cad would keep it as an
// element nobody can see or pick until its データ整理 removes it.
void segment(CommandStream& out, Coord x1, Coord y1, Coord x2, Coord y2) {
    if (x1.value() == x2.value() && y1.value() == y2.value()) return;
    out.line(x1, y1, x2, y2);
}

// Where a column edge without extra thickness meets a wall, only the stretch across the
// wall's opening is drawn. Each end lies on the wall: a structural wall face strictly inside
// the edge gives way to the wall's body face; one at or beyond the column corner is kept.
// `low` and `high` are the edge's ends along it (left/right, or bottom/top).
struct Span {
    double from, to;
};

Span joined_across_x(const WallFaces& w, double low, double high) {
    return {low < w.KabeA ? w.KabeKutaiA : w.KabeA, high > w.KabeB ? w.KabeKutaiB : w.KabeB};
}

Span joined_across_y(const WallFaces& w, double low, double high) {
    return {high > w.KabeA ? w.KabeKutaiA : w.KabeA, low < w.KabeB ? w.KabeKutaiB : w.KabeB};
}

void structural_outline(CommandStream& out, const DrawingInput& in, const ColumnGeometry& g) {
    const WallFaces& up = g.wall(WallSide::Up);
    const WallFaces& down = g.wall(WallSide::DOWN);
    const WallFaces& right = g.wall(WallSide::Right);
    const WallFaces& left = g.wall(WallSide::Left);
    if (in.YM1 != 0) {
        segment(out, g.KouzouL, g.KouzouB, g.KouzouR, g.KouzouB);
    } else if (down.exists()) {
        Span s = joined_across_x(down, g.KouzouL, g.KouzouR);
        segment(out, s.from, g.KouzouB, s.to, g.KouzouB);
    }
    if (in.YM0 != 0) {
        segment(out, g.KouzouL, g.KouzouT, g.KouzouR, g.KouzouT);
    } else if (up.exists()) {
        Span s = joined_across_x(up, g.KouzouL, g.KouzouR);
        segment(out, s.from, g.KouzouT, s.to, g.KouzouT);
    }
    if (in.XM1 != 0) {
        segment(out, g.KouzouR, g.KouzouT, g.KouzouR, g.KouzouB);
    } else if (right.exists()) {
        Span s = joined_across_y(right, g.KouzouB, g.KouzouT);
        segment(out, g.KouzouR, s.from, g.KouzouR, s.to);
    }
    if (in.XM0 != 0) {
        segment(out, g.KouzouL, g.KouzouT, g.KouzouL, g.KouzouB);
    } else if (left.exists()) {
        Span s = joined_across_y(left, g.KouzouB, g.KouzouT);
        segment(out, g.KouzouL, s.from, g.KouzouL, s.to);
    }
}

void body_outline(CommandStream& out, const ColumnGeometry& g) {
    const WallFaces& up = g.wall(WallSide::Up);
    const WallFaces& down = g.wall(WallSide::DOWN);
    const WallFaces& right = g.wall(WallSide::Right);
    const WallFaces& left = g.wall(WallSide::Left);
    if (down.exists()) {
        segment(out, g.KutaiL, g.KutaiB, down.KabeKutaiA, g.KutaiB);
        segment(out, down.KabeKutaiB, g.KutaiB, g.KutaiR, g.KutaiB);
    } else {
        segment(out, g.KutaiL, g.KutaiB, g.KutaiR, g.KutaiB);
    }
    if (up.exists()) {
        segment(out, g.KutaiL, g.KutaiT, up.KabeKutaiA, g.KutaiT);
        segment(out, up.KabeKutaiB, g.KutaiT, g.KutaiR, g.KutaiT);
    } else {
        segment(out, g.KutaiL, g.KutaiT, g.KutaiR, g.KutaiT);
    }
    if (right.exists()) {
        segment(out, g.KutaiR, g.KutaiT, g.KutaiR, right.KabeKutaiA);
        segment(out, g.KutaiR, right.KabeKutaiB, g.KutaiR, g.KutaiB);
    } else {
        segment(out, g.KutaiR, g.KutaiB, g.KutaiR, g.KutaiT);
    }
    if (left.exists()) {
        segment(out, g.KutaiL, g.KutaiT, g.KutaiL, left.KabeKutaiA);
        segment(out, g.KutaiL, left.KabeKutaiB, g.KutaiL, g.KutaiB);
    } else {
        segment(out, g.KutaiL, g.KutaiB, g.KutaiL, g.KutaiT);
    }
}

// One wall face as a line from `from` (on the column) out to `to`, the end of the wall.
void face_line(CommandStream& out, WallSide side, double face, double from, double to,
               bool absolute) {
    const Coord end = absolute ? Coord::absolute(to) : Coord(to);
    if (faces_at_x(side))
        segment(out, face, from, face, end);
    else
        segment(out, from, face, end, face);
}

double body_face(WallSide side, const ColumnGeometry& g) {
    switch (side) {
        case WallSide::Up:
            return g.KutaiT;
        case WallSide::DOWN:
            return g.KutaiB;
        case WallSide::Right:
            return g.KutaiR;
        case WallSide::Left:
            return g.KutaiL;
    }
    return 0;
}

double structural_face(WallSide side, const ColumnGeometry& g) {
    switch (side) {
        case WallSide::Up:
            return g.KouzouT;
        case WallSide::DOWN:
            return g.KouzouB;
        case WallSide::Right:
            return g.KouzouR;
        case WallSide::Left:
            return g.KouzouL;
    }
    return 0;
}

}  // namespace

void write_column_lines(CommandStream& out, const DrawingInput& in, const ColumnGeometry& g) {
    pen(out, in.structural);
    structural_outline(out, in, g);

    pen(out, in.cross);
    segment(out, g.KouzouL, g.KouzouB, g.KouzouR, g.KouzouT);
    segment(out, g.KouzouL, g.KouzouT, g.KouzouR, g.KouzouB);

    pen(out, in.body);
    body_outline(out, g);

    pen(out, in.wall);
    for (WallSide side : kWallSides) {
        const WallFaces& w = g.wall(side);
        if (!w.exists() || !w.drawn_here) continue;
        const double from = body_face(side, g);
        face_line(out, side, w.KabeKutaiA, from, w.end.body, w.end.absolute);
        face_line(out, side, w.KabeKutaiB, from, w.end.body, w.end.absolute);
    }

    // A structural face that lies under extra thickness is drawn as well, from the
    // structural outline out to the end of the wall.
    pen(out, in.structural);
    for (WallSide side : kWallSides) {
        const WallFaces& w = g.wall(side);
        if (!w.exists() || !w.drawn_here) continue;
        const double from = structural_face(side, g);
        if (w.KabeA != w.KabeKutaiA)
            face_line(out, side, w.KabeA, from, w.end.structural, w.end.absolute);
        if (w.KabeB != w.KabeKutaiB)
            face_line(out, side, w.KabeB, from, w.end.structural, w.end.absolute);
    }
}

}  // namespace quornel
