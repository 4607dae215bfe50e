#include "preview/command_stream_reader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "exchange/number_text.h"
#include "platform/text_codec.h"

namespace quornel {
namespace {

// The header values that the drawing needs: the scale of each layer group and the sizes
// and colours of the ten text types, all as Jw_cad wrote them (paper millimetres).
struct HeaderValues {
    std::vector<double> hs, hcw, hch, hcd, hcc;
    bool has_scales = false;
    int group = 0;  // current layer group, from "lg"
};

// The attributes in force, as Jw_cad keeps them while it reads the file.
struct Attributes {
    int layer = 0;
    int colour = 1;
    int line_type = 1;
    int point_colour = 1;
    int text_type = 1;
};

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim_right(std::string_view s) {
    while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
    return s;
}

bool starts_with(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

std::vector<std::string_view> split_blanks(std::string_view s) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && is_blank(s[i])) ++i;
        std::size_t start = i;
        while (i < s.size() && !is_blank(s[i])) ++i;
        if (i > start) tokens.push_back(s.substr(start, i - start));
    }
    return tokens;
}

std::optional<std::vector<double>> numbers(std::string_view s) {
    std::vector<double> values;
    for (std::string_view token : split_blanks(s)) {
        auto v = parse_number(token, NumberForms::HalfWidthOnly);
        if (!v) return std::nullopt;
        values.push_back(*v);
    }
    return values;
}

// Upper- or lower-case hexadecimal digits, nothing else; at most 7 so that it fits an int.
// The number of an attribute line. Jw_cad reads layers and layer groups in hexadecimal, text
// types and point colours in decimal ("cn10"); a letter there is read as hexadecimal, as
// quornel 1.1 wrote text type 10 ("cnA").
std::optional<int> decimal_value(std::string_view s) {
    if (s.empty() || s.size() > 7) return std::nullopt;
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> hex_value(std::string_view s) {
    if (s.empty() || s.size() > 7) return std::nullopt;
    int value = 0;
    for (char c : s) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else
            return std::nullopt;
        value = value * 16 + d;
    }
    return value;
}

// The line as the user would recognise it in a message: UTF-8, shortened.
std::string quote_line(std::string_view line) {
    return "「" + utf8_start(ansi_to_utf8(line), 40) + "」";
}

struct LineError {
    std::string ja;
    std::string en;
};

std::string line_message(int number, const LineError& e) {
    std::string n = std::to_string(number);
    return n + " 行目を読めません: " + e.ja + "\nline " + n + " cannot be read: " + e.en;
}

// Width of a text as Jw_cad lays it out: a half-width character (ASCII, half-width kana)
// takes half the text type's width and half its spacing, a full-width one all of it. This
// is also the width the drawing run assumes when it centres a dimension value.
double text_units(std::string_view utf8, double width, double spacing) {
    double total = 0;
    double last_spacing = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t cp = c;
        if (len == 3 && i + 2 < utf8.size()) {
            cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                 (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
        }
        bool half = c < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F);
        double share = half ? 0.5 : 1.0;
        total += share * (width + spacing);
        last_spacing = share * spacing;
        i += len;
    }
    return total - last_spacing;
}

class Reader {
  public:
    Result<PreviewDrawing> read(std::string_view bytes) {
        int number = 0;
        std::size_t pos = 0;
        while (pos < bytes.size()) {
            std::size_t end = bytes.find('\n', pos);
            if (end == std::string_view::npos) end = bytes.size();
            std::string_view line = bytes.substr(pos, end - pos);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            pos = end + 1;
            ++number;
            if (auto error = read_line(line))
                return Result<PreviewDrawing>::failure(line_message(number, *error));
        }
        if (!header_.has_scales) {
            return Result<PreviewDrawing>::failure(
                "quornel の書いた JWC_TEMP.TXT ではありません: 縮尺（hs）の行がありません。\n"
                "this is not a JWC_TEMP.TXT written by quornel: it has no scale line (hs).");
        }
        return std::move(drawing_);
    }

  private:
    std::optional<LineError> read_line(std::string_view line) {
        if (line.find('\0') != std::string_view::npos)
            return LineError{"テキストファイルではありません（NUL 文字があります）。",
                             "this is not a text file (it holds NUL bytes)."};
        std::string_view body = trim_right(line);
        if (body.empty() || body[0] == '#') return std::nullopt;
        if (starts_with(body, "hq"))
            return LineError{"「hq」が残っています。Jw_cad はこのファイルを作図しません。",
                             "\"hq\" is still there; Jw_cad does not draw this file."};
        if (auto handled = read_attribute(body)) return *handled;
        if (body == "z1" || body == "z3" || body == "msg") return std::nullopt;  // for Jw_cad only
        if (starts_with(body, "pt")) return read_point(line, body.substr(2));
        if (starts_with(body, "sl ")) return read_solid(line, body.substr(3));
        if (starts_with(body, "ch ") || starts_with(body, "cs ")) return read_text(line);
        char c = body[0];
        if (is_blank(c) || c == '-' || c == '+' || c == '.' || (c >= '0' && c <= '9'))
            return read_segment(line, body);
        return read_header(line, body);
    }

    // ly, lc, lt and lg followed by a hexadecimal number, pn and cn by a decimal one. nullopt
    // when the line is no attribute line; an engaged optional holding nullopt when it was read.
    std::optional<std::optional<LineError>> read_attribute(std::string_view body) {
        static constexpr std::string_view kinds[] = {"ly", "lc", "lt", "pn", "cn", "lg"};
        for (std::string_view kind : kinds) {
            if (!starts_with(body, kind)) continue;
            const bool decimal = kind == "pn" || kind == "cn";
            auto value = decimal ? decimal_value(body.substr(2)) : std::nullopt;
            if (!value) value = hex_value(body.substr(2));
            if (!value) return std::nullopt;
            int n = *value;
            if (kind == "ly" || kind == "lg") {
                if (n > 15)
                    return std::optional<LineError>(
                        LineError{"レイヤー番号は 0 から F までです: " + quote_line(body),
                                  "layer numbers run from 0 to F: " + quote_line(body)});
                (kind == "ly" ? attributes_.layer : header_.group) = n;
            } else if (kind == "lt") {
                if (n < 1 || n > 9)
                    return std::optional<LineError>(
                        LineError{"線種番号は 1 から 9 までです: " + quote_line(body),
                                  "line types run from 1 to 9: " + quote_line(body)});
                attributes_.line_type = n;
            } else if (kind == "cn") {
                if (n > 10)
                    return std::optional<LineError>(
                        LineError{"文字種番号は 0 から 10 までです: " + quote_line(body),
                                  "text types run from 0 to 10: " + quote_line(body)});
                attributes_.text_type = n;
            } else if (kind == "lc") {
                attributes_.colour = n;
            } else {
                attributes_.point_colour = n;
            }
            return std::optional<LineError>();
        }
        return std::nullopt;
    }

    std::optional<LineError> read_segment(std::string_view line, std::string_view body) {
        auto v = numbers(body);
        if (!v || v->size() != 4)
            return LineError{"線は 4 つの数値（x1 y1 x2 y2）です: " + quote_line(line),
                             "a line is four numbers (x1 y1 x2 y2): " + quote_line(line)};
        PreviewLine l;
        l.x1 = (*v)[0];
        l.y1 = (*v)[1];
        l.x2 = (*v)[2];
        l.y2 = (*v)[3];
        l.layer = attributes_.layer;
        l.colour = attributes_.colour;
        l.line_type = attributes_.line_type;
        drawing_.elements.emplace_back(l);
        return std::nullopt;
    }

    std::optional<LineError> read_point(std::string_view line, std::string_view rest) {
        auto v = numbers(rest);
        if (!v || v->size() != 2)
            return LineError{"点は「pt」と 2 つの数値（x y）です: " + quote_line(line),
                             "a point is \"pt\" and two numbers (x y): " + quote_line(line)};
        PreviewPoint p;
        p.x = (*v)[0];
        p.y = (*v)[1];
        p.layer = attributes_.layer;
        p.colour = attributes_.point_colour;
        drawing_.elements.emplace_back(p);
        return std::nullopt;
    }

    std::optional<LineError> read_solid(std::string_view line, std::string_view rest) {
        auto v = numbers(rest);
        if (!v || v->size() != 8)
            return LineError{
                "ソリッドは「sl 」と 8 つの数値（4 つの角の x y）です: " + quote_line(line),
                "a solid is \"sl \" and eight numbers (x y of four corners): " + quote_line(line)};
        PreviewSolid solid;
        std::copy(v->begin(), v->end(), solid.corners.begin());
        solid.layer = attributes_.layer;
        solid.colour = attributes_.colour;
        drawing_.elements.emplace_back(solid);
        return std::nullopt;
    }

    std::optional<LineError> read_text(std::string_view line) {
        std::size_t quote = line.find('"');
        auto v =
            quote == std::string_view::npos ? std::nullopt : numbers(line.substr(3, quote - 3));
        if (!v || v->size() != 4)
            return LineError{
                "文字は「ch 」か「cs 」、4 つの数値（x y 向き）と「\"」に続く文字列です: " +
                    quote_line(line),
                "a text is \"ch \" or \"cs \", four numbers (x y direction) and '\"' with the "
                "text: " +
                    quote_line(line)};
        double dx = (*v)[2], dy = (*v)[3];
        double norm = std::hypot(dx, dy);
        if (!(norm > 0))
            return LineError{"文字の向きがありません（0 0）: " + quote_line(line),
                             "the text has no direction (0 0): " + quote_line(line)};
        int type = attributes_.text_type == 0 ? 1 : attributes_.text_type;
        std::size_t field = static_cast<std::size_t>(type);
        std::size_t group_field = static_cast<std::size_t>(header_.group) + 1;
        if (header_.hs.size() < group_field)
            return LineError{"ヘッダーにレイヤーグループ " +
                                 std::string(1, "0123456789ABCDEF"[header_.group]) +
                                 " の縮尺（hs）がないため、文字の大きさが決まりません。",
                             "the header has no scale (hs) for the current layer group, so the "
                             "text size is unknown."};
        if (header_.hch.size() < field)
            return LineError{"ヘッダーに文字種 " + std::to_string(type) +
                                 " の高さ（hch）がないため、文字の大きさが決まりません。",
                             "the header has no height (hch) for text type " +
                                 std::to_string(type) + ", so the text size is unknown."};
        double scale = header_.hs[group_field - 1];
        double height = header_.hch[field - 1];
        double width = header_.hcw.size() >= field ? header_.hcw[field - 1] : height;
        double spacing = header_.hcd.size() >= field ? header_.hcd[field - 1] : 0;

        PreviewText t;
        t.text = ansi_to_utf8(line.substr(quote + 1));
        if (t.text.empty()) return std::nullopt;  // nothing to see
        t.x = (*v)[0];
        t.y = (*v)[1];
        t.dir_x = dx / norm;
        t.dir_y = dy / norm;
        t.height = height * scale;
        t.length = text_units(t.text, width, spacing) * scale;
        t.layer = attributes_.layer;
        t.colour =
            header_.hcc.size() >= field ? static_cast<int>(std::lround(header_.hcc[field - 1])) : 2;
        drawing_.elements.emplace_back(std::move(t));
        return std::nullopt;
    }

    // The exchange header that quornel echoes: the scale and text-type lines are kept, the
    // other entries Jw_cad writes there (axis angle, selection, file name, fonts, layer
    // names, line widths) draw nothing.
    std::optional<LineError> read_header(std::string_view line, std::string_view body) {
        std::string_view key = body.substr(0, body.find_first_of(" \t"));
        std::vector<double>* target = key == "hs"    ? &header_.hs
                                      : key == "hcw" ? &header_.hcw
                                      : key == "hch" ? &header_.hch
                                      : key == "hcd" ? &header_.hcd
                                      : key == "hcc" ? &header_.hcc
                                                     : nullptr;
        if (target) {
            auto v = numbers(body.substr(key.size()));
            if (!v)
                return LineError{"ヘッダーの数値が読めません: " + quote_line(line),
                                 "a number of the header cannot be read: " + quote_line(line)};
            *target = std::move(*v);
            if (target == &header_.hs) header_.has_scales = true;
            return std::nullopt;
        }
        static constexpr std::string_view kSkipped[] = {"file=", "cn\"", "lgn", "lyn", "lw", "bz"};
        for (std::string_view prefix : kSkipped)
            if (starts_with(body, prefix)) return std::nullopt;
        bool header_key = key.size() >= 2 && key[0] == 'h';
        for (char c : key)
            header_key =
                header_key && ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-');
        if (header_key) return std::nullopt;
        return LineError{"quornel の書く行の種類ではありません: " + quote_line(line),
                         "quornel does not write lines of this kind: " + quote_line(line)};
    }

    HeaderValues header_;
    Attributes attributes_;
    PreviewDrawing drawing_;
};

}  // namespace

int layer_of(const PreviewElement& element) {
    return std::visit([](const auto& e) { return e.layer; }, element);
}

Result<PreviewDrawing> read_command_stream(std::string_view bytes) {
    return Reader().read(bytes);
}

}  // namespace quornel
