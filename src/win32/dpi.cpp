#include "win32/dpi.h"

#include <cmath>

namespace quornel {
namespace {

// The per-monitor functions exist from Windows 10 1607 on; looked up at run time so that
// the program still starts (at system DPI) on older systems.
template <class F>
F user32_function(const char* name) {
    static HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                  : nullptr;
}

}  // namespace

int twips_to_px(double twips, unsigned dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

RECT twips_rect_to_px(const Rect& rect, unsigned dpi) {
    RECT r;
    r.left = twips_to_px(rect.left, dpi);
    r.top = twips_to_px(rect.top, dpi);
    r.right = twips_to_px(rect.left + rect.width, dpi);
    r.bottom = twips_to_px(rect.top + rect.height, dpi);
    return r;
}

unsigned window_dpi(HWND hwnd) {
    using Fn = UINT(WINAPI*)(HWND);
    static const Fn get_dpi_for_window = user32_function<Fn>("GetDpiForWindow");
    if (get_dpi_for_window && hwnd) {
        const UINT dpi = get_dpi_for_window(hwnd);
        if (dpi != 0) return dpi;
    }
    return system_dpi();
}

unsigned system_dpi() {
    using Fn = UINT(WINAPI*)();
    static const Fn get_dpi_for_system = user32_function<Fn>("GetDpiForSystem");
    if (get_dpi_for_system) return get_dpi_for_system();
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<unsigned>(dpi) : kBaseDpi;
}

void adjust_window_rect(RECT& rect, DWORD style, DWORD ex_style, unsigned dpi) {
    using Fn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const Fn adjust_for_dpi = user32_function<Fn>("AdjustWindowRectExForDpi");
    if (adjust_for_dpi && adjust_for_dpi(&rect, style, FALSE, ex_style, dpi)) return;
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
}

}  // namespace quornel
