#include "dsp/cross_terms.h"

#include <cstring>

namespace {

// Vectors of 32 bytes, and this many of them held in registers per block of offsets.
constexpr int kVectorBytes = 32;
constexpr int kVectors = 4;

// Lanes hold consecutive offsets j, so each lane sums its own products in the
// order k = 0 .. M-1. Element is double (integers below 2^53 are exact in any
// order of summation) or int32_t (every partial sum below 2^31, so nothing wraps).
template <class Element>
__attribute__((always_inline)) inline void CrossTermsInLanes(const Element* data, const Element* dy,
                                                             int64_t patternCount, int64_t begin, int64_t end,
                                                             WideInt* out)
{
    constexpr int kLanes = kVectorBytes / int(sizeof(Element));
    constexpr int kBlock = kLanes * kVectors;
    typedef Element Lanes __attribute__((vector_size(kVectorBytes)));
    int64_t j = begin;
    for (; j + kBlock <= end; j += kBlock) {
        Lanes acc[kVectors] = {};
        const Element* window = data + j;
        for (int64_t k = 0; k < patternCount; ++k) {
            const Element weight = dy[k];
            for (int v = 0; v < kVectors; ++v) {
                Lanes codes;
                std::memcpy(&codes, window + k + v * kLanes, sizeof codes);
                acc[v] += codes * weight;
            }
        }
        for (int v = 0; v < kVectors; ++v)
            for (int lane = 0; lane < kLanes; ++lane)
                out[j - begin + v * kLanes + lane] = WideInt(int64_t(acc[v][lane]));
    }
    for (; j < end; ++j) {
        Element sum = 0;
        for (int64_t k = 0; k < patternCount; ++k)
            sum += data[j + k] * dy[k];
        out[j - begin] = WideInt(int64_t(sum));
    }
}

__attribute__((target_clones("avx2", "default"))) void CrossTermsInDouble(const double* data,
                                                                          const double* dy,
                                                                          int64_t patternCount, int64_t begin,
                                                                          int64_t end, WideInt* out)
{
    CrossTermsInLanes(data, dy, patternCount, begin, end, out);
}

__attribute__((target_clones("avx2", "default"))) void CrossTermsInWords(const int32_t* data,
                                                                         const int32_t* dy,
                                                                         int64_t patternCount, int64_t begin,
                                                                         int64_t end, WideInt* out)
{
    CrossTermsInLanes(data, dy, patternCount, begin, end, out);
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
