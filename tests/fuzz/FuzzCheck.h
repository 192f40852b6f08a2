// Fuzz targets: a promise that does not hold stops the run with its reason, so
// that libFuzzer keeps the input and the replay test fails on it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, ...)                                       \
    do {                                                                 \
        if (!(condition)) {                                              \
            std::fprintf(stderr, "fuzz check failed: %s: ", #condition); \
            std::fprintf(stderr, __VA_ARGS__);                           \
            std::fputc('\n', stderr);                                    \
            std::abort();                                                \
        }                                                                \
    } while (0)
