// The data codes and spectrum points of a spectrum run, on an engine whose
// tables are built: known values, the zero harmonic removed, labels in the
// locale's form, and what a fault midway leaves.
#include "dsp/fourier_run.h"
#include "dsp/harmonic_tables.h"
#include "numbers/locale_separators.h"
#include "runtime/exceptions.h"
#include "runtime/progress.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// An engine as a data pane parse of the samples and a table build leave it.
struct Parsed {
    Parsed(const std::vector<double>& samples, int32_t adc, int32_t harmonics)
    {
        long double sum = 0;
        for (const double v : samples) {
            values.Write(v);
            sum += v;
        }
        dft.SampleCount = int32_t(samples.size());
        dft.HarmonicCount = harmonics;
        dft.AdcScale = adc;
        dft.DataMean = double(sum / samples.size());
        TNoProgress progress;
        BuildHarmonicTables(dft, progress);
    }
    std::vector<int32_t> Codes(bool removeZeroHarmonic)
    {
        const TPartial<std::span<const int32_t>> codes = QuantizeDataCodes(dft, values, removeZeroHarmonic);
        codes.RaiseFault();
        return {codes.done.begin(), codes.done.end()};
    }
    TMemoryBuffer values;
    TDFT dft;
};

const std::vector<double> kFour = {0.5, 1.25, -0.75, 2};

} // namespace

TEST(FourierRun, CodesAmplitudesAndLabels)
{
    SetLocaleSeparators('.', ',');
    Parsed run(kFour, 100, 3);
    EXPECT_EQ(run.Codes(false), (std::vector<int32_t>{50, 125, -75, 200}));
    EXPECT_EQ(run.dft.DataCodes->Size(), 16);
    const TPartial<std::vector<THarmonicPoint>> points = SpectrumPoints(run.dft, 1000);
    EXPECT_FALSE(points.fault);
    ASSERT_EQ(points.done.size(), 3u);
    // k = 0: |sum of codes| / A; k = 1: re = (50 + 75) / 100, im = (125 - 200) / 100;
    // k = 2 alternates signs: |50 - 125 - 75 - 200| / 100.
    EXPECT_DOUBLE_EQ(points.done[0].amplitude, 3.0);
    EXPECT_DOUBLE_EQ(points.done[1].amplitude, std::hypot(1.25, -0.75));
    EXPECT_DOUBLE_EQ(points.done[2].amplitude, 3.5);
    EXPECT_EQ(points.done[0].label, "0.00");
    EXPECT_EQ(points.done[1].label, "250.00"); // 1 x 1000 / 4 Hz
    EXPECT_EQ(points.done[2].label, "500.00");
}

TEST(FourierRun, RemovingTheZeroHarmonicSubtractsTheMeanInAdcUnits)
{
    Parsed run(kFour, 100, 1);
    // offset = 100 x 0.75: codes -25, 50, -150, 125, and nothing left at k = 0.
    EXPECT_EQ(run.Codes(true), (std::vector<int32_t>{-25, 50, -150, 125}));
    EXPECT_EQ(SpectrumPoints(run.dft, 1).done.at(0).amplitude, 0.0);
}

TEST(FourierRun, LabelsUseTheLocaleSeparator)
{
    SetLocaleSeparators(',', ' ');
    Parsed run(std::vector<double>(100, 1.0), 1, 3);
    run.Codes(false);
    const std::vector<THarmonicPoint> points = SpectrumPoints(run.dft, 1).done; // rate 1, N = 100
    EXPECT_EQ(points.at(1).label, "0,01");
    EXPECT_EQ(points.at(2).label, "0,02");
    SetLocaleSeparators('.', ',');
}

TEST(FourierRun, AFaultMidwayGivesWhatCameBeforeIt)
{
    // A sample beyond the 64-bit rounding: the codes before it are written.
    Parsed huge({1, 2, 1e300, 4}, 100, 1);
    const TPartial<std::span<const int32_t>> codes = QuantizeDataCodes(huge.dft, huge.values, false);
    EXPECT_EQ(std::vector<int32_t>(codes.done.begin(), codes.done.end()), (std::vector<int32_t>{100, 200}));
    EXPECT_EQ(huge.dft.DataCodes->Size(), 8);
    EXPECT_THROW(codes.RaiseFault(), EInvalidOp);

    // A frequency beyond the 64-bit range at k = 2: the two harmonics before it.
    Parsed wide({1}, 1, 4);
    wide.Codes(false);
    const TPartial<std::vector<THarmonicPoint>> points = SpectrumPoints(wide.dft, DBL_MAX);
    EXPECT_EQ(points.done.size(), 2u);
    EXPECT_THROW(points.RaiseFault(), EOverflow);

    // A scale of 0 makes the first sum 0 / 0: no point at all.
    Parsed zero(kFour, 0, 4);
    EXPECT_EQ(zero.Codes(false), (std::vector<int32_t>{0, 0, 0, 0}));
    const TPartial<std::vector<THarmonicPoint>> none = SpectrumPoints(zero.dft, 1);
    EXPECT_TRUE(none.done.empty());
    EXPECT_THROW(none.RaiseFault(), EInvalidOp);
}

TEST(FourierRun, FewerSamplesThanTheCountAreAReadError)
{
    Parsed run(kFour, 100, 1);
    run.dft.SampleCount = 5;
    EXPECT_THROW(QuantizeDataCodes(run.dft, run.values, false), EReadError);
}
