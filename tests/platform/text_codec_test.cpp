// The ANSI code page at the program's edges (CP932 on a Japanese system): what Jw_cad's
// and quornel's files hold must come back as the same characters, and text that does not
// fit must be refused rather than written as "?".
#include <gtest/gtest.h>

#include "platform/text_codec.h"

namespace quornel {
namespace {

TEST(TextCodec, JapaneseTextRoundTrips) {
    struct Case {
        const char* utf8;
        std::string cp932;
    };
    const Case cases[] = {
        {"柱記号", "\x92\x8C\x8B\x4C\x8D\x86"},
        {"Ｃ１０", "\x82\x62\x82\x50\x82\x4F"},
        {"ｶﾍﾞ", "\xB6\xCD\xDE"},                // half-width katakana: single bytes
        {"①～－", "\x87\x40\x81\x60\x81\x7C"},  // NEC special, wave, minus as Windows maps them
        {"表示", "\x95\x5C\x8E\xA6"},           // 0x5C as a trail byte is not a backslash
        {"", ""},
    };
    for (const auto& c : cases) {
        auto ansi = utf8_to_ansi(c.utf8);
        ASSERT_TRUE(ansi) << c.utf8;
        EXPECT_EQ(*ansi, c.cp932) << c.utf8;
        EXPECT_EQ(ansi_to_utf8(c.cp932), c.utf8);
    }
    EXPECT_EQ(ansi_to_utf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextCodec, TextWithoutAnAnsiFormIsRefused) {
    EXPECT_FALSE(utf8_to_ansi("C\xF0\x9F\x98\x80"));   // emoji
    EXPECT_FALSE(utf8_to_ansi("caf\xC3\xA9"));         // é
    EXPECT_FALSE(utf8_to_ansi("C1\xF3\xA0\x80\x82"));  // a tag character, invisible
    EXPECT_FALSE(utf8_to_ansi("\xE6\x9F"));            // cut-off UTF-8
    EXPECT_FALSE(utf8_to_ansi("a\xFF"));
}

TEST(TextCodec, DamagedBytesBecomeReplacementCharacters) {
    const std::string fffd = "\xEF\xBF\xBD";
    // A lone lead byte at the end, and a lead byte whose second byte cannot follow it: the
    // good text around them survives.
    EXPECT_EQ(ansi_to_utf8("C1\x92"), "C1" + fffd);
    EXPECT_EQ(ansi_to_utf8("\x81 600\x92\x8C"), fffd + " 600柱");
}

TEST(TextCodec, LengthCountsCharacters) {
    EXPECT_EQ(utf8_length("柱C1"), 3u);
    EXPECT_EQ(utf8_length("ｶﾍﾞ"), 3u);
    EXPECT_EQ(utf8_length(""), 0u);
}

}  // namespace
}  // namespace quornel
