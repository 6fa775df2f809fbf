// The table build: layout, angle step, progress, and the rows of known values.
#include "dsp/harmonic_tables.h"
#include "runtime/exceptions.h"
#include "runtime/progress.h"
#include "numbers/float_model.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class TRecordedProgress final : public TProgress {
public:
    void SetMaximum(int maximum) override { maximum_ = maximum; }
    void SetPosition(int position) override { positions.push_back(position); }
    int maximum_ = -1;
    std::vector<int> positions;
};

TDFT Engine(int32_t n, int32_t k, int32_t adc)
{
    TDFT dft;
    dft.SampleCount = n;
    dft.HarmonicCount = k;
    dft.AdcScale = adc;
    return dft;
}

int32_t Entry(const TMemoryBuffer& table, int64_t index) { return table.Elements<int32_t>(index, 1)[0]; }

std::vector<int32_t> Row(const TDFT& dft, const TMemoryBuffer& table, int32_t k)
{
    std::vector<int32_t> row;
    for (int32_t n = 0; n < dft.SampleCount; ++n)
        row.push_back(Entry(table, int64_t(k) * dft.SampleCount + n));
    return row;
}

} // namespace

TEST(HarmonicTables, EveryEntryEqualsTheDirectEvaluation)
{
    struct Case { int32_t n, k, adc; };
    // Sizes on both sides of the two-core split; 6000 is a multiple of 12, so
    // some entries sit exactly on rounding boundaries.
    const Case cases[] = {{5, 3, 100}, {6000, 4, 1}, {6000, 3, 3}, {9001, 2, -250}, {7, 20, 9}};
    for (const Case& c : cases) {
        TDFT dft = Engine(c.n, c.k, c.adc);
        TNoProgress progress;
        BuildHarmonicTables(dft, progress);
        EXPECT_EQ(dft.AngleStep, double(kTwoPi / c.n));
        for (int32_t k = 0; k < c.k; ++k) {
            for (int32_t n = 0; n < c.n; ++n) {
                const double angle = double(static_cast<long double>(int64_t(n) * k) * dft.AngleStep);
                const long double a = c.adc;
                const int64_t at = int64_t(k) * c.n + n;
                ASSERT_EQ(Entry(*dft.SinTable, at), int32_t(Round(Sin(angle) * a))) << k << " " << n;
                ASSERT_EQ(Entry(*dft.CosTable, at), int32_t(Round(Cos(angle) * a))) << k << " " << n;
            }
        }
        EXPECT_EQ(dft.Angle, double(static_cast<long double>(int64_t(c.n - 1) * (c.k - 1)) * dft.AngleStep));
        EXPECT_EQ(dft.SinTable->Size(), int64_t(4) * c.n * c.k);
    }
}

TEST(HarmonicTables, KnownRows)
{
    TNoProgress progress;
    TDFT quarter = Engine(4, 2, 100);
    BuildHarmonicTables(quarter, progress);
    EXPECT_EQ(Row(quarter, *quarter.CosTable, 0), (std::vector<int32_t>{100, 100, 100, 100}));
    EXPECT_EQ(Row(quarter, *quarter.SinTable, 0), (std::vector<int32_t>{0, 0, 0, 0}));
    EXPECT_EQ(Row(quarter, *quarter.CosTable, 1), (std::vector<int32_t>{100, 0, -100, 0}));
    EXPECT_EQ(Row(quarter, *quarter.SinTable, 1), (std::vector<int32_t>{0, 100, 0, -100}));

    TDFT negative = Engine(4, 2, -100); // the sign of A flips every entry
    BuildHarmonicTables(negative, progress);
    EXPECT_EQ(Row(negative, *negative.SinTable, 1), (std::vector<int32_t>{0, -100, 0, 100}));

    TDFT single = Engine(1, 3, 7); // N = 1: a step of 2 pi, every row sin 0 and cos 0
    BuildHarmonicTables(single, progress);
    EXPECT_EQ(single.AngleStep, double(kTwoPi));
    for (int32_t k = 0; k < 3; ++k) {
        EXPECT_EQ(Row(single, *single.SinTable, k), std::vector<int32_t>{0});
        EXPECT_EQ(Row(single, *single.CosTable, k), std::vector<int32_t>{7});
    }

    TDFT beyond = Engine(8, 11, 1000); // K > N: row k + N repeats row k up to rounding
    BuildHarmonicTables(beyond, progress);
    for (int32_t n = 0; n < 8; ++n)
        EXPECT_NEAR(Entry(*beyond.SinTable, 10 * 8 + n), Entry(*beyond.SinTable, 2 * 8 + n), 1);
}

TEST(HarmonicTables, ProgressFollowsTheRowsAndEndsAtZero)
{
    TDFT dft = Engine(10, 3, 5);
    TRecordedProgress progress;
    BuildHarmonicTables(dft, progress);
    EXPECT_EQ(progress.maximum_, 3);
    EXPECT_EQ(progress.positions, (std::vector<int>{0, 1, 2, 0}));
}

TEST(HarmonicTables, RebuildOverwritesFromTheStartAndKeepsLaterBytes)
{
    TDFT dft = Engine(50, 4, 100);
    TNoProgress progress;
    BuildHarmonicTables(dft, progress);
    const int32_t oldLast = Entry(*dft.CosTable, 4 * 50 - 1);
    dft.SampleCount = 10;
    dft.HarmonicCount = 2;
    BuildHarmonicTables(dft, progress);
    EXPECT_EQ(Entry(*dft.CosTable, 10), 100); // row 1 of the new tables starts at cos 0
    EXPECT_EQ(Entry(*dft.CosTable, 4 * 50 - 1), oldLast);
    EXPECT_EQ(dft.CosTable->Size(), 4 * 50 * 4);
}

TEST(HarmonicTables, TablesThatCannotBeHeldFailBeforeWriting)
{
    const uint64_t limit = TMemoryBuffer::GrowthLimit();
    TMemoryBuffer::SetGrowthLimit(1 << 20);
    TDFT dft = Engine(100000, 10, 100); // 4 MB per table
    TRecordedProgress progress;
    EXPECT_THROW(BuildHarmonicTables(dft, progress), EStreamError);
    TMemoryBuffer::SetGrowthLimit(limit);
    EXPECT_EQ(progress.maximum_, 10);
    EXPECT_TRUE(progress.positions.empty());
}
