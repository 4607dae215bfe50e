#pragma once
// The two-page tab control. Controls of a page are children of the tab control itself, so
// that their positions are measured from its outer corner; it hands their notifications
// on and paints the page's windowless drawings over its own background.
#include <functional>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "win32/gdi_object.h"
#include "win32/wnd.h"

namespace quornel::win {

class TabControl : public Wnd {
  public:
    bool create(HWND parent, const std::vector<std::string>& captions, const Placement& at = {});
    // Follows the model's tab control: its place, state and the page shown.
    void apply(const quornel::TabControl& model, const Placement& at, bool force);

    int selected() const;
    // Selects a page without raising on_select (the model already knows).
    void select(int page);

    // The user chose another page.
    std::function<void(int page)> on_select;
    // Draws the windowless content of the page shown, over the page background.
    std::function<void(HDC dc)> paint;

    void redraw();

    LRESULT on_notify(NMHDR* header) override;

  protected:
    LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void paint_to(HDC dc);
    // Copies the page onto `dc`, painting it anew first when `fresh` or when it changed.
    void paint_page(HDC dc, bool fresh);

    // The page as last painted: every child with a see-through background asks for it
    // at each of its paints, and painting the tab control anew for each was most of the
    // time the window took to appear.
    PaintedCopy page_;
};

}  // namespace quornel::win
