#pragma once
// A property that fails says which, then aborts: libFuzzer keeps the input as a crash.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what) \
    ((condition) ? void() : (std::fprintf(stderr, "fuzz check failed: %s\n", what), std::abort()))
