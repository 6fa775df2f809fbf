// The spectrum's and the correlation's cancellation points: a stop asked
// through the progress ends the work as a fault there would, and a run that
// is not stopped gives the same numbers as one without a progress.
#include "dsp/fourier_run.h"
#include "dsp/harmonic_sums.h"
#include "dsp/harmonic_tables.h"
#include "dsp/sliding_pearson.h"
#include "runtime/exceptions.h"
#include "support/stop_after.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int32_t kSamples = 200000;

struct TRun {
    TDFT dft;
    TMemoryBuffer values;
};

// kSamples samples of a tone with noise, 16 harmonics planned.
void Prepare(TRun& run)
{
    run.dft.SampleCount = kSamples;
    run.dft.HarmonicCount = 16;
    run.dft.AdcScale = 1000;
    for (int32_t n = 0; n < kSamples; ++n)
        run.values.Write(double((n * 7919) % 2001 - 1000) / 1000.0 + double(n % 50) / 25.0);
    TNoProgress quiet;
    BuildHarmonicTables(run.dft, quiet);
}

} // namespace

TEST(StopPoints, QuantizationKeepsTheCodesBeforeTheStop)
{
    TRun whole, stopped;
    Prepare(whole);
    Prepare(stopped);
    const std::span<const int32_t> all = QuantizeDataCodes(whole.dft, whole.values, false).done;
    const std::vector<int32_t> codes(all.begin(), all.end());
    TStopAfter stop(1); // the first run of 65,536 samples goes, the second stops
    const TPartial<std::span<const int32_t>> part = QuantizeDataCodes(stopped.dft, stopped.values, false, stop);
    ASSERT_TRUE(part.fault);
    EXPECT_THROW(part.RaiseFault(), ERunStopped);
    ASSERT_EQ(part.done.size(), size_t(2 * 65536 - 1));
    EXPECT_TRUE(std::equal(part.done.begin(), part.done.end(), codes.begin()));
    EXPECT_EQ(stopped.dft.DataCodes->Size(), int64_t(part.done.size() * sizeof(int32_t)));
}

TEST(StopPoints, SpectrumStopsWithoutAPointAndOtherwiseGivesTheSameSums)
{
    TRun run;
    Prepare(run);
    QuantizeDataCodes(run.dft, run.values, false).RaiseFault();
    const TPartial<std::vector<THarmonicPoint>> plain = SpectrumPoints(run.dft, 1000);
    const std::vector<THarmonicSum> plainSums = run.dft.Sums;

    TStopAfter stop(2);
    const TPartial<std::vector<THarmonicPoint>> stopped = SpectrumPoints(run.dft, 1000, stop);
    EXPECT_THROW(stopped.RaiseFault(), ERunStopped);
    EXPECT_TRUE(stopped.done.empty());
    EXPECT_TRUE(run.dft.Sums.empty());
    EXPECT_EQ(stop.maximum_, TPieceProgress::kSteps);

    // Planning 200,000 harmonics stops too.
    TDFT many;
    many.SampleCount = 2;
    many.HarmonicCount = 200000;
    many.AdcScale = 1;
    TStopAfter stopPlanning(1);
    EXPECT_THROW(BuildHarmonicTables(many, stopPlanning), ERunStopped);

    TStopAfter never(1 << 30);
    const TPartial<std::vector<THarmonicPoint>> again = SpectrumPoints(run.dft, 1000, never);
    ASSERT_FALSE(again.fault);
    ASSERT_EQ(again.done.size(), plain.done.size());
    for (size_t k = 0; k < plain.done.size(); ++k) {
        EXPECT_EQ(again.done[k].amplitude, plain.done[k].amplitude);
        EXPECT_EQ(run.dft.Sums[k].re, plainSums[k].re);
        EXPECT_EQ(run.dft.Sums[k].im, plainSums[k].im);
    }
    // The position rose through the samples and came back to 0.
    ASSERT_GE(never.positions.size(), 3u);
    EXPECT_GT(*std::max_element(never.positions.begin(), never.positions.end()), 0);
    EXPECT_EQ(never.positions.back(), 0);
}

TEST(StopPoints, CorrelationStopsAndOtherwiseGivesTheSameCurve)
{
    std::vector<int32_t> data(kSamples);
    for (int32_t n = 0; n < kSamples; ++n)
        data[size_t(n)] = (n * 7919) % 2001 - 1000 + (n % 50) * 40;
    const std::vector<int32_t> pattern(data.begin() + 100, data.begin() + 160);
    const std::vector<int32_t> plain = SlidingPearson(data, pattern, 0);
    TStopAfter stop(3);
    EXPECT_THROW(SlidingPearson(data, pattern, 0, stop), ERunStopped);
    TStopAfter never(1 << 30);
    EXPECT_EQ(SlidingPearson(data, pattern, 0, never), plain);
    EXPECT_EQ(never.positions.back(), 0);
}
