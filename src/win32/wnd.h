#pragma once
// The base of the thin control wrappers: one C++ object per native window, reached from its
// HWND, with the notifications that Windows sends to the parent handed back to the control
// that raised them. No framework beyond this.
#include <windows.h>

#include <functional>
#include <string>

namespace quornel::win {

// Where and how a control starts. Made in its final place and state in one step, which
// under Wine costs far less than moving, showing and restyling it afterwards.
struct Placement {
    RECT rect{0, 0, 10, 10};
    bool visible = false;
    bool enabled = true;
    HFONT font = nullptr;
    DWORD style() const { return (visible ? WS_VISIBLE : 0) | (enabled ? 0 : WS_DISABLED); }
};

// CreateWindowExW at the placement (with another height where a control needs it, as a
// combo box does for its list), with the font set before anything is drawn.
HWND create_child(DWORD ex_style, const wchar_t* cls, DWORD style, HWND parent, const Placement& at,
                  int height = -1);

class Wnd {
  public:
    Wnd() = default;
    virtual ~Wnd();
    Wnd(const Wnd&) = delete;
    Wnd& operator=(const Wnd&) = delete;

    HWND hwnd() const { return hwnd_; }
    // The wrapper of a window created by this program, nullptr for any other window.
    static Wnd* from(HWND hwnd);

    // A combo box takes the closed box's rectangle and makes room for its list below it.
    virtual void set_bounds(const RECT& rect);
    void set_visible(bool visible);
    void set_enabled(bool enabled);
    void set_text(const std::string& utf8);
    std::string text() const;
    void set_font(HFONT font);
    // Gives the window the keyboard focus (a combo box gives it to its edit control).
    virtual void focus();

    // The rectangle last copied from the model, or the one the window was made at.
    const RECT& placed_rect() const { return placed_.rect; }

    // The window (for a combo box: its edit control) received the keyboard focus.
    std::function<void()> on_focus;

    // Notifications reflected from the parent.
    virtual void on_command(WORD code) {}
    virtual LRESULT on_notify(NMHDR* header) { return 0; }
    // Whether the control shows its parent's background around its text (labels, option
    // buttons, buttons on a tab page or a frame).
    virtual bool transparent_background() const { return false; }

  protected:
    // Takes over a freshly created window: its messages go through window_proc from now on.
    void attach(HWND hwnd);
    // The same for a control made at `at` from a model control: what it was made with
    // counts as copied from the model.
    void attach(HWND hwnd, const Placement& at);

    // Copying a model control onto the window, in two halves around what a wrapper copies
    // of its own: the place first, the enabled state and the visibility last, each only
    // when it differs from what was copied before (all of them when `force`). begin_apply
    // is true when the wrapper is to copy everything of its own too: when `force`, and the
    // first time after the window was made.
    bool begin_apply(const Placement& at, bool force);
    void end_apply(const Placement& at, bool force);

    // Gives the window back to its own procedure and forgets it (it is not destroyed).
    void detach();
    virtual LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // The window's own behaviour for a message.
    LRESULT default_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // False for a wrapper of a window that belongs to another (a combo box's edit
    // control): the wrapper then only lets go of it.
    bool owns_window_ = true;

  private:
    static LRESULT CALLBACK route(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
    Placement placed_;     // what was last copied from the model
    bool copied_ = false;  // the model was copied at least once since the window was made
};

// For container window procedures: passes WM_COMMAND, WM_NOTIFY and the colour messages of
// a child on to the child's wrapper. True when the message was handled (see *result).
bool reflect_to_child(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

// Registers (once) a plain window class for the custom windows; its procedure is
// DefWindowProc until a wrapper attaches.
const wchar_t* register_plain_class(const wchar_t* name, HBRUSH background, HICON icon = nullptr,
                                    HICON small_icon = nullptr);

}  // namespace quornel::win
