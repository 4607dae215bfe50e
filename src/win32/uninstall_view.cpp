#include "win32/uninstall_view.h"

#include "uninstall/uninstall_window.h"
#include "win32/dpi.h"

namespace quornel {

Form1View::Form1View(Registry& registry, Dialogs& dialogs)
    : registry_(registry), dialogs_(dialogs) {}

Form1View::~Form1View() {
    if (window_.hwnd()) DestroyWindow(window_.hwnd());
}

bool Form1View::create() {
    if (!window_.create(uninstall::kFormCaption)) return false;
    window_.on_dpi_changed = [this](unsigned) { layout(); };
    // Esc closes the window, as its close box does.
    window_.on_escape = [this] {
        if (!busy_) PostMessageW(window_.hwnd(), WM_CLOSE, 0, 0);
    };
    label1_.create(window_.hwnd());
    label1_.set_text(uninstall::kLabel1.caption);
    command1_.create(window_.hwnd());
    command1_.set_text(uninstall::kCommand1.caption);
    auto click = [this] {
        if (busy_) return;
        busy_ = true;
        uninstall::Command1_Click(registry_, dialogs_);
        busy_ = false;
    };
    command1_.on_click = click;
    command1_.on_enter = click;
    layout();
    window_.set_client_size_centred(uninstall::kClientWidth, uninstall::kClientHeight);
    return true;
}

void Form1View::layout() {
    const unsigned dpi = window_dpi(window_.hwnd());
    font_ = std::make_unique<UiFont>(dpi);
    for (auto [wnd, c] :
         {std::pair<win::Wnd*, const uninstall::FormControl*>{&label1_, &uninstall::kLabel1},
          {&command1_, &uninstall::kCommand1}}) {
        wnd->set_font(font_->get());
        wnd->set_bounds(
            twips_rect_to_px(Rect{static_cast<double>(c->left), static_cast<double>(c->top),
                                  static_cast<double>(c->width), static_cast<double>(c->height)},
                             dpi));
        wnd->set_visible(true);
    }
}

void Form1View::show() {
    ShowWindow(window_.hwnd(), SW_SHOW);
    SetForegroundWindow(window_.hwnd());
    SetFocus(command1_.hwnd());
    UpdateWindow(window_.hwnd());
}

}  // namespace quornel
