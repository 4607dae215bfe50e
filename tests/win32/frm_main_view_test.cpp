// The native window of frmMain, driven with real mouse clicks and keystrokes: where the
// controls are, where the focus goes, and that each action reaches the model's handler
// and comes back onto the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "support/test_header.h"
#include "view_fixture.h"
#include "win32/dpi.h"
#include "win32/wide_text.h"

namespace quornel::test {
namespace {

// At 96 DPI a pixel is 15 twips.
LONG px(double twips) {
    return static_cast<LONG>(twips / 15 + 0.5);
}

using LayoutTest = ViewTest;

TEST_F(LayoutTest, TheWindowHasItsCaptionSizeAndButtons) {
    open();
    if (window_dpi(view->hwnd()) != 96) GTEST_SKIP() << "sizes are checked at 96 DPI";
    wchar_t caption[32] = {};
    GetWindowTextW(view->hwnd(), caption, 32);
    EXPECT_STREQ(caption, L"quornel");
    RECT outer;
    GetWindowRect(view->hwnd(), &outer);
    EXPECT_EQ(outer.right - outer.left, 780);  // 11700 twips
    EXPECT_EQ(outer.bottom - outer.top, 617);  // 9250 twips
    const LONG_PTR style = GetWindowLongPtrW(view->hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    // Centred on the work area of its monitor.
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(view->hwnd(), MONITOR_DEFAULTTOPRIMARY), &info);
    const RECT& area = info.rcWork;
    EXPECT_NEAR(outer.left - area.left, area.right - outer.right, 1);
    EXPECT_NEAR(outer.top - area.top, area.bottom - outer.bottom, 1);
}

TEST_F(LayoutTest, ControlsOnTheTabControlAreMeasuredFromItsOuterCorner) {
    open();
    if (window_dpi(view->hwnd()) != 96) GTEST_SKIP() << "sizes are checked at 96 DPI";
    HWND tab = native("SSTab1", 1);
    ASSERT_NE(tab, nullptr);
    RECT tab_rect = rect_in(tab, view->hwnd());
    EXPECT_EQ(tab_rect.left, px(120));
    EXPECT_EQ(tab_rect.top, px(120));
    EXPECT_EQ(tab_rect.right - tab_rect.left, px(11415));

    RECT button = rect_in(native("cmdSakuzu"), tab);
    EXPECT_EQ(button.left, px(7560));
    EXPECT_EQ(button.top, px(8160));
    EXPECT_EQ(button.right - button.left, px(1095));
    EXPECT_EQ(button.bottom - button.top, px(375));

    // A combo box is as high as its rectangle when closed.
    RECT combo = rect_in(native("cboM_h"), tab);
    EXPECT_EQ(combo.left, px(control("cboM_h").rect.left));
    EXPECT_EQ(combo.top, px(control("cboM_h").rect.top));
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(native("cboM_h"), &info));
    RECT closed;
    GetClientRect(native("cboM_h"), &closed);
    EXPECT_NEAR(info.rcItem.bottom + (closed.bottom - info.rcItem.bottom), px(300), 2);
}

TEST_F(LayoutTest, FramesAndTheSchematicContainTheirControls) {
    open();
    EXPECT_EQ(GetParent(native("optSin", 1)), native("Frame1"));
    EXPECT_EQ(GetParent(native("optSunpoIti", 4)), native("Frame2"));
    EXPECT_EQ(GetParent(native("optHasiraMoji", 2)), native("Frame3"));
    click_page(1);
    EXPECT_EQ(GetParent(native("cbo_nuri_pitch")), native("Frame4"));
    click_page(0);
    EXPECT_EQ(GetParent(native("cboHsnXG")), native("Picture2"));
    EXPECT_EQ(GetParent(native("cmdWriKU")), native("Picture2"));
    EXPECT_EQ(GetParent(native("Picture2")), native("SSTab1", 1));
    if (window_dpi(view->hwnd()) != 96) return;
    // Inside the schematic, positions count from inside its sunken edge.
    const Rect& r = control("cboHsnXG").rect;
    RECT inside = rect_in(native("cboHsnXG"), native("Picture2"));
    EXPECT_EQ(inside.left, px(r.left));
    EXPECT_EQ(inside.top, px(r.top));
}

// The stores and the hidden buttons and text box lie in the strip below the tab control,
// which the window's size cuts off: out of sight even if they were shown.
TEST_F(LayoutTest, TheStoresLieBelowTheTabControlOutOfSight) {
    open();
    const unsigned dpi = window_dpi(view->hwnd());
    const RECT tab = rect_in(native("SSTab1", 1), view->hwnd());
    RECT client;
    GetClientRect(view->hwnd(), &client);
    for (const Control* c : model->controls()) {
        if (c->container != "frmMain" || c->kind == ControlKind::TabControl) continue;
        EXPECT_GE(twips_to_px(c->rect.top, dpi), std::max(tab.bottom, client.bottom)) << c->name;
        const HWND h = native(c->name, c->index);
        EXPECT_TRUE(!h || !IsWindowVisible(h)) << c->name;
    }
}

TEST_F(LayoutTest, TextsListsAndEnabledStatesComeFromTheModel) {
    open();
    EXPECT_EQ(screen_text("cmdSakuzu"), "作図");
    EXPECT_EQ(native("lbl_hasira_s"), nullptr);  // labels are painted by their container
    EXPECT_EQ(screen_text("optSin", 1), "壁芯");
    EXPECT_EQ(screen_text("cboHasiraKigou"), "C1");
    EXPECT_EQ(screen_text("cboM_h"), "0");
    EXPECT_EQ(SendMessageW(native("cboM_h"), CB_GETCOUNT, 0, 0),
              static_cast<LRESULT>(box("cboM_h").items.size()));
    EXPECT_EQ(SendMessageW(native("optSin", 0), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(native("optSunpoIti", 4), BM_GETCHECK, 0, 0), BST_CHECKED);
    // The column's part boxes start disabled.
    EXPECT_FALSE(IsWindowEnabled(native("cboHsnXU_0")));
    EXPECT_FALSE(IsWindowEnabled(native("cboHsnYU_1")));
    EXPECT_TRUE(IsWindowEnabled(native("cboHsnXG")));
}

using FocusTest = ViewTest;

TEST_F(FocusTest, TheFocusStartsInTheColumnExtraThickness) {
    open();
    EXPECT_TRUE(has_focus("cboM_h"));
    EXPECT_EQ(model->focus(), (ControlRef{"cboM_h", -1}));
}

TEST_F(FocusTest, LeavingABoxWithTabValidatesIt) {
    open();
    type_into("cboHsnXG", -1, L"600");
    EXPECT_EQ(screen_text("cboHsnXG"), "600");
    EXPECT_FALSE(IsWindowEnabled(native("cboHsnXU_0")));
    key(VK_TAB);
    EXPECT_FALSE(has_focus("cboHsnXG"));
    EXPECT_TRUE(IsWindowEnabled(native("cboHsnXU_0")));
    EXPECT_TRUE(IsWindowEnabled(native("cboHsnXU_1")));
    EXPECT_EQ(box("cboHsnXG").items.front(), "600");  // the recently-used list took it
}

TEST_F(FocusTest, EnterInABoxValidatesItAndKeepsTheFocusAndTheText) {
    open();
    type_into("cboHsnXG", -1, L"455");
    key(VK_RETURN);
    EXPECT_TRUE(has_focus("cboHsnXG"));
    EXPECT_EQ(screen_text("cboHsnXG"), "455");
    EXPECT_TRUE(IsWindowEnabled(native("cboHsnXU_0")));
    // The 割 button, then, by its Enter key.
    click("cmdWriHX");
    EXPECT_EQ(screen_text("cboHsnXU_0"), "227.5");
    EXPECT_EQ(screen_text("cboHsnXU_1"), "227.5");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(FocusTest, EnterOnTheSplitButtonSplitsTheTotal) {
    open();
    type_into("cboHsnYG", -1, L"600");
    key(VK_RETURN);
    SetFocus(native("cmdWriHY"));  // the button as Tab would reach it
    settle();
    key(VK_RETURN);
    EXPECT_EQ(screen_text("cboHsnYU_0"), "300");
    EXPECT_EQ(screen_text("cboHsnYU_1"), "300");
}

TEST_F(FocusTest, AShapeButtonLeavesTheFocusAndTheTypingAlone) {
    open();
    type_into("cboHsnXG", -1, L"700");
    click("img_hasira_s", 0);
    EXPECT_EQ(model->state.hasira_sd, 0);
    EXPECT_TRUE(has_focus("cboHsnXG"));
    EXPECT_EQ(screen_text("cboHsnXG"), "700");
    // The box was not left, so it was not validated: its parts are still disabled.
    EXPECT_FALSE(IsWindowEnabled(native("cboHsnXU_0")));
    key(VK_RETURN);
    EXPECT_TRUE(IsWindowEnabled(native("cboHsnXU_0")));
}

// The part of a box's text that is selected, as [start, end) in characters.
std::pair<DWORD, DWORD> selection_of(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// Tab and Shift+Tab go where the model's order says, past what is disabled, and select the
// whole text of the box they enter, so that a digit typed replaces it; a click into a box
// places the caret instead. After a refusal the box it names has the keyboard, its text
// selected.
TEST_F(FocusTest, TabGoesInReadingOrderAndSelectsTheBoxItEnters) {
    open();
    type_into("cboHsnYG", -1, L"600");
    key(VK_TAB);
    EXPECT_TRUE(has_focus("cmdWriHY"));
    EXPECT_EQ(model->focus(), (ControlRef{"cmdWriHY", -1}));
    EXPECT_TRUE(IsWindowEnabled(native("cboHsnYU_0")));  // 柱せい Y was left, and checked
    key(VK_TAB);  // the right wall's parts wait for its thickness
    EXPECT_TRUE(has_focus("cboKabeSunRight", 3));
    type_text(L"5");
    settle();
    EXPECT_EQ(screen_text("cboKabeSunRight", 3), "5");
    press_with(VK_SHIFT, VK_TAB);
    settle();
    press_with(VK_SHIFT, VK_TAB);
    settle();
    EXPECT_TRUE(has_focus("cboHsnYG"));
    EXPECT_EQ(model->focus(), (ControlRef{"cboHsnYG", -1}));
    EXPECT_EQ(box("cboKabeSunRight", 3).text, "5");
    type_text(L"7");
    settle();
    EXPECT_EQ(screen_text("cboHsnYG"), "7");

    test::click(keyboard_target("cboHsnXG"));  // right of its 「0」
    settle();
    type_text(L"5");
    settle();
    EXPECT_EQ(screen_text("cboHsnXG"), "05");

    type_into("cboHsnXG", -1, L"0");
    click("cmdSakuzu");  // a column of no width: the message names 柱幅 X
    ASSERT_FALSE(dialogs.shown().empty());
    EXPECT_TRUE(has_focus("cboHsnXG"));
    EXPECT_EQ(selection_of(keyboard_target("cboHsnXG")), (std::pair<DWORD, DWORD>{0, 1}));
}

// An option group is one stop, at its chosen button, and the arrow keys choose within it.
TEST_F(FocusTest, AnOptionGroupIsOneStopMovedWithTheArrowKeys) {
    open();
    ASSERT_TRUE(has_focus("cboM_h"));
    key(VK_TAB);
    key(VK_TAB);
    EXPECT_TRUE(has_focus("optSunpoIti", 4));
    key(VK_LEFT);
    EXPECT_TRUE(has_focus("optSunpoIti", 3));
    EXPECT_EQ(model->SunpoIti_d, 3);
    EXPECT_EQ(SendMessageW(native("optSunpoIti", 3), BM_GETCHECK, 0, 0), BST_CHECKED);
    key(VK_TAB);
    EXPECT_TRUE(has_focus("optHasiraMoji", 4));
    key(VK_UP);
    EXPECT_EQ(model->HasiraIti_d, 3);
    press_with(VK_SHIFT, VK_TAB);
    settle();
    EXPECT_TRUE(has_focus("optSunpoIti", 3));
}

TEST_F(FocusTest, ClickingAnotherBoxValidatesTheBoxLeft) {
    open();
    type_into("cboHsnXG", -1, L"600");
    key(VK_RETURN);
    click("cmdWriHX");
    type_into("cboHsnXU_0", -1, L"200");
    click("cboM_k");
    EXPECT_EQ(screen_text("cboHsnXU_1"), "400");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(FocusTest, ABoxDisabledWhileItHasTheFocusIsNotValidatedAgain) {
    open();
    type_into("cboHsnXG", -1, L"600");
    key(VK_RETURN);
    type_into("cboHsnXG", -1, L"0");
    // The click moves the focus into the part box; leaving the total disables it.
    click("cboHsnXU_0");
    EXPECT_FALSE(IsWindowEnabled(native("cboHsnXU_0")));
    EXPECT_EQ(screen_text("cboHsnXU_0"), "0");
    EXPECT_TRUE(dialogs.shown().empty());
    // The keyboard is not left without a home.
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(IsWindowEnabled(focus));
}

// The part box's message opens while the 割 click is on its way: the click still counts.
TEST_F(FocusTest, AMessageFromLeavingABoxDoesNotSwallowTheClickThatLeftIt) {
    MessageBoxDialogs boxes;
    FakeDialogs real(boxes);  // records the native boxes
    open(&real);
    boxes.set_owner(view->hwnd());
    type_into("cboHsnXG", -1, L"600");
    key(VK_RETURN);
    type_into("cboHsnXU_0", -1, L"700");
    {
        MessageBoxAnswerer answerer(200);
        click("cmdWriHX");
        settle(800);
        EXPECT_EQ(answerer.answered(), 1);
    }
    ASSERT_EQ(real.texts().size(), 1u);
    EXPECT_EQ(real.texts()[0], "寸法が合いません");
    // First the part box: both parts "0"; then the click: both halves of 600.
    EXPECT_EQ(screen_text("cboHsnXU_0"), "300");
    EXPECT_EQ(screen_text("cboHsnXU_1"), "300");
    // Back from the message, the keyboard is in the window again.
    EXPECT_TRUE(has_focus("cmdWriHX"));
}

TEST_F(FocusTest, TheTabsMoveTheFocusAndShowTheirPage) {
    open();
    click_page(1);
    EXPECT_EQ(model->SSTab1.tab, 1);
    EXPECT_TRUE(has_focus("cbo_h_ly"));
    EXPECT_TRUE(IsWindowVisible(native("cmdS_hozon")));
    EXPECT_FALSE(IsWindowVisible(native("cmdSakuzu")));
    EXPECT_FALSE(IsWindowVisible(native("Picture2")));
    // The page's lists were made when it was first shown, with their entries.
    EXPECT_EQ(SendMessageW(native("cbo_hm_cn"), CB_GETCOUNT, 0, 0), 10);
    EXPECT_EQ(SendMessageW(native("cbo_h_ly"), CB_GETCURSEL, 0, 0), box("cbo_h_ly").list_index);
    // Tab goes on from the first list to its right-hand neighbour, as laid out.
    key(VK_TAB);
    EXPECT_TRUE(has_focus("cbo_h_nPenColor"));
    click_page(0);
    EXPECT_EQ(model->SSTab1.tab, 0);
    EXPECT_TRUE(has_focus("cboM_h"));
    EXPECT_TRUE(IsWindowVisible(native("Picture2")));
}

class EventTest : public ViewTest {
  protected:
    // Clicks the tab of 「基本設定」 and puts the focus in one of its lists; the tab control.
    HWND focus_on_settings_list(const std::string& name) {
        HWND tab = click_page(1);
        SetFocus(native(name));
        settle();
        return tab;
    }
};

TEST_F(EventTest, ChoosingAPenColourWithTheKeyboardShowsItsSample) {
    open();
    HWND tab = focus_on_settings_list("cbo_h_nPenColor");
    key(VK_DOWN);  // "線色　２": black
    EXPECT_EQ(box("cbo_h_nPenColor").list_index, 1);
    EXPECT_EQ(static_cast<Picture&>(control("pic_S_PenColor", 0)).picture, "pic_nPenColor(1)");
    UpdateWindow(tab);
    if (window_dpi(view->hwnd()) != 96) return;
    const Rect& sample = control("pic_S_PenColor", 0).rect;
    HDC dc = GetDC(tab);
    const COLORREF at = GetPixel(dc, px(sample.left) + 3, px(sample.top));
    ReleaseDC(tab, dc);
    EXPECT_EQ(at, RGB(0, 0, 0));
    key(VK_UP);  // "線色　１": cyan
    UpdateWindow(tab);
    dc = GetDC(tab);
    EXPECT_EQ(GetPixel(dc, px(sample.left) + 3, px(sample.top)), RGB(0, 255, 255));
    ReleaseDC(tab, dc);
}

// The caption says how many crossings Jw_cad handed over, and follows the header when a new
// symbol text type reads it again.
TEST_F(EventTest, TheCaptionCountsTheCrossings) {
    std::string header = test_header();
    const std::string plain = header;
    header.insert(header.find("lg0"), "hp1 3000 0\r\nhp2- 0 -4000\r\n");
    dir.write("TEMP.TXT", header);
    open();
    wchar_t caption[32] = {};
    GetWindowTextW(view->hwnd(), caption, 32);
    EXPECT_STREQ(caption, L"quornel（3 か所）");

    dir.write("TEMP.TXT", plain);
    focus_on_settings_list("cbo_hm_cn");
    key(VK_DOWN);
    EXPECT_EQ(box("cbo_hm_cn").list_index, 1);
    GetWindowTextW(view->hwnd(), caption, 32);
    EXPECT_STREQ(caption, L"quornel");
}

TEST_F(EventTest, TheOptionButtonsFollowTheModel) {
    open();
    click("optSin", 1);
    EXPECT_EQ(model->state.optSin_d, 1);
    EXPECT_EQ(SendMessageW(native("optSin", 1), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(native("optSin", 0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    click("optSunpoIti", 2);
    EXPECT_EQ(model->SunpoIti_d, 2);
    EXPECT_EQ(SendMessageW(native("optSunpoIti", 4), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

// 「交点ごと」 over six crossings: its check boxes open with it, a click (or the space bar) turns
// one over in the model and on the screen, and the boxes of the joined walls are greyed.
TEST_F(EventTest, TheCheckBoxesOfTheWholeFloorFollowTheModel) {
    std::string header = test_header();
    header.insert(header.find("lg0"),
                  "hp1 6000 0\r\nhp2 12000 0\r\nhp3 0 5000\r\nhp4 6000 5000\r\nhp5 12000 5000\r\n");
    dir.write("TEMP.TXT", header);
    open();
    ASSERT_TRUE(IsWindowEnabled(native("img_hasira_s", 9)));
    EXPECT_FALSE(IsWindowEnabled(native("chkKabeTunagu")));
    EXPECT_TRUE(IsWindowEnabled(native("cboKabeSunDOWN", 2)));
    click("img_hasira_s", 9);
    EXPECT_EQ(model->state.hasira_sd, 9);
    wchar_t caption[64] = {};
    GetWindowTextW(view->hwnd(), caption, 64);
    EXPECT_STREQ(caption, L"quornel（6 か所：角 4・T 2）");
    EXPECT_TRUE(IsWindowEnabled(native("chkKabeTunagu")));
    EXPECT_EQ(SendMessageW(native("chkKabeTunagu"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(native("cboKabeSunDOWN", 2)));
    EXPECT_FALSE(IsWindowEnabled(native("cmdWriKL")));

    click("chkKabeTunagu");
    EXPECT_EQ(static_cast<CheckBox&>(control("chkKabeTunagu")).value, 0);
    EXPECT_EQ(SendMessageW(native("chkKabeTunagu"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(IsWindowEnabled(native("cboKabeSunDOWN", 2)));
    EXPECT_TRUE(has_focus("chkKabeTunagu"));
    key(VK_SPACE);
    EXPECT_EQ(static_cast<CheckBox&>(control("chkKabeTunagu")).value, 1);
    EXPECT_EQ(SendMessageW(native("chkKabeTunagu"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(native("cboKabeSunDOWN", 2)));

    click("optSin", 1);  // 外周 has no meaning in 壁芯
    EXPECT_FALSE(IsWindowEnabled(native("chkGaisyuKabe")));
    EXPECT_TRUE(IsWindowEnabled(native("chkSunpoHitotu")));
}

TEST_F(EventTest, AShapeButtonMovesTheSchematicsBoxes) {
    open();
    const Rect before = control("cboKabeSunRight", 2).rect;
    click("img_hasira_s", 0);
    const Rect after = control("cboKabeSunRight", 2).rect;
    ASSERT_TRUE(before.left != after.left || before.top != after.top);
    if (window_dpi(view->hwnd()) != 96) return;
    RECT on_screen = rect_in(native("cboKabeSunRight", 2), native("Picture2"));
    EXPECT_NEAR(on_screen.left, px(after.left), 1);
    EXPECT_NEAR(on_screen.top, px(after.top), 1);
    // Walls that shape 0 does not have are gone from the screen.
    EXPECT_FALSE(IsWindowVisible(native("cboKabeSunUp", 2)));
    // Tab enters the schematic where the model's order, made again for the new layout, says.
    click("cboHasiraKigou");
    key(VK_TAB);
    const ControlRef first = model->next_tab_stop({"cboHasiraKigou", -1}, false);
    EXPECT_EQ(control(first.name, first.index).container, "Picture2");
    EXPECT_TRUE(has_focus(first.name, first.index));
    // The windows stand in the order they now stand on the screen: top to bottom, then left
    // to right.
    RECT previous{-1, -1, -1, -1};
    for (HWND w = GetWindow(native("Picture2"), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        RECT r = rect_in(w, native("Picture2"));
        EXPECT_TRUE(r.top > previous.top || (r.top == previous.top && r.left >= previous.left))
            << r.left << "," << r.top << " after " << previous.left << "," << previous.top;
        previous = r;
    }
}

TEST_F(EventTest, CancelClosesTheWindowAndWritesNothing) {
    open();
    type_into("cboHsnXG", -1, L"600");
    click("cmdClose");
    EXPECT_TRUE(view->closed());
    EXPECT_FALSE(IsWindow(view->hwnd()));
    EXPECT_FALSE(dir.exists("JWC_TEMP.TXT"));
    EXPECT_FALSE(dir.exists("quornel_res.dat"));
}

TEST_F(EventTest, TheCloseButtonOfTheCaptionWritesNothingEither) {
    open();
    type_into("cboHsnXG", -1, L"600");
    SendMessageW(view->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    settle();
    EXPECT_TRUE(view->closed());
    EXPECT_FALSE(dir.exists("JWC_TEMP.TXT"));
    EXPECT_FALSE(dir.exists("quornel_res.dat"));
}

// Esc is 「キャンセル」, with the box being edited left unchecked; while a list is dropped down
// (an editable box's and a list of 「基本設定」), Esc only closes the list.
TEST_F(EventTest, EscClosesTheWindowUnlessAListIsDroppedDown) {
    open();
    type_into("cboHsnXG", -1, L"600");
    auto esc_closes_only_the_list = [&](const std::string& name) {
        key(VK_F4);
        ASSERT_TRUE(SendMessageW(native(name), CB_GETDROPPEDSTATE, 0, 0)) << name;
        key(VK_ESCAPE);
        EXPECT_FALSE(SendMessageW(native(name), CB_GETDROPPEDSTATE, 0, 0)) << name;
        EXPECT_FALSE(view->closed()) << name;
    };
    esc_closes_only_the_list("cboHsnXG");
    EXPECT_EQ(screen_text("cboHsnXG"), "600");
    click_page(1);
    SetFocus(native("cbo_h_ly"));
    settle();
    esc_closes_only_the_list("cbo_h_ly");
    key(VK_ESCAPE);
    EXPECT_TRUE(view->closed());
    EXPECT_TRUE(model->closed);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(dir.exists("JWC_TEMP.TXT"));
    EXPECT_FALSE(dir.exists("quornel_res.dat"));
}

TEST_F(EventTest, AMovedWindowIsLaidOutAgainAtTheNewDpi) {
    open();
    RECT suggested;
    GetWindowRect(view->hwnd(), &suggested);
    const unsigned dpi = window_dpi(view->hwnd());
    const unsigned bigger = dpi * 2;
    suggested.right = suggested.left + (suggested.right - suggested.left) * 2;
    suggested.bottom = suggested.top + (suggested.bottom - suggested.top) * 2;
    SendMessageW(view->hwnd(), WM_DPICHANGED, MAKEWPARAM(bigger, bigger),
                 reinterpret_cast<LPARAM>(&suggested));
    settle();
    RECT button = rect_in(native("cmdSakuzu"), native("SSTab1", 1));
    EXPECT_EQ(button.left, twips_to_px(7560, bigger));
    EXPECT_EQ(button.right - button.left,
              twips_to_px(7560 + 1095, bigger) - twips_to_px(7560, bigger));
}

using TipTest = ViewTest;

// The text of the tip on the screen; empty while none shows.
std::string tip_on_screen(HWND tooltip) {
    if (!tooltip || !IsWindowVisible(tooltip)) return {};
    wchar_t text[1024] = {};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.lpszText = text;
    if (!SendMessageW(tooltip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&info))) return {};
    std::wstring lines;
    for (const wchar_t* c = text; *c; ++c)
        if (*c != L'\r') lines += *c;
    return narrow(lines);
}

// A person rests the mouse on a box's edit field, on a box the window has disabled, on a
// 「割」/「面」 button, an option button, a shape button and the lists of 「基本設定」: each
// time the tip the model holds for it shows, and it goes when the mouse moves on to where no
// control is.
TEST_F(TipTest, TheTipOfABoxShowsWhileTheMouseRestsOnIt) {
    open();
    auto rest_on = [&](HWND hwnd) {
        RECT r;
        GetClientRect(hwnd, &r);
        hover_at(hwnd, r.right / 2, r.bottom / 2);
        settle(1500);
        return tip_on_screen(view->tooltip());
    };
    EXPECT_EQ(rest_on(keyboard_target("cboHsnXG")), control("cboHsnXG").tip);
    ASSERT_FALSE(IsWindowEnabled(native("cboHsnYU_1")));
    EXPECT_EQ(rest_on(native("cboHsnYU_1")), control("cboHsnYU_1").tip);
    hover_at(native("Picture2"), 10, 10);
    settle(500);
    EXPECT_EQ(tip_on_screen(view->tooltip()), "");

    // Shape 1 in 柱芯: the left wall's button makes its upper face flush, and says so.
    click("img_hasira_s", 1);
    const std::string face = static_cast<Button&>(control("cmdWriKL")).caption;
    ASSERT_EQ(face, "面");
    EXPECT_EQ(view->tip_shown({"cmdWriKL", -1}), control("cmdWriKL").tip);
    EXPECT_EQ(rest_on(native("cmdWriKL")).rfind("「面」\n", 0), 0u);
    // An option button in its frame, a shape button.
    EXPECT_EQ(rest_on(native("optSunpoIti", 2)), control("optSunpoIti", 2).tip);
    EXPECT_EQ(rest_on(native("img_hasira_s", 3)), control("img_hasira_s", 3).tip);
    // The lists of 「基本設定」, one in the frame 「塗り」; where the schematic's boxes stood on
    // the other page, nothing.
    click_page(1);
    EXPECT_EQ(rest_on(native("cbo_kh_ly")), control("cbo_kh_ly").tip);
    EXPECT_EQ(rest_on(native("cbo_nuri_pitch")), control("cbo_nuri_pitch").tip);
    const RECT box = rect_in(native("cboHsnYU_1"), native("SSTab1", 1));
    hover_at(native("SSTab1", 1), (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    settle(1500);
    EXPECT_EQ(tip_on_screen(view->tooltip()), "");
}

// Every check box shows its caption whole within its rectangle, wrapped where it must be, in the
// window's font at the window's DPI and at half as much again (150 % display scaling).
TEST_F(TipTest, EveryCheckBoxShowsItsCaptionWhole) {
    open();
    auto check = [&](unsigned dpi) {
        int boxes = 0;
        for (const Control* c : model->controls()) {
            if (c->kind != ControlKind::CheckBox) continue;
            ++boxes;
            HWND hwnd = native(c->name, c->index);
            ASSERT_NE(hwnd, nullptr) << c->name;
            RECT client;
            GetClientRect(hwnd, &client);
            // The mark and the gap after it, as large as the window's scaling makes them (the
            // system's metrics are those of its own scaling).
            HDC dc = GetDC(hwnd);
            RECT text = client;
            text.left += MulDiv(GetSystemMetrics(SM_CXMENUCHECK) + 4, static_cast<int>(dpi),
                                GetDeviceCaps(dc, LOGPIXELSX));
            const HGDIOBJ before =
                SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
            const std::wstring caption = widen(static_cast<const CheckBox*>(c)->caption);
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                      DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            SelectObject(dc, before);
            ReleaseDC(hwnd, dc);
            EXPECT_LE(text.right, client.right) << c->name << " at " << dpi << " dpi";
            EXPECT_LE(text.bottom - text.top, client.bottom) << c->name << " at " << dpi << " dpi";
        }
        EXPECT_EQ(boxes, 3);
    };
    at_both_scalings(check);
}

// Every list of 「基本設定」 shows each of its items whole, closed and dropped down, in the
// window's font at the window's DPI and at half as much again (150 % display scaling).
TEST_F(TipTest, EveryListOfTheSettingsShowsItsItemsWhole) {
    open();
    click_page(1);
    // A combo box draws its text a few pixels in from each side of the field.
    constexpr int kInset = 3;
    auto check = [&](unsigned dpi) {
        int lists = 0;
        for (const Control* c : model->controls()) {
            if (c->kind != ControlKind::DropDownList) continue;
            ++lists;
            HWND combo = native(c->name, c->index);
            ASSERT_NE(combo, nullptr) << c->name;
            COMBOBOXINFO info{};
            info.cbSize = sizeof(info);
            ASSERT_TRUE(GetComboBoxInfo(combo, &info));
            SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
            RECT list{};
            GetClientRect(info.hwndList, &list);
            SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
            const int field = info.rcItem.right - info.rcItem.left;
            HDC dc = GetDC(combo);
            const HGDIOBJ before =
                SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(combo, WM_GETFONT, 0, 0)));
            for (const std::string& entry : static_cast<const ComboBox*>(c)->items) {
                const std::wstring text = widen(entry);
                SIZE size{};
                GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
                EXPECT_LE(size.cx + 2 * kInset, field)
                    << c->name << " 「" << entry << "」 at " << dpi << " dpi";
                EXPECT_LE(size.cx + 2 * kInset, list.right)
                    << c->name << " 「" << entry << "」 dropped down at " << dpi << " dpi";
            }
            SelectObject(dc, before);
            ReleaseDC(combo, dc);
        }
        EXPECT_GT(lists, 0);
    };
    at_both_scalings(check);
}

}  // namespace
}  // namespace quornel::test
