#include "batch/batch_run.h"

#include "batch/terminal_progress.h"
#include "dsp/fourier_run.h"
#include "dsp/harmonic_tables.h"
#include "dsp/sliding_pearson.h"
#include "input/data_file_samples.h"
#include "numbers/float_model.h"
#include "numbers/number_format.h"
#include "runtime/code_page.h"
#include "runtime/exceptions.h"
#include "runtime/worker_pool.h"
#include "text/pane_text.h"
#include "text/text_file_reader.h"
#include "text/text_output_file.h"
#include "tools/export_table.h"
#include "tools/file_replace.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <new>

namespace {

// The parse outcome as the window's status panel words it.
std::string BadLineText(const char* paneUtf8, const LineParseResult& parse)
{
    return Cp(paneUtf8) + Cp(": ошибка в строке ") + IntegerText(int64_t(parse.errorLine) + 1) +
        Cp(" в позиции ") + IntegerText(parse.errorPosition);
}

void WriteSpectrum(const std::string& path, const std::vector<THarmonicPoint>& points)
{
    WriteFileReplacing(path, [&](TextOutputFile& file) {
        WriteSpectrumHeader(file);
        for (size_t k = 0; k < points.size(); ++k)
            WriteSpectrumRow(file, double(k), points[k].label, std::span(&points[k].amplitude, 1));
    });
}

// The correlation the window's command draws: the pattern's, or the
// autocorrelation of the window given (empty with the status of a refusal).
TInputOutcome Correlate(const TBatchOptions& options, const TPatternCodes* pattern,
                        std::span<const int32_t> codes, std::vector<int32_t>& curve)
{
    if (pattern != nullptr) {
        if (codes.size() <= pattern->codes.size())
            return {1, Cp("Количество данных меньше образа")};
        curve = SlidingPearson(codes, pattern->codes, pattern->mean);
        return {};
    }
    const TAutoWindow window = options.autoWindow;
    const TAutoWindow fitted = FitAutoWindow(window.start, window.width, int64_t(codes.size()));
    if (fitted.start != window.start || fitted.width != window.width)
        return {2,
                "the autocorrelation window " + IntegerText(window.start) + "," + IntegerText(window.width) +
                    " does not fit its " + IntegerText(int64_t(codes.size())) + " samples"};
    curve = Autocorrelate(codes, window);
    return {};
}

// The pattern file as the pattern pane would hold it, parsed and quantized
// into codes; a bad line is reported as the pane's parse reports it.
TInputOutcome ReadPattern(const TBatchOptions& options, TPatternCodes& codes)
{
    ClearFpFaults();
    try {
        TPaneText pane;
        pane.LoadBytes(ReadFileForPane(options.patternFile));
        TMemoryBuffer values;
        TNoProgress quiet;
        const LineParseResult parse = ParseLines(pane, values, quiet);
        if (parse.errorLine != -1)
            return {1, BadLineText("Образ", parse)};
        TMemoryBuffer stored;
        const TPartial<TPatternCodes> quantized =
            QuantizePatternCodes(values, parse.count, options.patternAdc, stored);
        quantized.RaiseFault();
        codes = quantized.done;
        return {};
    } catch (const Exception& error) {
        ResetFpMode();
        return {1, ErrorDisplayText(error.Message())};
    }
}

void Report(std::FILE* errors, const std::string& subject, const std::string& cp1251)
{
    std::fprintf(errors, "dftscope-batch: %s: %s\n", subject.c_str(), Cp1251ToUtf8(cp1251).c_str());
}

} // namespace

TInputOutcome RunInput(const TBatchOptions& options, const TPatternCodes* pattern, const std::string& input,
                       const TExportPaths& exports, TTerminalProgress& progress)
{
    ClearFpFaults();
    try {
        TDFT dft;
        progress.Phase("reading");
        auto file = std::make_unique<TMappedFile>(input);
        auto values = std::make_unique<TMemoryBuffer>();
        const TDataFileSamples samples = ParseDataFileBytes(file->Bytes(), *values, progress);
        if (samples.parse.errorLine != -1)
            return {1, BadLineText("Данные", samples.parse)};
        file.reset(); // the text is done with: its memory goes before the codes take theirs
        dft.SampleCount = samples.parse.count;
        dft.DataMean = samples.parse.mean;
        dft.AdcScale = options.adc;
        dft.HarmonicCount = options.harmonics;

        progress.Phase("spectrum");
        BuildHarmonicTables(dft, progress);
        const double rate = SampleRateFromText(options.rateText.value_or(samples.rateText));
        const TPartial<std::span<const int32_t>> codes =
            QuantizeDataCodes(dft, *values, options.removeZeroHarmonic);
        codes.RaiseFault();
        values.reset();
        const TPartial<std::vector<THarmonicPoint>> points = SpectrumPoints(dft, rate);
        points.RaiseFault();
        progress.Phase("correlation");
        std::vector<int32_t> curve;
        const TInputOutcome refused = Correlate(options, pattern, codes.done, curve);
        if (refused.status != 0)
            return refused;

        progress.Phase("writing");
        WriteSpectrum(exports.spectrum, points.done);
        const std::span<const int32_t> patternCodes =
            pattern != nullptr ? std::span<const int32_t>(pattern->codes) : std::span<const int32_t>();
        WriteFileReplacing(exports.correlation, [&](TextOutputFile& file) {
            WriteCorrelationTable(file, codes.done, curve, patternCodes);
        });
        return {};
    } catch (const Exception& error) {
        ResetFpMode();
        return {1, ErrorDisplayText(error.Message())};
    } catch (const std::bad_alloc&) {
        ResetFpMode();
        return {1, ErrorDisplayText("Out of memory")};
    }
}

int RunBatch(const TBatchOptions& options, std::FILE* errors)
{
    const std::vector<TExportPaths> exports = ExportPathsFor(options.inputs, options.outputFolder);
    const std::string clash = ExportClash(options.inputs, exports);
    if (!clash.empty()) {
        std::fprintf(errors, "dftscope-batch: %s\n", clash.c_str());
        return 2;
    }
    std::optional<TPatternCodes> pattern;
    if (!options.patternFile.empty()) {
        pattern.emplace();
        const TInputOutcome read = ReadPattern(options, *pattern);
        if (read.status != 0) {
            Report(errors, options.patternFile, read.message);
            return read.status;
        }
    }
    // Two files at a time, one per core: a short file's work is too small to
    // share between the cores. The first worker shows the progress, and the
    // messages come in the order of the inputs.
    std::vector<TInputOutcome> outcomes(options.inputs.size());
    std::vector<bool> finished(options.inputs.size(), false);
    std::atomic<size_t> next = 0;
    std::mutex reporting;
    size_t reported = 0;
    int status = 0;
    const auto work = [&](TTerminalProgress& progress) {
        ResetFpMode();
        for (size_t i = next++; i < options.inputs.size(); i = next++) {
            progress.Begin(options.inputs[i]);
            TInputOutcome outcome =
                RunInput(options, pattern ? &*pattern : nullptr, options.inputs[i], exports[i], progress);
            progress.End();
            const std::lock_guard<std::mutex> lock(reporting);
            outcomes[i] = std::move(outcome);
            finished[i] = true;
            for (; reported < finished.size() && finished[reported]; ++reported) {
                if (outcomes[reported].status != 0)
                    Report(errors, options.inputs[reported], outcomes[reported].message);
                status = std::max(status, outcomes[reported].status);
            }
        }
    };
    TTerminalProgress shown(errors);
    // A worker of the pool takes inputs beside this thread; with none free
    // it finds every input taken by the time it is waited for.
    TBackgroundTask second;
    if (options.inputs.size() > 1 && WorkerSlots() > 1)
        second.Run([&] {
            TTerminalProgress quiet;
            work(quiet);
        });
    work(shown);
    second.Wait();
    return status;
}
