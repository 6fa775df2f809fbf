#pragma once
// The batch command's work: each input through the window's road (load,
// spectrum run, correlation, both exports) without panes or charts.
#include "batch/batch_options.h"
#include "batch/export_names.h"
#include "dsp/pattern_codes.h"

#include <cstdio>
#include <optional>
#include <string>

class TTerminalProgress;

// What became of one input.
struct TInputOutcome {
    int status = 0;      // 0 done, 1 failed, 2 a setting that does not fit it
    std::string message; // for a failure, Windows-1251
};

// One input into its two exports. pattern: the quantized pattern, or none for
// the autocorrelation.
TInputOutcome RunInput(const TBatchOptions& options, const TPatternCodes* pattern, const std::string& input,
                       const TExportPaths& exports, TTerminalProgress& progress);

// Every input in order, a message on `errors` (UTF-8) for each that fails;
// the exit status: 0 all done, 1 any failed, 2 a usage error.
int RunBatch(const TBatchOptions& options, std::FILE* errors);
