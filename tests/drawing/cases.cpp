#include "cases.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace quornel::test {

std::string data_path(const std::string& file) {
    return std::string(QUORNEL_SOURCE_DIR) + "/tests/drawing/data/" + file;
}

DrawingInput base_input() {
    DrawingInput in;
    in.header.Syukusyaku = 100;
    in.header.SunpouMojiW = 2;
    in.header.SunpouMojiH = 2;
    in.header.SunpouMojiD = 0.5;
    in.header.KigouMojiW = 3;
    in.header.KigouMojiH = 3;
    in.header.KigouMojiD = 0.5;
    in.jw = DimensionSettings{};  // HANARE 0.5, TENColor 0, MOJINO 1, SENColor 1, 10 / 5 / 1
    in.body = {1, 1, 0};          // ly1 lc2 lt1
    in.cross = {2, 5, 4};         // ly2 lc6 lt5
    in.structural = {3, 0, 0};    // ly3 lc1 lt1
    in.wall = {4, 2, 0};          // ly4 lc3 lt1
    in.symbol_layer = 5;
    in.symbol_text_type = 4;  // 「文字種　５」
    in.dimension_layer = 6;
    in.symbol = "C1";
    in.symbol_ansi = "C1";
    return in;
}

namespace {

void column(DrawingInput& in, double xu0, double xu1, double yu0, double yu1) {
    in.XU0 = xu0, in.XU1 = xu1, in.YU0 = yu0, in.YU1 = yu1;
}

void extra(DrawingInput& in, double xm0, double xm1, double ym0, double ym1) {
    in.XM0 = xm0, in.XM1 = xm1, in.YM0 = ym0, in.YM1 = ym1;
}


}  // namespace

std::vector<HandCase> hand_cases() {
    std::vector<HandCase> cases;
    {
        DrawingInput in = base_input();
        in.hasira_sd = 4;
        column(in, 400, 400, 400, 400);
        extra(in, 50, 50, 50, 50);
        for (auto& w : in.walls) w = {75, 75, 150, 25, 25};
        in.SunpoIti_d = 4;
        in.HasiraIti_d = 4;
        cases.push_back({"crossing", in});
    }
    {
        DrawingInput in = base_input();
        in.hasira_sd = 0;
        column(in, 300, 300, 300, 300);
        in.walls[kDown] = {300, 50, 150, 0, 20};
        in.walls[kRight] = {300, 50, 150, 0, 20};
        in.walls[kUp] = {75, 75, 150, 25, 25};    // hidden at this shape
        in.walls[kLeft] = {75, 75, 150, 25, 25};  // hidden at this shape
        in.SunpoIti_d = 1;
        in.HasiraIti_d = 0;
        cases.push_back({"corner", in});
    }
    {
        DrawingInput in = base_input();
        in.hasira_sd = 5;
        column(in, 500, 500, 350, 350);
        extra(in, 25, 25, 25, 25);
        in.walls[kUp] = {999, 500, 120, 15, 0};
        in.walls[kDown] = {7, 500, 120, 0, 0};
        in.walls[kLeft] = {60, 60, 120, 10, 10};
        in.walls[kRight] = {50, 50, 100, 10, 10};  // hidden at this shape
        in.SunpoIti_d = 2;
        in.HasiraIti_d = 1;
        cases.push_back({"t_junction", in});
    }
    {
        DrawingInput in = base_input();
        in.hasira_sd = 4;
        column(in, 200, 400, 300, 100);
        extra(in, 50, 0, 0, 50);
        in.SunpoIti_d = 3;
        in.symbol = in.symbol_ansi = "";
        cases.push_back({"no_walls", in});
    }
    {
        DrawingInput in = base_input();
        in.optSin_d = 1;
        in.hasira_sd = 0;
        column(in, 600, 600, 600, 600);
        in.walls[kDown] = {75, 75, 150, 10, 10};
        in.walls[kRight] = {75, 75, 150, 10, 10};
        in.walls[kUp] = {75, 75, 150, 25, 25};  // hidden at this shape
        in.SunpoIti_d = 4;
        in.HasiraIti_d = 2;
        in.jw.ShowComma = 0;
        cases.push_back({"wall_centre", in});
    }
    {
        DrawingInput in = base_input();
        in.hasira_sd = 3;
        column(in, 300, 300, 300, 300);
        in.walls[kUp] = {300, 0, 150, 20, 20};
        in.walls[kDown] = {300, 0, 150, 20, 20};
        in.walls[kRight] = {75, 75, 150, 0, 0};
        in.walls[kLeft] = {75, 75, 150, 0, 0};  // hidden at this shape
        in.SunpoIti_d = 2;
        in.HasiraIti_d = 3;
        cases.push_back({"flush_wall", in});
    }
    return cases;
}

DrawingInput hand_case(const std::string& name) {
    for (auto& c : hand_cases())
        if (c.name == name) return c.input;
    ADD_FAILURE() << "no hand-derived case " << name;
    return base_input();
}

std::string expected_stream(const std::string& name) {
    std::ifstream in(data_path(name + ".txt"), std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "cannot read " << data_path(name + ".txt");
        return {};
    }
    std::string stream, line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '#') continue;
        stream += line + "\r\n";
    }
    return stream;
}

std::vector<std::string> stream_lines(const std::string& stream) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < stream.size()) {
        std::size_t end = stream.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(stream.substr(start) + "  <no CR LF>");
            break;
        }
        lines.push_back(stream.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string first_difference(const std::string& expected, const std::string& actual) {
    if (expected == actual) return "";
    auto e = stream_lines(expected), a = stream_lines(actual);
    for (std::size_t i = 0; i < std::max(e.size(), a.size()); ++i) {
        std::string el = i < e.size() ? "[" + e[i] + "]" : "<end>";
        std::string al = i < a.size() ? "[" + a[i] + "]" : "<end>";
        if (el != al) {
            std::ostringstream msg;
            msg << "line " << i + 1 << ": expected " << el << " got " << al;
            return msg.str();
        }
    }
    return "streams differ in their line ends";
}

}  // namespace quornel::test
