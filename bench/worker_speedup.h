#pragma once
// Benchmarks of parallel work run each case with one worker (workers:1) and
// with every worker of the machine (workers:0, argument 0 of the case); after
// the usual table, the reporter prints each case's two wall-clock times and
// their ratio, the speedup.
#include "runtime/large_pages.h"
#include "runtime/worker_pool.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <utility>

inline void OneAndAllWorkers(benchmark::internal::Benchmark* b) { b->ArgName("workers")->Arg(1)->Arg(0); }

// The workers a case runs with: its argument 0, where 0 means all of them.
inline int Workers(const benchmark::State& state)
{
    return state.range(0) == 0 ? WorkerSlots() : int(state.range(0));
}
inline std::string WorkersLabel(const benchmark::State& state)
{
    return std::to_string(Workers(state)) + " worker(s)";
}

class TSpeedupReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration)
                continue;
            std::string name = run.benchmark_name();
            const bool one = Cut(name, "workers:1");
            if (!one && !Cut(name, "workers:0"))
                continue;
            auto& [single, all] = cases_[name];
            (one ? single : all) = {run.GetAdjustedRealTime(), benchmark::GetTimeUnitString(run.time_unit)};
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (cases_.empty())
            return;
        std::printf("\nspeedup (wall clock, 1 worker against %d)\n", WorkerSlots());
        for (const auto& [name, times] : cases_) {
            const auto& [single, all] = times;
            if (single.first > 0 && all.first > 0)
                std::printf("  %-48s %10.2f %-2s %10.2f %-2s  x%.2f\n", name.c_str(), single.first,
                            single.second, all.first, all.second, single.first / all.first);
        }
        std::fflush(stdout);
    }

private:
    // Removes `part` and its separator from the name, leaving the case's other arguments.
    static bool Cut(std::string& name, const std::string& part)
    {
        const size_t at = name.find(part);
        if (at == std::string::npos)
            return false;
        name.erase(at > 0 ? at - 1 : at, part.size() + (at > 0 ? 1 : 0));
        return true;
    }
    using TTime = std::pair<double, const char*>;
    std::map<std::string, std::pair<TTime, TTime>> cases_;
};

// main() of such a benchmark.
inline int RunSpeedupBenchmarks(int argc, char** argv)
{
    // As the program runs: its buffers in large pages.
    UseLargePages(argv);
    ::benchmark::Initialize(&argc, argv);
    TSpeedupReporter reporter;
    ::benchmark::RunSpecifiedBenchmarks(&reporter);
    ::benchmark::Shutdown();
    return 0;
}
