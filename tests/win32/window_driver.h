#pragma once
// A person at a real window, in-process: the mouse and the keyboard through SendInput, so
// that clicks and keys take the same road as a user's (focus, capture, activation, the
// message loop of the view under test). Needs a display; without one the tests skip.
#include <windows.h>

#include <functional>
#include <string>

namespace quornel::test {

// Whether the window tests may run: they move the mouse and type, so only where asked to
// (QUORNEL_WINDOW_TESTS=1, set by tests/e2e/view_windows.sh inside its own X display) and
// where windows can be made at all.
bool have_display();

// Runs `pump` repeatedly for about `ms` milliseconds so that queued input is handled.
void settle(const std::function<void()>& pump, int ms = 200);

// A left click at the middle of a window (or at a point of its client area).
void click(HWND hwnd);
void click_at(HWND hwnd, int x, int y);
// The mouse comes to rest at a point of a window's client area (no button pressed).
void hover_at(HWND hwnd, int x, int y);
// Keys pressed and released; text typed character by character.
void press(WORD virtual_key);
// A key pressed while a modifier (VK_SHIFT …) is held down.
void press_with(WORD modifier, WORD virtual_key);
void type_text(const std::wstring& text);

// The window's rectangle relative to another window's client area.
RECT rect_in(HWND hwnd, HWND reference);

// Answers every message box of this thread with its default button after `delay_ms`,
// while the box is open; returns how many were answered when it goes.
class MessageBoxAnswerer {
  public:
    explicit MessageBoxAnswerer(int delay_ms = 150);
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    int answered() const;

  private:
    UINT_PTR timer_;
};

}  // namespace quornel::test
