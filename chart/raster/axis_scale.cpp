#include "chart/raster/axis_scale.h"

#include <cmath>

TAxisMapper::TAxisMapper(const TAxisScale& s)
        : minimum_(s.Minimum), base_(s.Horizontal ? s.Start : s.End), centre_(s.Centre()),
          horizontal_(s.Horizontal)
{
    const double range = s.Maximum - s.Minimum;
    zero_ = range == 0;
    factor_ = zero_ ? 0 : s.Span() / range;
}

void TAxisMapper::Pixels(const double* values, int count, int* pixels) const
{
    int k = 0;
    if (!zero_) {
        const __m128d minimum = _mm_set1_pd(minimum_), factor = _mm_set1_pd(factor_);
        const __m128d bound = _mm_set1_pd(2147483647.0), negBound = _mm_set1_pd(-2147483647.0);
        const __m128d base = _mm_set1_pd(base_), top = _mm_set1_pd(2147483647.0),
                      bottom = _mm_set1_pd(-2147483648.0);
        const __m128i centre = _mm_set1_epi32(centre_);
        for (; k + 2 <= count; k += 2) {
            const __m128d q = _mm_mul_pd(_mm_sub_pd(_mm_loadu_pd(values + k), minimum), factor);
            // Both lanes of the mask all ones where q lies strictly inside the bounds (false for NaN).
            const __m128d inside = _mm_and_pd(_mm_cmplt_pd(q, bound), _mm_cmpgt_pd(q, negBound));
            const __m128i r = _mm_cvtpd_epi32(q); // nearest, ties to even, like cvtsd2si
            // base +- r in doubles is exact (below 2^33); clamped, it is Pixel()'s saturation.
            const __m128d rd = _mm_cvtepi32_pd(r);
            const __m128d sum = horizontal_ ? _mm_add_pd(base, rd) : _mm_sub_pd(base, rd);
            const __m128i pixel = _mm_cvtpd_epi32(_mm_min_pd(_mm_max_pd(sum, bottom), top));
            // The two 64-bit lanes of the mask, narrowed to the two low 32-bit lanes.
            const __m128i keep = _mm_shuffle_epi32(_mm_castpd_si128(inside), _MM_SHUFFLE(3, 1, 2, 0));
            const __m128i chosen = _mm_or_si128(_mm_and_si128(keep, pixel), _mm_andnot_si128(keep, centre));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(pixels + k), chosen);
        }
    }
    for (; k < count; ++k)
        pixels[k] = Pixel(values[k]);
}

int AxisValueToPixel(const TAxisScale& s, double value) { return TAxisMapper(s).Pixel(value); }

double AxisPixelToValue(const TAxisScale& s, int pixel)
{
    if (s.Span() < 1)
        return 0;
    const long double t = ((long double)pixel - s.Start) * ((long double)s.Maximum - s.Minimum) / s.Span();
    return s.Horizontal ? double(s.Minimum + t) : double(s.Maximum - t);
}

TAxisScale PadScale(TAxisScale s, int startPad, int endPad)
{
    const int room = s.Span() - startPad - endPad;
    if (room <= 0 || (startPad == 0 && endPad == 0))
        return s;
    const long double m = s.Minimum, r = (long double)s.Maximum - s.Minimum;
    s.Minimum = double(m - startPad * r / room);
    s.Maximum = double(m + r + endPad * r / room);
    return s;
}
