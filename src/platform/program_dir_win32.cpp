#include <windows.h>

#include <string>

#include "platform/program_dir.h"

namespace quornel {

namespace {

// The working folder, asked of Windows itself: std::filesystem's own call would bring the
// C++ streams into the program.
std::filesystem::path current_directory() {
    std::wstring buf(GetCurrentDirectoryW(0, nullptr), L'\0');
    const DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(buf.size()), buf.data());
    buf.resize(n < buf.size() ? n : 0);
    return std::filesystem::path(buf);
}

}  // namespace

std::filesystem::path executable_dir() {
    // Wide API throughout: a program folder with Japanese characters must work.
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return current_directory();
        if (n < buf.size()) {
            buf.resize(n);
            break;
        }
        buf.resize(buf.size() * 2);
    }
    return std::filesystem::path(buf).parent_path();
}

}  // namespace quornel
