// A property that every input must keep. A broken one aborts, which libFuzzer
// reports like a crash and saves the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void FuzzCheck(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "fuzz property broken: %s\n", property);
        std::abort();
    }
}
