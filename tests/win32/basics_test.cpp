// Twips to pixels, and the look of the program's message boxes.
#include <gtest/gtest.h>

#include "platform/dialogs_win32.h"
#include "win32/dpi.h"

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

}  // namespace
}  // namespace quornel
