// The .reg file that stands in for the registry off Windows, as a user's editor, regedit or
// a damaged disk may leave it. Reading never crashes; a file that was understood is written
// back without losing any value; a damaged file is never overwritten; what quornel writes
// reads back exactly, from the same registry object and from a fresh one.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "platform/reg_file_format.h"
#include "platform/registry.h"
#include "platform/registry_file.h"
#include "support/fake_file_system.h"

namespace {

constexpr std::string_view kRoot = "HKEY_CURRENT_USER\\";

bool starts_with_nocase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    return quornel::reg_names_equal(s.substr(0, prefix.size()), prefix);
}

bool same(const std::optional<quornel::RegData>& a, const std::optional<quornel::RegData>& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || (a->type == b->type && a->bytes == b->bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string original(reinterpret_cast<const char*>(data), size);

    // The text format on its own: what was understood survives a write and a re-read.
    quornel::RegFileParse parsed = quornel::parse_reg_file(original);
    std::string formatted = quornel::format_reg_file(parsed.document);
    quornel::RegFileParse reparsed = quornel::parse_reg_file(formatted);
    FUZZ_CHECK_MSG(!reparsed.damaged(), formatted.c_str());
    std::string reformatted = quornel::format_reg_file(reparsed.document);
    FUZZ_CHECK_MSG(reformatted == formatted,
                   (formatted + "--- read back and written again:\n" + reformatted).c_str());

    // The values quornel can see, as probes.
    std::vector<std::pair<std::string, std::string>> probes;
    for (const quornel::RegFileKey& key : parsed.document.keys()) {
        if (!starts_with_nocase(key.path, kRoot)) continue;
        for (const quornel::RegFileValue& value : key.values) {
            if (probes.size() >= 64) break;
            probes.emplace_back(key.path.substr(kRoot.size()), value.name);
        }
    }

    const std::filesystem::path file = "/config/quornel/registry.reg";
    quornel::test::FakeFileSystem fs;
    fs.put(file, original);
    auto registry = quornel::open_reg_file_registry(fs, file);

    std::vector<std::optional<quornel::RegData>> before;
    for (const auto& [path, name] : probes) before.push_back(registry->query(path, name));

    // A DWORD and a Japanese text with a NUL inside (CP932 bytes), as quornel writes them.
    const std::string key = "Software\\Norvale\\quornel\\SETTEI";
    quornel::RegData dword{quornel::kRegDword, std::string("\x0a\x00\x00\x00", 4)};
    quornel::RegData text{quornel::kRegSz, std::string("\x92\x8c\x31\0x\0", 5)};
    bool wrote_dword = registry->set(key, "Kabe_ly", dword);
    bool wrote_text = registry->set(key, "Kigou_text", text);

    if (parsed.damaged()) {
        FUZZ_CHECK(!wrote_dword && !wrote_text);
        FUZZ_CHECK(fs.get(file) == original);
        return 0;
    }
    FUZZ_CHECK(wrote_dword && wrote_text);
    FUZZ_CHECK(same(registry->query(key, "Kabe_ly"), dword));
    FUZZ_CHECK(same(registry->query("SOFTWARE\\norvale\\QUORNEL\\settei", "KIGOU_TEXT"), text));

    // Nothing else changed, seen from this object and from a fresh one reading the file.
    auto fresh = quornel::open_reg_file_registry(fs, file);
    for (std::size_t i = 0; i < probes.size(); ++i) {
        const auto& [path, name] = probes[i];
        bool overwritten =
            quornel::reg_names_equal(path, key) && (quornel::reg_names_equal(name, "Kabe_ly") ||
                                                    quornel::reg_names_equal(name, "Kigou_text"));
        if (overwritten) continue;
        FUZZ_CHECK(same(registry->query(path, name), before[i]));
        FUZZ_CHECK(same(fresh->query(path, name), before[i]));
    }
    FUZZ_CHECK(same(fresh->query(key, "Kabe_ly"), dword));
    FUZZ_CHECK(same(fresh->query(key, "Kigou_text"), text));
    return 0;
}
