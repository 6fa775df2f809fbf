// RealPart and ImagPart: exact sums against a plain one-by-one sum over the
// defined table entries, the faults, and a pure tone landing in its harmonic.
// A scale of 0 is FourierRun.AFaultMidwayGivesWhatCameBeforeIt's.
#include "defined_entry.h"
#include "dsp/harmonic_sums.h"
#include "dsp/harmonic_tables.h"
#include "dsp/sample_quantizer.h"
#include "runtime/exceptions.h"
#include "runtime/parallel_work.h"
#include "runtime/progress.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

__extension__ typedef __int128 Wide;

// Writes the codes and sums the harmonics over them.
void WriteCodes(TDFT& dft, const std::vector<int32_t>& codes)
{
    dft.DataCodes->Seek(0);
    for (const int32_t c : codes)
        dft.DataCodes->Write(c);
    SumHarmonics(dft);
}

TDFT EngineWithTables(int32_t n, int32_t k, int32_t adc)
{
    TDFT dft;
    dft.SampleCount = n;
    dft.HarmonicCount = k;
    dft.AdcScale = adc;
    TNoProgress progress;
    BuildHarmonicTables(dft, progress);
    return dft;
}

// Reads the codes one by one, evaluates each table entry by its definition
// (Round(Sin(n k AngleStep) x A), the angle stored in 64 bits, low 32 bits)
// and sums in 128 bits.
double DirectPart(TDFT& dft, bool sine, int32_t k)
{
    dft.DataCodes->Seek(0);
    Wide sum = 0;
    for (int32_t n = 0; n < dft.SampleCount; ++n) {
        const int32_t code = dft.DataCodes->Read<int32_t>();
        const double angle = double(static_cast<long double>(int64_t(n) * k) * dft.AngleStep);
        sum += Wide(code) * DefinedEntry(sine, angle, dft.AdcScale);
    }
    const long double d = static_cast<long double>(int64_t(dft.AdcScale) * dft.AdcScale);
    return double(static_cast<long double>(sum) / d);
}

} // namespace

TEST(HarmonicSums, MatchAPlainExactSum)
{
    std::mt19937 random(3);
    struct Case {
        int32_t n, k, adc, codeRange;
    };
    // 5000 x 16 is split over both cores; the last two need more than 64
    // bits: codes near 2^31 times entries near 2^31, and their divisor A x A
    // more than 32. Harmonic 0 is the codes' sum over A.
    const Case cases[] = {{1000, 5, 100, 1000},
                          {777, 3, -37, 50000},
                          {5000, 16, 100, 300},
                          {300, 2, 65536, 1 << 30},
                          {64, 2, INT32_MAX, INT32_MAX}};
    for (const Case& c : cases) {
        TDFT dft = EngineWithTables(c.n, c.k, c.adc);
        std::uniform_int_distribution<int32_t> code(-c.codeRange, c.codeRange);
        std::vector<int32_t> codes(static_cast<size_t>(c.n));
        for (int32_t& v : codes)
            v = code(random);
        WriteCodes(dft, codes);
        for (int32_t k = 0; k < c.k; ++k) {
            EXPECT_EQ(dft.RealPart(k), DirectPart(dft, false, k)) << c.n << " " << k;
            EXPECT_EQ(dft.ImagPart(k), DirectPart(dft, true, k)) << c.n << " " << k;
        }
    }
}

TEST(HarmonicSums, OneWorkerAndAllWorkersGiveTheSameSums)
{
    // 100,000 x 32 entries make several pieces of whole table blocks.
    std::mt19937 random(5);
    std::uniform_int_distribution<int32_t> code(INT32_MIN, INT32_MAX);
    std::vector<int32_t> codes(100000);
    for (int32_t& v : codes)
        v = code(random);
    std::vector<std::pair<double, double>> parts[2];
    for (const int workers : {1, WorkerSlots()}) {
        const TWorkerLimit limit(workers);
        TDFT dft = EngineWithTables(int32_t(codes.size()), 32, 1000);
        WriteCodes(dft, codes);
        for (int32_t k = 0; k < 32; ++k)
            parts[workers == 1 ? 0 : 1].push_back({dft.RealPart(k), dft.ImagPart(k)});
    }
    EXPECT_EQ(parts[0], parts[1]);
}

TEST(HarmonicSums, APureToneLandsInItsHarmonic)
{
    const int32_t n = 256, adc = 1000;
    TDFT dft = EngineWithTables(n, 8, adc);
    std::vector<double> values(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        values[size_t(i)] = std::cos(2 * M_PI * 3 * i / n);
    std::vector<int32_t> codes(static_cast<size_t>(n));
    QuantizeSamples(values, adc, 0.0, codes);
    WriteCodes(dft, codes);
    for (int32_t k = 0; k < 8; ++k) {
        const double amplitude = std::hypot(dft.RealPart(k), dft.ImagPart(k));
        if (k == 3)
            EXPECT_NEAR(amplitude, n / 2.0, 0.5);
        else
            EXPECT_LT(amplitude, 0.5) << k;
    }
}

TEST(HarmonicSums, MissingCodesOrRowsAreReadErrors)
{
    TDFT dft = EngineWithTables(10, 2, 100);
    EXPECT_THROW(WriteCodes(dft, {1, 2, 3}), EReadError); // fewer than N codes
    EXPECT_THROW(dft.RealPart(0), EReadError);            // and so no sums
    WriteCodes(dft, std::vector<int32_t>(10, 1));
    // Row 1 of the sine table, 0 59 95 95 59 0 -59 -95 -95 -59, sums to 0.
    EXPECT_EQ(dft.ImagPart(1), 0.0);
    EXPECT_THROW(dft.ImagPart(2), EReadError); // no third harmonic
}
