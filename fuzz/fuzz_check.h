#pragma once
// What a fuzz target does when a property fails: say which, then abort, so
// that libFuzzer (or the standalone driver) keeps the input as a crash.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                              \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", (what), __FILE__, __LINE__); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)
