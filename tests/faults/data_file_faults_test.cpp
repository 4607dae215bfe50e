// The data files beside the program as an editor, another system or a broken disk may
// leave them: quornel_res.dat with a huge value or CR-only line ends (a short one:
// tests/ui/frm_main_previous_test.cpp); quornel.dat without its commas. The window takes what it
// can, tells the user about the rest, never crashes, and reading never changes a file.
#include <gtest/gtest.h>

#include "fault_fixture.h"
#include "platform/text_codec.h"
#include "settings/list_data.h"
#include "settings/res_data.h"

namespace quornel::faults {
namespace {

// The lines of a complete quornel_res.dat: a 600 x 700 column with 150 walls.
std::vector<std::string> previous_lines() {
    std::vector<std::string> lines = {
        "optSin_d,0",    "hasira_sd,4",      "M_h,10",    "M_k,20",      "SunpoIti_d,2",
        "HasiraIti_d,3", "HasiraKigou_d,C5", "HsnXG,600", "HsnXU_0,300", "HsnXU_1,300",
        "HsnXM_0,10",    "HsnXM_1,10",       "HsnYG,700", "HsnYU_0,350", "HsnYU_1,350",
        "HsnYM_0,10",    "HsnYM_1,10"};
    for (const char* side : {"DOWN", "Up", "Right", "Left"}) {
        const char* values[] = {"75", "75", "150", "20", "20"};
        for (int i = 0; i < 5; ++i)
            lines.push_back(std::string("KabeSun") + side + "_d_" + std::to_string(i) + "," +
                            values[i]);
    }
    return lines;
}

std::string join(const std::vector<std::string>& lines, const std::string& end) {
    std::string s;
    for (const std::string& l : lines) s += l + end;
    return s;
}

std::string repeat(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

TEST(DataFileFaults, CarriageReturnOnlyPreviousValuesRestoreEveryLine) {
    FaultyWindow w;
    w.put("quornel_res.dat", join(previous_lines(), "\r"));
    w.start();
    w.take_messages();
    const Snapshot before = snapshot(w.dir.path());

    w.click("cmdResData");

    EXPECT_EQ(w.take_messages(), std::vector<std::string>{});
    FrmMain& f = w.form();
    EXPECT_EQ(f.SunpoIti_d, 2);
    EXPECT_EQ(f.HasiraIti_d, 3);
    EXPECT_EQ(f.cboHasiraKigou.text, "C5");
    EXPECT_EQ(f.column.cboHsnYU_1.text, "350");
    EXPECT_EQ(f.wall(WallSide::Left).cbo[4].text, "20");
    EXPECT_EQ(changed_files(before, snapshot(w.dir.path())), std::vector<std::string>{});

    // And it draws, storing the values back with CR LF.
    w.click("cmdSakuzu");
    EXPECT_TRUE(f.closed) << ::testing::PrintToString(w.take_messages());
    EXPECT_EQ(w.get("quornel_res.dat"), join(previous_lines(), "\r\n"));
}

TEST(DataFileFaults, TenThousandCharacterValuesAreKeptWholeOrRefusedWithAShortMessage) {
    // 「柱」 10,000 times as the symbol (Shift-JIS), and a wall thickness of 10,000 digits.
    std::vector<std::string> lines = previous_lines();
    const std::string symbol_sjis = repeat("\x92\x8c", 10000);
    const std::string symbol = repeat("柱", 10000);
    lines[6] = "HasiraKigou_d," + symbol_sjis;
    lines[24] = "KabeSunUp_d_2," + repeat("1", 10000);
    FaultyWindow w;
    w.put("quornel_res.dat", join(lines, "\r\n"));
    w.start();
    w.take_messages();

    w.click("cmdResData");
    EXPECT_EQ(w.take_messages(), std::vector<std::string>{});
    EXPECT_EQ(w.form().cboHasiraKigou.text, symbol);
    EXPECT_EQ(utf8_length(w.form().cboHasiraKigou.text), 10000u);
    EXPECT_EQ(w.form().wall(WallSide::Up).cbo[2].text, repeat("1", 10000));

    // No number has 10,000 digits: 「作図」 names the box, in a message a screen can show.
    const Snapshot before = snapshot(w.dir.path());
    w.click("cmdSakuzu");
    EXPECT_FALSE(w.form().closed);
    auto messages = w.take_messages();
    ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(messages);
    EXPECT_TRUE(mentions(messages, "上の壁")) << messages[0].substr(0, 300);
    EXPECT_LT(utf8_length(messages[0]), 400u) << messages[0].substr(0, 300);
    EXPECT_EQ(changed_files(before, snapshot(w.dir.path())), std::vector<std::string>{});

    // Corrected, the drawing goes ahead with the long symbol, or refuses it in a short
    // message. Drawn, the symbol is stored whole and comes back whole.
    w.set("cboKabeSunUp(2)", "150");
    w.click("cmdWriKU");
    w.click("cmdSakuzu");
    messages = w.take_messages();
    if (!w.form().closed) {
        ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(messages);
        EXPECT_TRUE(mentions(messages, "柱記号")) << messages[0].substr(0, 300);
        EXPECT_LT(utf8_length(messages[0]), 400u) << messages[0].substr(0, 300);
        EXPECT_EQ(changed_files(before, snapshot(w.dir.path())), std::vector<std::string>{});
        return;
    }
    EXPECT_NE(w.get("JWC_TEMP.TXT").find(symbol_sjis), std::string::npos);
    FaultyWindow& again = w;
    again.start();
    again.click("cmdResData");
    EXPECT_EQ(again.form().cboHasiraKigou.text, symbol);
}

TEST(DataFileFaults, PickListsWithoutCommasKeepTheWindowUsable) {
    // Someone saved quornel.dat with blanks and semicolons where the commas were.
    std::vector<std::string> lines;
    {
        const std::string shipped = shipped_lists();
        std::size_t start = 0;
        while (start < shipped.size()) {
            std::size_t end = shipped.find("\r\n", start);
            lines.push_back(shipped.substr(start, end - start));
            start = end + 2;
        }
    }
    ASSERT_EQ(lines.size(), 21u);
    const std::string good_line_9 = lines[8];  // HasiraY2_List, the lists of cboHsnYG
    for (int i : {0, 2, 5}) {
        for (char& c : lines[i]) c = c == ',' ? (i == 5 ? ';' : ' ') : c;
    }
    lines[10] = "KabeDown1_List,120";  // too few fields
    FaultyWindow w;
    w.put("quornel.dat", join(lines, "\r\n"));
    const Snapshot before = snapshot(w.dir.path());

    FrmMain& f = w.start();

    EXPECT_FALSE(f.closed);
    const auto messages = w.take_messages();
    ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(messages);
    EXPECT_TRUE(mentions(messages, "quornel.dat")) << messages[0];
    EXPECT_EQ(changed_files(before, snapshot(w.dir.path())), std::vector<std::string>{});
    // Every box starts as on a complete load; the readable lines fill their lists.
    EXPECT_EQ(f.cboM_h.text, "0");
    EXPECT_EQ(f.cboHasiraKigou.text, "C1");
    EXPECT_EQ(f.column.cboHsnXG.text, "0");
    std::string y_list = "HasiraY2_List,";
    for (const std::string& e : f.column.cboHsnYG.items) y_list += e + ",";
    EXPECT_EQ(y_list, good_line_9);
    for (const std::string& e : f.cboHasiraKigou.items) EXPECT_EQ(e.find(','), std::string::npos);

    // A drawing stores complete, readable lists again.
    w.enter_typical_column();
    w.click("cmdSakuzu");
    ASSERT_TRUE(f.closed) << ::testing::PrintToString(w.take_messages());
    const ListDataRead stored = read_list_data(real_file_system(), w.program_file("quornel.dat"));
    EXPECT_EQ(stored.problem, "");
}

}  // namespace
}  // namespace quornel::faults
