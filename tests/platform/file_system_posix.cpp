#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/file_system.h"
#include "support/temp_dir.h"

namespace quornel {
namespace {

TEST(FileSystemPosix, ReplacedFileKeepsOrdinaryPermissions) {
    test::TempDir dir;
    mode_t old = ::umask(022);
    ASSERT_TRUE(real_file_system().replace(dir.file("quornel.dat"), "x"));
    ::umask(old);
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("quornel.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

// A TEMP.TXT cut short by another program after quornel mapped it: the echo fails as a
// write does (no signal ends the run), and no JWC_TEMP.TXT or temporary file is left.
TEST(FileSystemPosix, FileCutShortAfterItWasViewedFailsTheWrite) {
    test::TempDir dir;
    FileSystem& fs = real_file_system();
    dir.write("TEMP.TXT", std::string(std::size_t{3} << 20, 'x'));
    auto viewed = fs.view_file(dir.file("TEMP.TXT"));
    ASSERT_TRUE(viewed) << viewed.message();
    dir.write("TEMP.TXT", "hq\r\n");
    {
        auto out = fs.create_replacing(dir.file("JWC_TEMP.TXT"), Durability::Unflushed);
        ASSERT_TRUE(out);
        const Status s = (*out)->write_from(**viewed, (*viewed)->view().substr(3));
        EXPECT_FALSE(s);
        EXPECT_NE(s.message().find("JWC_TEMP.TXT"), std::string::npos) << s.message();
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"TEMP.TXT"});
}

}  // namespace
}  // namespace quornel
