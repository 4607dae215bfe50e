// Start-up as Jw_cad starts quornel, the control inventory, the focus and the pen pickers.
#include <set>

#include "frm_main_fixture.h"
#include "settings/list_data.h"
#include "settings/registry_settings.h"

namespace quornel::frm_test {
namespace {

TEST(FrmMainStartup, PlainStartShowsTheDesignedWindow) {
    Window w;
    FrmMain& f = w.start();
    EXPECT_FALSE(f.closed);
    EXPECT_TRUE(w.dialogs.shown().empty());

    EXPECT_EQ(f.form.caption, "quornel");
    EXPECT_EQ(f.form.width, 11700);
    EXPECT_EQ(f.form.height, 9250);
    EXPECT_EQ(f.Picture2.rect.width, 8500);
    EXPECT_EQ(f.Picture2.rect.height, 7500);
    EXPECT_EQ(f.state.DiagramCenterX, 4250);
    EXPECT_EQ(f.state.DiagramCenterY, 3750);

    // Without registry settings every pen and layer box shows its first entry, and the
    // samples follow the selections.
    for (ComboBox* list :
         {&f.cbo_h_ly, &f.cbo_x_nPenColor, &f.cbo_k_nPenStyle, &f.cbo_hm_cn, &f.cbo_sun_ly}) {
        EXPECT_EQ(list->list_index, 0) << list->name;
        EXPECT_EQ(list->text, list->items[0]) << list->name;
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(f.pic_S_PenColor[i].picture, "pic_nPenColor(0)");
        EXPECT_EQ(f.pic_S_PenStyle[i].picture, "pic_nPenStyle(0)");
    }
    EXPECT_EQ(f.pic_S_PenColor[4].picture, "");  // the 寸法 row never gets a sample
    EXPECT_EQ(f.pic_S_PenStyle[4].picture, "");

    // Shape 4 pressed, the others raised.
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(f.column.img_hasira_s[i].picture,
                  (i == 4 ? "img_botanD(" : "img_botanU(") + std::to_string(i) + ")");
    }
    EXPECT_EQ(f.state.hasira_sd, 4);
    EXPECT_EQ(f.SunpoIti_d, 4);
    EXPECT_EQ(f.HasiraIti_d, 4);
    EXPECT_TRUE(f.optSin[0].value);
    EXPECT_TRUE(f.optSunpoIti(4).value);
    EXPECT_TRUE(f.optHasiraMoji[4].value);
    EXPECT_EQ(f.SSTab1.tab, 0);

    // The column part boxes wait for a total.
    for (const char* name : {"cboHsnXU_0", "cboHsnXU_1", "cboHsnYU_0", "cboHsnYU_1"}) {
        EXPECT_FALSE(w.box(name).enabled) << name;
        EXPECT_EQ(w.type(name, "100"), ActResult::Refused) << name;
    }

    // The pick lists filled the boxes and cleared them.
    EXPECT_EQ(w.text("cboM_h"), "0");
    EXPECT_EQ(w.text("cboHasiraKigou"), "C1");
    EXPECT_EQ(w.box("cboHasiraKigou").items.size(), 10u);
    EXPECT_EQ(w.box("cboHsnXG").items.size(), 5u);
    EXPECT_EQ(w.box("cboHsnXM(1)").items, w.box("cboM_h").items);
    EXPECT_EQ(w.box("cboKabeSunLeft(4)").items, w.box("cboM_k").items);
    EXPECT_EQ(w.text("cboKabeSunRight(2)"), "0");

    // The header of TEMP.TXT and Jw_cad's defaults.
    EXPECT_EQ(f.header.Syukusyaku, 100);
    EXPECT_EQ(f.header.SunpouMojiW, 2);
    EXPECT_EQ(f.header.KigouMojiW, 2);
    EXPECT_EQ(f.header_buffer(), test_header());
    EXPECT_EQ(f.sunpo.HANARE, 0.5);
    EXPECT_EQ(f.sunpo.SUNPOSEN1, 10);
    EXPECT_EQ(f.sunpo.MOJINO, 1);
}

TEST(FrmMainStartup, SavedPenSettingsSelectTheListsAndTheirSamples) {
    Window w;
    w.set_dword(kSetteiKey, "IHasira_pc", 3);
    w.set_dword(kSetteiKey, "Kabe_ps", 8);
    w.set_dword(kSetteiKey, "Kigou_cn", 9);
    w.set_dword(kSetteiKey, "XHasira_ps", 9);           // beyond the 9 line types
    w.set_dword(kSetteiKey, "Sunpou_ly", 0xFFFFFFFFu);  // saved from an empty selection
    w.set_dword(kSunpoKey, "MOJINO", 3);
    FrmMain& f = w.start();

    EXPECT_EQ(f.cbo_h_nPenColor.text, "線色　４");
    EXPECT_EQ(f.pic_S_PenColor[0].picture, "pic_nPenColor(3)");
    EXPECT_EQ(f.cbo_k_nPenStyle.text, "補助線種");
    EXPECT_EQ(f.pic_S_PenStyle[2].picture, "pic_nPenStyle(8)");
    EXPECT_EQ(f.cbo_x_nPenStyle.list_index, 0);
    EXPECT_EQ(f.cbo_sun_ly.list_index, 0);
    // 「文字種　10」 with half-width digits picks the tenth size of each header line, and
    // Jw_cad's MOJINO the third for the dimensions.
    EXPECT_EQ(f.cbo_hm_cn.text, "文字種　10");
    EXPECT_EQ(f.header.KigouMojiW, 10);
    EXPECT_EQ(f.header.KigouMojiD, 1);
    EXPECT_EQ(f.header.SunpouMojiW, 3);
    EXPECT_TRUE(w.dialogs.shown().empty());
}

TEST(FrmMainStartup, WithoutTheHeaderTheProgramEndsNamingTheFile) {
    Window w;
    std::filesystem::remove(w.dir.file("TEMP.TXT"));
    FrmMain& f = w.start();
    EXPECT_TRUE(f.closed);
    ASSERT_EQ(w.dialogs.shown().size(), 1u);
    EXPECT_NE(w.dialogs.last().text.find("TEMP.TXT"), std::string::npos);
    EXPECT_EQ(w.dialogs.last().title, "quornel");
}

// The user clicked crossings in Jw_cad: the caption says how many places 「作図」 draws, so
// the user sees that they arrived; a point quornel cannot place ends the start like a
// damaged header, naming the line, and nothing is drawn.
TEST(FrmMainStartup, TheCaptionCountsTheCrossings) {
    const std::string header = test_header();
    const std::size_t lg = header.find("lg0");
    Window w;
    w.dir.write("TEMP.TXT", header.substr(0, lg) + "hp1 1000 0\r\nhp2- 0 -2000\r\n" +
                                "hp3 1000 0\r\nhp4 3000 3000\r\n" + header.substr(lg));
    EXPECT_EQ(w.start().form.caption, "quornel（4 か所）");

    Window bad;
    bad.dir.write("TEMP.TXT",
                  header.substr(0, lg) + "hp1 1000 0\r\nhp2ln 5 5\r\n" + header.substr(lg));
    EXPECT_TRUE(bad.start().closed);
    ASSERT_EQ(bad.dialogs.shown().size(), 1u);
    EXPECT_NE(bad.dialogs.last().text.find("TEMP.TXT の 10 行目「hp2ln 5 5」"), std::string::npos)
        << bad.dialogs.last().text;
}

// Each line of quornel.dat fills the boxes its row of the file's layout names, and is stored
// back from the box whose list it is.
TEST(FrmMainStartup, EachPickListLineFillsTheBoxesOfItsRowAndIsStoredBackFromThem) {
    Window w;
    std::string file;
    std::vector<std::vector<std::string>> lines;
    for (const ListDataLine& row : list_data_layout()) {
        std::vector<std::string> entries;
        file += std::string(row.key) + ",";
        for (int e = 0; e < row.entries; ++e) {
            entries.push_back(std::to_string(100 * (lines.size() + 1) + e));
            file += entries.back() + ",";
        }
        file += "\r\n";
        lines.push_back(entries);
    }
    w.dir.write("quornel.dat", file);
    FrmMain& f = w.start();
    EXPECT_TRUE(w.dialogs.shown().empty());
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const ListDataLine& row = list_data_layout()[n];
        std::vector<std::string> names = {row.box};
        names.insert(names.end(), row.shared_by.begin(), row.shared_by.end());
        for (const std::string& name : names) {
            const Control* c = f.find_control(ref(name).name, ref(name).index);
            ASSERT_TRUE(c && c->kind == ControlKind::ComboBox) << row.key << ": " << name;
            EXPECT_EQ(w.box(name).items, lines[n]) << row.key << ": " << name;
        }
    }
    std::filesystem::remove(w.dir.file("quornel.dat"));
    ASSERT_TRUE(f.ListDataSave());
    EXPECT_EQ(w.dir.read("quornel.dat"), file);
}

TEST(FrmMainStartup, AMissingOrShortPickListFileKeepsListsButClearsTheBoxes) {
    Window w;
    std::filesystem::remove(w.dir.file("quornel.dat"));
    FrmMain& f = w.start();
    EXPECT_FALSE(f.closed);
    ASSERT_EQ(w.dialogs.shown().size(), 1u);
    EXPECT_NE(w.dialogs.last().text.find("quornel.dat"), std::string::npos);
    EXPECT_TRUE(w.box("cboHsnXG").items.empty());
    EXPECT_EQ(w.text("cboHasiraKigou"), "C1");

    // Three lines only: those lists load, the others stay, every box is cleared.
    Window s;
    const std::string full = shipped_lists();
    std::size_t cut = 0;
    for (int i = 0; i < 3; ++i) cut = full.find("\r\n", cut) + 2;
    s.dir.write("quornel.dat", full.substr(0, cut));
    s.start();
    EXPECT_EQ(s.dialogs.shown().size(), 1u);
    EXPECT_EQ(s.box("cboHasiraKigou").items.size(), 10u);
    EXPECT_TRUE(s.box("cboHsnXU_0").items.empty());
    EXPECT_EQ(s.text("cboKabeSunUp(2)"), "0");
}

TEST(FrmMainInventory, EveryControlIsNamedOnceAndSitsInAContainerThatExists) {
    Window w;
    FrmMain& f = w.start();
    std::set<std::string> seen;
    std::set<std::string> containers = {"frmMain", "SSTab1", "Frame1",  "Frame2",
                                        "Frame3",  "Frame4", "Picture2"};
    for (const Control* c : f.controls()) {
        const std::string key = to_string({c->name, c->index});
        EXPECT_TRUE(seen.insert(key).second) << key << " twice";
        EXPECT_TRUE(containers.count(c->container)) << key << " in " << c->container;
        EXPECT_EQ(f.find_control(c->name, c->index), c) << key;
    }
    // A few of each kind, as designed.
    EXPECT_TRUE(seen.count("optSunpoIti(1)") && !seen.count("optSunpoIti(0)"));
    EXPECT_TRUE(seen.count("Line35") && seen.count("Line58") && !seen.count("Line59"));
    EXPECT_TRUE(seen.count("SSTab1(1)"));
    EXPECT_TRUE(seen.count("cboKabeSunDOWN(4)") && seen.count("dotKabeLeft(6)"));
    EXPECT_EQ(f.lbl_hasira_s.caption, "柱・壁 配置");
    EXPECT_EQ(f.cmdClose.caption, "キャンセル");
    EXPECT_EQ(f.cmdS_hozon.caption, "基本設定保存");
    EXPECT_EQ(f.cbo_h_ly.items.size(), 16u);
    EXPECT_EQ(f.cbo_h_ly.items[10], "レイヤー　Ａ");
    EXPECT_EQ(f.cbo_h_nPenStyle.items[4], "一点鎖　１");
    EXPECT_EQ(f.cbo_hm_cn.items[8], "文字種　９");
    EXPECT_EQ(f.SSTab1.tabs, (std::vector<std::string>{"作図", "基本設定"}));
    // Every combo box of the model is 300 twips high; the wall boxes 735 wide.
    for (const Control* c : f.controls()) {
        if (c->kind == ControlKind::ComboBox || c->kind == ControlKind::DropDownList) {
            EXPECT_EQ(c->rect.height, 300) << c->name;
        }
    }
    EXPECT_EQ(w.box("cboKabeSunUp(0)").rect.width, 735);
    // The hidden stores stay hidden.
    EXPECT_FALSE(f.is_shown(f.img_botanD[4]));
    EXPECT_FALSE(f.is_shown(f.Command1[0]));
    EXPECT_EQ(f.pic_nPenStyle[8].picture, "pic_nPenStyle(8)");
}

TEST(FrmMainFocus, TheTabPagesMoveTheFocusAndHideTheOtherPage) {
    Window w;
    FrmMain& f = w.start();
    ASSERT_EQ(w.click("SSTab1(1)"), ActResult::Done);
    EXPECT_EQ(f.SSTab1.tab, 1);
    EXPECT_EQ(to_string(f.focus()), "cbo_h_ly");
    // Tab 0 is out of reach while tab 1 shows.
    EXPECT_EQ(w.type("cboHsnXG", "600"), ActResult::Refused);
    EXPECT_EQ(w.click("cmdSakuzu"), ActResult::Refused);
    EXPECT_EQ(w.choose("cbo_x_ly", 3), ActResult::Done);
    EXPECT_EQ(f.cbo_x_ly.text, "レイヤー　３");
    // A drop-down list cannot be typed into; an entry beyond the list cannot be chosen.
    EXPECT_EQ(w.type("cbo_x_ly", "レイヤー　５"), ActResult::Refused);
    EXPECT_EQ(w.choose("cbo_x_ly", 16), ActResult::Refused);
    EXPECT_EQ(f.cbo_x_ly.list_index, 3);

    ASSERT_EQ(w.click("SSTab1(0)"), ActResult::Done);
    EXPECT_EQ(to_string(f.focus()), "cboM_h");
    // Hidden boxes take no input.
    EXPECT_EQ(w.type("cboHsnXM(0)", "5"), ActResult::Refused);
    EXPECT_EQ(w.click("img_botanU(2)"), ActResult::Refused);
}

TEST(FrmMainFocus, LeavingABoxForAnotherControlValidatesIt) {
    Window w;
    FrmMain& f = w.start();
    // The shape images take no focus: the total typed stays unconfirmed.
    ASSERT_EQ(w.type("cboHsnXG", "600"), ActResult::Done);
    ASSERT_EQ(w.click("img_hasira_s(4)"), ActResult::Done);
    EXPECT_FALSE(w.box("cboHsnXU_0").enabled);
    // Clicking into another box is leaving the first one.
    ASSERT_EQ(w.type("cboHsnYG", "-5"), ActResult::Done);
    EXPECT_TRUE(w.box("cboHsnXU_0").enabled);
    EXPECT_EQ(w.box("cboHsnXG").items.front(), "600");
    // So is a click on a button.
    ASSERT_EQ(w.click("cmdWriHX"), ActResult::Done);
    EXPECT_EQ(w.text("cboHsnYG"), "0");
    EXPECT_EQ(w.text("cboHsnXU_0"), "300");
    EXPECT_EQ(to_string(f.focus()), "cmdWriHX");
    // Enter keeps the focus in the box and validates it in place.
    ASSERT_EQ(w.type("cboHsnXG", "455"), ActResult::Done);
    ASSERT_EQ(w.enter("cboHsnXG"), ActResult::Done);
    EXPECT_EQ(w.text("cboHsnXU_0"), "0");
    ASSERT_EQ(w.enter("cmdWriHX"), ActResult::Done);
    EXPECT_EQ(w.text("cboHsnXU_0"), "227.5");
    EXPECT_EQ(w.text("cboHsnXU_1"), "227.5");
}

TEST(FrmMainPens, ChoosingAColourOrLineTypeShowsItsSampleOnly) {
    Window w;
    FrmMain& f = w.start();
    w.click("SSTab1(1)");
    ASSERT_EQ(w.choose("cbo_x_nPenColor", 1), ActResult::Done);
    EXPECT_EQ(f.pic_S_PenColor[1].picture, "pic_nPenColor(1)");
    ASSERT_EQ(w.choose("cbo_kh_nPenStyle", 8), ActResult::Done);
    EXPECT_EQ(f.pic_S_PenStyle[3].picture, "pic_nPenStyle(8)");
    w.choose("cbo_kh_ly", 15);
    EXPECT_EQ(f.pic_S_PenStyle[3].picture, "pic_nPenStyle(8)");
    EXPECT_EQ(f.pic_S_PenColor[3].picture, "pic_nPenColor(0)");

    // A list without a selection shows no sample and crashes nothing.
    f.set_list_index(f.cbo_h_nPenColor, -1);
    EXPECT_EQ(f.pic_S_PenColor[0].picture, "");
    EXPECT_EQ(f.cbo_h_nPenColor.text, "");
}

TEST(FrmMainPens, ANewSymbolTextTypeRereadsTheHeader) {
    Window w;
    FrmMain& f = w.start();
    w.click("SSTab1(1)");
    ASSERT_EQ(w.choose("cbo_hm_cn", 4), ActResult::Done);
    EXPECT_EQ(f.header.KigouMojiW, 3);
    EXPECT_EQ(f.header.KigouMojiD, 0.5);

    // Jw_cad's file is read again, not a copy.
    std::string changed = test_header();
    changed.replace(changed.find("hcw 2 2.5 3 4 3"), 15, "hcw 2 2.5 3 4 7");
    w.dir.write("TEMP.TXT", changed);
    ASSERT_EQ(w.choose("cbo_hm_cn", 4), ActResult::Done);
    EXPECT_EQ(f.header.KigouMojiW, 7);
    EXPECT_EQ(f.header_buffer(), changed);

    // When the file has gone, the old type and its sizes stay, and the user hears why.
    std::filesystem::remove(w.dir.file("TEMP.TXT"));
    ASSERT_EQ(w.choose("cbo_hm_cn", 1), ActResult::Done);
    EXPECT_EQ(f.cbo_hm_cn.list_index, 4);
    EXPECT_EQ(f.cbo_hm_cn.text, "文字種　５");
    EXPECT_EQ(f.header.KigouMojiW, 7);
    EXPECT_EQ(f.header_buffer(), changed);
    ASSERT_EQ(w.dialogs.shown().size(), 1u);
    EXPECT_NE(w.dialogs.last().text.find("TEMP.TXT"), std::string::npos);
    EXPECT_NE(w.dialogs.last().text.find("文字種　５"), std::string::npos);
}

}  // namespace
}  // namespace quornel::frm_test
