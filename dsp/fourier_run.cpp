#include "dsp/fourier_run.h"

#include "dsp/harmonic_sums.h"
#include "dsp/sample_quantizer.h"
#include "numbers/float_model.h"
#include "numbers/number_format.h"

TPartial<std::span<const int32_t>> QuantizeDataCodes(TDFT& dft, const TMemoryBuffer& values,
                                                     bool removeZeroHarmonic, const TProgress& progress)
{
    const int32_t n = dft.SampleCount;
    const int32_t adc = dft.AdcScale;
    const double offset =
        removeZeroHarmonic ? StoreDouble(static_cast<long double>(adc) * dft.DataMean) : 0.0;
    const std::span<int32_t> codes = dft.DataCodes->ElementsForWrite<int32_t>(n);
    const std::span<const double> samples = values.Elements<double>(0, n);
    const TPartial<int64_t> written = QuantizeSamples(samples, adc, offset, codes, progress);
    dft.DataCodes->CommitElements<int32_t>(written.done);
    return {codes.first(size_t(written.done)), written.fault};
}

TPartial<std::vector<THarmonicPoint>> SpectrumPoints(TDFT& dft, double sampleRate, TProgress& progress)
{
    const int32_t n = dft.SampleCount;
    TPartial<std::vector<THarmonicPoint>> points;
    try {
        SumHarmonics(dft, progress);
        points.done.reserve(dft.Sums.size());
        for (int32_t k = 0; k < dft.HarmonicCount; ++k) {
            const long double re = dft.RealPart(k);
            const long double im = dft.ImagPart(k);
            const double amplitude = StoreDouble(SquareRoot(re * re + im * im));
            const double frequency =
                StoreDouble(static_cast<long double>(k) * sampleRate / static_cast<long double>(n));
            points.done.push_back({amplitude, FixedText(frequency, 2)});
        }
    } catch (...) {
        points.fault = std::current_exception();
    }
    return points;
}
