// Reading command streams as quornel writes them, and refusing everything else.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "preview/command_stream_reader.h"

namespace quornel {
namespace {

// An exchange header as quornel echoes it: Jw_cad's TEMP.TXT with "hq" and the CR after
// it deleted, so the echo starts with a lone LF. Scale 50 in layer group 0, 20 in group A.
const std::string kHeader =
    "\nhk 0\r\n"
    "hs 50 100 1 1 1 1 1 1 1 1 20 1 1 1 1 1 \r\n"
    "hcw 2 2.5 3 4 5 6 7 8 9 10 \r\n"
    "hch 2 2.5 3 4 5 6 7 8 9 10 \r\n"
    "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1 \r\n"
    "hcc      1      1      2      2      3      3      4      4      5      5\r\n"
    "lg0\r\nly4\r\nlc3\r\nlt1\r\ncn3\r\n"
    "cn\"$<MS \x83S\x83V\x83\x62\x83N>\r\n#\r\n";

std::string stream(const std::vector<std::string>& body, const std::string& header = kHeader) {
    std::string s = header + "\r\n";
    for (const auto& line : body) s += line + "\r\n";
    return s;
}

PreviewDrawing read_ok(const std::string& bytes) {
    auto r = read_command_stream(bytes);
    EXPECT_TRUE(r.ok()) << r.message();
    return r.ok() ? *r : PreviewDrawing{};
}

template <class T>
std::vector<T> all(const PreviewDrawing& d) {
    std::vector<T> out;
    for (const auto& e : d.elements)
        if (auto* x = std::get_if<T>(&e)) out.push_back(*x);
    return out;
}

std::string sample_column() {
    std::ifstream in(std::string(QUORNEL_SOURCE_DIR) + "/tests/preview/data/column.txt",
                     std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(ReadStream, AWholeColumnWithDimensionsAndSymbol) {
    PreviewDrawing d = read_ok(sample_column());
    auto lines = all<PreviewLine>(d);
    auto points = all<PreviewPoint>(d);
    auto texts = all<PreviewText>(d);
    // 20 lines of column and walls, 8 per dimension chain; 5 points and 3 values per chain.
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(points.size(), 10u);
    ASSERT_EQ(texts.size(), 7u);

    // The structural column's first edge, with the PenSpec ly1 lc3 lt1 in front of it.
    EXPECT_EQ(lines[0].layer, 1);
    EXPECT_EQ(lines[0].colour, 3);
    EXPECT_EQ(lines[0].line_type, 1);
    EXPECT_DOUBLE_EQ(lines[0].x1, -300);
    EXPECT_DOUBLE_EQ(lines[0].y2, -300);
    // The cross in the auxiliary line type.
    EXPECT_EQ(lines[4].line_type, 9);
    EXPECT_EQ(lines[4].colour, 1);
    // Dimension points take the point colour pn0, not the line colour.
    EXPECT_EQ(points[0].colour, 0);
    EXPECT_EQ(points[0].layer, 4);
    EXPECT_DOUBLE_EQ(points[1].x, 0);

    // The symbol: text type 5 is 5 mm high, 5 wide with 0.5 spacing, at scale 50. "C1" is
    // two half-width characters: (5 + 0.5 + 5) / 2 mm = 262.5 units, the width the
    // drawing run assumes when it places the symbol.
    const PreviewText& symbol = texts.back();
    EXPECT_EQ(symbol.text, "C1");
    EXPECT_DOUBLE_EQ(symbol.height, 250);
    EXPECT_DOUBLE_EQ(symbol.length, 262.5);
    EXPECT_EQ(symbol.layer, 5);
    EXPECT_EQ(symbol.colour, 3);  // hcc of text type 5
    EXPECT_DOUBLE_EQ(symbol.x, 12.5);
    EXPECT_DOUBLE_EQ(symbol.y, -275);

    // A value of the right-hand chain runs along (0, 1) in text type 1 (2 mm, colour 1).
    const PreviewText& value = texts[3];
    EXPECT_EQ(value.text, "325");
    EXPECT_DOUBLE_EQ(value.dir_x, 0);
    EXPECT_DOUBLE_EQ(value.dir_y, 1);
    EXPECT_DOUBLE_EQ(value.height, 100);
    EXPECT_DOUBLE_EQ(value.length, 150);
    EXPECT_EQ(value.colour, 1);
}

TEST(ReadStream, NumberItemsConstantZerosAndPoints) {
    PreviewDrawing d = read_ok(stream({
        "0 -375 0 -575 ",    // a reference line's constant zeros
        " 0  0  300 -300 ",  // computed zeros
        "-300  400 -300  1200 ",
        "pt0  900 ",
        "pt-300 -5.25 ",
        "z3",
        "msg",
    }));
    auto lines = all<PreviewLine>(d);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_DOUBLE_EQ(lines[0].y1, -375);
    EXPECT_DOUBLE_EQ(lines[0].x2, 0);
    EXPECT_DOUBLE_EQ(lines[1].x2, 300);
    EXPECT_DOUBLE_EQ(lines[2].y2, 1200);
    auto points = all<PreviewPoint>(d);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_DOUBLE_EQ(points[0].x, 0);
    EXPECT_DOUBLE_EQ(points[0].y, 900);
    EXPECT_DOUBLE_EQ(points[1].x, -300);
    EXPECT_DOUBLE_EQ(points[1].y, -5.25);
}

TEST(ReadStream, AttributesHoldUntilChanged) {
    PreviewDrawing d = read_ok(stream({
        " 1  1  2  2 ",  // still the header's ly4 lc3 lt1
        "lyF",
        "lc6",
        "lt5",
        "pn2",
        " 3  3  4  4 ",
        "pt 5  5 ",
        "lyA",
        " 6  6  7  7 ",
    }));
    auto lines = all<PreviewLine>(d);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].layer, 4);
    EXPECT_EQ(lines[0].colour, 3);
    EXPECT_EQ(lines[1].layer, 15);
    EXPECT_EQ(lines[1].colour, 6);
    EXPECT_EQ(lines[1].line_type, 5);
    EXPECT_EQ(lines[2].layer, 10);
    EXPECT_EQ(lines[2].colour, 6);
    auto points = all<PreviewPoint>(d);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].colour, 2);
    EXPECT_EQ(points[0].layer, 15);
}

TEST(ReadStream, TextSizesFromTheHeaderOfTheCurrentLayerGroup) {
    // "lg" may come after "hs" in Jw_cad's header; group A takes the eleventh scale (20).
    std::string header = kHeader;
    header.replace(header.find("lg0"), 3, "lgA");
    PreviewDrawing d = read_ok(
        stream({"cn2", "ch  0  0 1 0 \"x", "cn0", "cs  0  0 1 0 \"x", "cn10", "ch  0  0 1 0 \"x",
                "cnA", "ch  0  0 1 0 \"x"},  // text type 10 in decimal, and as quornel 1.1 wrote it
               header));
    auto texts = all<PreviewText>(d);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_DOUBLE_EQ(texts[0].height, 2.5 * 20);
    EXPECT_DOUBLE_EQ(texts[1].height, 2 * 20);  // text type 0 reads the first text type
    EXPECT_DOUBLE_EQ(texts[2].height, 10 * 20);
    EXPECT_EQ(texts[2].colour, 5);
    EXPECT_DOUBLE_EQ(texts[3].height, 10 * 20);
}

TEST(ReadStream, TextAfterTheQuoteIsKeptWholeAndDecodedFromCp932) {
    PreviewDrawing d = read_ok(stream({
        "cn5", "ch -350  50 1 0 \"A \"B\" <C>",
        "ch  0  0 1 0 \"\x92\x8C"
        "1",                // 柱1 in CP932
        "cs  0  0 1 0 \"",  // an empty value draws nothing
    }));
    auto texts = all<PreviewText>(d);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "A \"B\" <C>");
    EXPECT_DOUBLE_EQ(texts[0].x, -350);
    EXPECT_EQ(texts[1].text, "柱1");
    // One full-width and one half-width character of text type 5 (5 wide, 0.5 spacing):
    // (5 + 0.5) + 5 / 2 mm at scale 50.
    EXPECT_DOUBLE_EQ(texts[1].length, (5.5 + 2.5) * 50);
}

TEST(ReadStream, LfOnlyLinesAndCommentsAreRead) {
    std::string lf = "hs 100 \nhch 2 \n# a note\n\nly1\n 0  0  10  10 \n";
    PreviewDrawing d = read_ok(lf);
    ASSERT_EQ(all<PreviewLine>(d).size(), 1u);
    EXPECT_EQ(all<PreviewLine>(d)[0].layer, 1);
}

struct Foreign {
    const char* what;
    std::string bytes;
    std::string expected;  // part of the message
};

TEST(RefuseForeignInput, WithTheLineNumberAndAReason) {
    std::size_t header_lines = 15;  // kHeader (14 lines) and the echo's own CR LF
    auto at = [&](int body_line) {
        return std::to_string(header_lines + static_cast<std::size_t>(body_line)) +
               " 行目を読めません";
    };
    const std::vector<Foreign> cases = {
        {"a DXF file", "0\r\nSECTION\r\n2\r\nHEADER\r\n", "1 行目を読めません: 線は 4 つの数値"},
        {"Jw_cad's own file with hq", "hq\r\nhk 0\r\nhs 1 \r\n",
         "1 行目を読めません: 「hq」が残っています"},
        {"a circle", stream({" 0  0  1  1 ", "ci 0 0 100"}),
         at(2) + ": quornel の書く行の種類ではありません: 「ci 0 0 100」"},
        {"vertical text", stream({"cv 0 0 1 0 \"x"}), at(1)},
        {"a layer above F", stream({"ly10"}), at(1) + ": レイヤー番号は 0 から F までです"},
        {"line type 0", stream({"lt0"}), at(1) + ": 線種番号は 1 から 9 までです"},
        {"line type A", stream({"ltA"}), at(1) + ": 線種番号"},
        {"text type B", stream({"cnB"}), at(1) + ": 文字種番号"},
        {"three numbers", stream({" 1  2  3 "}), at(1) + ": 線は 4 つの数値"},
        {"a number with a unit", stream({" 1  2  3  4mm "}), at(1)},
        {"a point with one number", stream({"pt 5 "}), at(1) + ": 点は"},
        {"a solid of three corners", stream({"sl  0  0  1  0  1  1 "}), at(1) + ": ソリッドは"},
        {"a text without its quote", stream({"ch  0  0 1 0 C1"}), at(1) + ": 文字は"},
        {"a text without direction", stream({"ch  0  0 0 0 \"C1"}),
         at(1) + ": 文字の向きがありません"},
        {"a binary file", std::string("hs 1 \r\n\x01\x02\0\x03", 11),
         "2 行目を読めません: テキストファイルではありません"},
        {"a text before any scale", "hch 2 \r\nch  0  0 1 0 \"C1\r\n",
         "2 行目を読めません: ヘッダーにレイヤーグループ 0 の縮尺"},
        {"a text type without height", "hs 1 \r\nhch 2 \r\ncn3\r\nch  0  0 1 0 \"C1\r\n",
         "4 行目を読めません: ヘッダーに文字種 3 の高さ"},
        {"a bad header number", "hs 1 x 3 \r\n", "1 行目を読めません: ヘッダーの数値"},
        {"lines without a header", " 0  0  1  1 \r\n", "縮尺（hs）の行がありません"},
        {"an empty file", "", "縮尺（hs）の行がありません"},
    };
    for (const auto& c : cases) {
        auto r = read_command_stream(c.bytes);
        ASSERT_FALSE(r.ok()) << c.what;
        EXPECT_NE(r.message().find(c.expected), std::string::npos) << c.what << ": " << r.message();
        // Japanese first, then the same in English on the next line.
        EXPECT_NE(r.message().find('\n'), std::string::npos) << c.what;
    }
}

TEST(RefuseForeignInput, ALongLineIsShortenedInTheMessage) {
    auto r = read_command_stream(stream({"xyz" + std::string(500, 'a')}));
    ASSERT_FALSE(r.ok());
    EXPECT_LT(r.message().size(), 400u);
    EXPECT_NE(r.message().find("…」"), std::string::npos);
}

}  // namespace
}  // namespace quornel
