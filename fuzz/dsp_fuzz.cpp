// A spectrum run and both correlations on small arbitrary inputs: samples
// with NaN, infinities and extremes, ADC scales of 0 and at the 32-bit
// limits, and data and pattern codes at those limits.
#include "dsp/autocorrelation.h"
#include "dsp/fourier_run.h"
#include "dsp/harmonic_tables.h"
#include "dsp/pattern_codes.h"
#include "dsp/sample_quantizer.h"
#include "dsp/sliding_pearson.h"
#include "fuzz/fuzz_bytes.h"
#include "numbers/float_model.h"
#include "runtime/exceptions.h"
#include "runtime/progress.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace {

__extension__ typedef __int128 Wide;

int32_t Scale(TFuzzBytes& in)
{
    static const int32_t kScales[] = {0, 1, -1, 100, 2147483647, -2147483647 - 1, 1000000};
    const int pick = int(in.InRange(0, 7));
    return pick < 7 ? kScales[pick] : in.Take<int32_t>();
}

double Sample(TFuzzBytes& in)
{
    switch (in.InRange(0, 7)) {
    case 0:
        return std::numeric_limits<double>::quiet_NaN();
    case 1:
        return in.Take<uint8_t>() & 1 ? HUGE_VAL : -HUGE_VAL;
    case 2:
        return in.Take<uint8_t>() & 1 ? DBL_MAX : -DBL_MAX;
    case 3:
    case 4:
        return in.Take<double>();
    default:
        return in.Take<int16_t>() / 64.0;
    }
}

int32_t Code(TFuzzBytes& in)
{
    switch (in.InRange(0, 3)) {
    case 0:
        return 2147483647;
    case 1:
        return -2147483647 - 1;
    default:
        return in.Take<int32_t>();
    }
}

// Every percentage within -100 .. 100, with the sign of the exact Sxy and 0
// where the window or the pattern is constant.
void CheckCorrelation(std::span<const int32_t> data, std::span<const int32_t> pattern, int32_t patternMean,
                      const std::vector<int32_t>& r)
{
    const size_t n = data.size(), m = pattern.size();
    FUZZ_CHECK(r.size() == (m >= 1 && n >= m ? n - m + 1 : 0));
    for (size_t j = 0; j < r.size(); ++j) {
        FUZZ_CHECK(r[j] >= -100 && r[j] <= 100);
        int64_t sum = 0;
        for (size_t k = 0; k < m; ++k)
            sum += data[j + k];
        const int64_t mean = RoundedQuotient(sum, int64_t(m));
        Wide sxy = 0, sxx = 0, syy = 0;
        for (size_t k = 0; k < m; ++k) {
            const Wide dx = data[j + k] - mean, dy = pattern[k] - int64_t(patternMean);
            sxy += dx * dy;
            sxx += dx * dx;
            syy += dy * dy;
        }
        if (sxx == 0 || syy == 0)
            FUZZ_CHECK(r[j] == 0);
        else
            FUZZ_CHECK(r[j] == 0 || (r[j] > 0) == (sxy > 0));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ResetFpMode();
    TFuzzBytes in(data, size);
    const int32_t n = int32_t(in.InRange(1, 200));
    const int32_t harmonics = int32_t(in.InRange(1, 40));
    const int32_t adc = Scale(in), patternAdc = Scale(in);
    const bool removeZero = in.Take<uint8_t>() & 1;
    const double rate = in.InRange(0, 1) ? in.Take<double>() : double(in.InRange(1, 100000));

    // The samples and their mean as the pane parse forms them.
    TMemoryBuffer values;
    long double sum = 0;
    for (int32_t i = 0; i < n; ++i) {
        const double v = Sample(in);
        values.Write(v);
        sum = (long double)(double)(sum + v);
    }
    TDFT dft;
    dft.SampleCount = n;
    dft.HarmonicCount = harmonics;
    dft.AdcScale = adc;
    dft.DataMean = double(sum / n);
    ResetFpMode();

    TNoProgress progress;
    std::vector<int32_t> dataCodes;
    try {
        BuildHarmonicTables(dft, progress);
        const TPartial<std::span<const int32_t>> codes = QuantizeDataCodes(dft, values, removeZero);
        dataCodes.assign(codes.done.begin(), codes.done.end());
        FUZZ_CHECK(codes.fault ? dataCodes.size() < size_t(n) : dataCodes.size() == size_t(n));
        codes.RaiseFault();
        const TPartial<std::vector<THarmonicPoint>> points = SpectrumPoints(dft, rate);
        FUZZ_CHECK(points.fault ? points.done.size() < size_t(harmonics)
                                : points.done.size() == size_t(harmonics));
        for (const THarmonicPoint& p : points.done)
            FUZZ_CHECK(p.amplitude >= 0 && std::isfinite(p.amplitude) && !p.label.empty());
        points.RaiseFault();
    } catch (const EMathError&) {
        // the run's own faults: no code for a sample, 0 / 0 with an ADC of 0
    }
    ResetFpMode();

    // The pattern from the same samples with its own scale, as the pattern plot makes it.
    const int32_t patternLength = int32_t(in.InRange(1, n));
    TMemoryBuffer patternBuffer;
    const TPartial<TPatternCodes> pattern =
        QuantizePatternCodes(values, patternLength, patternAdc, patternBuffer);
    ResetFpMode();
    if (!pattern.fault) {
        FUZZ_CHECK(pattern.done.codes.size() == size_t(patternLength));
        const std::vector<int32_t> r = SlidingPearson(dataCodes, pattern.done.codes, pattern.done.mean);
        CheckCorrelation(dataCodes, pattern.done.codes, pattern.done.mean, r);
    }

    // Codes straight from the bytes, out to the 32-bit limits.
    std::vector<int32_t> codes(size_t(in.InRange(1, 120)));
    for (int32_t& c : codes)
        c = Code(in);
    std::vector<int32_t> patternCodes(size_t(in.InRange(1, 40)));
    for (int32_t& c : patternCodes)
        c = Code(in);
    const int32_t mean = RoundedMean(patternCodes);
    CheckCorrelation(codes, patternCodes, mean, SlidingPearson(codes, patternCodes, mean));

    const TAutoWindow window = FitAutoWindow(in.Take<int32_t>(), in.Take<int32_t>(), int64_t(codes.size()));
    FUZZ_CHECK(window.start >= 0 && window.width >= 1 &&
               int64_t(window.start) + window.width <= int64_t(codes.size()));
    const std::span<const int32_t> own(codes.data() + window.start, size_t(window.width));
    CheckCorrelation(codes, own, RoundedMean(own), Autocorrelate(codes, window));
    return 0;
}
