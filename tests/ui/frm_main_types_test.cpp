// 「記号で呼出」: a column type drawn earlier, called back by the symbol typed in 柱記号.
#include "frm_main_fixture.h"
#include "settings/types_data.h"
#include "ui/script_runner.h"

namespace quornel::frm_test {
namespace {

// Jw_cad starts quornel; the user draws a column of their own under `symbol`.
void draw_type(Window& w, const std::string& symbol, int shape, const std::string& width) {
    FrmMain& f = w.start();
    ASSERT_EQ(w.click("img_hasira_s(" + std::to_string(shape) + ")"), ActResult::Done);
    ASSERT_EQ(w.click(shape == 5 ? "optSin(1)" : "optSin(0)"), ActResult::Done);
    ASSERT_EQ(w.click(shape == 5 ? "optHasiraMoji(0)" : "optHasiraMoji(2)"), ActResult::Done);
    w.set("cboHsnXG", width);
    w.click("cmdWriHX");
    w.set("cboHsnYG", "600");
    w.click("cmdWriHY");
    w.set("cboM_h", shape == 5 ? "15" : "0");
    w.set("cboKabeSunLeft(2)", "150");
    w.click("cmdWriKL");
    w.set("cboHasiraKigou", symbol);
    w.click("cmdSakuzu");
    ASSERT_TRUE(f.closed) << w.dialogs.last().text;
}

// The window as a person sees it: every control, then the window's values, less the focus,
// which the button clicked last holds.
std::vector<std::string> window_seen(const FrmMain& f) {
    std::vector<std::string> lines = dump_lines(f);
    std::string& state = lines.back();
    state.erase(state.find(",\"focus\":"));
    return lines;
}

TEST(FrmMainTypes, ASymbolCallsItsColumnBackAsPreviousValuesWould) {
    Window w;
    draw_type(w, "C1", 5, "700");
    const std::string c1_previous = w.dir.read("quornel_res.dat");
    const std::string c1_drawing = w.dir.read("JWC_TEMP.TXT");
    draw_type(w, "C2", 4, "500");
    const std::size_t messages = w.dialogs.shown().size();

    FrmMain& f = w.start();
    w.set("cboHasiraKigou", "C1");
    ASSERT_EQ(w.click("cmdKigouData"), ActResult::Done);
    EXPECT_EQ(w.dialogs.shown().size(), messages);
    EXPECT_EQ(f.state.hasira_sd, 5);
    EXPECT_EQ(w.text("cboHsnXG"), "700");
    const std::vector<std::string> called = window_seen(f);

    // The same values as the previous ones, brought back by 「前回値」.
    w.dir.write("quornel_res.dat", c1_previous);
    w.start();
    w.set("cboHasiraKigou", "C1");
    ASSERT_EQ(w.click("cmdResData"), ActResult::Done);
    const std::vector<std::string> previous = window_seen(w.form());
    ASSERT_EQ(previous.size(), called.size());
    for (std::size_t i = 0; i < called.size(); ++i) EXPECT_EQ(previous[i], called[i]);

    // Called back and drawn, C1 is the previous column again, and the newest type.
    w.dir.write("quornel_res.dat", "");
    w.start();
    w.set("cboHasiraKigou", "C1");
    w.click("cmdKigouData");
    w.click("cmdSakuzu");
    ASSERT_TRUE(w.form().closed);
    EXPECT_EQ(w.dir.read("JWC_TEMP.TXT"), c1_drawing);
    EXPECT_EQ(w.dir.read("quornel_res.dat"), c1_previous);
    EXPECT_EQ(read_types_data(real_file_system(), w.dir.path()).types.front().symbol, "C1");
}

// Nothing to call: the user is told why and what there is, and the window stays as it was.
TEST(FrmMainTypes, ASymbolWithNothingStoredIsNamedWithTheStoredOnes) {
    Window w;
    FrmMain& f = w.start();
    ResDataValues values;
    for (int i = 0; i < 23; ++i) {
        values[kSymbolLine] = "C" + std::to_string(i);
        ASSERT_TRUE(store_type(real_file_system(), w.dir.path(), values));
    }
    // C5's block loses a line in an editor.
    std::string text = w.dir.read("quornel_types.dat");
    const std::size_t c5 = text.find("HasiraKigou_d,C5\r\n");
    text.erase(text.find("HsnXG,", c5), std::string("HsnXG,\r\n").size());
    w.dir.write("quornel_types.dat", text);

    const std::string stored =
        "記録のある柱記号（新しい順）: 「C22」、「C21」、「C20」、「C19」、「C18」、「C17」、"
        "「C16」、「C15」、「C14」、「C13」、「C12」、「C11」、「C10」、「C9」、「C8」、「C7」、"
        "「C6」、「C4」、「C3」、「C2」 ほか 2 種類\n"
        "quornel_types.dat の次の部分は壊れているため使えません。次に柱記号を入れて「作図」した"
        "とき、今のファイルを quornel_types.dat.bak に残してから、読める記録だけで書き直します。\n"
        "・630〜665 行目（柱記号「C5」）: 「HsnXG」の行がありません";
    const struct {
        const char* typed;
        std::string message;
    } cases[] = {
        {"", "柱記号を入れてから「記号で呼出」を押してください。"},
        {"Ｃ２", "「Ｃ２」の柱はまだ作図していません。\n" + stored},
        {"C5", "「C5」の柱の記録は壊れているため、呼び出せません。\n" + stored},
    };
    for (const auto& c : cases) {
        w.set("cboHasiraKigou", c.typed);
        const std::vector<std::string> before = window_seen(f);
        ASSERT_EQ(w.click("cmdKigouData"), ActResult::Done);
        EXPECT_EQ(w.dialogs.last().text, c.message);
        EXPECT_EQ(w.dialogs.last().title, "quornel");
        EXPECT_EQ(window_seen(f), before);
    }
    // Found, its values restore as 「前回値」 restores; what cannot be is named by its line there.
    w.set("cboHasiraKigou", "C21");
    w.click("cmdKigouData");
    EXPECT_EQ(w.dialogs.last().text.substr(0, w.dialogs.last().text.find("\n39 行目")),
              "quornel_types.dat にある柱記号「C21」の記録の次の行は使えないため、その項目は"
              "今のままです。\n38 行目（optSin_d）: 「」は数値ではありません");

    std::filesystem::remove(w.dir.file("quornel_types.dat"));
    w.click("cmdKigouData");
    EXPECT_EQ(w.dialogs.last().text,
              "「C21」の柱はまだ作図していません。\n柱記号ごとの記録はまだありません。"
              "柱記号を入れて「作図」すると、その柱が柱記号ごとに記録されます。");
}

}  // namespace
}  // namespace quornel::frm_test
