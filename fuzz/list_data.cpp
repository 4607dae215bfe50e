// quornel.dat / quornel_d.dat as anything may leave them. The reader never crashes, gives
// each line exactly its number of clean entries or reports it, and the lists it read are
// written back and read again unchanged; a refused write leaves the file as it was.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "settings/list_data.h"
#include "utf8_check.h"
#include "written_back.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = "/program/quornel.dat";
    quornel::test::FakeFileSystem fs;
    std::string original(reinterpret_cast<const char*>(data), size);
    fs.put(file, original);
    const auto& layout = quornel::list_data_layout();

    quornel::ListDataRead read = quornel::read_list_data(fs, file);
    bool all = true;
    quornel::ListDataEntries entries;
    for (int i = 0; i < quornel::kListDataLines; ++i) {
        const auto& line = read.lines[i];
        if (!line) {
            all = false;
            entries[i].assign(static_cast<std::size_t>(layout[i].entries), "");
            continue;
        }
        FUZZ_CHECK(line->size() == static_cast<std::size_t>(layout[i].entries));
        for (const std::string& e : *line) {
            FUZZ_CHECK(quornel::fuzz::valid_utf8(e));
            FUZZ_CHECK(e.find_first_of(",\r\n") == std::string::npos);
        }
        entries[i] = *line;
    }
    FUZZ_CHECK(all == read.problem.empty());
    if (!all) FUZZ_CHECK(read.problem.find("quornel.dat") != std::string::npos);

    check_written_back(
        fs, file, original, quornel::kListDataLines,
        [&] { return quornel::write_list_data(fs, file, entries); },
        [&] {
            const auto again = quornel::read_list_data(fs, file);
            FUZZ_CHECK(again.problem.empty());
            for (int i = 0; i < quornel::kListDataLines; ++i)
                FUZZ_CHECK(again.lines[i] == entries[i]);
        });
    return 0;
}
