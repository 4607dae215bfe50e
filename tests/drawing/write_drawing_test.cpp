// JWC_TEMP.TXT as it lands in the program folder: the header echo, the commands, and what
// happens to the folder when a drawing is refused or the disk fails.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

#include "cases.h"
#include "drawing/drawing_run.h"
#include "support/fake_file_system.h"
#include "support/temp_dir.h"

namespace quornel::test {
namespace {

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class HandFile : public ::testing::TestWithParam<std::string> {};

// The .jwc beside each hand-derived stream is the file a user's Jw_cad reads back.
TEST_P(HandFile, WrittenFileIsTheEchoFollowedByTheStream) {
    TempDir dir;
    Status s = write_drawing(real_file_system(), dir.path(), HeldBytes(test_header()),
                             hand_case(GetParam()));
    ASSERT_TRUE(s.ok()) << s.message();
    std::string written = dir.read("JWC_TEMP.TXT");
    std::string echo = test_header().substr(3);  // "hq" and the CR after it are gone
    EXPECT_EQ(first_difference(echo + "\r\n" + expected_stream(GetParam()), written), "");
    EXPECT_EQ(written, read_file(data_path(GetParam() + ".jwc")))
        << "data/" << GetParam() << ".jwc is stale: run tests/drawing/data/make_jwc.sh";
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"JWC_TEMP.TXT"});
}

INSTANTIATE_TEST_SUITE_P(Columns, HandFile,
                         ::testing::Values("crossing", "corner", "t_junction", "no_walls",
                                           "wall_centre", "flush_wall"));

std::string written_with_header(const std::string& header) {
    TempDir dir;
    Status s =
        write_drawing(real_file_system(), dir.path(), HeldBytes(header), hand_case("no_walls"));
    EXPECT_TRUE(s.ok()) << s.message();
    std::string all = dir.read("JWC_TEMP.TXT");
    std::string commands = *drawing_commands(hand_case("no_walls"));
    EXPECT_EQ(all.substr(all.size() - commands.size()), commands);
    return all.substr(0, all.size() - commands.size());
}

TEST(HeaderEcho, OnlyTheFirstHqEntryIsRemovedAndTheRestIsRawBytes) {
    // LF-only lines, a lone CR and a Japanese comment stay exactly as they were.
    std::string header = "hq\nhk 0\r\n# \x92\x8C hq\rhs 50 \nlg0";
    EXPECT_EQ(written_with_header(header), "hk 0\r\n# \x92\x8C hq\rhs 50 \nlg0\r\n");
}

TEST(HeaderEcho, HeaderWithoutHqIsEchoedUnchanged) {
    std::string header = "hk 0\r\nhs 100 \r\nlg0\r\n";
    EXPECT_EQ(written_with_header(header), header + "\r\n");
}

TEST(HeaderEcho, DoubleByteCharacterAfterHqGoesWhole) {
    EXPECT_EQ(written_with_header("hq\x92\x8Chk 0\r\n"), "hk 0\r\n\r\n");
}

TEST(HeaderEcho, HqFormedByATrailByteIsNotTheEntry) {
    // ド is 83 68 in CP932: its trail byte is "h", so "ドq" holds the bytes "hq".
    EXPECT_EQ(written_with_header("#\x83\x68q\r\nhq\r\nhk 0\r\n"), "#\x83\x68q\r\n\nhk 0\r\n\r\n");
}

TEST(HeaderEcho, HqAtTheVeryEnd) {
    EXPECT_EQ(written_with_header("hk 0\r\nhq"), "hk 0\r\n\r\n");
}

// A refused and retried drawing, or the headless repeat, gives the same file: the outward
// shift of a chain stays within one drawing.
TEST(Drawing, DrawingTwiceGivesTheSameBytes) {
    DrawingInput in = hand_case("corner");  // its left chain is shifted outwards
    TempDir dir;
    ASSERT_TRUE(write_drawing(real_file_system(), dir.path(), HeldBytes(test_header()), in).ok());
    std::string first = dir.read("JWC_TEMP.TXT");
    ASSERT_TRUE(write_drawing(real_file_system(), dir.path(), HeldBytes(test_header()), in).ok());
    EXPECT_EQ(dir.read("JWC_TEMP.TXT"), first);
}

TEST(Drawing, RefusedInputLeavesTheFolderUntouched) {
    TempDir dir;
    dir.write("JWC_TEMP.TXT", "earlier drawing");
    DrawingInput in = hand_case("crossing");
    in.walls[1][2] = std::numeric_limits<double>::quiet_NaN();
    Status s = write_drawing(real_file_system(), dir.path(), HeldBytes(test_header()), in);
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.message().find("下の壁"), std::string::npos) << s.message();
    EXPECT_EQ(dir.read("JWC_TEMP.TXT"), "earlier drawing");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"JWC_TEMP.TXT"});
}

TEST(Drawing, FailedWriteKeepsTheEarlierFileAndReportsIt) {
    // A disk that fails at each write in turn (the echo's pieces, the line end, the
    // commands), until the writes run out: the earlier file stays whole, no temporary file is
    // left, and the failure names the file.
    int failed = 0;
    for (int fail_at = 1; fail_at < 10; ++fail_at) {
        TempDir dir;
        dir.write("JWC_TEMP.TXT", "earlier drawing");
        test::FakeFileSystem fs(real_file_system());
        fs.fail_write_number(fail_at);
        Status s = write_drawing(fs, dir.path(), HeldBytes(test_header()), hand_case("crossing"));
        if (s.ok()) break;
        ++failed;
        EXPECT_NE(s.message().find("JWC_TEMP.TXT"), std::string::npos) << s.message();
        EXPECT_EQ(dir.read("JWC_TEMP.TXT"), "earlier drawing");
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"JWC_TEMP.TXT"});
    }
    EXPECT_GE(failed, 3);
}

TEST(Drawing, UnwritableFolderIsReported) {
    TempDir dir;
    Status s = write_drawing(real_file_system(), dir.path() / "missing", HeldBytes(test_header()),
                             hand_case("crossing"));
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.message().find("JWC_TEMP.TXT"), std::string::npos) << s.message();
}

}  // namespace
}  // namespace quornel::test
