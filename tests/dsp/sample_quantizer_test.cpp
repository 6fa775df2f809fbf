// Quantization of samples and the rounded mean.
#include "dsp/sample_quantizer.h"
#include "numbers/float_model.h"
#include "runtime/exceptions.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {

struct QuantizeCase {
    std::vector<double> values;
    int32_t scale;
    std::vector<int32_t> codes;
    int32_t mean;
};

} // namespace

TEST(SampleQuantizer, PatternExamplesWithTies)
{
    const QuantizeCase cases[] = {
        {{0.25, 0.5, -1.75}, 100, {25, 50, -175}, -33},
        {{0.5, 1.5, 2.5}, 1, {0, 2, 2}, 1}, // ties to even; mean Round(4/3)
        {{1, 4}, 1, {1, 4}, 2},             // mean Round(2.5) = 2
        {{0.3, -7.0}, 0, {0, 0}, 0},
        {{0.25, 0.5}, -100, {-25, -50}, -38}, // Round(-37.5) = -38
    };
    for (const QuantizeCase& c : cases) {
        std::vector<int32_t> codes(c.values.size());
        const TPartial<int64_t> written = QuantizeSamples(c.values, c.scale, 0.0, codes);
        EXPECT_EQ(written.done, int64_t(c.values.size()));
        EXPECT_FALSE(written.fault);
        EXPECT_EQ(codes, c.codes);
        EXPECT_EQ(RoundedMean(codes), c.mean);
    }
}

TEST(SampleQuantizer, OffsetIsSubtractedInExtendedPrecision)
{
    // 0.1 as a double lies just above one tenth, so 100 x 0.1 - 0.5 is just
    // above 9.5 and rounds up; 100 x 0.125 - 0.5 = 12 exactly.
    EXPECT_EQ(QuantizeSample(0.1, 100, 0.5), 10);
    EXPECT_EQ(QuantizeSample(0.125, 100, 0.5), 12);
    EXPECT_EQ(QuantizeSample(0.135, 100, 0.5), int32_t(Round(100.0L * 0.135 - 0.5)));
}

TEST(SampleQuantizer, CodesBeyondThirtyTwoBitsAreAnOverflow)
{
    EXPECT_EQ(QuantizeSample(1.0, INT32_MAX, 0.0), INT32_MAX);
    EXPECT_EQ(QuantizeSample(-1.0, INT32_MAX, 1.0), INT32_MIN);
    EXPECT_EQ(QuantizeSample(-2147483648.5, 1, 0.0), INT32_MIN);   // the tie goes to the even -2^31
    EXPECT_THROW(QuantizeSample(2147483647.5, 1, 0.0), EOverflow); // and here to 2^31
    EXPECT_THROW(QuantizeSample(1.0, INT32_MAX, -1.0), EOverflow);
    EXPECT_THROW(QuantizeSample(-3.0, INT32_MAX, 0.0), EOverflow);
    try {
        QuantizeSample(3e7, 100, 0.0); // 3,000,000,000
        FAIL() << "no error";
    } catch (const EOverflow& e) {
        EXPECT_EQ(e.Message(), "Floating point overflow");
    }
}

TEST(SampleQuantizer, StopsAtAValueWithoutAnInteger)
{
    const std::vector<double> values = {1.0, 2.0, std::numeric_limits<double>::quiet_NaN(), 4.0};
    std::vector<int32_t> codes(4, -1);
    const TPartial<int64_t> written = QuantizeSamples(values, 10, 0.0, codes);
    EXPECT_EQ(written.done, 2);
    EXPECT_EQ(codes, (std::vector<int32_t>{10, 20, -1, -1}));
    EXPECT_THROW(written.RaiseFault(), EInvalidOp);
    const TPartial<int64_t> wide = QuantizeSamples(std::vector<double>{5, 3e8, 1}, 10, 0.0, codes);
    EXPECT_EQ(wide.done, 1);
    EXPECT_THROW(wide.RaiseFault(), EOverflow);
    EXPECT_THROW(QuantizeSample(1e300, 10, 0.0), EInvalidOp);
}

TEST(SampleQuantizer, RoundedQuotientEqualsTheExtendedDivision)
{
    std::mt19937_64 random(5);
    std::uniform_int_distribution<int64_t> count(1, 3000);
    std::uniform_int_distribution<int32_t> code(INT32_MIN, INT32_MAX);
    for (int i = 0; i < 20000; ++i) {
        const int64_t n = count(random);
        // Sums of n codes; every fourth is made a tie or near one.
        int64_t sum = int64_t(code(random)) * n / 2 + code(random) % n;
        if (i % 4 == 0)
            sum = (sum / n) * n + (n % 2 == 0 ? n / 2 : 0);
        const int64_t expected = Round(static_cast<long double>(sum) / static_cast<long double>(n));
        ASSERT_EQ(RoundedQuotient(sum, n), expected) << sum << " / " << n;
    }
    EXPECT_EQ(RoundedQuotient(-5, 2), -2);
    EXPECT_EQ(RoundedQuotient(-7, 2), -4);
    EXPECT_EQ(RoundedQuotient(7, 2), 4);
    EXPECT_EQ(RoundedQuotient(-100, 3), -33);
}
