// 「作図」 and 「キャンセル」 from the window: what lands on disk, and what a refused or failed
// run leaves behind.
#include <map>
#include <memory>

#include "frm_main_fixture.h"
#include "platform/text_codec.h"
#include "settings/registry_settings.h"
#include "support/fake_file_system.h"

namespace quornel::frm_test {
namespace {

// The pen settings of the hand-derived drawing cases.
void save_case_pens(Window& w) {
    const std::pair<const char*, std::uint32_t> values[] = {
        {"IHasira_ly", 1}, {"IHasira_pc", 1}, {"IHasira_ps", 0}, {"XHasira_ly", 2},
        {"XHasira_pc", 5}, {"XHasira_ps", 4}, {"Kabe_ly", 4},    {"Kabe_pc", 2},
        {"Kabe_ps", 0},    {"KHasira_ly", 3}, {"KHasira_pc", 0}, {"KHasira_ps", 0},
        {"Kigou_ly", 5},   {"Kigou_cn", 4},   {"Sunpou_ly", 6}};
    for (auto [name, v] : values) w.set_dword(kSetteiKey, name, v);
}

// The crossing of the drawing cases, entered as a person enters it: 柱増打 50, a column of
// 800 × 800 split by 「割」, 壁増打 25, and on every side a wall of 150 split by 「割」.
void enter_crossing(Window& w) {
    w.set("cboM_h", "50");
    w.set("cboHsnXG", "800");
    ASSERT_EQ(w.click("cmdWriHX"), ActResult::Done);
    w.set("cboHsnYG", "800");
    ASSERT_EQ(w.click("cmdWriHY"), ActResult::Done);
    w.set("cboM_k", "25");
    for (const char* side : {"Up", "DOWN", "Right", "Left"}) {
        w.set(std::string("cboKabeSun") + side + "(2)", "150");
    }
    for (const char* button : {"cmdWriKU", "cmdWriKD", "cmdWriKR", "cmdWriKL"}) {
        ASSERT_EQ(w.form().find_control(button)->kind, ControlKind::Button);
        ASSERT_EQ(static_cast<Button*>(w.form().find_control(button))->caption, "割");
        ASSERT_EQ(w.click(button), ActResult::Done);
    }
}

std::string res_file(const std::vector<std::string>& values) {
    std::string out;
    static const char* const keys[] = {
        "optSin_d",      "hasira_sd", "M_h",     "M_k",     "SunpoIti_d", "HasiraIti_d",
        "HasiraKigou_d", "HsnXG",     "HsnXU_0", "HsnXU_1", "HsnXM_0",    "HsnXM_1",
        "HsnYG",         "HsnYU_0",   "HsnYU_1", "HsnYM_0", "HsnYM_1"};
    std::vector<std::string> names(std::begin(keys), std::end(keys));
    for (const char* side : {"DOWN", "Up", "Right", "Left"}) {
        for (int i = 0; i < 5; ++i)
            names.push_back(std::string("KabeSun") + side + "_d_" + std::to_string(i));
    }
    EXPECT_EQ(values.size(), names.size());
    for (std::size_t i = 0; i < names.size() && i < values.size(); ++i) {
        out += names[i] + "," + values[i] + "\r\n";
    }
    return out;
}

std::vector<std::string> crossing_values() {
    std::vector<std::string> v = {"0",   "4",  "50", "25",  "4",   "4",   "C1", "800", "400",
                                  "400", "50", "50", "800", "400", "400", "50", "50"};
    for (int side = 0; side < 4; ++side) {
        for (const char* s : {"75", "75", "150", "25", "25"}) v.push_back(s);
    }
    return v;
}

TEST(FrmMainSakuzu, TheCrossingEnteredByHandIsTheHandDerivedDrawing) {
    Window w;
    // The lists of the boxes the crossing fills are the test's own, whatever is shipped.
    w.dir.write("quornel.dat", shipped_lists_with({{"HasiraMasi_List", "10,15,20,25,30,"},
                                                   {"KabeMasi_List", "10,15,20,25,30,"},
                                                   {"HasiraX2_List", "500,600,700,800,900,"},
                                                   {"HasiraY2_List", "500,600,700,800,900,"},
                                                   {"KabeDown2_List", "120,150,180,200,250,"},
                                                   {"KabeRight2_List", "120,150,180,200,250,"},
                                                   {"KabeUp2_List", "120,150,180,200,250,"},
                                                   {"KabeLeft2_List", "120,150,180,200,250,"}}));
    save_case_pens(w);
    w.start();
    enter_crossing(w);
    ASSERT_EQ(w.click("cmdSakuzu"), ActResult::Done);
    EXPECT_TRUE(w.form().closed);
    EXPECT_TRUE(w.dialogs.shown().empty());

    EXPECT_EQ(w.dir.read("JWC_TEMP.TXT"), source_file("tests/drawing/data/crossing.jwc"));
    // The lists as the confirmed values left them, newest first.
    EXPECT_EQ(w.dir.read("quornel.dat"),
              shipped_lists_with({{"HasiraMasi_List", "50,10,15,20,25,"},
                                  {"KabeMasi_List", "25,10,15,20,30,"},
                                  {"HasiraX2_List", "800,500,600,700,900,"},
                                  {"HasiraY2_List", "800,500,600,700,900,"},
                                  {"KabeDown2_List", "150,120,180,200,250,"},
                                  {"KabeRight2_List", "150,120,180,200,250,"},
                                  {"KabeUp2_List", "150,120,180,200,250,"},
                                  {"KabeLeft2_List", "150,120,180,200,250,"}}));
    EXPECT_EQ(w.dir.read("quornel_res.dat"), res_file(crossing_values()));
    // The same lines, the first type stored under its symbol.
    EXPECT_EQ(w.dir.read("quornel_types.dat"), res_file(crossing_values()));
    // Only the four files, nothing temporary left behind.
    EXPECT_EQ(w.dir.entries(),
              (std::vector<std::string>{"JWC_TEMP.TXT", "TEMP.TXT", "quornel.dat", "quornel_d.dat",
                                        "quornel_res.dat", "quornel_types.dat", "registry.reg"}));
}

// 「キャンセル」 and Esc: the window closes and writes nothing. Esc does not leave the box being
// edited, so a part too large for its total raises no message on the way out.
TEST(FrmMainSakuzu, CancelAndEscWriteNothing) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Esc" : "キャンセル");
        Window w;
        const std::string earlier = res_file(crossing_values());
        w.dir.write("quornel_res.dat", earlier);
        w.start();
        ASSERT_EQ(w.click("cmdResData"), ActResult::Done);
        w.set("cboHsnXG", "600");
        const auto before = w.dir.entries();
        const std::string lists = w.dir.read("quornel.dat");
        if (escape) {
            w.type("cboHsnXU_0", "700");
            ASSERT_EQ(w.form().user_escape(), ActResult::Done);
            EXPECT_TRUE(w.dialogs.shown().empty());
        } else {
            ASSERT_EQ(w.click("cmdClose"), ActResult::Done);
        }
        EXPECT_TRUE(w.form().closed);
        EXPECT_EQ(w.dir.entries(), before);
        EXPECT_EQ(w.dir.read("quornel.dat"), lists);
        EXPECT_EQ(w.dir.read("quornel_res.dat"), earlier);
        EXPECT_FALSE(w.dir.exists("registry.reg"));
        // Nothing more reaches a closed window.
        EXPECT_EQ(w.click("cmdSakuzu"), ActResult::Refused);
        EXPECT_EQ(w.form().user_escape(), ActResult::Refused);
        EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));
    }
}

// Each refusal names what to correct, writes nothing and leaves the window as it was; after
// the correction the drawing is the same as a first try.
// The window opens with every box at 0: a column of no size is no drawing, and stored as
// the previous values it would be drawn again by every repeat.
TEST(FrmMainSakuzu, AColumnOfNoSizeIsRefusedAtItsBox) {
    Window w;
    w.start();
    ASSERT_EQ(w.click("cmdSakuzu"), ActResult::Done);
    EXPECT_FALSE(w.form().closed);
    EXPECT_EQ(w.dialogs.last().text,
              "柱幅 X が 0 です。\n柱の大きさを入れてから、もう一度「作図」を押してください。");
    EXPECT_EQ(w.form().focus(), ref("cboHsnXG"));
    w.set("cboHsnXG", "600");
    w.click("cmdWriHX");
    w.click("cmdSakuzu");
    EXPECT_NE(w.dialogs.last().text.find("柱せい Y が 0 です。"), std::string::npos);
    EXPECT_EQ(w.form().focus(), ref("cboHsnYG"));
    EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));
    EXPECT_FALSE(w.dir.exists("quornel_res.dat"));
}

TEST(FrmMainSakuzu, RefusedInputsNameTheBoxAndChangeNothing) {
    Window w;
    save_case_pens(w);
    w.start();
    enter_crossing(w);

    // A restored text that is no number (previous values are not checked on restoring).
    std::vector<std::string> bad = crossing_values();
    bad[34] = "１５O";  // KabeSunLeft_d_2: a letter O among full-width digits
    w.dir.write("quornel_res.dat", *utf8_to_ansi(res_file(bad)));
    ASSERT_EQ(w.click("cmdResData"), ActResult::Done);
    EXPECT_TRUE(w.dialogs.shown().empty());
    const std::string lists = w.dir.read("quornel.dat");
    ASSERT_EQ(w.click("cmdSakuzu"), ActResult::Done);
    EXPECT_FALSE(w.form().closed);
    ASSERT_EQ(w.dialogs.shown().size(), 1u);
    EXPECT_NE(w.dialogs.last().text.find("左の壁の壁厚"), std::string::npos);
    EXPECT_NE(w.dialogs.last().text.find("１５O"), std::string::npos);
    EXPECT_EQ(w.dialogs.last().title, "quornel");
    EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));
    EXPECT_EQ(w.dir.read("quornel.dat"), lists);
    EXPECT_EQ(w.dir.read("quornel_res.dat"), *utf8_to_ansi(res_file(bad)));
    // Pressing again gives the same answer.
    w.click("cmdSakuzu");
    EXPECT_EQ(w.dialogs.shown().size(), 2u);
    EXPECT_EQ(w.text("cboKabeSunLeft(2)"), "１５O");

    // 「作図」 refuses, names what to correct and points at the box; nothing is written.
    auto expect_refused = [&](const std::string& names, const std::string& box) {
        w.click("cmdSakuzu");
        EXPECT_FALSE(w.form().closed);
        EXPECT_NE(w.dialogs.last().text.find(names), std::string::npos) << w.dialogs.last().text;
        EXPECT_EQ(w.form().focus(), ref(box));  // the user goes on there
        EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));
    };

    // A part of a column axis without a total is disabled: the refusal sends the user to the
    // total, which enables the parts.
    std::vector<std::string> no_total = crossing_values();
    no_total[7] = "0";    // HsnXG
    no_total[8] = "abc";  // HsnXU_0
    w.dir.write("quornel_res.dat", res_file(no_total));
    ASSERT_EQ(w.click("cmdResData"), ActResult::Done);
    ASSERT_FALSE(w.box("cboHsnXU_0").enabled);
    expect_refused("「柱幅 X」を入れ直して", "cboHsnXG");
    w.set("cboHsnXG", "800");
    w.click("cmdWriHX");

    // A symbol the drawing file cannot hold.
    w.set("cboKabeSunLeft(2)", "150");
    w.click("cmdWriKL");
    w.set("cboHasiraKigou", "C1\xF0\x9F\x98\x80");  // an emoji has no Shift-JIS form
    w.click("cmdSakuzu");
    EXPECT_FALSE(w.form().closed);
    EXPECT_NE(w.dialogs.last().text.find("柱記号"), std::string::npos);
    EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));
    // A line break would start a command of its own in the drawing file.
    w.type("cboHasiraKigou", "C1\r\nly0");
    w.click("cmdSakuzu");
    EXPECT_NE(w.dialogs.last().text.find("柱記号"), std::string::npos);
    EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));

    // The same total left again keeps its parts; a new one clears them: drawing now would
    // make a column of no width.
    w.set("cboHasiraKigou", "C1");
    w.set("cboHsnXG", "800");
    EXPECT_EQ(w.text("cboHsnXU_0"), "400");
    w.set("cboHsnXG", "900");
    EXPECT_EQ(w.text("cboHsnXU_0"), "0");
    const std::size_t shown = w.dialogs.shown().size();
    w.click("cmdSakuzu");
    ASSERT_EQ(w.dialogs.shown().size(), shown + 1);
    EXPECT_NE(w.dialogs.last().text.find("柱幅 X"), std::string::npos);
    EXPECT_FALSE(w.form().closed);
    EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));

    w.set("cboHsnXG", "800");
    w.set("cboHsnXU_0", "400");
    EXPECT_EQ(w.text("cboHsnXU_1"), "400");

    // A new wall thickness clears both parts: drawn now, the wall would have no width. The
    // refusal points at a part the user can type in.
    w.set("cboKabeSunUp(2)", "200");
    ASSERT_EQ(w.text("cboKabeSunUp(0)"), "0");
    expect_refused("「上の壁」の芯から左の面まで（0）", "cboKabeSunUp(0)");
    expect_refused("「上の壁」の芯から左の面まで（0）", "cboKabeSunUp(0)");  // as it was left
    w.set("cboKabeSunUp(2)", "150");
    w.click("cmdWriKU");

    // Corrected, the drawing is the crossing exactly.
    w.click("cmdSakuzu");
    EXPECT_TRUE(w.form().closed);
    EXPECT_EQ(w.dir.read("JWC_TEMP.TXT"), source_file("tests/drawing/data/crossing.jwc"));
    // The refused symbols went into the symbol's list when they were left, but the list
    // file cannot hold them: those entries are saved empty, the others as they are.
    const std::string saved = w.dir.read("quornel.dat");
    EXPECT_NE(saved.find("HasiraKigou_List,C1,,,C2,C3,C4,C5,C6,C7,C8,\r\n"), std::string::npos)
        << saved;
}

// A hatch that would need too many lines: the refusal turns to 「基本設定」 and puts the user
// in 「斜線の間隔」; a wider pitch draws. Without fill the drawing is the hand-derived one.
TEST(FrmMainSakuzu, ATooDenseHatchSendsTheUserToItsPitch) {
    Window w;
    save_case_pens(w);
    w.start();
    enter_crossing(w);
    w.set("cboHsnXG", "3000000");  // at 1:100 and 1 mm, 3,000,800 / 141.4 lines
    ASSERT_EQ(w.click("cmdWriHX"), ActResult::Done);
    ASSERT_EQ(w.click("SSTab1(1)"), ActResult::Done);
    ASSERT_EQ(w.choose("cbo_nuri_hasira", 2), ActResult::Done);  // 斜線
    ASSERT_EQ(w.click("SSTab1(0)"), ActResult::Done);

    ASSERT_EQ(w.click("cmdSakuzu"), ActResult::Done);
    EXPECT_FALSE(w.form().closed);
    EXPECT_NE(w.dialogs.last().text.find("「斜線の間隔」を広げる"), std::string::npos)
        << w.dialogs.last().text;
    EXPECT_EQ(w.form().SSTab1.tab, 1);
    EXPECT_EQ(w.form().focus(), ref("cbo_nuri_pitch"));
    EXPECT_FALSE(w.dir.exists("JWC_TEMP.TXT"));

    ASSERT_EQ(w.choose("cbo_nuri_pitch", 3), ActResult::Done);  // 3 mm: a third of the lines
    ASSERT_EQ(w.click("SSTab1(0)"), ActResult::Done);
    ASSERT_EQ(w.click("cmdSakuzu"), ActResult::Done);
    ASSERT_TRUE(w.form().closed) << w.dialogs.last().text;
    EXPECT_NE(w.dir.read("JWC_TEMP.TXT").find("\r\nz1\r\n"), std::string::npos);
}

// The tip of a box starts with the name that 「作図」's messages give it: told to correct
// 「左の壁の芯から上の面まで」, a user finds the box by resting the mouse on it. So every box a
// refusal sends the user to carries the refusal's name, and at every shape, in 柱芯 and in
// 壁芯, every box and 「割」/「面」 the user can see has a tip, a button's naming its caption.
TEST(FrmMainSakuzu, ARefusedBoxCarriesInItsTipTheNameItsMessageGives) {
    int refusals = 0;
    for (int shape = 0; shape < 9; ++shape) {
        for (int mode : {0, 1}) {
            SCOPED_TRACE("配置 " + std::to_string(shape) + (mode == 0 ? " 柱芯" : " 壁芯"));
            std::vector<std::string> values = crossing_values();
            values[0] = std::to_string(mode);   // optSin_d
            values[1] = std::to_string(shape);  // hasira_sd
            auto w = std::make_unique<Window>();
            auto restore = [&](const std::vector<std::string>& restored) {
                if (w->form().closed) {  // a value 「作図」 does not read: the drawing was made
                    w = std::make_unique<Window>();
                    w->start();
                }
                w->dir.write("quornel_res.dat", res_file(restored));
                ASSERT_EQ(w->click("cmdResData"), ActResult::Done);
            };
            w->start();
            restore(values);
            for (const Control* c : w->form().controls()) {
                if (!w->form().is_shown(*c)) continue;
                if (c->kind == ControlKind::ComboBox) {
                    EXPECT_NE(c->tip, "") << c->name;
                }
                if (c->kind != ControlKind::Button) continue;
                const std::string& caption = static_cast<const Button*>(c)->caption;
                if (caption == "割" || caption == "面") {
                    EXPECT_EQ(c->tip.rfind("「" + caption + "」\n", 0), 0u) << c->name << c->tip;
                }
            }
            // The names do not depend on the shape: the crossing and two opposite corners,
            // where the sides have their 「面」, are enough for them.
            if (shape % 4 != 0) continue;
            for (int line = 0; line < kResDataLines; ++line) {
                if (!kResDataLayout[line].box) continue;
                std::vector<std::string> bad = values;
                bad[line] = "abc";
                restore(bad);
                const std::size_t shown = w->dialogs.shown().size();
                w->click("cmdSakuzu");
                if (w->dialogs.shown().size() == shown) continue;
                ++refusals;
                const Control* box =
                    w->form().find_control(w->form().focus().name, w->form().focus().index);
                ASSERT_NE(box, nullptr) << kResDataLayout[line].box;
                const std::string name = box->tip.substr(0, box->tip.find('\n'));
                EXPECT_NE(name, "") << box->name;
                EXPECT_NE(w->dialogs.last().text.find(name), std::string::npos)
                    << kResDataLayout[line].box << ": " << w->dialogs.last().text << " / "
                    << box->tip;
            }
        }
    }
    EXPECT_GT(refusals, 3 * 2 * 10);
}

TEST(FrmMainSakuzu, AFailedDrawingKeepsTheWindowOpenAHandedOverOneCloses) {
    Window w;
    test::FakeFileSystem fake;
    fake.put(w.dir.file("TEMP.TXT"), test_header());
    fake.put(w.dir.file("quornel.dat"), shipped_lists());
    w.use_file_system(fake);
    save_case_pens(w);
    w.start();
    enter_crossing(w);

    fake.fail_write_after(w.dir.file("JWC_TEMP.TXT"), 100);  // the disk fills up
    w.click("cmdSakuzu");
    EXPECT_FALSE(w.form().closed);
    ASSERT_EQ(w.dialogs.shown().size(), 1u);
    EXPECT_NE(w.dialogs.last().text.find("JWC_TEMP.TXT"), std::string::npos);
    EXPECT_FALSE(fake.get(w.dir.file("JWC_TEMP.TXT")).has_value());
    EXPECT_EQ(fake.get(w.dir.file("quornel.dat")), shipped_lists());
    EXPECT_FALSE(fake.get(w.dir.file("quornel_res.dat")).has_value());
    EXPECT_EQ(fake.open_outputs(), 0);

    // The drawing is out but the lists cannot be saved: the previous values are saved all the
    // same, one message says what was not, and the window closes, so that 「キャンセル」 can
    // never follow a drawing Jw_cad is about to read.
    fake.clear_failures();
    fake.fail_commit(w.dir.file("quornel.dat"));
    w.click("cmdSakuzu");
    EXPECT_TRUE(w.form().closed);
    ASSERT_EQ(w.dialogs.shown().size(), 2u);
    EXPECT_NE(w.dialogs.last().text.find("JWC_TEMP.TXT"), std::string::npos);
    EXPECT_NE(w.dialogs.last().text.find("quornel.dat"), std::string::npos);
    EXPECT_EQ(w.dialogs.last().text.find("quornel_res.dat"), std::string::npos);
    EXPECT_EQ(fake.get(w.dir.file("JWC_TEMP.TXT")), source_file("tests/drawing/data/crossing.jwc"));
    EXPECT_EQ(fake.get(w.dir.file("quornel.dat")), shipped_lists());
    EXPECT_EQ(fake.get(w.dir.file("quornel_res.dat")), res_file(crossing_values()));
    // Only the hand-over file is left to the system to write out; the files the user keeps
    // are on the disk before they replace the old ones.
    EXPECT_EQ(fake.durability(w.dir.file("JWC_TEMP.TXT")), Durability::Unflushed);
    EXPECT_EQ(fake.durability(w.dir.file("quornel_res.dat")), Durability::Flushed);
}

}  // namespace
}  // namespace quornel::frm_test
