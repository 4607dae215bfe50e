#include "win32/picture_button.h"

#include <windowsx.h>

#include "win32/gdi_object.h"
#include "win32/ux_theme.h"

namespace quornel::win {

bool PictureButton::create(HWND parent, const Placement& at) {
    const wchar_t* cls = register_plain_class(L"QuornelPictureButton", nullptr);
    HWND hwnd = create_child(0, cls, WS_CHILD | WS_GROUP | WS_CLIPSIBLINGS, parent, at);
    attach(hwnd, at);
    return hwnd != nullptr;
}

void PictureButton::apply(const quornel::Picture& model, const Placement& at, bool force) {
    const bool all = begin_apply(at, force);
    // A picture that cannot be clicked is drawn greyed (paint): it changes with the state.
    if (all || picture_ != model.picture || enabled_ != model.enabled) {
        picture_ = model.picture;
        enabled_ = model.enabled;
        redraw();
    }
    end_apply(at, force);
}

void PictureButton::redraw() {
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT PictureButton::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint_buffered(hwnd, [&](HDC dc, const RECT& client) {
                draw_parent_background(hwnd, dc, &client);
                if (paint) paint(dc, client);
            });
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = true;
            SetCapture(hwnd);
            return 0;
        case WM_LBUTTONUP: {
            const bool was_pressed = pressed_;
            pressed_ = false;
            if (GetCapture() == hwnd) ReleaseCapture();
            RECT client;
            GetClientRect(hwnd, &client);
            const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (was_pressed && PtInRect(&client, at) && on_click) on_click();
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            return 0;
        default:
            return default_proc(hwnd, msg, wp, lp);
    }
}

}  // namespace quornel::win
