#include <system_error>

#include "platform/program_dir.h"

namespace quornel {

std::filesystem::path executable_dir() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path();
    return exe.parent_path();
}

}  // namespace quornel
