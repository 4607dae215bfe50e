#include "win32/startup_trace_file.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "ui/startup_trace.h"

namespace quornel {
namespace {

constexpr wchar_t kVariable[] = L"QUORNEL_STARTUP_TRACE";

std::wstring trace_file() {
    const DWORD n = GetEnvironmentVariableW(kVariable, nullptr, 0);
    if (n == 0) return {};
    std::wstring path(n, L'\0');
    const DWORD got = GetEnvironmentVariableW(kVariable, path.data(), n);
    path.resize(got < n ? got : 0);
    return path;
}

// Milliseconds since the process was created: what the loader and the runtime took
// before the program's own first line.
double since_process_creation() {
    FILETIME created, exited, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    GetSystemTimePreciseAsFileTime(&now);
    auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    const unsigned long long a = ticks(created), b = ticks(now);
    return b > a ? static_cast<double>(b - a) / 10000.0 : 0;  // 100-ns ticks
}

}  // namespace

void start_startup_trace_if_asked() {
    if (GetEnvironmentVariableW(kVariable, nullptr, 0) == 0) return;
    startup_trace().start(since_process_creation());
}

void write_startup_trace() {
    if (!startup_trace().on()) return;
    const std::wstring path = trace_file();
    if (path.empty()) return;
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string text = startup_trace().report();
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace quornel
