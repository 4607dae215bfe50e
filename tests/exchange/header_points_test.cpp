// The crossings Jw_cad hands over as point lines, and the header handed back without them.
#include <gtest/gtest.h>

#include "exchange/header_echo.h"
#include "exchange/header_points.h"
#include "exchange/host_header.h"

namespace quornel {
namespace {

// A header as Jw_cad writes it after a series of points: tags padded with blanks, "-" after
// the points of a "#1-" directive, plain decimals and an exponent in the scale.
const std::string kKeys =
    "hq\r\n"
    "hk 0 \r\n"
    "hs 1e+06 1e+06 100 100 100 100 100 100 100 100 100 100 100 100 100 100 \r\n"
    "hcw 2 2.5 3 4 5 6 7 8 9 10 \r\n"
    "hch 2 2.5 3 4 5 6 7 8 9 10 \r\n"
    "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1 \r\n"
    "hn -9000 -6500 9000 6500\r\n";
const std::string kPoints =
    "hp1-  -39902.7596123089 -21231.6354329471\r\n"
    "hp2   -16512.3573276753 -18964.6813169972\r\n"
    "hp3-  10000000 10000000\r\n";
const std::string kSelection = "lg0\r\nly2\r\n 0 0 100 100\r\n";

std::vector<std::pair<double, double>> places(const std::string& buffer) {
    Result<std::vector<Crossing>> r = read_crossings(buffer);
    EXPECT_TRUE(r.ok()) << r.message();
    std::vector<std::pair<double, double>> out;
    if (r)
        for (const Crossing& c : *r) out.push_back({c.x, c.y});
    return out;
}

std::string echoed(const std::string& buffer) {
    std::string out;
    for (std::string_view piece : header_echo(buffer)) out += piece;
    return out;
}

TEST(Crossings, AsJwCadWritesThemInTheOrderGiven) {
    using P = std::vector<std::pair<double, double>>;
    EXPECT_EQ(places(kKeys + kPoints + kSelection), (P{{-39902.7596123089, -21231.6354329471},
                                                       {-16512.3573276753, -18964.6813169972},
                                                       {10000000, 10000000}}));
    // Blanks and tabs of any number; CR LF, LF or CR; an exponent; a sign.
    EXPECT_EQ(places("hp1\t1e3  -2.5\nhp12 +7 0\rhp99- 0 -0.001 \r\nlg0\r\n"),
              (P{{1000, -2.5}, {7, 0}, {0, -0.001}}));
    EXPECT_EQ(places(kKeys + kSelection), P{});
}

TEST(Crossings, AGivenPlaceIsDrawnOnce) {
    // The first crossing is the origin; a point given again is the same place.
    EXPECT_EQ(places("hp1 0 0\r\nhp2 5 5\r\nhp3 5 5\r\nhp4 -0 0\r\nhp5 5 6\r\nlg0\r\n"),
              (std::vector<std::pair<double, double>>{{5, 5}, {5, 6}}));
}

TEST(Crossings, OnlyTheHeadersPointLinesCount) {
    // After the first "lg" line comes the selected drawing, whatever its lines look like.
    EXPECT_TRUE(places(kKeys + kSelection + "hp1 5 5\r\n").empty());
    // "lg" inside the file name of a "file=" line does not end the header.
    EXPECT_EQ(places("file=C:\\jww\\lg\\a.jww\r\nhp1 5 5\r\nlg0\r\n").size(), 1u);
}

TEST(Crossings, OtherFormsAreRefusedNamingTheLine) {
    const struct {
        const char* line;
        const char* says;
    } refused[] = {
        {"hp1ln 100 100", "線・円・文字に合わせて指示した点"},
        {"hp2ci 100 100", "線・円・文字に合わせて指示した点"},
        {"hp3ch 100 100", "線・円・文字に合わせて指示した点"},
        {"hhp1ln", "線・円・文字に合わせて指示した点"},
        {"hp0 100 100", "番号が 1 から 99 まで"},
        {"hp100 100 100", "番号が 1 から 99 まで"},
        {"hp01 100 100", "番号が 1 から 99 まで"},
        {"hp 100 100", "読める指示点の行（hp1 x y）ではありません"},
        {"hpx 100 100", "読める指示点の行（hp1 x y）ではありません"},
        {"hp1= 100 100", "読める指示点の行（hp1 x y）ではありません"},
        {"hp1 100", "x と y の二つではありません"},
        {"hp1 100 100 100", "x と y の二つではありません"},
        {"hp1", "x と y の二つではありません"},
        {"hp1 1,000 100", "数として読めません"},
        {"hp1 100 1e999", "数として読めません"},
        {"hp1 nan 100", "数として読めません"},
    };
    for (const auto& r : refused) {
        const std::string buffer = kKeys + kPoints + r.line + "\r\n" + kSelection;
        Result<std::vector<Crossing>> got = read_crossings(buffer);
        ASSERT_FALSE(got.ok()) << r.line;
        EXPECT_EQ(got.message().rfind("TEMP.TXT の 11 行目「" + std::string(r.line) + "」は、", 0),
                  0u)
            << got.message();
        EXPECT_NE(got.message().find(r.says), std::string::npos) << got.message();
    }
    // A long damaged line is quoted by its start.
    Result<std::vector<Crossing>> got = read_crossings("hp1 " + std::string(5000, '7') + "x 0\n");
    ASSERT_FALSE(got.ok());
    EXPECT_LT(got.message().size(), 300u);
}

TEST(Crossings, NoPointLineIsTakenForAKey) {
    // The header's values are the same with the point lines before, between and after its
    // keys: no point line holds "lg", "hs", "hcw", "hch", "hcd" or "hq".
    const HostHeader plain = *read_host_header(kKeys + kSelection, 2, 10);
    EXPECT_EQ(plain.Syukusyaku, 1e6);
    for (const std::string& buffer : {kPoints + kKeys + kSelection, kKeys + kPoints + kSelection,
                                      "hq\r\n" + kPoints + kKeys.substr(4) + kSelection}) {
        Result<HostHeader> h = read_host_header(buffer, 2, 10);
        ASSERT_TRUE(h.ok()) << h.message();
        EXPECT_EQ(h->Syukusyaku, plain.Syukusyaku);
        EXPECT_EQ(h->SunpouMojiW, plain.SunpouMojiW);
        EXPECT_EQ(h->KigouMojiW, plain.KigouMojiW);
        EXPECT_EQ(h->KigouMojiD, plain.KigouMojiD);
        EXPECT_EQ(places(buffer).size(), 3u);
    }
}

TEST(Echo, LeavesOutTheHqEntryAndThePointLines) {
    EXPECT_EQ(echoed(kKeys + kPoints + kSelection), "\n" + kKeys.substr(4) + kSelection);
    // Whatever ends the point lines goes with them.
    EXPECT_EQ(echoed("hq\nhp1 1 1\nhp2 2 2\rhn 0\r\nhp3 3 3\r\nlg0"), "hn 0\r\nlg0");
    // Without point lines, only the entry goes.
    EXPECT_EQ(echoed(kKeys + kSelection), "\n" + kKeys.substr(4) + kSelection);
    EXPECT_EQ(echoed("no entry"), "no entry");
}

}  // namespace
}  // namespace quornel
