// quornel_res.dat as a user's editor, another program or a damaged disk may leave it. The
// reader never crashes, hands the window only clean UTF-8 texts, reports every line it
// could not use, and what it read is written back and read again unchanged; a write that
// is refused leaves the file as it was.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "settings/res_data.h"
#include "utf8_check.h"
#include "written_back.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path dir = "/program";
    const std::string file = "/program/quornel_res.dat";
    quornel::test::FakeFileSystem fs;
    std::string original(reinterpret_cast<const char*>(data), size);
    fs.put(file, original);

    quornel::ResDataRead read = quornel::read_res_data(fs, dir);
    // What the window would store again: every line a set always holds (a missing one as an
    // empty box), and the lines of 「交点ごと」 held, from the first on.
    bool all = true;
    bool floor_ended = false;
    std::size_t lines = 0;
    quornel::ResDataValues values;
    for (int i = 0; i < quornel::kResDataLines; ++i) {
        const auto& v = read.values[i];
        const bool always = !quornel::kResDataLayout[i].whole_floor;
        if (!v) {
            if (always) all = false;
            if (always) values[i] = "", ++lines;
            if (!always) floor_ended = true;
            continue;
        }
        FUZZ_CHECK(!floor_ended);
        FUZZ_CHECK(quornel::fuzz::valid_utf8(*v));
        FUZZ_CHECK(v->find_first_of("\r\n") == std::string::npos);
        values[i] = *v;
        ++lines;
    }
    FUZZ_CHECK(all || !read.problem.empty());
    if (!read.problem.empty())
        FUZZ_CHECK(read.problem.find("quornel_res.dat") != std::string::npos);

    check_written_back(
        fs, file, original, lines, [&] { return quornel::write_res_data(fs, dir, values); },
        [&] {
            const auto again = quornel::read_res_data(fs, dir);
            FUZZ_CHECK(again.problem.empty());
            for (int i = 0; i < quornel::kResDataLines; ++i)
                FUZZ_CHECK(again.values[i] == values[i]);
        });
    return 0;
}
