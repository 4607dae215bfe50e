#pragma once
// The deletion of quornel's registry key: the uninstaller's registry function DeleteRegKey.
// It shares nothing with quornel but the key names.
#include <string_view>

#include "platform/registry.h"

namespace quornel::uninstall {

// A plain delete of `subkey` under `parent_path` (HKEY_CURRENT_USER): true when the key
// was removed; false when the parent cannot be opened, the sub-key is missing or it has
// sub-keys of its own.
bool DeleteRegKey(Registry& registry, std::string_view parent_path, std::string_view subkey);

}  // namespace quornel::uninstall
