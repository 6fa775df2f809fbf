// Exporting the correlation table of 1,000,000 and of 10,000,000 rows: data
// codes and correlation percentages over every row, a pattern over the first
// thousand. Equal times per row mean a linear export; the target is 600 ms at
// ten million. The rows are formatted on every worker while the file is written.
#include "chart/layout/point_series.h"
#include "chart/model/axis_panel.h"
#include "tools/export_table.h"
#include "worker_speedup.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

void BM_ExportCorrelationTable(benchmark::State& state)
{
    const int rows = int(state.range(1));
    const TWorkerLimit limit(Workers(state));
    TAxisPanel spectrum;
    spectrum.AddSeries<TAreaSeries>();
    TAxisPanel curves;
    TSeries* data = curves.AddSeries<TLineSeries>();
    TSeries* correlation = curves.AddSeries<TLineSeries>();
    TSeries* pattern = curves.AddSeries<TLineSeries>();
    uint32_t noise = 1;
    for (int i = 0; i < rows; ++i) {
        noise = noise * 134775813u + 1u;
        data->AddPoint(i, int32_t(noise >> 8) - 8388608); // codes of up to 7 digits
        correlation->AddPoint(i, int((noise >> 16) % 201) - 100);
        if (i < 1000)
            pattern->AddPoint(i, int(noise % 2000) - 1000);
    }

    char folder[] = "/tmp/export_bench_XXXXXX";
    if (::mkdtemp(folder) == nullptr || ::chdir(folder) != 0) {
        state.SkipWithError("no scratch folder");
        return;
    }
    for (auto _ : state)
        ExportTableFile(kExportCorrelation, spectrum, curves);
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetLabel(WorkersLabel(state) + (rows == 10000000 ? "; 10,000,000 rows (target 600 ms)" : ""));
    std::system((std::string("rm -rf ") + folder).c_str());
}

} // namespace

BENCHMARK(BM_ExportCorrelationTable)
    ->ArgNames({"workers", "rows"})
    ->ArgsProduct({{1, 0}, {1000000, 10000000}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();

int main(int argc, char** argv) { return RunSpeedupBenchmarks(argc, argv); }
