#pragma once
// Paints the controls that have no window of their own — shapes, dots, lines, images and
// picture boxes without children — straight from the model's twips, onto the container
// they belong to. Nothing is read back from the screen.
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/pictures.h"

namespace quornel {

// Pixels of the model's pictures, made once per id.
class PictureCache {
  public:
    // nullptr for "" and for ids that name no picture.
    const Bitmap* get(const std::string& id);

  private:
    std::map<std::string, std::optional<Bitmap>> cache_;
};

// A bitmap stretched onto a pixel rectangle (nearest pixel, so 1-pixel lines stay sharp).
void draw_bitmap(HDC dc, const Bitmap& bitmap, const RECT& target);

// Dots are the small circles named dot...; every other shape is a square outline.
bool is_dot(const Control& control);

// Paints `items` (all of one container) in layers: squares, then pictures, then lines,
// then dots, then the labels' captions in `font`, each layer in the order given. Hidden
// items are skipped.
void paint_windowless(HDC dc, const std::vector<const Control*>& items, unsigned dpi,
                      PictureCache& pictures, HFONT font);

}  // namespace quornel
