// The files of the release folder as a user receives them: batch files that cmd.exe and
// Jw_cad read correctly, a Japanese readme for Notepad, and a folder assembled whole or
// not at all. (How cmd.exe runs the batch files is proven under Wine in
// tests/e2e/batch_files_windows.sh.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/text_codec.h"
#include "support/temp_dir.h"

namespace quornel {
namespace {

const std::string kSource = QUORNEL_SOURCE_DIR;

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The lines of a file that must use CR LF throughout; fails on a bare LF or CR.
std::vector<std::string> crlf_lines(const std::string& bytes, const std::string& name) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find("\r\n", pos);
        EXPECT_NE(end, std::string::npos) << name << ": last line without CR LF";
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << name << ": bare CR or LF";
        lines.push_back(line);
        pos = end + 2;
    }
    return lines;
}

// The version as the file VERSION defines it, for the programs and the release folder.
std::string defined_version() {
    std::string text = read_file(kSource + "/VERSION");
    return text.substr(0, text.find('\n'));
}

bool is_ascii(const std::string& s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

void expect_cp932(const std::string& bytes, const std::string& name) {
    std::string utf8 = ansi_to_utf8(bytes);
    EXPECT_EQ(utf8.find("\xEF\xBF\xBD"), std::string::npos) << name << " is not CP932 text";
    EXPECT_EQ(utf8_to_ansi(utf8), bytes) << name;
}

struct Batch {
    const char* file;
    const char* command;
    bool series;  // the crossings one after another, up to 99, ended by 「点指示終了」
    bool symbol = false;  // asks for a symbol, which reaches the batch file as %1
};

TEST(ReleaseBatchFiles, JwCadDirectivesThenTheExchangeThenQuornel) {
    for (Batch b : {Batch{"quornel.bat", "quornel.exe", false},
                    Batch{"quornel_repeat.bat", "quornel.exe --repeat", false},
                    Batch{"quornel_multi.bat", "quornel.exe", true},
                    Batch{"quornel_multi_repeat.bat", "quornel.exe --repeat", true},
                    Batch{"quornel_symbol_repeat.bat", "quornel.exe --repeat %1", true, true}}) {
        std::string bytes = read_file(kSource + "/release/" + b.file);
        ASSERT_FALSE(bytes.empty()) << b.file;
        expect_cp932(bytes, b.file);
        std::vector<std::string> lines = crlf_lines(bytes, b.file);
        ASSERT_GE(lines.size(), 8u);

        // Line 1 is the memo that Jw_cad's file selection shows: a Japanese title.
        EXPECT_EQ(lines[0].rfind("REM quornel ", 0), 0u) << b.file;
        EXPECT_EQ(lines[0].find('#'), std::string::npos) << b.file;

        // The directives, each '#' within the first 10 bytes where Jw_cad looks for it,
        // all before "#e", which ends them; no command line before "#e".
        std::vector<std::string> directives;
        std::size_t end = 0;
        for (std::size_t i = 1; i < lines.size() && !end; ++i) {
            const std::string& l = lines[i];
            if (l == "@echo off") continue;
            ASSERT_EQ(l.rfind("REM ", 0), 0u) << b.file << ": a command before REM #e: " << l;
            std::size_t hash = l.find('#');
            if (hash == std::string::npos) continue;
            EXPECT_LT(hash, 10u) << l;
            std::string d = l.substr(hash, l.find(' ', hash) - hash);
            directives.push_back(d);
            if (d == "#e") end = i;
            // The text typed at the prompt reaches quornel.exe as /S and the text.
            if (d == "#f") {
                EXPECT_TRUE(l.ends_with(" : /_/S")) << l;
            }
        }
        std::vector<std::string> expected{"#jww", "#cd", "#h0", "#0", "#e"};
        if (b.series) expected.insert(expected.end() - 1, {"#1", "#99#"});
        if (b.symbol) expected.insert(expected.end() - 1, "#f");
        EXPECT_EQ(directives, expected) << b.file;

        // After "#e": the old TEMP.TXT goes, Jw_cad's file becomes TEMP.TXT, quornel runs
        // last. Commands are plain ASCII so that no code page can change them.
        std::vector<std::string> commands;
        for (std::size_t i = end + 1; i < lines.size(); ++i) {
            if (lines[i].rfind("REM ", 0) == 0) continue;
            EXPECT_TRUE(is_ascii(lines[i])) << b.file << ": " << lines[i];
            commands.push_back(lines[i]);
        }
        EXPECT_EQ(commands,
                  (std::vector<std::string>{
                      "if exist TEMP.TXT del TEMP.TXT",
                      "if exist JWC_TEMP.TXT move /y JWC_TEMP.TXT TEMP.TXT > nul", b.command}))
            << b.file;
    }
}

TEST(ReleaseReadme, JapaneseInCp932NamingEveryShippedFile) {
    std::string bytes = read_file(kSource + "/release/readme.txt");
    expect_cp932(bytes, "readme.txt");
    crlf_lines(bytes, "readme.txt");
    std::string text = ansi_to_utf8(bytes);
    for (const char* name :
         {"quornel.exe", "uninstall.exe", "quornel.bat", "quornel_repeat.bat", "quornel_multi.bat",
          "quornel_multi_repeat.bat", "点指示終了", "quornel.dat", "quornel_d.dat", "LICENSE",
          "THIRD-PARTY-NOTICES.txt", "ＯＫ", "インストール", "アンインストール", "JWC_TEMP.TXT",
          "TEMP.TXT", "certutil -hashfile", "動作環境"})
        EXPECT_NE(text.find(name), std::string::npos) << name;
    for (const char* name : {"quornel_symbol_repeat.bat", "quornel_types.dat", "記号で呼出"})
        EXPECT_NE(text.find(name), std::string::npos) << name;
}

TEST(ReleaseVersion, TheReadmesNameTheDefinedVersion) {
    const std::string version = defined_version();
    ASSERT_FALSE(version.empty());
    EXPECT_NE(read_file(kSource + "/README.md").find("Version " + version + "."), std::string::npos)
        << version;
    // The release readme's history has an entry for the version it ships with.
    std::string readme = ansi_to_utf8(read_file(kSource + "/release/readme.txt"));
    const std::size_t history = readme.find("■ 更新履歴");
    ASSERT_NE(history, std::string::npos);
    EXPECT_NE(readme.find("\r\n  " + version + "\r\n", history), std::string::npos) << version;
}

// The names of a folder's entries, sorted.
std::vector<std::string> folder_entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class DistScript : public ::testing::Test {
  protected:
    void SetUp() override {
        build_ = dir_.path() / "build";
        std::filesystem::create_directories(build_);
        for (const char* f : {"quornel.exe", "uninstall.exe", "quornel.dat", "quornel_d.dat"})
            dir_.write(std::string("build/") + f, std::string("bytes of ") + f);
        dist_ = dir_.path() / "dist";
        zip_ = "quornel-" + defined_version() + ".zip";
    }
    int run() {
        std::string cmd = "SOURCE_DATE_EPOCH=1780000001 bash '" + kSource + "/scripts/dist.sh' '" +
                          build_.string() + "' '" + dist_.string() + "' >/dev/null 2>&1";
        return std::system(cmd.c_str());
    }
    // The zip's entry names in their order (unzip's own listing).
    std::vector<std::string> zip_entries() {
        std::string list = (dir_.path() / "zip-entries").string();
        std::string cmd = "unzip -Z1 '" + (dist_ / zip_).string() + "' >'" + list + "'";
        EXPECT_EQ(std::system(cmd.c_str()), 0);
        std::vector<std::string> names;
        std::istringstream in(read_file(list));
        for (std::string line; std::getline(in, line);) names.push_back(line);
        return names;
    }
    test::TempDir dir_;
    std::filesystem::path build_, dist_;
    std::string zip_;
};

TEST_F(DistScript, AssemblesTheReleaseFolderItsZipAndTheirSums) {
    std::filesystem::create_directories(dist_);
    dir_.write("dist/quornel-0.9.0.zip", "an earlier release");
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(folder_entries(dist_ / "quornel"),
              (std::vector<std::string>{
                  "LICENSE", "THIRD-PARTY-NOTICES.txt", "install.en.html", "install.ja.html",
                  "quornel.bat", "quornel.dat", "quornel.exe", "quornel_d.dat", "quornel_multi.bat",
                  "quornel_multi_repeat.bat", "quornel_repeat.bat", "quornel_symbol_repeat.bat",
                  "readme.txt", "sakuzu_names.png", "uninstall.exe"}));
    EXPECT_EQ(dir_.read("dist/quornel/uninstall.exe"), "bytes of uninstall.exe");
    // The batch files ship byte for byte, CR LF and CP932 included; the readme too, with
    // the version filled in.
    EXPECT_EQ(dir_.read("dist/quornel/quornel.bat"), read_file(kSource + "/release/quornel.bat"));
    std::string readme = read_file(kSource + "/release/readme.txt");
    ASSERT_NE(readme.find("@VERSION@"), std::string::npos);
    for (std::size_t at; (at = readme.find("@VERSION@")) != std::string::npos;)
        readme.replace(at, 9, defined_version());
    EXPECT_EQ(dir_.read("dist/quornel/readme.txt"), readme);
    // The guides as pages, the Japanese first, each showing the picture beside it.
    EXPECT_EQ(dir_.read("dist/quornel/sakuzu_names.png"),
              read_file(kSource + "/docs/sakuzu_names.png"));
    for (const char* page : {"dist/quornel/install.ja.html", "dist/quornel/install.en.html"})
        EXPECT_NE(dir_.read(page).find("src=\"sakuzu_names.png\""), std::string::npos) << page;

    // The zip is the folder, quornel/ inside, once each; the earlier version's zip is gone.
    std::vector<std::string> in_zip = zip_entries();
    ASSERT_FALSE(in_zip.empty());
    EXPECT_EQ(in_zip.front(), "quornel/");
    std::vector<std::string> files(in_zip.begin() + 1, in_zip.end());
    for (std::string& f : files) f = f.substr(std::string("quornel/").size());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, folder_entries(dist_ / "quornel"));
    EXPECT_EQ(folder_entries(dist_), (std::vector<std::string>{"SHA256SUMS", "quornel", zip_}));

    // SHA256SUMS names the zip and both programs as seen from dist/.
    std::vector<std::string> summed;
    std::istringstream sums(dir_.read("dist/SHA256SUMS"));
    for (std::string hash, name; sums >> hash >> name;) {
        EXPECT_EQ(hash.size(), 64u) << name;
        summed.push_back(name);
    }
    EXPECT_EQ(summed,
              (std::vector<std::string>{zip_, "quornel/quornel.exe", "quornel/uninstall.exe"}));
}

TEST_F(DistScript, AMissingProgramLeavesTheEarlierReleaseAlone) {
    ASSERT_EQ(run(), 0);
    const std::string zip = dir_.read("dist/" + zip_), sums = dir_.read("dist/SHA256SUMS");
    std::filesystem::remove(build_ / "uninstall.exe");
    dir_.write("build/quornel.exe", "a newer quornel.exe");
    EXPECT_NE(run(), 0);
    EXPECT_EQ(dir_.read("dist/quornel/quornel.exe"), "bytes of quornel.exe");
    EXPECT_EQ(dir_.read("dist/quornel/uninstall.exe"), "bytes of uninstall.exe");
    EXPECT_EQ(dir_.read("dist/" + zip_), zip);
    EXPECT_EQ(dir_.read("dist/SHA256SUMS"), sums);
    // Nothing half-built beside them.
    EXPECT_EQ(folder_entries(dist_), (std::vector<std::string>{"SHA256SUMS", "quornel", zip_}));
}

}  // namespace
}  // namespace quornel
