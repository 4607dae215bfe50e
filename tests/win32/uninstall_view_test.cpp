// uninstall.exe's window: its captions at their places, and 「ＯＫ」 clicked or pressed
// with Enter removes quornel's registry key.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/add_failure.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "uninstall/uninstall_window.h"
#include "win32/dpi.h"
#include "win32/uninstall_view.h"
#include "win32/wide_text.h"
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
    EXPECT_STREQ(text, L"quornel の設定の削除");
    GetWindowTextW(form->ok_button(), text, 32);
    EXPECT_STREQ(text, L"ＯＫ");
    const unsigned dpi = window_dpi(form->hwnd());
    RECT client;
    GetClientRect(form->hwnd(), &client);
    EXPECT_EQ(client.right, twips_to_px(uninstall::kClientWidth, dpi));
    EXPECT_EQ(client.bottom, twips_to_px(uninstall::kClientHeight, dpi));
    // 「ＯＫ」 stands in the middle, below the label.
    RECT ok = rect_in(form->ok_button(), form->hwnd());
    EXPECT_NEAR(ok.left + ok.right, client.right, 6);
    EXPECT_EQ(ok.right - ok.left, twips_to_px(975, dpi));
    EXPECT_EQ(ok.bottom - ok.top, twips_to_px(375, dpi));
}

// The caption shows whole, in the system's caption font, beside the window's icon and its
// close button as wide as Windows 10 draws it (46 pixels at 96 DPI).
TEST_F(Form1Test, TheCaptionShowsWhole) {
    const unsigned dpi = window_dpi(form->hwnd());
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    metrics.lfCaptionFont.lfHeight = MulDiv(metrics.lfCaptionFont.lfHeight, static_cast<int>(dpi),
                                            static_cast<int>(system_dpi()));
    HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
    ASSERT_NE(font, nullptr);
    HDC dc = GetDC(form->hwnd());
    const HGDIOBJ before = SelectObject(dc, font);
    const std::wstring title = widen(uninstall::kFormCaption);
    SIZE size{};
    GetTextExtentPoint32W(dc, title.c_str(), static_cast<int>(title.size()), &size);
    SelectObject(dc, before);
    ReleaseDC(form->hwnd(), dc);
    DeleteObject(font);
    RECT outer;
    GetWindowRect(form->hwnd(), &outer);
    const int icon = MulDiv(16 + 16, static_cast<int>(dpi), 96);  // the icon and its margins
    const int close = std::max(GetSystemMetrics(SM_CXSIZE), MulDiv(46, static_cast<int>(dpi), 96));
    EXPECT_LE(icon + size.cx + close, outer.right - outer.left) << size.cx;
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

TEST_F(Form1Test, EscEndsItAndDeletesNothing) {
    save_settings();
    ASSERT_EQ(GetFocus(), form->ok_button());
    press(VK_ESCAPE);
    pump();
    EXPECT_TRUE(form->closed());
    EXPECT_TRUE(registry->key_exists("Software\\Norvale\\quornel"));
    EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
}  // namespace quornel::test
