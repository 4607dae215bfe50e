// quornel.dat / quornel_d.dat, the pick lists: the file a completed run writes, the files
// shipped with the program, and files that are short, damaged or edited by hand.
#include <gtest/gtest.h>

#include "exchange/number_text.h"
#include "settings/list_data.h"
#include "support/fake_file_system.h"
#include "support/shipped_lists.h"
#include "support/temp_dir.h"

namespace quornel {
namespace {

ListDataEntries entries_with(std::vector<std::string> five) {
    ListDataEntries e;
    for (int i = 0; i < kListDataLines; ++i) e[i] = five;
    e[2] = {"C1", "C2", "柱", "C4", "C5", "C6", "C7", "C8", "C9", "C10"};
    return e;
}

const std::string kKeys[kListDataLines] = {
    "HasiraMasi_List", "KabeMasi_List",  "HasiraKigou_List", "HasiraX0_List",   "HasiraX1_List",
    "HasiraX2_List",   "HasiraY0_List",  "HasiraY1_List",    "HasiraY2_List",   "KabeDown0_List",
    "KabeDown1_List",  "KabeDown2_List", "KabeRight0_List",  "KabeRight1_List", "KabeRight2_List",
    "KabeUp0_List",    "KabeUp1_List",   "KabeUp2_List",     "KabeLeft0_List",  "KabeLeft1_List",
    "KabeLeft2_List"};

TEST(ListData, CompletedRunWritesTheFileByteForByte) {
    test::TempDir dir;
    ListDataEntries e = entries_with({"600", "500", "", "450"});  // a list still filling up
    e[5] = {"1", "2", "3", "4", "5", "6"};                        // only five are kept
    ASSERT_TRUE(write_list_data(real_file_system(), dir.file("quornel.dat"), e));
    std::string expected;
    for (int i = 0; i < kListDataLines; ++i) {
        if (i == 2)
            expected += kKeys[i] + ",C1,C2,\x92\x8C,C4,C5,C6,C7,C8,C9,C10,\r\n";
        else if (i == 5)
            expected += kKeys[i] + ",1,2,3,4,5,\r\n";
        else
            expected += kKeys[i] + ",600,500,,450,,\r\n";
    }
    EXPECT_EQ(dir.read("quornel.dat"), expected);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"quornel.dat"});
}

TEST(ListData, ListsComeBackAsSaved) {
    test::TempDir dir;
    ListDataEntries e = entries_with({"600", "1,200", "", "柱", "0"});
    ASSERT_TRUE(write_list_data(real_file_system(), dir.file("quornel.dat"), e));
    ListDataRead r = read_list_data(real_file_system(), dir.file("quornel.dat"));
    EXPECT_EQ(r.problem, "");
    e[0][1] = "1200";  // a comma would split the entry and shift the rest of the list
    for (int i = 0; i < kListDataLines; ++i) {
        ASSERT_TRUE(r.lines[i]) << "line " << i + 1;
        EXPECT_EQ(*r.lines[i], i == 2 ? e[2] : e[0]) << "line " << i + 1;
    }
}

TEST(ListData, HandEditedLinesAreReadByPosition) {
    test::TempDir dir;
    std::string text;
    for (int i = 0; i < kListDataLines; ++i) {
        int n = i == 2 ? 10 : 5;
        std::string line = "whatever";
        for (int k = 0; k < n; ++k) line += "," + std::to_string(k + 1);
        if (i == 0) line += ",extra,fields,";        // ignored
        if (i == 3) line = "HasiraX0_List,1,2,3,4";  // one entry short (no trailing comma)
        if (i == 4) line = "";
        text += line + (i % 2 ? "\n" : "\r");
    }
    dir.write("quornel.dat", text);
    ListDataRead r = read_list_data(real_file_system(), dir.file("quornel.dat"));
    ASSERT_TRUE(r.lines[0]);
    EXPECT_EQ(*r.lines[0], (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    ASSERT_TRUE(r.lines[1]);
    EXPECT_EQ(r.lines[1]->back(), "5");
    EXPECT_EQ(r.lines[2]->size(), 10u);
    EXPECT_FALSE(r.lines[3]);
    EXPECT_FALSE(r.lines[4]);
    EXPECT_TRUE(r.lines[20]);
    EXPECT_NE(r.problem.find("quornel.dat"), std::string::npos) << r.problem;
    EXPECT_NE(r.problem.find("4行目"), std::string::npos) << r.problem;
    EXPECT_NE(r.problem.find("5行目"), std::string::npos) << r.problem;
}

TEST(ListData, ShortOrMissingFileKeepsTheOtherLists) {
    test::TempDir dir;
    dir.write("quornel_d.dat", "HasiraMasi_List,10,15,20,25,30,\r\nKabeMasi_List,10,15,");
    ListDataRead r = read_list_data(real_file_system(), dir.file("quornel_d.dat"));
    EXPECT_TRUE(r.lines[0]);
    EXPECT_FALSE(r.lines[1]);
    EXPECT_FALSE(r.lines[2]);
    EXPECT_NE(r.problem.find("quornel_d.dat"), std::string::npos) << r.problem;
    EXPECT_NE(r.problem.find("2行"), std::string::npos) << r.problem;

    r = read_list_data(real_file_system(), dir.file("quornel.dat"));
    for (const auto& line : r.lines) EXPECT_FALSE(line);
    EXPECT_NE(r.problem.find("quornel.dat"), std::string::npos) << r.problem;
}

TEST(ListData, FailedSaveKeepsTheOldLists) {
    test::FakeFileSystem fs;
    fs.put("/prog/quornel.dat", "old lists");
    fs.fail_write_after("/prog/quornel.dat", 40);
    EXPECT_FALSE(write_list_data(fs, "/prog/quornel.dat", entries_with({"1"})));
    EXPECT_EQ(fs.get("/prog/quornel.dat"), "old lists");
    fs.clear_failures();
    fs.fail_commit("/prog/quornel.dat");
    EXPECT_FALSE(write_list_data(fs, "/prog/quornel.dat", entries_with({"1"})));
    EXPECT_EQ(fs.get("/prog/quornel.dat"), "old lists");
    fs.clear_failures();
    Status s = write_list_data(fs, "/prog/quornel.dat", entries_with({"\xF0\x9F\x98\x80"}));
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find("quornel.dat"), std::string::npos);
    EXPECT_EQ(fs.get("/prog/quornel.dat"), "old lists");
}

// The lists a new user starts with have one source; the build puts it beside the program as
// both files.
TEST(ListData, ShippedListsAreCompleteAndBesideTheProgramAsBothFiles) {
    const std::string source = test::shipped_lists();
    test::FakeFileSystem fs;
    fs.put("/program/quornel_d.dat", source);
    ListDataRead r = read_list_data(fs, "/program/quornel_d.dat");
    EXPECT_EQ(r.problem, "");
    for (int i = 0; i < kListDataLines; ++i) {
        ASSERT_TRUE(r.lines[i]) << "line " << i + 1;
        for (const auto& entry : *r.lines[i]) {
            if (i == 2)
                EXPECT_EQ(entry.rfind("C", 0), 0u) << entry;
            else
                EXPECT_TRUE(parse_number(entry)) << "line " << i + 1 << ": " << entry;
        }
    }
    EXPECT_EQ(r.lines[2]->front(), "C1");
    // The file must be in its exact format: rewriting what was read changes no byte.
    ListDataEntries e;
    for (int i = 0; i < kListDataLines; ++i) e[i] = *r.lines[i];
    ASSERT_TRUE(write_list_data(fs, "/x.dat", e));
    EXPECT_EQ(fs.get("/x.dat"), source);
    for (const char* name : {kListDataFile, kDefaultListDataFile}) {
        auto copied = real_file_system().read_all(std::filesystem::path(QUORNEL_BINARY_DIR) / name);
        ASSERT_TRUE(copied) << copied.message();
        EXPECT_EQ(*copied, source) << name;
    }
}

}  // namespace
}  // namespace quornel
