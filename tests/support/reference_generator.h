#pragma once
// The test-data generator's recurrence and draw written out independently of
// the program: the state modulo 2^32 in 64-bit arithmetic, the draw as an
// exact extended division.
#include <cmath>
#include <cstdint>

struct ReferenceGenerator {
    uint64_t state;
    int64_t Draw(uint32_t n)
    {
        state = (state * 134775813u + 1u) % 4294967296u;
        return static_cast<int64_t>(std::floor(static_cast<long double>(n) * state / 4294967296.0L));
    }
};
