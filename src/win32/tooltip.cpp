#include "win32/tooltip.h"

#include <commctrl.h>

#include "win32/wide_text.h"

namespace quornel::win {
namespace {

// The tool structure as every comctl32 version since 4.70 reads it.
TTTOOLINFOW tool_info(UINT_PTR id, HWND host) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = host;
    info.uId = id;
    return info;
}

bool is_mouse_message(UINT msg) {
    return msg == WM_MOUSEMOVE || (msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK) ||
           msg == WM_NCMOUSEMOVE;
}

// A tip's lines, as the tooltip breaks them.
std::wstring tip_text(const std::string& utf8) {
    std::wstring out;
    for (wchar_t c : widen(utf8)) {
        if (c == L'\n') out += L'\r';
        out += c;
    }
    return out;
}

}  // namespace

bool Tooltip::create() {
    HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return false;
    attach(hwnd);
    // A tip is read, not glanced at: it stays until the mouse moves on.
    SendMessageW(hwnd, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(30000, 0));
    set_scale(font_, dpi_);
    for (const auto& [id, tip] : tips_) add(id, tip.host, tip.rect, tip.text);
    return true;
}

void Tooltip::add(UINT_PTR id, HWND host, const RECT& rect, const std::string& utf8) {
    std::wstring text = tip_text(utf8);
    TTTOOLINFOW info = tool_info(id, host);
    info.rect = rect;
    info.lpszText = text.data();
    SendMessageW(hwnd(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltip::set(UINT_PTR id, HWND host, const RECT& rect, const std::string& utf8) {
    if (!host) return;
    auto it = tips_.find(id);
    const bool made = hwnd() != nullptr;
    // A tip that goes, or moves to another host, is taken off the control first.
    if (it != tips_.end() && (it->second.host != host || utf8.empty())) {
        if (made) {
            TTTOOLINFOW info = tool_info(id, it->second.host);
            SendMessageW(hwnd(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        }
        tips_.erase(it);
        it = tips_.end();
    }
    if (utf8.empty()) return;
    if (it == tips_.end()) {
        tips_[id] = Tip{host, rect, utf8};
        hosts_.insert(host);
        if (made) add(id, host, rect, utf8);
        return;
    }
    Tip& tip = it->second;
    if (EqualRect(&tip.rect, &rect) && tip.text == utf8) return;
    tip.rect = rect;
    tip.text = utf8;
    if (!made) return;
    std::wstring text = tip_text(utf8);
    TTTOOLINFOW info = tool_info(id, host);
    info.rect = rect;
    info.lpszText = text.data();
    SendMessageW(hwnd(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
    SendMessageW(hwnd(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

std::string Tooltip::text(UINT_PTR id) const {
    auto it = tips_.find(id);
    if (!hwnd() || it == tips_.end()) return {};
    // The tooltip copies at most its buffer's length, which the caller must make long enough.
    std::wstring buffer(1024, L'\0');
    TTTOOLINFOW info = tool_info(id, it->second.host);
    info.lpszText = buffer.data();
    SendMessageW(hwnd(), TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&info));
    buffer.resize(wcslen(buffer.c_str()));
    std::wstring lines;
    for (wchar_t c : buffer)
        if (c != L'\r') lines += c;
    return narrow(lines);
}

HWND Tooltip::host_of(HWND window) const {
    for (HWND h = window; h; h = GetAncestor(h, GA_PARENT)) {
        if (hosts_.count(h)) return h;
    }
    return nullptr;
}

void Tooltip::relay(const MSG& msg) {
    if (!is_mouse_message(msg.message)) return;
    const HWND host = host_of(msg.hwnd);
    if (!host || (!hwnd() && !create())) return;
    // The message as the host would have had it: its window and its client coordinates.
    MSG at_host = msg;
    POINT p = msg.pt;
    ScreenToClient(host, &p);
    at_host.hwnd = host;
    at_host.message = msg.message == WM_NCMOUSEMOVE ? WM_MOUSEMOVE : msg.message;
    at_host.lParam = MAKELPARAM(p.x, p.y);
    SendMessageW(hwnd(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&at_host));
}

void Tooltip::set_scale(HFONT font, unsigned dpi) {
    font_ = font;
    dpi_ = dpi;
    if (!hwnd()) return;
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(hwnd(), TTM_SETMAXTIPWIDTH, 0, MulDiv(320, static_cast<int>(dpi), 96));
}

LRESULT Tooltip::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // Before it shows a tip, the tooltip asks itself which window is under the mouse: the
    // host, where the tips are, rather than the control (or the control's edit field).
    if (msg == TTM_WINDOWFROMPOINT) {
        const auto* p = reinterpret_cast<const POINT*>(lp);
        const HWND under = p ? WindowFromPoint(*p) : nullptr;
        const HWND host = host_of(under);
        return reinterpret_cast<LRESULT>(host ? host : under);
    }
    return default_proc(hwnd, msg, wp, lp);
}

}  // namespace quornel::win
