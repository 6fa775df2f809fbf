#pragma once
// main() of a benchmark that needs widgets: the application object lives on
// main's stack, so it is gone before the static objects of Qt itself are
// destroyed at exit (a static one outlives them and crashes the exit). Cases
// run with one worker and with all get their speedup printed at the end.
#include "runtime/large_pages.h"
#include "worker_speedup.h"

#include <QApplication>
#include <benchmark/benchmark.h>

inline int RunQtBenchmarks(int argc, char** argv)
{
    // As the program runs: its buffers in large pages.
    UseLargePages(argv);
    ::benchmark::Initialize(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TSpeedupReporter reporter;
    ::benchmark::RunSpecifiedBenchmarks(&reporter);
    ::benchmark::Shutdown();
    return 0;
}

#define DFT_QT_BENCHMARK_MAIN()                                                                              \
    int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
