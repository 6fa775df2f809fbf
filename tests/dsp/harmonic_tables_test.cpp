// The table build and the rows it plans: every entry against the definition,
// at small sizes and at ten million samples where the angles are largest,
// the progress, and the refusal of runs the machine cannot hold.
#include "defined_entry.h"
#include "dsp/harmonic_tables.h"
#include "dsp/table_entries.h"
#include "runtime/exceptions.h"
#include "runtime/progress.h"
#include "runtime/worker_pool.h"

#include <gtest/gtest.h>
#include <random>
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

// The definition written out: the angle n x k x AngleStep stored in 64 bits.
int32_t Defined(bool sine, int64_t nk, double angleStep, int32_t adc)
{
    return DefinedEntry(sine, double(static_cast<long double>(nk) * angleStep), adc);
}

// Entries first .. first + count - 1 of the row, checked one by one.
void ExpectDefinedEntries(const THarmonicRow& row, int64_t first, int64_t count)
{
    std::vector<int32_t> sines(static_cast<size_t>(count)), cosines(static_cast<size_t>(count));
    RowEntries(row, first, count, sines.data(), cosines.data());
    for (int64_t i = 0; i < count; ++i) {
        const int64_t nk = (first + i) * row.k;
        ASSERT_EQ(sines[size_t(i)], Defined(true, nk, row.angleStep, row.adcScale))
            << "k " << row.k << " n " << first + i << " A " << row.adcScale;
        ASSERT_EQ(cosines[size_t(i)], Defined(false, nk, row.angleStep, row.adcScale))
            << "k " << row.k << " n " << first + i << " A " << row.adcScale;
    }
}

std::vector<int32_t> Row(const TDFT& dft, int32_t k, bool sine)
{
    std::vector<int32_t> sines(size_t(dft.SampleCount)), cosines(size_t(dft.SampleCount));
    RowEntries(dft.Rows.at(size_t(k)), 0, dft.SampleCount, sines.data(), cosines.data());
    return sine ? sines : cosines;
}

} // namespace

TEST(HarmonicTables, EveryEntryEqualsTheDirectEvaluation)
{
    struct Case {
        int32_t n, k, adc;
    };
    // Rows shorter and longer than a group of 256 turned entries; 6000 is a
    // multiple of 12, so some entries sit exactly on rounding boundaries.
    const Case cases[] = {{5, 3, 100}, {6000, 4, 1},         {6000, 3, 3},        {9001, 2, -250},
                          {7, 20, 9},  {4096, 6, INT32_MAX}, {3000, 3, INT32_MIN}};
    for (const Case& c : cases) {
        TDFT dft = Engine(c.n, c.k, c.adc);
        TNoProgress progress;
        BuildHarmonicTables(dft, progress);
        EXPECT_EQ(dft.AngleStep, double(kTwoPi / c.n));
        ASSERT_EQ(dft.Rows.size(), size_t(c.k));
        for (int32_t k = 0; k < c.k; ++k)
            ExpectDefinedEntries(dft.Rows[size_t(k)], 0, c.n);
        EXPECT_EQ(dft.Angle, double(static_cast<long double>(int64_t(c.n - 1) * (c.k - 1)) * dft.AngleStep));
    }
}

TEST(HarmonicTables, PiecesStartingAnywhereEqualTheDirectEvaluation)
{
    // The sums ask for blocks that start at any sample; a row made in pieces
    // must not depend on where a piece starts.
    std::mt19937 random(5);
    const THarmonicRow row = PlanRow(7, 50000, double(kTwoPi / 50000), 1000);
    for (int i = 0; i < 20; ++i) {
        const int64_t first = std::uniform_int_distribution<int64_t>(0, 45000)(random);
        const int64_t count = std::uniform_int_distribution<int64_t>(1, 5000)(random);
        ExpectDefinedEntries(row, first, count);
    }
}

TEST(HarmonicTables, TenMillionSamplesAtTheirLargestAngles)
{
    // The angle of entry (k, n) grows to (N - 1) k x 2 pi / N: the last samples
    // of the last rows, for 32 harmonics and for rows on either side of the
    // polynomial's range of 10^6 (k = 159000 turns, k = 160000 does not).
    constexpr int32_t n = 10000000;
    const double step = double(kTwoPi / n);
    for (const int32_t adc : {100, 7, -46341}) {
        for (const int32_t k : {31, 30}) {
            const THarmonicRow row = PlanRow(k, n, step, adc);
            EXPECT_TRUE(row.turns);
            ExpectDefinedEntries(row, n - 40000, 40000);
        }
    }
    const THarmonicRow edge = PlanRow(159000, n, step, 100);
    EXPECT_TRUE(edge.turns);
    ExpectDefinedEntries(edge, n - 20000, 20000);
    const THarmonicRow beyond = PlanRow(160000, n, step, 100);
    EXPECT_FALSE(beyond.turns);
    ExpectDefinedEntries(beyond, n - 2000, 2000);
}

TEST(HarmonicTables, EntriesNearABoundaryAreEvaluatedDirectly)
{
    // N = 6000 puts angles on multiples of 2 pi / 12, where A = 1 gives
    // sines of exactly +-1/2: only the processor's last bits decide those.
    const THarmonicRow odd = PlanRow(1, 6000, double(kTwoPi / 6000), 1);
    int64_t before = DirectEvaluationCount();
    ExpectDefinedEntries(odd, 0, 6000);
    EXPECT_GT(DirectEvaluationCount(), before);
    // A = 100 puts them on whole numbers, far from any boundary.
    const THarmonicRow even = PlanRow(1, 6000, double(kTwoPi / 6000), 100);
    before = DirectEvaluationCount();
    ExpectDefinedEntries(even, 0, 6000);
    EXPECT_EQ(DirectEvaluationCount(), before);
}

TEST(HarmonicTables, KnownRows)
{
    TNoProgress progress;
    TDFT quarter = Engine(4, 2, 100);
    BuildHarmonicTables(quarter, progress);
    EXPECT_EQ(Row(quarter, 0, false), (std::vector<int32_t>{100, 100, 100, 100}));
    EXPECT_EQ(Row(quarter, 0, true), (std::vector<int32_t>{0, 0, 0, 0}));
    EXPECT_EQ(Row(quarter, 1, false), (std::vector<int32_t>{100, 0, -100, 0}));
    EXPECT_EQ(Row(quarter, 1, true), (std::vector<int32_t>{0, 100, 0, -100}));

    TDFT negative = Engine(4, 2, -100); // the sign of A flips every entry
    BuildHarmonicTables(negative, progress);
    EXPECT_EQ(Row(negative, 1, true), (std::vector<int32_t>{0, -100, 0, 100}));

    TDFT single = Engine(1, 3, 7); // N = 1: a step of 2 pi, every row sin 0 and cos 0
    BuildHarmonicTables(single, progress);
    EXPECT_EQ(single.AngleStep, double(kTwoPi));
    for (int32_t k = 0; k < 3; ++k) {
        EXPECT_EQ(Row(single, k, true), std::vector<int32_t>{0});
        EXPECT_EQ(Row(single, k, false), std::vector<int32_t>{7});
    }

    TDFT beyond = Engine(8, 11, 1000); // K > N: row k + N repeats row k up to rounding
    BuildHarmonicTables(beyond, progress);
    for (int32_t n = 0; n < 8; ++n)
        EXPECT_NEAR(Row(beyond, 10, true)[size_t(n)], Row(beyond, 2, true)[size_t(n)], 1);
}

TEST(HarmonicTables, ProgressFollowsTheRowsAndEndsAtZero)
{
    TDFT dft = Engine(10, 3, 5);
    TRecordedProgress progress;
    BuildHarmonicTables(dft, progress);
    EXPECT_EQ(progress.maximum_, 3);
    EXPECT_EQ(progress.positions, (std::vector<int>{0, 1, 2, 0}));
}

TEST(HarmonicTables, ARebuildReplacesTheRowsAndForgetsTheSums)
{
    TDFT dft = Engine(50, 4, 100);
    TNoProgress progress;
    BuildHarmonicTables(dft, progress);
    dft.Sums.resize(4);
    dft.SampleCount = 10;
    dft.HarmonicCount = 2;
    BuildHarmonicTables(dft, progress);
    ASSERT_EQ(dft.Rows.size(), 2u);
    EXPECT_EQ(dft.Rows[1].angleStep, double(kTwoPi / 10));
    EXPECT_TRUE(dft.Sums.empty());
    // The tables hold one block per worker slot, whatever N and K.
    EXPECT_EQ(dft.SinTable->Capacity(), size_t(WorkerSlots()) * kTableBlock * sizeof(int32_t));
}

TEST(HarmonicTables, OnlyRunsTheMachineCannotHoldAreRefusedFirst)
{
    struct Case {
        uint64_t limit;
        int32_t n, refusedK, acceptedK;
    };
    const Case cases[] = {// 200,000 harmonics of 2 samples take 80 MB of results against 16 MB;
                          // 20,000 take 8 MB.
                          {16 << 20, 2, 200000, 20000},
                          // 100,000 samples take 0.9 MB (codes and curve) against 4 MB, which
                          // leaves room for about 8,000 harmonics. 6,000 of them make 6 x 10^8
                          // entry pairs, far more than whole tables could have held.
                          {4 << 20, 100000, 9000, 6000},
                          // 500,000 samples alone take 4.5 MB: even one harmonic is refused.
                          {4 << 20, 500000, 1, 0}};
    const uint64_t limit = TMemoryBuffer::GrowthLimit();
    for (const Case& c : cases) {
        TMemoryBuffer::SetGrowthLimit(c.limit);
        TDFT dft = Engine(c.n, c.refusedK, 100);
        TRecordedProgress progress;
        EXPECT_THROW(BuildHarmonicTables(dft, progress), EStreamError) << c.n << " x " << c.refusedK;
        EXPECT_EQ(progress.maximum_, c.refusedK);
        EXPECT_TRUE(progress.positions.empty()); // refused before the bar moved
        EXPECT_TRUE(dft.Rows.empty());
        if (c.acceptedK > 0) {
            dft.HarmonicCount = c.acceptedK;
            EXPECT_NO_THROW(BuildHarmonicTables(dft, progress)) << c.n << " x " << c.acceptedK;
            EXPECT_EQ(dft.Rows.size(), size_t(c.acceptedK));
        }
    }
    TMemoryBuffer::SetGrowthLimit(limit);
}

TEST(HarmonicTables, CodesAlreadyHeldAreNotAskedForAgain)
{
    const uint64_t limit = TMemoryBuffer::GrowthLimit();
    constexpr int32_t kSamples = 150000;
    TDFT dft = Engine(kSamples, 1, 100);
    dft.DataCodes->ElementsForWrite<int32_t>(kSamples);
    const uint64_t held = dft.DataCodes->Capacity();
    const uint64_t blocks = 2 * uint64_t(WorkerSlots()) * kTableBlock * sizeof(int32_t);
    // Room for the codes held, the curve (the rest of a sample's bytes), the
    // blocks and one harmonic, with 2 bytes a sample to spare: asking for the
    // codes a second time (4 bytes a sample) would not fit.
    const uint64_t curve = kBytesPerSample - sizeof(int32_t);
    TMemoryBuffer::SetGrowthLimit(held + uint64_t(kSamples) * (curve + 2) + blocks + kBytesPerHarmonic);
    TNoProgress progress;
    EXPECT_NO_THROW(BuildHarmonicTables(dft, progress));
    // 200,000 samples: 50,000 more of curve and of codes do not fit in the 0.3 MB spare.
    dft.SampleCount = 200000;
    EXPECT_THROW(BuildHarmonicTables(dft, progress), EStreamError);
    TMemoryBuffer::SetGrowthLimit(limit);
}
