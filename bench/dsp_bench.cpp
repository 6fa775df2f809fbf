// Speed of the computations behind the spectrum and correlation commands,
// without any chart updates: the engine functions the window calls for the
// table build, the data quantization and the spectrum points (with the
// harmonic sums) of a spectrum run, and for both sliding correlations. "Time" is the wall clock (the
// targets), "CPU" the time of all threads together.
#include "dsp/autocorrelation.h"
#include "dsp/fourier_run.h"
#include "dsp/harmonic_sums.h"
#include "dsp/harmonic_tables.h"
#include "dsp/sample_quantizer.h"
#include "dsp/sliding_pearson.h"
#include "runtime/progress.h"
#include "worker_speedup.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int32_t kSamples = 1000000;
constexpr int32_t kHarmonics = 32;
constexpr int32_t kAdc = 100;

// A noisy two-tone signal like the generator's, in volts, as the data pane
// parse leaves it.
void WriteSignal(TMemoryBuffer& values, int32_t count)
{
    std::mt19937_64 random(20240601);
    std::normal_distribution<double> noise(0.0, 0.2);
    values.Seek(0);
    for (int32_t i = 0; i < count; ++i)
        values.Write(std::sin(i * 0.01) + 0.5 * std::sin(i * 0.137) + noise(random));
}

// An engine after a data pane parse of the signal.
TDFT ParsedEngine(TMemoryBuffer& values)
{
    WriteSignal(values, kSamples);
    TDFT dft;
    dft.SampleCount = kSamples;
    dft.HarmonicCount = kHarmonics;
    dft.AdcScale = kAdc;
    return dft;
}

std::vector<int32_t> Codes()
{
    TMemoryBuffer values;
    TDFT dft = ParsedEngine(values);
    const std::span<const int32_t> codes = QuantizeDataCodes(dft, values, false).done;
    return {codes.begin(), codes.end()};
}

void BM_SpectrumRun(benchmark::State& state)
{
    TMemoryBuffer values;
    TDFT dft = ParsedEngine(values);
    TNoProgress progress;
    double checksum = 0;
    for (auto _ : state) {
        BuildHarmonicTables(dft, progress);
        QuantizeDataCodes(dft, values, true).RaiseFault();
        const TPartial<std::vector<THarmonicPoint>> points = SpectrumPoints(dft, 1000.0);
        points.RaiseFault();
        checksum += points.done.back().amplitude;
    }
    benchmark::DoNotOptimize(checksum);
    state.SetLabel("N = 1,000,000, K = 32: tables, quantization and points (target <= 40 ms)");
}
BENCHMARK(BM_SpectrumRun)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->MinTime(2.0);

void BM_HarmonicSums(benchmark::State& state)
{
    TMemoryBuffer values;
    TDFT dft = ParsedEngine(values);
    TNoProgress progress;
    BuildHarmonicTables(dft, progress);
    QuantizeDataCodes(dft, values, true).RaiseFault();
    const TWorkerLimit limit(Workers(state));
    for (auto _ : state) {
        SumHarmonics(dft);
        benchmark::DoNotOptimize(dft.Sums.data());
    }
    state.SetLabel("the harmonic sums alone, entries made block by block; " + WorkersLabel(state));
}
BENCHMARK(BM_HarmonicSums)
    ->Apply(OneAndAllWorkers)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_Autocorrelation(benchmark::State& state)
{
    const std::vector<int32_t> codes = Codes();
    const TWorkerLimit limit(Workers(state));
    for (auto _ : state) {
        std::vector<int32_t> curve = Autocorrelate(codes, {0, 100});
        benchmark::DoNotOptimize(curve.data());
    }
    state.SetLabel("N = 1,000,000, window 100 (target <= 0.2 s); " + WorkersLabel(state));
}
BENCHMARK(BM_Autocorrelation)
    ->Apply(OneAndAllWorkers)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->MinTime(1.0);

void BM_PatternCorrelation(benchmark::State& state)
{
    const std::vector<int32_t> codes = Codes();
    const std::span<const int32_t> pattern = std::span<const int32_t>(codes).subspan(5000, 1000);
    const int32_t mean = RoundedMean(pattern);
    const TWorkerLimit limit(Workers(state));
    for (auto _ : state) {
        std::vector<int32_t> curve = SlidingPearson(codes, pattern, mean);
        benchmark::DoNotOptimize(curve.data());
    }
    state.SetLabel("N = 1,000,000, pattern of 1,000 codes (target <= 0.2 s); " + WorkersLabel(state));
}
BENCHMARK(BM_PatternCorrelation)
    ->Apply(OneAndAllWorkers)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->MinTime(1.0);

} // namespace

int main(int argc, char** argv) { return RunSpeedupBenchmarks(argc, argv); }
