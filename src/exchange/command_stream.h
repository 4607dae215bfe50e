#pragma once
// The command lines of JWC_TEMP.TXT after the header echo, in the exact text Jw_cad reads.
// Every line ends with CR LF; texts are passed in as ANSI bytes.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quornel {

// A coordinate as it is written: a computed value (a number item, " 0 " when it comes out
// zero), or the fixed zero of a reference line, which is the string "0 ".
class Coord {
  public:
    Coord(double value) : value_(value) {}  // NOLINT: numbers are coordinates
    static Coord reference_line() {
        Coord c(0);
        c.reference_line_ = true;
        return c;
    }
    // A value in the data's own coordinates, written as it is wherever the drawing is moved:
    // a point that belongs to another copy (the face of the next column).
    static Coord absolute(double value) {
        Coord c(value);
        c.absolute_ = true;
        return c;
    }
    double value() const { return value_; }
    bool is_reference_line() const { return reference_line_; }
    bool is_absolute() const { return absolute_; }

  private:
    double value_;
    bool reference_line_ = false;
    bool absolute_ = false;
};

enum class TextDirection { Horizontal, Vertical };

class CommandStream {
  public:
    // Every coordinate written from here on is moved by (dx, dy): the same drawing at
    // another place. A moved drawing writes every coordinate as a number item, the fixed
    // zero of a reference line included, since it no longer lies on that line.
    void move_by(double dx, double dy) {
        dx_ = dx;
        dy_ = dy;
        moved_ = true;
    }

    void layer(int n) { attribute("ly", n); }
    void line_colour(int n) { attribute("lc", n); }
    void line_type(int n) { attribute("lt", n); }
    // Jw_cad reads these two in decimal (cn10 is text type 10), the others in hexadecimal.
    void point_colour(int n) { decimal_attribute("pn", n); }
    void text_type(int n) { decimal_attribute("cn", n); }
    // One row of pickers: layer, colour and line type by their list positions.
    void pen(int layer_position, int colour_position, int line_type_position);

    void z3() { raw_line("z3"); }
    void msg() { raw_line("msg"); }
    void line(Coord x1, Coord y1, Coord x2, Coord y2);
    void point(Coord x, Coord y);
    // "ch ": a text along (1, 0) starting at (x, y).
    void symbol_text(Coord x, Coord y, std::string_view ansi_text);
    // "cs ": a dimension value along (1, 0) or (0, 1).
    void dimension_text(Coord x, Coord y, TextDirection direction, std::string_view ansi_text);
    // "sl ": a solid quadrilateral, its corners x1 y1 … x4 y4 in order.
    void solid(const std::array<double, 8>& corners);
    // "z1", Jw_cad's hatch attribute, then the line from (x1, y1) to (x2, y2).
    void hatch_line(double x1, double y1, double x2, double y2);

    const std::string& text() const { return text_; }
    // Room for `bytes` of text in all, so that a long drawing is not copied as it grows.
    void reserve(std::size_t bytes) { text_.reserve(bytes); }
    std::string take() { return std::move(text_); }

  private:
    void attribute(const char* kind, int n);
    void decimal_attribute(const char* kind, int n);
    void raw_line(std::string_view s);
    void item(Coord c, double offset);
    void x(Coord c) { item(c, dx_); }
    void y(Coord c) { item(c, dy_); }
    void end_line() { text_ += "\r\n"; }

    std::string text_;
    double dx_ = 0, dy_ = 0;
    bool moved_ = false;
    // A drawing writes the same faces and offsets again and again: each coordinate of a
    // column about six times at every crossing. A number met a moment ago is copied from a
    // small table of recent items rather than formatted again; a number that never repeats
    // costs only the look.
    struct RecentItem {
        std::uint64_t bits = 0;
        std::uint8_t length = 0;  // 0: empty
        char text[23];
    };
    std::unique_ptr<RecentItem[]> recent_;
};

// Upper-case hexadecimal without leading zeros: 0 -> "0", 10 -> "A".
std::string hex_number(unsigned value);

}  // namespace quornel
