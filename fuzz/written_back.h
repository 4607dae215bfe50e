#pragma once
// The second half of a data-file target: what was read is written back. A refused write
// names the file and leaves it as it was; a written file is `lines` lines, each ended by
// CR LF, `reads_back` finds the same values in it, and writing them once more gives the same
// bytes, so a repeat run changes nothing.
#include <cstddef>
#include <filesystem>
#include <string>

#include "fuzz_check.h"
#include "platform/result.h"
#include "support/fake_file_system.h"

template <class Write, class ReadsBack>
void check_written_back(quornel::test::FakeFileSystem& fs, const std::filesystem::path& file,
                        const std::string& original, std::size_t lines, Write write,
                        ReadsBack reads_back) {
    const quornel::Status written = write();
    if (!written) {
        FUZZ_CHECK(written.message().find(file.filename().string()) != std::string::npos);
        FUZZ_CHECK(fs.get(file) == original);
        return;
    }
    const std::string bytes = fs.get(file).value_or("");
    FUZZ_CHECK(crlf_lines(bytes) == lines);
    FUZZ_CHECK(bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0);
    reads_back();
    FUZZ_CHECK(write().ok());
    FUZZ_CHECK(fs.get(file) == bytes);
}
