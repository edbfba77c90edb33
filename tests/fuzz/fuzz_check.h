// A property that must hold: libFuzzer keeps the input when the run aborts.
#pragma once
#include <cstdio>
#include <cstdlib>

#define CHECK(c)                                                                   \
    do {                                                                           \
        if (!(c)) {                                                                \
            std::fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #c); \
            std::abort();                                                          \
        }                                                                          \
    } while (0)
