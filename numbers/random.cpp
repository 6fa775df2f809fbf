#include "numbers/random.h"

#include <chrono>

uint32_t GeneratorSeed = 0;

void SeedFromClock()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    GeneratorSeed = static_cast<uint32_t>(static_cast<uint64_t>(ticks));
}

int32_t RandomBelow(int32_t n)
{
    GeneratorSeed = GeneratorSeed * 134775813u + 1u; // wraps mod 2^32
    const uint64_t product = static_cast<uint64_t>(static_cast<uint32_t>(n)) * GeneratorSeed;
    return static_cast<int32_t>(product >> 32);
}
