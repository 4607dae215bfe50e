#pragma once
// The .reg file registry with its file access made replaceable, for tests that need a disk
// which fails.
#include <filesystem>
#include <memory>

#include "platform/file_system.h"
#include "platform/registry.h"

namespace quornel {

// `create_folder`: make the file's folder when it is first written (the user's real
// configuration folder may not exist yet).
std::unique_ptr<Registry> open_reg_file_registry(FileSystem& fs, const std::filesystem::path& file,
                                                 bool create_folder = false);

}  // namespace quornel
