#include "win32/top_window.h"

#include "win32/dpi.h"
#include "win32/wide_text.h"

namespace quornel::win {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

}  // namespace

bool TopWindow::create(const std::string& caption) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    auto load_icon = [&](int metric) {
        const int size = GetSystemMetrics(metric);
        return static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, size, size, LR_SHARED));
    };
    const wchar_t* cls = register_plain_class(L"QuornelWindow", GetSysColorBrush(COLOR_BTNFACE),
                                              load_icon(SM_CXICON), load_icon(SM_CXSMICON));
    HWND hwnd = CreateWindowExW(kExStyle, cls, widen(caption).c_str(), kStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, 400, 300, nullptr, nullptr, instance, nullptr);
    attach(hwnd);
    return hwnd != nullptr;
}

void TopWindow::set_outer_size_centred(double width_twips, double height_twips) {
    const unsigned dpi = window_dpi(hwnd());
    centre(twips_to_px(width_twips, dpi), twips_to_px(height_twips, dpi));
}

void TopWindow::set_client_size_centred(double width_twips, double height_twips) {
    const unsigned dpi = window_dpi(hwnd());
    RECT r{0, 0, twips_to_px(width_twips, dpi), twips_to_px(height_twips, dpi)};
    adjust_window_rect(r, kStyle, kExStyle, dpi);
    centre(r.right - r.left, r.bottom - r.top);
}

void TopWindow::centre(int width, int height) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY);
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (GetMonitorInfoW(monitor, &info)) area = info.rcWork;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    // A screen smaller than the window: keep the caption reachable.
    if (x < area.left) x = area.left;
    if (y < area.top) y = area.top;
    SetWindowPos(hwnd(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TopWindow::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (reflect_to_child(hwnd, msg, wp, lp, &result)) return result;
    switch (msg) {
        case WM_CLOSE:
            if (!on_close || on_close()) DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            if (on_destroyed) on_destroyed();
            return 0;
        case WM_COMMAND:
            // The dialog manager turns Esc into IDCANCEL from no control (none has that id),
            // unless the control with the focus wants the key. Enter (IDOK) means nothing
            // here: every control handles its own.
            if (LOWORD(wp) == IDCANCEL && HIWORD(wp) == 0 && lp == 0 && on_escape) on_escape();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wp) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd, focus)) last_focus_ = focus;
                return 0;
            }
            if (last_focus_ && IsWindow(last_focus_) && IsChild(hwnd, last_focus_) &&
                IsWindowEnabled(last_focus_) && IsWindowVisible(last_focus_)) {
                SetFocus(last_focus_);
                return 0;
            }
            break;
        case WM_SETFOCUS:
            if (last_focus_ && IsWindow(last_focus_) && IsChild(hwnd, last_focus_) &&
                IsWindowEnabled(last_focus_) && IsWindowVisible(last_focus_)) {
                SetFocus(last_focus_);
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lp);
            SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            if (on_dpi_changed) on_dpi_changed(HIWORD(wp));
            return 0;
        }
        default:
            break;
    }
    if (msg >= WM_APP && msg <= 0xBFFF) {
        if (on_app_message) on_app_message(msg, wp, lp);
        return 0;
    }
    return default_proc(hwnd, msg, wp, lp);
}

}  // namespace quornel::win
