#include "win32/canvas.h"

#include "win32/gdi_object.h"
#include "win32/ux_theme.h"

namespace quornel::win {

bool Canvas::create(HWND parent, Border border, COLORREF background, const Placement& at) {
    border_ = border;
    background_ = background;
    const wchar_t* cls = register_plain_class(L"QuornelCanvas", nullptr);
    const DWORD ex = WS_EX_CONTROLPARENT | (border == Border::Sunken ? WS_EX_CLIENTEDGE : 0);
    HWND hwnd = create_child(ex, cls, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, parent, at);
    attach(hwnd, at);
    return hwnd != nullptr;
}

void Canvas::apply(const quornel::Control& model, const Placement& at, bool force) {
    begin_apply(at, force);
    end_apply(at, force);
}

void Canvas::redraw() {
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void Canvas::paint_to(HDC dc, const RECT& client) {
    if (background_ == CLR_INVALID) {
        draw_parent_background(hwnd(), dc, &client);
    } else {
        GdiObject<HBRUSH> brush(CreateSolidBrush(background_));
        FillRect(dc, &client, brush.get());
    }
    if (border_ == Border::Etched) {
        RECT edge = client;
        DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    }
    if (paint) paint(dc);
}

LRESULT Canvas::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (reflect_to_child(hwnd, msg, wp, lp, &result)) return result;
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // painted with everything else in WM_PAINT
        case WM_PAINT:
            paint_buffered(hwnd, [&](HDC dc, const RECT& client) { paint_to(dc, client); });
            return 0;
        case WM_PRINTCLIENT: {
            // Children ask for the background they stand on (draw_parent_background).
            RECT client;
            GetClientRect(hwnd, &client);
            paint_to(reinterpret_cast<HDC>(wp), client);
            return 0;
        }
        default:
            return default_proc(hwnd, msg, wp, lp);
    }
}

}  // namespace quornel::win
