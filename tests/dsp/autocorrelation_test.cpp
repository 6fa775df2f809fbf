// The autocorrelation's window rule and the window meeting itself.
#include "dsp/autocorrelation.h"
#include "dsp/sample_quantizer.h"
#include "dsp/sliding_pearson.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(Autocorrelation, WindowsThatDoNotFitFallBackToTheFirstCode)
{
    const struct {
        int32_t start, width, usedStart, usedWidth;
    } cases[] = {
        {0, 100, 0, 100},  {1900, 100, 1900, 100}, // ends on the last code
        {1950, 100, 0, 1}, {-5, 10, 0, 1},         {3, -4, 0, 1},
        {3, 0, 3, 1},      {2147483647, 2, 0, 1},  {5, 2147483647, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("start " + std::to_string(c.start) + " width " + std::to_string(c.width));
        const TAutoWindow used = FitAutoWindow(c.start, c.width, 2000);
        EXPECT_EQ(used.start, c.usedStart);
        EXPECT_EQ(used.width, c.usedWidth);
    }
}

TEST(Autocorrelation, TheWindowIsThePatternWithItsOwnMean)
{
    const std::vector<int32_t> data = {0, 10, 20, 10, 0, 30, -5};
    const std::vector<int32_t> curve = Autocorrelate(data, {2, 3});
    const std::vector<int32_t> window(data.begin() + 2, data.begin() + 5);
    EXPECT_EQ(curve, SlidingPearson(data, window, RoundedMean(window)));
    ASSERT_EQ(curve.size(), 5u);
    EXPECT_EQ(curve[2], 100);
    // One-code windows are constant: every offset gives 0.
    EXPECT_EQ(Autocorrelate(data, {}), std::vector<int32_t>(7, 0));
}
