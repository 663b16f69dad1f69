#pragma once

#include <cstdio>
#include <cstdlib>

// A broken rule ends the run at once, so that libFuzzer keeps the input that
// broke it.
inline void check(bool ok, const char *rule)
{
    if (!ok) {
        std::fprintf(stderr, "broken: %s\n", rule);
        std::abort();
    }
}
