#pragma once
// A broken property is a crash the fuzzer records with its input, like a sanitizer report.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond) FUZZ_CHECK_MSG(cond, "")

#define FUZZ_CHECK_MSG(cond, detail)                                                             \
    do {                                                                                         \
        if (!(cond)) {                                                                           \
            std::fprintf(stderr, "%s:%d: property failed: %s [%s]\n", __FILE__, __LINE__, #cond, \
                         detail);                                                                \
            std::abort();                                                                        \
        }                                                                                        \
    } while (0)
