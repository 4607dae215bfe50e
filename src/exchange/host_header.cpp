#include "exchange/host_header.h"

#include <cmath>
#include <optional>

#include "exchange/ansi_text.h"
#include "exchange/number_text.h"

namespace quornel {
namespace {

const char* const kFile = "TEMP.TXT";

std::string message_key_missing(std::string_view key) {
    return std::string(kFile) + " に「" + std::string(key) + "」の行がありません。";
}

std::string message_field_missing(std::string_view key, int field) {
    return std::string(kFile) + " の「" + std::string(key) + "」に " + std::to_string(field) +
           " 番目の値がありません。";
}

std::string message_field_unreadable(std::string_view key, int field) {
    return std::string(kFile) + " の「" + std::string(key) + "」の " + std::to_string(field) +
           " 番目の値が数として読めません。";
}

bool is_line_end(char c) {
    return c == '\r' || c == '\n';
}

// Field `field` (1-based) of the line that starts with `key`. Fields follow the key, each
// after one blank; a field ends at the next blank or at the end of its line, so the last
// field of a line reads the same with or without a trailing blank and never runs into the
// next line.
Result<double> read_field(std::string_view buffer, std::string_view key, int field) {
    std::size_t pos = find_ansi_key(buffer, key);
    if (pos == std::string_view::npos) return Result<double>::failure(message_key_missing(key));
    std::size_t line_end = pos;
    while (line_end < buffer.size() && !is_line_end(buffer[line_end])) ++line_end;
    std::string_view line = buffer.substr(pos, line_end - pos);

    std::size_t blank = line.find(' ');
    for (int i = 1; i < field && blank != std::string_view::npos; ++i)
        blank = line.find(' ', blank + 1);
    if (blank == std::string_view::npos)
        return Result<double>::failure(message_field_missing(key, field));
    std::size_t start = blank + 1;
    std::size_t end = line.find(' ', start);
    std::string_view text = line.substr(start, end == std::string_view::npos ? end : end - start);
    if (text.empty() && end == std::string_view::npos)
        return Result<double>::failure(message_field_missing(key, field));
    std::optional<double> value = parse_number(text, NumberForms::HalfWidthOnly);
    if (!value) return Result<double>::failure(message_field_unreadable(key, field));
    return *value;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Text type numbers select a field of "hcw", "hch" and "hcd"; type 0 reads the first.
int text_type_field(int type) {
    return type < 1 ? 1 : type;
}

}  // namespace

Result<HostHeader> read_host_header(std::string_view buffer, std::int32_t MOJINO,
                                    int symbol_text_type) {
    if (MOJINO < 0 || symbol_text_type < 0) {
        return Result<HostHeader>::failure("文字種の番号が正しくありません（寸法 " +
                                           std::to_string(MOJINO) + "、柱記号 " +
                                           std::to_string(symbol_text_type) + "）。");
    }
    std::size_t lg = find_ansi_key(buffer, "lg");
    if (lg == std::string_view::npos) return Result<HostHeader>::failure(message_key_missing("lg"));
    int group = lg + 2 < buffer.size() ? hex_digit(buffer[lg + 2]) : -1;
    if (group < 0) group = 0;

    HostHeader header;
    struct Wanted {
        double* target;
        const char* key;
        int field;
    };
    const int dimension = text_type_field(MOJINO);
    const int symbol = text_type_field(symbol_text_type);
    const Wanted wanted[] = {
        {&header.Syukusyaku, "hs", group + 1},   {&header.SunpouMojiW, "hcw", dimension},
        {&header.SunpouMojiH, "hch", dimension}, {&header.SunpouMojiD, "hcd", dimension},
        {&header.KigouMojiW, "hcw", symbol},     {&header.KigouMojiH, "hch", symbol},
        {&header.KigouMojiD, "hcd", symbol},
    };
    for (const Wanted& w : wanted) {
        Result<double> value = read_field(buffer, w.key, w.field);
        if (!value) return value.status();
        *w.target = *value;
    }
    if (Status judged = judge_host_header(header); !judged) return judged;
    return header;
}

Status judge_host_header(const HostHeader& h) {
    // Finite, within its limit, and above 0 where 0 or less cannot be drawn.
    auto judge = [](double v, const std::string& name, double limit, bool above_zero) {
        const std::string named = std::string(kFile) + " の" + name;
        if (!std::isfinite(v)) return Status::failure(named + "が数ではありません。");
        if (above_zero && v <= 0)
            return Status::failure(named + "が " + format_number(v) +
                                   " です。0 より大きくないと作図できません。");
        if (std::fabs(v) > limit)
            return Status::failure(named + "が " + format_number(v) + " で、" +
                                   format_number(limit) + " を超えています。");
        return Status::success();
    };
    // A scale of 0 or below would fold every text and offset onto the column.
    if (Status s = judge(h.Syukusyaku, "縮尺（「hs」）", kMaxScale, true); !s) return s;
    const struct {
        const char* of;
        double width, height, spacing;
        bool height_used;
    } types[] = {
        {"寸法文字の", h.SunpouMojiW, h.SunpouMojiH, h.SunpouMojiD, false},
        {"柱記号の文字の", h.KigouMojiW, h.KigouMojiH, h.KigouMojiD, true},
    };
    for (const auto& t : types) {
        const std::string of = t.of;
        if (Status s = judge(t.width, of + "幅（「hcw」）", kMaxPaperLength, true); !s) return s;
        if (Status s = judge(t.height, of + "高さ（「hch」）", kMaxPaperLength, t.height_used); !s)
            return s;
        if (Status s = judge(t.spacing, of + "間隔（「hcd」）", kMaxPaperLength, false); !s)
            return s;
        // n characters are n widths and n - 1 spacings wide: a spacing that takes back more
        // than a width leaves a long enough text no width at all.
        if (t.width + t.spacing < 0)
            return Status::failure(std::string(kFile) + " の" + of + "間隔（「hcd」）が " +
                                   format_number(t.spacing) + " で、文字の幅 " +
                                   format_number(t.width) +
                                   " より大きく詰めるため、長い文字列の幅が 0 以下になります。");
    }
    return Status::success();
}

}  // namespace quornel
