#include "view_fixture.h"

#include <commctrl.h>

#include "support/shipped_lists.h"
#include "support/test_header.h"
#include "win32/combo_box.h"
#include "win32/dpi.h"

namespace quornel::test {

void ViewTest::SetUp() {
    if (!have_display()) GTEST_SKIP() << "window tests run in tests/e2e/view_windows.sh";
    dir.write("TEMP.TXT", test_header());
    dir.write("quornel.dat", shipped_lists());
    dir.write("quornel_d.dat", shipped_lists());
    registry = open_reg_file_registry(dir.file("registry.reg"));
}

void ViewTest::TearDown() {
    view.reset();
    model.reset();
}

void ViewTest::open(Dialogs* with) {
    model = std::make_unique<FrmMain>(
        FrmMainEnv{real_file_system(), *registry, with ? *with : dialogs, dir.path()});
    model->Form_Load();
    ASSERT_FALSE(model->closed);
    view = std::make_unique<FrmMainView>(*model, native_dialogs);
    ASSERT_TRUE(view->create());
    view->show();
    settle(300);
}

HWND ViewTest::native(const std::string& name, int index) const {
    return view->native(ControlRef{name, index});
}

HWND ViewTest::keyboard_target(const std::string& name, int index) const {
    HWND hwnd = native(name, index);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(hwnd, &info) && info.hwndItem) return info.hwndItem;
    return hwnd;
}

Control& ViewTest::control(const std::string& name, int index) {
    Control* c = model->find_control(name, index);
    EXPECT_NE(c, nullptr) << name;
    return *c;
}

ComboBox& ViewTest::box(const std::string& name, int index) {
    return static_cast<ComboBox&>(control(name, index));
}

std::string ViewTest::screen_text(const std::string& name, int index) const {
    wchar_t buf[256] = {};
    GetWindowTextW(native(name, index), buf, 256);
    std::string out(512, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, buf, -1, out.data(), 512, nullptr, nullptr);
    out.resize(n > 0 ? n - 1 : 0);
    return out;
}

bool ViewTest::has_focus(const std::string& name, int index) const {
    HWND focus = GetFocus();
    HWND hwnd = native(name, index);
    return focus && (focus == hwnd || IsChild(hwnd, focus));
}

void ViewTest::click(const std::string& name, int index) {
    HWND hwnd = native(name, index);
    ASSERT_NE(hwnd, nullptr) << name;
    test::click(hwnd);
    settle();
}

HWND ViewTest::click_page(int page) {
    HWND tab = native("SSTab1", 1);
    RECT item{};
    EXPECT_TRUE(SendMessageW(tab, TCM_GETITEMRECT, page, reinterpret_cast<LPARAM>(&item)));
    click_at(tab, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
    settle();
    return tab;
}

void ViewTest::type_into(const std::string& name, int index, const std::wstring& text) {
    HWND edit = keyboard_target(name, index);
    ASSERT_NE(edit, nullptr) << name;
    test::click(edit);
    settle(100);
    // Select what is there, as a person does before typing over it.
    SendMessageW(edit, EM_SETSEL, 0, -1);
    type_text(text);
    settle();
}

void ViewTest::key(WORD virtual_key) {
    press(virtual_key);
    settle();
}

void ViewTest::settle(int ms) {
    test::settle([this] { view->pump(); }, ms);
}

void ViewTest::at_both_scalings(const std::function<void(unsigned dpi)>& check) {
    const unsigned dpi = window_dpi(view->hwnd());
    check(dpi);
    const unsigned larger = dpi * 3 / 2;
    RECT suggested;
    GetWindowRect(view->hwnd(), &suggested);
    suggested.right = suggested.left + (suggested.right - suggested.left) * 3 / 2;
    suggested.bottom = suggested.top + (suggested.bottom - suggested.top) * 3 / 2;
    SendMessageW(view->hwnd(), WM_DPICHANGED, MAKEWPARAM(larger, larger),
                 reinterpret_cast<LPARAM>(&suggested));
    settle();
    check(larger);
}

}  // namespace quornel::test
