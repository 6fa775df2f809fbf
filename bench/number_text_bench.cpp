// Per-item cost of the conversions every sample line goes through: reading a
// sample text and writing a generator line.
#include "numbers/locale_separators.h"
#include "numbers/number_format.h"
#include "numbers/number_parse.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

void BM_ParseFloatTypicalTexts(benchmark::State& state)
{
    constexpr std::array<std::string_view, 8> texts = {"-0.123", "12.75", "1.5e-3", "0.806",
                                                       "-3.450", "1.234", "-0.5",   "2000"};
    size_t i = 0;
    for (auto _ : state) {
        const FloatParse r = ParseFloat(texts[i]);
        benchmark::DoNotOptimize(r);
        i = (i + 1) % texts.size();
    }
    // Inverted rate: CPU seconds per text, shown as e.g. "20ns" (the Time
    // column is wall time and grows when other processes share the cores).
    state.counters["per_text"] = benchmark::Counter(
        static_cast<double>(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ParseFloatTypicalTexts);

void BM_PatternTextThreeDecimals(benchmark::State& state)
{
    SetLocaleSeparators(',', ' ');
    // Generator-like values: a sine plus a decaying cosine, within +-3.45.
    std::vector<double> values;
    for (int i = 1; i <= 2000; ++i)
        values.push_back(std::sin(i / 20.0) + std::cos(i / 100.0 + 2) * ((2000 - i) / 2000.0 * 2));
    size_t i = 0;
    for (auto _ : state) {
        std::string text = PatternText("0.000", values[i]);
        benchmark::DoNotOptimize(text);
        i = (i + 1) % values.size();
    }
    state.counters["per_value"] = benchmark::Counter(
        static_cast<double>(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PatternTextThreeDecimals);

} // namespace

BENCHMARK_MAIN();
