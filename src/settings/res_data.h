#pragma once
// quornel_res.dat: the previous values, 37 lines of "key,value" in a fixed order.
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/file_system.h"

namespace quornel {

inline constexpr int kResDataLines = 37;
inline constexpr const char* kResDataFile = "quornel_res.dat";

// The keys in file order (optSin_d, hasira_sd, M_h, ... KabeSunLeft_d_4).
const std::array<const char*, kResDataLines>& res_data_keys();

using ResDataValues = std::array<std::string, kResDataLines>;  // UTF-8 texts, file order

// ResDataSave's file: ANSI, CR LF, written atomically. Fails (with a message naming the
// file) when a value has a character the ANSI code page cannot hold.
Status write_res_data(FileSystem& fs, const std::filesystem::path& program_dir,
                      const ResDataValues& values);

struct ResDataRead {
    // Per line: everything after the first comma (UTF-8), or nullopt when the line is
    // missing or has no comma.
    std::array<std::optional<std::string>, kResDataLines> values;
    // Japanese message when the file is missing or unreadable, or some line is missing or
    // has no comma; empty when all 37 lines were read.
    std::string problem;
};

// Reads quornel_res.dat. Lines end at CR LF, LF or a lone CR; keys are not looked at.
ResDataRead read_res_data(FileSystem& fs, const std::filesystem::path& program_dir);

}  // namespace quornel
