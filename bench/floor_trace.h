// For the floors of the start-up benchmark: their top window, and the lines of quornel's
// start-up trace that can be compared, measured the same way and appended to the file
// QUORNEL_STARTUP_TRACE names: "process_start" (from the creation of the process to its
// first line), the phases the floor marks with floor_phase() ("window", "control_creation",
// "show"), "first_paint" and "total" (to the end of the first paint).
#pragma once
#include <windows.h>

#include <cstdio>

inline double floor_ms_since_creation() {
    FILETIME created, exited, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    GetSystemTimePreciseAsFileTime(&now);
    auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;  // 100-ns ticks
}

namespace floor_detail {
inline double started = 0, last = 0;
inline char text[512];
inline int length = 0;
inline void note(const char* name, double ms) {
    length += std::snprintf(text + length, sizeof text - length, "%s %.1f\n", name, ms);
}
}  // namespace floor_detail

// The phase that ends now, named as in quornel's trace.
inline void floor_phase(const char* name) {
    const double now = floor_ms_since_creation();
    floor_detail::note(name, now - floor_detail::last);
    floor_detail::last = now;
}

// Call first thing in wWinMain, and again after the first paint.
inline void floor_trace(bool painted) {
    using namespace floor_detail;
    if (!painted) {
        started = last = floor_ms_since_creation();
        note("process_start", started);
        return;
    }
    floor_phase("first_paint");
    note("total", last);
    wchar_t path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableW(L"QUORNEL_STARTUP_TRACE", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}

// The floors' top window, of quornel's outer size; closing it ends the program.
inline HWND floor_window(HINSTANCE instance, const wchar_t* class_name, const wchar_t* title,
                         DWORD ex_style, DWORD extra_style) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (msg == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(hwnd, msg, wp, lp);
    };
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = class_name;
    RegisterClassExW(&wc);
    return CreateWindowExW(ex_style, class_name, title,
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | extra_style, CW_USEDEFAULT,
                           CW_USEDEFAULT, 780, 617, nullptr, nullptr, instance, nullptr);
}
