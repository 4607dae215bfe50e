// Files are replaced whole or not at all, and failures name the file in Japanese.
#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "support/temp_dir.h"

namespace quornel {
namespace {

TEST(FileSystem, ReplaceWritesExactBytesAndLeavesNothingElse) {
    test::TempDir dir;
    FileSystem& fs = real_file_system();
    const auto file = dir.file("quornel.dat");
    const std::string first("a\r\nb\0\xFF", 6);
    ASSERT_TRUE(fs.replace(file, first));
    EXPECT_EQ(dir.read("quornel.dat"), first);
    ASSERT_TRUE(fs.replace(file, "shorter"));
    EXPECT_EQ(*fs.read_all(file), "shorter");
    EXPECT_TRUE(fs.exists(file));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"quornel.dat"});
}

TEST(FileSystem, UncommittedOutputLeavesTheOldFile) {
    test::TempDir dir;
    FileSystem& fs = real_file_system();
    const auto file = dir.file("JWC_TEMP.TXT");
    dir.write("JWC_TEMP.TXT", "old");
    {
        auto out = fs.create_replacing(file, Durability::Unflushed);
        ASSERT_TRUE(out);
        ASSERT_TRUE((*out)->write("half of the new"));
    }  // abandoned, as when a run fails midway
    EXPECT_EQ(dir.read("JWC_TEMP.TXT"), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"JWC_TEMP.TXT"});

    auto out = fs.create_replacing(file, Durability::Unflushed);
    ASSERT_TRUE(out);
    ASSERT_TRUE((*out)->write("new"));
    ASSERT_TRUE((*out)->commit());
    EXPECT_FALSE((*out)->commit());
    EXPECT_FALSE((*out)->write("more"));
    EXPECT_EQ(dir.read("JWC_TEMP.TXT"), "new");
}

// TEMP.TXT is viewed rather than read, and most of it is written back from the view: in
// pieces, from any offset, and the view stays whole afterwards.
TEST(FileSystem, ViewedFileIsWrittenBackFromAnyPartOfIt) {
    test::TempDir dir;
    FileSystem& fs = real_file_system();
    std::string bytes = "hq\r\nhk 0\r\n";
    while (bytes.size() < (std::size_t{5} << 19)) bytes += "ch 1 2 1 0 \"\x92\x8C\x95\x5C\r\n";
    dir.write("TEMP.TXT", bytes);
    auto viewed = fs.view_file(dir.file("TEMP.TXT"));
    ASSERT_TRUE(viewed) << viewed.message();
    const std::string_view view = (*viewed)->view();
    ASSERT_TRUE(view == bytes);

    auto out = fs.create_replacing(dir.file("JWC_TEMP.TXT"), Durability::Unflushed);
    ASSERT_TRUE(out);
    ASSERT_TRUE((*out)->write_from(**viewed, view.substr(0, 0)));
    ASSERT_TRUE((*out)->write_from(**viewed, view.substr(3)));
    ASSERT_TRUE((*out)->write("\r\n"));
    ASSERT_TRUE((*out)->commit());
    EXPECT_TRUE(dir.read("JWC_TEMP.TXT") == bytes.substr(3) + "\r\n");
    EXPECT_TRUE((*viewed)->view() == bytes);

    dir.write("empty.txt", "");
    auto empty = fs.view_file(dir.file("empty.txt"));
    ASSERT_TRUE(empty) << empty.message();
    EXPECT_TRUE((*empty)->view().empty());
}

TEST(FileSystem, FailuresNameTheFile) {
    test::TempDir dir;
    FileSystem& fs = real_file_system();
    auto missing = fs.read_all(dir.file("TEMP.TXT"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.message(), "ファイル「TEMP.TXT」が見つかりません。");
    EXPECT_EQ(fs.view_file(dir.file("TEMP.TXT")).message(), missing.message());

    auto folder = fs.read_all(dir.path());
    EXPECT_FALSE(folder);
    EXPECT_FALSE(folder.message().empty());
    EXPECT_FALSE(fs.view_file(dir.path()));

    Status s = fs.replace(dir.file("no such folder") / "quornel_res.dat", "x");
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find("「quornel_res.dat」を書き込めません"), std::string::npos)
        << s.message();
}

TEST(FileSystem, JapaneseFolderAndFileNamesWork) {
    test::TempDir dir;
    FileSystem& fs = real_file_system();
    std::u8string name = u8"柱データ.dat";
    const auto file = dir.path() / std::filesystem::path(name);
    ASSERT_TRUE(fs.replace(file, "x"));
    EXPECT_EQ(*fs.read_all(file), "x");
    auto gone = fs.read_all(dir.path() / std::filesystem::path(std::u8string(u8"無い.dat")));
    EXPECT_EQ(gone.message(), "ファイル「無い.dat」が見つかりません。");
}

}  // namespace
}  // namespace quornel
