#include "drawing/value_text.h"

#include "exchange/number_text.h"

namespace quornel {

double text_width(std::size_t n, double char_width, double char_spacing, double s) {
    const double count = static_cast<double>(n);
    return (count * char_width + (count - 1) * char_spacing) * s / 2;
}

std::string value_string(double length, double ShowComma) {
    return ShowComma == 1 ? format_grouped(length) : format_number(length);
}

namespace {

ValuePlace centred(double start, double end, double W) {
    return {(start + end) / 2 - W / 2, false};
}

bool fits(double start, double end, double W) {
    return end - start >= W;
}

}  // namespace

ValuePlace place_negative(double N, double lo, double hi, double W, double g) {
    double start = N, end = 0;
    if (lo >= 0) {
        // The wall lies on the other side of the reference line.
    } else if (hi >= 0) {
        end = lo;  // the wall straddles the reference line
    } else if (-hi > lo - N) {
        start = hi;  // the wall lies inside the segment; the inner stretch is longer
    } else {
        end = lo;
    }
    if (fits(start, end, W)) return centred(start, end, W);
    return {N - W - g, true};
}

ValuePlace place_positive(double P, double lo, double hi, double W, double g) {
    double start = 0, end = P;
    if (hi <= 0) {
        // The wall lies on the other side of the reference line.
    } else if (lo <= 0) {
        start = hi;  // the wall straddles the reference line
    } else if (P - hi >= lo) {
        start = hi;  // the wall lies inside the segment; the outer stretch is not shorter
    } else {
        end = lo;
    }
    if (fits(start, end, W)) return centred(start, end, W);
    return {P + g, true};
}

ValuePlace place_whole(double N, double P, double lo, double hi, double W, double g) {
    const double negative_free = lo < 0 ? lo - N : -N;
    const double positive_free = hi > 0 ? P - hi : P;
    if (negative_free > positive_free) return place_negative(N, lo, hi, W, g);
    return place_positive(P, lo, hi, W, g);
}

}  // namespace quornel
