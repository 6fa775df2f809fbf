#pragma once
// The cross term of the sliding correlation: C(j) = sum over k < M of
// d[j+k] x dy[k], for a range of offsets, exact.
#include "dsp/exact_dot.h"

#include <cstdint>
#include <vector>

struct TCrossTermInput {
    const int32_t* data;  // N codes
    const int64_t* dy;    // M deviations of the pattern from its mean
    int64_t patternCount; // M
    uint64_t maxAbsData;  // bounds that choose the evaluation
    uint64_t maxAbsDy;
};

// Prepares what the offsets share. The bound M x max|d| x max|dy| on every
// partial sum chooses the evaluation: below 2^31 in 32-bit integer lanes,
// below 2^53 in double lanes (integers there are exact in any order of
// summation), otherwise one offset at a time in 128 bits.
class TCrossTerms {
public:
    TCrossTerms(const TCrossTermInput& input, int64_t dataCount);
    // C(j) for j in [begin, end) into out[j - begin].
    void Compute(int64_t begin, int64_t end, WideInt* out) const;

private:
    TCrossTermInput input_;
    bool exactInWords_ = false;
    bool exactInDouble_ = false;
    std::vector<int32_t> dyWords_;
    std::vector<double> data_;
    std::vector<double> dy_;
};
