// A million-line acquisition file: load into the data pane with header removal
// and parse, the parse of an already loaded pane, and the pane's resident memory.
#include "app/main_window.h"
#include "bench/qt_bench_main.h"
#include "widgets/rich_pane.h"

#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr int kLines = 1000000;

// About 8.6 MB: a short header, the marker, then one sample per line.
const QString& DataFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath("big.DAT");
        std::ofstream out(p.toStdString(), std::ios::binary);
        out << "Sampex acquisition\r\nStream rate (Hz): 25000\tchannels 1\r\n*******\r\n";
        std::mt19937 rng(7);
        std::uniform_real_distribution<double> value(-100, 100);
        char line[32];
        for (int i = 0; i < kLines; ++i) {
            const int n = std::snprintf(line, sizeof line, "%.3f\r\n", value(rng));
            out.write(line, n);
        }
        return p;
    }();
    return path;
}

long ResidentKiB()
{
    std::FILE* f = std::fopen("/proc/self/status", "r");
    long kib = 0;
    char row[256];
    while (f && std::fgets(row, sizeof row, f))
        if (std::sscanf(row, "VmRSS: %ld kB", &kib) == 1)
            break;
    if (f)
        std::fclose(f);
    return kib;
}

std::unique_ptr<TForm1> FormAnswering(const QString& path)
{
    auto form = std::make_unique<TForm1>();
    form->ChooseDataFile = [path](const QString&) { return path; };
    return form;
}

// Resident memory the pane adds for the file's lines, measured first in the
// process so that no freed memory of another benchmark is reused; also the
// heap the pane's model holds.
void BM_PaneResidentMemory(benchmark::State& state)
{
    const QString path = DataFile();
    double megabytes = 0;
    double modelMegabytes = 0;
    for (auto _ : state) {
        auto pane = std::make_unique<TRichPane>();
        const long before = ResidentKiB();
        pane->LoadFromFile(path);
        const long after = ResidentKiB();
        megabytes = double(after - before) / 1024.0;
        modelMegabytes = double(pane->Model().MemoryBytes()) / (1024.0 * 1024.0);
        benchmark::DoNotOptimize(pane->LineCount());
    }
    state.counters["pane_resident_MB"] = megabytes;
    state.counters["pane_heap_MB"] = modelMegabytes;
}
BENCHMARK(BM_PaneResidentMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LoadRemoveHeaderAndParse(benchmark::State& state)
{
    const QString path = DataFile();
    const QString cwd = QDir::currentPath();
    auto form = FormAnswering(path);
    for (auto _ : state)
        form->NLoadClick();
    QDir::setCurrent(cwd);
    state.SetLabel("samples " + std::to_string(form->DFT->SampleCount) + ", rate " +
                   form->EditScaleX->text().toStdString());
    state.counters["seconds"] = benchmark::Counter(double(state.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LoadRemoveHeaderAndParse)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ParseLoadedPane(benchmark::State& state)
{
    const QString cwd = QDir::currentPath();
    auto form = FormAnswering(DataFile());
    form->NLoadClick();
    QDir::setCurrent(cwd);
    for (auto _ : state)
        form->ParseDataPane();
    state.SetLabel("samples " + std::to_string(form->DFT->SampleCount));
    state.counters["seconds"] = benchmark::Counter(double(state.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ParseLoadedPane)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// One typed character and its backspace in the middle of the loaded pane: the
// work per keystroke is a move of the bytes and line starts after the caret,
// no re-layout.
void BM_TypeInLoadedPane(benchmark::State& state)
{
    TRichPane pane;
    pane.resize(300, 400);
    pane.LoadFromFile(DataFile());
    pane.SetSelStart(pane.TextLength() / 2);
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    for (auto _ : state) {
        QApplication::sendEvent(&pane, &typed);
        QApplication::sendEvent(&pane, &back);
    }
    state.SetLabel("two keystrokes per iteration, lines " + std::to_string(pane.LineCount()));
}
BENCHMARK(BM_TypeInLoadedPane)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

DFT_QT_BENCHMARK_MAIN()
