#pragma once
// frmMain's native window over a real window model, in a temporary program folder with
// the shipped pick lists, a registry in a .reg file and recorded message boxes.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/dialogs_win32.h"
#include "platform/registry.h"
#include "support/add_failure.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "ui/frm_main.h"
#include "win32/frm_main_view.h"
#include "window_driver.h"

namespace quornel::test {

class ViewTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the model with `dialogs` (the recorder unless a test brings its own), then
    // builds and shows the window.
    void open(Dialogs* dialogs = nullptr);

    HWND native(const std::string& name, int index = -1) const;
    // The control's own window that takes the keyboard: a combo box's edit control.
    HWND keyboard_target(const std::string& name, int index = -1) const;
    Control& control(const std::string& name, int index = -1);
    ComboBox& box(const std::string& name, int index = -1);
    std::string screen_text(const std::string& name, int index = -1) const;
    bool has_focus(const std::string& name, int index = -1) const;

    void click(const std::string& name, int index = -1);
    // Clicks the tab of a page of the tab control (0 「作図」, 1 「基本設定」); the tab control.
    HWND click_page(int page);
    // Clicks into a box, replaces its text by typing (the text stays unconfirmed).
    void type_into(const std::string& name, int index, const std::wstring& text);
    void key(WORD virtual_key);
    void settle(int ms = 200);
    // Runs `check` at the window's DPI, then again once the window has moved to a screen at
    // half as much again (150 % display scaling).
    void at_both_scalings(const std::function<void(unsigned dpi)>& check);

    TempDir dir;
    std::unique_ptr<Registry> registry;
    FakeDialogs dialogs{add_failure};
    MessageBoxDialogs native_dialogs;
    std::unique_ptr<FrmMain> model;
    std::unique_ptr<FrmMainView> view;
};

}  // namespace quornel::test
