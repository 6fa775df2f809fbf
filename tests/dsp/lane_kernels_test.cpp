// The vector loops compiled for AVX2 and for the baseline x86-64, as the
// program's target_clones functions compile them, give the same results on
// the same inputs: random ones and the extremes each loop's bound allows.
// The program runs only the AVX2 copies on a machine that has AVX2.
#include "dsp/lane_kernels.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

namespace avx2 {
__attribute__((target("avx2"))) int32_t Dot32(const int32_t* a, const int32_t* b, int64_t n)
{
    return lane_kernels::Dot<int32_t>(a, b, n);
}
__attribute__((target("avx2"))) int64_t Dot64(const int32_t* a, const int32_t* b, int64_t n)
{
    return lane_kernels::Dot<int64_t>(a, b, n);
}
template <class Element>
__attribute__((target("avx2"))) void CrossTerms(const Element* d, const Element* dy, int64_t m, int64_t begin,
                                                int64_t end, WideInt* out)
{
    lane_kernels::CrossTerms(d, dy, m, begin, end, out);
}
__attribute__((target("avx2"))) int TurnedGroup(const THarmonicRow& row, int64_t n0, int32_t* s, int32_t* c,
                                                int* direct)
{
    return lane_kernels::TurnedGroup(row, n0, s, c, direct);
}
__attribute__((target("avx2"))) int FastLanes(const double* angles, int count, double adc, int32_t* s,
                                              int32_t* c, int* direct)
{
    return lane_kernels::FastLanes(angles, count, adc, s, c, direct);
}
} // namespace avx2

namespace baseline {
int32_t Dot32(const int32_t* a, const int32_t* b, int64_t n) { return lane_kernels::Dot<int32_t>(a, b, n); }
int64_t Dot64(const int32_t* a, const int32_t* b, int64_t n) { return lane_kernels::Dot<int64_t>(a, b, n); }
template <class Element>
void CrossTerms(const Element* d, const Element* dy, int64_t m, int64_t begin, int64_t end, WideInt* out)
{
    lane_kernels::CrossTerms(d, dy, m, begin, end, out);
}
int TurnedGroup(const THarmonicRow& row, int64_t n0, int32_t* s, int32_t* c, int* direct)
{
    return lane_kernels::TurnedGroup(row, n0, s, c, direct);
}
int FastLanes(const double* angles, int count, double adc, int32_t* s, int32_t* c, int* direct)
{
    return lane_kernels::FastLanes(angles, count, adc, s, c, direct);
}
} // namespace baseline

class LaneKernels : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!__builtin_cpu_supports("avx2"))
            GTEST_SKIP() << "no AVX2 on this processor";
    }

    // count values of magnitude at most max, a quarter of them at -max or max.
    std::vector<int32_t> Codes(size_t count, int64_t max)
    {
        std::uniform_int_distribution<int64_t> value(-max, max);
        std::vector<int32_t> codes(count);
        for (int32_t& c : codes)
            c = int32_t(random_() % 4 == 0 ? (random_() % 2 ? max : -max) : value(random_));
        return codes;
    }

    std::mt19937_64 random_{7};
};

// Lengths around the widths of the lanes and blocks, so that every tail is met.
const int64_t kLengths[] = {0, 1, 3, 4, 7, 8, 9, 15, 16, 17, 31, 33, 63, 65, 1000};

} // namespace

TEST_F(LaneKernels, DotProductsAtTheirBounds)
{
    for (const int64_t n : kLengths) {
        // Every partial sum below 2^31 (32-bit lanes) and below 2^63 (64-bit lanes).
        const int64_t max32 = n == 0 ? 1 : int64_t(std::sqrt(double(INT32_MAX) / double(n)));
        const int64_t max64 = n <= 1 ? int64_t(1) << 31 : int64_t(std::sqrt(double(INT64_MAX) / double(n)));
        for (int round = 0; round < 20; ++round) {
            const std::vector<int32_t> a = Codes(size_t(n), max32), b = Codes(size_t(n), max32);
            ASSERT_EQ(avx2::Dot32(a.data(), b.data(), n), baseline::Dot32(a.data(), b.data(), n)) << n;
            const std::vector<int32_t> c = Codes(size_t(n), std::min<int64_t>(max64, INT32_MAX));
            const std::vector<int32_t> d = Codes(size_t(n), std::min<int64_t>(max64, INT32_MAX));
            ASSERT_EQ(avx2::Dot64(c.data(), d.data(), n), baseline::Dot64(c.data(), d.data(), n)) << n;
        }
    }
    // The most negative code alone: its square is 2^62.
    const int32_t lowest = INT32_MIN;
    EXPECT_EQ(avx2::Dot64(&lowest, &lowest, 1), baseline::Dot64(&lowest, &lowest, 1));
    EXPECT_EQ(baseline::Dot64(&lowest, &lowest, 1), int64_t(1) << 62);
}

TEST_F(LaneKernels, CrossTermsInWordsAndDoubles)
{
    for (const int64_t m : {int64_t(1), int64_t(5), int64_t(100)}) {
        for (const int64_t offsets : kLengths) {
            // M x max|d| x max|dy| below 2^31 for words, below 2^53 for doubles.
            const int64_t word = int64_t(std::sqrt(double(INT32_MAX) / double(m)));
            const int64_t wide = std::min<int64_t>(INT32_MAX, int64_t(std::sqrt(0x1p53 / double(m))));
            const std::vector<int32_t> d = Codes(size_t(offsets + m), word), dy = Codes(size_t(m), word);
            std::vector<WideInt> fast(static_cast<size_t>(offsets)), plain(fast);
            avx2::CrossTerms(d.data(), dy.data(), m, 0, offsets, fast.data());
            baseline::CrossTerms(d.data(), dy.data(), m, 0, offsets, plain.data());
            ASSERT_TRUE(fast == plain) << "words, M " << m << " offsets " << offsets;

            const std::vector<int32_t> dw = Codes(size_t(offsets + m), wide), dyw = Codes(size_t(m), wide);
            const std::vector<double> dd(dw.begin(), dw.end()), dyd(dyw.begin(), dyw.end());
            // From offset 3 on, as a later piece of the range starts.
            const int64_t begin = offsets < 3 ? 0 : 3;
            fast.assign(size_t(offsets - begin), 0);
            plain.assign(size_t(offsets - begin), 0);
            avx2::CrossTerms(dd.data(), dyd.data(), m, begin, offsets, fast.data());
            baseline::CrossTerms(dd.data(), dyd.data(), m, begin, offsets, plain.data());
            ASSERT_TRUE(fast == plain) << "doubles, M " << m << " offsets " << offsets;
        }
    }
}

TEST_F(LaneKernels, TurnedRowsWithTheirNearEntries)
{
    const long double twoPi = 2 * 3.14159265358979323846264338327950288L;
    const int32_t scales[] = {1, -1, 100, 65536, -1000003, INT32_MAX, INT32_MIN};
    int near = 0;
    for (const int32_t n : {256, 4096, 1000000, 10000000}) {
        const double step = double(twoPi / n);
        for (const int32_t adc : scales) {
            for (int32_t k : {1, 2, 31, 255}) {
                const THarmonicRow row = PlanRow(k, n, step, adc);
                if (!row.turns)
                    continue;
                for (const int64_t n0 : {int64_t(0), int64_t(n / 2), int64_t(n - 256)}) {
                    int32_t s[2][lane_kernels::kGroup], c[2][lane_kernels::kGroup];
                    int direct[2][lane_kernels::kGroup];
                    const int listed = avx2::TurnedGroup(row, n0, s[0], c[0], direct[0]);
                    ASSERT_EQ(baseline::TurnedGroup(row, n0, s[1], c[1], direct[1]), listed);
                    ASSERT_TRUE(std::equal(direct[0], direct[0] + listed, direct[1]));
                    ASSERT_TRUE(std::equal(s[0], s[0] + lane_kernels::kGroup, s[1]))
                        << n << " " << adc << " " << k;
                    ASSERT_TRUE(std::equal(c[0], c[0] + lane_kernels::kGroup, c[1]))
                        << n << " " << adc << " " << k;
                    near += listed;
                }
            }
        }
    }
    // The largest scales put entries near a boundary, which both list alike.
    EXPECT_GT(near, 0);
}

TEST_F(LaneKernels, FastLanesOverRandomAndExtremeAngles)
{
    std::uniform_real_distribution<double> angle(-2e6, 2e6);
    std::vector<double> angles = {
        0.0,     -0.0,  1e-300, -4.9e-324, 1.5707963267948966, 3.141592653589793, 1e6, -1e6,
        1e6 + 1, 1.6e6, -1e7,   2e7};
    while (angles.size() < 4096)
        angles.push_back(angles.size() % 2 ? angle(random_) : angle(random_) * 1e-6);
    const int count = int(angles.size());
    const int32_t scales[] = {1, -1, 100, 65536, 1000003, INT32_MAX, INT32_MIN};
    int near = 0;
    for (const int32_t adc : scales) {
        std::vector<int32_t> s[2], c[2];
        std::vector<int> direct[2];
        for (int v = 0; v < 2; ++v) {
            s[v].resize(angles.size());
            c[v].resize(angles.size());
            direct[v].resize(angles.size());
        }
        const int listed =
            avx2::FastLanes(angles.data(), count, adc, s[0].data(), c[0].data(), direct[0].data());
        ASSERT_EQ(baseline::FastLanes(angles.data(), count, adc, s[1].data(), c[1].data(), direct[1].data()),
                  listed);
        ASSERT_TRUE(std::equal(direct[0].begin(), direct[0].begin() + listed, direct[1].begin())) << adc;
        // The entries the direct evaluation replaces may hold anything.
        std::vector<bool> replaced(angles.size());
        for (int i = 0; i < listed; ++i)
            replaced[size_t(direct[0][size_t(i)])] = true;
        for (size_t i = 0; i < angles.size(); ++i) {
            if (!replaced[i]) {
                ASSERT_EQ(s[0][i], s[1][i]) << "angle " << angles[i] << " A " << adc;
                ASSERT_EQ(c[0][i], c[1][i]) << "angle " << angles[i] << " A " << adc;
            }
        }
        near += listed;
    }
    EXPECT_GT(near, 0);
}
