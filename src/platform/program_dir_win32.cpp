#include <windows.h>

#include <string>

#include "platform/program_dir.h"

namespace quornel {

std::filesystem::path executable_dir() {
    // Wide API throughout: a program folder with Japanese characters must work.
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return std::filesystem::current_path();
        if (n < buf.size()) {
            buf.resize(n);
            break;
        }
        buf.resize(buf.size() * 2);
    }
    return std::filesystem::path(buf).parent_path();
}

}  // namespace quornel
