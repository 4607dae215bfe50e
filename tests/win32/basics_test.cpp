// Twips to pixels, and the look of the program's message boxes.
#include <gtest/gtest.h>

#include <string>

#include "platform/dialogs_win32.h"
#include "platform/file_system.h"
#include "win32/dpi.h"
#include "win32/wide_text.h"
#include "window_driver.h"

namespace quornel {
namespace {

TEST(Twips, OneInchIs1440TwipsAtEveryScaling) {
    EXPECT_EQ(twips_to_px(1440, 96), 96);
    EXPECT_EQ(twips_to_px(1440, 144), 144);
    EXPECT_EQ(twips_to_px(11700, 96), 780);
    EXPECT_EQ(twips_to_px(9250, 96), 617);  // 616.67
    EXPECT_EQ(twips_to_px(9250, 192), 1233);
    EXPECT_EQ(twips_to_px(-35, 96), -2);
    // Half-twips of the schematic land on the nearest pixel.
    EXPECT_EQ(twips_to_px(3882.5, 96), 259);
}

TEST(Twips, RectanglesThatTouchKeepTouching) {
    // Two 2010-twip squares side by side at 150 %: the edges round, not the sizes.
    const Rect a{3245, 0, 2010, 100}, b{5255, 0, 2010, 100};
    for (unsigned dpi : {96u, 120u, 144u, 168u, 192u}) {
        EXPECT_EQ(twips_rect_to_px(a, dpi).right, twips_rect_to_px(b, dpi).left) << dpi;
    }
}

TEST(MessageBoxStyle, QuestionsHaveYesAsDefaultAndNoIcon) {
    const UINT question = message_box_style(DialogButtons::YesNo, DialogIcon::None, true);
    EXPECT_EQ(question & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(question & MB_DEFMASK, static_cast<UINT>(MB_DEFBUTTON1));
    EXPECT_EQ(question & MB_ICONMASK, 0u);
    const UINT warning = message_box_style(DialogButtons::Ok, DialogIcon::Warning, true);
    EXPECT_EQ(warning & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    EXPECT_EQ(warning & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
    // Without a window to own it, a box must not hide behind other programs.
    EXPECT_TRUE(message_box_style(DialogButtons::Ok, DialogIcon::None, false) & MB_SETFOREGROUND);
}

// What the open message box shows as its text, read from the box itself, which is then
// answered.
std::wstring g_box_text;

BOOL CALLBACK read_and_answer_box(HWND hwnd, LPARAM) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    wchar_t text[256] = {};
    GetDlgItemTextW(hwnd, 0xFFFF, text, 256);  // the box's text, as every MessageBox has it
    g_box_text = text;
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return FALSE;
}

void CALLBACK read_open_box(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), read_and_answer_box, 0);
}

// The file names in a message keep their underscores in the box itself: only 「&」 would be a
// prefix character. (Under Wine the Japanese font draws 「_」 below the text's line, where it
// is cut off: docs/testing.md.)
TEST(MessageBoxText, FileNamesKeepTheirUnderscores) {
    if (!test::have_display()) GTEST_SKIP() << "window tests run in tests/e2e/view_windows.sh";
    for (const std::string& message :
         {message_file_missing("JWC_TEMP.TXT"), message_file_unwritable("quornel_res.dat")}) {
        g_box_text.clear();
        const UINT_PTR timer = SetTimer(nullptr, 0, 200, read_open_box);
        MessageBoxDialogs boxes;
        boxes.show(message, "quornel", DialogButtons::Ok, DialogIcon::Warning);
        KillTimer(nullptr, timer);
        const std::string shown = narrow(g_box_text);
        EXPECT_EQ(shown, message);
    }
}

}  // namespace
}  // namespace quornel
