// A data file of N samples (--samples=N, default 1,000,000) through the whole
// road on the real window (offscreen): load, spectrum run with 32 harmonics,
// autocorrelation of width 100, both exports. Each phase includes the repaint
// it causes. Prints every phase's wall time and the peak resident memory
// (VmHWM) of the process, and beside the correlation export the time a plain
// write of its bytes into a new file takes (the system's part of it).
// Beside them it prints what taking as much new memory as the peak from the
// system costs on this machine (touch_s, touch_ns a sample): on a virtual
// machine that part grows faster than the memory itself, and it tells the
// machine's share of a phase from the program's.
// Targets, by N: at one million 0.35 s for all phases together and 200 MB at
// peak; at ten million 3 s and 40 bytes a sample; at a hundred million 20 s and
// 40 bytes a sample; straight lines between.
#include "app/main_window.h"
#include "bench/plain_write.h"
#include "bench/qt_bench_main.h"
#include "chart/layout/point_series.h"
#include "chart/paint/plot.h"
#include "numbers/locale_separators.h"
#include "widgets/error_display.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

int g_samples = 1000000;

struct TTargets {
    double seconds;
    double megabytes;
};

// Linear in N through the two measured sizes: the million-sample figures up
// to one million, the ten-million figures from there on.
TTargets TargetsFor(int samples)
{
    const double millions = samples / 1.0e6;
    if (millions <= 1)
        return {0.35 * millions, 200 * millions};
    if (millions >= 10)
        return {3.0 + (millions - 10) * (20.0 - 3.0) / 90, 40 * millions};
    // Between: the straight line from (1, 0.35 s, 200 MB) to (10, 3 s, 400 MB).
    return {0.35 + (millions - 1) * (3.0 - 0.35) / 9, 200 + (millions - 1) * (400 - 200) / 9.0};
}

// Takes --samples=N out of the arguments, so that the benchmark library
// never sees it; false for a count that is no positive whole number.
bool TakeSampleCount(int& argc, char** argv)
{
    const char* const prefix = "--samples=";
    int kept = 1;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) {
            char* end = nullptr;
            const long value = std::strtol(argv[i] + std::strlen(prefix), &end, 10);
            ok = *end == '\0' && value >= 101 && value <= 100000000;
            g_samples = int(value);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return ok;
}

// Peak resident set size in MB, from /proc/self/status.
double PeakResidentMb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0; // the line gives kB
    return -1;
}

// An acquisition file: header with the stream rate, marker, one sample per
// line with three decimals (a tone, a slower tone and a deterministic ripple).
void WriteDataFile(const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    out << "Sampex acquisition\r\nStream rate (Hz): 20000\tch 1\r\n*******\r\n";
    char line[32];
    uint32_t noise = 12345;
    for (int i = 0; i < g_samples; ++i) {
        noise = noise * 1103515245u + 12345u;
        const double v =
            2.0 * std::sin(i / 20.0) + 0.5 * std::cos(i / 700.0) + double((noise >> 16) % 100) / 500.0;
        const int n = std::snprintf(line, sizeof line, "%.3f\r\n", v);
        out.write(line, n);
    }
}

// Seconds to take `megabytes` of new memory and write into every 4 KB page
// of it, the way the program's buffers come to be used.
double TouchSeconds(double megabytes)
{
    const size_t bytes = size_t(megabytes * 1024 * 1024);
    const auto start = std::chrono::steady_clock::now();
    auto* block = static_cast<volatile char*>(std::malloc(bytes));
    if (!block)
        return -1;
    for (size_t i = 0; i < bytes; i += 4096)
        block[i] = 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::free(const_cast<char*>(block));
    return seconds;
}

void BM_WholeRoad(benchmark::State& state)
{
    SetLocaleSeparators('.', ',');
    std::string failure;
    SetErrorSink([&failure](const std::string& text, const std::string&) { failure = text; });
    QTemporaryDir dir;
    const QString file = dir.filePath("road.DAT");
    WriteDataFile(file.toStdString());
    const QString startDir = QDir::currentPath();

    using Clock = std::chrono::steady_clock;
    double load = 0, spectrum = 0, autocorrelation = 0, exportSpectrum = 0, exportCorrelation = 0;
    double plainWrite = 0;
    for (auto _ : state) {
        TForm1 form;
        form.ChooseDataFile = [&file](const QString&) { return file; };
        form.show();
        QApplication::processEvents();
        // Each phase runs the handler as the user's click does, then lets the
        // window repaint what it changed.
        const auto timed = [](auto&& action) {
            const auto start = Clock::now();
            action();
            QApplication::processEvents();
            return std::chrono::duration<double>(Clock::now() - start).count();
        };
        load = timed([&] { form.NLoad->trigger(); });
        form.EditKmax->setText("32");
        spectrum = timed([&] { form.ButtonDataRefresh->click(); });
        form.EditStartPattern->setText("0");
        form.EditWidthPattern->setText("100");
        autocorrelation = timed([&] { form.ButtonStartAutoKor->click(); });
        exportSpectrum = timed([&] { form.NSpectr->trigger(); });
        exportCorrelation = timed([&] { form.NKorr->trigger(); });
        // After the export, so that it cannot warm the memory the export takes.
        plainWrite = PlainWriteSeconds("export_korr.dat");
        if (form.Series2->PointCount() != g_samples || form.Series3->PointCount() != g_samples - 99)
            failure = "the run did not produce every point";
        QDir::setCurrent(startDir);
    }
    if (!failure.empty()) {
        state.SkipWithError(failure.c_str());
        return;
    }
    const double total = load + spectrum + autocorrelation + exportSpectrum + exportCorrelation;
    const double peak = PeakResidentMb();
    state.counters["load_s"] = load;
    state.counters["spectrum_s"] = spectrum;
    state.counters["autocorr_s"] = autocorrelation;
    state.counters["export_spectr_s"] = exportSpectrum;
    state.counters["export_korr_s"] = exportCorrelation;
    // Nanoseconds per sample of each phase: equal figures at two sizes mean a linear phase.
    const auto perSample = [](double seconds) { return seconds * 1e9 / g_samples; };
    state.counters["load_ns"] = perSample(load);
    state.counters["spectrum_ns"] = perSample(spectrum);
    state.counters["autocorr_ns"] = perSample(autocorrelation);
    state.counters["export_korr_ns"] = perSample(exportCorrelation);
    // The system's share of the export: writing its bytes with nothing to form.
    state.counters["korr_plain_write_ns"] = perSample(plainWrite);
    state.counters["total_s"] = total;
    state.counters["peak_MB"] = peak;
    state.counters["bytes_per_sample"] = peak * 1024 * 1024 / g_samples;
    // The machine's part: as much new memory as the road held at its peak.
    const double touch = TouchSeconds(peak);
    state.counters["touch_s"] = touch;
    state.counters["touch_ns"] = perSample(touch);
    const TTargets target = TargetsFor(g_samples);
    char label[300];
    std::snprintf(label, sizeof label,
                  "N = %d: total %.2f s (target %.2f s), peak %.0f MB (target %.0f MB); touching %.0f MB "
                  "of new memory takes %.2f s here",
                  g_samples, total, target.seconds, peak, target.megabytes, peak, touch);
    state.SetLabel(label);
}

} // namespace

// One pass: the peak memory is the process's, so repeating would only re-measure it.
BENCHMARK(BM_WholeRoad)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

int main(int argc, char** argv)
{
    UseLargePages(argv);
    if (!TakeSampleCount(argc, argv)) {
        std::fprintf(stderr, "scale_bench: --samples wants a whole number from 101 to 100000000\n");
        return 2;
    }
    return RunQtBenchmarks(argc, argv);
}
