// The dimension chains, in Jw_cad's own dimension style. The names are those of Jw_cad's
// settings and of the chain's geometry; here is the chain above the column (x runs along the
// chain, y across it; below the column and at its sides the same, mirrored or turned):
//
//                 whole value                     } g across: a value stands g off its line
//     +------------------------------------+      y = T + d1  the outer dimension line
//     |    left value    |   right value   |      } g across
//     +------------------+-----------------+      y = T + d2  the inner dimension line
//     |                  |                 |      extension lines, each from T + e up
//     :                  :                 :
//   ==+======= body face T ================+==    y = T (KutaiT), the face the chain stands off
//     N                  0                 P      along: the ends and the reference line
//         lo|   |hi                               the wall's body faces on this side, where
//                                                 its lines cross the chain: a value is
//                                                 centred where no wall line crosses
//  u = N - W - g  <-- a value too wide for its stretch (W, the value's width) goes outside
//                     the end, g along the chain beyond the extension line (or at P + g),
//                     and the vertical chain on that side then moves one level outwards
//
// d2 = SUNPOSEN2, d1 = SUNPOSEN1, e = HIKIDASHI2 and g = HANARE, each times the scale; g has
// the two roles marked, across the lines and along the chain, with the same length.
#include "drawing/dimension_chains.h"

#include "drawing/value_text.h"

namespace quornel {
namespace {

// Jw_cad's dimension offsets in paper millimetres. A copy per drawing: the outward shift of
// a vertical chain must never reach the caller's settings.
struct Offsets {
    double SUNPOSEN1;
    double SUNPOSEN2;
    double HIKIDASHI2;

    Offsets shifted_outwards() const { return {SUNPOSEN1 + SUNPOSEN2, SUNPOSEN1, SUNPOSEN2}; }
};

struct Chain {
    bool horizontal;  // runs along x (above or below the column)
    double face;      // body face the chain stands off from (T in the sketch)
    double outward;   // +1 above or right of the column, -1 below or left
    double N, P;      // lower and upper end along the chain
    double lo, hi;    // wall body faces on the chain's side, along the chain
};

// One inner segment, between the reference line and one end of the chain.
struct Segment {
    double end;
    bool negative_side;  // the end is the lower one (N)
};

// Which values went beyond the chain's end, per side of the reference line.
struct Outside {
    bool negative = false;  // SunpoSotoL for a horizontal chain
    bool positive = false;  // SunpoSotoR
};

class ChainWriter {
  public:
    ChainWriter(CommandStream& out, const DrawingInput& in, const Chain& c, const Offsets& o)
        : out_(out), in_(in), c_(c) {
        const double s = in.header.Syukusyaku;
        d2_ = o.SUNPOSEN2 * s;
        d1_ = o.SUNPOSEN1 * s;
        e_ = o.HIKIDASHI2 * s;
        g_ = in.jw.HANARE * s;
    }

    // g across the lines: from a dimension line to its value text.
    double g_across() const { return g_; }
    // g along the chain: from an end's extension line to a value put outside the chain.
    double g_along() const { return g_; }

    Outside write() {
        out_.layer(in_.dimension_layer);
        out_.line_colour(in_.jw.SENColor);
        out_.line_type(1);
        out_.point_colour(in_.jw.TENColor);
        out_.text_type(in_.jw.MOJINO);

        // A horizontal chain runs from its left end, a vertical one from its upper end; the
        // segment at the lower end lies on the negative side of the reference line.
        const Segment lower{c_.N, true}, upper{c_.P, false};
        const Segment first = c_.horizontal ? lower : upper;
        const Segment second = c_.horizontal ? upper : lower;
        const Coord zero = Coord::reference_line();
        // Across the chain: the inner and the outer dimension line, where extension lines start.
        const double inner = across(d2_), outer = across(d1_), start = across(e_);

        for (Coord end : {Coord(first.end), zero, Coord(second.end)}) {
            out_.z3();
            line(end, start, end, inner);
        }
        for (Coord end : {Coord(first.end), zero, Coord(second.end)}) {
            out_.z3();
            point(end, inner);
        }
        Outside outside;
        out_.msg();
        line(first.end, inner, zero, inner);
        segment_value(first, inner, outside);
        out_.msg();
        line(zero, inner, second.end, inner);
        segment_value(second, inner, outside);

        for (double end : {first.end, second.end}) {
            out_.z3();
            line(end, inner, end, outer);
        }
        for (double end : {first.end, second.end}) {
            out_.z3();
            point(end, outer);
        }
        out_.msg();
        line(first.end, outer, second.end, outer);
        whole_value(outer);
        return outside;
    }

  private:
    double across(double offset) const { return c_.face + c_.outward * offset; }

    // Coordinates are given along and across the chain.
    void line(Coord a1, Coord b1, Coord a2, Coord b2) {
        if (c_.horizontal)
            out_.line(a1, b1, a2, b2);
        else
            out_.line(b1, a1, b2, a2);
    }
    void point(Coord a, Coord b) {
        if (c_.horizontal)
            out_.point(a, b);
        else
            out_.point(b, a);
    }

    double width(const std::string& text) const {
        return text_width(text.size(), in_.header.SunpouMojiW, in_.header.SunpouMojiD,
                          in_.header.Syukusyaku);
    }

    // A value at u along the chain, g across above its dimension line (left of it in a
    // vertical chain, whose texts read upwards).
    void text(double u, double line_at, const std::string& value) {
        if (c_.horizontal)
            out_.dimension_text(u, line_at + g_across(), TextDirection::Horizontal, value);
        else
            out_.dimension_text(line_at - g_across(), u, TextDirection::Vertical, value);
    }

    // The length of a segment is its end's distance from the reference line.
    void segment_value(const Segment& seg, double line_at, Outside& outside) {
        const std::string v =
            value_string(seg.negative_side ? -seg.end : seg.end, in_.jw.ShowComma);
        const double W = width(v);
        ValuePlace place = seg.negative_side ? place_negative(c_.N, c_.lo, c_.hi, W, g_along())
                                             : place_positive(c_.P, c_.lo, c_.hi, W, g_along());
        text(place.u, line_at, v);
        (seg.negative_side ? outside.negative : outside.positive) = place.outside;
    }

    void whole_value(double line_at) {
        const std::string v = value_string(c_.P - c_.N, in_.jw.ShowComma);
        const double W = width(v);
        text(place_whole(c_.N, c_.P, c_.lo, c_.hi, W, g_along()).u, line_at, v);
    }

    CommandStream& out_;
    const DrawingInput& in_;
    const Chain& c_;
    // Across the chain, from the face: inner line, outer line, extension-line start; the gap.
    double d2_, d1_, e_, g_;
};

}  // namespace

void write_dimension_chains(CommandStream& out, const DrawingInput& in, const ColumnGeometry& g) {
    const int corner = in.SunpoIti_d;
    const bool above = corner == 1 || corner == 2;
    const bool left = corner == 1 || corner == 3;

    const WallFaces& across_wall = g.wall(above ? WallSide::Up : WallSide::DOWN);
    const Chain horizontal{.horizontal = true,
                           .face = above ? g.KutaiT : g.KutaiB,
                           .outward = above ? 1.0 : -1.0,
                           .N = g.KutaiL,
                           .P = g.KutaiR,
                           .lo = across_wall.KabeKutaiA,
                           .hi = across_wall.KabeKutaiB};
    Offsets offsets{in.jw.SUNPOSEN1, in.jw.SUNPOSEN2, in.jw.HIKIDASHI2};
    Outside outside = ChainWriter(out, in, horizontal, offsets).write();

    const WallFaces& side_wall = g.wall(left ? WallSide::Left : WallSide::Right);
    // Face A of a wall to the side is its upper face: the larger coordinate along y.
    const Chain vertical{.horizontal = false,
                         .face = left ? g.KutaiL : g.KutaiR,
                         .outward = left ? -1.0 : 1.0,
                         .N = g.KutaiB,
                         .P = g.KutaiT,
                         .lo = side_wall.KabeKutaiB,
                         .hi = side_wall.KabeKutaiA};
    if (left ? outside.negative : outside.positive) offsets = offsets.shifted_outwards();
    ChainWriter(out, in, vertical, offsets).write();
}

}  // namespace quornel
