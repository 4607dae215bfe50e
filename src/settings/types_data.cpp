#include "settings/types_data.h"

#include <optional>
#include <set>

#include "platform/text_codec.h"
#include "settings/data_file_lines.h"

namespace quornel {

namespace {

bool blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string quoted(std::string_view text) {
    return "「" + utf8_start(ansi_to_utf8(text), 20) + "」";
}

struct NumberedLine {
    int number;  // from 1
    std::string_view text;
};

// A block read: the type, or why it cannot be used; its symbol as the file holds it either
// way, when it has a symbol line.
struct BlockRead {
    TypeBlock type;
    std::string why;
    std::optional<std::string> symbol_ansi;
};

BlockRead read_block(const std::vector<NumberedLine>& lines) {
    BlockRead block;
    auto fail = [&](std::string why) {
        if (block.why.empty()) block.why = std::move(why);
    };
    std::array<bool, kResDataLines> seen{};
    for (const NumberedLine& line : lines) {
        const std::string at = std::to_string(line.number) + " 行目";
        const auto comma = line.text.find(',');
        if (comma == std::string_view::npos) {
            fail(at + "に「,」がありません");
            continue;
        }
        const std::string_view key = line.text.substr(0, comma);
        const int i = res_data_line(key);
        if (i < 0) {
            fail(at + "の" + quoted(key) + "は項目の名前ではありません");
            continue;
        }
        if (seen[i]) {
            fail(std::string("「") + kResDataLayout[i].key + "」の行が二つあります");
            continue;
        }
        seen[i] = true;
        const std::string_view ansi = line.text.substr(comma + 1);
        if (i == kSymbolLine) block.symbol_ansi = std::string(ansi);
        std::string value = ansi_to_utf8(ansi);
        // A value that would not be written back as it stands could not be stored again.
        if (utf8_to_ansi(value) != ansi) fail(at + "に、読めないか保存し直せない文字があります");
        block.type.values[i] = std::move(value);
        block.type.lines[i] = line.number;
    }
    // The lines of 「交点ごと」 belong to the blocks of that shape only: a block without them
    // is whole.
    for (int i = 0; i < kResDataLines; ++i) {
        if (!seen[i] && !kResDataLayout[i].whole_floor) {
            fail(std::string("「") + kResDataLayout[i].key + "」の行がありません");
            break;
        }
    }
    block.type.symbol = block.type.values[kSymbolLine].value_or(std::string());
    if (block.symbol_ansi && block.symbol_ansi->empty()) fail("柱記号が空です");
    return block;
}

}  // namespace

TypesData read_types_data(FileSystem& fs, const std::filesystem::path& program_dir) {
    const auto file = program_dir / kTypesDataFile;
    TypesData data;
    data.exists = fs.exists(file);
    if (!data.exists) return data;
    Result<std::string> bytes = fs.read_all(file);
    if (!bytes) {
        data.problem = bytes.message();
        return data;
    }
    data.bytes = std::move(*bytes);

    // Lines before the first block belong to none; every other line to the block above it.
    TypesDamage loose;
    std::vector<std::vector<NumberedLine>> blocks;
    const std::vector<std::string_view> lines = split_lines(data.bytes);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string_view line = lines[n];
        const int number = static_cast<int>(n + 1);
        if (blank(line)) continue;
        if (line.starts_with(std::string(kResDataLayout[0].key) + ",")) {
            blocks.emplace_back();
        } else if (blocks.empty()) {
            if (!loose.first_line) loose.first_line = number;
            loose.last_line = number;
            continue;
        }
        blocks.back().push_back({number, line});
    }
    if (loose.first_line) {
        loose.why = std::string("記録の始まり（") + kResDataLayout[0].key + " の行）より前の行です";
        data.damage.push_back(std::move(loose));
    }

    // The first block of a symbol is its newest: a later one is not used, nor is an older
    // block of a symbol whose newest block is damaged, which would bring back an outdated
    // column without a word.
    std::set<std::string> symbols;
    for (const auto& block_lines : blocks) {
        BlockRead block = read_block(block_lines);
        if (block.why.empty() && block.symbol_ansi && symbols.count(*block.symbol_ansi)) {
            block.why = "同じ柱記号の新しい記録が前にあります";
        }
        if (block.symbol_ansi) symbols.insert(*block.symbol_ansi);
        if (block.why.empty()) {
            data.types.push_back(std::move(block.type));
            continue;
        }
        TypesDamage damage;
        damage.first_line = block_lines.front().number;
        damage.last_line = block_lines.back().number;
        if (block.symbol_ansi) damage.symbol = ansi_to_utf8(*block.symbol_ansi);
        damage.why = std::move(block.why);
        data.damage.push_back(std::move(damage));
    }
    return data;
}

namespace {

// The first of `items` stored under `symbol`, compared as the file stores symbols (the bytes
// of the ANSI code page); null for an empty symbol or one the file cannot hold.
template <typename Item>
const Item* first_with_symbol(const std::vector<Item>& items, std::string_view symbol) {
    const auto wanted = utf8_to_ansi(symbol);
    if (!wanted || wanted->empty()) return nullptr;
    for (const Item& item : items) {
        if (!item.symbol.empty() && utf8_to_ansi(item.symbol) == wanted) return &item;
    }
    return nullptr;
}

}  // namespace

const TypeBlock* find_type(const TypesData& data, std::string_view symbol) {
    return first_with_symbol(data.types, symbol);
}

const TypesDamage* find_damaged_type(const TypesData& data, std::string_view symbol) {
    return first_with_symbol(data.damage, symbol);
}

std::string damage_text(const TypesDamage& damage) {
    std::string text = std::to_string(damage.first_line);
    if (damage.last_line != damage.first_line) text += "〜" + std::to_string(damage.last_line);
    text += " 行目";
    if (!damage.symbol.empty()) text += "（柱記号「" + utf8_start(damage.symbol, 20) + "」）";
    return text + ": " + damage.why;
}

Status store_type(FileSystem& fs, const std::filesystem::path& program_dir,
                  const ResDataValues& values) {
    const std::string symbol = values[kSymbolLine].value_or(std::string());
    if (symbol.empty()) return Status::success();
    const auto file = program_dir / kTypesDataFile;
    const std::string not_saved =
        "柱記号「" + utf8_start(symbol, 20) + "」の記録は保存しませんでした。";
    const Result<std::string> newest = res_data_text(values, file, not_saved);
    if (!newest) return newest.status();
    // Written as the file holds it: a symbol typed with a line break has a blank there.
    const std::optional<std::string> newest_symbol = utf8_to_ansi(single_line(symbol));

    const TypesData old = read_types_data(fs, program_dir);
    if (!old.problem.empty()) {
        // Written without the old types, the file would lose them all.
        return Status::failure(old.problem + "\nほかの柱記号の記録を消さないよう、" + not_saved);
    }
    std::string text = *newest;
    std::size_t kept = 1;
    for (const TypeBlock& type : old.types) {
        if (kept == kTypesKept) break;
        if (utf8_to_ansi(type.symbol) == newest_symbol) continue;
        const Result<std::string> lines = res_data_text(type.values, file, not_saved);
        if (!lines) return lines.status();  // read back only when it writes back unchanged
        text += *lines;
        ++kept;
    }

    // What the rewrite leaves out, other than the oldest type a new one replaces, stays in
    // the backup; the file itself is replaced only once the backup is whole.
    if (!old.damage.empty() || old.types.size() > kTypesKept) {
        const Status backup = fs.replace(program_dir / kTypesBackupFile, old.bytes);
        if (!backup) {
            return Status::failure(backup.message() + "\n" + display_name(file) +
                                   " の壊れた部分を残せないため、ファイルはそのままにして、" +
                                   not_saved);
        }
    }
    return save_data_file(fs, file, text);
}

}  // namespace quornel
