// Exporting the correlation table of 1,000,000 and of 10,000,000 rows (or of
// --rows=N rows only, such as 100,000,000): data codes and correlation
// percentages over every row, a pattern over the first thousand. Equal times
// per row mean a linear export; the target is 600 ms at ten million. The rows
// are formed on every worker while the file is written, so export_ns, the
// export's nanoseconds a row, should come near plain_write_ns, a plain write
// of the same bytes after each export (the system's part), once the system's
// part outweighs the forming.
#include "bench/plain_write.h"
#include "chart/layout/point_series.h"
#include "chart/model/axis_panel.h"
#include "tools/export_table.h"
#include "worker_speedup.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    using Clock = std::chrono::steady_clock;
    double exporting = 0, plainWriting = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        ExportTableFile(kExportCorrelation, spectrum, curves);
        exporting += std::chrono::duration<double>(Clock::now() - start).count();
        state.PauseTiming();
        plainWriting += PlainWriteSeconds(ExportFileName(kExportCorrelation));
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
    const double perRow = 1e9 / double(state.iterations()) / rows;
    state.counters["export_ns"] = exporting * perRow;
    state.counters["plain_write_ns"] = plainWriting * perRow;
    state.SetLabel(WorkersLabel(state) + (rows == 10000000 ? "; 10,000,000 rows (target 600 ms)" : ""));
    std::system((std::string("rm -rf ") + folder).c_str());
}

// Takes --rows=N out of the arguments, so that the benchmark library never
// sees it: 0 when absent, -1 for a count that is no positive whole number.
long TakeRowCount(int& argc, char** argv)
{
    const char* const prefix = "--rows=";
    int kept = 1;
    long rows = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) {
            char* end = nullptr;
            rows = std::strtol(argv[i] + std::strlen(prefix), &end, 10);
            if (*end != '\0' || rows < 1 || rows > 1000000000)
                rows = -1;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    const long rows = TakeRowCount(argc, argv);
    if (rows < 0) {
        std::fprintf(stderr, "export_bench: --rows wants a whole number from 1 to 1000000000\n");
        return 2;
    }
    benchmark::RegisterBenchmark("BM_ExportCorrelationTable", BM_ExportCorrelationTable)
        ->ArgNames({"workers", "rows"})
        ->ArgsProduct({{1, 0}, rows > 0 ? std::vector<int64_t>{rows} : std::vector<int64_t>{1000000, 10000000}})
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0)
        ->UseRealTime();
    return RunSpeedupBenchmarks(argc, argv);
}
