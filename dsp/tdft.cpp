#include "dsp/tdft.h"

#include "dsp/exact_dot.h"
#include "numbers/float_model.h"

double TDFT::RealPart(int32_t k) { return HarmonicPart(*CosTable, k); }

double TDFT::ImagPart(int32_t k) { return HarmonicPart(*SinTable, k); }

double TDFT::HarmonicPart(const TMemoryBuffer& table, int32_t k) const
{
    const int64_t n = SampleCount > 0 ? SampleCount : 0;
    // The sums read the whole row and all codes: both are checked once, as
    // one buffer read per element would be.
    const std::span<const int32_t> row = table.Elements<int32_t>(int64_t(k) * n, n);
    const std::span<const int32_t> codes = DataCodes->Elements<int32_t>(0, n);
    const WideInt sum = ExactDot(codes, row);
    // |A x A| <= 2^62: exact in 64 bits and in extended precision.
    const long double divisor = static_cast<long double>(int64_t(AdcScale) * AdcScale);
    return StoreDouble(Divide(WideToExtended(sum), divisor));
}
