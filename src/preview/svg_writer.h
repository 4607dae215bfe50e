#pragma once
// The preview as a standalone SVG: a white sheet fitted to the drawing with a margin,
// drawing y upwards, one group per layer (<g id="layer-3">, layers A to F as letters, the
// way Jw_cad names them), lines in the sample colours and dash patterns of the pen
// pickers, points as dots, texts at their start point along their direction. Solids are
// filled polygons in their line colour, under everything else, in groups of their own
// (<g id="solids-layer-7">).
#include <string>
#include <string_view>

#include "preview/preview_drawing.h"

namespace quornel {

struct SvgView {
    double min_x = 0, min_y = 0, width = 0, height = 0;  // drawing units, y up
    int pixel_width = 0, pixel_height = 0;
};

// The drawing's extent (texts included) with a margin of 5 % of its larger side.
SvgView fit_view(const PreviewDrawing& drawing);

std::string render_svg(const PreviewDrawing& drawing);

// Text for XML content and attribute values: & < > " ' escaped, and the control
// characters that XML 1.0 cannot hold replaced by U+FFFD.
std::string xml_escape(std::string_view utf8);

}  // namespace quornel
