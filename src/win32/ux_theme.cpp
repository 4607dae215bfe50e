#include "win32/ux_theme.h"

#include "win32/system_dll.h"

namespace quornel::win {
namespace {

using DrawThemeParentBackgroundFn = HRESULT(WINAPI*)(HWND, HDC, const RECT*);

DrawThemeParentBackgroundFn themed_parent_background() {
    static const DrawThemeParentBackgroundFn draw = [] {
        HMODULE uxtheme = load_system_dll(L"uxtheme.dll");
        return uxtheme ? reinterpret_cast<DrawThemeParentBackgroundFn>(reinterpret_cast<void*>(
                             GetProcAddress(uxtheme, "DrawThemeParentBackground")))
                       : nullptr;
    }();
    return draw;
}

// Without UxTheme: the parent erases and paints its client area into `dc`, shifted so that
// its pixels land beneath the child and clipped to `area`.
void unthemed_parent_background(HWND child, HDC dc, const RECT* area) {
    HWND parent = GetParent(child);
    if (!parent) return;
    RECT clip;
    if (area) {
        clip = *area;
    } else {
        GetClientRect(child, &clip);
    }
    POINT origin{0, 0};
    MapWindowPoints(child, parent, &origin, 1);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    OffsetWindowOrgEx(dc, origin.x, origin.y, nullptr);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    RestoreDC(dc, saved);
}

}  // namespace

void draw_parent_background(HWND child, HDC dc, const RECT* area) {
    if (auto draw = themed_parent_background(); draw && SUCCEEDED(draw(child, dc, area))) return;
    unthemed_parent_background(child, dc, area);
}

}  // namespace quornel::win
