#pragma once
// A picture that can be clicked, like an image control: it never takes the focus, so a
// click on it leaves the focus (and the box being typed in) where it was.
#include <functional>

#include "win32/wnd.h"

namespace quornel::win {

class PictureButton : public Wnd {
  public:
    bool create(HWND parent, const Placement& at = {});
    // Draws the picture into the client rectangle.
    std::function<void(HDC dc, const RECT& client)> paint;
    // Pressed and released over the picture.
    std::function<void()> on_click;
    void redraw();
    bool transparent_background() const override { return true; }

  protected:
    LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    bool pressed_ = false;
};

}  // namespace quornel::win
