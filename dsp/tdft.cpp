#include "dsp/tdft.h"

#include "dsp/exact_dot.h"
#include "runtime/exceptions.h"
#include "numbers/float_model.h"

double TDFT::RealPart(int32_t k) { return HarmonicPart(*CosTable, k); }

double TDFT::ImagPart(int32_t k) { return HarmonicPart(*SinTable, k); }

double TDFT::HarmonicPart(TMemoryBuffer& table, int32_t k)
{
    const int64_t n = SampleCount > 0 ? SampleCount : 0;
    const int64_t rowStart = int64_t(k) * n * 4;
    const int64_t rowEnd = rowStart + n * 4;
    // The sums read the whole row and all codes; check both ends once instead
    // of one buffer read per element.
    if (k < 0 || rowEnd > table.Size() || n * 4 > DataCodes->Size())
        throw EReadError("Stream read error");
    const auto* codes = reinterpret_cast<const int32_t*>(DataCodes->Data());
    const auto* row = reinterpret_cast<const int32_t*>(table.Data() + rowStart);
    const WideInt sum = ExactDot(codes, row, n);
    table.Seek(rowEnd);
    DataCodes->Seek(n * 4);
    // |A x A| <= 2^62: exact in 64 bits and in extended precision.
    const long double divisor = static_cast<long double>(int64_t(AdcScale) * AdcScale);
    return StoreDouble(Divide(WideToExtended(sum), divisor));
}
