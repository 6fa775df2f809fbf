// Number texts: any bytes read as a float and as an integer, and numbers
// written in every form read back.
#include "fuzz/fuzz_bytes.h"
#include "numbers/float_model.h"
#include "numbers/locale_separators.h"
#include "numbers/number_format.h"
#include "numbers/number_parse.h"
#include "runtime/exceptions.h"

#include <cmath>
#include <string>

namespace {

// Failure is a position inside the text or just after it, never an error but
// the documented overflow.
void ReadAnyText(std::string_view text)
{
    try {
        const FloatParse f = ParseFloat(text);
        FUZZ_CHECK(f.errorPosition >= 0 && size_t(f.errorPosition) <= text.size() + 1);
        FUZZ_CHECK(text.empty() ? f.errorPosition == 1 : true);
    } catch (const EOverflow&) {
    }
    const IntegerParse i = ParseInteger(text);
    FUZZ_CHECK(i.errorPosition >= 0 && size_t(i.errorPosition) <= text.size() + 1);
    FUZZ_CHECK(i.errorPosition == 0 || i.value == 0);
}

// Every written form of a finite number reads back, within its rounding.
void ReadBackWritten(TFuzzBytes& in)
{
    const int32_t n = in.Take<int32_t>();
    const IntegerParse integer = ParseInteger(IntegerText(n));
    FUZZ_CHECK(integer.errorPosition == 0 && integer.value == n);

    const double x = in.Take<double>();
    const int precision = int(in.InRange(-2, 21)), expDigits = int(in.InRange(-1, 6));
    const int decimals = int(in.InRange(-2, 21));
    const std::string general = GeneralText(x, precision, expDigits);
    const std::string fixed = FixedText(x, decimals);
    try {
        PatternText(in.Text(40), x);
    } catch (const EConvertError&) {
    }
    if (!std::isfinite(x))
        return;
    // 18 significant digits tell every double apart.
    const FloatParse exact = ParseFloat(GeneralText(x, 18, 0));
    FUZZ_CHECK(exact.errorPosition == 0 && StoreDouble(exact.value) == x);

    const FloatParse g = ParseFloat(general);
    FUZZ_CHECK(g.errorPosition == 0);
    const int digits = precision < 2 ? 2 : precision > 18 ? 18 : precision;
    FUZZ_CHECK(std::fabs(g.value - x) <= std::fabs((long double)x) * std::pow(10.0L, 1 - digits));

    const FloatParse f = ParseFloat(fixed);
    FUZZ_CHECK(f.errorPosition == 0);
    const int places = decimals < 0 ? 0 : decimals > 18 ? 18 : decimals;
    if (std::fabs(x) < 1e15)
        FUZZ_CHECK(std::fabs(f.value - x) <= 0.5L * std::pow(10.0L, -places) + std::fabs(x) * 1e-17L);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ResetFpMode();
    SetLocaleSeparators('.', ',');
    ReadAnyText(std::string_view(reinterpret_cast<const char*>(data), size));
    TFuzzBytes in(data, size);
    ReadBackWritten(in);
    return 0;
}
