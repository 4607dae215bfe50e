#include "win32/wnd.h"

#include <commctrl.h>

#include <unordered_map>

#include "win32/ux_theme.h"
#include "win32/wide_text.h"

namespace quornel::win {
namespace {

// The wrappers by window. One thread makes and runs every window of the program, so a
// plain map serves; it stands in for window properties and comctl32's subclassing, which
// under Wine ask the window server at every single message.
std::unordered_map<HWND, Wnd*>& wrappers() {
    static std::unordered_map<HWND, Wnd*> map;
    return map;
}

}  // namespace

Wnd::~Wnd() {
    if (!hwnd_) return;
    const HWND h = hwnd_;
    detach();
    if (owns_window_) DestroyWindow(h);
}

Wnd* Wnd::from(HWND hwnd) {
    if (!hwnd) return nullptr;
    const auto& map = wrappers();
    auto it = map.find(hwnd);
    return it == map.end() ? nullptr : it->second;
}

void Wnd::attach(HWND hwnd) {
    hwnd_ = hwnd;
    if (!hwnd) return;
    wrappers()[hwnd] = this;
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Wnd::route)));
}

void Wnd::attach(HWND hwnd, const Placement& at) {
    attach(hwnd);
    placed_ = at;
    copied_ = false;
}

bool Wnd::begin_apply(const Placement& at, bool force) {
    if (force || !EqualRect(&at.rect, &placed_.rect)) {
        set_bounds(at.rect);
        placed_.rect = at.rect;
    }
    return force || !copied_;
}

void Wnd::end_apply(const Placement& at, bool force) {
    if (force || placed_.enabled != at.enabled) set_enabled(placed_.enabled = at.enabled);
    if (force || placed_.visible != at.visible) set_visible(placed_.visible = at.visible);
    copied_ = true;
}

void Wnd::detach() {
    if (!hwnd_) return;
    const HWND h = hwnd_;
    hwnd_ = nullptr;
    wrappers().erase(h);
    // Only when the procedure is still ours: a later subclass keeps its own chain.
    if (original_ && GetWindowLongPtrW(h, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Wnd::route))
        SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
}

LRESULT CALLBACK Wnd::route(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Wnd* self = from(hwnd);
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);  // not reached: detach restores
    if (msg == WM_NCDESTROY) {
        // The window goes first (its parent is being destroyed): forget it, keep the object.
        const WNDPROC original = self->original_;
        self->detach();
        return CallWindowProcW(original, hwnd, msg, wp, lp);
    }
    if (msg == WM_SETFOCUS && self->on_focus) self->on_focus();
    return self->window_proc(hwnd, msg, wp, lp);
}

LRESULT Wnd::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return default_proc(hwnd, msg, wp, lp);
}

LRESULT Wnd::default_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return original_ ? CallWindowProcW(original_, hwnd, msg, wp, lp)
                     : DefWindowProcW(hwnd, msg, wp, lp);
}

void Wnd::set_bounds(const RECT& r) {
    if (!hwnd_) return;
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Wnd::set_visible(bool visible) {
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void Wnd::set_enabled(bool enabled) {
    if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void Wnd::set_text(const std::string& utf8) {
    if (hwnd_) SetWindowTextW(hwnd_, widen(utf8).c_str());
}

std::string Wnd::text() const {
    if (!hwnd_) return {};
    const int n = GetWindowTextLengthW(hwnd_);
    std::wstring buf(static_cast<std::size_t>(n) + 1, L'\0');
    const int got = GetWindowTextW(hwnd_, buf.data(), n + 1);
    buf.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return narrow(buf);
}

void Wnd::set_font(HFONT font) {
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Wnd::focus() {
    SetFocus(hwnd_);
}

HWND create_child(DWORD ex_style, const wchar_t* cls, DWORD style, HWND parent, const Placement& at,
                  int height) {
    const RECT& r = at.rect;
    HWND hwnd = CreateWindowExW(ex_style, cls, L"", style | at.style(), r.left, r.top,
                                r.right - r.left, height >= 0 ? height : r.bottom - r.top, parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hwnd && at.font) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(at.font), FALSE);
    return hwnd;
}

bool reflect_to_child(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
        case WM_COMMAND:
            if (Wnd* child = Wnd::from(reinterpret_cast<HWND>(lp))) {
                child->on_command(HIWORD(wp));
                *result = 0;
                return true;
            }
            return false;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lp);
            if (Wnd* child = Wnd::from(header->hwndFrom)) {
                *result = child->on_notify(header);
                return true;
            }
            return false;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            auto child_hwnd = reinterpret_cast<HWND>(lp);
            Wnd* child = Wnd::from(child_hwnd);
            if (!child || !child->transparent_background()) return false;
            // The parent's own background (themed tab page, frame, schematic) shows through.
            auto dc = reinterpret_cast<HDC>(wp);
            draw_parent_background(child_hwnd, dc, nullptr);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            *result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
            return true;
        }
        default:
            return false;
    }
}

const wchar_t* register_plain_class(const wchar_t* name, HBRUSH background, HICON icon,
                                    HICON small_icon) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, name, &existing)) return name;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.hIconSm = small_icon;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
    return name;
}

}  // namespace quornel::win
