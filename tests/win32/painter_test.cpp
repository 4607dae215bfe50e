// The schematic is painted from the model's twips: squares under pictures under lines
// and dots, pictures stretched to their rectangles, at any DPI. Painted into a bitmap, so
// no display is needed.
#include <gtest/gtest.h>

#include <windows.h>

#include "win32/windowless_painter.h"

namespace quornel {
namespace {

class Canvas {
  public:
    Canvas(int w, int h) : w_(w), h_(h) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, w, h};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    std::uint32_t at(int x, int y) const {
        GdiFlush();
        return static_cast<const std::uint32_t*>(bits_)[y * w_ + x] & 0xFFFFFF;
    }

  private:
    int w_, h_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    void* bits_ = nullptr;
};

Shape square(double l, double t, double w, double h) {
    Shape s;
    s.name = "shpB_ih";
    s.kind = ControlKind::Shape;
    s.rect = {l, t, w, h};
    return s;
}

TEST(Painter, LayersGoSquaresPicturesLinesDots) {
    Canvas canvas(100, 100);
    // A wall piece picture over a square's edge, a line across the picture, a dot on it.
    Shape column = square(150, 150, 900, 900);  // 10..70 px
    Picture wall;
    wall.name = "imgB_kr";
    wall.kind = ControlKind::Image;
    wall.picture = "pic_kr";
    wall.rect = {900, 300, 600, 300};  // 60..100 x 20..40 px: covers the square's right edge
    Line line;
    line.name = "linSun_tt";
    line.kind = ControlKind::Line;
    line.x1 = 1200;
    line.y1 = 0;
    line.x2 = 1200;
    line.y2 = 1500;  // x = 80 px, through the picture
    Shape dot = square(1200 - 30, 1200 - 30, 75, 75);
    dot.name = "dot1";
    PictureCache pictures;
    paint_windowless(canvas.dc(), {&line, &dot, &wall, &column}, 96, pictures, nullptr);

    EXPECT_EQ(canvas.at(10, 50), 0x000000u);  // the square's left edge
    EXPECT_EQ(canvas.at(40, 40), 0xFFFFFFu);  // squares are outlines
    // Where the wall piece lies over the square's right edge, the piece shows (its middle
    // rows are hatched grey; only its two faces are black).
    EXPECT_EQ(canvas.at(69, 60), 0x000000u);
    EXPECT_NE(canvas.at(69, 30), 0x000000u);
    EXPECT_NE(canvas.at(69, 30), 0xFFFFFFu);
    EXPECT_EQ(canvas.at(80, 30), 0x000000u);  // the line over the picture
    EXPECT_EQ(canvas.at(80, 5), 0x000000u);
    EXPECT_EQ(canvas.at(81, 80), 0x000000u);  // the dot, 5 px round, on the line
    EXPECT_EQ(canvas.at(80, 90), 0x000000u);
}

TEST(Painter, PicturesStretchToTheirTwipsRectangleAtAnyDpi) {
    for (unsigned dpi : {96u, 144u, 192u}) {
        Canvas canvas(500, 100);
        Picture line;
        line.name = "imgB_ly";
        line.kind = ControlKind::Image;
        line.picture = "pic_ly";  // 401 × 1 pixels, blue dash-dot
        line.rect = {150, 600, 3000, 15};
        PictureCache pictures;
        paint_windowless(canvas.dc(), {&line}, dpi, pictures, nullptr);
        const int left = static_cast<int>(150 * dpi / 1440.0 + 0.5);
        const int right = static_cast<int>(3150 * dpi / 1440.0 + 0.5);
        const int y = static_cast<int>(600 * dpi / 1440.0 + 0.5);
        // The long dash in the middle is blue; nothing is drawn past the rectangle.
        EXPECT_EQ(canvas.at((left + right) / 2, y), 0x0000FFu) << dpi;
        EXPECT_EQ(canvas.at(right + 1, y), 0xFFFFFFu) << dpi;
        EXPECT_EQ(canvas.at(left - 1, y), 0xFFFFFFu) << dpi;
    }
}

TEST(Painter, APictureBoxShowsItsPictureUnstretchedAtTheCorner) {
    Canvas canvas(100, 20);
    Picture sample;
    sample.name = "pic_S_PenStyle";
    sample.kind = ControlKind::PictureBox;
    sample.picture = "pic_nPenStyle(8)";  // 補助線種: off 3, on 2, off 2, on 2 ...
    sample.rect = {0, 0, 1095, 135};
    PictureCache pictures;
    paint_windowless(canvas.dc(), {&sample}, 96, pictures, nullptr);
    EXPECT_EQ(canvas.at(2, 0), 0xC0C0C0u);
    EXPECT_EQ(canvas.at(3, 0), 0x000000u);
    EXPECT_EQ(canvas.at(4, 0), 0x000000u);
    EXPECT_EQ(canvas.at(5, 0), 0xC0C0C0u);
    EXPECT_EQ(canvas.at(60, 0), 0xFFFFFFu);  // 55 pixels wide, not stretched to the box
    EXPECT_EQ(canvas.at(3, 1), 0xFFFFFFu);   // 1 pixel high
}

TEST(Painter, LabelsAreWrittenInsideTheirRectangleGreyWhenDisabled) {
    Canvas canvas(120, 40);
    Label label;
    label.name = "Label28";
    label.kind = ControlKind::Label;
    label.caption = "柱増打";
    label.rect = {150, 150, 900, 255};  // 10..70 x 10..27 px
    PictureCache pictures;
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"");
    auto count = [&](std::uint32_t colour, int x0, int x1) {
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = x0; x < x1; ++x) n += canvas.at(x, y) == colour;
        return n;
    };
    paint_windowless(canvas.dc(), {&label}, 96, pictures, font);
    const std::uint32_t text = GetSysColor(COLOR_BTNTEXT) & 0xFFFFFF;
    const std::uint32_t bgr_text = ((text & 0xFF) << 16) | (text & 0xFF00) | (text >> 16);
    EXPECT_GT(count(bgr_text, 10, 70), 10);
    EXPECT_EQ(count(bgr_text, 71, 120), 0);  // nothing outside the rectangle

    Canvas grey(120, 40);
    label.enabled = false;
    paint_windowless(grey.dc(), {&label}, 96, pictures, font);
    int dark = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) dark += grey.at(x, y) == bgr_text;
    EXPECT_EQ(dark, 0);
    DeleteObject(font);
}

TEST(Painter, HiddenItemsAndEmptyPicturesPaintNothing) {
    Canvas canvas(50, 50);
    Shape hidden = square(150, 150, 300, 300);
    hidden.visible = false;
    Picture empty;
    empty.kind = ControlKind::Image;
    empty.rect = {0, 0, 750, 750};
    PictureCache pictures;
    paint_windowless(canvas.dc(), {&hidden, &empty}, 96, pictures, nullptr);
    for (int y = 0; y < 50; y += 5)
        for (int x = 0; x < 50; x += 5) EXPECT_EQ(canvas.at(x, y), 0xFFFFFFu);
}

}  // namespace
}  // namespace quornel
