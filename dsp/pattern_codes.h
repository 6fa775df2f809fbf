#pragma once
// The pattern's codes and their rounded mean, the pattern side of the
// correlation.
#include "dsp/partial.h"
#include "runtime/memory_buffer.h"

#include <cstdint>
#include <vector>

struct TPatternCodes {
    std::vector<int32_t> codes;
    int32_t mean = 0; // Round(sum / count), set only when every code was made
};

// Code i = Round(scale x sample i) (see QuantizeSample, no offset) for the
// first `length` samples of values. When every sample has its code, they are
// written to `codes` from offset 0 (later bytes stay) and given with their
// mean; otherwise the codes before the sample without one are given with its
// fault and `codes` is left as it was. Raises "Stream read error" when values
// holds fewer than length samples or length is below 1.
TPartial<TPatternCodes> QuantizePatternCodes(const TMemoryBuffer& values, int32_t length, int32_t scale,
                                             TMemoryBuffer& codes);
