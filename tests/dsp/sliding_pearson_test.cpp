// The sliding correlation against the direct pass of tests/support, and its
// known values and properties.
#include "dsp/pearson_percent.h"
#include "dsp/sample_quantizer.h"
#include "dsp/sliding_pearson.h"
#include "numbers/float_model.h"
#include "runtime/parallel_work.h"
#include "support/reference_pearson.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

// The program's curve, for vectors written in place.
std::vector<int32_t> Fast(const std::vector<int32_t>& d, const std::vector<int32_t>& p, int32_t mean)
{
    return SlidingPearson(d, p, mean);
}

std::vector<int32_t> RandomCodes(std::mt19937& random, size_t count, int32_t range)
{
    std::uniform_int_distribution<int32_t> code(-range, range);
    std::vector<int32_t> v(count);
    for (int32_t& c : v)
        c = code(random);
    return v;
}

} // namespace

TEST(SlidingPearson, KnownCurves)
{
    EXPECT_EQ(Fast({0, 10, 20, 10, 0}, {0, 10}, 5), (std::vector<int32_t>{100, 100, -100, -100}));
    // Rounded means: window mean 15, pattern mean Round(1.5) = 2, so r = Round(70.71) = 71.
    EXPECT_EQ(Fast({10, 20, 30}, {1, 2}, 2), (std::vector<int32_t>{71, 71}));
    EXPECT_EQ(Fast({5, 5, 5, 1, 9}, {1, 2, 3}, 2), reference::SlidingPearson({5, 5, 5, 1, 9}, {1, 2, 3}, 2));
    EXPECT_EQ(Fast({5, 5, 5, 1, 9}, {1, 2, 3}, 2)[0], 0);                      // constant window
    EXPECT_EQ(Fast({1, 7, 3, 9}, {4, 4}, 4), (std::vector<int32_t>{0, 0, 0})); // constant pattern
    EXPECT_EQ(Fast({1, 2, 3}, {1, 2}, 2).size(), 2u); // one more code than the pattern
    EXPECT_TRUE(Fast({1, 2}, {1, 2, 3}, 2).empty());
    EXPECT_TRUE(Fast({1, 2}, {}, 0).empty());
    EXPECT_EQ(Fast({3, 8, 1}, {5}, 5), (std::vector<int32_t>{0, 0, 0})); // one-code windows
}

TEST(SlidingPearson, LinearImagesCorrelateFully)
{
    std::mt19937 random(2);
    const std::vector<int32_t> x = RandomCodes(random, 64, 1000);
    std::vector<int32_t> scaled, negated;
    for (const int32_t v : x) {
        scaled.push_back(3 * v + 12);
        negated.push_back(-v);
    }
    // With the whole record as the window, only offset 0 exists; even means keep it exact.
    std::vector<int32_t> even = x;
    for (int32_t& v : even)
        v *= 64; // mean of 64 multiples of 64 is whole
    std::vector<int32_t> evenScaled, evenNegated;
    for (const int32_t v : even) {
        evenScaled.push_back(3 * v + 12);
        evenNegated.push_back(-v);
    }
    EXPECT_EQ(Fast(evenScaled, even, RoundedMean(even)), std::vector<int32_t>{100});
    EXPECT_EQ(Fast(evenNegated, even, RoundedMean(even)), std::vector<int32_t>{-100});
    // A window of the data itself meets itself with 100.
    const std::vector<int32_t> window(x.begin() + 10, x.begin() + 30);
    EXPECT_EQ(Fast(x, window, RoundedMean(window))[10], 100);
}

TEST(SlidingPearson, RandomDataMatchesTheDirectPass)
{
    std::mt19937 random(9);
    struct Case {
        size_t n, m;
        int32_t range;
    };
    // Small and large codes (the latter beyond the exact double path, beyond
    // 64-bit products); sizes below and above the two-core split.
    const Case cases[] = {{500, 1, 1000},       {500, 17, 1000},      {5000, 100, 1000}, {3000, 40, 1 << 20},
                          {700, 30, INT32_MAX}, {6000, 3, INT32_MAX}, {257, 256, 5}};
    for (const Case& c : cases) {
        const std::vector<int32_t> d = RandomCodes(random, c.n, c.range);
        const std::vector<int32_t> p = RandomCodes(random, c.m, c.range);
        for (const int32_t mean : {RoundedMean(p), p[0], c.range}) {
            ASSERT_EQ(Fast(d, p, mean), reference::SlidingPearson(d, p, mean))
                << c.n << " " << c.m << " " << c.range;
        }
    }
}

TEST(SlidingPearson, OneWorkerAndAllWorkersGiveTheSameCurve)
{
    std::mt19937 random(11);
    // 70,000 offsets are several pieces; the large codes take the wide sums.
    for (const int32_t range : {1000, INT32_MAX}) {
        const std::vector<int32_t> d = RandomCodes(random, 70050, range);
        const std::vector<int32_t> p = RandomCodes(random, 51, range);
        std::vector<int32_t> curves[2];
        for (const int workers : {1, WorkerSlots()}) {
            const TWorkerLimit limit(workers);
            curves[workers == 1 ? 0 : 1] = Fast(d, p, RoundedMean(p));
        }
        ASSERT_EQ(curves[0].size(), 70000u);
        EXPECT_EQ(curves[0], curves[1]) << range;
    }
}

TEST(SlidingPearson, SmoothSignalsWithTiedMeansMatchTheDirectPass)
{
    // A slow sine in small codes: many windows have sums on x.5 means.
    std::vector<int32_t> d;
    for (int i = 0; i < 4000; ++i)
        d.push_back(int32_t(std::lround(50 * std::sin(i * 0.01))));
    const std::vector<int32_t> p(d.begin() + 100, d.begin() + 200);
    const int32_t mean = RoundedMean(p);
    EXPECT_EQ(Fast(d, p, mean), reference::SlidingPearson(d, p, mean));
}

TEST(PearsonPercent, NearTiesAreDecidedByTheExtendedQuotient)
{
    // Sxx = Syy = 200 t and Sxy = 101 t make the exact percentage 50.5; the
    // roundings of the square roots put the extended quotient just above or
    // just below it, and the double one may land on the other side.
    const int64_t before = TPearsonPercent::ExactCount();
    for (int64_t t = 1; t <= 3000; ++t) {
        const int64_t sxx = 200 * t, sxy = 101 * t;
        const long double root = sqrtl(static_cast<long double>(sxx));
        const int32_t expected = int32_t(Round(static_cast<long double>(sxy) / (root * root) * 100));
        ASSERT_EQ(TPearsonPercent(sxx)(sxy, sxx), expected) << t;
        ASSERT_EQ(TPearsonPercent(sxx)(-sxy, sxx), -expected) << t;
    }
    EXPECT_GT(TPearsonPercent::ExactCount(), before);
    // Far from a tie the double quotient decides alone.
    const int64_t far = TPearsonPercent::ExactCount();
    EXPECT_EQ(TPearsonPercent(50)(5, 1), 71); // 70.71...
    EXPECT_EQ(TPearsonPercent(0)(5, 1), 0);   // constant pattern
    EXPECT_EQ(TPearsonPercent(50)(0, 0), 0);  // constant window
    EXPECT_EQ(TPearsonPercent::ExactCount(), far);
}
