// The settings commands: 「基本設定保存」, both 「リセット」 buttons.
#include "frm_main_fixture.h"
#include "settings/registry_settings.h"

namespace quornel::frm_test {
namespace {

std::optional<std::uint32_t> saved_dword(Registry& r, const char* name) {
    const auto data = r.query(kSetteiKey, name);
    if (!data || data->type != kRegDword || data->bytes.size() != 4) return std::nullopt;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(data->bytes[i]);
    return v;
}

TEST(FrmMainSettings, SavedChoicesAreTheNextStartsChoices) {
    Window w;
    FrmMain& f = w.start();
    w.click("SSTab1(1)");
    w.choose("cbo_h_ly", 15);
    w.choose("cbo_x_nPenColor", 5);
    w.choose("cbo_kh_nPenStyle", 6);
    w.choose("cbo_hm_cn", 9);
    f.set_list_index(f.cbo_sun_ly, -1);  // a list left without a selection
    ASSERT_EQ(w.click("cmdS_hozon"), ActResult::Done);
    ASSERT_EQ(w.dialogs.shown().size(), 1u);
    EXPECT_EQ(w.dialogs.last().text, "デフォルトに設定しました。");
    EXPECT_EQ(w.dialogs.last().title, "設定保存");
    EXPECT_EQ(w.dialogs.last().buttons, DialogButtons::Ok);

    EXPECT_EQ(saved_dword(w.registry(), "IHasira_ly"), 15u);
    EXPECT_EQ(saved_dword(w.registry(), "XHasira_pc"), 5u);
    EXPECT_EQ(saved_dword(w.registry(), "KHasira_ps"), 6u);
    EXPECT_EQ(saved_dword(w.registry(), "Kigou_cn"), 9u);
    EXPECT_EQ(saved_dword(w.registry(), "Kabe_ly"), 0u);
    EXPECT_EQ(saved_dword(w.registry(), "Sunpou_ly"), 0xFFFFFFFFu);  // -1, all bits set
    for (const SetteiPick& pick : kSetteiPicks) {
        EXPECT_TRUE(saved_dword(w.registry(), pick.value_name).has_value()) << pick.value_name;
    }

    FrmMain& again = w.start();
    EXPECT_EQ(again.cbo_h_ly.text, "レイヤー　Ｆ");
    EXPECT_EQ(again.pic_S_PenColor[1].picture, "pic_nPenColor(5)");
    EXPECT_EQ(again.pic_S_PenStyle[3].picture, "pic_nPenStyle(6)");
    EXPECT_EQ(again.cbo_hm_cn.list_index, 9);
    EXPECT_EQ(again.header.KigouMojiW, 10);
    EXPECT_EQ(again.cbo_sun_ly.list_index, 0);
}

// A registry that refuses every write, as a locked-down account does.
class ReadOnlyRegistry : public Registry {
  public:
    std::optional<RegData> query(std::string_view, std::string_view) override {
        return std::nullopt;
    }
    bool set(std::string_view, std::string_view, const RegData&) override { return false; }
    bool delete_key(std::string_view, std::string_view) override { return false; }
    bool key_exists(std::string_view) override { return false; }
};

TEST(FrmMainSettings, AFailedSaveIsReportedNotConfirmed) {
    Window w;
    ReadOnlyRegistry registry;
    FrmMain f(FrmMainEnv{w.fs(), registry, w.dialogs, w.dir.path()});
    f.Form_Load();
    f.user_click(ref("SSTab1(1)"));
    f.user_click(ref("cmdS_hozon"));
    ASSERT_EQ(w.dialogs.shown().size(), 1u);
    EXPECT_NE(w.dialogs.last().text, "デフォルトに設定しました。");
    EXPECT_NE(w.dialogs.last().text.find("保存できませんでした"), std::string::npos);
    EXPECT_EQ(w.dialogs.last().title, "quornel");
}

TEST(FrmMainSettings, TabOneResetAsksAndThenSelectsTheFirstEntries) {
    Window w;
    w.set_dword(kSetteiKey, "Kabe_pc", 4);
    FrmMain& f = w.start();
    w.click("SSTab1(1)");
    w.choose("cbo_h_nPenStyle", 3);
    w.choose("cbo_hm_cn", 4);
    w.choose("cbo_nuri_nPenColor", 3);
    w.choose("cbo_nuri_kabe", 2);
    w.choose("cbo_nuri_pitch", 3);
    const std::string registry = w.dir.read("registry.reg");

    w.dialogs.answer(DialogAnswer::No);
    w.click("cmdS_reset");
    EXPECT_EQ(w.dialogs.last().text, "リセットしてよろしいですか？");
    EXPECT_EQ(w.dialogs.last().title, "設定リセット");
    EXPECT_EQ(w.dialogs.last().buttons, DialogButtons::YesNo);
    EXPECT_EQ(w.dialogs.last().icon, DialogIcon::None);
    EXPECT_EQ(f.cbo_h_nPenStyle.list_index, 3);
    EXPECT_EQ(f.cbo_k_nPenColor.list_index, 4);

    w.dialogs.answer(DialogAnswer::Yes);
    w.click("cmdS_reset");
    for (ComboBox* list : {&f.cbo_h_nPenStyle, &f.cbo_k_nPenColor, &f.cbo_hm_cn, &f.cbo_sun_ly,
                           &f.cbo_nuri_nPenColor, &f.cbo_nuri_kabe, &f.cbo_nuri_pitch}) {
        EXPECT_EQ(list->list_index, 0) << list->name;
    }
    EXPECT_EQ(f.cbo_nuri_kabe.text, "なし");
    EXPECT_EQ(f.pic_S_PenStyle[0].picture, "pic_nPenStyle(0)");
    EXPECT_EQ(f.pic_S_PenColor[2].picture, "pic_nPenColor(0)");
    EXPECT_EQ(f.pic_S_PenColor[5].picture, "pic_nPenColor(0)");
    EXPECT_EQ(f.header.KigouMojiW, 2);                // text type 1 again, read from the header
    EXPECT_EQ(w.dir.read("registry.reg"), registry);  // saved only by 基本設定保存
}

TEST(FrmMainSettings, TabZeroResetClearsWithTheDefaultListsAndStartsAfresh) {
    Window w;
    w.dir.write("quornel_d.dat", shipped_lists_with({{"HasiraX2_List", "910,920,930,940,950,"}}));
    w.set_dword(kSetteiKey, "IHasira_ly", 7);
    FrmMain& f = w.start();
    w.set("cboHsnXG", "600");
    w.click("img_hasira_s(8)");
    w.click("optSin(1)");
    w.click("optSunpoIti(1)");
    w.click("optHasiraMoji(2)");
    w.click("SSTab1(1)");
    w.choose("cbo_h_ly", 2);  // not saved
    w.click("SSTab1(0)");

    w.dialogs.answer(DialogAnswer::No);
    w.click("cmdReset");
    EXPECT_EQ(w.dialogs.last().text, "クリアしてよろしいですか？");
    EXPECT_EQ(w.dialogs.last().title, "設定リセット");
    EXPECT_EQ(w.text("cboHsnXG"), "600");
    EXPECT_EQ(f.state.hasira_sd, 8);
    EXPECT_EQ(f.UseDefaultLists, 0);

    w.dialogs.answer(DialogAnswer::Yes);
    w.click("cmdReset");
    EXPECT_EQ(w.dialogs.shown().size(), 2u);
    EXPECT_EQ(f.UseDefaultLists, 1);
    EXPECT_EQ(w.text("cboHsnXG"), "0");
    EXPECT_EQ(w.box("cboHsnXG").items,
              (std::vector<std::string>{"910", "920", "930", "940", "950"}));
    EXPECT_FALSE(w.box("cboHsnXU_0").enabled);
    EXPECT_EQ(f.state.hasira_sd, 4);
    EXPECT_EQ(f.column.img_hasira_s[4].picture, "img_botanD(4)");
    EXPECT_EQ(f.column.img_hasira_s[8].picture, "img_botanU(8)");
    // The positions that will be drawn are the ones shown.
    EXPECT_EQ(f.SunpoIti_d, 4);
    EXPECT_TRUE(f.optSunpoIti(4).value);
    EXPECT_FALSE(f.optSunpoIti(1).value);
    EXPECT_EQ(f.HasiraIti_d, 4);
    EXPECT_TRUE(f.optHasiraMoji[4].value);
    // 柱芯/壁芯 keeps its choice; tab 1 shows the saved settings again.
    EXPECT_TRUE(f.optSin[1].value);
    EXPECT_EQ(f.state.optSin_d, 1);
    EXPECT_EQ(f.cbo_h_ly.list_index, 7);

    // The next completed drawing stores the default lists.
    w.set("cboHsnXG", "800");
    w.click("cmdWriHX");
    w.set("cboHsnYG", "800");
    w.click("cmdWriHY");
    w.click("cmdSakuzu");
    ASSERT_TRUE(f.closed) << (w.dialogs.shown().empty() ? "" : w.dialogs.last().text);
    EXPECT_NE(w.dir.read("quornel.dat").find("HasiraX2_List,800,910,920,930,940,\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace quornel::frm_test

namespace quornel::frm_test {
namespace {

TEST(FrmMainSettings, TabZeroResetWithoutTheHeaderKeepsTheOneReadAtStartUp) {
    Window w;
    w.set_dword(kSetteiKey, "Kigou_cn", 4);
    FrmMain& f = w.start();
    w.click("SSTab1(1)");
    w.choose("cbo_hm_cn", 9);  // 「文字種　10」, not saved
    w.click("SSTab1(0)");
    w.set("cboM_h", "20");
    std::filesystem::remove(w.dir.file("TEMP.TXT"));
    w.dialogs.answer(DialogAnswer::Yes);
    w.click("cmdReset");
    EXPECT_FALSE(f.closed);
    ASSERT_EQ(w.dialogs.shown().size(), 2u);
    EXPECT_NE(w.dialogs.last().text.find("TEMP.TXT"), std::string::npos);
    EXPECT_EQ(f.header_buffer(), test_header());
    // The sizes kept are those of 「文字種　10」, and so is the choice shown.
    EXPECT_EQ(f.header.KigouMojiW, 10);
    EXPECT_EQ(f.cbo_hm_cn.text, "文字種　10");
    EXPECT_EQ(w.text("cboM_h"), "0");
}

}  // namespace
}  // namespace quornel::frm_test
