#include "dsp/tdft.h"

#include "numbers/float_model.h"

double TDFT::RealPart(int32_t k) { return HarmonicPart(&THarmonicSum::re, k); }

double TDFT::ImagPart(int32_t k) { return HarmonicPart(&THarmonicSum::im, k); }

double TDFT::HarmonicPart(WideInt THarmonicSum::*part, int32_t k) const
{
    if (k < 0 || size_t(k) >= Sums.size())
        TMemoryBuffer::RaiseReadError(); // as reading a row the tables lack
    // |A x A| <= 2^62: exact in 64 bits and in extended precision.
    const long double divisor = static_cast<long double>(int64_t(AdcScale) * AdcScale);
    return StoreDouble(Divide(WideToExtended(Sums[size_t(k)].*part), divisor));
}
