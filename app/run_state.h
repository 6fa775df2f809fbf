#pragma once
// The window-held run state shared by the handlers: the three sample buffers,
// the flags and the counters, with the widths the computations rely on.
#include "runtime/memory_buffer.h"

#include <cstdint>
#include <memory>

struct TRunState {
    std::unique_ptr<TMemoryBuffer> DataValues;    // doubles, one per accepted data line
    std::unique_ptr<TMemoryBuffer> PatternValues; // doubles of the pattern pane
    std::unique_ptr<TMemoryBuffer> PatternCodes;  // int32 codes of the last pattern quantization

    bool DataDirty = false;
    bool PatternDirty = false;
    bool DataReady = false; // the data curve shows the codes of a complete quantization
    bool PatternReady = false;

    int32_t ParseErrorLine = 0;
    int32_t PatternErrorLine = 0;
    int32_t PatternLength = 0;
    int32_t PatternAdc = 0;
    int32_t PatternMean = 0;
    double SampleRate = 0;
    int32_t AutoStart = 0;
    int32_t AutoWidth = 0;
    int32_t PhaseStart = 0;
    int32_t PhaseTime = 0;

    // Codes the correlations read: those the last data quantization wrote and the
    // last quantized pattern, kept apart from counts a later failed parse may change.
    int32_t QuantizedCount = 0;         // data codes written by the last quantization
    int32_t QuantizedPatternLength = 0; // codes written by the last pattern quantization
};
