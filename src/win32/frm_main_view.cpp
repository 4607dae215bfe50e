// Building the native controls of frmMain and routing the user's actions to the model.
#include "win32/frm_main_view.h"

#include <algorithm>
#include <set>

#include "ui/startup_trace.h"
#include "win32/button.h"
#include "win32/canvas.h"
#include "win32/combo_box.h"
#include "win32/dpi.h"
#include "win32/picture_button.h"
#include "win32/tab_control.h"
#include "win32/tooltip.h"

namespace quornel {
namespace {

ControlRef ref_of(const Control& c) {
    return ControlRef{c.name, c.index};
}

bool mouse_button_down() {
    return ((GetKeyState(VK_LBUTTON) | GetKeyState(VK_RBUTTON) | GetKeyState(VK_MBUTTON)) &
            0x8000) != 0;
}

}  // namespace

FrmMainView::FrmMainView(FrmMain& model, MessageBoxDialogs& dialogs)
    : model_(model), dialogs_(dialogs) {}

FrmMainView::~FrmMainView() {
    dialogs_.set_owner(nullptr);
    dialogs_.before_show = nullptr;
    // Children go with the window; the wrappers only forget them.
    if (window_.hwnd()) DestroyWindow(window_.hwnd());
}

FrmMainView::Native* FrmMainView::find(const ControlRef& ref) {
    auto it = by_key_.find(to_string(ref));
    return it == by_key_.end() ? nullptr : it->second;
}

const FrmMainView::Native* FrmMainView::find(const ControlRef& ref) const {
    auto it = by_key_.find(to_string(ref));
    return it == by_key_.end() ? nullptr : it->second;
}

HWND FrmMainView::native(const ControlRef& ref) const {
    const Native* n = find(ref);
    return n && n->wnd ? n->wnd->hwnd() : nullptr;
}

HWND FrmMainView::tooltip() const {
    return tips_ ? tips_->hwnd() : nullptr;
}

std::string FrmMainView::tip_shown(const ControlRef& ref) const {
    const Native* n = find(ref);
    return n && tips_ ? tips_->text(n->tip_id) : std::string();
}

bool FrmMainView::create() {
    if (!window_.create(model_.form.caption)) return false;
    caption_ = model_.form.caption;
    dpi_ = window_dpi(hwnd());
    startup_trace().phase("window");
    font_ = std::make_unique<UiFont>(dpi_);
    startup_trace().phase("font");
    window_.on_close = [this] {
        // Closing the window is not leaving a box: nothing is validated or written.
        focus_moved_ = false;
        return true;
    };
    // Esc is 「キャンセル」 without leaving the box being edited, as the close box is.
    window_.on_escape = [this] { act(ControlRef{}, [this] { return model_.user_escape(); }); };
    window_.on_app_message = [this](UINT msg, WPARAM, LPARAM) {
        if (msg == kMsgFocusMoved) settle_focus();
        if (msg == kMsgCloseNow) DestroyWindow(hwnd());
    };
    window_.on_dpi_changed = [this](unsigned dpi) { rescale(dpi); };
    tips_ = std::make_unique<win::Tooltip>(hwnd());
    tips_->set_scale(font_->get(), dpi_);
    build_controls();
    window_.set_outer_size_centred(model_.form.width, model_.form.height);
    dialogs_.set_owner(hwnd());
    dialogs_.before_show = [this] { show_model_state(); };
    startup_trace().phase("control list");
    refresh();
    startup_trace().phase("control creation");
    return true;
}

HWND FrmMainView::parent_window(const std::string& container) const {
    if (container == "SSTab1" && tab_) return tab_->hwnd();
    auto it = canvases_.find(container);
    if (it != canvases_.end()) return it->second->hwnd();
    return window_.hwnd();
}

void FrmMainView::build_controls() {
    std::set<std::string> container_names;
    for (const Control* c : model_.controls()) container_names.insert(c->container);

    // Level by level from the form, so that every container comes before its contents;
    // within a container the controls are ordered top to bottom, left to right: the order in
    // which the arrow keys go round an option group (Tab follows the model's tab_order, see
    // process). The native windows are made when first shown (refresh), most of them right
    // away; a page not yet visited costs nothing at start-up.
    std::vector<std::string> level{"frmMain"};
    while (!level.empty()) {
        std::vector<std::string> next;
        for (const std::string& parent : level) {
            std::vector<Control*> windowed;
            for (Control* c : model_.controls()) {
                if (c->container != parent) continue;
                switch (c->kind) {
                    case ControlKind::Shape:
                    case ControlKind::Line:
                    case ControlKind::Label:
                        // Drawn by their container, like the windowless controls they are.
                        windowless_[parent].push_back(c);
                        break;
                    case ControlKind::Image:
                        // The shape buttons on the tab page are clicked; the schematic's
                        // images and the hidden stores are only painted.
                        if (parent == "SSTab1")
                            windowed.push_back(c);
                        else
                            windowless_[parent].push_back(c);
                        break;
                    case ControlKind::PictureBox:
                        if (container_names.count(c->name))
                            windowed.push_back(c);
                        else
                            windowless_[parent].push_back(c);
                        break;
                    case ControlKind::TextBox:
                        // Text1 only buffers the exchange header; it is never shown.
                        break;
                    default:
                        windowed.push_back(c);
                        break;
                }
            }
            std::stable_sort(windowed.begin(), windowed.end(),
                             [](const Control* a, const Control* b) {
                                 if (a->rect.top != b->rect.top) return a->rect.top < b->rect.top;
                                 return a->rect.left < b->rect.left;
                             });
            bool first_option = true;
            for (Control* c : windowed) {
                auto n = std::make_unique<Native>();
                n->model = c;
                n->ref = ref_of(*c);
                n->parent = parent;
                n->tip_id = natives_.size() + 1;
                if (c->kind == ControlKind::OptionButton) {
                    n->first_option = first_option;
                    first_option = false;
                }
                if (container_names.count(c->name)) next.push_back(c->name);
                by_key_[to_string(n->ref)] = n.get();
                natives_.push_back(std::move(n));
            }
        }
        level = std::move(next);
    }
}

win::Placement FrmMainView::placement(const Control& c) const {
    win::Placement at;
    at.rect = twips_rect_to_px(c.rect, dpi_);
    at.visible = c.visible && shown_on_page(c);
    at.enabled = c.enabled;
    at.font = font_->get();
    return at;
}

bool FrmMainView::realize(Native& n, const win::Placement& at) {
    if (n.wnd) return true;
    const HWND parent = parent_window(n.parent);
    if (n.parent != "frmMain" && parent == window_.hwnd()) return false;  // not made yet
    create_native(n, parent, at);
    if (!n.wnd || !n.wnd->hwnd()) {
        n.wnd.reset();
        return false;
    }
    // Keep the order of the layout: after the nearest sibling made before. At start-up
    // the controls are made in that order and a new window already stands there; asking
    // is much cheaper than moving it (under Wine every move is a round trip with messages).
    HWND after = HWND_TOP;
    for (auto& other : natives_) {
        if (other.get() == &n) break;
        if (other->parent == n.parent && other->wnd) after = other->wnd->hwnd();
    }
    const HWND before_it = GetWindow(n.wnd->hwnd(), GW_HWNDPREV);
    if (before_it != (after == HWND_TOP ? nullptr : after)) {
        SetWindowPos(n.wnd->hwnd(), after, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    wire_events(n);
    by_hwnd_[n.wnd->hwnd()] = &n;
    return true;
}

template <class Wrapper, class Model>
Wrapper& FrmMainView::make(Native& n, const Model& model) {
    auto made = std::make_unique<Wrapper>();
    Wrapper& wrapper = *made;
    n.apply = [&wrapper, &model](const win::Placement& at, bool force) {
        wrapper.apply(model, at, force);
    };
    n.wnd = std::move(made);
    return wrapper;
}

void FrmMainView::create_native(Native& n, HWND parent, const win::Placement& at) {
    const Control& c = *n.model;
    switch (c.kind) {
        case ControlKind::TabControl: {
            const auto& model = static_cast<const TabControl&>(c);
            auto& tab = make<win::TabControl>(n, model);
            // Known to the view only once made: a window that could not be made is tried
            // again when next shown.
            if (tab.create(parent, model.tabs, at)) tab_ = &tab;
            tab.paint = [this, name = c.name](HDC dc) { paint_container(dc, name); };
            break;
        }
        case ControlKind::Button:
            make<win::Button>(n, static_cast<const Button&>(c)).create(parent, at);
            break;
        case ControlKind::OptionButton:
            make<win::OptionButton>(n, static_cast<const OptionButton&>(c))
                .create(parent, n.first_option, at);
            break;
        case ControlKind::CheckBox:
            make<win::CheckBox>(n, static_cast<const CheckBox&>(c)).create(parent, at);
            break;
        case ControlKind::ComboBox:
        case ControlKind::DropDownList: {
            auto& combo = make<win::ComboBox>(n, static_cast<const ComboBox&>(c));
            if (combo.create(parent, c.kind == ControlKind::ComboBox, at)) n.box = &combo;
            break;
        }
        case ControlKind::Frame:
        case ControlKind::PictureBox: {
            auto& canvas = make<win::Canvas>(n, c);
            // A frame shows the page behind it; the schematic is drawn on white, like
            // paper.
            const bool made =
                c.kind == ControlKind::Frame
                    ? canvas.create(parent, win::Canvas::Border::Etched, CLR_INVALID, at)
                    : canvas.create(parent, win::Canvas::Border::Sunken, RGB(255, 255, 255), at);
            if (made) canvases_[c.name] = &canvas;
            canvas.paint = [this, name = c.name](HDC dc) { paint_container(dc, name); };
            break;
        }
        case ControlKind::Image: {
            const auto& picture = static_cast<const Picture&>(c);
            auto& image = make<win::PictureButton>(n, picture);
            image.create(parent, at);
            image.paint = [this, &picture](HDC dc, const RECT& client) {
                const Bitmap* bitmap = pictures_.get(picture.picture);
                if (!bitmap) return;
                // 「交点ごと」 waits for crossings: it shows that it cannot be clicked.
                draw_bitmap(dc, picture.enabled ? *bitmap : greyed(*bitmap), client);
            };
            break;
        }
        default:
            break;
    }
}

void FrmMainView::wire_events(Native& n) {
    const ControlRef ref = n.ref;
    // The user's click and Enter, handed to the model.
    auto click = [this, ref] { act(ref, [this, ref] { return model_.user_click(ref); }); };
    auto enter = [this, ref] { act(ref, [this, ref] { return model_.user_enter(ref); }); };
    if (takes_focus(n.model->kind)) n.wnd->on_focus = [this] { note_focus(); };
    switch (n.model->kind) {
        case ControlKind::Button: {
            auto* button = static_cast<win::Button*>(n.wnd.get());
            button->on_click = click;
            button->on_enter = enter;
            break;
        }
        case ControlKind::OptionButton:
            static_cast<win::OptionButton*>(n.wnd.get())->on_click = click;
            break;
        case ControlKind::CheckBox:
            static_cast<win::CheckBox*>(n.wnd.get())->on_click = click;
            break;
        case ControlKind::ComboBox:
        case ControlKind::DropDownList: {
            win::ComboBox* combo = n.box;
            if (combo->editable()) combo->on_enter = enter;
            combo->on_select = [this, ref, combo] {
                const int entry = combo->selection();
                if (entry < 0) return;
                act(ref, [this, ref, entry] { return model_.user_choose(ref, entry); });
            };
            break;
        }
        case ControlKind::Image:
            static_cast<win::PictureButton*>(n.wnd.get())->on_click = click;
            break;
        case ControlKind::TabControl:
            static_cast<win::TabControl*>(n.wnd.get())->on_select = [this,
                                                                     name = ref.name](int page) {
                const ControlRef page_ref{name, page};
                act(page_ref, [this, page_ref] { return model_.user_click(page_ref); });
            };
            break;
        default:
            break;
    }
}

void FrmMainView::show() {
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    startup_trace().phase("show");
    if (model_.focus().empty()) model_.user_focus(ControlRef{"cboM_h", -1});
    refresh();
    startup_trace().phase("focus");
    UpdateWindow(hwnd());
    startup_trace().phase("first paint");
}

bool FrmMainView::is_tab_key(const MSG& msg) const {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
    if ((GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_MENU) & 0x8000)) return false;
    if (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd)) return false;
    // A control that takes Tab itself keeps it (none of this window's does).
    const LRESULT wants =
        SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    return (wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) == 0;
}

FrmMainView::Native* FrmMainView::native_with_focus() {
    for (HWND h = GetFocus(); h && h != hwnd(); h = GetParent(h)) {
        auto it = by_hwnd_.find(h);
        if (it != by_hwnd_.end())
            return takes_focus(it->second->model->kind) ? it->second : nullptr;
    }
    return nullptr;
}

void FrmMainView::note_focus() {
    if (syncing_ || closed()) return;
    focus_moved_ = true;
    PostMessageW(hwnd(), kMsgFocusMoved, 0, 0);
}

void FrmMainView::settle_focus() {
    // While the mouse button that moved the focus is still down, the click is not over:
    // the model hears of the focus change with the click itself (its user_click moves the
    // focus first) or, for a control that has no click, once the button is released. So a
    // message box raised by the box that was left cannot swallow the click.
    if (!focus_moved_ || busy_ || closed() || closing_ || mouse_button_down()) return;
    focus_moved_ = false;
    Native* n = native_with_focus();
    if (!n || model_.focus() == n->ref) return;
    const ControlRef ref = n->ref;
    act(ref, [this, ref] { return model_.user_focus(ref); });
}

void FrmMainView::act(const ControlRef& source, const std::function<ActResult()>& action) {
    // A handler's message box runs its own message loop; anything that reaches us from
    // there waits (the window is disabled meanwhile, so that is only focus news).
    if (busy_ || closed() || closing_) return;
    busy_ = true;
    pull_edits();
    if (focus_moved_) {
        focus_moved_ = false;
        Native* n = native_with_focus();
        if (n && !(n->ref == source) && !(model_.focus() == n->ref)) model_.user_focus(n->ref);
    }
    action();
    busy_ = false;
    refresh();
    if (focus_moved_ && !closed()) PostMessageW(hwnd(), kMsgFocusMoved, 0, 0);
}

void FrmMainView::pull_edits() {
    for (auto& n : natives_) {
        if (!n->box) continue;
        const std::optional<std::string> typed = n->box->take_typed();
        if (typed && static_cast<ComboBox*>(n->model)->text != *typed)
            model_.user_type(n->ref, *typed);
    }
}

void FrmMainView::apply_focus() {
    // Only while the window is the active one: a message box or another program in front
    // keeps its own focus.
    if (closed() || GetActiveWindow() != hwnd()) return;
    auto usable = [](HWND h) { return h && IsWindowVisible(h) && IsWindowEnabled(h); };
    const ControlRef target = model_.focus();
    Native* want = target.empty() ? nullptr : find(target);
    if (want && want->wnd && usable(want->wnd->hwnd())) {
        Native* has = native_with_focus();
        if (has != want) {
            syncing_ = true;
            want->wnd->focus();
            syncing_ = false;
        }
        return;
    }
    // The model's focus is on a box that was just disabled or hidden: the keyboard goes
    // on to the control Tab would reach from it, and the box is not validated again (the
    // model skips LostFocus for a control nobody can act on). The model hears of the move
    // as of any other (note_focus).
    HWND focus = GetFocus();
    if (usable(focus) && focus != hwnd() && native_with_focus()) return;
    const ControlRef next_ref = model_.next_tab_stop(target, false);
    Native* next = next_ref.empty() ? nullptr : find(next_ref);
    if (next && next->wnd && usable(next->wnd->hwnd())) next->wnd->focus();
}

void FrmMainView::process(MSG& msg) {
    if (tips_) tips_->relay(msg);
    if (is_tab_key(msg)) {
        // Tab goes where the model's reading order says (FrmMain::tab_order), which the dialog
        // manager's walk through the windows of nested containers cannot follow. The model
        // moves its focus, the box left is checked, and refresh puts the keyboard there with
        // a box's whole text selected, as a dialog does, so that typing replaces it.
        const bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        act(ControlRef{}, [this, backwards] { return model_.user_tab(backwards); });
        return;
    }
    if (msg.message == WM_KEYDOWN && (GetKeyState(VK_CONTROL) & 0x8000) &&
        (msg.wParam == VK_TAB || msg.wParam == VK_PRIOR || msg.wParam == VK_NEXT) && tab_ &&
        IsChild(hwnd(), msg.hwnd)) {
        // Ctrl+Tab and Ctrl+PageUp/PageDown turn the page, as in a dialog with tabs.
        const ControlRef page_ref{model_.SSTab1.name, 1 - model_.SSTab1.tab};
        act(page_ref, [this, page_ref] { return model_.user_click(page_ref); });
        return;
    }
    win::WindowView::process(msg);
    settle_focus();
}

}  // namespace quornel
