#pragma once
// quornel_res.dat: the previous values, lines of "key,value" in a fixed order: the 37 lines
// every set holds, then the lines of 「交点ごと」, which a set holds only while that choice is
// made.
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
    // A line of 「交点ごと」: stored only while the whole floor is the chosen shape, so that
    // every other file and block stays line for line as 1.2.0 writes and reads it. A set
    // without it is whole (the window takes the choice's own default).
    bool whole_floor = false;
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
    {"KabeTunagu_d", nullptr, "chkKabeTunagu", true},
    {"SunpoHitotu_d", nullptr, "chkSunpoHitotu", true},
    {"GaisyuKabe_d", nullptr, "chkGaisyuKabe", true},
};
// clang-format on

inline constexpr int kResDataLines = static_cast<int>(std::size(kResDataLayout));

// The lines every set holds (37). The lines of 「交点ごと」 come after them all, so that a file
// of 1.2.0 is a whole set and 1.2.0 reads the sets of every other shape as it wrote them.
constexpr int res_data_lines_always() {
    int n = 0;
    while (n < kResDataLines && !kResDataLayout[n].whole_floor) ++n;
    return n;
}
inline constexpr int kResDataLinesAlways = res_data_lines_always();
constexpr bool whole_floor_lines_last() {
    for (int i = kResDataLinesAlways; i < kResDataLines; ++i)
        if (!kResDataLayout[i].whole_floor) return false;
    return true;
}
static_assert(whole_floor_lines_last(), "the lines of 交点ごと follow every other line");

// A set of values in file order, UTF-8; nullopt for a line the set does not hold (a line of
// 「交点ごと」 of another shape, or one a file has not got).
using ResDataValues = std::array<std::optional<std::string>, kResDataLines>;

// The line of kResDataLayout with this key; -1 when no line has it.
constexpr int res_data_line(std::string_view key) {
    for (int i = 0; i < kResDataLines; ++i) {
        if (key == kResDataLayout[i].key) return i;
    }
    return -1;
}
// The line holding the column symbol, by which quornel_types.dat stores each set.
inline constexpr int kSymbolLine = res_data_line("HasiraKigou_d");

// The "key,value" lines of a set as the data files hold them: ANSI, each value on one line,
// CR LF; a line the set does not hold is left out where it may be (a line of 「交点ごと」) and
// written empty elsewhere. Fails when a value has a character the ANSI code page cannot hold, with
// a message naming the value and `file`, followed by `not_saved`.
Result<std::string> res_data_text(const ResDataValues& values, const std::filesystem::path& file,
                                  std::string_view not_saved);

// ResDataSave's file: ANSI, CR LF, written atomically. Fails (with a message naming the
// file) when a value has a character the ANSI code page cannot hold.
Status write_res_data(FileSystem& fs, const std::filesystem::path& program_dir,
                      const ResDataValues& values);

struct ResDataRead {
    // Per line: everything after the first comma (UTF-8), or nullopt when the line is
    // missing or has no comma.
    ResDataValues values;
    // Japanese message when the file is missing or unreadable, or some line is missing or
    // has no comma; empty when every line a set holds was read (the lines of 「交点ごと」 may
    // be missing).
    std::string problem;
    // There is no file: nothing has been drawn in this folder yet.
    bool missing = false;
};

// Reads quornel_res.dat. Lines end at CR LF, LF or a lone CR; keys are not looked at. The lines
// of 「交点ごと」 end at the first that is missing or blank, which is no problem, or that has no
// comma, which is.
ResDataRead read_res_data(FileSystem& fs, const std::filesystem::path& program_dir);

}  // namespace quornel
