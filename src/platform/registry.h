#pragma once
// The registry seam: the current user's registry on Windows (advapi32), a .reg text file
// elsewhere. Key paths are relative to HKEY_CURRENT_USER, with "\" between the parts, and
// compare without regard to letter case, as on Windows. Paths and value names are ASCII.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quornel {

// The value types quornel knows, with Windows' numbers.
enum : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7,
    kRegQword = 11,
};

struct RegData {
    std::uint32_t type = kRegNone;
    // Raw bytes as the registry holds them: for REG_SZ the ANSI bytes including any NULs
    // that were stored; for REG_DWORD 4 bytes little-endian.
    std::string bytes;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens the key with read access only. nullopt when the key or the value is missing or
    // cannot be read.
    virtual std::optional<RegData> query(std::string_view key_path, std::string_view name) = 0;
    // Creates the key and its parents as needed, then writes the value. False on failure.
    virtual bool set(std::string_view key_path, std::string_view name, const RegData& data) = 0;
    // A plain delete of sub-key `subkey` of `parent_path`: fails when the sub-key is missing
    // or has sub-keys of its own.
    virtual bool delete_key(std::string_view parent_path, std::string_view subkey) = 0;
    virtual bool key_exists(std::string_view key_path) = 0;
};

// The current user's registry: advapi32 on Windows; elsewhere the .reg file at
// $XDG_CONFIG_HOME/quornel/registry.reg (~/.config/quornel/registry.reg when unset).
std::unique_ptr<Registry> open_user_registry();

// A registry kept in a .reg text file (used off Windows, and by tests on every platform).
std::unique_ptr<Registry> open_reg_file_registry(const std::filesystem::path& file);

}  // namespace quornel
