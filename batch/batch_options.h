#pragma once
// The batch command's options. Every value is read as the same text in the
// window's box is (input/box_values.h), and a text the window would replace
// by its fallback is a usage error: nobody watches a batch run.
#include "dsp/autocorrelation.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct TBatchOptions {
    int32_t adc = 100;
    int32_t harmonics = 32;
    bool removeZeroHarmonic = true;
    std::optional<std::string> rateText; // the rate box's text (Windows-1251); none: the file's
    std::string patternFile;             // empty: the autocorrelation
    int32_t patternAdc = 100;
    TAutoWindow autoWindow{0, 100};
    char decimalPoint = '.';  // Windows-1251
    std::string outputFolder; // empty: beside each input
    std::vector<std::string> inputs;
};

struct TBatchCommand {
    enum Action { Run, Help, Version, UsageError };
    Action action = Run;
    TBatchOptions options;
    std::string error; // for a usage error, UTF-8
};

// args without the program name; localeDecimalPoint is the default separator.
TBatchCommand ReadBatchArguments(std::span<const char* const> args, char localeDecimalPoint);

// The decimal separator of the user's locale (LC_ALL, LC_NUMERIC, LANG) as a
// Windows-1251 byte; "." when the locale is not installed or its separator is
// no single character of that code page.
char LocaleDecimalPoint();

// --help, UTF-8.
std::string BatchHelpText();
