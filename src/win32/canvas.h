#pragma once
// A container that paints: frames (an etched border, the small drawings inside) and
// picture boxes (a sunken border, the schematic). Child controls sit on it; what it paints
// itself is whatever `paint` draws, double-buffered, under the children.
#include <functional>
#include <string>

#include "ui/controls.h"
#include "win32/wnd.h"

namespace quornel::win {

class Canvas : public Wnd {
  public:
    enum class Border { None, Etched, Sunken };

    // `background`: a colour of its own, or CLR_INVALID to show the parent's background.
    bool create(HWND parent, Border border, COLORREF background, const Placement& at = {});
    // Follows the model's frame or picture box: its place and state. What it shows is
    // painted by `paint` and redrawn by whoever knows it changed.
    void apply(const quornel::Control& model, const Placement& at, bool force);

    // Draws the windowless content in client coordinates, after the background.
    std::function<void(HDC dc)> paint;

    void redraw();

  protected:
    LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void paint_to(HDC dc, const RECT& client);
    // A frame's title, on its top edge in the window's font.
    void paint_caption(HDC dc, RECT& edge);
    Border border_ = Border::None;
    COLORREF background_ = CLR_INVALID;
    std::wstring caption_;
    HFONT font_ = nullptr;
};

}  // namespace quornel::win
