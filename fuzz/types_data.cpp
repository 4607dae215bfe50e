// quornel_types.dat as a user's editor, another program or a damaged disk may leave it. The
// reader never crashes, hands the window only clean UTF-8 texts, each symbol once, and
// accounts for every line that is not blank: in a type it gives back or in a damaged part
// it names. Storing a new type keeps the old file whole as the backup whenever the rewrite
// leaves anything of it out; the file written holds the new type first and every readable one
// after it in its order, reads back without damage, and is left as it is by the same store.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/text_codec.h"
#include "platform/text_lines.h"
#include "settings/types_data.h"
#include "support/fake_file_system.h"
#include "utf8_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quornel;
    const std::filesystem::path dir = "/program";
    const std::filesystem::path file = dir / kTypesDataFile;
    const std::filesystem::path backup = dir / kTypesBackupFile;
    test::FakeFileSystem fs;
    const std::string original(reinterpret_cast<const char*>(data), size);
    fs.put(file, original);

    const TypesData read = read_types_data(fs, dir);
    FUZZ_CHECK(read.exists && read.problem.empty() && read.bytes == original);
    const std::vector<std::string_view> lines = split_lines(original);
    std::vector<int> used(lines.size() + 1, 0);
    std::set<std::string> symbols;
    for (const TypeBlock& type : read.types) {
        FUZZ_CHECK(!type.symbol.empty() && type.values[kSymbolLine] == type.symbol);
        FUZZ_CHECK(symbols.insert(*utf8_to_ansi(type.symbol)).second);
        FUZZ_CHECK(find_type(read, type.symbol) == &type);
        for (int i = 0; i < kResDataLines; ++i) {
            // Only a line of 「交点ごと」 may be missing from a block that is read.
            if (!type.values[i]) {
                FUZZ_CHECK(kResDataLayout[i].whole_floor && type.lines[i] == 0);
                continue;
            }
            FUZZ_CHECK(fuzz::valid_utf8(*type.values[i]));
            FUZZ_CHECK(type.values[i]->find_first_of("\r\n") == std::string::npos);
            FUZZ_CHECK(type.lines[i] >= 1 && type.lines[i] <= static_cast<int>(lines.size()));
            ++used[type.lines[i]];
        }
    }
    for (const TypesDamage& damage : read.damage) {
        FUZZ_CHECK(fuzz::valid_utf8(damage_text(damage)));
        FUZZ_CHECK(damage.first_line >= 1 && damage.first_line <= damage.last_line &&
                   damage.last_line <= static_cast<int>(lines.size()));
        for (int n = damage.first_line; n <= damage.last_line; ++n) ++used[n];
    }
    for (std::size_t n = 1; n <= lines.size(); ++n) {
        const bool blank = lines[n - 1].find_first_not_of(" \t") == std::string_view::npos;
        FUZZ_CHECK(used[n] <= 1);
        if (!blank) FUZZ_CHECK_MSG(used[n] == 1, std::to_string(n).c_str());
    }

    // A new type, under a symbol of the file or a new one, of 「交点ごと」 or not.
    ResDataValues values;
    for (int i = 0; i < kResDataLines; ++i)
        if (size % 3 == 0 || !kResDataLayout[i].whole_floor) values[i] = "0";
    values[kSymbolLine] = !read.types.empty() && size % 2 ? read.types.back().symbol : "Cf";
    FUZZ_CHECK(store_type(fs, dir, values).ok());
    const bool left_out = !read.damage.empty() || read.types.size() > kTypesKept;
    FUZZ_CHECK(fs.get(backup) == (left_out ? std::optional(original) : std::nullopt));

    const TypesData again = read_types_data(fs, dir);
    FUZZ_CHECK(again.damage.empty());
    std::vector<const TypeBlock*> expected;
    for (const TypeBlock& type : read.types) {
        if (type.symbol != values[kSymbolLine]) expected.push_back(&type);
    }
    if (expected.size() > kTypesKept - 1) expected.resize(kTypesKept - 1);
    FUZZ_CHECK(again.types.size() == expected.size() + 1);
    FUZZ_CHECK(again.types[0].values == values);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        FUZZ_CHECK(again.types[i + 1].values == expected[i]->values);
    }
    const std::string written = fs.get(file).value_or("");
    std::size_t held = 0;
    for (const TypeBlock& type : again.types)
        for (const auto& value : type.values) held += value.has_value();
    FUZZ_CHECK(crlf_lines(written) == held);
    FUZZ_CHECK(store_type(fs, dir, values).ok());
    FUZZ_CHECK(fs.get(file) == written);
    return 0;
}
