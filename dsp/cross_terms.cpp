#include "dsp/cross_terms.h"

#include "dsp/lane_kernels.h"

namespace {

DFT_LANE_CLONES void CrossTermsInDouble(const double* data, const double* dy, int64_t patternCount,
                                        int64_t begin, int64_t end, WideInt* out)
{
    lane_kernels::CrossTerms(data, dy, patternCount, begin, end, out);
}

DFT_LANE_CLONES void CrossTermsInWords(const int32_t* data, const int32_t* dy, int64_t patternCount,
                                       int64_t begin, int64_t end, WideInt* out)
{
    lane_kernels::CrossTerms(data, dy, patternCount, begin, end, out);
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
