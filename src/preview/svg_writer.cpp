#include "preview/svg_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "exchange/number_text.h"
#include "preview/jw_pens.h"

namespace quornel {
namespace {

// The larger side of the picture in pixels. Dash patterns and pen widths are given in
// these pixels, as Jw_cad draws line types on the screen whatever the zoom.
constexpr int kPixelSize = 1000;
constexpr double kMarginShare = 0.05;
// A drawing without extent (nothing, or one point) is shown over this many units.
constexpr double kEmptyExtent = 1000;

struct Box {
    double min_x = std::numeric_limits<double>::infinity();
    double min_y = std::numeric_limits<double>::infinity();
    double max_x = -std::numeric_limits<double>::infinity();
    double max_y = -std::numeric_limits<double>::infinity();
    void add(double x, double y) {
        min_x = std::min(min_x, x);
        min_y = std::min(min_y, y);
        max_x = std::max(max_x, x);
        max_y = std::max(max_y, y);
    }
    bool empty() const { return !(min_x <= max_x); }
};

void add_element(Box& box, const PreviewElement& element) {
    if (auto* l = std::get_if<PreviewLine>(&element)) {
        box.add(l->x1, l->y1);
        box.add(l->x2, l->y2);
    } else if (auto* p = std::get_if<PreviewPoint>(&element)) {
        box.add(p->x, p->y);
    } else if (auto* t = std::get_if<PreviewText>(&element)) {
        // The four corners of the text's box: along the direction, and up from it.
        double ax = t->dir_x * t->length, ay = t->dir_y * t->length;
        double ux = -t->dir_y * t->height, uy = t->dir_x * t->height;
        box.add(t->x, t->y);
        box.add(t->x + ax, t->y + ay);
        box.add(t->x + ux, t->y + uy);
        box.add(t->x + ax + ux, t->y + ay + uy);
    } else if (auto* solid = std::get_if<PreviewSolid>(&element)) {
        for (std::size_t i = 0; i < solid->corners.size(); i += 2)
            box.add(solid->corners[i], solid->corners[i + 1]);
    }
}

std::string num(double v) {
    return format_number(v);
}

std::string colour_text(int colour) {
    Rgb c = jw_colour(colour);
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

char layer_name(int layer) {
    return "0123456789ABCDEF"[layer & 15];
}

}  // namespace

SvgView fit_view(const PreviewDrawing& drawing) {
    Box box;
    for (const auto& e : drawing.elements) add_element(box, e);
    if (box.empty()) {
        box.add(-kEmptyExtent / 2, -kEmptyExtent / 2);
        box.add(kEmptyExtent / 2, kEmptyExtent / 2);
    }
    double w = box.max_x - box.min_x, h = box.max_y - box.min_y;
    double side = std::max(w, h);
    if (!(side > 0)) {
        box.add(box.min_x - kEmptyExtent / 2, box.min_y - kEmptyExtent / 2);
        box.add(box.max_x + kEmptyExtent / 2, box.max_y + kEmptyExtent / 2);
        w = h = side = kEmptyExtent;
    }
    double margin = side * kMarginShare;
    SvgView view;
    view.min_x = box.min_x - margin;
    view.min_y = box.min_y - margin;
    view.width = w + 2 * margin;
    view.height = h + 2 * margin;
    double longer = std::max(view.width, view.height);
    view.pixel_width = std::max(1, static_cast<int>(std::lround(kPixelSize * view.width / longer)));
    view.pixel_height =
        std::max(1, static_cast<int>(std::lround(kPixelSize * view.height / longer)));
    return view;
}

std::string xml_escape(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        unsigned char u = static_cast<unsigned char>(c);
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                if (u < 0x20 && c != '\t' && c != '\n' && c != '\r')
                    out += "\xEF\xBF\xBD";
                else
                    out += c;
        }
    }
    return out;
}

std::string render_svg(const PreviewDrawing& drawing) {
    SvgView view = fit_view(drawing);
    // One screen pixel in drawing units. SVG's y runs down, so a drawing point (x, y) is
    // written as (x, -y) and the view's top is the drawing's highest y.
    double px = std::max(view.width, view.height) / kPixelSize;
    double top = -(view.min_y + view.height);

    std::string svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(view.pixel_width) +
           "\" height=\"" + std::to_string(view.pixel_height) + "\" viewBox=\"" + num(view.min_x) +
           " " + num(top) + " " + num(view.width) + " " + num(view.height) +
           "\" font-family=\"IPAGothic, 'IPA Gothic', 'MS Gothic', sans-serif\">\n";
    svg += "<rect x=\"" + num(view.min_x) + "\" y=\"" + num(top) + "\" width=\"" + num(view.width) +
           "\" height=\"" + num(view.height) + "\" fill=\"#ffffff\"/>\n";

    // Solids first, whatever their layer: in Jw_cad they lie under every line.
    for (int layer = 0; layer < 16; ++layer) {
        std::string group;
        for (const auto& element : drawing.elements) {
            auto* solid = std::get_if<PreviewSolid>(&element);
            if (!solid || solid->layer != layer) continue;
            group += "<polygon points=\"";
            for (std::size_t i = 0; i < solid->corners.size(); i += 2)
                group +=
                    (i ? " " : "") + num(solid->corners[i]) + "," + num(-solid->corners[i + 1]);
            group += "\" fill=\"" + colour_text(solid->colour) + "\"/>\n";
        }
        if (group.empty()) continue;
        svg +=
            std::string("<g id=\"solids-layer-") + layer_name(layer) + "\">\n" + group + "</g>\n";
    }

    std::string pen_width = num(px * 1.2);
    for (int layer = 0; layer < 16; ++layer) {
        std::string group;
        for (const auto& element : drawing.elements) {
            if (layer_of(element) != layer) continue;
            if (auto* l = std::get_if<PreviewLine>(&element)) {
                group += "<line x1=\"" + num(l->x1) + "\" y1=\"" + num(-l->y1) + "\" x2=\"" +
                         num(l->x2) + "\" y2=\"" + num(-l->y2) + "\" stroke=\"" +
                         colour_text(l->colour) + "\" stroke-width=\"" + pen_width + "\"";
                const auto& runs = jw_dash_runs(l->line_type);
                if (!runs.empty()) {
                    group += " stroke-dasharray=\"";
                    for (std::size_t i = 0; i < runs.size(); ++i)
                        group += (i ? " " : "") + num(runs[i] * px);
                    group += "\"";
                }
                group += "/>\n";
            } else if (auto* p = std::get_if<PreviewPoint>(&element)) {
                group += "<circle cx=\"" + num(p->x) + "\" cy=\"" + num(-p->y) + "\" r=\"" +
                         num(px * 2) + "\" fill=\"" + colour_text(p->colour) + "\"/>\n";
            } else if (auto* t = std::get_if<PreviewText>(&element)) {
                std::string x = num(t->x), y = num(-t->y);
                group += "<text x=\"" + x + "\" y=\"" + y + "\" font-size=\"" + num(t->height) +
                         "\" fill=\"" + colour_text(t->colour) + "\"";
                if (t->length > 0)
                    group +=
                        " textLength=\"" + num(t->length) + "\" lengthAdjust=\"spacingAndGlyphs\"";
                double degrees = std::atan2(t->dir_y, t->dir_x) * 180 / 3.14159265358979323846;
                if (std::abs(degrees) > 1e-9)
                    group += " transform=\"rotate(" + num(-degrees) + " " + x + " " + y + ")\"";
                group += ">" + xml_escape(t->text) + "</text>\n";
            }
        }
        if (group.empty()) continue;
        svg += std::string("<g id=\"layer-") + layer_name(layer) + "\">\n" + group + "</g>\n";
    }
    svg += "</svg>\n";
    return svg;
}

}  // namespace quornel
