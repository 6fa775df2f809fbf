#pragma once
// Direct, deliberately plain evaluations of what a run must produce, written
// from the rules alone so that the window's results can be checked against
// something that shares no code with it: sample text to value, quantization,
// the sine/cosine tables and harmonic sums (exact 64-bit sums); the rounded
// means and the sliding Pearson percentage are the dsp tests' reference.
#include "support/reference_pearson.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace reference {

// x87 extended arithmetic: every intermediate in long double, a store to double
// where the run keeps 64 bits.
inline double Store(long double x) { return static_cast<double>(x); }

// A sample text of the form [spaces][sign]digits[(.|,)digits]: the digits read
// as one integer and divided once by the exact power of ten in extended
// precision, then stored. Returns false for anything else.
inline bool ParseSample(const std::string& text, double& value)
{
    size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos)
        return false;
    bool negative = false;
    if (text[i] == '-' || text[i] == '+')
        negative = text[i++] == '-';
    uint64_t digits = 0;
    int decimals = 0, count = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '.' || c == ',') && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            digits = digits * 10 + uint64_t(c - '0');
            ++count;
            decimals += point ? 1 : 0;
        } else {
            return false;
        }
    }
    if (count == 0 || count > 18)
        return false;
    long double power = 1;
    for (int d = 0; d < decimals; ++d)
        power *= 10;
    const long double magnitude = static_cast<long double>(digits) / power;
    value = Store(negative ? -magnitude : magnitude);
    return true;
}

struct Samples {
    std::vector<double> values;
    double mean = 0;
};

// The running 64-bit sum of the parse and the mean stored from it.
inline Samples MeanOf(const std::vector<double>& values)
{
    Samples s{values, 0};
    double sum = 0;
    for (double v : values)
        sum = Store(static_cast<long double>(sum) + v);
    s.mean = values.empty() ? 0 : Store(static_cast<long double>(sum) / values.size());
    return s;
}

// Data codes: Round(A x v - offset), offset A x mean when the zero harmonic is removed.
inline std::vector<int32_t> DataCodes(const Samples& s, int32_t adc, bool removeZeroHarmonic)
{
    const double offset = removeZeroHarmonic ? Store(static_cast<long double>(adc) * s.mean) : 0.0;
    std::vector<int32_t> codes;
    for (double v : s.values)
        codes.push_back(int32_t(RoundEven(static_cast<long double>(adc) * v - offset)));
    return codes;
}

// Pattern codes keep their offset: Round(A x v).
inline std::vector<int32_t> PatternCodes(const std::vector<double>& values, int32_t adc)
{
    std::vector<int32_t> codes;
    for (double v : values)
        codes.push_back(int32_t(RoundEven(static_cast<long double>(adc) * v)));
    return codes;
}

struct Harmonic {
    double real = 0, imag = 0, amplitude = 0;
};

// Table entry Round(sin(angle) x A), angle = (n k) x (2 pi / N) stored in 64
// bits, the step 2 pi / N too; the sums of code x entry are exact in 64 bits
// and divided by A x A in extended precision.
inline std::vector<Harmonic> Spectrum(const std::vector<int32_t>& codes, int32_t adc, int harmonics)
{
    const long double twoPi = 2.0L * 3.14159265358979323846264338327950288L;
    const int64_t n = int64_t(codes.size());
    const double step = Store(twoPi / n);
    const long double divisor = static_cast<long double>(int64_t(adc) * adc);
    std::vector<Harmonic> result;
    for (int64_t k = 0; k < harmonics; ++k) {
        int64_t re = 0, im = 0;
        for (int64_t i = 0; i < n; ++i) {
            const double angle = Store(static_cast<long double>(i * k) * step);
            const int64_t c = int32_t(RoundEven(std::cos(static_cast<long double>(angle)) * adc));
            const int64_t s = int32_t(RoundEven(std::sin(static_cast<long double>(angle)) * adc));
            re += codes[size_t(i)] * c;
            im += codes[size_t(i)] * s;
        }
        Harmonic h;
        h.real = Store(static_cast<long double>(re) / divisor);
        h.imag = Store(static_cast<long double>(im) / divisor);
        const long double r = h.real, m = h.imag;
        h.amplitude = Store(std::sqrt(r * r + m * m));
        result.push_back(h);
    }
    return result;
}

inline double Frequency(int k, double rate, int64_t n)
{
    return Store(static_cast<long double>(k) * rate / static_cast<long double>(n));
}

} // namespace reference
