#pragma once
// The crossings the user indicated in Jw_cad when the batch file asks for a series of
// points: Jw_cad writes each point after the first as a point line of the header,
// "hp1 x y" … "hp99 x y" ("hp1- x y" when the batch file asked for a guide line between
// the points), between the header's keys and its first "lg" line. The first point is the
// origin of every coordinate in the exchange file and is never written, so the column
// drawn at (0, 0) stands at the first crossing and the point lines say where else it goes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace quornel {

struct Crossing {
    double x = 0;
    double y = 0;
    // Where it came from, to name it to the user: its line of TEMP.TXT (from 1) and that
    // line as Jw_cad wrote it, without the blanks around it.
    int line = 0;
    std::string text;
};

// A piece of the header: where a point line starts and its length with its line end.
struct LineSpan {
    std::size_t start = 0;
    std::size_t length = 0;
};

// Every point line of the header (a line that starts with "hp" or "hhp", before the first
// line that starts with "lg"), whatever its form, in the order of the file.
std::vector<LineSpan> point_lines(std::string_view buffer);

// The crossings beyond the first, in the order the user gave them: a crossing given again
// with exactly the same numbers, or at the first crossing, is drawn once and not listed
// again. A point line that is not "hpN x y" or "hpN- x y" with N from 1 to 99 (a point on a
// line, circle or text, "hp0", a number that does not read) is refused with a message that
// names TEMP.TXT and the line: the column is never drawn at a place quornel did not read.
Result<std::vector<Crossing>> read_crossings(std::string_view buffer);

// Jw_cad's 軸角 ("hk" among the header's keys): the angle by which the drawing's axes are
// turned, in degrees as Jw_cad wrote it. nullopt when the header has none or it does not read.
std::optional<double> read_axis_angle(std::string_view buffer);

}  // namespace quornel
