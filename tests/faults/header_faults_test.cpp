// TEMP.TXT as Jw_cad, another program or a broken disk may leave it. Without a usable
// header quornel cannot draw: it says so, naming TEMP.TXT, ends, and writes nothing. A
// very large header (a selection of many elements) is handed back byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string_view>

#include "fault_fixture.h"

namespace quornel::faults {
namespace {

struct Damaged {
    const char* what;
    std::string bytes;
    const char* named;  // what the message must name besides TEMP.TXT
};

std::string binary_bytes() {
    std::string s;
    std::uint32_t x = 2463534242u;
    for (int i = 0; i < 4096; ++i) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        s.push_back(static_cast<char>(x & 0xff));
    }
    for (int i = 0; i < 256; ++i) s.push_back(static_cast<char>(i));
    return s;
}

TEST(HeaderFaults, AnUnusableHeaderEndsQuornelWithAMessageAndWritesNothing) {
    std::string key_without_value = jw_header();
    key_without_value.replace(key_without_value.find("hs "),
                              key_without_value.find("\r\nhcw") - key_without_value.find("hs "),
                              "hs");
    std::string blank_value = jw_header();
    blank_value.replace(blank_value.find("hcw "),
                        blank_value.find("\r\nhch") - blank_value.find("hcw "), "hcw  ");
    std::string folding = jw_header();  // texts of type 1 would come out no width
    folding.replace(folding.find("hcd 0.5"), 7, "hcd -2.5");
    const Damaged cases[] = {
        {"empty", "", ""},
        {"binary", binary_bytes(), ""},
        {"key without value", key_without_value, "hs"},
        {"key with an empty value", blank_value, "hcw"},
        {"only line ends", "\r\n\r\n\n\r", ""},
        {"a spacing past the width", folding, "寸法文字の間隔（「hcd」）が -2.5"},
        {"UTF-16",
         std::string("\xFF\xFE"
                     "h\0s\0 \0"
                     "1\0 \0",
                     12),
         ""},
    };
    for (const Damaged& c : cases) {
        SCOPED_TRACE(c.what);
        FaultyWindow w;
        w.put("TEMP.TXT", c.bytes);
        w.put("JWC_TEMP.TXT", "an older drawing\r\n");
        const Snapshot before = snapshot(w.dir.path());

        FrmMain& form = w.start();

        EXPECT_TRUE(form.closed);
        const auto messages = w.take_messages();
        ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(messages);
        EXPECT_TRUE(mentions(messages, "TEMP.TXT")) << messages[0];
        EXPECT_TRUE(mentions(messages, c.named)) << messages[0];
        EXPECT_EQ(changed_files(before, snapshot(w.dir.path())), std::vector<std::string>{});
    }
}

TEST(HeaderFaults, AMissingHeaderIsNamed) {
    FaultyWindow w;
    std::filesystem::remove(w.program_file("TEMP.TXT"));
    const Snapshot before = snapshot(w.dir.path());
    EXPECT_TRUE(w.start().closed);
    const auto messages = w.take_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(mentions(messages, "TEMP.TXT")) << messages[0];
    EXPECT_EQ(changed_files(before, snapshot(w.dir.path())), std::vector<std::string>{});
}

// TEMP.TXT for a selection of many elements: the header, then the elements Jw_cad
// appends (lines, points, a Japanese text in Shift-JIS), repeated up to `size` bytes.
// Produced piece by piece, so 200 MiB are written and checked without a copy in memory.
class LargeHeader {
  public:
    explicit LargeHeader(std::uint64_t size) : size_(size) {
        const std::string block =
            "ly2\r\nlc1\r\n 1200  3400  5600  7800 \r\n pt 100  200 \r\n"
            "ch 0 0 1 0 \"\x92\x8c\x8b\x4c\x8d\x86 C1\r\n";
        while (chunk_.size() < (1u << 20)) chunk_ += block;
    }

    template <class Fn>
    void for_each_piece(Fn fn) const {
        const std::string header = jw_header();
        fn(std::string_view(header));
        std::uint64_t done = header.size();
        while (done + chunk_.size() <= size_) {
            fn(std::string_view(chunk_));
            done += chunk_.size();
        }
        std::string tail(size_ - done, ' ');
        tail.replace(tail.size() - 2, 2, "\r\n");
        fn(std::string_view(tail));
    }

    void write(const std::filesystem::path& path) const {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for_each_piece([&](std::string_view p) {
            out.write(p.data(), static_cast<std::streamsize>(p.size()));
        });
        EXPECT_TRUE(out.good());
    }

    // True when the file starts with these bytes less the first `skip` of them.
    bool starts(const std::filesystem::path& path, std::uint64_t skip) const {
        std::ifstream in(path, std::ios::binary);
        std::string buf;
        bool same = true;
        for_each_piece([&](std::string_view p) {
            if (!same) return;
            const std::uint64_t drop = std::min<std::uint64_t>(skip, p.size());
            skip -= drop;
            p.remove_prefix(drop);
            buf.resize(p.size());
            in.read(buf.data(), static_cast<std::streamsize>(p.size()));
            same = in.good() && std::string_view(buf) == p;
        });
        return same;
    }

  private:
    std::uint64_t size_;
    std::string chunk_;
};

TEST(HeaderFaults, A200MiBHeaderIsHandedBackWhole) {
    FaultyWindow w;
    const auto temp = w.program_file("TEMP.TXT");
    const std::uint64_t size = 200ull << 20;
    const LargeHeader large(size);
    large.write(temp);
    ASSERT_EQ(std::filesystem::file_size(temp), size);

    FrmMain& form = w.start();
    ASSERT_FALSE(form.closed) << ::testing::PrintToString(w.take_messages());
    w.enter_typical_column();
    w.click("cmdSakuzu");
    ASSERT_TRUE(form.closed) << ::testing::PrintToString(w.take_messages());

    // TEMP.TXT is untouched; JWC_TEMP.TXT opens with it, less "hq" and the character after
    // it, and the drawing follows.
    const auto out = w.program_file("JWC_TEMP.TXT");
    EXPECT_EQ(std::filesystem::file_size(temp), size);
    EXPECT_TRUE(large.starts(temp, 0));
    EXPECT_GT(std::filesystem::file_size(out), size - 3);
    EXPECT_TRUE(large.starts(out, 3));
    std::filesystem::remove(temp);
    std::filesystem::remove(out);
}

}  // namespace
}  // namespace quornel::faults
