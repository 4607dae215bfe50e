#pragma once
// Registries for tests, one per backend, so that one suite proves both: "RegFile" (a .reg
// file in a temporary folder, every platform) and, in the Windows build, "Win32" (the real
// registry of the current user, under a throw-away key that is removed afterwards).
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace quornel::test {

class TestRegistry {
  public:
    virtual ~TestRegistry() = default;
    virtual Registry& registry() = 0;
    // The .reg file behind a "RegFile" registry; empty for the real registry.
    virtual std::filesystem::path file() const { return {}; }
};

std::vector<std::string> registry_backends();
std::unique_ptr<TestRegistry> make_test_registry(const std::string& backend);

// Little-endian DWORD data and REG_SZ data as the registry holds them.
RegData dword_data(std::uint32_t v);
RegData sz_data(std::string ansi_bytes_with_nuls);

}  // namespace quornel::test
