// The exchange header from TEMP.TXT, as any program or a damaged disk may leave it: the
// reader either yields usable values or a message naming TEMP.TXT; the echo handed back
// to Jw_cad is the buffer less exactly the "hq" entry and the point lines; a drawing made
// with whatever values and crossings were read, and hatched, is refused or well formed, one
// whole copy per crossing; the same at a whole floor's crossings, each its own shape.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/drawing_run.h"
#include "exchange/ansi_text.h"
#include "exchange/header_echo.h"
#include "exchange/header_points.h"
#include "exchange/host_header.h"
#include "fuzz_check.h"

namespace {

using quornel::HostHeader;

bool same(const HostHeader& a, const HostHeader& b) {
    return a.Syukusyaku == b.Syukusyaku && a.SunpouMojiW == b.SunpouMojiW &&
           a.SunpouMojiH == b.SunpouMojiH && a.SunpouMojiD == b.SunpouMojiD &&
           a.KigouMojiW == b.KigouMojiW && a.KigouMojiH == b.KigouMojiH &&
           a.KigouMojiD == b.KigouMojiD;
}

void check_echo(std::string_view buffer) {
    const std::vector<std::string_view> echo = quornel::header_echo(buffer);
    // What may go: "hq" and the one character after it (up to 4 bytes), and every point
    // line with its line end. Everything else stays, in order.
    std::vector<bool> may_go(buffer.size(), false);
    if (std::size_t hq = quornel::find_ansi_key(buffer, "hq"); hq != std::string_view::npos)
        for (std::size_t i = hq; i < std::min(buffer.size(), hq + 4); ++i) may_go[i] = true;
    std::vector<bool> must_go(buffer.size(), false);
    for (const quornel::LineSpan& l : quornel::point_lines(buffer))
        for (std::size_t i = l.start; i < l.start + l.length; ++i) may_go[i] = must_go[i] = true;
    std::vector<bool> kept(buffer.size(), false);
    std::size_t from = 0;
    for (std::string_view piece : echo) {
        if (piece.empty()) continue;
        FUZZ_CHECK(piece.data() >= buffer.data() + from);
        const std::size_t at = piece.data() - buffer.data();
        FUZZ_CHECK(at + piece.size() <= buffer.size());
        for (std::size_t i = at; i < at + piece.size(); ++i) kept[i] = true;
        from = at + piece.size();
    }
    std::size_t removed = 0;
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        FUZZ_CHECK(kept[i] || may_go[i]);
        FUZZ_CHECK(!(kept[i] && must_go[i]));
        removed += kept[i] ? 0 : 1;
    }
    // "hq" and its character: one byte after it, two for a double-byte character.
    if (quornel::point_lines(buffer).empty())
        FUZZ_CHECK(removed == 0 || (removed >= 2 && removed <= 4));
}

std::size_t count_lines(const std::string& s, std::string_view start) {
    std::size_t n = 0;
    for (std::size_t at = 0; at < s.size();) {
        if (s.compare(at, start.size(), start) == 0) ++n;
        const std::size_t end = s.find('\n', at);
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return n;
}

// 「交点ごと」 over a set of crossings: refused with a message, or one copy at every crossing,
// each with its symbol, the dimension chains at the first only when asked, every line whole.
void check_floor(quornel::DrawingInput in, const std::vector<quornel::Crossing>& crossings,
                 std::uint8_t choices) {
    in.hasira_sd = quornel::kWholeFloor;
    in.crossings = crossings;
    in.KabeTunagu = choices & 1;
    in.SunpoHitotu = choices & 2;
    in.GaisyuKabe = choices & 4;
    in.optSin_d = (choices >> 3) & 1;
    if (choices & 16) in.walls[2][2] = 0;  // no walls to the side
    auto floor = quornel::drawing_commands(in);
    if (!floor) {
        FUZZ_CHECK(!floor.message().empty());
        return;
    }
    const std::string& s = *floor;
    FUZZ_CHECK(count_lines(s, "ch ") == crossings.size() + 1);
    if (in.SunpoHitotu) FUZZ_CHECK(count_lines(s, "msg") == 6);
    FUZZ_CHECK(s.find("nan") == std::string::npos && s.find("inf") == std::string::npos);
    FUZZ_CHECK(s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0);
}

// A grid of up to 6 × 6 crossings with holes and the noise of points read from lines, from
// the input's first bytes: most point sets a fuzzer writes as text stand alone.
std::vector<quornel::Crossing> grid_from(std::string_view bytes) {
    std::vector<quornel::Crossing> points;
    if (bytes.size() < 8) return points;
    const int columns = 1 + bytes[0] % 6, rows = 1 + bytes[1] % 6;
    const double dx = 900 + static_cast<unsigned char>(bytes[2]) * 40.0;
    const double dy = 900 + static_cast<unsigned char>(bytes[3]) * 40.0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const std::size_t at = 4 + static_cast<std::size_t>(r * columns + c);
            const unsigned char b = at < bytes.size() ? bytes[at] : 0;
            if ((r == 0 && c == 0) || (b & 0xC0) == 0xC0) continue;  // the origin; a hole
            const double noise = ((b & 0x3F) - 32) / 40.0;           // up to 0.8 mm
            points.push_back({c * dx + noise, -r * dy + noise / 2, r * columns + c + 9, "hp"});
        }
    }
    return points;
}

void check_drawing(const HostHeader& header, std::string_view buffer) {
    auto crossings = quornel::read_crossings(buffer);
    if (!crossings) {
        FUZZ_CHECK(crossings.message().find("TEMP.TXT") != std::string::npos);
        return;
    }
    FUZZ_CHECK(crossings->size() <= quornel::point_lines(buffer).size());
    for (const quornel::Crossing& at : *crossings) {
        FUZZ_CHECK(std::isfinite(at.x) && std::isfinite(at.y));
        FUZZ_CHECK(at.x != 0 || at.y != 0);
    }
    quornel::DrawingInput in;
    in.XU0 = in.XU1 = in.YU0 = in.YU1 = 300;
    in.walls[0] = {75, 75, 150, 10, 10};
    in.walls[1] = {75, 75, 150, 10, 10};
    in.walls[2] = {60, 60, 120, 0, 0};
    in.walls[3] = {60, 60, 120, 0, 0};
    in.symbol = "C1";
    in.symbol_ansi = "C1";
    // Hatched at any scale the header may hold: refused or at most 20,000 lines a copy.
    in.fill.column = quornel::FillKind::Hatch;
    in.fill.walls = quornel::FillKind::Hatch;
    in.header = header;
    auto commands = quornel::drawing_commands(in);
    if (!commands) {
        FUZZ_CHECK(!commands.message().empty());
        return;
    }
    const std::string& s = *commands;
    std::size_t hatch_lines = 0;
    for (std::size_t at = s.find("z1\r\n"); at != std::string::npos; at = s.find("z1\r\n", at + 4))
        ++hatch_lines;
    FUZZ_CHECK(hatch_lines <= quornel::kMaxHatchLines);
    // Every crossing is one whole copy of the drawing at the first crossing.
    quornel::DrawingInput moved = in;
    moved.crossings = *crossings;
    auto copies = quornel::drawing_commands(moved);
    FUZZ_CHECK(copies.ok());
    if (copies) {
        const auto lines = [](const std::string& t) {
            return std::count(t.begin(), t.end(), '\n');
        };
        FUZZ_CHECK(lines(*copies) == lines(s) * static_cast<long>(crossings->size() + 1));
        FUZZ_CHECK(copies->compare(0, s.size(), s) == 0);
    }
    if (!crossings->empty()) check_floor(in, *crossings, static_cast<std::uint8_t>(buffer.size()));
    in.fill.column = in.fill.walls = quornel::FillKind::None;
    check_floor(in, grid_from(buffer),
                buffer.empty() ? 0 : static_cast<std::uint8_t>(buffer[0] >> 2));
    FUZZ_CHECK(s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0);
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\n') FUZZ_CHECK(i > 0 && s[i - 1] == '\r');
        if (c == '\r') FUZZ_CHECK(i + 1 < s.size() && s[i + 1] == '\n');
    }
    FUZZ_CHECK(s.find("nan") == std::string::npos && s.find("inf") == std::string::npos);
    FUZZ_CHECK(s.find("e+") == std::string::npos && s.find("e-") == std::string::npos);
    (void)buffer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // MOJINO comes from Jw_cad's registry and may hold anything a Long can.
    static const std::int32_t kMojino[] = {0, 1, 2, 5, 9, 10, 11, 16, -1, 2147483647};
    std::int32_t MOJINO = kMojino[data[0] % 10];
    int symbol_type = data[1] % 11;  // 0..10; 0 reads the first field like 1
    std::string_view buffer(reinterpret_cast<const char*>(data + 2), size - 2);

    auto header = quornel::read_host_header(buffer, MOJINO, symbol_type);
    if (header) {
        const HostHeader& h = *header;
        for (double v : {h.Syukusyaku, h.SunpouMojiW, h.SunpouMojiH, h.SunpouMojiD, h.KigouMojiW,
                         h.KigouMojiH, h.KigouMojiD})
            FUZZ_CHECK(std::isfinite(v));
        FUZZ_CHECK(h.Syukusyaku > 0);
        check_drawing(h, buffer);
    } else {
        FUZZ_CHECK(!header.message().empty());
        FUZZ_CHECK(header.message().find("TEMP.TXT") != std::string::npos || MOJINO < 0);
    }

    // A line end after the last line changes nothing: a field at the very end of the file
    // reads as it does at the end of a line.
    std::string ended(buffer);
    ended += "\r\n";
    auto again = quornel::read_host_header(ended, MOJINO, symbol_type);
    FUZZ_CHECK(again.ok() == header.ok());
    if (header) FUZZ_CHECK(same(*header, *again));

    check_echo(buffer);
    return 0;
}
