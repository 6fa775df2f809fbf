#include "dsp/autocorrelation.h"

#include "dsp/sample_quantizer.h"
#include "dsp/sliding_pearson.h"

TAutoWindow FitAutoWindow(int32_t start, int32_t width, int64_t codeCount)
{
    if (width == 0)
        width = 1;
    if (start < 0 || width < 1 || int64_t(start) + width > codeCount)
        return {};
    return {start, width};
}

std::vector<int32_t> Autocorrelate(std::span<const int32_t> data, TAutoWindow window, TProgress& progress)
{
    const std::span<const int32_t> codes = data.subspan(size_t(window.start), size_t(window.width));
    return SlidingPearson(data, codes, RoundedMean(codes), progress);
}
