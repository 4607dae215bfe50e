#include "win32/tab_control.h"

#include <commctrl.h>

#include "win32/gdi_object.h"
#include "win32/wide_text.h"

namespace quornel::win {

bool TabControl::create(HWND parent, const std::vector<std::string>& captions,
                        const Placement& at) {
    HWND hwnd = create_child(WS_EX_CONTROLPARENT, WC_TABCONTROLW,
                             WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP, parent, at);
    if (!hwnd) return false;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        std::wstring text = widen(captions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(hwnd, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    attach(hwnd, at);
    return true;
}

void TabControl::apply(const quornel::TabControl& model, const Placement& at, bool force) {
    begin_apply(at, force);
    if (selected() != model.tab) {
        select(model.tab);
        redraw();
    }
    end_apply(at, force);
}

int TabControl::selected() const {
    return static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0));
}

void TabControl::select(int page) {
    if (selected() != page) {
        SendMessageW(hwnd(), TCM_SETCURSEL, page, 0);
        page_.invalidate();
    }
}

void TabControl::redraw() {
    page_.invalidate();
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT TabControl::on_notify(NMHDR* header) {
    if (header->code == TCN_SELCHANGE) {
        page_.invalidate();
        if (on_select) on_select(selected());
    }
    return 0;
}

void TabControl::paint_to(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    // The control draws its tabs and page (themed or classic) into our DC.
    default_proc(hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    if (paint) paint(dc);
}

void TabControl::paint_page(HDC dc, bool fresh) {
    if (fresh || !page_.valid()) {
        RECT client;
        GetClientRect(hwnd(), &client);
        page_.repaint(client.right, client.bottom, [&](HDC page) { paint_to(page); });
    }
    if (page_.valid())
        page_.copy_to(dc);
    else
        paint_to(dc);  // no memory for the copy: straight onto the target
}

LRESULT TabControl::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (reflect_to_child(hwnd, msg, wp, lp, &result)) return result;
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            // Painted anew each time (the tabs show focus and hover), into the copy that
            // the children then take their background from.
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            paint_page(dc, true);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            paint_page(reinterpret_cast<HDC>(wp), false);
            return 0;
        case WM_SIZE:
        case WM_SETFONT:
        case WM_THEMECHANGED:
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
        case WM_DPICHANGED_AFTERPARENT:
            page_.invalidate();
            break;
        default:
            break;
    }
    return default_proc(hwnd, msg, wp, lp);
}

}  // namespace quornel::win
