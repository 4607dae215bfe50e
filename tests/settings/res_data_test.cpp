// quornel_res.dat, the previous values: what a completed run leaves on disk and what
// 「前回値」 brings back, including from files that are short, damaged or foreign.
#include <gtest/gtest.h>

#include <algorithm>

#include "settings/res_data.h"
#include "support/fake_file_system.h"
#include "support/temp_dir.h"

namespace quornel {
namespace {

ResDataValues sample_values() {
    ResDataValues v;
    for (auto& s : v) s = "0";
    v[0] = "1";
    v[1] = "4";
    v[2] = "20";
    v[6] = "Ｃ１";
    v[7] = "600";
    v[17] = "75";
    v[36] = "25";
    return v;
}

TEST(ResData, ValuesComeBackWholeIncludingCommas) {
    test::TempDir dir;
    ResDataValues v = sample_values();
    v[2] = "12,5";
    v[8] = " 1,200,";
    v[9] = "";
    v[10] = "line\r\nbreak";  // pasted: must not push later values onto the wrong lines
    ASSERT_TRUE(write_res_data(real_file_system(), dir.path(), v));
    ResDataRead r = read_res_data(real_file_system(), dir.path());
    EXPECT_EQ(r.problem, "");
    v[10] = "line  break";
    for (int i = 0; i < kResDataLines; ++i) EXPECT_EQ(r.values[i], v[i]) << "line " << i + 1;
}

TEST(ResData, AnyLineEndIsAccepted) {
    test::TempDir dir;
    std::string cr, lf;
    for (int i = 0; i < kResDataLines; ++i) {
        cr += std::string(kResDataLayout[i].key) + "," + std::to_string(i) + "\r";
        lf += std::string(kResDataLayout[i].key) + "," + std::to_string(i) + "\n";
    }
    for (const std::string& text : {cr, lf, lf.substr(0, lf.size() - 1)}) {
        dir.write("quornel_res.dat", text);
        ResDataRead r = read_res_data(real_file_system(), dir.path());
        EXPECT_EQ(r.problem, "");
        EXPECT_EQ(r.values[0], "0");
        EXPECT_EQ(r.values[36], "36");
    }
}

TEST(ResData, ShortOrDamagedFileRestoresWhatItCanAndSaysSo) {
    test::TempDir dir;
    dir.write("quornel_res.dat", "optSin_d,1\r\nhasira_sd,2\r\nM_h,30\r\n");
    ResDataRead r = read_res_data(real_file_system(), dir.path());
    EXPECT_EQ(r.values[2], "30");
    EXPECT_FALSE(r.values[3]);
    EXPECT_FALSE(r.values[36]);
    EXPECT_NE(r.problem.find("quornel_res.dat"), std::string::npos) << r.problem;
    EXPECT_NE(r.problem.find("3行"), std::string::npos) << r.problem;

    std::string text;
    for (int i = 0; i < kResDataLines; ++i)
        text += i == 4 ? std::string("SunpoIti_d 3\r\n")
                       : std::string(kResDataLayout[i].key) + ",7\r\n";
    dir.write("quornel_res.dat", text);
    r = read_res_data(real_file_system(), dir.path());
    EXPECT_FALSE(r.values[4]);
    EXPECT_EQ(r.values[5], "7");
    EXPECT_NE(r.problem.find("5行目"), std::string::npos) << r.problem;
}

// The lines of 「交点ごと」 are written only where the set holds them, and a file without
// them, or with a blank line where they would start, is whole.
TEST(ResData, TheLinesOfTheWholeFloorAreWrittenAndReadOnlyWhereTheSetHasThem) {
    test::TempDir dir;
    ResDataValues v = sample_values();
    for (int i = kResDataLinesAlways; i < kResDataLines; ++i) v[i].reset();
    ASSERT_TRUE(write_res_data(real_file_system(), dir.path(), v));
    std::string text = dir.read("quornel_res.dat");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 37);
    EXPECT_EQ(text.substr(text.size() - 20), "KabeSunLeft_d_4,25\r\n");
    for (const std::string& file : {text, text + "\r\n", text + "KabeTunagu_d,0\r\n"}) {
        dir.write("quornel_res.dat", file);
        const ResDataRead r = read_res_data(real_file_system(), dir.path());
        EXPECT_EQ(r.problem, "");
        EXPECT_EQ(r.values[36], "25");
        EXPECT_EQ(r.values[37], file == text + "KabeTunagu_d,0\r\n"
                                    ? std::optional<std::string>("0")
                                    : std::nullopt);
        EXPECT_FALSE(r.values[39]);
    }
    dir.write("quornel_res.dat", text + "KabeTunagu_d 0\r\n");
    EXPECT_NE(read_res_data(real_file_system(), dir.path()).problem.find("38行目"),
              std::string::npos);

    v[res_data_line("hasira_sd")] = "9";
    v[37] = "1", v[38] = "0", v[39] = "1";
    ASSERT_TRUE(write_res_data(real_file_system(), dir.path(), v));
    text = dir.read("quornel_res.dat");
    EXPECT_EQ(text.substr(text.find("KabeSunLeft_d_4")),
              "KabeSunLeft_d_4,25\r\nKabeTunagu_d,1\r\nSunpoHitotu_d,0\r\nGaisyuKabe_d,1\r\n");
    EXPECT_EQ(read_res_data(real_file_system(), dir.path()).values, v);
}

TEST(ResData, FailedSaveKeepsThePreviousFile) {
    test::FakeFileSystem fs;
    const std::filesystem::path dir = "/prog";
    fs.put(dir / "quornel_res.dat", "old");
    fs.fail_write_after(dir / "quornel_res.dat", 100);  // disk full half-way
    Status s = write_res_data(fs, dir, sample_values());
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find("quornel_res.dat"), std::string::npos);
    EXPECT_EQ(fs.get(dir / "quornel_res.dat"), "old");

    fs.clear_failures();
    ResDataValues v = sample_values();
    v[6] = "C\xF0\x9F\x98\x80";  // no Shift-JIS form
    s = write_res_data(fs, dir, v);
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find("quornel_res.dat"), std::string::npos);
    EXPECT_EQ(fs.get(dir / "quornel_res.dat"), "old");
}

}  // namespace
}  // namespace quornel
