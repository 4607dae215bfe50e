# Point lines as Jw_cad writes them when the user indicates a series of crossings, inserted
# after the header's "hn" line: "hp1-  x y" for the first (the batch file asked for a guide
# line between the points), "hp2   x y" … for the others.
#
#   awk -v points=98 -v kind=jw -f bench/crossing_points.awk TEMP.TXT
#
# kind=jw    distinct coordinates of 15 significant digits ("34262.8515141222"), as Jw_cad
#            hands over a place the user snapped to: drawn from a fixed seed, so every run
#            writes the same file on any machine and any awk (integer arithmetic below
#            2^53 only; the generator is MINSTD, x := 48271 x mod (2^31 - 1)).
# kind=grid  places on a grid of 10 columns, 3600.5 apart, rows 2700.25 apart: few
#            distinct numbers, which repeat from place to place.
# kind=floor the crossings of a plan's grid, 11 columns by 9 rows, picked row by row from the
#            lower left one (the first point): spans of 2730 to 5460 (multiples of 910) from a
#            fixed seed, and each point read off its grid lines with a noise of up to 0.4 mm,
#            written with 15 significant digits as Jw_cad hands them over.
function next_random(n) {  # a whole number from 0 to n - 1
    state = (state * 48271) % 2147483647
    return state % n
}
function jw_coordinate(   whole, high, low) {
    whole = 10000 + next_random(40000)  # 10000 to 49999 drawing units from the first point
    high = next_random(100000)
    low = 1 + next_random(99999)
    if (low % 10 == 0) low += 1  # the last of the 15 digits is not a zero
    return sprintf("%s%d.%05d%05d", next_random(2) ? "-" : "", whole, high, low)
}
function noisy(at,   noise) {  # a place on a grid line, read with up to 0.4 mm of noise
    noise = next_random(800001) - 400000  # in 10^-6 mm
    return sprintf("%.15g", at + noise / 1000000 + (next_random(1000000) + 1) / 1e12)
}
BEGIN {
    state = 20261208
    span_x[0] = span_y[0] = 0
    for (c = 1; c < 11; ++c) span_x[c] = span_x[c - 1] + 910 * (3 + next_random(4))
    for (r = 1; r < 9; ++r) span_y[r] = span_y[r - 1] + 910 * (3 + next_random(4))
}
{ print }
/^hn / {
    for (i = 1; i <= points; ++i) {
        if (kind == "floor") {
            x = noisy(span_x[i % 11])
            y = noisy(span_y[int(i / 11)])
        } else if (kind == "grid") {
            x = sprintf("%.10f", (i % 10) * 3600.5)
            y = sprintf("%.10f", -int(i / 10) * 2700.25)
        } else {
            do {
                x = jw_coordinate()
                y = jw_coordinate()
            } while ((x, y) in used)
            used[x, y] = 1
        }
        printf "%-4s  %s %s\r\n", "hp" i (i == 1 ? "-" : ""), x, y
    }
}
