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

}  // namespace
}  // namespace quornel
