// The fast table entries against the processor's own evaluation, one by one.
#include "defined_entry.h"
#include "dsp/harmonic_tables.h"
#include "dsp/table_entries.h"
#include "numbers/float_model.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

void ExpectSameAsReference(const std::vector<double>& angles, int32_t adc)
{
    std::vector<int32_t> sines(angles.size()), cosines(angles.size());
    TableEntries(angles.data(), int(angles.size()), adc, sines.data(), cosines.data());
    for (size_t i = 0; i < angles.size(); ++i) {
        ASSERT_EQ(sines[i], DefinedEntry(true, angles[i], adc)) << "A " << adc << " angle " << angles[i];
        ASSERT_EQ(cosines[i], DefinedEntry(false, angles[i], adc)) << "A " << adc << " angle " << angles[i];
    }
}

} // namespace

TEST(TableEntries, RandomAnglesAndScalesMatchTheDirectEvaluation)
{
    std::mt19937_64 random(7);
    const int32_t scales[] = {1, 2, 3, 7, 100, -100, 1000, 46341, 65535, 0, INT32_MAX, INT32_MIN};
    for (const int32_t adc : scales) {
        for (const double range : {1.0, 300.0, 2.0e5}) {
            std::uniform_real_distribution<double> angle(0.0, range);
            std::vector<double> angles(3001); // not a multiple of the lane count
            for (double& a : angles)
                a = angle(random);
            ExpectSameAsReference(angles, adc);
        }
    }
}

TEST(TableEntries, ValuesOnARoundingBoundaryAreEvaluatedDirectly)
{
    // Multiples of 2 pi / 12 give sines and cosines of +-1/2: with an odd scale
    // the product sits on a half-integer, where only the processor's last bits decide.
    std::vector<double> angles;
    for (int64_t nk = 0; nk < 400; ++nk)
        angles.push_back(TableAngle(nk, double(kTwoPi / 12)));
    for (const int32_t adc : {1, 3, 101, -7}) {
        const int64_t before = DirectEvaluationCount();
        ExpectSameAsReference(angles, adc);
        EXPECT_GT(DirectEvaluationCount(), before) << adc;
    }
    // An even scale puts them on whole numbers, far from any boundary.
    const int64_t before = DirectEvaluationCount();
    ExpectSameAsReference(angles, 100);
    EXPECT_EQ(DirectEvaluationCount(), before);
}

TEST(TableEntries, AnglesBeyondTheFastRangeAreStillExact)
{
    const std::vector<double> angles = {2.0e6, 3.5e7, 1.0e12, 9.3e18, 1.0e19};
    ExpectSameAsReference(angles, 1000); // the last is beyond 2^63: Sin and Cos give 0
    int32_t s = 1, c = 1;
    DirectTableEntries(1.0e19, 1000, s, c);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(c, 0);
}

TEST(TableEntries, TheProcessorStaysWithinTheBoundTheFastPathAssumes)
{
    // The fast path allows the processor 2^-60 x (4 + |x|) of difference from the
    // true sine and cosine; check it against the library's extended functions.
    std::mt19937_64 random(11);
    for (const double range : {1.0, 100.0, 1.0e4, 1.0e6}) {
        std::uniform_real_distribution<double> angle(0.0, range);
        for (int i = 0; i < 20000; ++i) {
            const double x = angle(random);
            const long double bound = 0x1p-60L * (4 + x);
            ASSERT_LE(std::fabs(Sin(x) - sinl(x)), bound) << x;
            ASSERT_LE(std::fabs(Cos(x) - cosl(x)), bound) << x;
        }
    }
}
