// A program folder the user may not write to, and a disk that fills up while quornel
// saves: the user is told which file could not be written, the window stays open, no file
// that existed before has changed, no temporary file is left behind, and once the fault is
// gone the same 「作図」 gives the drawing a clean run gives.
#include <gtest/gtest.h>

#include "fault_fixture.h"

namespace quornel::faults {
namespace {

const char* const kPreviousValues =
    "optSin_d,0\r\nhasira_sd,4\r\nM_h,0\r\nM_k,0\r\nSunpoIti_d,4\r\nHasiraIti_d,4\r\n"
    "HasiraKigou_d,C1\r\nHsnXG,500\r\nHsnXU_0,250\r\nHsnXU_1,250\r\nHsnXM_0,0\r\nHsnXM_1,0\r\n"
    "HsnYG,500\r\nHsnYU_0,250\r\nHsnYU_1,250\r\nHsnYM_0,0\r\nHsnYM_1,0\r\n"
    "KabeSunDOWN_d_0,60\r\nKabeSunDOWN_d_1,60\r\nKabeSunDOWN_d_2,120\r\nKabeSunDOWN_d_3,0\r\n"
    "KabeSunDOWN_d_4,0\r\nKabeSunUp_d_0,60\r\nKabeSunUp_d_1,60\r\nKabeSunUp_d_2,120\r\n"
    "KabeSunUp_d_3,0\r\nKabeSunUp_d_4,0\r\nKabeSunRight_d_0,60\r\nKabeSunRight_d_1,60\r\n"
    "KabeSunRight_d_2,120\r\nKabeSunRight_d_3,0\r\nKabeSunRight_d_4,0\r\nKabeSunLeft_d_0,60\r\n"
    "KabeSunLeft_d_1,60\r\nKabeSunLeft_d_2,120\r\nKabeSunLeft_d_3,0\r\nKabeSunLeft_d_4,0\r\n";

// A type drawn before, under the symbol C7.
std::string types_before() {
    std::string block = kPreviousValues;
    block.replace(block.find("HasiraKigou_d,C1"), 16, "HasiraKigou_d,C7");
    return block;
}

// The four files a completed drawing writes, as a run without faults writes them.
struct CleanRun {
    std::string drawing, lists, previous, types;
};

CleanRun clean_run() {
    FaultyWindow w;
    w.put("quornel_res.dat", kPreviousValues);
    w.put("quornel_types.dat", types_before());
    w.start();
    w.enter_typical_column();
    w.click("cmdSakuzu");
    EXPECT_TRUE(w.form().closed) << ::testing::PrintToString(w.take_messages());
    return {w.get("JWC_TEMP.TXT"), w.get("quornel.dat"), w.get("quornel_res.dat"),
            w.get("quornel_types.dat")};
}

// A folder after previous runs: an old drawing, old previous values and a type lie there.
void previous_run_left(FaultyWindow& w) {
    w.put("JWC_TEMP.TXT", "hk 0\r\nlg0\r\n 0  0  100  100 \r\n");
    w.put("quornel_res.dat", kPreviousValues);
    w.put("quornel_types.dat", types_before());
}

TEST(DiskFaults, ReadOnlyProgramFolderRefusesTheDrawingAndKeepsEveryFile) {
    const CleanRun clean = clean_run();
    FaultyWindow w;
    previous_run_left(w);
    w.start();
    w.enter_typical_column();
    const Snapshot before = snapshot(w.dir.path());

    w.fs.make_read_only(w.program_dir());
    w.click("cmdSakuzu");

    EXPECT_FALSE(w.form().closed);
    const auto messages = w.take_messages();
    ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(messages);
    EXPECT_TRUE(mentions(messages, "JWC_TEMP.TXT")) << messages[0];
    EXPECT_EQ(changed_files(before, snapshot(w.dir.path())), std::vector<std::string>{});

    // The user makes the folder writable again and presses 「作図」 once more.
    w.fs.clear_failures();
    w.click("cmdSakuzu");
    EXPECT_TRUE(w.form().closed);
    EXPECT_EQ(w.get("JWC_TEMP.TXT"), clean.drawing);
    EXPECT_EQ(w.get("quornel.dat"), clean.lists);
    EXPECT_EQ(w.get("quornel_res.dat"), clean.previous);
    EXPECT_EQ(w.get("quornel_types.dat"), clean.types);
}

TEST(DiskFaults, DiskFullHalfWayThroughEachFileNeverLeavesAPartialFile) {
    const CleanRun clean = clean_run();
    ASSERT_GT(clean.drawing.size(), 100u);
    // The files in the order 「作図」 writes them, with what a clean run puts there.
    const std::string files[] = {"JWC_TEMP.TXT", "quornel.dat", "quornel_res.dat",
                                 "quornel_types.dat"};
    const std::string written[] = {clean.drawing, clean.lists, clean.previous, clean.types};
    std::size_t space = 0;
    for (int failing = 0; failing < 4; ++failing) {
        SCOPED_TRACE(files[failing]);
        FaultyWindow w;
        previous_run_left(w);
        w.start();
        w.enter_typical_column();
        const Snapshot before = snapshot(w.dir.path());

        // The disk fills up half-way through this file.
        w.fs.fill_disk_after(space + written[failing].size() / 2);
        space += written[failing].size();
        w.click("cmdSakuzu");

        // Without the drawing the window stays open for another try; once the drawing is
        // out it closes.
        EXPECT_EQ(w.form().closed, failing > 0);
        const auto messages = w.take_messages();
        ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(messages);
        EXPECT_TRUE(mentions(messages, files[failing])) << messages[0];
        // A file written before the failure is complete, and the message says so; the
        // failing file and those after it (the disk is still full) hold what they held.
        // Nothing else appeared: no temporary file survives.
        if (failing > 0) {
            EXPECT_TRUE(mentions(messages, "JWC_TEMP.TXT に書き出しました")) << messages[0];
        }
        const Snapshot after = snapshot(w.dir.path());
        for (int i = 0; i < 4; ++i) {
            const std::string name = "program/" + files[i];
            ASSERT_TRUE(after.count(name)) << name;
            EXPECT_EQ(after.at(name), i < failing ? written[i] : before.at(name)) << name;
        }
        std::vector<std::string> names;
        for (const auto& [name, bytes] : after) names.push_back(name);
        EXPECT_EQ(names, (std::vector<std::string>{"program/JWC_TEMP.TXT", "program/TEMP.TXT",
                                                   "program/quornel.dat", "program/quornel_d.dat",
                                                   "program/quornel_res.dat",
                                                   "program/quornel_types.dat"}));

        // Space is freed; the same 「作図」 now gives what a clean run gives.
        if (failing > 0) continue;
        w.fs.clear_failures();
        w.click("cmdSakuzu");
        EXPECT_TRUE(w.form().closed) << ::testing::PrintToString(w.take_messages());
        EXPECT_EQ(w.get("JWC_TEMP.TXT"), clean.drawing);
        EXPECT_EQ(w.get("quornel.dat"), clean.lists);
        EXPECT_EQ(w.get("quornel_res.dat"), clean.previous);
    }
}

// Tab 1: the user picks other pens and presses 「基本設定保存」.
void choose_other_pens(FaultyWindow& w) {
    w.click("SSTab1(1)");
    for (const char* list :
         {"cbo_h_ly", "cbo_h_nPenColor", "cbo_h_nPenStyle", "cbo_x_ly", "cbo_x_nPenColor",
          "cbo_x_nPenStyle", "cbo_k_ly", "cbo_k_nPenColor", "cbo_k_nPenStyle", "cbo_kh_ly",
          "cbo_kh_nPenColor", "cbo_kh_nPenStyle", "cbo_hm_ly", "cbo_hm_cn", "cbo_sun_ly"}) {
        ControlRef r{list, -1};
        EXPECT_EQ(w.form().user_choose(r, 3), ActResult::Done) << list;
    }
}

std::vector<int> pen_positions(FrmMain& f) {
    return {f.cbo_h_ly.list_index,  f.cbo_h_nPenColor.list_index,  f.cbo_h_nPenStyle.list_index,
            f.cbo_x_ly.list_index,  f.cbo_x_nPenColor.list_index,  f.cbo_x_nPenStyle.list_index,
            f.cbo_k_ly.list_index,  f.cbo_k_nPenColor.list_index,  f.cbo_k_nPenStyle.list_index,
            f.cbo_kh_ly.list_index, f.cbo_kh_nPenColor.list_index, f.cbo_kh_nPenStyle.list_index,
            f.cbo_hm_ly.list_index, f.cbo_hm_cn.list_index,        f.cbo_sun_ly.list_index};
}

TEST(DiskFaults, SavingPensToARegistryThatCannotBeWrittenSaysSoAndKeepsTheOldSettings) {
    FaultyWindow w;
    w.start();
    w.click("SSTab1(1)");
    w.click("cmdS_hozon");  // the first entries, saved once
    ASSERT_EQ(w.take_messages(), std::vector<std::string>{"デフォルトに設定しました。"});
    const Snapshot before = snapshot(w.dir.path());

    choose_other_pens(w);
    w.take_messages();
    w.fs.make_read_only(w.config_dir());
    w.click("cmdS_hozon");

    const auto messages = w.take_messages();
    ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(messages);
    EXPECT_NE(messages[0], "デフォルトに設定しました。");
    EXPECT_EQ(changed_files(before, snapshot(w.dir.path())), std::vector<std::string>{});

    // The next start shows the settings saved before.
    w.fs.clear_failures();
    FrmMain& next = w.start();
    EXPECT_EQ(pen_positions(next), std::vector<int>(15, 0));
}

TEST(DiskFaults, DiskFullDuringAPenSaveLeavesWhatTheMessageSays) {
    FaultyWindow w;
    w.start();
    w.click("SSTab1(1)");
    w.click("cmdS_hozon");
    w.take_messages();
    const std::size_t file_size = snapshot(w.config_dir()).at("registry.reg").size();

    choose_other_pens(w);
    w.take_messages();
    // Room for a few rewrites of the registry file, not for all fifteen values.
    w.fs.fill_disk_after(file_size * 3 + file_size / 2);
    w.click("cmdS_hozon");
    const auto messages = w.take_messages();
    ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(messages);
    EXPECT_NE(messages[0], "デフォルトに設定しました。");

    // Whatever the message promised holds at the next start: either all the new choices
    // or, as before the save, all the old ones; never a mixture the user was not told of.
    w.fs.clear_failures();
    const std::vector<int> next = pen_positions(w.start());
    const bool all_old = next == std::vector<int>(15, 0);
    const bool all_new = next == std::vector<int>(15, 3);
    EXPECT_TRUE(all_old || all_new || mentions(messages, "一部"))
        << ::testing::PrintToString(next) << "\n"
        << messages[0];
}

}  // namespace
}  // namespace quornel::faults
