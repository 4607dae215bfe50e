// quornel-preview as a user runs it: which file it writes, what it says, and that the
// input and an earlier picture survive every failure.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "preview/preview_command.h"
#include "support/fake_file_system.h"
#include "support/temp_dir.h"

namespace quornel {
namespace {

const std::string kStream =
    "\nhs 100 \r\nhch 2 \r\nhcw 2 \r\nhcd 0 \r\n\r\nly3\r\nlc2\r\nlt1\r\n 0  0  1000  500 \r\n"
    "cn1\r\nch  0  0 1 0 \"C1\r\n";

// Command-line arguments are UTF-8, whatever the system's code page.
std::string utf8(const std::filesystem::path& p) {
    auto s = p.u8string();
    return std::string(s.begin(), s.end());
}

struct Outcome {
    int code;
    std::string out, err;
};

Outcome run(const std::vector<std::string>& args, FileSystem& fs = real_file_system()) {
    std::ostringstream out, err;
    int code = run_preview(args, fs, out, err);
    return {code, out.str(), err.str()};
}

TEST(PreviewCommand, WritesTheSvgBesideTheInputOrWhereAsked) {
    test::TempDir dir;
    dir.write("JWC_TEMP.TXT", kStream);
    Outcome r = run({utf8(dir.file("JWC_TEMP.TXT"))});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ASSERT_TRUE(dir.exists("JWC_TEMP.svg"));
    std::string svg = dir.read("JWC_TEMP.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<g id=\"layer-3\">"), std::string::npos);
    EXPECT_NE(r.out.find("JWC_TEMP.svg"), std::string::npos);
    EXPECT_EQ(dir.read("JWC_TEMP.TXT"), kStream);

    Outcome r2 = run({"-o", utf8(dir.file("プレビュー.svg")), utf8(dir.file("JWC_TEMP.TXT"))});
    EXPECT_EQ(r2.code, 0) << r2.err;
    EXPECT_EQ(dir.read("プレビュー.svg"), svg);
    // No temporary file is left beside them.
    EXPECT_EQ(dir.entries(),
              (std::vector<std::string>{"JWC_TEMP.TXT", "JWC_TEMP.svg", "プレビュー.svg"}));
}

TEST(PreviewCommand, RefusesForeignInputAndWritesNothing) {
    test::TempDir dir;
    dir.write("drawing.dxf", "0\r\nSECTION\r\n2\r\nHEADER\r\n");
    dir.write("drawing.svg", "earlier picture");
    Outcome r = run({utf8(dir.file("drawing.dxf"))});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.rfind("quornel-preview: 1 行目を読めません: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("\nquornel-preview: line 1 cannot be read"), std::string::npos) << r.err;
    EXPECT_EQ(dir.read("drawing.svg"), "earlier picture");
}

TEST(PreviewCommand, NeverWritesOverItsInput) {
    test::TempDir dir;
    dir.write("JWC_TEMP.TXT", kStream);
    for (std::string out :
         {utf8(dir.file("JWC_TEMP.TXT")), utf8((dir.path() / "." / "JWC_TEMP.TXT"))}) {
        Outcome r = run({utf8(dir.file("JWC_TEMP.TXT")), "-o", out});
        EXPECT_EQ(r.code, 1);
        EXPECT_NE(r.err.find("出力先が入力ファイルと同じです"), std::string::npos) << r.err;
        EXPECT_EQ(dir.read("JWC_TEMP.TXT"), kStream);
    }
}

TEST(PreviewCommand, NamesAMissingInput) {
    test::TempDir dir;
    Outcome r = run({utf8(dir.file("JWC_TEMP.TXT"))});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("「JWC_TEMP.TXT」が見つかりません"), std::string::npos) << r.err;
    EXPECT_TRUE(dir.entries().empty());
}

TEST(PreviewCommand, AFailedWriteKeepsTheEarlierPicture) {
    test::FakeFileSystem fs;
    fs.put("in/JWC_TEMP.TXT", kStream);
    fs.put("in/JWC_TEMP.svg", "earlier picture");
    fs.fail_write_after("in/JWC_TEMP.svg", 100);
    Outcome r = run({"in/JWC_TEMP.TXT"}, fs);
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("「JWC_TEMP.svg」を書き込めません"), std::string::npos) << r.err;
    EXPECT_EQ(fs.get("in/JWC_TEMP.svg"), "earlier picture");
    EXPECT_EQ(r.out, "");
}

TEST(PreviewCommand, WrongArgumentsShowTheUsage) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{},
                                               {"-o"},
                                               {"a.txt", "b.txt"},
                                               {"--colour", "a.txt"},
                                               {"a.txt", "-o", "x", "-o", "y"}}) {
        Outcome r = run(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find("使い方: quornel-preview JWC_TEMP.TXT [-o 出力.svg]"),
                  std::string::npos);
    }
    Outcome help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("使い方"), std::string::npos);
}

}  // namespace
}  // namespace quornel
