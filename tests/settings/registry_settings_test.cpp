// quornel's settings in the registry, run against every registry backend: what a user
// finds after a fresh install, after Jw_cad stored its dimension settings either way, and
// after 「基本設定保存」.
#include <gtest/gtest.h>

#include "settings/registry_settings.h"
#include "settings/registry_values.h"
#include "support/test_registry.h"

namespace quornel {
namespace {

using test::dword_data;
using test::sz_data;

class RegistrySettings : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override { backend_ = test::make_test_registry(GetParam()); }
    Registry& reg() { return backend_->registry(); }
    std::unique_ptr<test::TestRegistry> backend_;
};

TEST_P(RegistrySettings, FreshInstallGivesTheDefaults) {
    DimensionSettings s = SunpoLoad(reg());
    EXPECT_EQ(s.HANARE, 0.5);
    EXPECT_EQ(s.TENColor, 0);
    EXPECT_EQ(s.MOJINO, 1);
    EXPECT_EQ(s.SENColor, 1);
    EXPECT_EQ(s.HIKIDASHIColor, 1);
    EXPECT_EQ(s.SUNPOSEN1, 10);
    EXPECT_EQ(s.SUNPOSEN2, 5);
    EXPECT_EQ(s.HIKIDASHI2, 1);
    EXPECT_EQ(s.ShowComma, 1);
    std::array<int, kSetteiValues> first{};
    EXPECT_EQ(SetteiLoad(reg()), first);
}

TEST_P(RegistrySettings, JwCadValuesStoredAsTextOrDwordReadAlike) {
    ASSERT_TRUE(reg().set(kSunpoKey, "SUNPOSEN1", sz_data(std::string("7.5\0", 4))));
    ASSERT_TRUE(reg().set(kSunpoKey, "SUNPOSEN2", dword_data(7)));
    ASSERT_TRUE(reg().set(kSunpoKey, "HANARE", sz_data(std::string("0.5\0", 4))));
    ASSERT_TRUE(reg().set(kSunpoKey, "MOJINO", sz_data(std::string("3\0", 2))));
    ASSERT_TRUE(reg().set(kSunpoKey, "TENColor", dword_data(5)));
    ASSERT_TRUE(reg().set(kSunpoKey, "ShowComma", dword_data(0)));
    DimensionSettings s = SunpoLoad(reg());
    EXPECT_EQ(s.SUNPOSEN1, 7.5);
    EXPECT_EQ(s.SUNPOSEN2, 7);
    EXPECT_EQ(s.HANARE, 0.5);
    EXPECT_EQ(s.MOJINO, 3);
    EXPECT_EQ(s.TENColor, 5);
    EXPECT_EQ(s.ShowComma, 0);

    // The same number either way once the caller converts it.
    RegVariant as_dword = GetRegValue(reg(), kSunpoKey, "SUNPOSEN2", {});
    ASSERT_TRUE(reg().set(kSunpoKey, "SUNPOSEN2", sz_data(std::string("7\0", 2))));
    RegVariant text = GetRegValue(reg(), kSunpoKey, "SUNPOSEN2", {});
    EXPECT_EQ(as_dword.kind, RegVariant::Kind::Long);
    EXPECT_EQ(as_dword.number, 7);
    EXPECT_EQ(text.kind, RegVariant::Kind::String);
    EXPECT_EQ(SunpoLoad(reg()).SUNPOSEN2, 7);
    EXPECT_EQ(text.text, "7");
}

TEST_P(RegistrySettings, TextIsCutAtTheFirstNul) {
    ASSERT_TRUE(reg().set(kSunpoKey, "HANARE", sz_data(std::string("2.5\0\0\0", 6))));
    ASSERT_TRUE(reg().set(kSunpoKey, "HIKIDASHI2",
                          sz_data(std::string("3\0"
                                              "99\0",
                                              5))));
    EXPECT_EQ(GetRegValue(reg(), kSunpoKey, "HANARE", {}).text, "2.5");
    DimensionSettings s = SunpoLoad(reg());
    EXPECT_EQ(s.HANARE, 2.5);
    EXPECT_EQ(s.HIKIDASHI2, 3);
}

TEST_P(RegistrySettings, DwordWithAllBitsSetIsUnsigned) {
    ASSERT_TRUE(reg().set(kSunpoKey, "TENColor", dword_data(0xFFFFFFFF)));
    ASSERT_TRUE(reg().set(kSunpoKey, "MOJINO", dword_data(0x80000000)));
    RegVariant v = GetRegValue(reg(), kSunpoKey, "TENColor", RegVariant::integer(0));
    EXPECT_EQ(v.number, 4294967295.0);
    // Too large for a Long: counts as missing instead of stopping the program.
    DimensionSettings s = SunpoLoad(reg());
    EXPECT_EQ(s.TENColor, 0);
    EXPECT_EQ(s.MOJINO, 1);
}

TEST_P(RegistrySettings, UnusableValuesFallBackToTheDefault) {
    ASSERT_TRUE(reg().set(kSunpoKey, "HANARE", sz_data(std::string("abc\0", 4))));
    ASSERT_TRUE(reg().set(kSunpoKey, "SUNPOSEN1", RegData{kRegBinary, "\x01\x02"}));
    ASSERT_TRUE(reg().set(kSunpoKey, "SENColor", sz_data(std::string("2147483648\0", 11))));
    ASSERT_TRUE(reg().set(kSunpoKey, "SUNPOSEN2", sz_data(std::string("\0", 1))));
    ASSERT_TRUE(reg().set(kSunpoKey, "HIKIDASHIColor", RegData{kRegDword, "\x05\x00"}));
    DimensionSettings s = SunpoLoad(reg());
    EXPECT_EQ(s.HANARE, 0.5);
    EXPECT_EQ(s.SUNPOSEN1, 10);
    EXPECT_EQ(s.SENColor, 1);
    EXPECT_EQ(s.SUNPOSEN2, 5);
    EXPECT_EQ(s.HIKIDASHIColor, 1);
}

TEST_P(RegistrySettings, SavedPenSettingsComeBackAtTheNextStart) {
    std::array<int, kSetteiValues> chosen = {3, 1,  2, 15, 5,  8, 0, 4, 7, 9, 2,
                                             1, 11, 9, 6,  10, 3, 8, 2, 1, 3};
    for (int i = 0; i < kSetteiValues; ++i)
        ASSERT_TRUE(SetRegValue(reg(), kSetteiKey, kSetteiPicks[i].value_name,
                                RegVariant::integer(chosen[i])));
    auto stored = reg().query(kSetteiKey, "Kigou_cn");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, kRegDword);
    EXPECT_EQ(SetteiLoad(reg()), chosen);
}

TEST_P(RegistrySettings, PositionOutsideItsListSelectsTheFirstEntry) {
    // A list saved with nothing selected stores -1 with all bits set.
    ASSERT_TRUE(SetRegValue(reg(), kSetteiKey, "IHasira_ly", RegVariant::integer(-1)));
    auto stored = reg().query(kSetteiKey, "IHasira_ly");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, kRegDword);
    EXPECT_EQ(stored->bytes, std::string("\xFF\xFF\xFF\xFF"));
    EXPECT_EQ(GetRegValue(reg(), kSetteiKey, "IHasira_ly", {}).number, 4294967295.0);

    ASSERT_TRUE(
        SetRegValue(reg(), kSetteiKey, "IHasira_pc", RegVariant::integer(5)));  // last colour
    ASSERT_TRUE(
        SetRegValue(reg(), kSetteiKey, "XHasira_pc", RegVariant::integer(6)));  // one past it
    ASSERT_TRUE(SetRegValue(reg(), kSetteiKey, "Kigou_cn", RegVariant::integer(10)));
    ASSERT_TRUE(SetRegValue(reg(), kSetteiKey, "Sunpou_ly", RegVariant::string("15")));
    auto positions = SetteiLoad(reg());
    EXPECT_EQ(positions[0], 0);
    EXPECT_EQ(positions[1], 5);
    EXPECT_EQ(positions[4], 0);
    EXPECT_EQ(positions[13], 0);
    EXPECT_EQ(positions[14], 15);
    // The fill lists are as long as their tables: 「斜線」 is the last kind, 「3 mm」 the last
    // pitch.
    ASSERT_TRUE(SetRegValue(reg(), kSetteiKey, "Nuri_Hasira", RegVariant::integer(2)));
    ASSERT_TRUE(SetRegValue(reg(), kSetteiKey, "Nuri_Kabe", RegVariant::integer(3)));
    ASSERT_TRUE(SetRegValue(reg(), kSetteiKey, "Nuri_Pitch", RegVariant::integer(3)));
    positions = SetteiLoad(reg());
    EXPECT_EQ(positions[18], 2);
    EXPECT_EQ(positions[19], 0);
    EXPECT_EQ(positions[20], 3);
}

TEST_P(RegistrySettings, KeyAndValueNamesIgnoreLetterCase) {
    ASSERT_TRUE(reg().set("SOFTWARE\\norvale\\QUORNEL\\settei", "kigou_LY", dword_data(4)));
    ASSERT_TRUE(
        reg().set("software\\JW_CAD\\Jw_Win\\sunpo", "hanare", sz_data(std::string("1.5\0", 4))));
    EXPECT_EQ(SetteiLoad(reg())[12], 4);
    EXPECT_EQ(SunpoLoad(reg()).HANARE, 1.5);
    EXPECT_TRUE(reg().key_exists("Software\\Norvale\\quornel\\SETTEI"));
}

TEST_P(RegistrySettings, JapaneseTextRoundTripsThroughTheAnsiCodePage) {
    ASSERT_TRUE(
        SetRegValue(reg(), "Software\\Norvale\\quornel", "Memo", RegVariant::string("柱記号Ｃ１")));
    auto stored = reg().query("Software\\Norvale\\quornel", "Memo");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, kRegSz);
    EXPECT_EQ(stored->bytes, std::string("\x92\x8C\x8B\x4C\x8D\x86\x82\x62\x82\x50\0", 11));
    RegVariant back = GetRegValue(reg(), "Software\\Norvale\\quornel", "Memo", {});
    EXPECT_EQ(back.kind, RegVariant::Kind::String);
    EXPECT_EQ(back.text, "柱記号Ｃ１");
}

TEST_P(RegistrySettings, TextTheCodePageCannotHoldIsRefused) {
    EXPECT_FALSE(SetRegValue(reg(), "Software\\Norvale\\quornel", "Memo",
                             RegVariant::string("柱\xF0\x9F\x98\x80")));
    EXPECT_FALSE(reg().query("Software\\Norvale\\quornel", "Memo"));
}

TEST_P(RegistrySettings, ValueKindDecidesTheStoredType) {
    const char* key = "Software\\Norvale\\quornel";
    ASSERT_TRUE(SetRegValue(reg(), key, "b", RegVariant::boolean(true)));
    ASSERT_TRUE(SetRegValue(reg(), key, "d", RegVariant::real(0.25)));
    ASSERT_TRUE(SetRegValue(reg(), key, "bin", RegVariant::bytes(std::string("\x00\x7F\xFF", 3))));
    EXPECT_EQ(reg().query(key, "b")->bytes, "\xFF\xFF\xFF\xFF");
    EXPECT_EQ(reg().query(key, "d")->type, kRegSz);
    EXPECT_EQ(reg().query(key, "d")->bytes, std::string("0.25\0", 5));
    EXPECT_EQ(reg().query(key, "bin")->type, kRegBinary);
    EXPECT_EQ(reg().query(key, "bin")->bytes, std::string("\x00\x7F\xFF", 3));
    // A binary value is of no use to a reader that wants a number or a text.
    EXPECT_EQ(GetRegValue(reg(), key, "bin", RegVariant::integer(7)).number, 7);
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistrySettings, ::testing::ValuesIn(test::registry_backends()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace quornel
