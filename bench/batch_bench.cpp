// The installed batch command, dftscope-batch from the same build folder, run
// as its own process on generated data files (a header with the stream rate,
// then one sample per line with three decimals), with its defaults: spectrum
// K = 32, autocorrelation of width 100, both exports. Each case prints the
// wall time and the command's peak resident memory (its maximum RSS) beside
// its target, and the CPU time it took (user and system, all threads):
//   10,000,000 samples                   1.0 s   300 MB
//   1,000 files of 10,000 samples        3.0 s   (one run over all of them)
//   100,000,000 samples (--large only)  10.0 s  3,000 MB
#include <benchmark/benchmark.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path BatchCommand() { return fs::read_symlink("/proc/self/exe").parent_path() / "dftscope-batch"; }

// A folder of its own under the system's temporary folder, removed after.
class TScratch {
public:
    TScratch() : path_(fs::temp_directory_path() / ("batch_bench." + std::to_string(::getpid())))
    {
        fs::create_directories(path_);
    }
    ~TScratch() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// An acquisition file: a tone, a slower tone and a deterministic ripple.
void WriteDataFile(const fs::path& path, int64_t samples)
{
    std::ofstream out(path, std::ios::binary);
    out << "Sampex acquisition\r\nStream rate (Hz): 20000\tch 1\r\n*******\r\n";
    std::vector<char> block;
    block.reserve(1 << 20);
    uint32_t noise = 12345;
    for (int64_t i = 0; i < samples; ++i) {
        noise = noise * 1103515245u + 12345u;
        const double v = 2.0 * std::sin(double(i) / 20.0) + 0.5 * std::cos(double(i) / 700.0) +
            double((noise >> 16) % 100) / 500.0;
        char line[32];
        char* end = std::to_chars(line, line + sizeof line, v, std::chars_format::fixed, 3).ptr;
        *end++ = '\r';
        *end++ = '\n';
        block.insert(block.end(), line, end);
        if (block.size() > (1 << 20) - 64) {
            out.write(block.data(), std::streamsize(block.size()));
            block.clear();
        }
    }
    out.write(block.data(), std::streamsize(block.size()));
}

struct TRun {
    int status = -1;
    double seconds = 0;
    double peakMb = 0;
    double cpuSeconds = 0; // user and system, all threads: what a busy shared machine cannot inflate
};

// Runs the command with args in folder; its exit status, wall time and peak RSS.
TRun RunBatch(const fs::path& folder, const std::vector<std::string>& args)
{
    const std::string command = BatchCommand().string();
    std::vector<char*> argv{const_cast<char*>(command.c_str())};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    TRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (::posix_spawn(&pid, command.c_str(), nullptr, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        struct rusage usage { };
        ::wait4(pid, &status, 0, &usage);
        run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.peakMb = double(usage.ru_maxrss) / 1024.0; // kB
        run.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    fs::current_path(before);
    return run;
}

void Report(benchmark::State& state, const TRun& run, const char* what, double targetSeconds, double targetMb)
{
    if (run.status != 0) {
        state.SkipWithError("dftscope-batch failed");
        return;
    }
    state.counters["seconds"] = run.seconds;
    state.counters["peak_MB"] = run.peakMb;
    state.counters["cpu_s"] = run.cpuSeconds;
    char label[200];
    std::snprintf(label, sizeof label, "%s: %.2f s (target %.1f s), peak %.0f MB (target %.0f MB)", what,
                  run.seconds, targetSeconds, run.peakMb, targetMb);
    state.SetLabel(label);
}

void OneLargeFile(benchmark::State& state, int64_t samples, double targetSeconds, double targetMb)
{
    TScratch scratch;
    WriteDataFile(scratch.Path() / "road.DAT", samples);
    TRun run;
    for (auto _ : state)
        run = RunBatch(scratch.Path(), {"road.DAT"});
    char what[64];
    std::snprintf(what, sizeof what, "%lld samples", static_cast<long long>(samples));
    Report(state, run, what, targetSeconds, targetMb);
}

void BM_TenMillionSamples(benchmark::State& state) { OneLargeFile(state, 10000000, 1.0, 300); }

void BM_HundredMillionSamples(benchmark::State& state) { OneLargeFile(state, 100000000, 10.0, 3000); }

void BM_ThousandFiles(benchmark::State& state)
{
    TScratch scratch;
    std::vector<std::string> names;
    for (int i = 0; i < 1000; ++i) {
        names.push_back("rec" + std::to_string(i) + ".DAT");
        WriteDataFile(scratch.Path() / names.back(), 10000);
    }
    TRun run;
    for (auto _ : state)
        run = RunBatch(scratch.Path(), names);
    Report(state, run, "1,000 files of 10,000 samples", 3.0, 3000);
}

} // namespace

// One pass each: the peak memory is the command's, and a file once read stays
// in the page cache, as a second pass over the same files would find it.
BENCHMARK(BM_TenMillionSamples)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_ThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

int main(int argc, char** argv)
{
    // --large adds the hundred-million-sample file (1.5 GB of data and exports on disk).
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--large") == 0)
            benchmark::RegisterBenchmark("BM_HundredMillionSamples", BM_HundredMillionSamples)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1)
                ->UseRealTime();
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
