#include "numbers/random.h"
#include "support/reference_generator.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

TEST(RandomBelow, KnownSequences)
{
    GeneratorSeed = 0;
    const std::array<int, 6> draws = {0, 0, 8, 2, 2, 6};
    const std::array<uint32_t, 6> states = {1, 134775814, 3698175007u, 870078620, 1172187917, 2884733762u};
    for (size_t i = 0; i < draws.size(); ++i) {
        EXPECT_EQ(RandomBelow(10), draws[i]);
        EXPECT_EQ(GeneratorSeed, states[i]);
    }
    GeneratorSeed = 0x12345678;
    for (int draw : {7, 4, 8, 9, 8, 8})
        EXPECT_EQ(RandomBelow(10), draw);
}

TEST(RandomBelow, MatchesReferenceFromSeveralSeeds)
{
    for (uint32_t seed : {0u, 1u, 42u, 0x12345678u, 0x80000000u, 0xFFFFFFFFu}) {
        for (uint32_t n : {1u, 2u, 10u, 1000u, 0x7FFFFFFFu}) {
            GeneratorSeed = seed;
            ReferenceGenerator ref{seed};
            for (int i = 0; i < 1000; ++i) {
                const int32_t r = RandomBelow(static_cast<int32_t>(n));
                ASSERT_EQ(r, ref.Draw(n)) << "seed " << seed << " n " << n << " draw " << i;
                ASSERT_EQ(GeneratorSeed, ref.state);
                ASSERT_GE(r, 0);
                ASSERT_LT(static_cast<uint32_t>(r), n);
            }
        }
    }
}

TEST(RandomBelow, TenValuesEquallyLikely)
{
    GeneratorSeed = 12345;
    std::array<int, 10> counts{};
    for (int i = 0; i < 100000; ++i)
        ++counts[RandomBelow(10)];
    for (int c : counts) {
        EXPECT_GT(c, 9400);
        EXPECT_LT(c, 10600);
    }
}

TEST(RandomBelow, SeedFromClockChangesBetweenRuns)
{
    SeedFromClock();
    const uint32_t first = GeneratorSeed;
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < std::chrono::microseconds(50)) { }
    SeedFromClock();
    EXPECT_NE(GeneratorSeed, first);
}

} // namespace
