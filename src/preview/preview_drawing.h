#pragma once
// What a command stream draws, as Jw_cad would show it: lines, points, texts and solids in
// drawing units (y up), each with the layer, colour and line type that were in force
// when it was read.
#include <array>
#include <string>
#include <variant>
#include <vector>

namespace quornel {

struct PreviewLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int layer = 0;      // 0..15
    int colour = 1;     // Jw_cad line colour number
    int line_type = 1;  // 1..9
};

struct PreviewPoint {
    double x = 0, y = 0;
    int layer = 0;
    int colour = 1;  // point colour ("pn")
};

struct PreviewText {
    double x = 0, y = 0;          // start point: the lower left corner of the text
    double dir_x = 1, dir_y = 0;  // unit vector along the text
    double height = 0;            // drawing units
    double length = 0;            // drawing units along the text, as Jw_cad lays it out
    std::string text;             // UTF-8
    int layer = 0;
    int colour = 2;  // colour of the text type (header "hcc"); black without it
};

// A solid ("sl"): a quadrilateral filled in the line colour.
struct PreviewSolid {
    std::array<double, 8> corners{};  // x1 y1 … x4 y4, in the stream's order
    int layer = 0;
    int colour = 1;  // line colour ("lc")
};

using PreviewElement = std::variant<PreviewLine, PreviewPoint, PreviewText, PreviewSolid>;

struct PreviewDrawing {
    std::vector<PreviewElement> elements;  // in the order of the stream
};

int layer_of(const PreviewElement& element);

}  // namespace quornel
