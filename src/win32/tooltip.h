#pragma once
// The tips of a window's controls: one standard tooltip control for all of them, showing a
// control's tip while the mouse rests on it.
//
// Each tip is a rectangle of the control's container (its host), so that it shows over a
// disabled control too, whose mouse messages Windows gives to the container, and over every
// part of a control made of several windows (the edit field of a combo box). The mouse
// messages reach the tooltip from the view's message loop (relay): no control is subclassed
// for it, which under Wine would ask the window server for a property at every message. The
// tooltip control itself is made when the mouse first comes to a control with a tip, so that
// the window's start does not wait for it.
#include <map>
#include <set>
#include <string>

#include "win32/wnd.h"

namespace quornel::win {

class Tooltip : public Wnd {
  public:
    // The tips of `owner`'s controls; the tooltip belongs to it (and closes with it).
    explicit Tooltip(HWND owner) : owner_(owner) {}

    // The tip `id` (one per control, any number but 0): shown while the mouse rests on
    // `rect` of `host`'s client area. An empty rectangle (a hidden control) shows nothing;
    // an empty text removes the tip. Only what changed is sent to the control.
    void set(UINT_PTR id, HWND host, const RECT& rect, const std::string& utf8);
    // The text of tip `id` as the tooltip control holds it; empty when it has none or the
    // control has not been made yet.
    std::string text(UINT_PTR id) const;

    // Hands the tooltip a mouse message of the window (any other message is ignored).
    void relay(const MSG& msg);
    // The font and the width at which a long tip wraps, for the window's DPI.
    void set_scale(HFONT font, unsigned dpi);

  protected:
    LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    // Makes the tooltip control with every tip set so far; false when it cannot be made.
    bool create();
    void add(UINT_PTR id, HWND host, const RECT& rect, const std::string& utf8);
    // The host window that holds the tip of what is at `window`: the window itself or its
    // nearest ancestor with tips; nullptr outside them.
    HWND host_of(HWND window) const;

    struct Tip {
        HWND host = nullptr;
        RECT rect{};
        std::string text;
    };
    HWND owner_;
    HFONT font_ = nullptr;
    unsigned dpi_ = 96;
    std::map<UINT_PTR, Tip> tips_;
    std::set<HWND> hosts_;
};

}  // namespace quornel::win
