// What a completed drawing and 「基本設定保存」 store: every box and choice of 作図 in
// quornel_res.dat, every list of 基本設定 in the registry, each under its own key. The
// expected files are written by hand in key order, so two swapped rows of a table fail here.
#include "frm_main_fixture.h"

namespace quornel::frm_test {
namespace {

// The crossing stores the 37 lines 1.2.0 stores; the whole floor three lines more, after them.
TEST(StoredValues, EveryBoxAndChoiceIsStoredUnderItsOwnKey) {
    for (const bool floor : {false, true}) {
        SCOPED_TRACE(floor ? "交点ごと" : "a crossing");
        Window w;
        if (floor) w.dir.write("TEMP.TXT", floor_header());
        FrmMain& f = w.start();

        // 作図: a distinct value in every box a person can reach, and a choice in each group.
        if (floor) {
            ASSERT_EQ(w.click("img_hasira_s(9)"), ActResult::Done);
            // Unjoined, every wall's boxes are the user's; 外周 is kept through 壁芯.
            for (const char* check : {"chkKabeTunagu", "chkSunpoHitotu", "chkGaisyuKabe"})
                ASSERT_EQ(w.click(check), ActResult::Done) << check;
        }
        ASSERT_EQ(w.click("optSin(1)"), ActResult::Done);  // 壁芯: every wall part is offered
        w.set("cboM_h", "11");  // the column's four hidden extra thicknesses follow it
        w.set("cboM_k", "12");
        w.set("cboHasiraKigou", "Ｃ７");
        w.set("cboHsnXG", "600");
        w.set("cboHsnXU_0", "250");
        w.set("cboHsnYG", "700");
        w.set("cboHsnYU_1", "280");
        const struct {
            const char* side;
            const char* values[4];  // thickness, part A, extra thickness A, extra thickness B
        } walls[] = {{"Up", {"150", "70", "21", "22"}},
                     {"DOWN", {"160", "71", "23", "24"}},
                     {"Right", {"170", "72", "25", "26"}},
                     {"Left", {"180", "73", "27", "28"}}};
        for (const auto& wall : walls) {
            const std::string box = std::string("cboKabeSun") + wall.side;
            w.set(box + "(2)", wall.values[0]);
            w.set(box + "(0)", wall.values[1]);
            w.set(box + "(3)", wall.values[2]);
            w.set(box + "(4)", wall.values[3]);
        }
        ASSERT_EQ(w.click("optSunpoIti(2)"), ActResult::Done);
        ASSERT_EQ(w.click("optHasiraMoji(3)"), ActResult::Done);

        // 基本設定: a distinct position in every list, then 「基本設定保存」.
        ASSERT_EQ(w.click("SSTab1(1)"), ActResult::Done);
        const std::pair<const char*, int> picks[] = {
            {"cbo_h_ly", 1},        {"cbo_h_nPenColor", 1},    {"cbo_h_nPenStyle", 1},
            {"cbo_x_ly", 2},        {"cbo_x_nPenColor", 2},    {"cbo_x_nPenStyle", 2},
            {"cbo_k_ly", 3},        {"cbo_k_nPenColor", 3},    {"cbo_k_nPenStyle", 3},
            {"cbo_kh_ly", 4},       {"cbo_kh_nPenColor", 4},   {"cbo_kh_nPenStyle", 4},
            {"cbo_hm_ly", 5},       {"cbo_hm_cn", 6},          {"cbo_sun_ly", 7},
            {"cbo_nuri_ly", 8},     {"cbo_nuri_nPenColor", 5}, {"cbo_nuri_nPenStyle", 7},
            {"cbo_nuri_hasira", 1}, {"cbo_nuri_kabe", 2},      {"cbo_nuri_pitch", 3},
        };
        for (auto [box, entry] : picks) ASSERT_EQ(w.choose(box, entry), ActResult::Done) << box;
        ASSERT_EQ(w.click("cmdS_hozon"), ActResult::Done);
        EXPECT_EQ(w.dialogs.last().text, "デフォルトに設定しました。");

        ASSERT_EQ(w.click("SSTab1(0)"), ActResult::Done);
        ASSERT_EQ(w.click("cmdSakuzu"), ActResult::Done);
        ASSERT_TRUE(f.closed) << w.dialogs.last().text;

        EXPECT_EQ(w.dir.read("quornel_res.dat"),
                  source_file(floor ? "tests/ui/data/stored_values_floor.dat"
                                    : "tests/ui/data/stored_values.dat"));
        EXPECT_EQ(w.dir.read("registry.reg"), source_file("tests/ui/data/stored_values.reg"));
    }
}

}  // namespace
}  // namespace quornel::frm_test
