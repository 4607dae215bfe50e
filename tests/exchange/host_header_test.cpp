// Reading the exchange header that Jw_cad leaves in TEMP.TXT.
#include <gtest/gtest.h>

#include "exchange/host_header.h"

namespace quornel {
namespace {

// Sixteen scales, ten text types, CR LF lines with a blank after every field.
std::string header(const std::string& lg, const std::string& extra_before = "") {
    return extra_before +
           "hq\r\n"
           "hk 0 \r\n"
           "hs 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 \r\n"
           "hcw 1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 9.1 10.1 \r\n"
           "hch 1.2 2.2 3.2 4.2 5.2 6.2 7.2 8.2 9.2 10.2 \r\n"
           "hcd 1.3 2.3 3.3 4.3 5.3 6.3 7.3 8.3 9.3 10.3 \r\n"
           "hcc      1      1      2      2      3      3      4      4      5      5\r\n" +
           lg + "\r\n";
}

HostHeader read_ok(const std::string& buffer, int MOJINO = 1, int symbol = 1) {
    Result<HostHeader> h = read_host_header(buffer, MOJINO, symbol);
    EXPECT_TRUE(h.ok()) << h.message();
    return h.ok() ? *h : HostHeader{};
}

TEST(LayerGroup, PicksTheScaleField) {
    EXPECT_EQ(read_ok(header("lg0")).Syukusyaku, 1);
    EXPECT_EQ(read_ok(header("lg1")).Syukusyaku, 2);
    EXPECT_EQ(read_ok(header("lgA")).Syukusyaku, 11);
    EXPECT_EQ(read_ok(header("lga")).Syukusyaku, 11);
    EXPECT_EQ(read_ok(header("lgF")).Syukusyaku, 16);
}

TEST(LayerGroup, NoHexDigitMeansGroupZero) {
    EXPECT_EQ(read_ok(header("lgG")).Syukusyaku, 1);
    EXPECT_EQ(read_ok(header("lg")).Syukusyaku, 1);
    std::string at_end = header("");
    EXPECT_EQ(read_ok(at_end + "lg").Syukusyaku, 1);
}

TEST(TextTypes, DimensionAndSymbolSizes) {
    HostHeader h = read_ok(header("lg0"), 3, 10);
    EXPECT_EQ(h.SunpouMojiW, 3.1);
    EXPECT_EQ(h.SunpouMojiH, 3.2);
    EXPECT_EQ(h.SunpouMojiD, 3.3);
    EXPECT_EQ(h.KigouMojiW, 10.1);  // 「文字種　10」: the tenth field, the last on its line
    EXPECT_EQ(h.KigouMojiH, 10.2);
    EXPECT_EQ(h.KigouMojiD, 10.3);
}

TEST(TextTypes, TypeZeroReadsTheFirstField) {
    HostHeader zero = read_ok(header("lg0"), 0, 0);
    EXPECT_EQ(zero.SunpouMojiW, 1.1);
    EXPECT_EQ(zero.KigouMojiD, 1.3);
}

TEST(KeySearch, TheFirstOccurrenceCountsEvenInsideAWord) {
    // A comment line before the header: "paths" holds "hs", and that is what is read.
    HostHeader h = read_ok(header("lg0", "#paths 77 \r\n"));
    EXPECT_EQ(h.Syukusyaku, 77);
}

TEST(KeySearch, ATrailByteIsNeverTheStartOfAKey) {
    // ド is 83 68 in CP932: "ドs 77" holds the bytes "hs 77" but no key.
    HostHeader h = read_ok(header("lg1", "#\x83\x68s 77 77 \r\n"));
    EXPECT_EQ(h.Syukusyaku, 2);
}

TEST(KeySearch, HalfWidthKatakanaIsOneByte) {
    // ｱ (B1) is a whole character: the "hs" right after it is a key.
    HostHeader h = read_ok(header("lg1", "#\xB1hs 77 77 \r\n"));
    EXPECT_EQ(h.Syukusyaku, 77);
}

TEST(Fields, LastFieldWithoutTrailingBlankStopsAtTheLineEnd) {
    std::string h =
        "hs 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\r\n"
        "hcw 1 2\r\nhch 3 4\nhcd 5 6\rlgF";
    HostHeader v = read_ok(h, 2, 2);
    EXPECT_EQ(v.Syukusyaku, 16);
    EXPECT_EQ(v.SunpouMojiW, 2);
    EXPECT_EQ(v.SunpouMojiH, 4);  // LF alone ends a line too
    EXPECT_EQ(v.SunpouMojiD, 6);  // and CR alone
}

TEST(Fields, AFieldNeverRunsIntoTheNextLine) {
    // Only two text types on the "hcw" line: the third is missing, not "hch".
    std::string h = "hs 1 \r\nhcw 1 2\r\nhch 3 4 5\r\nhcd 5 6 7\r\nlg0\r\n";
    Result<HostHeader> r = read_host_header(h, 3, 1);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.message(), "TEMP.TXT の「hcw」に 3 番目の値がありません。");
}

TEST(Failures, MissingKeyNamesTheFileAndTheKey) {
    std::string h = header("lg0");
    h.erase(h.find("hch"), 1);  // "ch ..." is no longer the key
    Result<HostHeader> r = read_host_header(h, 1, 1);
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.message().find("TEMP.TXT"), std::string::npos);
    EXPECT_NE(r.message().find("「hch」"), std::string::npos) << r.message();

    Result<HostHeader> no_lg = read_host_header("hs 1 \r\n", 1, 1);
    ASSERT_FALSE(no_lg.ok());
    EXPECT_NE(no_lg.message().find("「lg」"), std::string::npos);
    EXPECT_FALSE(read_host_header("", 1, 1).ok());
}

TEST(Failures, FieldThatIsNotANumber) {
    std::string h = header("lg2");
    h.replace(h.find(" 3 4 5"), 2, " x");
    Result<HostHeader> r = read_host_header(h, 1, 1);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.message(), "TEMP.TXT の「hs」の 3 番目の値が数として読めません。");
}

TEST(Failures, TwoBlanksMakeAnEmptyField) {
    std::string h = "hs 1  2 \r\nhcw 1 \r\nhch 1 \r\nhcd 1 \r\nlg1\r\n";
    Result<HostHeader> r = read_host_header(h, 1, 1);
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.message().find("「hs」の 2 番目"), std::string::npos) << r.message();
}

TEST(Failures, MissingTextType) {
    EXPECT_FALSE(read_host_header(header("lg0"), 11, 1).ok());
    EXPECT_FALSE(read_host_header(header("lg0"), -1, 1).ok());
}

// Only what cannot be drawn is refused, when the header is read. Dimension text type 1,
// symbol text type 2.
TEST(Failures, SizesThatCannotBeDrawn) {
    const struct {
        const char* hs;
        const char* sizes;  // hcw, hch, hcd
        const char* refused;
    } cases[] = {
        {"100", "hcw 2 3 \r\nhch 0 3 \r\nhcd -2 -1.5 ", ""},  // narrowed; height not used
        {"0", "hcw 2 3 \r\nhch 2 3 \r\nhcd 0 0 ", "縮尺（「hs」）が 0 "},
        {"100", "hcw 2 -3 \r\nhch 2 3 \r\nhcd 0 0 ", "柱記号の文字の幅（「hcw」）が -3 "},
        {"100", "hcw 2 3 \r\nhch 2 0 \r\nhcd 0 0 ", "柱記号の文字の高さ（「hch」）が 0 "},
        {"100", "hcw 2 3 \r\nhch 2 3 \r\nhcd -2.5 0 ", "寸法文字の間隔（「hcd」）が -2.5 "},
        {"100", "hcw 2 3 \r\nhch 2 3 \r\nhcd 0 1e5 ", "柱記号の文字の間隔（「hcd」）が 100000 "},
    };
    for (const auto& c : cases) {
        const std::string h = std::string("hs ") + c.hs + " \r\n" + c.sizes + "\r\nlg0\r\n";
        Result<HostHeader> r = read_host_header(h, 1, 2);
        if (*c.refused == 0)
            EXPECT_TRUE(r.ok()) << r.message();
        else
            EXPECT_NE(r.message().find(std::string("TEMP.TXT の") + c.refused), std::string::npos)
                << h << r.message();
    }
}

TEST(Buffer, IsOnlyRead) {
    const std::string h = header("lg3");
    std::string copy = h;
    read_ok(copy);
    EXPECT_EQ(copy, h);
}

}  // namespace
}  // namespace quornel
