#pragma once
// Where a dimension value goes along its chain, and how it is written. Wall lines run out
// from the column across the dimension lines, so a value is centred in a stretch of its
// segment that no wall face crosses, or put beyond the chain's end when none is wide enough.
#include <cstddef>
#include <string>

namespace quornel {

// The width the drawing takes for a text of n characters: half of n widths plus the n - 1
// gaps, in drawing units (sizes are paper millimetres, s the scale).
double text_width(std::size_t n, double char_width, double char_spacing, double s);

// The value as written: plain shortest decimal text, or, when ShowComma is 1, grouped by
// commas and rounded to a whole number.
std::string value_string(double length, double ShowComma);

// Position along the chain of a value of width W; `outside` when no free stretch fits it and
// it went beyond the chain's end (g away from the extension line). lo and hi are the wall's
// body faces on the chain's side as coordinates along the chain.
struct ValuePlace {
    double u = 0;
    bool outside = false;
};

// The segment from N (the lower end, normally negative) to the reference line.
ValuePlace place_negative(double N, double lo, double hi, double W, double g);
// The segment from the reference line to P.
ValuePlace place_positive(double P, double lo, double hi, double W, double g);
// The whole size from N to P: on the side whose outer free stretch is longer (the positive
// side when they are equal), by that side's rule.
ValuePlace place_whole(double N, double P, double lo, double hi, double W, double g);

}  // namespace quornel
