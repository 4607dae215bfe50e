// Registry values quornel did not write itself: Jw_cad's dimension settings and quornel's
// pen settings holding a type or a value they should not, and a registry file someone
// damaged. The window starts with the defaults for what it cannot use, draws, and never
// loses or rewrites a value it did not mean to change.
#include <gtest/gtest.h>

#include <fstream>

#include "fault_fixture.h"

namespace quornel::faults {
namespace {

void put_registry(FaultyWindow& w, const std::string& text) {
    std::ofstream out(w.config_dir() / "registry.reg", std::ios::binary | std::ios::trunc);
    out << text;
    ASSERT_TRUE(out.good());
}

const char* const kOddTypes =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Jw_cad\\jw_win\\SUNPO]\r\n"
    "\"HANARE\"=hex:01,02\r\n"                          // binary
    "\"TENColor\"=\"x\"\r\n"                            // text, not a number
    "\"MOJINO\"=hex(b):02,00,00,00,00,00,00,00\r\n"     // QWORD
    "\"SENColor\"=dword:ffffffff\r\n"                   // does not fit a Long
    "\"SUNPOSEN1\"=hex(7):31,00,30,00,00,00,00,00\r\n"  // multi-string
    "\"SUNPOSEN2\"=\"\"\r\n"                            // empty text
    "\"ShowComma\"=\"1,5\"\r\n"                         // comma as decimal point
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Norvale\\quornel\\SETTEI]\r\n"
    "\"IHasira_pc\"=hex:05\r\n"
    "\"IHasira_ps\"=hex(b):03,00,00,00,00,00,00,00\r\n"
    "\"XHasira_ly\"=hex(7):61,00,00,00,00,00\r\n"
    "\"XHasira_pc\"=\"abc\"\r\n"
    "\"Kabe_ly\"=dword:ffffffff\r\n"
    "\"Kigou_cn\"=dword:00000063\r\n"
    "\"Sunpou_ly\"=hex(2):25,00,58,00,25,00,00,00\r\n"
    "\"KHasira_ly\"=dword:00000005\r\n";

TEST(RegistryFaults, ValuesOfAnUnexpectedTypeGiveTheDefaultsAndAreKept) {
    FaultyWindow w;
    put_registry(w, kOddTypes);
    const Snapshot before = snapshot(w.dir.path());

    FrmMain& f = w.start();

    ASSERT_FALSE(f.closed) << ::testing::PrintToString(w.take_messages());
    const DimensionSettings defaults;
    EXPECT_EQ(f.sunpo.HANARE, defaults.HANARE);
    EXPECT_EQ(f.sunpo.TENColor, defaults.TENColor);
    EXPECT_EQ(f.sunpo.MOJINO, defaults.MOJINO);
    EXPECT_EQ(f.sunpo.SENColor, defaults.SENColor);
    EXPECT_EQ(f.sunpo.SUNPOSEN1, defaults.SUNPOSEN1);
    EXPECT_EQ(f.sunpo.SUNPOSEN2, defaults.SUNPOSEN2);
    EXPECT_EQ(f.sunpo.ShowComma, defaults.ShowComma);
    for (const ComboBox* box : {&f.cbo_h_nPenColor, &f.cbo_h_nPenStyle, &f.cbo_x_ly,
                                &f.cbo_x_nPenColor, &f.cbo_k_ly, &f.cbo_hm_cn, &f.cbo_sun_ly}) {
        EXPECT_EQ(box->list_index, 0) << box->name;
        EXPECT_EQ(box->text, box->items.at(0)) << box->name;
    }
    EXPECT_EQ(f.cbo_kh_ly.list_index, 5);  // the one usable value is used

    // The drawing goes ahead and the registry is left as it was.
    w.enter_typical_column();
    w.click("cmdSakuzu");
    EXPECT_TRUE(f.closed) << ::testing::PrintToString(w.take_messages());
    const Snapshot after = snapshot(w.dir.path());
    EXPECT_EQ(after.at("config/registry.reg"), before.at("config/registry.reg"));
}

TEST(RegistryFaults, SavingPensKeepsEveryOtherValueOfTheRegistry) {
    FaultyWindow w;
    put_registry(w, kOddTypes);
    struct Probe {
        const char* key;
        const char* name;
    };
    const Probe others[] = {
        {"Software\\Jw_cad\\jw_win\\SUNPO", "HANARE"},
        {"Software\\Jw_cad\\jw_win\\SUNPO", "TENColor"},
        {"Software\\Jw_cad\\jw_win\\SUNPO", "MOJINO"},
        {"Software\\Jw_cad\\jw_win\\SUNPO", "SENColor"},
        {"Software\\Jw_cad\\jw_win\\SUNPO", "SUNPOSEN1"},
        {"Software\\Jw_cad\\jw_win\\SUNPO", "SUNPOSEN2"},
        {"Software\\Jw_cad\\jw_win\\SUNPO", "ShowComma"},
    };
    std::vector<std::optional<RegData>> before;
    for (const Probe& p : others) before.push_back(w.registry().query(p.key, p.name));

    w.start();
    w.click("SSTab1(1)");
    EXPECT_EQ(w.form().user_choose(ControlRef{"cbo_k_ly", -1}, 7), ActResult::Done);
    w.click("cmdS_hozon");
    EXPECT_EQ(w.take_messages(), std::vector<std::string>{"デフォルトに設定しました。"});

    for (std::size_t i = 0; i < std::size(others); ++i) {
        auto now = w.registry().query(others[i].key, others[i].name);
        ASSERT_TRUE(now.has_value() && before[i].has_value()) << others[i].name;
        EXPECT_EQ(now->type, before[i]->type) << others[i].name;
        EXPECT_EQ(now->bytes, before[i]->bytes) << others[i].name;
    }
    EXPECT_EQ(w.start().cbo_k_ly.list_index, 7);
}

TEST(RegistryFaults, ADamagedRegistryFileIsReadAsFarAsItGoesAndNeverOverwritten) {
    FaultyWindow w;
    put_registry(w,
                 "Windows Registry Editor Version 5.00\r\n"
                 "\r\n"
                 "[HKEY_CURRENT_USER\\Software\\Norvale\\quornel\\SETTEI]\r\n"
                 "\"Kabe_ly\"=dword:00000004\r\n"
                 "\"Kabe_pc\"=dword:0000zz02\r\n"
                 "[HKEY_CURRENT_USER\\Software\\Jw_cad\\jw_win\\SUNPO\r\n"
                 "\"MOJINO\"=dword:00000002\r\n");
    const Snapshot before = snapshot(w.dir.path());

    FrmMain& f = w.start();
    ASSERT_FALSE(f.closed) << ::testing::PrintToString(w.take_messages());
    EXPECT_EQ(f.cbo_k_ly.list_index, 4);
    EXPECT_EQ(f.cbo_k_nPenColor.list_index, 0);

    w.click("SSTab1(1)");
    w.click("cmdS_hozon");
    const auto messages = w.take_messages();
    ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(messages);
    EXPECT_NE(messages[0], "デフォルトに設定しました。");
    EXPECT_EQ(changed_files(before, snapshot(w.dir.path())), std::vector<std::string>{});
}

TEST(RegistryFaults, ATextTypeNumberJwCadDoesNotHaveIsNotBlamedOnTheHeader) {
    // Jw_cad has text types 1 to 10. A MOJINO of 100 cannot come from Jw_cad's own dialog;
    // quornel either starts with a usable type or says that MOJINO is the problem.
    FaultyWindow w;
    put_registry(w,
                 "Windows Registry Editor Version 5.00\r\n"
                 "\r\n"
                 "[HKEY_CURRENT_USER\\Software\\Jw_cad\\jw_win\\SUNPO]\r\n"
                 "\"MOJINO\"=dword:00000064\r\n");
    const Snapshot before = snapshot(w.dir.path());
    FrmMain& f = w.start();
    const auto messages = w.take_messages();
    if (f.closed) {
        ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(messages);
        EXPECT_TRUE(mentions(messages, "MOJINO")) << messages[0];
    } else {
        w.enter_typical_column();
        w.click("cmdSakuzu");
        EXPECT_TRUE(f.closed) << ::testing::PrintToString(w.take_messages());
    }
    EXPECT_EQ(snapshot(w.dir.path()).at("config/registry.reg"), before.at("config/registry.reg"));
}

}  // namespace
}  // namespace quornel::faults
