#include "exchange/command_stream.h"

#include <bit>
#include <cstring>

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

void CommandStream::decimal_attribute(const char* kind, int n) {
    text_ += kind;
    text_ += std::to_string(n);
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
    const double value = c.value() + (c.is_absolute() ? 0.0 : offset);
    constexpr int kRecentBits = 9;  // 512 items, a few times the numbers of one column
    if (!recent_) recent_ = std::make_unique<RecentItem[]>(1 << kRecentBits);
    const auto bits = std::bit_cast<std::uint64_t>(value);
    RecentItem& recent = recent_[(bits * 0x9E3779B97F4A7C15u) >> (64 - kRecentBits)];
    if (recent.length != 0 && recent.bits == bits) {
        text_.append(recent.text, recent.length);
        return;
    }
    char item[kLongestItem];
    const auto length = static_cast<std::size_t>(write_item(value, item) - item);
    text_.append(item, length);
    if (length <= sizeof recent.text) {
        recent.bits = bits;
        recent.length = static_cast<std::uint8_t>(length);
        std::memcpy(recent.text, item, length);
    }
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

void CommandStream::solid(const std::array<double, 8>& corners) {
    text_ += "sl ";
    for (std::size_t i = 0; i < corners.size(); i += 2) {
        x(corners[i]);
        y(corners[i + 1]);
    }
    end_line();
}

void CommandStream::hatch_line(double x1, double y1, double x2, double y2) {
    raw_line("z1");
    line(x1, y1, x2, y2);
}

}  // namespace quornel
