#include "chart/raster/gradient_bands.h"

#include <gtest/gtest.h>

namespace {

TEST(MulDiv, RoundsHalvesAwayFromZeroAndAnswersMinusOneForZero)
{
    EXPECT_EQ(MulDiv(5, 3, 2), 8) << "7.5";
    EXPECT_EQ(MulDiv(-5, 3, 2), -8);
    EXPECT_EQ(MulDiv(5, 3, -2), -8);
    EXPECT_EQ(MulDiv(7, 3, 4), 5) << "5.25";
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000) << "the product leaves 32 bits";
}

TEST(GradientBands, AtMost256FadingFromStartToEnd)
{
    EXPECT_EQ(GradientBandCount(37), 37);
    EXPECT_EQ(GradientBandCount(600), 256);
    const TWindowsColor end = 2113054; // R 30, G 62, B 32
    EXPECT_EQ(GradientBandColor(0, end, 0, 256), 0u);
    EXPECT_EQ(GradientBandColor(0, end, 255, 256), end);
    // 30 * 128 / 255 = 15.06, 62 * 128 / 255 = 31.12, 32 * 128 / 255 = 16.06.
    EXPECT_EQ(GradientBandColor(0, end, 128, 256), 0x101f0fu);
    EXPECT_EQ(GradientBandColor(end, 0, 128, 256), 0x101f0fu) << "30 - 15.06, 62 - 31.12, 32 - 16.06";
    EXPECT_EQ(GradientBandColor(end, 0, 0, 1), end) << "a single band takes the start colour";
}

} // namespace
