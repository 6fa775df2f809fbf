#include "dsp/cross_terms.h"

#include <cstring>

namespace {

// Offsets per vector and vectors per block of offsets held in registers.
constexpr int kLanes = 4;
constexpr int kVectors = 4;
constexpr int kBlock = kLanes * kVectors;
typedef double VDouble __attribute__((vector_size(8 * kLanes)));

// Lanes hold consecutive offsets j, so each lane sums its own products in the
// order k = 0 .. M-1; with exact double arithmetic the order does not matter anyway.
__attribute__((target_clones("avx2", "default"))) void CrossTermsInDouble(
    const double* data, const double* dy, int64_t patternCount, int64_t begin, int64_t end,
    WideInt* out)
{
    int64_t j = begin;
    for (; j + kBlock <= end; j += kBlock) {
        VDouble acc[kVectors] = {};
        const double* window = data + j;
        for (int64_t k = 0; k < patternCount; ++k) {
            const double weight = dy[k];
            for (int v = 0; v < kVectors; ++v) {
                VDouble codes;
                std::memcpy(&codes, window + k + v * kLanes, sizeof codes);
                acc[v] += codes * weight;
            }
        }
        for (int v = 0; v < kVectors; ++v)
            for (int lane = 0; lane < kLanes; ++lane)
                out[j - begin + v * kLanes + lane] = WideInt(int64_t(acc[v][lane]));
    }
    for (; j < end; ++j) {
        double sum = 0;
        for (int64_t k = 0; k < patternCount; ++k)
            sum += data[j + k] * dy[k];
        out[j - begin] = WideInt(int64_t(sum));
    }
}

constexpr int kWordLanes = 8;
constexpr int kWordBlock = kWordLanes * kVectors;
typedef int32_t VWord __attribute__((vector_size(4 * kWordLanes)));

// The same in 32-bit integer lanes, twice as many per vector, for when every
// partial sum stays below 2^31 in magnitude (so nothing wraps).
__attribute__((target_clones("avx2", "default"))) void CrossTermsInWords(
    const int32_t* data, const int32_t* dy, int64_t patternCount, int64_t begin, int64_t end,
    WideInt* out)
{
    int64_t j = begin;
    for (; j + kWordBlock <= end; j += kWordBlock) {
        VWord acc[kVectors] = {};
        const int32_t* window = data + j;
        for (int64_t k = 0; k < patternCount; ++k) {
            const int32_t weight = dy[k];
            for (int v = 0; v < kVectors; ++v) {
                VWord codes;
                std::memcpy(&codes, window + k + v * kWordLanes, sizeof codes);
                acc[v] += codes * weight;
            }
        }
        for (int v = 0; v < kVectors; ++v)
            for (int lane = 0; lane < kWordLanes; ++lane)
                out[j - begin + v * kWordLanes + lane] = acc[v][lane];
    }
    for (; j < end; ++j) {
        int32_t sum = 0;
        for (int64_t k = 0; k < patternCount; ++k)
            sum += data[j + k] * dy[k];
        out[j - begin] = sum;
    }
}

void CrossTermsWide(const TCrossTermInput& in, int64_t begin, int64_t end, WideInt* out)
{
    for (int64_t j = begin; j < end; ++j) {
        WideInt sum = 0; // each product below 2^31 x 2^32
        for (int64_t k = 0; k < in.patternCount; ++k)
            sum += WideInt(in.data[j + k]) * in.dy[k];
        out[j - begin] = sum;
    }
}

} // namespace

TCrossTerms::TCrossTerms(const TCrossTermInput& input, int64_t dataCount) : input_(input)
{
    // Every product and partial sum is at most M x max|d| x max|dy| in magnitude.
    const WideUInt bound = WideUInt(input.maxAbsData) * input.maxAbsDy * uint64_t(input.patternCount);
    if (bound < (WideUInt(1) << 31)) {
        exactInWords_ = true;
        dyWords_.assign(input.dy, input.dy + input.patternCount); // each below 2^31
    } else if (bound < (WideUInt(1) << 53)) {
        exactInDouble_ = true;
        data_.assign(input.data, input.data + dataCount);
        dy_.assign(input.dy, input.dy + input.patternCount);
    }
}

void TCrossTerms::Compute(int64_t begin, int64_t end, WideInt* out) const
{
    if (exactInWords_)
        CrossTermsInWords(input_.data, dyWords_.data(), input_.patternCount, begin, end, out);
    else if (exactInDouble_)
        CrossTermsInDouble(data_.data(), dy_.data(), input_.patternCount, begin, end, out);
    else
        CrossTermsWide(input_, begin, end, out);
}
