#pragma once
// quornel_types.dat: the column types of a plan, each stored under its symbol (C1, C2 …) as
// the whole set that quornel_res.dat holds for the previous column. The file is blocks of the
// same "key,value" lines as quornel_res.dat (37, and those of 「交点ごと」 where the set holds
// them), each block starting at its optSin_d line, newest first; a block's symbol is its
// HasiraKigou_d value. ANSI, CR LF, written atomically. A user removes a type by deleting its block
// in a text editor.
#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "settings/res_data.h"

namespace quornel {

inline constexpr const char* kTypesDataFile = "quornel_types.dat";
// Where a damaged file is kept before it is rewritten without its damaged parts.
inline constexpr const char* kTypesBackupFile = "quornel_types.dat.bak";
// The types kept: the oldest goes when one more arrives.
inline constexpr std::size_t kTypesKept = 100;

// One type as stored.
struct TypeBlock {
    std::string symbol;                      // its HasiraKigou_d value, UTF-8, never empty
    ResDataValues values;                    // in the order of kResDataLayout, UTF-8
    std::array<int, kResDataLines> lines{};  // the file's line (from 1) of each value held
};

// A part of the file that is not used: lines before the first block that are not blank, or a
// block that is not whole, holds a line that is not understood, or repeats a newer symbol.
struct TypesDamage {
    int first_line = 0;  // from 1
    int last_line = 0;
    std::string symbol;  // the block's symbol where it has one
    std::string why;     // 「HsnXG」の行がありません
};

struct TypesData {
    bool exists = false;
    std::string problem;           // the file exists but cannot be read: nothing of it is known
    std::string bytes;             // the file as read
    std::vector<TypeBlock> types;  // newest first, each symbol once
    std::vector<TypesDamage> damage;
};

// Reads quornel_types.dat. Lines end at CR LF, LF or a lone CR; blank lines are passed over.
// A damaged part never hides the blocks that can be read. A block is judged by its lines, not
// by its values: one that holds the lines of 「交点ごと」 with another shape (written by hand)
// is read as it stands and kept so, as the values of a wall its shape hides are; the window
// judges each value when it restores it.
TypesData read_types_data(FileSystem& fs, const std::filesystem::path& program_dir);

// The type stored under `symbol`, compared as the file stores it (ANSI, so 「C1」 and 「Ｃ１」
// are two types); null when there is none.
const TypeBlock* find_type(const TypesData& data, std::string_view symbol);

// The damaged block that carries `symbol`; null when there is none.
const TypesDamage* find_damaged_type(const TypesData& data, std::string_view symbol);

// 「40〜76 行目（柱記号「C2」）: 「HsnXG」の行がありません」
std::string damage_text(const TypesDamage& damage);

// After a drawing: stores `values` under their symbol as the newest type, replacing the block
// of that symbol, dropping the oldest beyond kTypesKept. An empty symbol leaves the file
// untouched. A damaged file is first kept whole as quornel_types.dat.bak; a file that cannot
// be read, or a backup that cannot be made, stops the store, so no stored type is ever lost.
Status store_type(FileSystem& fs, const std::filesystem::path& program_dir,
                  const ResDataValues& values);

}  // namespace quornel
