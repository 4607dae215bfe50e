#pragma once
// A picture that can be clicked, like an image control: it never takes the focus, so a
// click on it leaves the focus (and the box being typed in) where it was.
#include <functional>
#include <string>

#include "ui/controls.h"
#include "win32/wnd.h"

namespace quornel::win {

class PictureButton : public Wnd {
  public:
    bool create(HWND parent, const Placement& at = {});
    // Follows the model's image: another picture id is painted anew.
    void apply(const quornel::Picture& model, const Placement& at, bool force);
    // Draws the picture into the client rectangle (greyed while the model's image is
    // disabled).
    std::function<void(HDC dc, const RECT& client)> paint;
    // Pressed and released over the picture.
    std::function<void()> on_click;
    void redraw();
    bool transparent_background() const override { return true; }

  protected:
    LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    bool pressed_ = false;
    std::string picture_;  // the id last copied from the model
    bool enabled_ = true;
};

}  // namespace quornel::win
