#pragma once
// A program's main window: fixed size, caption and icon, no maximise or minimise button,
// centred on its monitor. Its client area hosts the control wrappers.
#include <functional>
#include <string>

#include "win32/wnd.h"

namespace quornel::win {

inline constexpr int kIconId = 1;

class TopWindow : public Wnd {
  public:
    // Creates the window hidden, with the program's icon (resource kIconId) when the
    // executable has one.
    bool create(const std::string& caption);

    // Outer size in twips at the window's DPI, centred on the monitor the window is on.
    void set_outer_size_centred(double width_twips, double height_twips);
    // Client size in twips, centred likewise.
    void set_client_size_centred(double width_twips, double height_twips);

    // Asked before the window closes through its close button or Alt+F4; false keeps it.
    std::function<bool()> on_close;
    // Esc, when the control with the focus does not keep the key for itself (a dropped-down
    // list does, to close the list).
    std::function<void()> on_escape;
    // The window moved to a monitor with another DPI; its new outer rectangle is already set.
    std::function<void(unsigned dpi)> on_dpi_changed;
    // Private messages (WM_APP and up) posted to this window.
    std::function<void(UINT msg, WPARAM wp, LPARAM lp)> on_app_message;
    std::function<void()> on_destroyed;

  protected:
    LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void centre(int outer_width, int outer_height);
    // The control that had the focus when the window was last deactivated (by a message
    // box, another program): it gets the focus back, as in a dialog.
    HWND last_focus_ = nullptr;
};

}  // namespace quornel::win
