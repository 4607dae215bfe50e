// quornel_res.dat as a user's editor, another program or a damaged disk may leave it. The
// reader never crashes, hands the window only clean UTF-8 texts, reports every line it
// could not use, and what it read is written back and read again unchanged; a write that
// is refused leaves the file as it was.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "settings/res_data.h"
#include "support/fake_file_system.h"
#include "utf8_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path dir = "/program";
    const std::string file = "/program/quornel_res.dat";
    quornel::test::FakeFileSystem fs;
    std::string original(reinterpret_cast<const char*>(data), size);
    fs.put(file, original);

    quornel::ResDataRead read = quornel::read_res_data(fs, dir);
    bool all = true;
    quornel::ResDataValues values;
    for (int i = 0; i < quornel::kResDataLines; ++i) {
        const auto& v = read.values[i];
        if (!v) {
            all = false;
            continue;
        }
        FUZZ_CHECK(quornel::fuzz::valid_utf8(*v));
        FUZZ_CHECK(v->find_first_of("\r\n") == std::string::npos);
        values[i] = *v;
    }
    FUZZ_CHECK(all == read.problem.empty());
    if (!all) FUZZ_CHECK(read.problem.find("quornel_res.dat") != std::string::npos);

    quornel::Status written = quornel::write_res_data(fs, dir, values);
    if (!written) {
        FUZZ_CHECK(written.message().find("quornel_res.dat") != std::string::npos);
        FUZZ_CHECK(fs.get(file) == original);
        return 0;
    }
    const std::string bytes = fs.get(file).value_or("");
    // 37 lines, each ended by CR LF, nothing else.
    FUZZ_CHECK(crlf_lines(bytes) == quornel::kResDataLines);
    FUZZ_CHECK(bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0);

    quornel::ResDataRead again = quornel::read_res_data(fs, dir);
    FUZZ_CHECK(again.problem.empty());
    for (int i = 0; i < quornel::kResDataLines; ++i) {
        FUZZ_CHECK(again.values[i].has_value());
        FUZZ_CHECK(*again.values[i] == values[i]);
    }
    // Writing what was read back gives the same bytes: a repeat run changes nothing.
    FUZZ_CHECK(quornel::write_res_data(fs, dir, values).ok());
    FUZZ_CHECK(fs.get(file) == bytes);
    return 0;
}
