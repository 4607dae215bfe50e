#pragma once
// What the program's views share: their one top-level window, and the message loop that
// runs it until it is closed.
#include <windows.h>

#include "win32/top_window.h"

namespace quornel::win {

class WindowView {
  public:
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    // Runs the window until it is closed.
    void run();
    // Handles the messages already waiting, then returns (for tests).
    void pump();
    bool closed() const { return closed_; }
    HWND hwnd() const { return window_.hwnd(); }

  protected:
    WindowView();
    ~WindowView() = default;

    // One message: the dialog manager's keys (Tab, the arrow keys) for the window, any
    // other message translated and dispatched.
    virtual void process(MSG& msg);

    TopWindow window_;

  private:
    bool closed_ = false;
};

}  // namespace quornel::win
