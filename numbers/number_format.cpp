#include "numbers/number_format.h"

#include "numbers/integer_digits.h"

#include "numbers/decimal_digits.h"
#include "numbers/locale_separators.h"

#include "runtime/exceptions.h"

#include <algorithm>

namespace {

// "INF", "-INF" or "NAN" for the special forms.
std::string SpecialText(const DecimalDigits& r)
{
    if (r.IsNaN())
        return "NAN";
    return r.Negative ? "-INF" : "INF";
}

// Digit k of r, "0" past the last one.
char DigitOrZero(const DecimalDigits& r, int k) { return k < r.Count ? r.Digits[k] : '0'; }

void AppendUnsigned(std::string& out, uint64_t v, int minDigits)
{
    if (minDigits > 20)
        out.append(size_t(minDigits - 20), '0');
    char digits[20];
    out.append(digits, size_t(WriteUnsignedDigits(v, minDigits > 20 ? 20 : minDigits, digits)));
}

} // namespace

std::string IntegerText(int64_t n)
{
    std::string out;
    // Negating in unsigned arithmetic keeps INT64_MIN exact.
    const uint64_t magnitude = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    if (n < 0)
        out += '-';
    AppendUnsigned(out, magnitude, 1);
    return out;
}

std::string GeneralText(long double x, int precision, int expDigits)
{
    precision = std::clamp(precision, 2, DecimalDigits::kMaxDigits);
    const DecimalDigits r(x, precision, 9999);
    if (r.IsSpecial())
        return SpecialText(r);
    if (r.Count == 0)
        return "0";

    std::string out;
    if (r.Negative)
        out += '-';
    const int exponent = r.Exponent;
    if (exponent > precision || exponent < -3) {
        out += r.Digits[0];
        if (r.Count > 1) {
            out += DecimalPointChar();
            out.append(r.Digits + 1, r.Count - 1);
        }
        out += 'E';
        const int shown = exponent - 1;
        if (shown < 0)
            out += '-';
        AppendUnsigned(out, static_cast<uint64_t>(shown < 0 ? -shown : shown), expDigits > 4 ? 0 : expDigits);
    } else if (exponent > 0) {
        for (int k = 0; k < exponent; ++k)
            out += DigitOrZero(r, k);
        if (r.Count > exponent) {
            out += DecimalPointChar();
            out.append(r.Digits + exponent, r.Count - exponent);
        }
    } else {
        out += '0';
        out += DecimalPointChar();
        out.append(static_cast<size_t>(-exponent), '0');
        out.append(r.Digits, r.Count);
    }
    return out;
}

std::string FixedText(long double x, int decimals)
{
    decimals = std::clamp(decimals, 0, DecimalDigits::kMaxDigits);
    const DecimalDigits r(x, DecimalDigits::kMaxDigits, decimals);
    if (r.IsSpecial())
        return SpecialText(r);
    if (r.Exponent > DecimalDigits::kMaxDigits)
        return GeneralText(x, DecimalDigits::kMaxDigits, decimals);

    std::string out;
    if (r.Negative)
        out += '-';
    const int exponent = r.Exponent;
    if (exponent <= 0)
        out += '0';
    for (int k = 0; k < exponent; ++k)
        out += DigitOrZero(r, k);
    if (decimals > 0) {
        out += DecimalPointChar();
        const int zeros = exponent < 0 ? std::min(-exponent, decimals) : 0;
        out.append(static_cast<size_t>(zeros), '0');
        const int from = std::max(exponent, 0);
        for (int k = 0; k < decimals - zeros; ++k)
            out += DigitOrZero(r, from + k);
    }
    return out;
}

std::string FormatFixedDirective(std::string_view directive, long double x)
{
    const auto invalid = [&] {
        return EConvertError("Invalid fixed-point directive \"" + std::string(directive) + "\"");
    };
    size_t i = 0;
    if (directive.empty() || directive[i++] != '%')
        throw invalid();
    int width = 0;
    while (i < directive.size() && directive[i] >= '0' && directive[i] <= '9')
        width = std::min(width * 10 + (directive[i++] - '0'), 1000);
    int decimals = -1;
    if (i < directive.size() && directive[i] == '.') {
        ++i;
        while (i < directive.size() && directive[i] >= '0' && directive[i] <= '9')
            decimals = std::min(std::max(decimals, 0) * 10 + (directive[i++] - '0'), 1000);
    }
    if (i + 1 != directive.size() || (directive[i] != 'f' && directive[i] != 'F'))
        throw invalid();
    if (decimals < 0 || decimals > DecimalDigits::kMaxDigits)
        decimals = 2;
    std::string text = FixedText(x, decimals);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}
