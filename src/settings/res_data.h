#pragma once
// quornel_res.dat: the previous values, 37 lines of "key,value" in a fixed order.
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace quornel {

inline constexpr const char* kResDataFile = "quornel_res.dat";

// One line of the file: its key and what it stores, either the text of a box or one of the
// window's choices. Both are named as the window names them, as text, so that this file
// stays below the window: boxes as "cboHsnXG" or "cboKabeSunDOWN(0)", choices by the
// control group that makes them ("optSin", "img_hasira_s", "optSunpoIti", "optHasiraMoji"),
// whose value is stored as its decimal number.
struct ResDataLine {
    const char* key;
    const char* box;     // null for a choice
    const char* choice;  // null for a box
};

// The lines in file order, which is also the order 「前回値」 restores them in.
// clang-format off
inline constexpr ResDataLine kResDataLayout[] = {
    {"optSin_d", nullptr, "optSin"},
    {"hasira_sd", nullptr, "img_hasira_s"},
    {"M_h", "cboM_h", nullptr},
    {"M_k", "cboM_k", nullptr},
    {"SunpoIti_d", nullptr, "optSunpoIti"},
    {"HasiraIti_d", nullptr, "optHasiraMoji"},
    {"HasiraKigou_d", "cboHasiraKigou", nullptr},
    {"HsnXG", "cboHsnXG", nullptr},
    {"HsnXU_0", "cboHsnXU_0", nullptr},
    {"HsnXU_1", "cboHsnXU_1", nullptr},
    {"HsnXM_0", "cboHsnXM(0)", nullptr},
    {"HsnXM_1", "cboHsnXM(1)", nullptr},
    {"HsnYG", "cboHsnYG", nullptr},
    {"HsnYU_0", "cboHsnYU_0", nullptr},
    {"HsnYU_1", "cboHsnYU_1", nullptr},
    {"HsnYM_0", "cboHsnYM(0)", nullptr},
    {"HsnYM_1", "cboHsnYM(1)", nullptr},
    {"KabeSunDOWN_d_0", "cboKabeSunDOWN(0)", nullptr},
    {"KabeSunDOWN_d_1", "cboKabeSunDOWN(1)", nullptr},
    {"KabeSunDOWN_d_2", "cboKabeSunDOWN(2)", nullptr},
    {"KabeSunDOWN_d_3", "cboKabeSunDOWN(3)", nullptr},
    {"KabeSunDOWN_d_4", "cboKabeSunDOWN(4)", nullptr},
    {"KabeSunUp_d_0", "cboKabeSunUp(0)", nullptr},
    {"KabeSunUp_d_1", "cboKabeSunUp(1)", nullptr},
    {"KabeSunUp_d_2", "cboKabeSunUp(2)", nullptr},
    {"KabeSunUp_d_3", "cboKabeSunUp(3)", nullptr},
    {"KabeSunUp_d_4", "cboKabeSunUp(4)", nullptr},
    {"KabeSunRight_d_0", "cboKabeSunRight(0)", nullptr},
    {"KabeSunRight_d_1", "cboKabeSunRight(1)", nullptr},
    {"KabeSunRight_d_2", "cboKabeSunRight(2)", nullptr},
    {"KabeSunRight_d_3", "cboKabeSunRight(3)", nullptr},
    {"KabeSunRight_d_4", "cboKabeSunRight(4)", nullptr},
    {"KabeSunLeft_d_0", "cboKabeSunLeft(0)", nullptr},
    {"KabeSunLeft_d_1", "cboKabeSunLeft(1)", nullptr},
    {"KabeSunLeft_d_2", "cboKabeSunLeft(2)", nullptr},
    {"KabeSunLeft_d_3", "cboKabeSunLeft(3)", nullptr},
    {"KabeSunLeft_d_4", "cboKabeSunLeft(4)", nullptr},
};
// clang-format on

inline constexpr int kResDataLines = static_cast<int>(std::size(kResDataLayout));

using ResDataValues = std::array<std::string, kResDataLines>;  // UTF-8 texts, file order

// The line of kResDataLayout with this key; -1 when no line has it.
constexpr int res_data_line(std::string_view key) {
    for (int i = 0; i < kResDataLines; ++i) {
        if (key == kResDataLayout[i].key) return i;
    }
    return -1;
}
// The line holding the column symbol, by which quornel_types.dat stores each set.
inline constexpr int kSymbolLine = res_data_line("HasiraKigou_d");

// The 37 "key,value" lines of a set as the data files hold them: ANSI, each value on one
// line, CR LF. Fails when a value has a character the ANSI code page cannot hold, with a
// message naming the value and `file`, followed by `not_saved`.
Result<std::string> res_data_text(const ResDataValues& values, const std::filesystem::path& file,
                                  std::string_view not_saved);

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
    // There is no file: nothing has been drawn in this folder yet.
    bool missing = false;
};

// Reads quornel_res.dat. Lines end at CR LF, LF or a lone CR; keys are not looked at.
ResDataRead read_res_data(FileSystem& fs, const std::filesystem::path& program_dir);

}  // namespace quornel
