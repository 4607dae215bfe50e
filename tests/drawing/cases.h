#pragma once
// The columns whose command streams were worked out by hand (data/<name>.txt), and the
// exchange header they are drawn against.
#include <string>
#include <vector>

#include "drawing/drawing_run.h"

#include "support/test_header.h"

namespace quornel::test {

// DrawingInput::walls by side.
enum WallIndex { kUp, kDown, kRight, kLeft };

// Jw_cad's default dimension settings, distinct pens per row, the header above.
DrawingInput base_input();

struct HandCase {
    std::string name;  // data/<name>.txt
    DrawingInput input;
};
std::vector<HandCase> hand_cases();
DrawingInput hand_case(const std::string& name);

// The expected lines of data/<name>.txt ('#' lines are notes), joined with CR LF.
std::string expected_stream(const std::string& name);

// Lines of a CR LF stream, for comparing line by line.
std::vector<std::string> stream_lines(const std::string& stream);

// Empty when equal; otherwise the first differing line, both ways.
std::string first_difference(const std::string& expected, const std::string& actual);

std::string data_path(const std::string& file);

}  // namespace quornel::test
