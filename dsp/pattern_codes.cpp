#include "dsp/pattern_codes.h"

#include "dsp/sample_quantizer.h"

TPartial<TPatternCodes> QuantizePatternCodes(const TMemoryBuffer& values, int32_t length, int32_t scale,
                                             TMemoryBuffer& codes)
{
    // A length below 1 is refused as a read past the stored samples: no
    // successful parse leaves a pattern without samples, which has no mean.
    const std::span<const double> samples = values.Elements<double>(0, length < 1 ? -1 : length);
    TPartial<TPatternCodes> result;
    result.done.codes.resize(samples.size());
    const TPartial<int64_t> written = QuantizeSamples(samples, scale, 0.0, result.done.codes);
    if (written.fault) {
        result.done.codes.resize(size_t(written.done));
        result.fault = written.fault;
        return result;
    }
    codes.Seek(0);
    codes.WriteBuffer(result.done.codes.data(), result.done.codes.size() * sizeof(int32_t));
    result.done.mean = RoundedMean(result.done.codes);
    return result;
}
