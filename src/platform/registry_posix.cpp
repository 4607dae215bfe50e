#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/registry.h"
#include "platform/registry_file.h"

namespace quornel {
namespace {

std::filesystem::path config_home() {
    // A relative XDG_CONFIG_HOME is to be ignored, as the base directory rules say.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (!home || !home[0]) {
        if (const passwd* pw = ::getpwuid(::getuid())) home = pw->pw_dir;
    }
    return std::filesystem::path(home ? home : ".") / ".config";
}

}  // namespace

std::unique_ptr<Registry> open_user_registry() {
    return open_reg_file_registry(real_file_system(), config_home() / "quornel" / "registry.reg",
                                  true);
}

}  // namespace quornel
