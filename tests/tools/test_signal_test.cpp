// The generator's samples against a direct evaluation written here, its
// first and last lines, and its draws against the reference generator.
#include "tools/test_signal.h"

#include "numbers/locale_separators.h"
#include "numbers/random.h"
#include "support/reference_generator.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The formula as written, in a different grouping and with the C library's
// extended sine and cosine: agrees with the generator to a few units of the
// last double place.
double DirectValue(int i, int draw)
{
    const long double amplitude = (2000.0L - i) / 1000.0L;
    return double(sinl(i / 20.0L) + cosl(i / 100.0L + 2.0L) * amplitude + draw * 0.05L);
}

// "0.000" by the C library (binary value rounded at the third decimal), with
// the locale separator and no sign on a value that rounds to zero.
std::string DirectLine(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string s = text;
    if (s == "-0.000")
        s = "0.000";
    s[s.find('.')] = DecimalPointChar();
    return s;
}

struct SeparatorGuard {
    explicit SeparatorGuard(char point) { SetLocaleSeparators(point, ' '); }
    ~SeparatorGuard() { SetLocaleSeparators('.', ','); }
};

} // namespace

TEST(TestSampleValue, MatchesDirectEvaluationForEveryIndexAndDraw)
{
    for (int i = 1; i <= kTestSampleCount; ++i)
        for (int draw = 0; draw < kTestNoiseRange; ++draw) {
            const double value = TestSampleValue(i, draw);
            const double direct = DirectValue(i, draw);
            ASSERT_NEAR(value, direct, 1e-15) << "i=" << i << " draw=" << draw;
        }
}

TEST(TestSampleLine, ThreeDecimalsWithTheLocaleSeparator)
{
    for (char point : {'.', ','}) {
        SeparatorGuard guard(point);
        for (int i = 1; i <= kTestSampleCount; i += 37)
            for (int draw = 0; draw < kTestNoiseRange; ++draw)
                ASSERT_EQ(TestSampleLine(i, draw), DirectLine(TestSampleValue(i, draw)))
                    << "i=" << i << " draw=" << draw;
    }
}

TEST(TestSampleLine, FirstAndLastLineRanges)
{
    SeparatorGuard guard(',');
    // Noise-free -0.80003 at i = 1 and sin(100) = -0.50637 at i = 2000, each
    // raised by 0.05 per draw step: -0,800 .. -0,350 and -0,506 .. -0,056.
    for (int draw = 0; draw < kTestNoiseRange; ++draw) {
        char first[16], last[16];
        std::snprintf(first, sizeof first, "-0,%03d", 800 - 50 * draw);
        std::snprintf(last, sizeof last, "-0,%03d", 506 - 50 * draw);
        EXPECT_EQ(TestSampleLine(1, draw), first) << draw;
        EXPECT_EQ(TestSampleLine(kTestSampleCount, draw), last) << draw;
    }
}

namespace {

std::vector<std::string> GenerateFrom(uint32_t seed)
{
    GeneratorSeed = seed;
    std::vector<std::string> lines;
    GenerateTestLines([&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

} // namespace

TEST(GenerateTestLines, OneLinePerSampleWithTheDrawsOfTheSeed)
{
    for (uint32_t seed : {0u, 0x12345678u, 0xFFFFFFFFu}) {
        const std::vector<std::string> lines = GenerateFrom(seed);
        ASSERT_EQ(lines.size(), size_t(kTestSampleCount));
        ReferenceGenerator reference{seed};
        for (int i = 1; i <= kTestSampleCount; ++i)
            ASSERT_EQ(lines[size_t(i - 1)], TestSampleLine(i, int(reference.Draw(10))))
                << "seed " << seed << " i " << i;
        // Exactly one draw per line.
        EXPECT_EQ(GeneratorSeed, reference.state);
    }
}
