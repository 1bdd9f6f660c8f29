// SPDX-License-Identifier: MIT
// Invariant checks of the fuzz targets. A failed check prints what broke and
// aborts, which libFuzzer reports as a crash and the replay tests as a
// failure, with or without sanitizers.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
