#include "win32/window_view.h"

namespace quornel::win {

WindowView::WindowView() {
    window_.on_destroyed = [this] {
        closed_ = true;
        PostQuitMessage(0);
    };
}

void WindowView::process(MSG& msg) {
    if (!IsDialogMessageW(window_.hwnd(), &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void WindowView::pump() {
    MSG msg;
    while (!closed_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) break;
        process(msg);
    }
}

void WindowView::run() {
    MSG msg;
    while (!closed_ && GetMessageW(&msg, nullptr, 0, 0) > 0) process(msg);
}

}  // namespace quornel::win
