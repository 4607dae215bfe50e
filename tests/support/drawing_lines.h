#pragma once
// Reading the lines of a drawing back from its command stream, for checks that hold for
// every drawing whatever its values.
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace quornel::test {

// The lines of the column's outlines and walls whose two ends are the same point. Those are
// the lines of four numbers that no marker line precedes: a dimension's lines follow "z3"
// or "msg", and they may be of no length on purpose (a reference line on a face).
inline std::vector<std::string> zero_length_outline_lines(std::string_view stream) {
    std::vector<std::string> found;
    std::istringstream in{std::string(stream)};
    std::string previous;
    for (std::string line; std::getline(in, line); previous = line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (previous == "z1" || previous == "z3" || previous == "msg") continue;
        std::istringstream fields(line);
        double v[4];
        int n = 0;
        while (n < 4 && fields >> v[n]) ++n;
        std::string rest;
        if (n != 4 || (fields >> rest)) continue;
        if (v[0] == v[2] && v[1] == v[3]) found.push_back(line);
    }
    return found;
}

}  // namespace quornel::test
