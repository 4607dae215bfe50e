// The uninstaller's OK button against every registry backend: what is left in the registry
// and what the user is told.
#include <gtest/gtest.h>

#include "support/add_failure.h"
#include "support/fake_dialogs.h"
#include "support/test_registry.h"
#include "uninstall/key_deletion.h"
#include "uninstall/uninstall_window.h"

namespace quornel::uninstall {
namespace {

using test::dword_data;

class Uninstall : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        backend_ = test::make_test_registry(GetParam());
        // Another program of the same maker, which must survive.
        ASSERT_TRUE(reg().set("Software\\Norvale\\other", "x", dword_data(1)));
    }
    Registry& reg() { return backend_->registry(); }
    void save_settings() {
        ASSERT_TRUE(reg().set("Software\\Norvale\\quornel\\SETTEI", "IHasira_ly", dword_data(2)));
        ASSERT_TRUE(reg().set("Software\\Norvale\\quornel\\SETTEI", "Kigou_cn", dword_data(0)));
    }
    void expect_maker_key_kept() {
        EXPECT_TRUE(reg().key_exists("Software\\Norvale"));
        EXPECT_TRUE(reg().query("Software\\Norvale\\other", "x"));
    }
    std::unique_ptr<test::TestRegistry> backend_;
    test::FakeDialogs dialogs_{test::add_failure};
};

TEST_P(Uninstall, FirstUseRemovesQuornelsKeysThenSaysSoAgain) {
    save_settings();
    Command1_Click(reg(), dialogs_);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().text, "レジストリ情報を削除しました。");
    EXPECT_EQ(dialogs_.last().title, "uninstall");
    EXPECT_EQ(dialogs_.last().buttons, DialogButtons::Ok);
    EXPECT_EQ(dialogs_.last().icon, DialogIcon::None);
    EXPECT_FALSE(reg().key_exists("Software\\Norvale\\quornel"));
    expect_maker_key_kept();

    Command1_Click(reg(), dialogs_);
    EXPECT_EQ(dialogs_.last().text, "レジストリ情報削除済です");
    expect_maker_key_kept();
}

TEST_P(Uninstall, ProductKeyWithoutSettingsIsRemovedToo) {
    ASSERT_TRUE(reg().set("Software\\Norvale\\quornel", "", dword_data(0)));
    Command1_Click(reg(), dialogs_);
    EXPECT_EQ(dialogs_.last().text, "レジストリ情報を削除しました。");
    EXPECT_FALSE(reg().key_exists("Software\\Norvale\\quornel"));
    expect_maker_key_kept();
}

TEST_P(Uninstall, KeyThatCannotGoIsNotCalledDeleted) {
    save_settings();
    ASSERT_TRUE(reg().set("Software\\Norvale\\quornel\\Plugin", "y", dword_data(1)));
    Command1_Click(reg(), dialogs_);
    EXPECT_EQ(dialogs_.last().text, kMessageNotDeleted);
    EXPECT_EQ(dialogs_.last().icon, DialogIcon::Warning);
    EXPECT_FALSE(reg().key_exists("Software\\Norvale\\quornel\\SETTEI"));
    EXPECT_TRUE(reg().query("Software\\Norvale\\quornel\\Plugin", "y"));  // plain delete only
    expect_maker_key_kept();

    // A settings key with a sub-key of its own is left whole as well.
    ASSERT_TRUE(reg().set("Software\\Norvale\\quornel\\SETTEI\\Deep", "z", dword_data(1)));
    Command1_Click(reg(), dialogs_);
    EXPECT_EQ(dialogs_.last().text, kMessageNotDeleted);
    EXPECT_TRUE(reg().query("Software\\Norvale\\quornel\\SETTEI\\Deep", "z"));
}

TEST_P(Uninstall, DeleteRegKeyIsAPlainDelete) {
    save_settings();
    EXPECT_FALSE(DeleteRegKey(reg(), "Software\\Norvale", "quornel"));  // has SETTEI below
    EXPECT_FALSE(DeleteRegKey(reg(), "Software\\Missing", "quornel"));
    EXPECT_FALSE(DeleteRegKey(reg(), "Software\\Norvale\\quornel", "nothing"));
    EXPECT_FALSE(DeleteRegKey(reg(), "Software\\Norvale\\quornel", ""));  // never the parent
    EXPECT_TRUE(reg().key_exists("Software\\Norvale\\quornel"));
    EXPECT_TRUE(DeleteRegKey(reg(), "SOFTWARE\\NORVALE\\QUORNEL", "settei"));
    EXPECT_FALSE(reg().key_exists("Software\\Norvale\\quornel\\SETTEI"));
    EXPECT_FALSE(reg().query("Software\\Norvale\\quornel\\SETTEI", "IHasira_ly"));
    EXPECT_TRUE(DeleteRegKey(reg(), "Software\\Norvale", "quornel"));
    expect_maker_key_kept();
}

INSTANTIATE_TEST_SUITE_P(Backends, Uninstall, ::testing::ValuesIn(test::registry_backends()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace quornel::uninstall
