#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property stops the run loudly, under the fuzzer and in replays alike.
#define FUZZ_CHECK(condition)                                                        \
    do {                                                                             \
        if (!(condition)) {                                                          \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, \
                         #condition);                                                \
            std::abort();                                                            \
        }                                                                            \
    } while (false)
