// The references the end-to-end tests compare against are checked on their
// own first: known roundings and texts, and the properties a transform must
// have, so that a fault in a reference cannot hide one in the program (the
// correlation's reference is checked by the dsp tests, which share it).
#include "reference_dsp.h"
#include "reference_text.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(ReferenceText, FixedDecimalsRoundHalfAwayOnTheStoredValue)
{
    const struct {
        double x;
        int decimals;
        const char* text;
    } cases[] = {
        {0.125, 2, "0,13"},
        {2.675, 2, "2,67"}, // the stored 2.675 lies just below
        {12.5, 0, "13"},
        {2.5, 0, "3"},
        {-0.004, 2, "0,00"},
        {1234.5, 1, "1234,5"},
        {5, 0, "5"},
        {0, 1, "0,0"},
        {-0.05, 1, "-0,1"},
        {99.96, 1, "100,0"},
        {-7, 0, "-7"},
        {0.25, 1, "0,3"},
        {1e15 + 0.5, 0, "1000000000000001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reference::Fixed(c.x, c.decimals, ','), c.text) << c.x << " with " << c.decimals;
}

TEST(ReferenceText, CorrelationRowsHaveTwoTabsAndEmptyCellsPastEachCurve)
{
    const std::string file = reference::CorrelationFile({1, -2, 3}, {100}, {7, 8});
    EXPECT_EQ(file, reference::kCorrelationHeader + "1\t100\t7\r\n-2\t\t8\r\n3\t\t\r\n");
}

TEST(ReferenceDsp, SampleTextsAndQuantization)
{
    double v = 0;
    ASSERT_TRUE(reference::ParseSample("1,5", v));
    EXPECT_EQ(v, 1.5);
    ASSERT_TRUE(reference::ParseSample(" -0.125", v));
    EXPECT_EQ(v, -0.125);
    ASSERT_TRUE(reference::ParseSample("0.1", v));
    EXPECT_EQ(v, 0.1);
    EXPECT_FALSE(reference::ParseSample("1.5x", v));
    EXPECT_FALSE(reference::ParseSample("", v));
    // Ties go to the even neighbour; the mean offset is subtracted before rounding.
    EXPECT_EQ(reference::PatternCodes({0.5, 1.5, 2.5, -0.5}, 1), (std::vector<int32_t>{0, 2, 2, 0}));
    EXPECT_EQ(reference::DataCodes(reference::MeanOf({1, 2, 3, 6}), 10, true),
              (std::vector<int32_t>{-20, -10, 0, 30}));
}

TEST(ReferenceDsp, ToneLandsInItsHarmonicAndTheZeroHarmonicIsTheSum)
{
    constexpr int n = 64;
    std::vector<int32_t> codes;
    for (int i = 0; i < n; ++i)
        codes.push_back(int32_t(std::lrint(50 * std::cos(2 * M_PI * 5 * i / n) + 7)));
    const std::vector<reference::Harmonic> h = reference::Spectrum(codes, 100, 8);
    int64_t sum = 0;
    for (int32_t c : codes)
        sum += c;
    EXPECT_NEAR(h[0].real, sum / 100.0, 1e-9); // the cosine row of k = 0 is all A
    EXPECT_EQ(h[0].imag, 0);
    // A real cosine of amplitude a puts a x N / 2 into its harmonic, divided by A.
    EXPECT_NEAR(h[5].amplitude, 50.0 * n / 2 / 100, 0.2);
    for (int k = 1; k < 8; ++k) {
        if (k != 5) {
            EXPECT_LT(h[size_t(k)].amplitude, 0.2) << k;
        }
    }
}
