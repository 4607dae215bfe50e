#include "win32/canvas.h"

#include "win32/dpi.h"
#include "win32/gdi_object.h"
#include "win32/ux_theme.h"
#include "win32/wide_text.h"

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
    const std::wstring caption = model.kind == ControlKind::Frame
                                     ? widen(static_cast<const quornel::Frame&>(model).caption)
                                     : std::wstring();
    const bool font_changed = at.font != font_;
    font_ = at.font;
    if (caption != caption_ || (font_changed && !caption.empty())) {
        caption_ = caption;
        redraw();
    }
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
        const int saved = SaveDC(dc);
        if (!caption_.empty()) paint_caption(dc, edge);
        DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
        RestoreDC(dc, saved);
    }
    if (paint) paint(dc);
}

void Canvas::paint_caption(HDC dc, RECT& edge) {
    // As a group box has it: the edge runs through the middle of the title's line and stops
    // either side of the title, which starts a little in from the left.
    SelectObject(dc, font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32W(dc, caption_.c_str(), static_cast<int>(caption_.size()), &size);
    const int inset = MulDiv(8, static_cast<int>(window_dpi(hwnd())), 96);
    const int gap = MulDiv(2, static_cast<int>(window_dpi(hwnd())), 96);
    RECT title{edge.left + inset, edge.top, edge.left + inset + size.cx + 2 * gap,
               edge.top + size.cy};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    TextOutW(dc, title.left + gap, title.top, caption_.c_str(), static_cast<int>(caption_.size()));
    ExcludeClipRect(dc, title.left, title.top, title.right, title.bottom);
    edge.top += size.cy / 2;
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
