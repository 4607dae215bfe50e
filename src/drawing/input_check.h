#pragma once
// The drawing refuses what it cannot draw sensibly before anything is written.
#include "drawing/drawing_run.h"
#include "platform/result.h"

namespace quornel {

// Every value of the input, checked: finite, not negative where a length is meant, within
// sizes a drawing can have, list positions within their lists, a symbol that fits on one
// line. The message names the value in the window's words.
Status check_drawing_input(const DrawingInput& input);

// The largest length accepted in drawing units (millimetres): 10 km.
inline constexpr double kMaxDrawingLength = 1e7;

}  // namespace quornel
