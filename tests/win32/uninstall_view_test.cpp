// uninstall.exe's window: its captions at their places, and 「ＯＫ」 clicked or pressed
// with Enter removes quornel's registry key.
#include <gtest/gtest.h>

#include "support/add_failure.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "win32/dpi.h"
#include "win32/uninstall_view.h"
#include "window_driver.h"

namespace quornel::test {
namespace {

class Form1Test : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!have_display()) GTEST_SKIP() << "window tests run in tests/e2e/view_windows.sh";
        registry = open_reg_file_registry(dir.file("registry.reg"));
        form = std::make_unique<Form1View>(*registry, dialogs);
        ASSERT_TRUE(form->create());
        form->show();
        pump();
    }
    void pump(int ms = 200) {
        settle([this] { form->pump(); }, ms);
    }
    void save_settings() {
        RegData one{kRegDword, std::string("\x01\0\0\0", 4)};
        ASSERT_TRUE(registry->set("Software\\Norvale\\quornel\\SETTEI", "IHasira_ly", one));
    }

    TempDir dir;
    std::unique_ptr<Registry> registry;
    FakeDialogs dialogs{add_failure};
    std::unique_ptr<Form1View> form;
};

TEST_F(Form1Test, ShowsItsCaptionsAtTheirPlaces) {
    wchar_t text[32] = {};
    GetWindowTextW(form->hwnd(), text, 32);
    EXPECT_STREQ(text, L"Form1");
    GetWindowTextW(form->ok_button(), text, 32);
    EXPECT_STREQ(text, L"ＯＫ");
    if (window_dpi(form->hwnd()) != 96) return;
    RECT client;
    GetClientRect(form->hwnd(), &client);
    EXPECT_EQ(client.right, 149);   // 2235 twips
    EXPECT_EQ(client.bottom, 100);  // 1500 twips
    RECT ok = rect_in(form->ok_button(), form->hwnd());
    EXPECT_EQ(ok.left, 40);
    EXPECT_EQ(ok.top, 64);
    EXPECT_EQ(ok.right - ok.left, 65);
    EXPECT_EQ(ok.bottom - ok.top, 25);
}

TEST_F(Form1Test, OkRemovesTheKeyAndSaysSo) {
    save_settings();
    click(form->ok_button());
    pump();
    EXPECT_FALSE(registry->key_exists("Software\\Norvale\\quornel"));
    EXPECT_TRUE(registry->key_exists("Software\\Norvale"));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().text, "レジストリ情報を削除しました。");
    EXPECT_EQ(dialogs.last().icon, DialogIcon::None);
    EXPECT_FALSE(form->closed());  // the user closes it
    // Once more: nothing left to delete.
    click(form->ok_button());
    pump();
    EXPECT_EQ(dialogs.last().text, "レジストリ情報削除済です");
}

TEST_F(Form1Test, EnterOnTheFocusedButtonDoesTheSame) {
    save_settings();
    ASSERT_EQ(GetFocus(), form->ok_button());
    press(VK_RETURN);
    pump();
    EXPECT_FALSE(registry->key_exists("Software\\Norvale\\quornel"));
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(Form1Test, TheCloseButtonEndsIt) {
    SendMessageW(form->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_TRUE(form->closed());
}

}  // namespace
}  // namespace quornel::test
