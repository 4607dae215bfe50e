#pragma once
// quornel.dat and quornel_d.dat: the pick lists of the tab-0 boxes, 21 lines of
// "key,e0,e1,...," in a fixed order.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace quornel {

inline constexpr int kListDataLines = 21;
inline constexpr const char* kListDataFile = "quornel.dat";
inline constexpr const char* kDefaultListDataFile = "quornel_d.dat";

// One line of the file: its key, the box whose list it stores, and how many entries it
// holds. Boxes are named as the window names them ("cboHsnXG", "cboKabeSunDOWN(0)"), as
// text, so that this file stays below the window; `shared_by` are the boxes that show the
// same list when it is loaded (the extra-thickness boxes) but never store their own.
struct ListDataLine {
    const char* key;  // HasiraMasi_List ...
    const char* box;  // cboM_h ...
    int entries;      // 5, or 10 for HasiraKigou_List
    std::vector<const char*> shared_by;
};

// The 21 lines in file order.
const std::array<ListDataLine, kListDataLines>& list_data_layout();

using ListDataEntries = std::array<std::vector<std::string>, kListDataLines>;  // UTF-8

// ListDataSave's file: ANSI, CR LF, each entry followed by a comma, atomically. Each line
// gets exactly its number of entries (missing ones are written empty). Fails with a message
// naming the file when an entry has a character the ANSI code page cannot hold.
Status write_list_data(FileSystem& fs, const std::filesystem::path& file,
                       const ListDataEntries& entries);

struct ListDataRead {
    // Per line: its entries (exactly the line's count, extra fields ignored), or nullopt when
    // the line is missing or has too few fields.
    std::array<std::optional<std::vector<std::string>>, kListDataLines> lines;
    // Japanese message naming the file when it is missing or unreadable or some line could
    // not be used; empty when all 21 lines were read.
    std::string problem;
};

ListDataRead read_list_data(FileSystem& fs, const std::filesystem::path& file);

}  // namespace quornel
