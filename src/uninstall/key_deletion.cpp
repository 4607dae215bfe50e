#include "uninstall/key_deletion.h"

namespace quornel::uninstall {

bool DeleteRegKey(Registry& registry, std::string_view parent_path, std::string_view subkey) {
    return registry.delete_key(parent_path, subkey);
}

}  // namespace quornel::uninstall
