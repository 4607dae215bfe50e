#include "win32/button.h"

namespace quornel::win {
namespace {

bool is_enter(const MSG* msg) {
    return msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
           msg->wParam == VK_RETURN;
}

}  // namespace

bool Button::create(HWND parent, const Placement& at) {
    HWND hwnd = create_child(0, L"BUTTON",
                             WS_CHILD | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON | WS_CLIPSIBLINGS,
                             parent, at);
    attach(hwnd, at);
    return hwnd != nullptr;
}

void Button::apply(const quornel::Button& model, const Placement& at, bool force) {
    const bool all = begin_apply(at, force);
    if (all || caption_ != model.caption) set_text(caption_ = model.caption);
    end_apply(at, force);
}

void Button::on_command(WORD code) {
    if (code == BN_CLICKED && on_click) on_click();
}

LRESULT Button::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_GETDLGCODE:
            // Enter belongs to the focused button, not to the window's default action.
            if (is_enter(reinterpret_cast<const MSG*>(lp)))
                return default_proc(hwnd, msg, wp, lp) | DLGC_WANTALLKEYS;
            break;
        case WM_KEYDOWN:
            if (wp == VK_RETURN) return 0;
            break;
        case WM_CHAR:
            if (wp == VK_RETURN) {
                if (on_enter) on_enter();
                return 0;
            }
            break;
        default:
            break;
    }
    return default_proc(hwnd, msg, wp, lp);
}

bool OptionButton::create(HWND parent, bool first_of_group, const Placement& at) {
    // The arrow keys go round a group from one WS_GROUP to the next; every control other than
    // an option button has one of its own, so a group ends with its buttons.
    DWORD style = WS_CHILD | BS_RADIOBUTTON | WS_CLIPSIBLINGS;
    if (first_of_group) style |= WS_GROUP;
    HWND hwnd = create_child(0, L"BUTTON", style, parent, at);
    attach(hwnd, at);
    return hwnd != nullptr;
}

void OptionButton::apply(const quornel::OptionButton& model, const Placement& at, bool force) {
    const bool all = begin_apply(at, force);
    if (all || caption_ != model.caption) set_text(caption_ = model.caption);
    if (all || checked_ != model.value) set_checked(checked_ = model.value);
    end_apply(at, force);
}

void OptionButton::set_checked(bool checked) {
    if (!hwnd()) return;
    SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    // Tab reaches a group at its chosen button; the arrow keys move within the group.
    LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    style = checked ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrW(hwnd(), GWL_STYLE, style);
}

void OptionButton::on_command(WORD code) {
    if (code == BN_CLICKED && on_click) on_click();
}

LRESULT OptionButton::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT result = default_proc(hwnd, msg, wp, lp);
    // An option the keyboard comes to (the arrow keys within its group) is chosen, as in a
    // dialog. Windows' own button says so with BN_CLICKED; Wine's does not, so the button
    // tells once it has the focus and is still not chosen. A click says so when it ends.
    const bool mouse_down =
        ((GetKeyState(VK_LBUTTON) | GetKeyState(VK_RBUTTON) | GetKeyState(VK_MBUTTON)) & 0x8000) !=
        0;
    if (msg == WM_SETFOCUS && !checked_ && !mouse_down && on_click) on_click();
    return result;
}

bool CheckBox::create(HWND parent, const Placement& at) {
    HWND hwnd = create_child(0, L"BUTTON",
                             WS_CHILD | WS_TABSTOP | WS_GROUP | BS_CHECKBOX | BS_MULTILINE |
                                 BS_VCENTER | WS_CLIPSIBLINGS,
                             parent, at);
    attach(hwnd, at);
    return hwnd != nullptr;
}

void CheckBox::apply(const quornel::CheckBox& model, const Placement& at, bool force) {
    const bool all = begin_apply(at, force);
    if (all || caption_ != model.caption) set_text(caption_ = model.caption);
    if ((all || value_ != model.value) && hwnd()) {
        value_ = model.value;
        SendMessageW(hwnd(), BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    end_apply(at, force);
}

void CheckBox::on_command(WORD code) {
    if (code == BN_CLICKED && on_click) on_click();
}

bool Label::create(HWND parent, const Placement& at) {
    HWND hwnd = create_child(0, L"STATIC", WS_CHILD | SS_LEFT | SS_NOPREFIX, parent, at);
    attach(hwnd);
    return hwnd != nullptr;
}

}  // namespace quornel::win
