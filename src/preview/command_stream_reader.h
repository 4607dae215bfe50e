#pragma once
// Reads a JWC_TEMP.TXT as quornel writes it: the exchange header echoed from Jw_cad (its
// scales and text sizes are read, nothing of it is drawn unless it holds drawing data of
// the kinds below), then the attribute lines (ly, lc, lt, pn, cn), lines, points, texts
// ("ch ", "cs "), solids ("sl ") and the markers z1 (a hatch line), z3 and msg (a
// dimension), which only group the following elements for Jw_cad and draw nothing.
// Anything else is refused with the line number.
#include <string_view>

#include "platform/result.h"
#include "preview/preview_drawing.h"

namespace quornel {

// `bytes` is the whole file in the ANSI code page (CP932), CR LF or LF lines. The
// failure message is Japanese, followed by an English line.
Result<PreviewDrawing> read_command_stream(std::string_view bytes);

}  // namespace quornel
