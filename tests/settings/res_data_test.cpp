// quornel_res.dat, the previous values: what a completed run leaves on disk and what
// 「前回値」 brings back, including from files that are short, damaged or foreign.
#include <gtest/gtest.h>

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

TEST(ResData, CompletedRunWritesTheFileByteForByte) {
    test::TempDir dir;
    ASSERT_TRUE(write_res_data(real_file_system(), dir.path(), sample_values()));
    const std::string expected =
        "optSin_d,1\r\nhasira_sd,4\r\nM_h,20\r\nM_k,0\r\nSunpoIti_d,0\r\nHasiraIti_d,0\r\n"
        "HasiraKigou_d,\x82\x62\x82\x50\r\nHsnXG,600\r\nHsnXU_0,0\r\nHsnXU_1,0\r\nHsnXM_0,0\r\n"
        "HsnXM_1,0\r\nHsnYG,0\r\nHsnYU_0,0\r\nHsnYU_1,0\r\nHsnYM_0,0\r\nHsnYM_1,0\r\n"
        "KabeSunDOWN_d_0,75\r\nKabeSunDOWN_d_1,0\r\nKabeSunDOWN_d_2,0\r\nKabeSunDOWN_d_3,0\r\n"
        "KabeSunDOWN_d_4,0\r\nKabeSunUp_d_0,0\r\nKabeSunUp_d_1,0\r\nKabeSunUp_d_2,0\r\n"
        "KabeSunUp_d_3,0\r\nKabeSunUp_d_4,0\r\nKabeSunRight_d_0,0\r\nKabeSunRight_d_1,0\r\n"
        "KabeSunRight_d_2,0\r\nKabeSunRight_d_3,0\r\nKabeSunRight_d_4,0\r\nKabeSunLeft_d_0,0\r\n"
        "KabeSunLeft_d_1,0\r\nKabeSunLeft_d_2,0\r\nKabeSunLeft_d_3,0\r\nKabeSunLeft_d_4,25\r\n";
    EXPECT_EQ(dir.read("quornel_res.dat"), expected);
    EXPECT_EQ(dir.entries(),
              std::vector<std::string>{"quornel_res.dat"});  // no temporary file left
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
        cr += std::string(res_data_keys()[i]) + "," + std::to_string(i) + "\r";
        lf += std::string(res_data_keys()[i]) + "," + std::to_string(i) + "\n";
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
        text +=
            i == 4 ? std::string("SunpoIti_d 3\r\n") : std::string(res_data_keys()[i]) + ",7\r\n";
    dir.write("quornel_res.dat", text);
    r = read_res_data(real_file_system(), dir.path());
    EXPECT_FALSE(r.values[4]);
    EXPECT_EQ(r.values[5], "7");
    EXPECT_NE(r.problem.find("5行目"), std::string::npos) << r.problem;
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
