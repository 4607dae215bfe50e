#pragma once
// The window's stored pictures, made in code: the pen colour and line-type samples, the
// nine column-shape buttons and 「交点ごと」 (raised and pressed), the wall pieces and centre lines
// of the schematic, and the window icon. The model names a picture by id; the view asks here for
// its pixels. No toolkit type appears here.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quornel {

// 0xRRGGBB, row-major, top row first.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    Bitmap() = default;
    Bitmap(int w, int h, uint32_t fill) : width(w), height(h), pixels(size_t(w) * h, fill) {}
    uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    void set(int x, int y, uint32_t rgb) {
        if (x >= 0 && y >= 0 && x < width && y < height) pixels[size_t(y) * width + x] = rgb;
    }
};

// The picture behind an id of the window model:
//   "pic_nPenColor(0)" … "(5)"   55 × 2, one line colour each
//   "pic_nPenStyle(0)" … "(8)"   55 × 1, one line type each (black dashes on light grey)
//   "img_botanU(0)" … "(9)"      31 × 31, the column-shape buttons raised, (9) 「交点ごと」
//   "img_botanD(0)" … "(9)"      31 × 31, the same buttons pressed
//   "pic_ku", "pic_kd"           51 × 120, the wall piece above / below the column
//   "pic_kl", "pic_kr"           120 × 51, the wall piece left / right of the column
//   "pic_lt", "pic_ly"           1 × 401 and 401 × 1, the vertical / horizontal centre line
//   "icon"                       32 × 32 in the 16 standard colours
// Any other id (and "", no picture) gives nothing.
std::optional<Bitmap> picture_for(std::string_view id);

// A picture as a control that cannot be used now shows it: every pixel halfway to the grey of
// a button's face.
Bitmap greyed(const Bitmap& picture);

}  // namespace quornel
