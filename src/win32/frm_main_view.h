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
#include "win32/ui_font.h"
#include "win32/window_view.h"
#include "win32/windowless_painter.h"
#include "win32/wnd.h"

namespace quornel {

namespace win {
class Canvas;
class ComboBox;
class TabControl;
class Tooltip;
}  // namespace win

// Its run() and pump() go on until the model closes the window or the user does.
class FrmMainView : public win::WindowView {
  public:
    // `dialogs` is the model's message box implementation; the view makes the window its
    // owner so that a message blocks the window while it is open.
    FrmMainView(FrmMain& model, MessageBoxDialogs& dialogs);
    ~FrmMainView();

    // Builds the window and its controls from the model (after Form_Load); hidden.
    bool create();
    // Shows the window, centred, with the focus where the model has it (cboM_h at start).
    void show();

    // The native window of a control (for a combo box the box, not its edit); nullptr for
    // windowless controls and unknown names.
    HWND native(const ControlRef& ref) const;
    // The tooltip control of the window (made when the mouse first comes to a control with a
    // tip), and the tip it holds for a control ("" for none).
    HWND tooltip() const;
    std::string tip_shown(const ControlRef& ref) const;

  private:
    struct Native {
        Control* model = nullptr;
        ControlRef ref;
        std::string parent;             // the container's name
        bool first_option = false;      // starts the option group of its container
        std::unique_ptr<win::Wnd> wnd;  // made when the control is first shown
        // Copies the model control onto wnd (the wrapper's own apply).
        std::function<void(const win::Placement& at, bool force)> apply;
        win::ComboBox* box = nullptr;  // wnd of a combo box: what the user types is read back
        UINT_PTR tip_id = 0;           // its tip in the tooltip
    };

    void build_controls();
    // Where and how the model wants a control now.
    win::Placement placement(const Control& c) const;
    // Makes the native control the first time it is to be shown; false when its
    // container has no window yet.
    bool realize(Native& n, const win::Placement& at);
    void create_native(Native& n, HWND parent, const win::Placement& at);
    // Makes the wrapper of `n`, which from then on copies `model` onto its window.
    template <class Wrapper, class Model>
    Wrapper& make(Native& n, const Model& model);
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
    // right) after the model moved some of them: the order in which the arrow keys and
    // tools that read the window (a screen reader) meet them. Tab goes by the model.
    void restack(const std::string& parent);
    bool shown_on_page(const Control& c) const;
    void paint_container(HDC dc, const std::string& container);
    void rescale(unsigned dpi);
    void process(MSG& msg) override;
    // Tab or Shift+Tab pressed in the window (Ctrl+Tab turns the page).
    bool is_tab_key(const MSG& msg) const;
    Native* find(const ControlRef& ref);
    const Native* find(const ControlRef& ref) const;
    Native* native_with_focus();

    FrmMain& model_;
    MessageBoxDialogs& dialogs_;
    std::unique_ptr<UiFont> font_;
    unsigned dpi_ = 96;
    PictureCache pictures_;
    std::vector<std::unique_ptr<Native>> natives_;
    std::map<std::string, Native*> by_key_;
    win::TabControl* tab_ = nullptr;
    std::unique_ptr<win::Tooltip> tips_;
    std::map<std::string, win::Canvas*> canvases_;
    // Windowless controls by container name, and what they showed when last painted.
    std::map<std::string, std::vector<const Control*>> windowless_;
    std::map<std::string, std::string> painted_state_;

    std::map<HWND, Native*> by_hwnd_;
    // The native focus moved and the model has not been told yet.
    bool focus_moved_ = false;
    bool busy_ = false;
    bool syncing_ = false;
    bool closing_ = false;  // the model has closed; the window goes next
    std::string caption_;   // the window's caption as shown

    // Private messages to the window.
    static constexpr UINT kMsgFocusMoved = WM_APP + 1;  // the model hears of it afterwards
    static constexpr UINT kMsgCloseNow = WM_APP + 2;
};

}  // namespace quornel
