// What the SVG shows: layers as groups, the pen samples' colours and dash patterns, the
// view fitted around the drawing with y upwards, and texts that survive XML.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preview/command_stream_reader.h"
#include "preview/svg_writer.h"

namespace quornel {
namespace {

std::string svg_of(const std::vector<std::string>& body) {
    std::string s = "hs 100 \r\nhcw 2 \r\nhch 2 \r\nhcd 0 \r\nhcc 1 \r\n";
    for (const auto& line : body) s += line + "\r\n";
    auto drawing = read_command_stream(s);
    EXPECT_TRUE(drawing.ok()) << drawing.message();
    return drawing.ok() ? render_svg(*drawing) : "";
}

// The text of the element that contains `needle`, from its '<' to its '>'.
std::string element_with(const std::string& svg, const std::string& needle) {
    std::size_t at = svg.find(needle);
    if (at == std::string::npos) return "";
    std::size_t start = svg.rfind('<', at);
    return svg.substr(start, svg.find('>', at) - start + 1);
}

std::string attribute(const std::string& element, const std::string& name) {
    std::string key = " " + name + "=\"";
    std::size_t at = element.find(key);
    if (at == std::string::npos) return "";
    at += key.size();
    return element.substr(at, element.find('"', at) - at);
}

TEST(SvgLayers, EachLayerIsAGroupNamedByItsNumberInLayerOrder) {
    std::string svg = svg_of({"ly3", " 0  0  10  10 ", "lyA", " 1  1  11  11 ", "ly0",
                              " 2  2  12  12 ", "ly3", " 3  3  13  13 "});
    std::size_t g0 = svg.find("<g id=\"layer-0\">");
    std::size_t g3 = svg.find("<g id=\"layer-3\">");
    std::size_t gA = svg.find("<g id=\"layer-A\">");
    ASSERT_NE(g0, std::string::npos);
    ASSERT_NE(g3, std::string::npos);
    ASSERT_NE(gA, std::string::npos);
    EXPECT_LT(g0, g3);
    EXPECT_LT(g3, gA);
    EXPECT_EQ(svg.find("layer-1\""), std::string::npos);  // nothing on layer 1: no group
    // Layer 3 holds both of its lines, in stream order, and nothing else.
    std::string group3 = svg.substr(g3, svg.find("</g>", g3) - g3);
    EXPECT_NE(group3.find("x1=\"0\""), std::string::npos);
    EXPECT_LT(group3.find("x1=\"0\""), group3.find("x1=\"3\""));
    EXPECT_EQ(group3.find("x1=\"1\""), std::string::npos);
    EXPECT_EQ(group3.find("x1=\"2\""), std::string::npos);
    EXPECT_NE(svg.substr(gA).find("x1=\"1\""), std::string::npos);
}

// A fill: the solid on layer 7 lies under the line of layer 2, in its line colour; a hatch
// line is a line like any other.
TEST(SvgLayers, SolidsAreFilledInTheirColourUnderEveryLine) {
    std::string svg = svg_of({"ly2", " 0  0  10  10 ", "ly7", "lc4",
                              "sl  0  0  10  0  10  10  0  10 ", "z1", " 0  5  5  10 "});
    const std::string solid = element_with(svg, "<polygon");
    EXPECT_EQ(attribute(solid, "points"), "0,0 10,0 10,-10 0,-10");
    EXPECT_EQ(attribute(solid, "fill"), "#ffff00");
    EXPECT_LT(svg.find("<g id=\"solids-layer-7\">"), svg.find("<g id=\"layer-2\">"));
    EXPECT_EQ(attribute(element_with(svg, "x1=\"0\" y1=\"-5\""), "stroke"), "#ffff00");
}

TEST(SvgPens, LineColoursAreThoseOfTheColourSamples) {
    const char* expected[] = {"#00ffff", "#000000", "#00ff00", "#ffff00", "#ff00ff", "#0000ff"};
    for (int c = 1; c <= 6; ++c) {
        std::string svg = svg_of({"lc" + std::to_string(c), " 0  0  10  10 "});
        EXPECT_EQ(attribute(element_with(svg, "<line"), "stroke"), expected[c - 1]) << "lc" << c;
    }
    // Jw_cad colours without a sample (7, 8, the point colour 0) are a neutral grey.
    std::string svg = svg_of({"lc8", " 0  0  10  10 ", "pn0", "pt 5  5 ", "pn5", "pt 6  6 "});
    EXPECT_EQ(attribute(element_with(svg, "<line"), "stroke"), "#808080");
    EXPECT_EQ(attribute(element_with(svg, "cx=\"5\""), "fill"), "#808080");
    EXPECT_EQ(attribute(element_with(svg, "cx=\"6\""), "fill"), "#ff00ff");
}

TEST(SvgPens, LineTypesAreDashPatternsInScreenPixels) {
    // A 1000-unit square view is 1100 units with its margin over 1000 pixels: 1.1 per pixel.
    const char* expected[] = {"",
                              "4.4 4.4",
                              "4.4 4.4",
                              "8.8 4.4",
                              "8.8 4.4 4.4 4.4",
                              "19.8 4.4 4.4 4.4",
                              "8.8 2.2 2.2 2.2 2.2 2.2",
                              "14.3 2.2 2.2 2.2 2.2 2.2",
                              "2.2 2.2"};
    for (int t = 1; t <= 9; ++t) {
        std::string svg = svg_of({"lt" + std::to_string(t), " 0  0  1000  1000 "});
        EXPECT_EQ(attribute(element_with(svg, "<line"), "stroke-dasharray"), expected[t - 1])
            << "lt" << t;
    }
}

TEST(SvgView, FittedWithAMarginAndYUp) {
    std::string svg = svg_of({" 0  0  1000  500 "});
    std::string root = element_with(svg, "<svg");
    // Extent 1000 x 500, margin 5 % of 1000 on every side; the top of the view is the
    // drawing's highest y, negated.
    EXPECT_EQ(attribute(root, "viewBox"), "-50 -550 1100 600");
    EXPECT_EQ(attribute(root, "width"), "1000");
    EXPECT_EQ(attribute(root, "height"), "545");
    std::string line = element_with(svg, "<line");
    EXPECT_EQ(attribute(line, "y2"), "-500");
    // The white sheet covers the whole view.
    std::string sheet = element_with(svg, "<rect");
    EXPECT_EQ(attribute(sheet, "fill"), "#ffffff");
    EXPECT_EQ(attribute(sheet, "width"), "1100");
    EXPECT_EQ(attribute(sheet, "y"), "-550");
}

TEST(SvgView, TextsAndPointsCountAndAnEmptyDrawingStillHasASheet) {
    // A text of 2 mm at scale 100 reaches 200 up and, as "AB", 200 along.
    std::string svg = svg_of({" 0  0  100  0 ", "ch  0  0 1 0 \"AB"});
    EXPECT_EQ(attribute(element_with(svg, "<svg"), "viewBox"), "-10 -210 220 220");
    svg = svg_of({"pt 5  5 "});  // a point alone: shown over 1000 units around it
    EXPECT_EQ(attribute(element_with(svg, "<svg"), "viewBox"), "-545 -555 1100 1100");
    svg = svg_of({});
    EXPECT_EQ(attribute(element_with(svg, "<svg"), "viewBox"), "-550 -550 1100 1100");
    EXPECT_NE(svg.find("<rect"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

TEST(SvgTexts, StartPointDirectionHeightAndLength) {
    std::string svg = svg_of({"cs  550  135 0 1 \"325", "ch -20  30 1 0 \"C1"});
    std::string vertical = element_with(svg, "x=\"550\"");
    EXPECT_EQ(attribute(vertical, "y"), "-135");
    EXPECT_EQ(attribute(vertical, "transform"), "rotate(-90 550 -135)");
    EXPECT_EQ(attribute(vertical, "font-size"), "200");
    EXPECT_EQ(attribute(vertical, "textLength"), "300");
    EXPECT_EQ(attribute(vertical, "fill"), "#00ffff");  // colour 1 of the text type
    std::string horizontal = element_with(svg, "x=\"-20\"");
    EXPECT_EQ(attribute(horizontal, "y"), "-30");
    EXPECT_EQ(attribute(horizontal, "transform"), "");
}

TEST(SvgTexts, JapaneseAndMarkupCharactersAreEscaped) {
    // 柱<1>&"' in CP932, as the symbol box may hold it.
    std::string svg = svg_of({"ch  0  0 1 0 \"\x92\x8C<1>&\"'"});
    EXPECT_NE(svg.find(">柱&lt;1&gt;&amp;&quot;&apos;</text>"), std::string::npos) << svg;
    EXPECT_EQ(xml_escape("a\x01"
                         "b\tc"),
              "a\xEF\xBF\xBD"
              "b\tc");
    // An undecodable byte becomes U+FFFD rather than breaking the UTF-8 of the file.
    svg = svg_of({"ch  0  0 1 0 \"\x81"});
    EXPECT_NE(svg.find(">\xEF\xBF\xBD</text>"), std::string::npos);
}

}  // namespace
}  // namespace quornel
