#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input must keep: when it does not, the input is a finding. libFuzzer
// stops on the abort and saves the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
