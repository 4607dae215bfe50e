#include "exchange/command_stream.h"

#include "exchange/number_text.h"

namespace quornel {

std::string hex_number(unsigned value) {
    static const char digits[] = "0123456789ABCDEF";
    std::string s;
    do {
        s.insert(s.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    return s;
}

void CommandStream::attribute(const char* kind, int n) {
    text_ += kind;
    text_ += hex_number(static_cast<unsigned>(n));
    end_line();
}

void CommandStream::pen(int layer_position, int colour_position, int line_type_position) {
    layer(layer_position);
    line_colour(colour_position + 1);
    line_type(line_type_position + 1);
}

void CommandStream::raw_line(std::string_view s) {
    text_ += s;
    end_line();
}

void CommandStream::item(Coord c, double offset) {
    if (c.is_reference_line() && !moved_) {
        text_ += "0 ";
        return;
    }
    append_item(text_, c.value() + offset);
}

void CommandStream::line(Coord x1, Coord y1, Coord x2, Coord y2) {
    x(x1);
    y(y1);
    x(x2);
    y(y2);
    end_line();
}

void CommandStream::point(Coord px, Coord py) {
    text_ += "pt";
    x(px);
    y(py);
    end_line();
}

void CommandStream::symbol_text(Coord tx, Coord ty, std::string_view ansi_text) {
    text_ += "ch ";
    x(tx);
    y(ty);
    text_ += "1 0 \"";
    text_ += ansi_text;
    end_line();
}

void CommandStream::dimension_text(Coord tx, Coord ty, TextDirection direction,
                                   std::string_view ansi_text) {
    text_ += "cs ";
    x(tx);
    y(ty);
    text_ += direction == TextDirection::Horizontal ? "1 0 \"" : "0 1 \"";
    text_ += ansi_text;
    end_line();
}

}  // namespace quornel
