#pragma once
// The native window of frmMain: a thin view over the FrmMain model. It builds one native
// control per windowed control of the model, paints the windowless ones, hands every user
// action to the model's user_* functions and afterwards copies what changed back onto the
// screen. It holds no behaviour of its own beyond the timing of focus changes.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs_win32.h"
#include "ui/frm_main.h"
#include "win32/top_window.h"
#include "win32/ui_font.h"
#include "win32/windowless_painter.h"
#include "win32/wnd.h"

namespace quornel {

namespace win {
class Canvas;
class TabControl;
}  // namespace win

class FrmMainView {
  public:
    // `dialogs` is the model's message box implementation; the view makes the window its
    // owner so that a message blocks the window while it is open.
    FrmMainView(FrmMain& model, MessageBoxDialogs& dialogs);
    ~FrmMainView();
    FrmMainView(const FrmMainView&) = delete;
    FrmMainView& operator=(const FrmMainView&) = delete;

    // Builds the window and its controls from the model (after Form_Load); hidden.
    bool create();
    // Shows the window, centred, with the focus where the model has it (cboM_h at start).
    void show();
    // Runs the window until the model closes it or the user closes the window.
    void run();
    // Handles the messages already waiting, then returns (for tests).
    void pump();
    bool closed() const { return window_closed_; }

    HWND hwnd() const;
    // The native window of a control (for a combo box the box, not its edit); nullptr for
    // windowless controls and unknown names.
    HWND native(const ControlRef& ref) const;

  private:
    // What was last copied onto a native control.
    struct Applied {
        bool valid = false;
        RECT px{};
        bool visible = false;
        bool enabled = true;
        std::string text;
        std::vector<std::string> items;
        bool value = false;
        std::string picture;
    };
    struct Native {
        Control* model = nullptr;
        ControlRef ref;
        std::string parent;             // the container's name
        bool first_option = false;      // starts the option group of its container
        std::unique_ptr<win::Wnd> wnd;  // made when the control is first shown
        Applied applied;
        bool edited = false;  // the user typed since the model last heard
    };

    void build_controls();
    // Makes the native control the first time it is to be shown; false when its
    // container has no window yet.
    bool realize(Native& n);
    void create_native(Native& n, HWND parent);
    HWND parent_window(const std::string& container) const;
    void wire_events(Native& n);

    // One user action: edits are copied into the model first, a focus change still
    // waiting is settled, then the action runs and the screen follows the model.
    void act(const ControlRef& source, const std::function<ActResult()>& action);
    void note_focus();
    void settle_focus();
    void pull_edits();
    void refresh();
    // Copies the model onto the screen without touching the focus.
    void show_model_state();
    void apply(Native& n, bool force);
    void apply_focus();
    void redraw_changed_containers(bool force);
    // Puts the windows of a container back into layout order (top to bottom, left to
    // right) after the model moved some of them, so that Tab still follows the layout.
    void restack(const std::string& parent);
    bool shown_on_page(const Control& c) const;
    void paint_container(HDC dc, const std::string& container);
    void rescale(unsigned dpi);
    bool process(MSG& msg);
    Native* find(const ControlRef& ref);
    const Native* find(const ControlRef& ref) const;
    Native* native_with_focus();
    void focus_native(Native& n);

    FrmMain& model_;
    MessageBoxDialogs& dialogs_;
    win::TopWindow window_;
    std::unique_ptr<UiFont> font_;
    unsigned dpi_ = 96;
    PictureCache pictures_;
    std::vector<std::unique_ptr<Native>> natives_;
    std::map<std::string, Native*> by_key_;
    win::TabControl* tab_ = nullptr;
    std::map<std::string, win::Canvas*> canvases_;
    // Windowless controls by container name, and what they showed when last painted.
    std::map<std::string, std::vector<const Control*>> windowless_;
    std::map<std::string, std::string> painted_state_;

    std::map<HWND, Native*> by_hwnd_;
    // The native focus moved and the model has not been told yet.
    bool focus_moved_ = false;
    bool busy_ = false;
    bool syncing_ = false;
    bool window_closed_ = false;
    bool closing_ = false;  // the model has closed; the window goes next

    // Private messages to the window.
    static constexpr UINT kMsgFocusMoved = WM_APP + 1;  // the model hears of it afterwards
    static constexpr UINT kMsgCloseNow = WM_APP + 2;
};

}  // namespace quornel
