#include "window_driver.h"

#include <vector>

namespace quornel::test {
namespace {

int g_answered = 0;
HWND g_last_answered = nullptr;

BOOL CALLBACK press_default_button(HWND hwnd, LPARAM) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(hwnd)) {
        // A message box's default button: Yes or OK.
        const LRESULT id = SendMessageW(hwnd, DM_GETDEFID, 0, 0);
        const WORD button = HIWORD(id) == DC_HASDEFID ? LOWORD(id) : IDOK;
        PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        if (hwnd != g_last_answered) ++g_answered;
        g_last_answered = hwnd;
    }
    return TRUE;
}

void CALLBACK answer_boxes(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), press_default_button, 0);
}

void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

bool have_display() {
    static const bool available = [] {
        wchar_t asked[4] = {};
        if (GetEnvironmentVariableW(L"QUORNEL_WINDOW_TESTS", asked, 4) == 0 ||
            lstrcmpW(asked, L"1") != 0)
            return false;
        HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
        if (!probe) return false;
        DestroyWindow(probe);
        return GetSystemMetrics(SM_CXSCREEN) > 0;
    }();
    return available;
}

void settle(const std::function<void()>& pump, int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        pump();
        Sleep(10);
    } while (static_cast<int>(end - GetTickCount()) > 0);
    pump();
}

void click_at(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    SetCursorPos(p.x, p.y);
    INPUT down{}, up{};
    down.type = up.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    send({down, up});
}

void hover_at(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    // Arriving from a little to the left, as a hand moves the mouse.
    SetCursorPos(p.x - 4, p.y);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = p.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = p.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    send({move});
}

void click(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    click_at(hwnd, r.right / 2, r.bottom / 2);
}

void press(WORD virtual_key) {
    INPUT down{}, up{};
    down.type = up.type = INPUT_KEYBOARD;
    down.ki.wVk = up.ki.wVk = virtual_key;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    send({down, up});
}

void press_with(WORD modifier, WORD virtual_key) {
    INPUT held{}, down{}, up{}, released{};
    held.type = down.type = up.type = released.type = INPUT_KEYBOARD;
    held.ki.wVk = released.ki.wVk = modifier;
    down.ki.wVk = up.ki.wVk = virtual_key;
    up.ki.dwFlags = released.ki.dwFlags = KEYEVENTF_KEYUP;
    send({held, down, up, released});
}

void type_text(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        INPUT down{}, up{};
        down.type = up.type = INPUT_KEYBOARD;
        down.ki.wScan = up.ki.wScan = c;
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        up.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        inputs.push_back(down);
        inputs.push_back(up);
    }
    send(inputs);
}

RECT rect_in(HWND hwnd, HWND reference) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

MessageBoxAnswerer::MessageBoxAnswerer(int delay_ms) {
    g_answered = 0;
    g_last_answered = nullptr;
    timer_ = SetTimer(nullptr, 0, static_cast<UINT>(delay_ms), answer_boxes);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    KillTimer(nullptr, timer_);
}

int MessageBoxAnswerer::answered() const {
    return g_answered;
}

}  // namespace quornel::test
