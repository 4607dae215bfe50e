#pragma once
// The drawing refuses what it cannot draw sensibly before anything is written.
#include <optional>

#include "drawing/drawing_input.h"
#include "drawing/input_rules.h"
#include "platform/result.h"

namespace quornel {

// The first value of the input that the drawing cannot use, with a message in the window's
// words and the box it names: column values and the wall values the drawing reads (within
// drawing sizes, a wall drawn from both parts whose parts make its thickness), list
// positions within their lists, the fill's choices, a symbol that fits on one line, the
// header's and Jw_cad's values, and a hatch of at most kMaxHatchLines lines per copy.
// nullopt when everything can be drawn.
std::optional<InputRefusal> find_input_refusal(const DrawingInput& input);

// The same as a Status, for callers that need only the message.
Status check_drawing_input(const DrawingInput& input);

}  // namespace quornel
