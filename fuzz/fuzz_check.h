#pragma once
// A broken property is a crash the fuzzer records with its input, like a sanitizer report.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(cond) FUZZ_CHECK_MSG(cond, "")

#define FUZZ_CHECK_MSG(cond, detail)                                                             \
    do {                                                                                         \
        if (!(cond)) {                                                                           \
            std::fprintf(stderr, "%s:%d: property failed: %s [%s]\n", __FILE__, __LINE__, #cond, \
                         detail);                                                                \
            std::abort();                                                                        \
        }                                                                                        \
    } while (0)

// The number of lines of a file quornel wrote, each of which must end with CR LF: a lone
// CR or LF anywhere is a broken property.
inline std::size_t crlf_lines(std::string_view bytes) {
    std::size_t lines = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            FUZZ_CHECK(i > 0 && bytes[i - 1] == '\r');
            ++lines;
        } else if (bytes[i] == '\r') {
            FUZZ_CHECK(i + 1 < bytes.size() && bytes[i + 1] == '\n');
        }
    }
    return lines;
}
