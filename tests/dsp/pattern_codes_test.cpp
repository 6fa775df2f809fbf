// The pattern's codes, their mean and where they are kept.
#include "dsp/pattern_codes.h"
#include "runtime/exceptions.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// The samples as a pane parse stores them.
struct Samples : TMemoryBuffer {
    Samples(const std::vector<double>& values)
    {
        for (const double v : values)
            Write(v);
    }
};

std::vector<int32_t> Stored(const TMemoryBuffer& codes)
{
    const std::span<const int32_t> all = codes.Elements<int32_t>(0, codes.Size() / 4);
    return {all.begin(), all.end()};
}

} // namespace

TEST(PatternCodes, WrittenFromTheStartWithTheirRoundedMean)
{
    const Samples values({0.25, 0.5, -1.75, 9});
    TMemoryBuffer codes;
    for (const int32_t older : {7, 7, 7, 7, 7})
        codes.Write(older);
    // Only the first three samples are the pattern.
    const TPartial<TPatternCodes> pattern = QuantizePatternCodes(values, 3, 100, codes);
    EXPECT_FALSE(pattern.fault);
    EXPECT_EQ(pattern.done.codes, (std::vector<int32_t>{25, 50, -175}));
    EXPECT_EQ(pattern.done.mean, -33); // Round(-100 / 3)
    EXPECT_EQ(Stored(codes), (std::vector<int32_t>{25, 50, -175, 7, 7}));
}

TEST(PatternCodes, ASampleWithoutACodeLeavesTheStoredCodes)
{
    const Samples values({1, 1e300, 2});
    TMemoryBuffer codes;
    codes.Write(int32_t(5));
    const TPartial<TPatternCodes> pattern = QuantizePatternCodes(values, 3, 10, codes);
    EXPECT_EQ(pattern.done.codes, std::vector<int32_t>{10});
    EXPECT_THROW(pattern.RaiseFault(), EInvalidOp);
    EXPECT_EQ(Stored(codes), std::vector<int32_t>{5});
}

TEST(PatternCodes, MissingSamplesAreAReadError)
{
    const Samples values({1, 2});
    TMemoryBuffer codes;
    EXPECT_THROW(QuantizePatternCodes(values, 3, 1, codes), EReadError);
    EXPECT_THROW(QuantizePatternCodes(values, 0, 1, codes), EReadError);
}
