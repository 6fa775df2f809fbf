// Speed of the computations behind the spectrum and correlation commands,
// without any chart updates: the table build, the data quantization and the
// harmonic sums of a spectrum run, and both sliding correlations. "Time" is
// the wall clock (the targets), "CPU" the time of all threads together.
#include "dsp/harmonic_tables.h"
#include "dsp/sample_quantizer.h"
#include "dsp/sliding_pearson.h"
#include "dsp/tdft.h"
#include "runtime/progress.h"
#include "numbers/float_model.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int32_t kSamples = 1000000;
constexpr int32_t kHarmonics = 32;
constexpr int32_t kAdc = 100;

// A noisy two-tone signal like the generator's, in volts.
std::vector<double> Signal(int32_t count)
{
    std::mt19937_64 random(20240601);
    std::normal_distribution<double> noise(0.0, 0.2);
    std::vector<double> values(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        values[size_t(i)] = std::sin(i * 0.01) + 0.5 * std::sin(i * 0.137) + noise(random);
    return values;
}

std::vector<int32_t> Codes(const std::vector<double>& values)
{
    std::vector<int32_t> codes(values.size());
    QuantizeSamples(values.data(), int64_t(values.size()), kAdc, 0.0, codes.data());
    return codes;
}

void BM_SpectrumRun(benchmark::State& state)
{
    const std::vector<double> values = Signal(kSamples);
    TDFT dft;
    dft.SampleCount = kSamples;
    dft.HarmonicCount = kHarmonics;
    dft.AdcScale = kAdc;
    TNoProgress progress;
    double checksum = 0;
    for (auto _ : state) {
        BuildHarmonicTables(dft, progress);
        dft.DataCodes->Reserve(int64_t(kSamples) * 4);
        auto* codes = reinterpret_cast<int32_t*>(dft.DataCodes->Data());
        QuantizeSamples(values.data(), kSamples, kAdc, 0.0, codes);
        dft.DataCodes->CommitWrite(int64_t(kSamples) * 4);
        for (int32_t k = 0; k < kHarmonics; ++k) {
            const long double re = dft.RealPart(k);
            const long double im = dft.ImagPart(k);
            checksum += double(SquareRoot(re * re + im * im));
        }
    }
    benchmark::DoNotOptimize(checksum);
    state.SetLabel("N = 1,000,000, K = 32: tables, quantization and sums (target <= 0.5 s)");
}
BENCHMARK(BM_SpectrumRun)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->MinTime(2.0);

void BM_TableBuild(benchmark::State& state)
{
    TDFT dft;
    dft.SampleCount = kSamples;
    dft.HarmonicCount = kHarmonics;
    dft.AdcScale = kAdc;
    TNoProgress progress;
    for (auto _ : state)
        BuildHarmonicTables(dft, progress);
    state.SetLabel("table build alone");
}
BENCHMARK(BM_TableBuild)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_Autocorrelation(benchmark::State& state)
{
    const std::vector<int32_t> codes = Codes(Signal(kSamples));
    const int32_t width = 100;
    const int32_t mean = RoundedMean(codes.data(), width);
    for (auto _ : state) {
        std::vector<int32_t> curve =
            SlidingPearson(codes.data(), kSamples, codes.data(), width, mean);
        benchmark::DoNotOptimize(curve.data());
    }
    state.SetLabel("N = 1,000,000, window 100 (target <= 0.2 s)");
}
BENCHMARK(BM_Autocorrelation)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->MinTime(1.0);

void BM_PatternCorrelation(benchmark::State& state)
{
    const std::vector<int32_t> codes = Codes(Signal(kSamples));
    const std::vector<int32_t> pattern(codes.begin() + 5000, codes.begin() + 6000);
    const int32_t mean = RoundedMean(pattern.data(), int64_t(pattern.size()));
    for (auto _ : state) {
        std::vector<int32_t> curve = SlidingPearson(codes.data(), kSamples, pattern.data(),
                                                    int64_t(pattern.size()), mean);
        benchmark::DoNotOptimize(curve.data());
    }
    state.SetLabel("N = 1,000,000, pattern of 1,000 codes (target <= 0.2 s)");
}
BENCHMARK(BM_PatternCorrelation)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->MinTime(1.0);

} // namespace

BENCHMARK_MAIN();
