#include "exchange/header_points.h"

#include <set>
#include <string>
#include <utility>

#include "exchange/number_text.h"
#include "platform/text_codec.h"

namespace quornel {
namespace {

// A point given on a line, circle or text ("hp1ln" and the item after "hhp1ln").
const char* const kOnAnItem =
    "線・円・文字に合わせて指示した点で、quornel では使えません。\n"
    "交点は点だけで指示してください。";

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view without_leading_blanks(std::string_view line) {
    while (!line.empty() && is_blank(line.front())) line.remove_prefix(1);
    return line;
}

bool is_point_line(std::string_view line) {
    line = without_leading_blanks(line);
    return line.starts_with("hp") || line.starts_with("hhp");
}

// Calls each(line number, span, line text) for the lines of the header, up to the first
// line that starts with "lg", where the selected drawing begins. A line ends at CR LF, LF
// or CR; neither byte is ever part of a double-byte character, so lines split safely.
template <class Each>
void for_each_header_line(std::string_view buffer, Each each) {
    std::size_t pos = 0;
    for (int number = 1; pos < buffer.size(); ++number) {
        std::size_t end = pos;
        while (end < buffer.size() && buffer[end] != '\r' && buffer[end] != '\n') ++end;
        std::size_t next = end;
        if (next < buffer.size() && buffer[next] == '\r') ++next;
        if (next < buffer.size() && buffer[next] == '\n') ++next;
        const std::string_view line = buffer.substr(pos, end - pos);
        if (line.starts_with("lg")) return;
        each(number, LineSpan{pos, next - pos}, line);
        pos = next;
    }
}

// A damaged line may be very long: converted only as far as it is shown (two bytes at most
// a character, and one more to know that it goes on).
std::string shown(std::string_view line) {
    constexpr std::size_t kShown = 40;
    return utf8_start(ansi_to_utf8(line.substr(0, 2 * kShown + 1)), kShown);
}

Status refuse(int number, std::string_view line, const std::string& why) {
    return Status::failure("TEMP.TXT の " + std::to_string(number) + " 行目「" + shown(line) +
                           "」は、" + why);
}

// "hpN x y" or "hpN- x y": the tag, then two numbers, blanks between them.
Result<Crossing> read_point_line(int number, std::string_view line) {
    std::string_view rest = without_leading_blanks(line);
    if (rest.starts_with("hhp")) {
        return refuse(number, line, kOnAnItem);
    }
    rest.remove_prefix(2);  // "hp"
    std::size_t digits = 0;
    while (digits < rest.size() && is_digit(rest[digits])) ++digits;
    std::size_t tag_end = digits;
    while (tag_end < rest.size() && !is_blank(rest[tag_end])) ++tag_end;
    const std::string_view suffix = rest.substr(digits, tag_end - digits);
    if (digits > 0 && (suffix == "ln" || suffix == "ci" || suffix == "ch")) {
        return refuse(number, line, kOnAnItem);
    }
    if (digits == 0 || !(suffix.empty() || suffix == "-")) {
        return refuse(number, line, "quornel の読める指示点の行（hp1 x y）ではありません。");
    }
    const std::string_view point = rest.substr(0, digits);
    if (point.size() > 2 || point[0] == '0') {
        return refuse(number, line, "指示点の番号が 1 から 99 までではありません。");
    }
    std::vector<double> values;
    for (std::size_t i = tag_end; i < rest.size();) {
        while (i < rest.size() && is_blank(rest[i])) ++i;
        std::size_t end = i;
        while (end < rest.size() && !is_blank(rest[end])) ++end;
        if (end == i) break;
        const auto value = parse_number(rest.substr(i, end - i), NumberForms::HalfWidthOnly);
        if (!value) return refuse(number, line, "座標を数として読めません。");
        values.push_back(*value);
        i = end;
    }
    if (values.size() != 2) {
        return refuse(number, line, "座標が x と y の二つではありません。");
    }
    std::string_view text = without_leading_blanks(line);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    // A line that read is all ASCII: its tag, blanks and half-width numbers.
    return Crossing{values[0], values[1], number, std::string(text)};
}

}  // namespace

std::optional<double> read_axis_angle(std::string_view buffer) {
    std::optional<double> angle;
    bool found = false;
    for_each_header_line(buffer, [&](int, LineSpan, std::string_view line) {
        line = without_leading_blanks(line);
        if (found || !line.starts_with("hk") || line.size() < 3 || !is_blank(line[2])) return;
        found = true;
        line.remove_prefix(2);
        line = without_leading_blanks(line);
        std::size_t end = 0;
        while (end < line.size() && !is_blank(line[end])) ++end;
        angle = parse_number(line.substr(0, end), NumberForms::HalfWidthOnly);
    });
    return angle;
}

std::vector<LineSpan> point_lines(std::string_view buffer) {
    std::vector<LineSpan> spans;
    for_each_header_line(buffer, [&](int, LineSpan span, std::string_view line) {
        if (is_point_line(line)) spans.push_back(span);
    });
    return spans;
}

Result<std::vector<Crossing>> read_crossings(std::string_view buffer) {
    std::vector<Crossing> crossings;
    // The first crossing is the origin; -0 and 0 are the same place.
    std::set<std::pair<double, double>> seen{{0.0, 0.0}};
    Status status = Status::success();
    for_each_header_line(buffer, [&](int number, LineSpan, std::string_view line) {
        if (!status || !is_point_line(line)) return;
        Result<Crossing> point = read_point_line(number, line);
        if (!point) {
            status = point.status();
            return;
        }
        if (seen.insert({point->x, point->y}).second) crossings.push_back(*point);
    });
    if (!status) return status;
    return crossings;
}

}  // namespace quornel
